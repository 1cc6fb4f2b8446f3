#include "screens/model/gindGraph.h"

#include "foundation/rectCorner.h"
#include "foundation/valueParsers.h"
#include "registers/ganalogSupplement.h"
#include "registers/gregister.h"
#include "screens/model/gbitmap.h"
#include "screens/model/gdrawContext.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/gshapeGeometry.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int notAnalogText = 20140;
constexpr int typeTokens[8] = {kw::LINE,  kw::V_FILLED_LINE, kw::V_LINE_MARKERS, kw::V_FILLED_LINE_MARKERS,
                               kw::VLINE, kw::BARS,          kw::MARKERS,        kw::HLINE};

int32_t toCoordinate(double v)
{
    if (!(v > -2147483648.0))
        return INT32_MIN;
    if (!(v < 2147483647.0))
        return INT32_MAX;
    return static_cast<int32_t>(v);
}

// n points of the preview wave over m steps.
std::vector<gpoint> wave(const grect& r, int32_t n, int32_t m)
{
    std::vector<gpoint> points;
    points.reserve(size_t(n));
    double w = double(r.width());
    double h = double(r.height());
    for (int32_t i = 0; i < n; ++i) {
        double t = double(i) * 8 / m;
        double u = 0.3 + double(i) * 1.5 * 8 / m;
        int32_t x = toCoordinate(std::floor(r.left + 0.5 + double(i) * w / m));
        int32_t y = toCoordinate(double(r.bottom) - std::trunc((std::sin(t) + 0.7 * std::cos(u) + 2.0) * h * 0.25));
        points.push_back({x, y});
    }
    return points;
}

bool hasAnyLine(const gpropLineValues& v) { return v.style.hasValue() || v.width.hasValue() || v.colour.isSet(); }

bool hasAnyFill(const gpropFillValues& v)
{
    return v.kind.hasValue() || v.pattern.hasValue() || v.foreground.isSet() || v.background.isSet();
}

double distanceToSegment(const gpoint& a, const gpoint& b, double x, double y)
{
    double dx = double(b.x) - a.x;
    double dy = double(b.y) - a.y;
    double length = dx * dx + dy * dy;
    double t = length > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / length : 0;
    t = std::clamp(t, 0.0, 1.0);
    double px = a.x + t * dx - x;
    double py = a.y + t * dy - y;
    return std::sqrt(px * px + py * py);
}

} // namespace

gindGraph::gindGraph(const gindGraph& source, int32_t dx, int32_t dy, fscreen* screen, bool linkReferences)
    : gindObject(source, dx, dy, screen), rect_(source.rect_.offset(dx, dy)), register_(source.register_),
      type_(source.type_), top_(source.top_), bottom_(source.bottom_), line_(source.line_), fill_(source.fill_),
      image_(source.image_)
{
    if (linkReferences && register_)
        linkRegister(&register_->getRegister());
}

void gindGraph::writeHeader(CObjectFile& file, int indent) const { writeKeywordLine(file, indent, kw::GRAPH); }

void gindGraph::writeFields(CObjectFile& file, int indent) const
{
    ggraphObject::writeFields(file, indent);
    if (!rect_.isEmpty())
        writeRectangle(file, indent, kw::BOUNDS, rect_);
    if (register_) {
        writeKeyOf(file, indent, kw::REGISTER);
        register_->getRegisterTag().write(file, 2);
        file.writeReal(bottom_, 2);
        file.writeReal(top_, 1);
    }
    if (type_ >= 1 && type_ <= 8) {
        writeKeyOf(file, indent, kw::TYPE);
        gkeyword::byToken(typeTokens[type_ - 1]).writeValue(file, 1);
    }
    if (drawsLine(type_))
        writeAppearance(file, indent, kw::LINE_STYLE, line_);
    if (isFilled(type_))
        writeAppearance(file, indent, kw::FILL_STYLE, fill_);
    if (hasMarkers(type_) && image_.hasName()) {
        writeKeyOf(file, indent, kw::IMAGE);
        image_.name().write(file, 1);
    }
}

