#include "shell/CMainFrame.h"
#include "shell/CProgressBar.h"
#include "shell/CSplashWindow.h"
#include "support/ui/screenshots.h"

#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

TEST(progressBar, FilledFollowsPositionAndRange)
{
    CProgressBar bar;
    bar.resize(202, 20);
    bar.show();
    bar.setPosition(50);
    EXPECT_EQ(bar.filled(), 100u);
    bar.setPosition(150);
    EXPECT_EQ(bar.position(), 100u);
    EXPECT_EQ(bar.filled(), 200u);
    bar.setRange(400);
    EXPECT_EQ(bar.filled(), 50u);
    // A range of 0 would divide by zero; it counts as 1.
    bar.setRange(0);
    EXPECT_EQ(bar.range(), 1u);
    bar.setPosition(7);
    EXPECT_EQ(bar.filled(), 200u);
    // Narrower than its frame: nothing to fill.
    bar.resize(1, 20);
    EXPECT_EQ(bar.filled(), 0u);
}

TEST(progressBar, ShadesOfAGreyAndOfAColour)
{
    // A grey keeps hue and saturation; only the lightness moves.
    auto grey = CProgressBar::shadesOf(0x808080);
    unsigned base = grey[4] & 0xFF;
    EXPECT_EQ(grey[4], base * 0x010101u);
    EXPECT_GT(grey[1] & 0xFF, grey[0] & 0xFF);
    EXPECT_GT(grey[0] & 0xFF, grey[2] & 0xFF);
    EXPECT_LT(grey[7] & 0xFF, grey[6] & 0xFF);
    // Shade 4 is the colour itself, within the scale's rounding.
    for (unsigned colour : {0x0078D7u, 0x316AC5u, 0xFF0000u, 0x33CC66u}) {
        unsigned same = CProgressBar::shadesOf(colour)[4];
        for (int shift : {16, 8, 0})
            EXPECT_NEAR(int(same >> shift & 0xFF), int(colour >> shift & 0xFF), 1) << std::hex << colour;
    }
    // Lightness is capped: white stays white, black's darkest shade black.
    EXPECT_EQ(CProgressBar::shadesOf(0xFFFFFF)[1], 0xFFFFFFu);
    EXPECT_EQ(CProgressBar::shadesOf(0x000000)[7], 0u);
}

QImage paint(CProgressBar& bar)
{
    QImage image(bar.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    bar.render(&image);
    return image;
}

TEST(progressBar, NarrowFillShowsOnlyTheFrameThenShadedColumns)
{
    CProgressBar bar;
    bar.resize(202, 20);
    bar.setRange(200);
    QColor frame = bar.palette().color(QPalette::WindowText);
    auto shades = CProgressBar::shadesOf(bar.palette().color(QPalette::Highlight).rgb() & 0xFFFFFF);
    bar.setPosition(2);
    QImage two = paint(bar);
    EXPECT_EQ(QColor(two.pixel(1, 10)), frame);
    EXPECT_EQ(QColor(two.pixel(2, 10)), frame);
    bar.setPosition(3);
    QImage three = paint(bar);
    EXPECT_EQ(QColor(three.pixel(2, 10)).rgb() & 0xFFFFFF, shades[0]);
    EXPECT_EQ(QColor(three.pixel(3, 10)), frame);
    bar.setPosition(100);
    QImage half = paint(bar);
    EXPECT_EQ(QColor(half.pixel(50, 10)).rgb() & 0xFFFFFF, shades[4]);
    EXPECT_EQ(QColor(half.pixel(50, 2)).rgb() & 0xFFFFFF, shades[0]);
    EXPECT_EQ(QColor(half.pixel(150, 10)), bar.palette().color(QPalette::Button));
}

TEST(splashWindow, ShownOnceWhenEnabledAndGoneAtAKey)
{
    CSplashWindow::enable(false);
    CSplashWindow::show(nullptr);
    EXPECT_EQ(CSplashWindow::window(), nullptr);
    EXPECT_FALSE(CSplashWindow::showing());

    CMainFrame frame;
    ASSERT_TRUE(frame.create(true));
    EXPECT_FALSE(frame.paletteActive());
    CSplashWindow::enable(true);
    CSplashWindow::show(&frame);
    CSplashWindow* first = CSplashWindow::window();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(CSplashWindow::showing());
    CSplashWindow::show(&frame);
    EXPECT_EQ(CSplashWindow::window(), first);
    // Below the program's name its version, in white on the sky.
    QImage picture = first->grab().toImage();
    EXPECT_TRUE(saveScreenshot(picture, "splash.png"));
    int white = 0;
    for (int y = 150; y < 190; ++y) {
        for (int x = 0; x < picture.width(); ++x)
            white += qGray(picture.pixel(x, y)) > 230 ? 1 : 0;
    }
    EXPECT_GT(white, 50);

    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    CSplashWindow::checkInput(&key);
    EXPECT_EQ(CSplashWindow::window(), nullptr);
    EXPECT_FALSE(CSplashWindow::showing());
    EXPECT_TRUE(frame.paletteActive());
    CSplashWindow::enable(false);
}

} // namespace
