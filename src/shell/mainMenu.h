#pragma once

#include <span>

// The main frame's menu bar (menu 102). An entry at level 0 is a menu of the
// bar; deeper levels are items of the last menu one level up. command 0 with
// a text is a submenu, command 0 without a text a separator. Texts carry
// their mnemonic and, after a tab, their accelerator.
struct menuEntry {
    int level;
    int command;
    const char* text;
};

std::span<const menuEntry> mainMenu();

// The first and last command of the recent-file entries of the File menu.
constexpr int firstRecentFileCommand = 57616;
constexpr int recentFileCount = 4;
