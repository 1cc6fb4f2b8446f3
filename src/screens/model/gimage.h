#pragma once

#include "store/gtitledObject.h"

#include <memory>

class gbitmap;
class jbase64Decoder;

// An image carried inside a station file (object type IMAGE), so that a
// station is complete without the image library: BOUNDS, SIZE (the length
// of the run-length data) and BITMAP lines of at most 120 characters of
// base64. The object exists only while a station is read or written: after
// a load its image belongs to the image table, and before a save the images
// the screens show are lent to new IMAGE objects.
class gimage : public gtitledObject {
public:
    static constexpr int bitmapLineLength = 120;

    gimage();
    // Only ever made by the table; a copy holds no image.
    gimage(const gimage& other);
    ~gimage() override;

    const gobjectType* getObjectType() const override;
    gimage* clone() const { return new gimage(*this); }

    gbitmap* getImage() const noexcept { return image_; }
    bool isHandedOver() const noexcept { return handedOver_; }
    // Lends an image of the table for writing.
    void lend(gbitmap* image) noexcept;
    // Gives up the image: one not handed over is deleted.
    void release() noexcept;

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    // Decodes the picture and hands it to the image table.
    void afterLoad() override;
    bool isComplete() const override;

private:
    gbitmap& ensureImage();
    gloadStatus loadBounds(const gstr& value);
    gloadStatus loadSize(const gstr& value);

    gbitmap* image_ = nullptr;
    bool handedOver_ = false;
    bool sizeLoaded_ = false;
    std::unique_ptr<jbase64Decoder> decoder_;
};

// The image steps around loading, saving and clearing a station (the
// station steps of stationScreens.h call them).
//
// After a load: every IMAGE object gives up its image (one not handed over
// is deleted) and the IMAGE table is emptied.
void finishImageLoad();
// Defines an IMAGE object for the image unless one of its name exists.
void collectImageForSave(gbitmap* image);
// After a save: the images stay in the table, the IMAGE table is emptied.
void releaseImageObjects();
// The station's images leave the image table (library images they pushed
// aside come back).
void removeStationImages();
