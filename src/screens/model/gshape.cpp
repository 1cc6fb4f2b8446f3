#include "screens/model/gshape.h"

#include "foundation/rectCorner.h"
#include "foundation/valueParsers.h"
#include "screens/model/gbitmap.h"
#include "screens/model/gdrawContext.h"
#include "screens/model/ggraphObject.h"
#include "screens/model/gimageLibrary.h"
#include "screens/model/gindObjectInfo.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <cstdlib>

namespace {

void writeKeywordValue(CObjectFile& file, int token, int ending) { gkeyword::byToken(token).writeValue(file, ending); }

} // namespace

std::unique_ptr<gshape> makeShapeByKeyword(int token)
{
    switch (token) {
    case kw::BITMAP: return std::make_unique<gshapeBitmap>();
    case kw::ELLIPSE: return std::make_unique<gshapeEllipse>();
    case kw::LINE: return std::make_unique<gshapeLine>();
    case kw::RECTANGLE: return std::make_unique<gshapeRectangle>();
    case kw::SPLINE: return std::make_unique<gshapeSpline>();
    case kw::TEXT: return std::make_unique<gshapeText>();
    default: return nullptr;
    }
}

std::unique_ptr<gshape> makeShapeByTool(int subKind)
{
    constexpr int tokens[6] = {kw::LINE, kw::SPLINE, kw::RECTANGLE, kw::ELLIPSE, kw::TEXT, kw::BITMAP};
    return subKind >= 0 && subKind < 6 ? makeShapeByKeyword(tokens[subKind]) : nullptr;
}

void gshape::getHandlePoint(int code, int32_t& x, int32_t& y) const { getRectCorner(getFrame(), code, x, y); }

bool gshape::isInsideRect(const grect& rect, const gindObjectInfo& record, const gtransform& t) const
{
    return getBounds(record, t).isInside(rect);
}

void gshape::drawHandles(gdrawContext& dc, bool) const
{
    grect frame = getFrame();
    dc.handle(frame.left, frame.top);
    dc.handle(frame.left, frame.bottom);
    dc.handle(frame.right, frame.top);
    dc.handle(frame.right, frame.bottom);
}

// Rectangle and ellipse.

int gshapeFilled::beginCreate(int32_t x, int32_t y)
{
    rect_ = grect{x, y, x, y};
    return rectCorner::bottomRight;
}

std::unique_ptr<gindObjectInfo> gshapeFilled::makeStateRecord() const
{
    return std::make_unique<gindFilledObjectInfo>();
}

grect gshapeFilled::getBounds(const gindObjectInfo& record, const gtransform& t) const
{
    return t.rect(rect_).penBounds(record.getLineInfo().getWidth());
}

int gshapeFilled::hitTest(int32_t x, int32_t y, const gindObjectInfo& record, const gtransform& t, bool,
                          bool bodyOnly) const
{
    if (!bodyOnly) {
        if (int code = hitTestRectCorner(rect_, x, y, true, true))
            return code;
    }
    grect area = getBounds(record, t);
    if (!figureContains(area, x, y))
        return 0;
    if (record.getFillInfo().getKind() != gfillInfo::empty)
        return 1;
    grect inner = area.inset(record.getLineInfo().getWidth());
    return inner.isEmpty() || !figureContains(inner, x, y) ? 1 : 0;
}

void gshapeFilled::transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV)
{
    rect_.transform(cx2, cy2, rotation, flipH, flipV);
}

void gshapeFilled::writeFields(CObjectFile& file, int indent) const
{
    if (!rect_.isEmpty())
        writeRectangle(file, indent, kw::BOUNDS, rect_);
}

gloadStatus gshapeFilled::loadField(int token, gstr& value)
{
    return token == kw::BOUNDS ? loadRectangle(rect_, value, true) : gload::unknownKeyword;
}

void gshapeRectangle::draw(gdrawContext& dc, const gindObjectInfo& record, const gstrSlice&, const gtransform& t) const
{
    dc.rectangle(t.rect(rect_).normalized(), record.getLineInfo(), record.getFillInfo());
}

void gshapeRectangle::writeKind(CObjectFile& file, int ending) const { writeKeywordValue(file, kw::RECTANGLE, ending); }

std::unique_ptr<gshape> gshapeRectangle::clone(int32_t dx, int32_t dy) const
{
    auto copy = std::make_unique<gshapeRectangle>(*this);
    copy->rect_.offsetBy(dx, dy);
    return copy;
}

void gshapeEllipse::draw(gdrawContext& dc, const gindObjectInfo& record, const gstrSlice&, const gtransform& t) const
{
    dc.ellipse(t.rect(rect_).normalized(), record.getLineInfo(), record.getFillInfo());
}

void gshapeEllipse::writeKind(CObjectFile& file, int ending) const { writeKeywordValue(file, kw::ELLIPSE, ending); }

std::unique_ptr<gshape> gshapeEllipse::clone(int32_t dx, int32_t dy) const
{
    auto copy = std::make_unique<gshapeEllipse>(*this);
    copy->rect_.offsetBy(dx, dy);
    return copy;
}

