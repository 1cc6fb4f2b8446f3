#pragma once

#include <QImage>
#include <vector>

class QPainter;

// A row of small images of one size, cut from a strip, with a mask colour
// whose pixels stay out of a transparent drawing: the icons of list rows and
// of state icons.
class CImageList {
public:
    CImageList(int width, int height);

    // Cuts the strip into images of the list's width, left to right; a
    // narrower rest is dropped.
    void addStrip(const QImage& strip, QRgb maskColour);
    int count() const { return static_cast<int>(plain_.size()); }
    int width() const { return width_; }
    int height() const { return height_; }
    // The image as cut, and the same with its mask colour transparent. An
    // index out of range gives the null image.
    const QImage& image(int index) const;
    const QImage& masked(int index) const;
    // Draws image index with its top left at (x, y): transparent leaves the
    // mask colour's pixels out, otherwise the image is copied as it is. An
    // index out of range draws nothing.
    void draw(QPainter& painter, int index, int x, int y, bool transparent) const;

private:
    int width_;
    int height_;
    std::vector<QImage> plain_;
    std::vector<QImage> masked_;
};
