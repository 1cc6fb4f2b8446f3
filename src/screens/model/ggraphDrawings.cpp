#include "screens/model/ggraphDrawings.h"

#include "foundation/messageBoxes.h"
#include "foundation/rectCorner.h"
#include "foundation/valueParsers.h"
#include "screens/model/gbitmap.h"
#include "screens/model/gdrawContext.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/gimage.h"
#include "screens/model/gimageLibrary.h"
#include "screens/model/gscreenBatchChange.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <cstdlib>

namespace {

const gpropAppearanceValues& staticDefaults() { return drawingDefaults().staticSet.values; }

constexpr int areaTypeTokens[9] = {kw::HLINE,   kw::VLINE,   kw::RECTANGLE, kw::RAISED, kw::SUNKEN,
                                   kw::SUNKEN2, kw::SUNKEN3, kw::WINDOW,    kw::DIALOG};

} // namespace

gbitmap* findImageByName(const gstrSlice& name) { return imageLibrary().find(name); }

// Line.

ggraphLine::ggraphLine(const ggraphLine& source, int32_t dx, int32_t dy, fscreen* screen)
    : ggraphObject(source, dx, dy, screen), geometry_(source.geometry_), line_(source.line_)
{
    geometry_.rect.offsetBy(dx, dy);
}

void ggraphLine::writeHeader(CObjectFile& file, int indent) const { writeKeywordLine(file, indent, kw::LINE); }

void ggraphLine::writeFields(CObjectFile& file, int indent) const
{
    ggraphObject::writeFields(file, indent);
    if (geometry_.isSet())
        geometry_.writePoints(file, indent);
    writeAppearance(file, indent, kw::LINE_STYLE, line_);
}

gloadStatus ggraphLine::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::POINTS: return geometry_.loadPoints(value);
    case kw::LINE_STYLE: return loadAppearance(line_, value);
    default: return ggraphObject::loadField(token, value);
    }
}

void ggraphLine::draw(gdrawContext& dc) const { geometry_.draw(dc, getTransform(), line_); }

void ggraphLine::drawHandles(gdrawContext& dc, bool) const { geometry_.drawHandles(dc); }

void ggraphLine::recalcBounds() { setBounds(geometry_.paintedBounds(getTransform(), line_.getWidth())); }

int ggraphLine::hitTest(int32_t x, int32_t y, bool, bool bodyOnly) const
{
    return geometry_.hitTest(x, y, line_.getWidth(), getTransform(), bodyOnly);
}

void ggraphLine::moveHandle(int code, int32_t dx, int32_t dy) { geometry_.rect.moveHandle(code, dx, dy); }

void ggraphLine::transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV)
{
    geometry_.transform(cx2, cy2, rotation, flipH, flipV);
}

void ggraphLine::endGeometryChange()
{
    geometry_.endGeometryChange(getTransform());
    resetTransform();
}

int ggraphLine::beginCreate(int32_t x, int32_t y)
{
    line_.apply(staticDefaults().line);
    return geometry_.beginCreate(x, y);
}

void ggraphLine::setProperties(const gpropStatic& set, int id) { line_.applyOne(set.values.line, id); }

void ggraphLine::collectProperties(gdrawingProperties& record) const { line_.mergeInto(record.staticSet.values.line); }

ggraphObject* ggraphLine::clone(int32_t dx, int32_t dy, fscreen* screen, bool) const
{
    return new ggraphLine(*this, dx, dy, screen);
}

// Spline.

ggraphSpline::ggraphSpline(const ggraphSpline& source, int32_t dx, int32_t dy, fscreen* screen)
    : ggraphObject(source, dx, dy, screen), geometry_(source.geometry_), line_(source.line_)
{
    geometry_.moveHandle(1, dx, dy);
}

void ggraphSpline::writeHeader(CObjectFile& file, int indent) const { writeKeywordLine(file, indent, kw::SPLINE); }

void ggraphSpline::writeFields(CObjectFile& file, int indent) const
{
    ggraphObject::writeFields(file, indent);
    if (geometry_.isSet())
        geometry_.writePoints(file, indent);
    writeAppearance(file, indent, kw::LINE_STYLE, line_);
}

gloadStatus ggraphSpline::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::POINTS: return geometry_.loadPoints(value);
    case kw::LINE_STYLE: return loadAppearance(line_, value);
    default: return ggraphObject::loadField(token, value);
    }
}

void ggraphSpline::afterLoad()
{
    geometry_.computeQuadrant();
    ggraphObject::afterLoad();
}

