#include "screens/model/gindMarker.h"

#include "foundation/rectCorner.h"
#include "foundation/valueParsers.h"
#include "registers/ganalogSupplement.h"
#include "registers/gregister.h"
#include "registers/gstringSupplement.h"
#include "screens/model/gdrawContext.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/gpreviewValues.h"
#include "screens/model/gscreenBatchChange.h"
#include "screens/model/gshapeGeometry.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gstation.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int noRegisterText = 20144;
constexpr int notAnalogText = 20140;
constexpr int notStringText = 20146;
constexpr int stateTokens[5] = {kw::MASKED_STATE, kw::ERROR_STATE, kw::BLINK_STATE, kw::ON_STATE, kw::OFF_STATE};
constexpr int showsTokens[3] = {kw::VALUE, kw::MINIMUM, kw::MAXIMUM};

template <class P>
gregister* ownerOf(P* part)
{
    return part ? &part->getRegister() : nullptr;
}

int32_t positionNumber(int32_t shows) { return shows == 2 ? 2 : shows == 3 ? 5 : 4; }

int32_t share(int64_t from, int64_t to, int64_t b) { return static_cast<int32_t>(((6 - b) * from + b * to) / 6); }

int32_t rounded(double f, int64_t n) { return static_cast<int32_t>(std::floor(double(n) * f + 0.5)); }

} // namespace

gindMarker::gindMarker(const gindMarker& source, int32_t dx, int32_t dy, fscreen* screen, bool linkReferences)
    : gindObject(source, dx, dy, screen), plot_(source.plot_.offset(dx, dy)), label_(source.label_),
      register_(source.register_), xAxis_(source.xAxis_), yAxis_(source.yAxis_), labelRegister_(source.labelRegister_)
{
    for (int i = 0; i < 5; ++i) {
        if (source.records_[i])
            records_[i] = std::make_unique<gindMarkerLabel>(*source.records_[i]);
    }
    if (linkReferences)
        relink();
}

gindMarker::~gindMarker() = default;

void gindMarker::relink()
{
    linkRegisters({register_, ownerOf(xAxis_.part), ownerOf(yAxis_.part), ownerOf(labelRegister_)});
}

const gindMarkerLabel* gindMarker::record(int state) const noexcept
{
    return state >= 0 && state < 5 ? records_[state].get() : nullptr;
}

bool gindMarker::anyLabelText() const
{
    for (const auto& each : records_) {
        if (each && each->hasLabelText())
            return true;
    }
    return false;
}

// Storing.

void gindMarker::writeHeader(CObjectFile& file, int indent) const { writeKeywordLine(file, indent, kw::MARKER); }

void gindMarker::writeAxis(CObjectFile& file, int indent, int token, const axis& source) const
{
    if (!source.part)
        return;
    writeKeyOf(file, indent, token);
    source.part->getRegisterTag().write(file, 2);
    gkeyword::byToken(showsTokens[std::clamp(source.shows, 1, 3) - 1]).writeValue(file, 2);
    file.writeReal(source.minimum, 2);
    file.writeReal(source.maximum, 1);
}

void gindMarker::writeFields(CObjectFile& file, int indent) const
{
    ggraphObject::writeFields(file, indent);
    if (register_) {
        writeKeyOf(file, indent, kw::REGISTER);
        register_->getTag().write(file, 1);
    }
    writeAxis(file, indent, kw::X_COORDINATE, xAxis_);
    writeAxis(file, indent, kw::Y_COORDINATE, yAxis_);
    if (!plot_.isEmpty())
        writeRectangle(file, indent, kw::BOUNDS, plot_);
    bool labelled = anyLabelText();
    if (labelled && !label_.isEmpty())
        writeRectangle(file, indent, kw::LABEL_BOUNDS, label_);
    if (labelled && labelRegister_) {
        writeKeyOf(file, indent, kw::LABEL);
        labelRegister_->getRegisterTag().write(file, 1);
    }
    for (int i = 0; i < 5; ++i) {
        if (!records_[i])
            continue;
        writeKeywordLine(file, indent, stateTokens[i]);
        records_[i]->writeEmbedded(file, indent);
    }
}

