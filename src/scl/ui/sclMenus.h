#pragma once

#include "shell/mainMenu.h"

#include <functional>
#include <span>

class QMenu;
class QWidget;

// The menus of the SCL windows, in the main menu's form (menuEntry): the
// context menus of station programs (109) and driver programs (116), and the
// menu bar of the driver program editor (115).
namespace sclMenus {

constexpr int stationContextMenu = 109;
constexpr int driverContextMenu = 116;

// The context menu of that id; empty for another id.
std::span<const menuEntry> contextMenu(int id);
std::span<const menuEntry> driverEditorMenu();
// The driver program editor's tool bar (115): command ids, 0 for a gap.
std::span<const int> driverEditorToolbar();

// One key of an accelerator table.
struct accelerator {
    int key;       // a Qt::Key
    int modifiers; // Qt::KeyboardModifiers
    int command;
};
// The accelerators of the SCL documents (table 220).
std::span<const accelerator> documentAccelerators();
// The command of a key in table 220, 0 when none.
int acceleratorCommand(int key, int modifiers);

// Fills a menu from entries of level 1 and deeper. Each command's action is
// made by the function, so that it carries the command however the owner
// routes it.
void fillMenu(QMenu& menu, std::span<const menuEntry> entries,
              const std::function<void(QMenu&, int, const char*)>& addCommand);

} // namespace sclMenus