void ggraphSpline::draw(gdrawContext& dc) const { geometry_.draw(dc, getTransform(), line_); }

void ggraphSpline::drawHandles(gdrawContext& dc, bool reshape) const { geometry_.drawHandles(dc, reshape); }

void ggraphSpline::recalcBounds() { setBounds(geometry_.paintedBounds(getTransform(), line_.getWidth())); }

int ggraphSpline::hitTest(int32_t x, int32_t y, bool reshape, bool bodyOnly) const
{
    return geometry_.hitTest(x, y, line_.getWidth(), getTransform(), reshape, bodyOnly);
}

void ggraphSpline::getHandlePoint(int code, int32_t& x, int32_t& y) const
{
    if (!geometry_.getHandlePoint(code, x, y))
        ggraphObject::getHandlePoint(code, x, y);
}

bool ggraphSpline::isInsideRect(const grect& rect) const
{
    return geometry_.curveBox(getTransform()).penBounds(line_.getWidth()).isInside(rect);
}

void ggraphSpline::moveHandle(int code, int32_t dx, int32_t dy) { geometry_.moveHandle(code, dx, dy); }

void ggraphSpline::transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV)
{
    geometry_.transform(cx2, cy2, rotation, flipH, flipV);
}

void ggraphSpline::endGeometryChange()
{
    geometry_.endGeometryChange(getTransform());
    resetTransform();
}

int ggraphSpline::beginCreate(int32_t x, int32_t y)
{
    if (!line_.isSet())
        line_.apply(staticDefaults().line);
    return geometry_.beginCreate(x, y);
}

int ggraphSpline::endCreate(bool moved)
{
    int code = geometry_.endCreate();
    if (code != 0)
        return code;
    return ggraphObject::endCreate(moved);
}

void ggraphSpline::setProperties(const gpropStatic& set, int id) { line_.applyOne(set.values.line, id); }

void ggraphSpline::collectProperties(gdrawingProperties& record) const
{
    line_.mergeInto(record.staticSet.values.line);
}

ggraphObject* ggraphSpline::clone(int32_t dx, int32_t dy, fscreen* screen, bool) const
{
    return new ggraphSpline(*this, dx, dy, screen);
}

// Rectangle and ellipse.

ggraphFilledShape::ggraphFilledShape(const ggraphFilledShape& source, int32_t dx, int32_t dy, fscreen* screen)
    : ggraphObject(source, dx, dy, screen), rect_(source.rect_.offset(dx, dy)), line_(source.line_), fill_(source.fill_)
{
}

void ggraphFilledShape::writeFields(CObjectFile& file, int indent) const
{
    ggraphObject::writeFields(file, indent);
    if (!rect_.isEmpty())
        writeRectangle(file, indent, kw::BOUNDS, rect_);
    writeAppearance(file, indent, kw::LINE_STYLE, line_);
    writeAppearance(file, indent, kw::FILL_STYLE, fill_);
}

gloadStatus ggraphFilledShape::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::BOUNDS: return loadRectangle(rect_, value, true);
    case kw::LINE_STYLE: return loadAppearance(line_, value);
    case kw::FILL_STYLE: return loadAppearance(fill_, value);
    default: return ggraphObject::loadField(token, value);
    }
}

void ggraphFilledShape::recalcBounds() { setBounds(transformRect(rect_).penBounds(line_.getWidth())); }

int ggraphFilledShape::hitTest(int32_t x, int32_t y, bool reshape, bool bodyOnly) const
{
    if (!bodyOnly) {
        if (int code = hitTestRectCorner(getBounds(), x, y, true, true))
            return code;
    }
    (void)reshape;
    const grect& area = getBounds();
    if (!figureContains(area, x, y))
        return 0;
    if (fill_.getKind() != gfillInfo::empty)
        return 1;
    grect inner = area.inset(line_.getWidth());
    return inner.isEmpty() || !figureContains(inner, x, y) ? 1 : 0;
}

void ggraphFilledShape::transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV)
{
    rect_.transform(cx2, cy2, rotation, flipH, flipV);
}

void ggraphFilledShape::endGeometryChange()
{
    rect_ = transformRect(rect_).normalized();
    resetTransform();
}

int ggraphFilledShape::beginCreate(int32_t x, int32_t y)
{
    rect_ = grect{x, y, x, y};
    line_.apply(staticDefaults().line);
    fill_.apply(staticDefaults().fill);
    return rectCorner::bottomRight;
}