gloadStatus gindMarker::loadField(int token, gstr& value)
{
    for (int i = 0; i < 5; ++i) {
        if (token != stateTokens[i])
            continue;
        if (records_[i])
            return gload::alreadyLoaded;
        records_[i] = std::make_unique<gindMarkerLabel>();
        loadEmbeddedObject(records_[i].get());
        return gload::accepted;
    }
    switch (token) {
    case kw::REGISTER:
        if (register_)
            return gload::alreadyLoaded;
        register_ = readRegisterTag(value);
        if (!register_)
            return gload::invalidValue;
        relink();
        return gload::accepted;
    case kw::X_COORDINATE: return loadAxis(xAxis_, value);
    case kw::Y_COORDINATE: return loadAxis(yAxis_, value);
    case kw::BOUNDS: return loadRectangle(plot_, value, true);
    case kw::LABEL_BOUNDS: return loadRectangle(label_, value, true);
    case kw::LABEL: {
        if (labelRegister_)
            return gload::alreadyLoaded;
        gregister* reg = readRegisterTag(value);
        labelRegister_ = reg ? reg->getStringSupplement() : nullptr;
        if (!labelRegister_)
            return gload::invalidValue;
        relink();
        return gload::accepted;
    }
    default: return ggraphObject::loadField(token, value);
    }
}

gloadStatus gindMarker::loadAxis(axis& target, const gstr& value)
{
    if (target.part)
        return gload::alreadyLoaded;
    gstr tag;
    const char* next = nullptr;
    if (tag.parse(value.data(), next) != itemResult::comma || tag.isEmpty())
        return gload::invalidValue;
    gregister* reg = referenceRegister(tag);
    ganalogSupplement* part = reg->getAnalogSupplement();
    if (!part)
        return gload::invalidValue;
    target.part = part;
    relink();
    int keyword = -1;
    if (parseKeywordItem(next, keyword, next) != itemResult::comma)
        return gload::invalidValue;
    int shows = 0;
    for (int i = 0; i < 3; ++i) {
        if (showsTokens[i] == keyword)
            shows = i + 1;
    }
    double minimum = 0;
    double maximum = 0;
    if (shows == 0 || parseDoubleItem(next, minimum, next) != itemResult::comma || minimum == HUGE_VAL
        || parseDoubleItem(next, maximum) != itemResult::end || maximum == HUGE_VAL)
        return gload::invalidValue;
    target.shows = shows;
    target.minimum = minimum;
    target.maximum = maximum;
    return gload::accepted;
}

void gindMarker::afterLoad()
{
    if (!anyLabelText())
        placeDefaultLabel();
    recalcBounds();
}

bool gindMarker::isComplete() const
{
    int present = 0;
    for (const auto& each : records_)
        present += each ? 1 : 0;
    if (register_ ? present == 0 : (!records_[gstate::off] || present != 1))
        return false;
    if (plot_.isEmpty() || !xAxis_.part || !yAxis_.part)
        return false;
    return anyLabelText() ? !label_.isEmpty() : labelRegister_ == nullptr;
}

void gindMarker::placeDefaultLabel()
{
    grect images;
    for (const auto& each : records_) {
        if (each)
            images.uniteWith(each->imageRect(0, 0));
    }
    if (images.isEmpty())
        images = grect{0, 0, 0, 0};
    int64_t below = int64_t(images.bottom) + 2;
    int64_t beside = int64_t(images.right) + 4;
    int32_t left = below < beside ? 0 : wrapCoordinate(beside);
    int32_t top = below < beside ? wrapCoordinate(below) : 0;
    label_ = grect{left, top, wrapCoordinate(int64_t(left) + 100), wrapCoordinate(int64_t(top) + 14)};
}

// The preview.

void gindMarker::previewPoint(int32_t& x, int32_t& y) const
{
    grect p = transformRect(plot_).normalized();
    int64_t bx = positionNumber(xAxis_.shows);
    int64_t by = positionNumber(yAxis_.shows);
    if (xAxis_.maximum == xAxis_.minimum)
        x = p.right;
    else if (xAxis_.maximum > xAxis_.minimum)
        x = share(p.left, p.right, bx);
    else
        x = share(p.right, p.left, bx);
    if (yAxis_.maximum == yAxis_.minimum)
        y = p.bottom;
    else if (yAxis_.minimum > yAxis_.maximum)
        y = share(p.top, p.bottom, by);
    else
        y = share(p.bottom, p.top, by);
}

