#pragma once

#include <span>

class QPainter;

// The sign of a toolbar command, drawn on a 16 by 16 square with the
// painter's pen as the outline colour (black, or white on the dark ground
// of a locked drawing tool).
struct toolbarSign {
    int command;
    void (*draw)(QPainter&);
};

// The file, window, help, clipboard, bookmark and object-list commands.
std::span<const toolbarSign> documentSigns();
// The drawing tools: selecting, shapes and screen elements.
std::span<const toolbarSign> drawingSigns();
// Arranging, grid, alignment and transformation commands.
std::span<const toolbarSign> arrangingSigns();