void ggraphFilledShape::setProperties(const gpropStatic& set, int id)
{
    line_.applyOne(set.values.line, id);
    fill_.applyOne(set.values.fill, id);
}

void ggraphFilledShape::collectProperties(gdrawingProperties& record) const
{
    line_.mergeInto(record.staticSet.values.line);
    fill_.mergeInto(record.staticSet.values.fill);
}

void ggraphRectangle::writeHeader(CObjectFile& file, int indent) const
{
    writeKeywordLine(file, indent, kw::RECTANGLE);
}

void ggraphRectangle::draw(gdrawContext& dc) const { dc.rectangle(transformRect(rect_).normalized(), line_, fill_); }

ggraphObject* ggraphRectangle::clone(int32_t dx, int32_t dy, fscreen* screen, bool) const
{
    return new ggraphRectangle(*this, dx, dy, screen);
}

void ggraphEllipse::writeHeader(CObjectFile& file, int indent) const { writeKeywordLine(file, indent, kw::ELLIPSE); }

void ggraphEllipse::draw(gdrawContext& dc) const { dc.ellipse(transformRect(rect_).normalized(), line_, fill_); }

ggraphObject* ggraphEllipse::clone(int32_t dx, int32_t dy, fscreen* screen, bool) const
{
    return new ggraphEllipse(*this, dx, dy, screen);
}

// Text.

ggraphText::ggraphText(const ggraphText& source, int32_t dx, int32_t dy, fscreen* screen)
    : ggraphObject(source, dx, dy, screen), box_(source.box_.offset(dx, dy)), text_(source.text_), style_(source.style_)
{
}

void ggraphText::writeHeader(CObjectFile& file, int indent) const { writeKeywordLine(file, indent, kw::TEXT); }

void ggraphText::writeFields(CObjectFile& file, int indent) const
{
    ggraphObject::writeFields(file, indent);
    if (!text_.isNull()) {
        writeKeyOf(file, indent, kw::TEXT);
        text_.write(file, 1);
    }
    if (!box_.isEmpty())
        writeRectangle(file, indent, kw::BOUNDS, box_);
    writeAppearance(file, indent, kw::STYLE, style_);
}

gloadStatus ggraphText::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::TEXT: {
        if (!text_.isNull())
            return gload::alreadyLoaded;
        gstr text;
        if (!text.parseValue(value.data()))
            return gload::invalidValue;
        if (text.isNull())
            text.resize(0);
        text_.adopt(text);
        return gload::accepted;
    }
    case kw::BOUNDS: return loadRectangle(box_, value, true);
    case kw::STYLE: return loadAppearance(style_, value);
    default: return ggraphObject::loadField(token, value);
    }
}

void ggraphText::draw(gdrawContext& dc) const { dc.text(getBounds(), text_, style_); }

void ggraphText::recalcBounds() { setBounds(transformRect(box_).normalized()); }

void ggraphText::transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV)
{
    box_.transformPosition(cx2, cy2, rotation, flipH, flipV);
}

void ggraphText::endGeometryChange()
{
    box_ = transformRect(box_).normalized();
    resetTransform();
}

int ggraphText::beginCreate(int32_t x, int32_t y)
{
    box_ = grect{x, y, x, y};
    text_.resize(0);
    style_.apply(staticDefaults().textValues);
    return rectCorner::bottomRight;
}

int ggraphText::endCreate(bool moved)
{
    if (!moved) {
        box_ = box_.normalized();
        box_.right = wrapCoordinate(int64_t(box_.left) + 100);
        box_.bottom = wrapCoordinate(int64_t(box_.top) + 14);
    }
    gstr entered;
    askText(entered, false, text_);
    // Escape, or OK with nothing typed: a text without characters would be
    // an invisible object, so none is made.
    if (entered.isEmpty())
        return creationCancelled;
    text_.adopt(entered);
    return ggraphObject::endCreate(moved);
}

void ggraphText::drawCreateFeedback(gdrawContext& dc) const { dc.xorFrame(box_); }

void ggraphText::setProperties(const gpropStatic& set, int id)
{
    if (id != gprop::text) {
        style_.applyOne(set.values.textValues, id);
        return;
    }
    if (!set.values.text.hasValue())
        return;
    text_.assign(set.values.text.getValue());
    if (text_.isNull())
        text_.resize(0);
}

void ggraphText::collectProperties(gdrawingProperties& record) const
{
    record.staticSet.values.text.merge(text_);
    style_.mergeInto(record.staticSet.values.textValues);
}