void gindMarker::previewTrace(gpoint* points) const
{
    grect p = transformRect(plot_).normalized();
    int64_t w = p.width();
    int64_t h = p.height();
    int64_t xs[4];
    int64_t ys[4];
    if (xAxis_.maximum == xAxis_.minimum) {
        xs[0] = xs[1] = xs[2] = xs[3] = p.right;
    } else if (xAxis_.maximum > xAxis_.minimum) {
        xs[0] = p.left + rounded(0.833, w);
        xs[1] = p.left - rounded(0.107, w);
        xs[2] = (int64_t(p.left) + 2 * int64_t(p.right)) / 3;
        xs[3] = p.left + rounded(0.543, w);
    } else {
        xs[0] = p.right - rounded(0.833, w);
        xs[1] = p.right + rounded(0.107, w);
        xs[2] = (int64_t(p.right) + 2 * int64_t(p.left)) / 3;
        xs[3] = p.right - rounded(0.543, w);
    }
    if (yAxis_.maximum == yAxis_.minimum) {
        ys[0] = ys[1] = ys[2] = ys[3] = p.bottom;
    } else if (yAxis_.minimum < yAxis_.maximum) {
        ys[0] = p.top + rounded(0.56, h);
        ys[1] = p.top + rounded(1.038, h);
        ys[2] = (int64_t(p.bottom) + 2 * int64_t(p.top)) / 3;
        ys[3] = p.top - rounded(0.283, h);
    } else {
        ys[0] = p.bottom - rounded(0.56, h);
        ys[1] = p.bottom - rounded(1.038, h);
        ys[2] = (int64_t(p.top) + 2 * int64_t(p.bottom)) / 3;
        ys[3] = p.bottom + rounded(0.283, h);
    }
    for (int i = 0; i < 4; ++i)
        points[i] = gpoint{wrapCoordinate(xs[i]), wrapCoordinate(ys[i])};
}

const gstr& gindMarker::labelText() const
{
    if (labelRegister_)
        return previewValues().stringText;
    return registerTitle(register_);
}

gmarkerPlacement gindMarker::placement(const gstr& text) const
{
    gmarkerPlacement place;
    place.plot = transformRect(plot_).normalized();
    previewPoint(place.x, place.y);
    place.label = label_;
    previewTrace(place.trace);
    place.text = &text;
    return place;
}

const gindMarkerLabel* gindMarker::chosen(bool forHit) const
{
    int s = previewValues().markerState;
    if (!register_ || s == gstate::plain)
        return records_[gstate::off].get();
    if (s == gstate::blink)
        s = blinkingState(registerLevel(register_));
    if (s < 0 || s > 4)
        return nullptr;
    const gindMarkerLabel* found = records_[s].get();
    if (!found && forHit && (s == gstate::blink || s == gstate::on))
        found = records_[5 - s].get();
    return found;
}

void gindMarker::draw(gdrawContext& dc) const
{
    if (const gindMarkerLabel* shown = chosen(false))
        shown->draw(dc, placement(labelText()));
}

void gindMarker::drawHandles(gdrawContext& dc, bool reshape) const
{
    dc.handle(plot_.left, plot_.top);
    dc.handle(plot_.left, plot_.bottom);
    dc.handle(plot_.right, plot_.top);
    dc.handle(plot_.right, plot_.bottom);
    if (!reshape || label_.isEmpty())
        return;
    int32_t x = 0;
    int32_t y = 0;
    previewPoint(x, y);
    grect box = label_.offset(x, y);
    dc.hollowHandle(box.left, box.top);
    dc.hollowHandle(box.right, box.top);
    dc.hollowHandle(box.left, box.bottom);
    dc.hollowHandle(box.right, box.bottom);
}

void gindMarker::recalcBounds()
{
    grect bounds = transformRect(plot_).normalized();
    if (bounds.isEmpty()) {
        setBounds(bounds);
        return;
    }
    gmarkerPlacement place = placement(labelText());
    if (!label_.isEmpty())
        bounds.uniteWith(label_.offset(place.x, place.y));
    for (const auto& each : records_) {
        if (each)
            bounds.uniteWith(each->area(place));
    }
    setBounds(bounds);
}

int gindMarker::hitTest(int32_t x, int32_t y, bool reshape, bool bodyOnly) const
{
    const gindMarkerLabel* shown = chosen(true);
    gmarkerPlacement place = placement(labelText());
    grect box = label_.offset(place.x, place.y);
    if (!bodyOnly) {
        if (reshape && !label_.isEmpty()) {
            if (int code = hitTestRectCorner(box, x, y, true, true))
                return code + 9;
        }
        if (shown && shown->hasLabelText() && box.contains(x, y))
            return 10;
        if (int code = hitTestRectCorner(transformRect(plot_).normalized(), x, y, true, true))
            return code;
    }
    return shown && shown->hitTest(place, x, y) ? 1 : 0;
}

void gindMarker::getHandlePoint(int code, int32_t& x, int32_t& y) const
{
    if (code <= 5) {
        getRectCorner(plot_, code, x, y);
        return;
    }
    int32_t px = 0;
    int32_t py = 0;
    previewPoint(px, py);
    getRectCorner(label_.offset(px, py), code - 9, x, y);
}

