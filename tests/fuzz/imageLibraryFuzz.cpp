// Reads any bytes as an image library. Every image that loads must encode
// to run-length data no longer than the shortest coding allows, which decodes
// to the same picture.
#include "foundation/gmessageService.h"
#include "screens/model/gbitmap.h"
#include "screens/model/gimageLibrary.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

class quietMessages final : public gmessageService {
public:
    ganswer messageBox(const gstrSlice&, gbuttons buttons, gicon, int) override
    {
        return buttons == gbuttons::ok ? ganswer::ok : ganswer::cancel;
    }
    bool enterText(gstr&, bool) override { return false; }
    bool warningList(const gstrSlice&, bool question) override { return !question; }
};

class memorySource final : public gbyteSource {
public:
    memorySource(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    size_t read(void* destination, size_t count) override
    {
        size_t n = count < size_ - at_ ? count : size_ - at_;
        if (n == 0)
            return 0;
        std::memcpy(destination, data_ + at_, n);
        at_ += n;
        return n;
    }
    uint64_t remaining() override { return size_ - at_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

void checkRecoding(const gbitmap& image)
{
    std::vector<uint8_t> coded = image.encode();
    if (coded.size() > image.getDataLength())
        std::abort();
    gbitmap again("again");
    if (!again.decode(image.width(), image.height(), coded.data(), coded.size()))
        std::abort();
    if (again.pixels() != image.pixels() || again.hasMask() != image.hasMask())
        std::abort();
    for (int32_t y = 0; y < image.height(); ++y) {
        for (int32_t x = 0; x < image.width(); ++x) {
            if (again.isTransparent(x, y) != image.isTransparent(x, y))
                std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static quietMessages messages;
    installMessageService(&messages);
    memorySource source(data, size);
    imageLibrary().loadFrom(source, "fuzz.kil");
    if (const gbitmap* placeholder = imageLibrary().getPlaceholder())
        checkRecoding(*placeholder);
    jhashTypedIterator<gbitmap> it(imageLibrary().table());
    gbitmap* image = nullptr;
    while (it.get(image))
        checkRecoding(*image);
    imageLibrary().clear();
    return 0;
}
