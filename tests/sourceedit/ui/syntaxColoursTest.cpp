#include "platform/recordingResponder.h"
#include "platform/settingsStore.h"
#include "sourceedit/sourceColour.h"
#include "sourceedit/ui/CColourCombo.h"
#include "sourceedit/ui/CSourceTokenInfo.h"
#include "sourceedit/ui/CSyntaxColoursDialog.h"
#include "support/ui/temporarySettings.h"

#include <QImage>
#include <QListWidget>
#include <gtest/gtest.h>

namespace {

using style = CSourceTokenStyle;

void writeVariant(int entry, const char* prefix, int foreground, int background, int fontStyle)
{
    auto name = [&](const char* base) { return gstr((std::string(prefix) + base + std::to_string(entry)).c_str()); };
    writeProfileInt("TokenInfo", name("ForeDef"), foreground >= 0);
    writeProfileInt("TokenInfo", name("ForeClr"), foreground);
    writeProfileInt("TokenInfo", name("BackDef"), background >= 0);
    writeProfileInt("TokenInfo", name("BackClr"), background);
    writeProfileInt("TokenInfo", name("StyleDef"), fontStyle > 0);
    writeProfileInt("TokenInfo", name("Style"), fontStyle);
}

uint32_t foregroundOf(const CSourceTokenInfo& info, int printing)
{
    uint32_t colour = 0xDEAD;
    return info.getForeground(colour, printing) ? colour : 0xDEAD;
}

uint32_t backgroundOf(const CSourceTokenInfo& info, int printing)
{
    uint32_t colour = 0xDEAD;
    return info.getBackground(colour, printing) ? colour : 0xDEAD;
}

TEST(sourceTokenInfo, LoadingStopsAtTheFirstMissingValue)
{
    temporarySettings temp;
    writeVariant(0, "", 0x123456, 0x654321, 2);
    writeProfileInt("TokenInfo", "PrForeDef0", 1);
    writeProfileInt("TokenInfo", "PrForeClr0", 0x0000FF);
    writeVariant(1, "", 0x111111, -1, 0);
    CSourceTokenInfoArray table;
    table.load();
    EXPECT_EQ(foregroundOf(table[0], 0), 0x123456u);
    EXPECT_EQ(backgroundOf(table[0], 0), 0x654321u);
    EXPECT_EQ(table[0].getFontStyle(0), 2);
    EXPECT_EQ(foregroundOf(table[0], 1), 0x0000FFu);
    EXPECT_EQ(backgroundOf(table[0], 1), 0xFFFFFFu); // the default stays
    EXPECT_EQ(foregroundOf(table[1], 0), 0xDEADu);    // never reached
    EXPECT_EQ(table.size(), 11);
}

TEST(sourceTokenInfo, LoadingGrowsTheTableAndSavingThenLoadingGivesTheSameStyles)
{
    temporarySettings temp;
    CSourceTokenInfoArray saved;
    saved.resize(42);
    saved[41].setColour(style::screenForegroundColour, rgbColour(1, 2, 3), 1);
    saved[41].setFontStyle(style::fontItalic, 0);
    saved[7].setColour(style::screenBackgroundColour, systemColourRef(sysColourIndexWindow), 1);
    saved[3].setColour(style::printForegroundColour, 0, 0);
    saved.save();
    CSourceTokenInfoArray loaded;
    loaded.load();
    ASSERT_EQ(loaded.size(), 42);
    for (int i = 0; i < 42; ++i) {
        EXPECT_EQ(loaded[i].styleFlags, saved[i].styleFlags) << i;
        for (int printing : {0, 1}) {
            EXPECT_EQ(foregroundOf(loaded[i], printing), foregroundOf(saved[i], printing)) << i;
            EXPECT_EQ(backgroundOf(loaded[i], printing), backgroundOf(saved[i], printing)) << i;
            EXPECT_EQ(loaded[i].getFontStyle(printing), saved[i].getFontStyle(printing)) << i;
        }
    }
    loaded.copyScreenToPrint();
    EXPECT_EQ(foregroundOf(loaded[41], 1), rgbColour(1, 2, 3));
    EXPECT_EQ(loaded[41].getFontStyle(1), style::fontItalic);
    EXPECT_EQ(foregroundOf(loaded[5], 1), 0xDEADu);
}

TEST(sourceTokenInfo, AnEntryTakesTheSharedFontOfItsStyleOrNone)
{
    CSourceTokenInfoArray table;
    QFont font;
    EXPECT_FALSE(table[5].getFont(font, 0));
    deleteScreenFonts();
    EXPECT_FALSE(table[10].getFont(font, 0));
    ASSERT_TRUE(createScreenFonts(10, 72));
    ASSERT_TRUE(table[10].getFont(font, 0));
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_EQ(font.pixelSize(), 10);
    EXPECT_EQ(font.family(), "Courier New");
    ASSERT_TRUE(table[7].getFont(font, 0));
    EXPECT_TRUE(font.italic());
    EXPECT_FALSE(table[7].getFont(font, 1)); // no print font style: the default style's font
    table[7].printFont = std::make_unique<QFont>("Serif");
    ASSERT_TRUE(table[7].getFont(font, 1));
    EXPECT_EQ(font.family(), "Serif");
    CSourceTokenInfo copy = table[7];
    EXPECT_FALSE(copy.printFont);
    deleteScreenFonts();
    EXPECT_FALSE(createSourceFont(font, 0, 72, false, false));
}

// The dialog as the SCL colours would derive it: two token items.
class testColoursDialog : public CSyntaxColoursDialog {
public:
    testColoursDialog() : CSyntaxColoursDialog(templateNumber) {}
    void apply() override { ++applied; }
    int applied = 0;

protected:
    bool OnInitDialog() override
    {
        CSyntaxColoursDialog::OnInitDialog();
        table[3].setColour(style::screenForegroundColour, rgbColour(128, 128, 128), 1);
        table[4].setColour(style::screenForegroundColour, rgbColour(1, 2, 3), 1);
        setItemNames("Window\nText\nIntegers\nReals");
        const int map[] = {0, 0, 3, 4};
        setItemMap(map, 4);
        selectItem(0);
        return true;
    }
};

CColourCombo& combo(CDialog& dialog, int id) { return *dynamic_cast<CColourCombo*>(dialog.control(id)); }

TEST(syntaxColoursDialog, ShowsEachItemsColoursAndKeepsTheSelectionForColoursOutsideThePalette)
{
    recordingResponder user;
    testColoursDialog dialog;
    dialog.ensureInitialized();
    CColourCombo& foreground = combo(dialog, CSyntaxColoursDialog::foregroundId);
    CColourCombo& background = combo(dialog, CSyntaxColoursDialog::backgroundId);
    EXPECT_EQ(dialog.itemCount(CSyntaxColoursDialog::fontStyleId), 4);
    EXPECT_EQ(dialog.itemText(CSyntaxColoursDialog::fontStyleId, 3).view(), "Italic");
    EXPECT_FALSE(dialog.isControlEnabled(CSyntaxColoursDialog::foregroundId));
    EXPECT_EQ(background.itemText(0).toStdString(), "System Window Colour");
    EXPECT_EQ(background.currentIndex(), 0);
    EXPECT_EQ(foreground.count(), 17);

    dialog.selectItem(2);
    EXPECT_EQ(foreground.currentIndex(), 3); // the first place of RGB(128, 128, 128)
    EXPECT_EQ(foreground.itemText(0).toStdString(), "Default");
    EXPECT_EQ(dialog.selectedItem(CSyntaxColoursDialog::fontStyleId), 0);
    dialog.selectItem(3);
    EXPECT_EQ(foreground.currentIndex(), 3);
    dialog.selectItem(1);
    EXPECT_EQ(foreground.itemText(0).toStdString(), "System Text Colour");
    EXPECT_EQ(foreground.currentIndex(), 0);
    EXPECT_FALSE(dialog.isControlEnabled(CSyntaxColoursDialog::fontStyleId));
}

TEST(syntaxColoursDialog, ChoicesChangeTheWorkingTableAndApplyRunsOnApplyAndOk)
{
    recordingResponder user;
    testColoursDialog dialog;
    dialog.ensureInitialized();
    CColourCombo& foreground = combo(dialog, CSyntaxColoursDialog::foregroundId);
    CColourCombo& background = combo(dialog, CSyntaxColoursDialog::backgroundId);
    auto* fontStyle = dynamic_cast<QComboBox*>(dialog.control(CSyntaxColoursDialog::fontStyleId));

    background.activated(8); // red
    EXPECT_EQ(dialog.background, rgbColour(255, 0, 0));
    background.activated(0);
    EXPECT_EQ(dialog.background, systemColourRef(sysColourIndexWindow));
    dialog.selectItem(1);
    foreground.activated(2);
    EXPECT_EQ(foregroundOf(dialog.table[0], 0), rgbColour(0, 0, 255));
    foreground.activated(0);
    EXPECT_EQ(foregroundOf(dialog.table[0], 0), systemColourRef(sysColourIndexWindowText));
    dialog.selectItem(2);
    foreground.activated(0);
    EXPECT_EQ(foregroundOf(dialog.table[3], 0), 0xDEADu);
    background.activated(12);
    EXPECT_EQ(backgroundOf(dialog.table[3], 0), rgbColour(255, 255, 255));
    fontStyle->activated(2);
    EXPECT_EQ(dialog.table[3].getFontStyle(0), style::fontBold);
    fontStyle->activated(0);
    EXPECT_EQ(dialog.table[3].getFontStyle(0), 0);

    dialog.sendCommand(CSyntaxColoursDialog::applyId);
    EXPECT_EQ(dialog.applied, 1);
    dialog.sendCommand(IDOK);
    EXPECT_EQ(dialog.applied, 2);
    EXPECT_EQ(dialog.endResult(), IDOK);
}

TEST(syntaxColoursDialog, ADisabledColourComboIsAGreyField)
{
    CColourCombo colours;
    const uint32_t palette[] = {rgbColour(255, 0, 0)};
    colours.addItem("Default");
    colours.addColours(palette, 1);
    colours.setCurrentIndex(1);
    colours.resize(80, 24);
    QImage image(colours.size(), QImage::Format_RGB32);
    colours.render(&image);
    EXPECT_EQ(image.pixelColor(12, 12), QColor(255, 0, 0));
    colours.setEnabled(false);
    colours.render(&image);
    EXPECT_EQ(image.pixelColor(12, 12), QColor(192, 192, 192));
    EXPECT_FALSE(colours.selectColour(rgbColour(1, 1, 1), palette, 1, 1));
    EXPECT_EQ(colours.currentIndex(), 1);
}

} // namespace