gloadStatus gindGraph::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::BOUNDS: return loadRectangle(rect_, value, true);
    case kw::REGISTER: return loadGraphRegister(value);
    case kw::TYPE: {
        if (type_ != 0)
            return gload::alreadyLoaded;
        int keyword = -1;
        if (parseKeywordItem(value.data(), keyword) != itemResult::end)
            return gload::invalidValue;
        for (int i = 0; i < 8; ++i) {
            if (typeTokens[i] == keyword) {
                type_ = i + 1;
                return gload::accepted;
            }
        }
        return gload::invalidValue;
    }
    case kw::LINE_STYLE: return loadAppearance(line_, value);
    case kw::FILL_STYLE: return loadAppearance(fill_, value);
    case kw::IMAGE: {
        gloadStatus status = image_.load(value, true);
        if (status == gload::accepted)
            image_.find();
        return status;
    }
    default: return ggraphObject::loadField(token, value);
    }
}

gloadStatus gindGraph::loadGraphRegister(const gstr& value)
{
    if (register_)
        return gload::alreadyLoaded;
    gstr tag;
    const char* next = nullptr;
    if (tag.parse(value.data(), next) != itemResult::comma || tag.isEmpty())
        return gload::invalidValue;
    gregister* reg = referenceRegister(tag);
    register_ = reg->getAnalogSupplement();
    if (!register_)
        return gload::invalidValue;
    linkRegister(reg);
    double bottom = 0;
    double top = 0;
    if (parseDoubleItem(next, bottom, next) != itemResult::comma || !std::isfinite(bottom)
        || parseDoubleItem(next, top) != itemResult::end || !std::isfinite(top))
        return gload::invalidValue;
    bottom_ = bottom;
    top_ = top;
    return gload::accepted;
}

bool gindGraph::isComplete() const
{
    if (rect_.isEmpty() || !register_ || type_ == 0)
        return false;
    return line_.isSet() == drawsLine(type_) && fill_.isSet() == isFilled(type_)
        && image_.hasName() == hasMarkers(type_);
}

// The preview.

int32_t gindGraph::pointCount() const
{
    int32_t n = register_ ? register_->elementCount() : 0;
    return std::clamp(n, int32_t(0), mostPreviewPoints);
}

std::vector<gpoint> gindGraph::previewPoints() const
{
    grect r = transformRect(rect_).normalized();
    int32_t n = pointCount();
    if (type_ == 6 || type_ == 8) {
        if (n == 0)
            return {};
        std::vector<gpoint> points = wave(r, n, n);
        points.push_back({r.right, points.back().y});
        return points;
    }
    n = std::max(n, int32_t(2));
    std::vector<gpoint> points = wave(r, n, n - 1);
    points.back().x = r.right;
    return points;
}

void gindGraph::draw(gdrawContext& dc) const
{
    if (rect_.isEmpty() || type_ < 1 || type_ > 8)
        return;
    grect r = transformRect(rect_).normalized();
    std::vector<gpoint> points = previewPoints();
    if (type_ == 6 || type_ == 8) {
        for (size_t i = 0; i + 1 < points.size(); ++i) {
            if (type_ == 6)
                dc.rectangle(grect{points[i].x, points[i].y, points[i + 1].x, r.bottom}, line_, fill_);
            else
                dc.line(points[i].x, points[i].y, points[i + 1].x, points[i].y, line_);
        }
        return;
    }
    if (isFilled(type_)) {
        std::vector<gpoint> area = points;
        area.push_back({r.right, r.bottom});
        area.push_back({r.left, r.bottom});
        dc.polygon(area.data(), static_cast<int>(area.size()), line_, fill_);
    } else if (type_ == 1 || type_ == 3) {
        dc.polyline(points.data(), static_cast<int>(points.size()), line_);
    } else if (type_ == 5) {
        for (const gpoint& p : points)
            dc.line(p.x, r.bottom, p.x, p.y, line_);
    }
    if (!hasMarkers(type_))
        return;
    if (const gbitmap* image = image_.drawn()) {
        for (const gpoint& p : points)
            dc.image(p.x, p.y, *image);
    }
}

void gindGraph::drawHandles(gdrawContext& dc, bool) const
{
    dc.handle(rect_.left, rect_.top);
    dc.handle(rect_.left, rect_.bottom);
    dc.handle(rect_.right, rect_.top);
    dc.handle(rect_.right, rect_.bottom);
}

