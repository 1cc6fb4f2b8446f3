#include "screens/model/gimage.h"

#include "foundation/jbase64.h"
#include "foundation/jhashIterator.h"
#include "foundation/valueParsers.h"
#include "screens/model/gbitmap.h"
#include "screens/model/gimageLibrary.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gobjectType.h"
#include "store/gstation.h"

#include <algorithm>
#include <vector>

gimage::gimage() = default;

gimage::gimage(const gimage& other) : gtitledObject(other) {}

gimage::~gimage()
{
    if (image_ && handedOver_)
        imageLibrary().removeStationImage(image_);
    else
        delete image_;
}

const gobjectType* gimage::getObjectType() const { return &objectTypes::image(); }

void gimage::lend(gbitmap* image) noexcept
{
    image_ = image;
    handedOver_ = true;
}

void gimage::release() noexcept
{
    if (!handedOver_)
        delete image_;
    image_ = nullptr;
}

gbitmap& gimage::ensureImage()
{
    if (!image_)
        image_ = new gbitmap(getTag());
    return *image_;
}

void gimage::writeFields(CObjectFile& file, int indent) const
{
    gtitledObject::writeFields(file, indent);
    if (!image_)
        return;
    if (!image_->getBounds().isEmpty()) {
        gkeyword::byToken(kw::BOUNDS).writeKey(file, indent);
        image_->getBounds().write(file, 1);
    }
    std::vector<uint8_t> data = image_->encode();
    if (data.empty())
        return;
    gkeyword::byToken(kw::SIZE).writeKey(file, indent);
    file.writeUnsigned(static_cast<uint32_t>(data.size()), 1);
    jbase64Encoder encoder;
    encoder.write(data.data(), data.size());
    encoder.flush();
    std::vector<char> text(encoder.available());
    encoder.read(text.data(), text.size());
    for (size_t at = 0; at < text.size(); at += bitmapLineLength) {
        gkeyword::byToken(kw::BITMAP).writeKey(file, indent);
        file.writeBytes(text.data() + at, static_cast<int32_t>(std::min<size_t>(bitmapLineLength, text.size() - at)));
        file.newLine();
    }
}

gloadStatus gimage::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::BOUNDS: return loadBounds(value);
    case kw::SIZE: return loadSize(value);
    case kw::BITMAP:
        if (!decoder_)
            decoder_ = std::make_unique<jbase64Decoder>();
        decoder_->write(value.data(), static_cast<size_t>(value.length()));
        return gload::accepted;
    default: return gtitledObject::loadField(token, value);
    }
}

gloadStatus gimage::loadBounds(const gstr& value)
{
    gbitmap& image = ensureImage();
    if (!image.getBounds().isEmpty())
        return gload::alreadyLoaded;
    grect bounds;
    if (bounds.parse(value.data()) != itemResult::end)
        return gload::invalidValue;
    image.setBounds(bounds);
    return gload::accepted;
}

gloadStatus gimage::loadSize(const gstr& value)
{
    gbitmap& image = ensureImage();
    if (sizeLoaded_)
        return gload::alreadyLoaded;
    uint32_t length = 0;
    if (parseUnsignedItem(value.data(), length) != itemResult::end || length == 0)
        return gload::invalidValue;
    image.setDataLength(length);
    sizeLoaded_ = true;
    return gload::accepted;
}

void gimage::afterLoad()
{
    if (!image_ || !sizeLoaded_ || !decoder_)
        return;
    decoder_->flush();
    // No more than the text gave: the length is never trusted to size the
    // buffer on its own.
    size_t length = image_->getDataLength();
    if (decoder_->available() < length)
        return;
    std::vector<uint8_t> data(length);
    decoder_->read(data.data(), length);
    decoder_.reset();
    const grect& bounds = image_->getBounds();
    if (!image_->decode(bounds.width(), bounds.height(), data.data(), data.size()))
        return;
    if (imageLibrary().insertStationImage(image_))
        handedOver_ = true;
}

bool gimage::isComplete() const { return image_ && handedOver_; }

namespace {

template <class F>
void forEachImageObject(F&& f)
{
    jhashTypedIterator<gimage> it(station::images());
    gimage* object = nullptr;
    while (it.get(object))
        f(*object);
}

} // namespace

void collectImageForSave(gbitmap* image)
{
    if (!image)
        return;
    gimage* object = station::images().define(image->getName());
    if (!object)
        return;
    object->setObjectType(objectTypes::image());
    object->lend(image);
}

void finishImageLoad()
{
    forEachImageObject([](gimage& object) { object.release(); });
    station::images().deleteAll();
}

void releaseImageObjects() { finishImageLoad(); }

void removeStationImages() { imageLibrary().removeStationImages(); }