// Line.

std::unique_ptr<gindObjectInfo> gshapeLine::makeStateRecord() const { return std::make_unique<gindLineObjectInfo>(); }

grect gshapeLine::getBounds(const gindObjectInfo& record, const gtransform& t) const
{
    return geometry_.paintedBounds(t, record.getLineInfo().getWidth());
}

void gshapeLine::draw(gdrawContext& dc, const gindObjectInfo& record, const gstrSlice&, const gtransform& t) const
{
    geometry_.draw(dc, t, record.getLineInfo());
}

void gshapeLine::writeKind(CObjectFile& file, int ending) const { writeKeywordValue(file, kw::LINE, ending); }

int gshapeLine::hitTest(int32_t x, int32_t y, const gindObjectInfo& record, const gtransform& t, bool,
                        bool bodyOnly) const
{
    return geometry_.hitTest(x, y, record.getLineInfo().getWidth(), t, bodyOnly);
}

void gshapeLine::drawHandles(gdrawContext& dc, bool) const { geometry_.drawHandles(dc); }

void gshapeLine::transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV)
{
    geometry_.transform(cx2, cy2, rotation, flipH, flipV);
}

std::unique_ptr<gshape> gshapeLine::clone(int32_t dx, int32_t dy) const
{
    auto copy = std::make_unique<gshapeLine>(*this);
    copy->geometry_.rect.offsetBy(dx, dy);
    return copy;
}

void gshapeLine::writeFields(CObjectFile& file, int indent) const
{
    if (geometry_.isSet())
        geometry_.writePoints(file, indent);
}

gloadStatus gshapeLine::loadField(int token, gstr& value)
{
    return token == kw::POINTS ? geometry_.loadPoints(value) : gload::unknownKeyword;
}

// Spline.

std::unique_ptr<gindObjectInfo> gshapeSpline::makeStateRecord() const { return std::make_unique<gindLineObjectInfo>(); }

grect gshapeSpline::getBounds(const gindObjectInfo& record, const gtransform& t) const
{
    return geometry_.paintedBounds(t, record.getLineInfo().getWidth());
}

void gshapeSpline::draw(gdrawContext& dc, const gindObjectInfo& record, const gstrSlice&, const gtransform& t) const
{
    geometry_.draw(dc, t, record.getLineInfo());
}

void gshapeSpline::writeKind(CObjectFile& file, int ending) const { writeKeywordValue(file, kw::SPLINE, ending); }

int gshapeSpline::hitTest(int32_t x, int32_t y, const gindObjectInfo& record, const gtransform& t, bool reshape,
                          bool bodyOnly) const
{
    return geometry_.hitTest(x, y, record.getLineInfo().getWidth(), t, reshape, bodyOnly);
}

void gshapeSpline::getHandlePoint(int code, int32_t& x, int32_t& y) const
{
    if (!geometry_.getHandlePoint(code, x, y))
        gshape::getHandlePoint(code, x, y);
}

bool gshapeSpline::isInsideRect(const grect& rect, const gindObjectInfo& record, const gtransform& t) const
{
    return geometry_.curveBox(t).penBounds(record.getLineInfo().getWidth()).isInside(rect);
}

void gshapeSpline::transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV)
{
    geometry_.transform(cx2, cy2, rotation, flipH, flipV);
}

std::unique_ptr<gshape> gshapeSpline::clone(int32_t dx, int32_t dy) const
{
    auto copy = std::make_unique<gshapeSpline>(*this);
    copy->geometry_.moveHandle(1, dx, dy);
    return copy;
}

void gshapeSpline::writeFields(CObjectFile& file, int indent) const
{
    if (geometry_.isSet())
        geometry_.writePoints(file, indent);
}

gloadStatus gshapeSpline::loadField(int token, gstr& value)
{
    return token == kw::POINTS ? geometry_.loadPoints(value) : gload::unknownKeyword;
}

// Text.

int gshapeText::beginCreate(int32_t x, int32_t y)
{
    box_ = grect{x, y, x, y};
    return rectCorner::bottomRight;
}

std::unique_ptr<gindObjectInfo> gshapeText::makeStateRecord() const { return std::make_unique<gindTextObjectInfo>(); }

grect gshapeText::getBounds(const gindObjectInfo&, const gtransform& t) const { return t.rect(box_).normalized(); }

void gshapeText::draw(gdrawContext& dc, const gindObjectInfo& record, const gstrSlice& title, const gtransform& t) const
{
    gstr shown;
    shown.substitute(record.getText(), title);
    dc.text(t.rect(box_).normalized(), shown, record.getTextInfo());
}

void gshapeText::writeKind(CObjectFile& file, int ending) const { writeKeywordValue(file, kw::TEXT, ending); }

