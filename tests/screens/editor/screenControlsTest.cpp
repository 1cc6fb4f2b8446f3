#include "screens/editor/CFillComboBox.h"
#include "screens/editor/CPreviewCtrl.h"

#include "platform/patternTables.h"
#include "platform/systemColours.h"
#include "support/ui/controlHost.h"
#include "support/ui/screenshots.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

TEST(fillComboBox, ItemsMapToKindsAndPatterns)
{
    CFillComboBox combo;
    ASSERT_EQ(combo.count(), 29);
    struct row {
        int kind, pattern, item;
    };
    const row rows[] = {{1, 0, 0}, {2, 0, 1}, {3, 0, 2}, {3, 21, 23}, {4, 0, 24}, {4, 4, 28}};
    for (const row& r : rows) {
        combo.select(r.kind, r.pattern);
        EXPECT_EQ(combo.currentIndex(), r.item);
        EXPECT_EQ(combo.getKind(), r.kind);
        EXPECT_EQ(combo.getPattern(), r.pattern);
    }
    // Nothing selected reads as kind 0, so that panes leave the fill alone.
    combo.select(0, 0);
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(combo.getKind(), 0);
    // A pattern beyond its kind's list is no item of another kind.
    combo.select(3, 22);
    EXPECT_EQ(combo.currentIndex(), -1);
}

TEST(fillComboBox, ItemsDrawTheirTextOrSwatch)
{
    makeFillPatternTable();
    makeColourPatternTable();
    CFillComboBox combo;
    QImage picture(60, 16 * 4, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    {
        QPainter painter(&picture);
        combo.drawItem(painter, QRect(0, 0, 60, 16), 0, false);
        combo.drawItem(painter, QRect(0, 16, 60, 16), 1, true);
        combo.drawItem(painter, QRect(0, 32, 60, 16), 7, false);
        combo.drawItem(painter, QRect(0, 48, 60, 16), 25, false);
    }
    EXPECT_TRUE(saveScreenshot(picture, "fill-combo-items.png"));
    QColor window = systemColour(sysColour::window);
    EXPECT_EQ(picture.pixelColor(59, 0).rgb(), window.rgb());
    EXPECT_EQ(picture.pixelColor(59, 16).rgb(), systemColour(sysColour::highlight).rgb());
    // A swatch keeps a one-pixel margin and is outlined in the text colour.
    EXPECT_EQ(picture.pixelColor(0, 40).rgb(), window.rgb());
    EXPECT_EQ(picture.pixelColor(1, 40).rgb(), systemColour(sysColour::windowText).rgb());
}

TEST(previewCtrl, ColourAreasFollowTheEnabledState)
{
    controlHost host;
    auto* area = host.add(1, new CPreviewCtrl(8), 10, 10, 20, 10);
    auto* divider = host.add(2, new CPreviewCtrl(1), 40, 10, 20, 10);
    QImage on = area->grab().toImage();
    area->setEnabled(false);
    QImage off = area->grab().toImage();
    QPoint middle(on.width() / 2, on.height() / 2);
    EXPECT_EQ(on.pixelColor(middle).rgb(), systemColour(sysColour::window).rgb());
    EXPECT_EQ(on.pixelColor(0, 0).rgb(), QColor(Qt::black).rgb());
    EXPECT_EQ(off.pixelColor(middle).rgb(), systemColour(sysColour::buttonFace).rgb());
    EXPECT_EQ(off.pixelColor(0, 0).rgb(), systemColour(sysColour::buttonShadow).rgb());
    // A horizontal divider is a two-pixel band across the middle.
    QImage band = divider->grab().toImage();
    int y = band.height() / 2 - 1;
    EXPECT_EQ(band.pixelColor(3, y).rgb(), systemColour(sysColour::buttonShadow).rgb());
    EXPECT_EQ(band.pixelColor(3, y + 1).rgb(), systemColour(sysColour::buttonHighlight).rgb());
}
