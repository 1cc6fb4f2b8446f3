#include "scl/ui/sclColourTable.h"

#include "scl/gsclTokenizer.h"
#include "sourceedit/sourceColour.h"
#include "sourceedit/ui/CSourceTokenInfo.h"

namespace {

using style = CSourceTokenStyle;

struct classDefault {
    int colourClass;
    uint32_t foreground;
    uint8_t fontStyle; // 0: none
};

constexpr uint32_t red = rgbColour(255, 0, 0);
constexpr uint32_t purple = rgbColour(128, 0, 128);
constexpr uint32_t blue = rgbColour(0, 0, 255);
constexpr uint32_t maroon = rgbColour(128, 0, 0);

constexpr classDefault defaults[] = {
    {sclColour::illegal, red, style::fontBold},
    {sclColour::stringVariables, purple, 0},
    {sclColour::booleanVariables, purple, 0},
    {sclColour::numericalVariables, purple, 0},
    {sclColour::systemVariables, blue, style::fontBold},
    {sclColour::resultVariables, blue, style::fontBold},
    {sclColour::statements, blue, style::fontBold},
    {sclColour::functions, blue, style::fontBold},
    {sclColour::objectNames, maroon, 0},
};

} // namespace

CSourceTokenInfoArray& sclColourTable()
{
    static CSourceTokenInfoArray table;
    return table;
}

void initSclColourTable()
{
    CSourceTokenInfoArray& table = sclColourTable();
    table.load();
    if (table.size() >= sclColour::count)
        return;
    table.resize(sclColour::count);
    for (const classDefault& d : defaults) {
        CSourceTokenInfo& info = table[d.colourClass];
        info.setColour(style::screenForegroundColour, d.foreground, 1);
        info.setColour(style::printForegroundColour, d.foreground, 1);
        if (d.fontStyle)
            info.setFontStyle(d.fontStyle, 0);
    }
}