void gindGraph::recalcBounds()
{
    grect r = transformRect(rect_).normalized();
    if (r.isEmpty()) {
        setBounds(r);
        return;
    }
    grect bounds = drawsLine(type_) ? r.inset(-line_.getWidth()) : r;
    if (hasMarkers(type_)) {
        if (const gbitmap* image = image_.drawn()) {
            const grect& ib = image->getBounds();
            bounds.uniteWith(grect{wrapCoordinate(int64_t(r.left) + ib.left), wrapCoordinate(int64_t(r.top) + ib.top),
                                   wrapCoordinate(int64_t(r.right) + ib.right),
                                   wrapCoordinate(int64_t(r.bottom) + ib.bottom)});
        }
    }
    setBounds(bounds);
}

bool gindGraph::hitColumns(const grect& r, const std::vector<gpoint>& points, int32_t x, int32_t y) const
{
    int64_t n = type_ == 5 ? int64_t(points.size()) : int64_t(points.size()) - 1;
    int64_t c = type_ == 5 ? n - 1 : n;
    if (c <= 0)
        return false;
    int64_t column = static_cast<int64_t>(std::floor(double(int64_t(x) - r.left) / double(r.width() + 1) * double(c)));
    if (type_ == 5 && x != r.left)
        ++column;
    column = std::clamp<int64_t>(column, 0, c - 1);
    const gpoint& p = points[size_t(column)];
    int32_t w = line_.getWidth();
    if (type_ == 5)
        return grect{p.x, p.y, p.x, r.bottom}.normalized().inset(-w).contains(x, y);
    const gpoint& q = points[size_t(column) + 1];
    if (type_ == 8)
        return grect{p.x, p.y, q.x, p.y}.normalized().inset(-w).contains(x, y);
    grect bar = grect{p.x, p.y, q.x, r.bottom}.normalized();
    if (!bar.inset(-w).contains(x, y))
        return false;
    grect inner = bar.inset(w);
    return fill_.getKind() != gfillInfo::empty || inner.isEmpty() || !inner.contains(x, y);
}

bool gindGraph::hitSegments(const std::vector<gpoint>& points, int32_t x, int32_t y, const grect& r) const
{
    int64_t segments = int64_t(points.size()) - 1;
    if (segments <= 0)
        return false;
    int64_t column =
        static_cast<int64_t>(std::floor(double(int64_t(x) - r.left) / double(r.width() + 1) * double(segments)));
    column = std::clamp<int64_t>(column, 0, segments - 1);
    return distanceToSegment(points[size_t(column)], points[size_t(column) + 1], x, y) <= line_.getWidth();
}

int gindGraph::hitTest(int32_t x, int32_t y, bool, bool bodyOnly) const
{
    grect r = transformRect(rect_).normalized();
    if (!bodyOnly) {
        if (int code = hitTestRectCorner(r, x, y, true, true))
            return code;
    }
    if (r.isEmpty() || type_ < 1 || type_ > 8)
        return 0;
    std::vector<gpoint> points = previewPoints();
    bool hit = false;
    if (type_ == 5 || type_ == 6 || type_ == 8) {
        hit = hitColumns(r, points, x, y);
    } else if (isFilled(type_)) {
        int32_t w = line_.getWidth();
        grect inner = r.inset(w);
        hit = r.inset(-w).contains(x, y)
            && (fill_.getKind() != gfillInfo::empty || inner.isEmpty() || !inner.contains(x, y));
    } else if (type_ == 1 || type_ == 3) {
        hit = hitSegments(points, x, y, r);
    }
    if (!hit && hasMarkers(type_)) {
        if (const gbitmap* image = image_.drawn()) {
            for (const gpoint& p : points) {
                if (image->getBounds().offset(p.x, p.y).contains(x, y))
                    return 1;
            }
        }
    }
    return hit ? 1 : 0;
}

void gindGraph::getHandlePoint(int code, int32_t& x, int32_t& y) const { getRectCorner(rect_, code, x, y); }

void gindGraph::transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV)
{
    rect_.transform(cx2, cy2, rotation, flipH, flipV);
}

void gindGraph::endGeometryChange()
{
    rect_ = transformRect(rect_).normalized();
    resetTransform();
}

// Creation and properties.