bool gindMarker::isInsideRect(const grect& rect) const
{
    const gindMarkerLabel* shown = chosen(true);
    if (!shown)
        return false;
    gmarkerPlacement place = placement(labelText());
    if (shown->hasLabelText() && !label_.offset(place.x, place.y).isInside(rect))
        return false;
    return shown->area(place).isInside(rect);
}

void gindMarker::moveHandle(int code, int32_t dx, int32_t dy)
{
    if (code < 6)
        plot_.moveHandle(code, dx, dy);
    else if (code >= 10 && code <= 14)
        label_.moveHandle(code - 9, dx, dy);
}

void gindMarker::transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV)
{
    plot_.transform(cx2, cy2, rotation, flipH, flipV);
    label_.transformPosition(0, 0, rotation, flipH, flipV);
    if (rotation == 1) {
        std::swap(xAxis_, yAxis_);
        std::swap(xAxis_.minimum, xAxis_.maximum);
    } else if (rotation != 0) {
        std::swap(xAxis_, yAxis_);
        std::swap(yAxis_.minimum, yAxis_.maximum);
    } else {
        if (flipH)
            std::swap(xAxis_.minimum, xAxis_.maximum);
        if (flipV)
            std::swap(yAxis_.minimum, yAxis_.maximum);
    }
}

void gindMarker::endGeometryChange()
{
    plot_ = transformRect(plot_).normalized();
    label_ = label_.normalized();
    resetTransform();
}

// Creation and properties.

int gindMarker::beginCreate(int32_t x, int32_t y)
{
    const gpropMarker& set = drawingDefaults().marker;
    plot_ = grect{x, y, x, y};
    register_ = referredObject(set.reg);
    xAxis_.part = referredObject(set.xReg);
    yAxis_.part = referredObject(set.yReg);
    labelRegister_ = referredObject(set.labelReg);
    set.xShows.getOr(xAxis_.shows, 1);
    set.yShows.getOr(yAxis_.shows, 1);
    set.xMinimum.getOr(xAxis_.minimum, 0.0);
    set.xMaximum.getOr(xAxis_.maximum, 100.0);
    set.yMinimum.getOr(yAxis_.minimum, 0.0);
    set.yMaximum.getOr(yAxis_.maximum, 100.0);
    relink();
    for (auto& each : records_)
        each.reset();
    if (register_) {
        for (int i = 0; i < 5; ++i) {
            if (!set.states[i].enable.isTrue())
                continue;
            records_[i] = std::make_unique<gindMarkerLabel>();
            records_[i]->apply(set.states[i]);
        }
    } else {
        records_[gstate::off] = std::make_unique<gindMarkerLabel>();
        records_[gstate::off]->apply(set.staticRecord);
    }
    placeDefaultLabel();
    return rectCorner::bottomRight;
}

void gindMarker::drawCreateFeedback(gdrawContext& dc) const { dc.xorFrame(plot_); }

void gindMarker::setProperties(const gpropMarker& set, int id, int stateId)
{
    switch (id) {
    case gprop::registerRef:
        register_ = referredObject(set.reg);
        if (!register_) {
            for (int from : {3, 2, 1, 0}) {
                if (!records_[gstate::off] && records_[from])
                    records_[gstate::off] = std::move(records_[from]);
            }
            for (int i = 0; i < 4; ++i)
                records_[i].reset();
        }
        relink();
        return;
    case gprop::xRegister:
        xAxis_.part = referredObject(set.xReg);
        relink();
        return;
    case gprop::yRegister:
        yAxis_.part = referredObject(set.yReg);
        relink();
        return;
    case gprop::labelRegister:
        labelRegister_ = referredObject(set.labelReg);
        relink();
        return;
    case gprop::xShows: set.xShows.getOr(xAxis_.shows, 1); return;
    case gprop::yShows: set.yShows.getOr(yAxis_.shows, 1); return;
    case gprop::xMinimum: set.xMinimum.getOr(xAxis_.minimum, 0.0); return;
    case gprop::xMaximum: set.xMaximum.getOr(xAxis_.maximum, 100.0); return;
    case gprop::minimum: set.yMinimum.getOr(yAxis_.minimum, 0.0); return;
    case gprop::maximum: set.yMaximum.getOr(yAxis_.maximum, 100.0); return;
    default: break;
    }
    const gpropMarkerValues* values = set.record(stateId);
    if (!values)
        return;
    bool stateful = register_ && stateId != gstate::plain;
    if (id == gprop::enable) {
        if (!stateful || !values->enable.hasValue())
            return;
        std::unique_ptr<gindMarkerLabel>& slot = records_[stateId];
        if (values->enable.isTrue()) {
            if (!slot)
                slot = std::make_unique<gindMarkerLabel>();
            slot->apply(*values);
            return;
        }
        int present = 0;
        for (const auto& each : records_)
            present += each ? 1 : 0;
        if (slot && present > 1)
            slot.reset();
        return;
    }
    gindMarkerLabel* target = nullptr;
    if (stateful)
        target = records_[stateId].get();
    else if (!register_ && stateId == gstate::plain)
        target = records_[gstate::off].get();
    if (target)
        target->applyOne(*values, id);
}

