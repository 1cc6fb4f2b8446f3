#include "screens/editor/qtDrawingContext.h"
#include "platform/recordingResponder.h"
#include "screens/model/fscreen.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/gfillInfo.h"
#include "screens/model/glineInfo.h"
#include "screens/model/gpreviewValues.h"
#include "store/gstation.h"
#include "store/gstationState.h"
#include "store/stationFile.h"
#include "support/ui/screenshots.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

#include <string>

namespace {

std::string fixture(const std::string& name)
{
    return std::string(KORVEL_TEST_DATA_DIR) + "/screens/model/fixtures/" + name;
}

class qtDrawing : public testing::Test {
protected:
    void SetUp() override
    {
        closeObjectDatabase();
        previewValues() = gpreviewValues{};
        ASSERT_EQ(loadObjectFile(gstrSlice(fixture("screens.stn").c_str()), false, false), 0);
    }
    void TearDown() override
    {
        closeObjectDatabase();
        stationState() = gstationState{};
    }

    recordingResponder user;
};

TEST_F(qtDrawing, StationScreenIsDrawnToAPictureOnItsGround)
{
    fscreen* overview = station::screens().find("Overview");
    ASSERT_NE(overview, nullptr);
    QImage picture = drawScreenImage(*overview);
    ASSERT_EQ(picture.size(), QSize(801, 601));
    EXPECT_TRUE(saveScreenshot(picture, "screen-overview.png"));

    // Screen coordinates start at the screen's top-left corner (-20, 16).
    auto at = [&](int x, int y) { return picture.pixelColor(x + 20, y - 16); };
    EXPECT_EQ(at(395, 250), QColor(192, 192, 192));
    // The bistate indicator in the state the editor starts in: off, green.
    EXPECT_EQ(at(30, 415), QColor(0, 255, 0));
    // The image at (300, 100): its top-left pixel is transparent.
    EXPECT_EQ(at(299, 99), QColor(192, 192, 192));
    EXPECT_EQ(at(300, 99), QColor(255, 255, 255));
    // The hatch shows its foreground and background rows in turn.
    EXPECT_NE(at(150, 120), at(150, 121));
}

TEST_F(qtDrawing, SelectionFeedbackInvertsWhatLiesBelow)
{
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::black);
    {
        QPainter painter(&picture);
        qtDrawingContext dc(painter, grect{0, 0, 19, 19});
        dc.handle(10, 10);
        EXPECT_TRUE(dc.isVisible(grect{15, 15, 30, 30}));
        EXPECT_FALSE(dc.isVisible(grect{25, 25, 30, 30}));
    }
    EXPECT_EQ(picture.pixelColor(8, 8), QColor(Qt::white));
    EXPECT_EQ(picture.pixelColor(12, 12), QColor(Qt::white));
    EXPECT_EQ(picture.pixelColor(13, 13), QColor(Qt::black));
    {
        QPainter painter(&picture);
        qtDrawingContext dc(painter, grect{});
        dc.handle(10, 10);
    }
    EXPECT_EQ(picture.pixelColor(10, 10), QColor(Qt::black));
}

TEST_F(qtDrawing, FillsOfEveryKind)
{
    QImage picture(40, 10, QImage::Format_RGB32);
    picture.fill(Qt::white);
    glineInfo none;
    gfillInfo colour;
    colour.parse("COLOR, 00-00-FF");
    gfillInfo hatch;
    hatch.parse("PATTERN, 6, FF-00-00, 00-FF-00");
    gfillInfo bricks;
    bricks.parse("COLOR PATTERN, 0");
    {
        QPainter painter(&picture);
        qtDrawingContext dc(painter, grect{});
        dc.rectangle(grect{0, 0, 9, 9}, none, colour);
        dc.rectangle(grect{10, 0, 19, 9}, none, hatch);
        dc.rectangle(grect{20, 0, 29, 9}, none, bricks);
    }
    EXPECT_EQ(picture.pixelColor(5, 5), QColor(0, 0, 255));
    EXPECT_NE(picture.pixelColor(14, 5), picture.pixelColor(15, 5));
    QColor brick = picture.pixelColor(25, 5);
    EXPECT_TRUE(brick == QColor(255, 0, 0) || brick == QColor(128, 0, 0) || brick == QColor(192, 192, 192));
    EXPECT_EQ(picture.pixelColor(35, 5), QColor(Qt::white));
}

} // namespace