ggraphObject* ggraphText::clone(int32_t dx, int32_t dy, fscreen* screen, bool) const
{
    return new ggraphText(*this, dx, dy, screen);
}

bool ggraphText::editText()
{
    gstr entered;
    askText(entered, true, text_);
    if (entered.isNull() || entered.compare(text_) == 0)
        return false;
    text_.adopt(entered);
    return true;
}

int ggraphText::replaceText(const gscreenBatchChange& change, gstr&)
{
    if (!change.text || text_.isNull())
        return 0;
    return change.replaceAllIn(text_);
}

// Picture.

ggraphBitmap::ggraphBitmap(const ggraphBitmap& source, int32_t dx, int32_t dy, fscreen* screen)
    : ggraphObject(source, dx, dy, screen), x_(source.x_), y_(source.y_), image_(source.image_)
{
    if (x_ != grect::emptyCoordinate) {
        x_ = wrapCoordinate(int64_t(x_) + dx);
        y_ = wrapCoordinate(int64_t(y_) + dy);
    }
}

void ggraphBitmap::writeHeader(CObjectFile& file, int indent) const { writeKeywordLine(file, indent, kw::BITMAP); }

void ggraphBitmap::writeFields(CObjectFile& file, int indent) const
{
    ggraphObject::writeFields(file, indent);
    if (image_.hasName()) {
        writeKeyOf(file, indent, kw::IMAGE);
        image_.name().write(file, 1);
    }
    if (x_ != grect::emptyCoordinate) {
        writeKeyOf(file, indent, kw::POSITION);
        file.writeInt(x_, 2);
        file.writeInt(y_, 1);
    }
}

gloadStatus ggraphBitmap::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::IMAGE: {
        gloadStatus status = image_.load(value, false);
        if (status == gload::accepted)
            image_.find();
        return status;
    }
    case kw::POSITION: {
        if (x_ != grect::emptyCoordinate)
            return gload::alreadyLoaded;
        int32_t x = 0;
        int32_t y = 0;
        const char* next = nullptr;
        if (parseIntItem(value.data(), x, next) != itemResult::comma || parseIntItem(next, y) != itemResult::end
            || x == grect::emptyCoordinate)
            return gload::invalidValue;
        x_ = x;
        y_ = y;
        return gload::accepted;
    }
    default: return ggraphObject::loadField(token, value);
    }
}

grect ggraphBitmap::area() const
{
    int32_t x = transformX(x_);
    int32_t y = transformY(y_);
    if (const gbitmap* image = image_.drawn())
        return image->getBounds().offset(x, y);
    return grect{x, y, x, y};
}

void ggraphBitmap::draw(gdrawContext& dc) const
{
    if (const gbitmap* image = image_.drawn())
        dc.image(transformX(x_), transformY(y_), *image);
}

void ggraphBitmap::recalcBounds() { setBounds(area()); }

int ggraphBitmap::hitTest(int32_t x, int32_t y, bool, bool bodyOnly) const
{
    int32_t px = transformX(x_);
    int32_t py = transformY(y_);
    if (!bodyOnly && std::llabs(int64_t(x) - px) <= 2 && std::llabs(int64_t(y) - py) <= 2)
        return 1;
    return area().contains(x, y) ? 1 : 0;
}

bool ggraphBitmap::isInsideRect(const grect& rect) const { return area().isInside(rect); }

void ggraphBitmap::moveHandle(int code, int32_t dx, int32_t dy)
{
    if (code != 1 || x_ == grect::emptyCoordinate)
        return;
    x_ = wrapCoordinate(int64_t(x_) + dx);
    y_ = wrapCoordinate(int64_t(y_) + dy);
}

void ggraphBitmap::transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV)
{
    transformPoint(x_, y_, cx2, cy2, rotation, flipH, flipV);
}

void ggraphBitmap::endGeometryChange()
{
    if (x_ != grect::emptyCoordinate) {
        int32_t x = transformX(x_);
        y_ = transformY(y_);
        x_ = x;
    }
    resetTransform();
}

int ggraphBitmap::beginCreate(int32_t x, int32_t y)
{
    x_ = x;
    y_ = y;
    const gtriStateString& name = staticDefaults().image.name;
    image_.setName(name.hasValue() ? static_cast<const gstrSlice&>(name.getValue()) : noImageName());
    image_.find();
    return 1;
}

