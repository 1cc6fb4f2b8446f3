#include "shell/CImagePreviewCtrl.h"

#include "platform/systemColours.h"

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <limits>

namespace {

// The platform's multiply-divide: rounded, and -1 for a division by zero.
int mulDiv(int64_t value, int64_t numerator, int64_t denominator)
{
    if (denominator == 0)
        return -1;
    int64_t product = value * numerator;
    int64_t rounded = (product >= 0 ? product + denominator / 2 : product - denominator / 2) / denominator;
    return static_cast<int>(std::clamp<int64_t>(rounded, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int clampedSize(int64_t size) { return static_cast<int>(std::min<int64_t>(size, std::numeric_limits<int>::max())); }

} // namespace

CImagePreviewCtrl::CImagePreviewCtrl(QWidget* parent) : QWidget(parent) {}

void CImagePreviewCtrl::setImage(const previewImage* image)
{
    image_ = image;
    if (image)
        fitDestination();
    repaint();
}

void CImagePreviewCtrl::fitDestination()
{
    const int W = width() - 2;
    const int H = height() - 2;
    const int L = 1;
    const int T = 1;
    const int w = clampedSize(image_->bounds.width());
    const int h = clampedSize(image_->bounds.height());
    if (W >= w && H >= h) {
        destX_ = L + (W - w) / 2;
        destY_ = T + (H - h) / 2;
        destWidth_ = w;
        destHeight_ = h;
    } else if (static_cast<double>(H) / h < static_cast<double>(W) / w) {
        int scaled = std::max(mulDiv(w, H, h), 0);
        destX_ = L + (W - scaled) / 2;
        destY_ = T;
        destWidth_ = scaled;
        destHeight_ = H;
    } else {
        int scaled = std::max(mulDiv(h, W, w), 0);
        destX_ = L;
        destY_ = T + (H - scaled) / 2;
        destWidth_ = W;
        destHeight_ = scaled;
    }
    imageWidth_ = w;
    imageHeight_ = h;
}

void CImagePreviewCtrl::paletteChanged(bool foreground)
{
    if (foreground)
        repaint();
    else
        update();
}

void CImagePreviewCtrl::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        repaint();
}

void CImagePreviewCtrl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), systemColour(isEnabled() ? sysColour::window : sysColour::buttonFace));
    if (!image_ || !image_->bitmap || !isEnabled() || destWidth_ <= 0 || destHeight_ <= 0)
        return;
    QRect source(0, 0, imageWidth_, imageHeight_);
    QRect target = destination();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!image_->mask) {
        p.drawImage(target, *image_->bitmap, source);
        return;
    }
    // The mask clears the window colour where the image shows, and the
    // image, black where it is transparent, fills in the rest.
    QImage combined(imageWidth_, imageHeight_, QImage::Format_RGB32);
    combined.fill(systemColour(sysColour::window));
    QPainter c(&combined);
    c.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    c.drawImage(0, 0, image_->mask->convertToFormat(QImage::Format_RGB32));
    c.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    c.drawImage(0, 0, image_->bitmap->convertToFormat(QImage::Format_RGB32));
    c.end();
    p.drawImage(target, combined);
}
