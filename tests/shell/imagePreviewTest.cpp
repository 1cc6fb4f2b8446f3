#include "platform/CImageList.h"
#include "platform/systemColours.h"
#include "shell/CImagePreviewCtrl.h"
#include "shell/CStateIconCtrl.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// An inner area of width x height inside the 1-pixel border.
CImagePreviewCtrl* previewWithInner(int width, int height)
{
    auto* preview = new CImagePreviewCtrl;
    preview->resize(width + 2, height + 2);
    return preview;
}

previewImage imageOf(int width, int height, const QImage* bitmap = nullptr, const QImage* mask = nullptr)
{
    previewImage image;
    // Bounds may run either way; their extent counts.
    image.bounds = grect{10 + width, 5, 10, 5 + height};
    image.bitmap = bitmap;
    image.mask = mask;
    return image;
}

TEST(imagePreview, FitsTheImageKeepingItsShape)
{
    struct fitCase {
        int innerWidth, innerHeight, width, height;
        QRect expected; // relative to the inner area
    } cases[] = {
        {100, 50, 40, 30, QRect(30, 10, 40, 30)},
        {100, 100, 200, 100, QRect(0, 25, 100, 50)},
        {100, 100, 100, 200, QRect(25, 0, 50, 100)},
        {100, 100, 300, 300, QRect(0, 0, 100, 100)},
        {100, 100, 0, 300, QRect(50, 0, 0, 100)},
        {100, 50, 100, 50, QRect(0, 0, 100, 50)},
    };
    for (const fitCase& c : cases) {
        std::unique_ptr<CImagePreviewCtrl> preview(previewWithInner(c.innerWidth, c.innerHeight));
        previewImage image = imageOf(c.width, c.height);
        preview->setImage(&image);
        EXPECT_EQ(preview->destination(), c.expected.translated(1, 1)) << c.width << "x" << c.height;
        preview->setImage(nullptr);
    }
}

TEST(imagePreview, MaskedPixelsShowTheWindowColour)
{
    QImage bitmap(4, 4, QImage::Format_RGB32);
    bitmap.fill(Qt::black);
    bitmap.setPixel(0, 0, qRgb(200, 0, 0));
    QImage mask(4, 4, QImage::Format_RGB32);
    mask.fill(Qt::white);
    mask.setPixel(0, 0, qRgb(0, 0, 0));
    std::unique_ptr<CImagePreviewCtrl> preview(previewWithInner(10, 10));
    previewImage image = imageOf(4, 4, &bitmap, &mask);
    preview->setImage(&image);
    QImage shown = preview->grab().toImage();
    QPoint origin = preview->destination().topLeft();
    EXPECT_EQ(shown.pixelColor(origin), QColor(200, 0, 0));
    EXPECT_EQ(shown.pixelColor(origin + QPoint(2, 2)), systemColour(sysColour::window));

    // Disabled: only the button face, image or not.
    preview->setEnabled(false);
    shown = preview->grab().toImage();
    EXPECT_EQ(shown.pixelColor(origin), systemColour(sysColour::buttonFace));
    preview->setEnabled(true);
    preview->setImage(nullptr);
    shown = preview->grab().toImage();
    EXPECT_EQ(shown.pixelColor(origin), systemColour(sysColour::window));
}

TEST(stateIcon, ShowsOneImageEnabledAndAnotherDisabledOnTheButtonFace)
{
    QImage strip(12 * 8, 8, QImage::Format_RGB32);
    QPainter p(&strip);
    for (int i = 0; i < 12; ++i) {
        p.fillRect(i * 8, 0, 8, 8, QColor(i * 20, 0, 0));
        p.fillRect(i * 8, 0, 2, 2, QColor(255, 0, 255));
    }
    p.end();
    CImageList images(8, 8);
    images.addStrip(strip, 0xFF00FF);
    CStateIconCtrl icon(&images, 3, 11);
    icon.resize(8, 8);
    EXPECT_EQ(icon.shownIndex(), 3);
    EXPECT_EQ(icon.grab().toImage().pixelColor(4, 4), QColor(60, 0, 0));
    icon.setEnabled(false);
    EXPECT_EQ(icon.shownIndex(), 11);
    EXPECT_EQ(icon.grab().toImage().pixelColor(4, 4), QColor(220, 0, 0));
    EXPECT_EQ(icon.grab().toImage().pixelColor(0, 0), systemColour(sysColour::buttonFace));
}

} // namespace