int gindGraph::beginCreate(int32_t x, int32_t y)
{
    const gpropGraph& set = drawingDefaults().graph;
    rect_ = grect{x, y, x, y};
    set.type.getOr(type_, 0);
    set.top.getOr(top_, 100.0);
    set.bottom.getOr(bottom_, 0.0);
    register_ = referredObject(set.reg);
    linkRegister(register_ ? &register_->getRegister() : nullptr);
    if (drawsLine(type_))
        line_.apply(set.line);
    if (isFilled(type_))
        fill_.apply(set.fill);
    if (hasMarkers(type_)) {
        image_.setName(set.image.name.hasValue() ? static_cast<const gstrSlice&>(set.image.name.getValue())
                                                 : noImageName());
        image_.find();
    }
    return rectCorner::bottomRight;
}

void gindGraph::drawCreateFeedback(gdrawContext& dc) const
{
    if (!isFilled(type_))
        dc.xorFrame(rect_);
}

void gindGraph::setProperties(const gpropGraph& set, int id)
{
    const gpropGraph& defaults = drawingDefaults().graph;
    switch (id) {
    case gprop::image:
        if (hasMarkers(type_) && set.image.name.hasValue()) {
            image_.setName(set.image.name.getValue());
            image_.find();
        }
        return;
    case gprop::registerRef:
        register_ = referredObject(set.reg);
        linkRegister(register_ ? &register_->getRegister() : nullptr);
        return;
    case gprop::minimum: set.bottom.getOr(bottom_, 0.0); return;
    case gprop::maximum: set.top.getOr(top_, 100.0); return;
    case gprop::graphType: {
        int32_t old = type_;
        set.type.getOr(type_, old);
        if (drawsLine(type_) && !drawsLine(old))
            line_.apply(hasAnyLine(set.line) ? set.line : defaults.line);
        if (isFilled(type_) && !isFilled(old))
            fill_.apply(hasAnyFill(set.fill) ? set.fill : defaults.fill);
        if (hasMarkers(type_) && !hasMarkers(old)) {
            const gtriStateString& name = set.image.name.hasValue() ? set.image.name : defaults.image.name;
            image_.setName(name.hasValue() ? static_cast<const gstrSlice&>(name.getValue()) : noImageName());
            image_.find();
        }
        return;
    }
    default:
        if (drawsLine(type_))
            line_.applyOne(set.line, id);
        if (isFilled(type_))
            fill_.applyOne(set.fill, id);
        return;
    }
}

void gindGraph::collectProperties(gdrawingProperties& record) const
{
    gpropGraph& set = record.graph;
    set.reg.merge(register_);
    set.type.merge(type_);
    set.top.merge(top_);
    set.bottom.merge(bottom_);
    if (drawsLine(type_))
        line_.mergeInto(set.line);
    if (isFilled(type_))
        fill_.mergeInto(set.fill);
    if (hasMarkers(type_))
        set.image.name.merge(image_.name());
}

void gindGraph::refreshPreview(bool blinkTick)
{
    if (blinkTick && registerLevel(register_ ? &register_->getRegister() : nullptr) <= 2)
        return;
    invalidate(getBounds());
}

ggraphObject* gindGraph::clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const
{
    return new gindGraph(*this, dx, dy, screen, linkReferences);
}

bool gindGraph::usesRegister(const gregister* reg) const
{
    return reg && register_ && &register_->getRegister() == reg;
}

void gindGraph::imagesUnloading()
{
    if (!hasMarkers(type_))
        return;
    invalidate(getBounds());
    image_.unloading();
    recalcBounds();
    invalidate(getBounds());
}

void gindGraph::imagesLoaded(bool quiet)
{
    if (!hasMarkers(type_))
        return;
    grect old = getBounds();
    bool changed = image_.loaded();
    recalcBounds();
    if (quiet)
        return;
    invalidate(old);
    invalidate(getBounds());
    if (changed)
        markStationModified();
}

void gindGraph::collectImages() const
{
    if (hasMarkers(type_))
        image_.collect();
}

int gindGraph::replaceText(const gscreenBatchChange& change, gstr& log)
{
    return rebindByTag(change, log, register_ ? &register_->getRegister() : nullptr, notAnalogText,
                       [this](gregister& reg) {
                           ganalogSupplement* part = reg.getAnalogSupplement();
                           if (!part)
                               return false;
                           register_ = part;
                           linkRegister(&reg);
                           return true;
                       });
}
