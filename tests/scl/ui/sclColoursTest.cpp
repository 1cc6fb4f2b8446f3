#include "scl/gsclTokenizer.h"
#include "scl/ui/CSclSyntaxColoursDialog.h"
#include "scl/ui/sclColourTable.h"

#include "platform/recordingResponder.h"
#include "platform/settingsStore.h"
#include "sourceedit/sourceColour.h"
#include "sourceedit/sourceEditorSettings.h"
#include "sourceedit/ui/CColourCombo.h"
#include "sourceedit/ui/CSourceTokenInfo.h"
#include "support/ui/temporarySettings.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace {

using style = CSourceTokenStyle;

uint32_t foreground(const CSourceTokenInfo& info, int printing)
{
    uint32_t colour = 0xDEAD;
    return info.getForeground(colour, printing) ? colour : 0xDEAD;
}

TEST(sclColours, FirstRunDefaults)
{
    temporarySettings settings;
    sclColourTable() = CSourceTokenInfoArray();
    initSclColourTable();
    CSourceTokenInfoArray& table = sclColourTable();
    ASSERT_EQ(table.size(), 42);
    struct {
        int colourClass;
        uint32_t colour;
        int fontStyle;
    } const cases[] = {
        {32, rgbColour(255, 0, 0), style::fontBold},   {33, rgbColour(128, 0, 128), 0},
        {34, rgbColour(128, 0, 128), 0},               {35, rgbColour(128, 0, 128), 0},
        {36, rgbColour(0, 0, 255), style::fontBold},   {37, rgbColour(0, 0, 255), style::fontBold},
        {39, rgbColour(0, 0, 255), style::fontBold},   {40, rgbColour(0, 0, 255), style::fontBold},
        {41, rgbColour(128, 0, 0), 0},                 {38, 0xDEAD, 0},
        {7, rgbColour(0, 128, 0), style::fontItalic}, // the source editor's
    };
    for (const auto& c : cases) {
        EXPECT_EQ(foreground(table[c.colourClass], 0), c.colour) << c.colourClass;
        EXPECT_EQ(foreground(table[c.colourClass], 1), c.colour) << c.colourClass;
        EXPECT_EQ(table[c.colourClass].getFontStyle(0), c.fontStyle) << c.colourClass;
        uint32_t none = 0;
        EXPECT_FALSE(table[c.colourClass].getBackground(none, 0) && c.colourClass >= 32) << c.colourClass;
    }
    EXPECT_EQ(table[32].getFontStyle(1), 0);
}

TEST(sclColours, SavedColoursAreKept)
{
    temporarySettings settings;
    CSourceTokenInfoArray saved;
    saved.resize(42);
    saved[32].setColour(style::screenForegroundColour, rgbColour(1, 2, 3), 1);
    saved.save();
    sclColourTable() = CSourceTokenInfoArray();
    initSclColourTable();
    EXPECT_EQ(foreground(sclColourTable()[32], 0), rgbColour(1, 2, 3));
    EXPECT_EQ(sclColourTable()[32].getFontStyle(0), 0);
    EXPECT_EQ(foreground(sclColourTable()[39], 0), 0xDEADu);
}

TEST(sclColours, DialogEditsACopyThatApplySavesAndUses)
{
    temporarySettings settings;
    recordingResponder user;
    sclColourTable() = CSourceTokenInfoArray();
    initSclColourTable();
    uint32_t oldBackground = sourceEditorBackground;
    CSclSyntaxColoursDialog dialog;
    dialog.ensureInitialized();
    ASSERT_EQ(dialog.itemCount(CSyntaxColoursDialog::itemListId), 17);
    EXPECT_EQ(dialog.itemText(CSyntaxColoursDialog::itemListId, 15).view(), "Database Object");
    EXPECT_EQ(dialog.selectedItem(CSyntaxColoursDialog::itemListId), 0);

    auto& colours = *dynamic_cast<CColourCombo*>(dialog.control(CSyntaxColoursDialog::foregroundId));
    auto& backgrounds = *dynamic_cast<CColourCombo*>(dialog.control(CSyntaxColoursDialog::backgroundId));
    dialog.selectItem(16); // Illegal text
    EXPECT_EQ(colours.currentIndex(), 8); // red
    colours.activated(6);                 // green
    EXPECT_EQ(foreground(dialog.table[32], 0), rgbColour(0, 128, 0));
    EXPECT_EQ(foreground(sclColourTable()[32], 0), rgbColour(255, 0, 0));
    dialog.selectItem(0);
    backgrounds.activated(13); // silver
    dialog.sendCommand(CSyntaxColoursDialog::applyId);
    EXPECT_EQ(foreground(sclColourTable()[32], 0), rgbColour(0, 128, 0));
    EXPECT_EQ(sourceEditorBackground, rgbColour(192, 192, 192));
    EXPECT_EQ(profileInt("TokenInfo", "ForeClr32", -1), static_cast<int>(rgbColour(0, 128, 0)));
    dialog.sendCommand(IDCANCEL);
    sourceEditorBackground = oldBackground;
}

} // namespace