void ggraphBitmap::setProperties(const gpropStatic& set, int id)
{
    if (id != gprop::image || !set.values.image.name.hasValue())
        return;
    image_.setName(set.values.image.name.getValue());
    image_.find();
}

void ggraphBitmap::collectProperties(gdrawingProperties& record) const
{
    record.staticSet.values.image.name.merge(image_.name());
}

ggraphObject* ggraphBitmap::clone(int32_t dx, int32_t dy, fscreen* screen, bool) const
{
    return new ggraphBitmap(*this, dx, dy, screen);
}

void ggraphBitmap::imagesUnloading()
{
    invalidate(getBounds());
    image_.unloading();
    recalcBounds();
    invalidate(getBounds());
}

void ggraphBitmap::imagesLoaded(bool quiet)
{
    bool changed = image_.loaded();
    grect old = getBounds();
    recalcBounds();
    if (quiet)
        return;
    invalidate(old);
    invalidate(getBounds());
    if (changed)
        markStationModified();
}

void ggraphBitmap::collectImages() const { image_.collect(); }

// 3D area.

ggraph3dRect::ggraph3dRect(const ggraph3dRect& source, int32_t dx, int32_t dy, fscreen* screen)
    : ggraphObject(source, dx, dy, screen), rect_(source.rect_.offset(dx, dy)), type_(source.type_)
{
}

void ggraph3dRect::writeHeader(CObjectFile& file, int indent) const { writeKeywordLine(file, indent, kw::K_3D_RECT); }

void ggraph3dRect::writeFields(CObjectFile& file, int indent) const
{
    ggraphObject::writeFields(file, indent);
    if (!rect_.isEmpty())
        writeRectangle(file, indent, kw::BOUNDS, rect_);
    if (type_ >= 1 && type_ <= 9) {
        writeKeyOf(file, indent, kw::TYPE);
        gkeyword::byToken(areaTypeTokens[type_ - 1]).writeValue(file, 1);
    }
}

gloadStatus ggraph3dRect::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::BOUNDS: return loadRectangle(rect_, value, true);
    case kw::TYPE: {
        if (type_ != 0)
            return gload::alreadyLoaded;
        int keyword = -1;
        if (parseKeywordItem(value.data(), keyword) != itemResult::end)
            return gload::invalidValue;
        for (int i = 0; i < 9; ++i) {
            if (areaTypeTokens[i] == keyword) {
                type_ = i + 1;
                return gload::accepted;
            }
        }
        return gload::invalidValue;
    }
    default: return ggraphObject::loadField(token, value);
    }
}

void ggraph3dRect::draw(gdrawContext& dc) const { dc.area3d(transformRect(rect_).normalized(), type_); }

void ggraph3dRect::recalcBounds() { setBounds(transformRect(rect_).normalized().inset(-1)); }

int ggraph3dRect::hitTest(int32_t x, int32_t y, bool, bool bodyOnly) const
{
    if (!bodyOnly) {
        if (int code = hitTestRectCorner(getBounds(), x, y, true, true))
            return code;
    }
    grect r = transformRect(rect_).normalized();
    switch (type_) {
    case 1: return r.hitBand(1, x, y) ? 1 : 0;
    case 2: return r.hitBand(2, x, y) ? 1 : 0;
    case 3: return r.hitBand(3, x, y) ? 1 : 0;
    default: return r.contains(x, y) ? 1 : 0;
    }
}

void ggraph3dRect::transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV)
{
    rect_.transform(cx2, cy2, rotation, flipH, flipV);
}

void ggraph3dRect::endGeometryChange()
{
    rect_ = transformRect(rect_).normalized();
    resetTransform();
}

int ggraph3dRect::beginCreate(int32_t x, int32_t y)
{
    rect_ = grect{x, y, x, y};
    drawingDefaults().rect3d.type.getOr(type_, 1);
    return rectCorner::bottomRight;
}

void ggraph3dRect::setProperties(const gprop3dRect& set, int id)
{
    // An unset or mixed type would leave an area no file takes back: the
    // type stays.
    if (id == gprop::areaType && set.type.hasValue() && set.type.get() >= 1 && set.type.get() <= 9)
        type_ = set.type.get();
}

void ggraph3dRect::collectProperties(gdrawingProperties& record) const { record.rect3d.type.merge(type_); }

ggraphObject* ggraph3dRect::clone(int32_t dx, int32_t dy, fscreen* screen, bool) const
{
    return new ggraph3dRect(*this, dx, dy, screen);
}
