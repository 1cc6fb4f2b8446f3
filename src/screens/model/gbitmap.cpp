#include "screens/model/gbitmap.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int paletteSize = 216;

uint32_t bigEndian32(const uint8_t* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

int16_t bigEndian16(const uint8_t* p) { return static_cast<int16_t>(uint16_t(p[0]) << 8 | uint16_t(p[1])); }

// The fewest bytes run-length data of that size can take: one pair per 256
// pixels of each row.
int64_t shortestCoding(int64_t width, int64_t height) { return 2 * height * ((width + 255) / 256); }

} // namespace

gbitmap::gbitmap(const gstrSlice& name) : jhashNamedObject(name) {}

gbitmap::~gbitmap() { delete displaced_; }

bool gbitmap::decode(int64_t width, int64_t height, const uint8_t* data, size_t length)
{
    decoded_ = false;
    pixels_.clear();
    mask_.clear();
    hasMask_ = false;
    ++generation_;
    int64_t count = width * height;
    if (width < 0 || height < 0 || width > maximumSide || height > maximumSide || count > maximumPixels)
        return false;
    // Data too short to cover the picture, or longer than one pair per
    // pixel, cannot be right: refused before anything is allocated.
    if (int64_t(length) < shortestCoding(width, height) || int64_t(length) > 2 * count)
        return false;
    std::vector<uint8_t> pixels(size_t(count), 0);
    std::vector<uint8_t> mask(size_t(count), 0);
    bool anyTransparent = false;
    size_t at = 0;
    for (int64_t row = 0; row < height; ++row) {
        int64_t left = width;
        uint8_t* line = pixels.data() + row * width;
        uint8_t* maskLine = mask.data() + row * width;
        while (left > 0) {
            if (length - at < 2)
                return false;
            uint8_t value = data[at];
            int64_t run = int64_t(data[at + 1]) + 1;
            at += 2;
            if ((value >= paletteSize && value != transparent) || run > left)
                return false;
            int64_t x = width - left;
            if (value == transparent) {
                std::fill_n(maskLine + x, run, uint8_t(1));
                anyTransparent = true;
            } else {
                std::fill_n(line + x, run, value);
            }
            left -= run;
        }
    }
    if (at != length)
        return false;
    width_ = static_cast<int32_t>(width);
    height_ = static_cast<int32_t>(height);
    pixels_ = std::move(pixels);
    if (anyTransparent)
        mask_ = std::move(mask);
    hasMask_ = anyTransparent;
    decoded_ = true;
    return true;
}

std::vector<uint8_t> gbitmap::encode() const
{
    std::vector<uint8_t> out;
    if (!decoded_)
        return out;
    for (int32_t y = 0; y < height_; ++y) {
        int32_t x = 0;
        while (x < width_) {
            auto valueAt = [&](int32_t px) {
                return isTransparent(px, y) ? transparent : pixels_[size_t(y) * size_t(width_) + size_t(px)];
            };
            uint8_t value = valueAt(x);
            int32_t run = 1;
            while (x + run < width_ && run < 256 && valueAt(x + run) == value)
                ++run;
            out.push_back(value);
            out.push_back(static_cast<uint8_t>(run - 1));
            x += run;
        }
    }
    return out;
}

bool gbitmap::readFromLibrary(gbyteSource& source)
{
    uint8_t header[12];
    if (source.read(header, sizeof header) != sizeof header)
        return false;
    int32_t x = bigEndian16(header);
    int32_t y = bigEndian16(header + 2);
    int32_t w = bigEndian16(header + 4);
    int32_t h = bigEndian16(header + 6);
    uint32_t length = bigEndian32(header + 8);
    // The length is checked against what the file still holds before it
    // sizes a buffer.
    if (length > source.remaining())
        return false;
    std::vector<uint8_t> data(length);
    if (length != 0 && source.read(data.data(), length) != length)
        return false;
    bounds_ = grect{-x, -y, w - x, h - y};
    dataLength_ = length;
    return decode(bounds_.width(), bounds_.height(), data.data(), data.size());
}

void gbitmap::markFromStation(gbitmap* displaced) noexcept
{
    fromStation_ = true;
    displaced_ = displaced;
}

void gbitmap::takeContent(gbitmap& other) noexcept
{
    bounds_ = other.bounds_;
    dataLength_ = other.dataLength_;
    decoded_ = other.decoded_;
    width_ = other.width_;
    height_ = other.height_;
    pixels_.swap(other.pixels_);
    mask_.swap(other.mask_);
    hasMask_ = other.hasMask_;
    ++generation_;
}

bool gbitmap::restoreDisplaced()
{
    if (!displaced_)
        return false;
    takeContent(*displaced_);
    delete displaced_;
    displaced_ = nullptr;
    fromStation_ = false;
    return true;
}
