#include "screens/model/gindLabel.h"

#include "foundation/gfault.h"
#include "foundation/rectCorner.h"
#include "registers/gregister.h"
#include "screens/model/gdrawContext.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/gscreenBatchChange.h"
#include "screens/model/gshapeGeometry.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

gindLabel::gindLabel(const gindLabel& source, int32_t dx, int32_t dy, fscreen* screen, bool linkReferences)
    : gindObject(source, dx, dy, screen), rect_(source.rect_.offset(dx, dy)), style_(source.style_),
      register_(source.register_), text_(source.text_)
{
    if (linkReferences)
        linkRegister(register_);
}

void gindLabel::writeHeader(CObjectFile& file, int indent) const { writeKeywordLine(file, indent, kw::LABEL); }

void gindLabel::writeFields(CObjectFile& file, int indent) const
{
    ggraphObject::writeFields(file, indent);
    if (register_) {
        writeKeyOf(file, indent, kw::REGISTER);
        register_->getTag().write(file, 1);
    }
    if (!text_.isNull()) {
        writeKeyOf(file, indent, kw::TEXT);
        text_.write(file, 1);
    }
    if (!rect_.isEmpty())
        writeRectangle(file, indent, kw::BOUNDS, rect_);
    writeAppearance(file, indent, kw::STYLE, style_);
}

gloadStatus gindLabel::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::BOUNDS: return loadRectangle(rect_, value, true);
    case kw::REGISTER:
        if (register_)
            return gload::alreadyLoaded;
        register_ = readRegisterTag(value);
        if (!register_)
            return gload::invalidValue;
        linkRegister(register_);
        return gload::accepted;
    case kw::STYLE: return loadAppearance(style_, value);
    case kw::TEXT:
        if (!prefix_.isNull() || !suffix_.isNull())
            return gload::alreadyLoaded;
        return loadText(text_, value);
    case kw::PREFIX:
    case kw::SUFFIX:
        if (!text_.isNull())
            return gload::alreadyLoaded;
        return loadText(token == kw::PREFIX ? prefix_ : suffix_, value);
    default: return ggraphObject::loadField(token, value);
    }
}

gloadStatus gindLabel::loadText(gstr& target, const gstr& value)
{
    if (!target.isNull())
        return gload::alreadyLoaded;
    gstr text;
    if (!text.parseValue(value.data()))
        return gload::invalidValue;
    if (text.isNull())
        text.resize(0);
    target.adopt(text);
    return gload::accepted;
}

void gindLabel::afterLoad()
{
    recalcBounds();
    if (!text_.isNull())
        return;
    // The older form: the literal prefix and suffix around the title.
    gstr text(prefix_);
    text.escapePercent();
    text.append('%');
    gstr suffix(suffix_);
    suffix.escapePercent();
    text.append(suffix);
    text_.adopt(text);
    prefix_.clear();
    suffix_.clear();
}

void gindLabel::draw(gdrawContext& dc) const
{
    gstr shown;
    shown.substitute(text_, registerTitle(register_));
    dc.text(getBounds(), shown, style_);
}

void gindLabel::recalcBounds() { setBounds(transformRect(rect_).normalized()); }

void gindLabel::transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV)
{
    rect_.transform(cx2, cy2, rotation, flipH, flipV);
}

void gindLabel::endGeometryChange()
{
    rect_ = transformRect(rect_).normalized();
    resetTransform();
}

void gindLabel::takeText(const gpropLabel& set)
{
    if (set.text.hasValue() && !set.text.getValue().isNull())
        text_.assign(set.text.getValue());
    else
        text_.assign("%");
}

int gindLabel::beginCreate(int32_t x, int32_t y)
{
    const gpropLabel& set = drawingDefaults().label;
    rect_ = grect{x, y, x, y};
    style_.apply(set.textValues);
    register_ = referredObject(set.reg);
    if (!register_)
        throw gfault("register NULL in gindBistate::create()");
    linkRegister(register_);
    takeText(set);
    return rectCorner::bottomRight;
}

int gindLabel::endCreate(bool moved)
{
    ggraphObject::endCreate(moved);
    if (!moved) {
        rect_ = rect_.normalized();
        rect_.right = wrapCoordinate(int64_t(rect_.left) + 100);
        rect_.bottom = wrapCoordinate(int64_t(rect_.top) + 14);
    }
    return 0;
}

void gindLabel::drawCreateFeedback(gdrawContext& dc) const { dc.xorFrame(rect_); }

void gindLabel::setProperties(const gpropLabel& set, int id)
{
    switch (id) {
    case gprop::text: takeText(set); return;
    case gprop::registerRef:
        register_ = referredObject(set.reg);
        linkRegister(register_);
        takeText(set);
        return;
    default: style_.applyOne(set.textValues, id); return;
    }
}

void gindLabel::collectProperties(gdrawingProperties& record) const
{
    record.label.reg.merge(register_);
    style_.mergeInto(record.label.textValues);
    record.label.text.merge(text_);
}

void gindLabel::refreshPreview(bool blinkTick)
{
    if (!blinkTick)
        invalidate(getBounds());
}

ggraphObject* gindLabel::clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const
{
    return new gindLabel(*this, dx, dy, screen, linkReferences);
}

int gindLabel::replaceText(const gscreenBatchChange& change, gstr& log)
{
    int count = rebindByTag(change, log, register_, 0, [this](gregister& reg) {
        register_ = &reg;
        linkRegister(register_);
        return true;
    });
    if (change.text && !text_.isNull())
        count += change.replaceAllIn(text_);
    return count;
}
