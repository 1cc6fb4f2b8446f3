#pragma once

#include "screens/model/grect.h"

#include <QRect>
#include <QWidget>

class QImage;

// What a preview shows of an image of the image library: its bounds (width
// and height are the absolute differences of the coordinates), its picture
// and its mask (white where the image is transparent, black where it shows),
// or no mask. The pictures stay the owner's.
struct previewImage {
    grect bounds;
    const QImage* bitmap = nullptr;
    const QImage* mask = nullptr;
};

// A preview of one image: at its own size, centred, when it fits inside the
// control's 1-pixel border, otherwise scaled down to fit, keeping its
// proportions. A disabled preview shows only its button-face ground.
class CImagePreviewCtrl : public QWidget {
public:
    explicit CImagePreviewCtrl(QWidget* parent = nullptr);

    // Null shows nothing. The image stays the owner's and must outlive its
    // showing.
    void setImage(const previewImage* image);
    // The frame's palette notice: a foreground palette redraws at once.
    void paletteChanged(bool foreground);

    QRect destination() const { return QRect(destX_, destY_, destWidth_, destHeight_); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitDestination();

    int destX_ = 0;
    int destY_ = 0;
    int destWidth_ = 0;
    int destHeight_ = 0;
    int imageWidth_ = 0;
    int imageHeight_ = 0;
    const previewImage* image_ = nullptr;
};
