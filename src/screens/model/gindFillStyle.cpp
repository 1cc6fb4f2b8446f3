#include "screens/model/gindFillStyle.h"

#include "screens/model/gbitmap.h"
#include "screens/model/gdrawContext.h"
#include "screens/model/ggraphObject.h"
#include "screens/model/gpropStates.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

namespace {

void partCentre(const grect& part, int32_t& x, int32_t& y)
{
    x = static_cast<int32_t>((int64_t(part.left) + part.right) / 2);
    y = static_cast<int32_t>((int64_t(part.top) + part.bottom) / 2);
}

} // namespace

void gindFillStyle::writeHeader(CObjectFile&, int) const {}

void gindFillStyle::writeFields(CObjectFile& file, int indent) const
{
    if (kind_ == kindImage) {
        if (image_.hasName()) {
            writeKeyOf(file, indent, kw::IMAGE);
            image_.name().write(file, 1);
        }
        return;
    }
    writeAppearance(file, indent, kw::LINE_STYLE, line_);
    if (kind_ == kindArea)
        writeAppearance(file, indent, kw::FILL_STYLE, fill_);
}

gloadStatus gindFillStyle::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::FILL_STYLE:
        if (kind_ != kindArea)
            break;
        return loadAppearance(fill_, value);
    case kw::LINE_STYLE: {
        if (kind_ == kindImage)
            return gload::invalidValue;
        gloadStatus status = loadAppearance(line_, value);
        if (status == gload::accepted && kind_ == kindUndecided)
            kind_ = kindLine;
        return status;
    }
    case kw::IMAGE: {
        if (kind_ == kindLine)
            return gload::invalidValue;
        gloadStatus status = image_.load(value, true);
        if (status != gload::accepted)
            return status;
        image_.find();
        if (kind_ == kindUndecided)
            kind_ = kindImage;
        return status;
    }
    default: break;
    }
    return gstorable::loadField(token, value);
}

bool gindFillStyle::isComplete() const
{
    switch (kind_) {
    case kindUndecided: return false;
    case kindImage: return image_.hasName();
    case kindArea: return line_.isSet() && fill_.isSet();
    default: return line_.isSet();
    }
}

void gindFillStyle::takeImage(const gstateFill& record)
{
    const gtriStateString& name = record.image.name;
    image_.setName(name.hasValue() ? static_cast<const gstrSlice&>(name.getValue()) : noImageName());
    image_.find();
}

void gindFillStyle::apply(const gstateFill& record)
{
    if (kind_ != kindArea && record.useImage.hasValue())
        kind_ = record.useImage.isTrue() ? kindImage : kindLine;
    if (kind_ == kindImage) {
        takeImage(record);
        return;
    }
    line_.apply(record.line);
    if (kind_ == kindArea)
        fill_.apply(record.fill);
    if (kind_ == kindLine)
        image_ = gimageReference();
}

void gindFillStyle::applyOne(const gstateFill& record, int id)
{
    if (kind_ != kindArea && id == gprop::useImage) {
        if (!record.useImage.hasValue())
            return;
        int32_t kind = record.useImage.isTrue() ? kindImage : kindLine;
        if (kind == kind_)
            return;
        kind_ = kind;
        if (kind_ == kindLine)
            line_.apply(record.line);
        else
            takeImage(record);
        return;
    }
    if (kind_ != kindImage) {
        line_.applyOne(record.line, id);
        if (kind_ == kindArea)
            fill_.applyOne(record.fill, id);
        return;
    }
    if (id == gprop::image && record.image.name.hasValue()) {
        image_.setName(record.image.name.getValue());
        image_.find();
    }
}

void gindFillStyle::mergeInto(gstateFill& record) const
{
    if (kind_ != kindArea)
        record.useImage.merge(kind_ == kindImage ? 1 : 0);
    if (kind_ == kindImage) {
        record.image.name.merge(image_.name());
        return;
    }
    line_.mergeInto(record.line);
    if (kind_ == kindArea)
        fill_.mergeInto(record.fill);
}

grect gindFillStyle::area(const grect& part) const
{
    if (kind_ != kindImage)
        return part.inset(-line_.getWidth());
    int32_t cx = 0;
    int32_t cy = 0;
    partCentre(part, cx, cy);
    if (const gbitmap* image = image_.drawn())
        return image->getBounds().offset(cx, cy);
    return grect{cx, cy, cx, cy};
}

void gindFillStyle::draw(gdrawContext& dc, const grect& part) const
{
    switch (kind_) {
    case kindArea: dc.rectangle(part, line_, fill_); return;
    case kindLine: dc.line(part.left, part.top, part.right, part.bottom, line_); return;
    case kindImage: {
        const gbitmap* image = image_.drawn();
        if (!image)
            return;
        int32_t cx = 0;
        int32_t cy = 0;
        partCentre(part, cx, cy);
        dc.image(cx, cy, *image);
        return;
    }
    default: return;
    }
}

bool gindFillStyle::hitTest(const grect& part, int32_t x, int32_t y) const
{
    if (kind_ == kindImage)
        return area(part).contains(x, y);
    if (!part.inset(-line_.getWidth()).contains(x, y))
        return false;
    if (kind_ != kindArea || fill_.getKind() != gfillInfo::empty)
        return true;
    grect inner = part.normalized().inset(line_.getWidth());
    return inner.isEmpty() || !inner.contains(x, y);
}

void gindFillStyle::imagesLoaded(bool quiet)
{
    if (image_.loaded() && !quiet && kind_ == kindImage)
        markStationModified();
}

void gindFillStyle::collectImages() const
{
    if (kind_ == kindImage)
        image_.collect();
}
