#pragma once

#include "foundation/jhashObject.h"
#include "screens/model/grect.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A source of the bytes of an image library file: the file itself, or bytes
// in memory.
class gbyteSource {
public:
    virtual ~gbyteSource() = default;
    // Up to count bytes; fewer only at the end.
    virtual size_t read(void* destination, size_t count) = 0;
    // The bytes left to read.
    virtual uint64_t remaining() = 0;
};

// One image of the image table: an 8-bit picture on the 216-colour palette
// with an optional transparency mask, keyed by its name (any letter case).
// Its bounds place it relative to a reference point: it is |right - left| by
// |bottom - top| pixels, drawn with its top-left corner at the reference
// point plus (left, top).
//
// Both files store images as rows of run-length pairs (value, count - 1): a
// value 0 to 215 is a palette index, 255 marks transparent pixels, 216 to
// 254 are invalid; a run holds 1 to 256 pixels and never crosses a row.
class gbitmap : public jhashNamedObject {
public:
    static constexpr uint8_t transparent = 255;
    // The largest picture the program makes: bounds from any file are
    // checked against these before they size memory.
    static constexpr int64_t maximumSide = 32767;
    static constexpr int64_t maximumPixels = int64_t(1) << 26;

    explicit gbitmap(const gstrSlice& name);
    gbitmap(const gbitmap&) = delete;
    gbitmap& operator=(const gbitmap&) = delete;
    ~gbitmap() override;

    const grect& getBounds() const noexcept { return bounds_; }
    void setBounds(const grect& bounds) noexcept { bounds_ = bounds; }
    uint32_t getDataLength() const noexcept { return dataLength_; }
    void setDataLength(uint32_t length) noexcept { dataLength_ = length; }

    // The decoded picture; no pixels before a successful decode.
    bool isDecoded() const noexcept { return decoded_; }
    int32_t width() const noexcept { return width_; }
    int32_t height() const noexcept { return height_; }
    // Row-major palette indexes, width x height; 0 under transparent pixels.
    const std::vector<uint8_t>& pixels() const noexcept { return pixels_; }
    bool hasMask() const noexcept { return hasMask_; }
    bool isTransparent(int32_t x, int32_t y) const noexcept
    {
        return hasMask_ && mask_[size_t(y) * size_t(width_) + size_t(x)] != 0;
    }
    // Changes whenever the picture changes, so that a drawing surface can
    // keep a converted copy.
    uint32_t generation() const noexcept { return generation_; }

    // Builds the picture from run-length data; false (and no picture) when
    // the data does not cover exactly width x height pixels.
    bool decode(int64_t width, int64_t height, const uint8_t* data, size_t length);
    // The shortest run-length coding of the picture (greedy runs).
    std::vector<uint8_t> encode() const;
    // A record of an image library: header and data. False when the source
    // ends early or the data is bad.
    bool readFromLibrary(gbyteSource& source);

    // Where the image came from. A station image may have pushed a library
    // image of the same name out of the table; it keeps that image until the
    // station goes.
    bool isFromStation() const noexcept { return fromStation_; }
    void markFromStation(gbitmap* displaced) noexcept;
    gbitmap* getDisplaced() const noexcept { return displaced_; }
    // Takes over a library image that a later library load read under this
    // station image's name.
    void setDisplaced(gbitmap* image) noexcept { displaced_ = image; }
    // Takes the displaced library image's content back and becomes that
    // library image; false when none was displaced.
    bool restoreDisplaced();

private:
    void takeContent(gbitmap& other) noexcept;

    grect bounds_;
    uint32_t dataLength_ = 0;
    bool decoded_ = false;
    int32_t width_ = 0;
    int32_t height_ = 0;
    std::vector<uint8_t> pixels_;
    std::vector<uint8_t> mask_;
    bool hasMask_ = false;
    uint32_t generation_ = 0;
    bool fromStation_ = false;
    gbitmap* displaced_ = nullptr;
};
