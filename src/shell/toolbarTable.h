#pragma once

#include <span>
#include <string_view>

// The toolbars of the main frame: control id, resource, title string and the
// buttons as command ids in their order (0 marks a separator).
struct toolbarButton {
    int command;
    const char* tip;
};

struct toolbarSpec {
    int controlId;
    int resourceId;
    int titleId;
    std::span<const toolbarButton> buttons;
};

// Indexed as CMainFrame::toolbar.
std::span<const toolbarSpec> toolbarTable();
// The tip of a toolbar command, null when no toolbar has it.
const char* toolbarTip(int command);
// The status-bar prompt of a menu command: its string up to the line break,
// empty when the command has none.
std::string_view commandPrompt(int command);