void gindMarker::collectProperties(gdrawingProperties& record) const
{
    gpropMarker& set = record.marker;
    set.reg.merge(register_);
    set.xReg.merge(xAxis_.part);
    set.yReg.merge(yAxis_.part);
    set.labelReg.merge(labelRegister_);
    set.xShows.merge(xAxis_.shows);
    set.yShows.merge(yAxis_.shows);
    set.xMinimum.merge(xAxis_.minimum);
    set.xMaximum.merge(xAxis_.maximum);
    set.yMinimum.merge(yAxis_.minimum);
    set.yMaximum.merge(yAxis_.maximum);
    if (!register_) {
        if (records_[gstate::off]) {
            set.staticRecord.enable.merge(1);
            records_[gstate::off]->mergeInto(set.staticRecord);
        }
        return;
    }
    for (int i = 0; i < 5; ++i) {
        set.states[i].enable.merge(records_[i] ? 1 : 0);
        if (records_[i])
            records_[i]->mergeInto(set.states[i]);
    }
}

void gindMarker::refreshPreview(bool blinkTick)
{
    if (blinkTick && registerLevel(register_) < 3)
        return;
    invalidate(getBounds());
}

ggraphObject* gindMarker::clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const
{
    return new gindMarker(*this, dx, dy, screen, linkReferences);
}

bool gindMarker::usesRegister(const gregister* reg) const
{
    return reg
        && (register_ == reg || ownerOf(xAxis_.part) == reg || ownerOf(yAxis_.part) == reg
            || ownerOf(labelRegister_) == reg);
}

void gindMarker::imagesUnloading()
{
    invalidate(getBounds());
    for (auto& each : records_) {
        if (each)
            each->imagesUnloading();
    }
    recalcBounds();
    invalidate(getBounds());
}

void gindMarker::imagesLoaded(bool quiet)
{
    if (!quiet)
        invalidate(getBounds());
    for (auto& each : records_) {
        if (each)
            each->imagesLoaded(quiet);
    }
    recalcBounds();
    if (!quiet)
        invalidate(getBounds());
}

void gindMarker::collectImages() const
{
    for (const auto& each : records_) {
        if (each)
            each->collectImages();
    }
}

int gindMarker::replaceText(const gscreenBatchChange& change, gstr& log)
{
    int count = 0;
    if (change.registers) {
        uses_.clear();
        // One reference: a single replacement in its tag, then the register
        // of the new tag when it has the part needed.
        auto rebind = [&](gregister* current, int wrongClassId, auto take) {
            if (!current)
                return;
            gstr tag(current->getTag());
            if (!change.replaceFirstIn(tag))
                return;
            gstr line;
            gregister* found = station::registers().find(tag);
            if (!found)
                log.append(line.format(noRegisterText, tag, current->getTitle(true)));
            else if (!take(*found))
                log.append(line.format(wrongClassId, tag, current->getTitle(true)));
            else
                ++count;
        };
        rebind(register_, 0, [this](gregister& reg) {
            register_ = &reg;
            return true;
        });
        rebind(ownerOf(xAxis_.part), notAnalogText, [this](gregister& reg) {
            ganalogSupplement* part = reg.getAnalogSupplement();
            xAxis_.part = part ? part : xAxis_.part;
            return part != nullptr;
        });
        rebind(ownerOf(yAxis_.part), notAnalogText, [this](gregister& reg) {
            ganalogSupplement* part = reg.getAnalogSupplement();
            yAxis_.part = part ? part : yAxis_.part;
            return part != nullptr;
        });
        rebind(ownerOf(labelRegister_), notStringText, [this](gregister& reg) {
            gstringSupplement* part = reg.getStringSupplement();
            labelRegister_ = part ? part : labelRegister_;
            return part != nullptr;
        });
        relink();
    }
    for (auto& each : records_) {
        if (each)
            count += each->replaceText(change);
    }
    return count;
}
