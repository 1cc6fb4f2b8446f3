#pragma once

#include <QColor>
#include <cstdint>

// The colour a source-editor colour reference stands for: a system colour
// (top bit set) from the application's palette, else the RGB value.
QColor sourceColour(uint32_t colour);
