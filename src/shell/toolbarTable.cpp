#include "shell/toolbarTable.h"

#include "resources/stringTable.h"

#include <iterator>

namespace {

constexpr toolbarButton mainButtons[] = {
    {32848, "New"}, {32849, "Open"}, {32852, "Save"}, {32880, "Save and Test"}, {0, nullptr},
    {57667, "Help"}, {32855, "SCL Keyword Help"}, {0, nullptr}, {32906, "Auto Size"}, {0, nullptr},
    {57650, "Cascade"}, {57651, "Tile Horizontally"}, {57652, "Tile Vertically"},
};

constexpr toolbarButton editButtons[] = {
    {57635, "Cut"}, {57634, "Copy"}, {57637, "Paste"}, {0, nullptr}, {57607, "Print"}, {0, nullptr},
    {57643, "Undo"}, {57644, "Redo"}, {0, nullptr}, {32843, "Toggle Bookmark"}, {32868, "Next Bookmark"},
    {32870, "Previous Bookmark"}, {32788, "Clear All Bookmarks"}, {0, nullptr}, {32804, "Get Properties"},
};

constexpr toolbarButton objectListButtons[] = {
    {32918, "Device Drivers"}, {32898, "Ports"}, {32901, "Registers"},
    {32902, "Screens"}, {32899, "Programs"}, {32910, "SABus Requests"},
};

constexpr toolbarButton drawingButtons[] = {
    {32818, "Select"}, {32816, "Reshape"}, {32814, "Static objects"}, {32937, "3D objects"},
    {32794, "Bistate indicators"}, {32812, "Multistate indicators"}, {32801, "Digital indicators"},
    {32791, "Analog indicators"}, {32824, "String indicators"}, {32930, "Dials"}, {32931, "Graphs"},
    {32936, "X-Y markers"}, {32798, "Controls"}, {32807, "Labels"}, {0, nullptr}, {32808, "Lines"},
    {32821, "Splines"}, {32815, "Rectangles"}, {32803, "Ellipses"}, {32825, "Text"}, {32805, "Images"},
};

constexpr toolbarButton arrangingButtons[] = {
    {32831, "Lower"}, {32841, "Raise"}, {32844, "Send To Back"}, {32845, "Bring To Front"}, {0, nullptr},
    {32783, "Group"}, {32787, "Ungroup"},
};

constexpr toolbarButton newObjectButtons[] = {
    {32919, "New Device Driver"}, {32863, "New Port"}, {32865, "New Register"},
    {32866, "New Screen"}, {32864, "New Program"}, {32912, "New SABus Request"},
};

constexpr toolbarButton gridButtons[] = {
    {32890, "Grid"}, {32820, "Snap To Grid"}, {32892, "Grid Size"}, {0, nullptr},
    {32772, "Align With Grid"}, {32884, "Align Grid With Selection"}, {32885, "Align Grid With Screen"},
};

constexpr toolbarButton alignmentButtons[] = {
    {32773, "Align Left Edges"}, {32774, "Align Horizontal Centers"}, {32775, "Align Right Edges"},
    {32776, "Distribute Horizontally"}, {0, nullptr}, {32777, "Align Top Edges"},
    {32778, "Align Vertical Centers"}, {32779, "Align Bottom Edges"}, {32780, "Distribute Vertically"},
};

constexpr toolbarButton transformationButtons[] = {
    {32781, "Flip Horizontally"}, {32782, "Flip Vertically"}, {0, nullptr},
    {32784, "Rotate 90 Left"}, {32785, "Rotate 90 Right"}, {32786, "Rotate 180"},
};

constexpr toolbarButton legacyListButtons[] = {
    {32923, "Legacy Masks"}, {32922, "Legacy Device Drivers"}, {32897, "Legacy Parameters"},
};

constexpr toolbarButton legacyNewButtons[] = {
    {32920, "New Legacy Mask"}, {32921, "New Legacy Device Driver"}, {32862, "New Legacy Parameter"},
};

constexpr toolbarSpec table[] = {
    {0xE800, 102, 10304, mainButtons},
    {0xE80A, 246, 10048, editButtons},
    {0xE807, 239, 10307, objectListButtons},
    {0xE805, 503, 10038, drawingButtons},
    {0xE806, 237, 10005, arrangingButtons},
    {0xE809, 242, 10157, newObjectButtons},
    {0xE808, 240, 10068, gridButtons},
    {0xE80B, 277, 10002, alignmentButtons},
    {0xE80C, 278, 10305, transformationButtons},
    {0xE80D, 283, 10498, legacyListButtons},
    {0xE80E, 284, 10498, legacyNewButtons},
};

} // namespace

std::span<const toolbarSpec> toolbarTable() { return table; }

const char* toolbarTip(int command)
{
    for (const toolbarSpec& bar : table) {
        for (const toolbarButton& b : bar.buttons) {
            if (b.command == command)
                return b.tip;
        }
    }
    return nullptr;
}

std::string_view commandPrompt(int command)
{
    // Menu commands are numbered from here; lower ids are prompts and texts.
    constexpr int firstCommand = 32768;
    if (command < firstCommand)
        return {};
    const char* text = stringTableText(command);
    if (!text)
        return {};
    std::string_view prompt(text);
    return prompt.substr(0, prompt.find('\n'));
}