int gshapeText::hitTest(int32_t x, int32_t y, const gindObjectInfo& record, const gtransform& t, bool,
                        bool bodyOnly) const
{
    grect area = getBounds(record, t);
    if (!bodyOnly) {
        if (int code = hitTestRectCorner(area, x, y, true, true))
            return code;
    }
    return area.contains(x, y) ? 1 : 0;
}

void gshapeText::transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV)
{
    box_.transformPosition(cx2, cy2, rotation, flipH, flipV);
}

int gshapeText::endCreate(bool moved)
{
    if (!moved) {
        box_ = box_.normalized();
        box_.right = wrapCoordinate(int64_t(box_.left) + 100);
        box_.bottom = wrapCoordinate(int64_t(box_.top) + 14);
    }
    return 0;
}

void gshapeText::drawCreateFeedback(gdrawContext& dc) const { dc.xorFrame(box_); }

std::unique_ptr<gshape> gshapeText::clone(int32_t dx, int32_t dy) const
{
    auto copy = std::make_unique<gshapeText>(*this);
    copy->box_.offsetBy(dx, dy);
    return copy;
}

void gshapeText::writeFields(CObjectFile& file, int indent) const
{
    if (!box_.isEmpty())
        writeRectangle(file, indent, kw::BOUNDS, box_);
}

gloadStatus gshapeText::loadField(int token, gstr& value)
{
    return token == kw::BOUNDS ? loadRectangle(box_, value, true) : gload::unknownKeyword;
}

// Picture.

int gshapeBitmap::beginCreate(int32_t x, int32_t y)
{
    x_ = x;
    y_ = y;
    return 1;
}

std::unique_ptr<gindObjectInfo> gshapeBitmap::makeStateRecord() const
{
    return std::make_unique<gindBitmapObjectInfo>();
}

bool gshapeBitmap::imageArea(const gindObjectInfo& record, const gtransform& t, grect& area) const
{
    const gbitmap* image = record.getBitmap();
    if (!image)
        image = imageLibrary().getPlaceholder();
    if (!image)
        return false;
    area = image->getBounds().offset(t.x(x_), t.y(y_));
    return true;
}

grect gshapeBitmap::getBounds(const gindObjectInfo& record, const gtransform& t) const
{
    grect area;
    if (imageArea(record, t, area))
        return area;
    int32_t x = t.x(x_);
    int32_t y = t.y(y_);
    return grect{x, y, x, y};
}

void gshapeBitmap::draw(gdrawContext& dc, const gindObjectInfo& record, const gstrSlice&, const gtransform& t) const
{
    const gbitmap* image = record.getBitmap();
    if (!image)
        image = imageLibrary().getPlaceholder();
    if (image)
        dc.image(t.x(x_), t.y(y_), *image);
}

void gshapeBitmap::writeKind(CObjectFile& file, int ending) const { writeKeywordValue(file, kw::BITMAP, ending); }

int gshapeBitmap::hitTest(int32_t x, int32_t y, const gindObjectInfo& record, const gtransform& t, bool,
                          bool bodyOnly) const
{
    if (!bodyOnly && std::llabs(int64_t(x) - t.x(x_)) <= 2 && std::llabs(int64_t(y) - t.y(y_)) <= 2)
        return 1;
    grect area;
    return imageArea(record, t, area) && area.contains(x, y) ? 1 : 0;
}

void gshapeBitmap::getHandlePoint(int, int32_t& x, int32_t& y) const
{
    x = x_;
    y = y_;
}

bool gshapeBitmap::isInsideRect(const grect& rect, const gindObjectInfo& record, const gtransform& t) const
{
    return getBounds(record, t).isInside(rect);
}

void gshapeBitmap::drawHandles(gdrawContext& dc, bool) const { dc.handle(x_, y_); }

void gshapeBitmap::moveHandle(int code, int32_t dx, int32_t dy)
{
    if (code != 1 || x_ == grect::emptyCoordinate)
        return;
    x_ = wrapCoordinate(int64_t(x_) + dx);
    y_ = wrapCoordinate(int64_t(y_) + dy);
}

void gshapeBitmap::transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV)
{
    transformPoint(x_, y_, cx2, cy2, rotation, flipH, flipV);
}

void gshapeBitmap::endGeometryChange(const gtransform& t)
{
    if (x_ == grect::emptyCoordinate)
        return;
    int32_t x = t.x(x_);
    y_ = t.y(y_);
    x_ = x;
}

std::unique_ptr<gshape> gshapeBitmap::clone(int32_t dx, int32_t dy) const
{
    auto copy = std::make_unique<gshapeBitmap>(*this);
    copy->moveHandle(1, dx, dy);
    return copy;
}

void gshapeBitmap::writeFields(CObjectFile& file, int indent) const
{
    if (x_ == grect::emptyCoordinate)
        return;
    writeKeyOf(file, indent, kw::POSITION);
    file.writeInt(x_, 2);
    file.writeInt(y_, 1);
}

gloadStatus gshapeBitmap::loadField(int token, gstr& value)
{
    if (token != kw::POSITION)
        return gload::unknownKeyword;
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
