#include "screens/model/gindObjectInfo.h"

#include "foundation/gfault.h"
#include "foundation/messageBoxes.h"
#include "screens/model/ggraphObject.h"
#include "screens/model/gpropStates.h"
#include "screens/model/gscreenBatchChange.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

void gindObjectInfo::writeHeader(CObjectFile&, int) const {}

const glineInfo& gindObjectInfo::getLineInfo() const { throw gfault("gindObjectInfo::getLineInfo() was called"); }
const gfillInfo& gindObjectInfo::getFillInfo() const { throw gfault("gindObjectInfo::getFillInfo() was called"); }
const gbitmap* gindObjectInfo::getBitmap() const { throw gfault("gindObjectInfo::getBitmap() was called"); }
const gstr& gindObjectInfo::getText() const { throw gfault("gindObjectInfo::getText() was called"); }
const gtextInfo& gindObjectInfo::getTextInfo() const { throw gfault("gindObjectInfo::getTextInfo() was called"); }

// Line.

void gindLineObjectInfo::writeFields(CObjectFile& file, int indent) const
{
    writeAppearance(file, indent, kw::LINE_STYLE, line_);
}

gloadStatus gindLineObjectInfo::loadField(int token, gstr& value)
{
    if (token == kw::LINE_STYLE)
        return loadAppearance(line_, value);
    return gstorable::loadField(token, value);
}

void gindLineObjectInfo::apply(const gpropAppearanceValues& values) { line_.apply(values.line); }

void gindLineObjectInfo::applyOne(const gpropAppearanceValues& values, int id) { line_.applyOne(values.line, id); }

void gindLineObjectInfo::mergeInto(gpropAppearanceValues& values) const { line_.mergeInto(values.line); }

std::unique_ptr<gindObjectInfo> gindLineObjectInfo::clone() const
{
    return std::make_unique<gindLineObjectInfo>(*this);
}

// Filled.

void gindFilledObjectInfo::writeFields(CObjectFile& file, int indent) const
{
    writeAppearance(file, indent, kw::LINE_STYLE, line_);
    writeAppearance(file, indent, kw::FILL_STYLE, fill_);
}

gloadStatus gindFilledObjectInfo::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::LINE_STYLE: return loadAppearance(line_, value);
    case kw::FILL_STYLE: return loadAppearance(fill_, value);
    default: return gstorable::loadField(token, value);
    }
}

void gindFilledObjectInfo::apply(const gpropAppearanceValues& values)
{
    line_.apply(values.line);
    fill_.apply(values.fill);
}

void gindFilledObjectInfo::applyOne(const gpropAppearanceValues& values, int id)
{
    line_.applyOne(values.line, id);
    fill_.applyOne(values.fill, id);
}

void gindFilledObjectInfo::mergeInto(gpropAppearanceValues& values) const
{
    line_.mergeInto(values.line);
    fill_.mergeInto(values.fill);
}

std::unique_ptr<gindObjectInfo> gindFilledObjectInfo::clone() const
{
    return std::make_unique<gindFilledObjectInfo>(*this);
}

// Picture.

void gindBitmapObjectInfo::writeFields(CObjectFile& file, int indent) const
{
    if (!image_.hasName())
        return;
    writeKeyOf(file, indent, kw::IMAGE);
    image_.name().write(file, 1);
}

gloadStatus gindBitmapObjectInfo::loadField(int token, gstr& value)
{
    if (token != kw::IMAGE)
        return gstorable::loadField(token, value);
    gloadStatus status = image_.load(value, true);
    if (status == gload::accepted)
        image_.find();
    return status;
}

void gindBitmapObjectInfo::apply(const gpropAppearanceValues& values)
{
    const gtriStateString& name = values.image.name;
    image_.setName(name.hasValue() ? static_cast<const gstrSlice&>(name.getValue()) : noImageName());
    image_.find();
}

void gindBitmapObjectInfo::applyOne(const gpropAppearanceValues& values, int id)
{
    if (id != gprop::image || !values.image.name.hasValue())
        return;
    image_.setName(values.image.name.getValue());
    image_.find();
}

void gindBitmapObjectInfo::mergeInto(gpropAppearanceValues& values) const { values.image.name.merge(image_.name()); }

std::unique_ptr<gindObjectInfo> gindBitmapObjectInfo::clone() const
{
    return std::make_unique<gindBitmapObjectInfo>(*this);
}

void gindBitmapObjectInfo::imagesUnloading() { image_.unloading(); }

void gindBitmapObjectInfo::imagesLoaded(bool quiet)
{
    if (image_.loaded() && !quiet)
        markStationModified();
}

// Text.

void gindTextObjectInfo::writeFields(CObjectFile& file, int indent) const
{
    if (!text_.isNull()) {
        writeKeyOf(file, indent, kw::TEXT2);
        text_.write(file, 1);
    }
    writeAppearance(file, indent, kw::STYLE, style_);
}

gloadStatus gindTextObjectInfo::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::TEXT:
    case kw::TEXT2: {
        if (!text_.isNull())
            return gload::alreadyLoaded;
        gstr text;
        if (!text.parseValue(value.data()))
            return gload::invalidValue;
        if (token == kw::TEXT)
            text.escapePercent();
        if (text.isNull())
            text.resize(0);
        text_.adopt(text);
        return gload::accepted;
    }
    case kw::STYLE: return loadAppearance(style_, value);
    default: return gstorable::loadField(token, value);
    }
}

void gindTextObjectInfo::applyText(const gtriStateString& text)
{
    if (text.hasValue() && !text.getValue().isNull())
        text_.assign(text.getValue());
    else
        text_.assign("???");
}

void gindTextObjectInfo::apply(const gpropAppearanceValues& values)
{
    applyText(values.text);
    style_.apply(values.textValues);
}

void gindTextObjectInfo::applyOne(const gpropAppearanceValues& values, int id)
{
    if (id == gprop::text)
        applyText(values.text);
    else
        style_.applyOne(values.textValues, id);
}

void gindTextObjectInfo::mergeInto(gpropAppearanceValues& values) const
{
    values.text.merge(text_);
    style_.mergeInto(values.textValues);
}

std::unique_ptr<gindObjectInfo> gindTextObjectInfo::clone() const
{
    return std::make_unique<gindTextObjectInfo>(*this);
}

bool gindTextObjectInfo::editText()
{
    gstr entered;
    askText(entered, true, text_);
    if (entered.isNull() || entered.compare(text_) == 0)
        return false;
    text_.adopt(entered);
    return true;
}

int gindTextObjectInfo::replaceText(const gscreenBatchChange& change)
{
    if (!change.text || text_.isNull())
        return 0;
    return change.replaceAllIn(text_);
}

void gindTextObjectInfo::applyState(const gstateText& record)
{
    applyText(record.text);
    style_.apply(record.textValues);
}

void gindTextObjectInfo::applyStateOne(const gstateText& record, int id)
{
    if (id == gprop::text)
        applyText(record.text);
    else
        style_.applyOne(record.textValues, id);
}

void gindTextObjectInfo::mergeIntoState(gstateText& record) const
{
    record.text.merge(text_);
    style_.mergeInto(record.textValues);
}
