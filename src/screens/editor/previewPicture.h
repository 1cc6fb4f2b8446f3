#pragma once

#include "shell/CImagePreviewCtrl.h"

#include <QImage>

class gbitmap;

// What an image preview of a pane shows: the picture of one image of the
// library in the station's colours, transparent where the image is.
class previewPicture {
public:
    previewPicture() = default;
    previewPicture(const previewPicture&) = delete;
    previewPicture& operator=(const previewPicture&) = delete;

    // Null (or an image without a picture) shows nothing.
    void show(CImagePreviewCtrl& preview, const gbitmap* image);
    const gbitmap* shown() const { return image_; }

private:
    const gbitmap* image_ = nullptr;
    QImage picture_;
    previewImage preview_;
};
