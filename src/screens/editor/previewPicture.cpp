#include "screens/editor/previewPicture.h"

#include "resources/stationPalette.h"
#include "screens/model/gbitmap.h"

void previewPicture::show(CImagePreviewCtrl& preview, const gbitmap* image)
{
    preview.setImage(nullptr);
    image_ = image;
    if (!image || !image->isDecoded() || image->width() <= 0 || image->height() <= 0)
        return;
    picture_ = QImage(image->width(), image->height(), QImage::Format_ARGB32);
    picture_.fill(Qt::transparent);
    const auto& palette = stationPalette();
    for (int32_t y = 0; y < image->height(); ++y) {
        for (int32_t x = 0; x < image->width(); ++x) {
            if (image->isTransparent(x, y))
                continue;
            uint8_t index = image->pixels()[size_t(y) * size_t(image->width()) + size_t(x)];
            const paletteColour& c = palette[index < stationPaletteSize ? index : 0];
            picture_.setPixel(x, y, qRgb(c.red, c.green, c.blue));
        }
    }
    preview_.bounds = image->getBounds();
    preview_.bitmap = &picture_;
    preview_.mask = nullptr;
    preview.setImage(&preview_);
}
