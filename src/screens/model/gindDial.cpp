#include "screens/model/gindDial.h"

#include "foundation/rectCorner.h"
#include "foundation/valueParsers.h"
#include "registers/ganalogSupplement.h"
#include "registers/gregister.h"
#include "screens/model/gdrawContext.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/gpreviewValues.h"
#include "screens/model/gshapeGeometry.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int notAnalogText = 20140;
constexpr int recordTokens[11] = {kw::MASKED_STATE,       kw::ERROR_STATE,     kw::BLINK_STATE,     kw::ON_STATE,
                                  kw::OFF_STATE,          kw::TOP_BLINK_STATE, kw::TOP_ON_STATE,    kw::TOP_OFF_STATE,
                                  kw::MARKER_BLINK_STATE, kw::MARKER_ON_STATE, kw::MARKER_OFF_STATE};
constexpr int valueShownTokens[3] = {kw::VALUE, kw::MINIMUM, kw::MAXIMUM};

int32_t kindOfState(int state) { return state <= 7 ? gindFillStyle::kindArea : gindFillStyle::kindUndecided; }

int32_t sixth(int64_t b, int64_t low, int64_t a, int64_t high)
{
    return static_cast<int32_t>((b * low + a * high) / 6);
}

} // namespace

gindDial::gindDial(const gindDial& source, int32_t dx, int32_t dy, fscreen* screen, bool linkReferences)
    : gindObject(source, dx, dy, screen), rect_(source.rect_.offset(dx, dy)), register_(source.register_),
      valueShown_(source.valueShown_), horizontal_(source.horizontal_), maximum_(source.maximum_),
      minimum_(source.minimum_)
{
    for (int i = 0; i < 11; ++i) {
        if (source.records_[i])
            records_[i] = std::make_unique<gindFillStyle>(*source.records_[i]);
    }
    if (linkReferences)
        linkRegister(boundRegister());
}

gindDial::~gindDial() = default;

gregister* gindDial::boundRegister() const { return register_ ? &register_->getRegister() : nullptr; }

const gindFillStyle* gindDial::record(int state) const noexcept
{
    return state >= 0 && state < 11 ? records_[state].get() : nullptr;
}

// Storing.

void gindDial::writeHeader(CObjectFile& file, int indent) const { writeKeywordLine(file, indent, kw::DIAL); }

void gindDial::writeFields(CObjectFile& file, int indent) const
{
    ggraphObject::writeFields(file, indent);
    if (register_) {
        writeKeyOf(file, indent, kw::REGISTER);
        register_->getRegisterTag().write(file, 2);
        gkeyword::byToken(valueShownTokens[std::clamp(valueShown_, 1, 3) - 1]).writeValue(file, 2);
        file.writeReal(minimum_, 2);
        file.writeReal(maximum_, 1);
    }
    if (!rect_.isEmpty())
        writeRectangle(file, indent, kw::BOUNDS, rect_);
    if (horizontal_ == 1) {
        writeKeyOf(file, indent, kw::HORIZONTAL);
        gkeyword::byToken(kw::YES).writeValue(file, 1);
    }
    for (int i = 0; i < 11; ++i) {
        if (!records_[i])
            continue;
        writeKeywordLine(file, indent, recordTokens[i]);
        records_[i]->writeEmbedded(file, indent);
    }
}

gloadStatus gindDial::loadField(int token, gstr& value)
{
    for (int i = 0; i < 11; ++i) {
        if (token != recordTokens[i])
            continue;
        if (!value.isEmpty())
            return gload::invalidValue;
        if (records_[i])
            return gload::alreadyLoaded;
        records_[i] = std::make_unique<gindFillStyle>(kindOfState(i));
        loadEmbeddedObject(records_[i].get());
        return gload::accepted;
    }
    switch (token) {
    case kw::BOUNDS: return loadRectangle(rect_, value, true);
    case kw::HORIZONTAL: return loadBooleanKeyword(value, horizontal_, kw::YES, kw::NO);
    case kw::REGISTER: return loadDialRegister(value);
    default: return ggraphObject::loadField(token, value);
    }
}

gloadStatus gindDial::loadDialRegister(const gstr& value)
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
    int keyword = -1;
    if (parseKeywordItem(next, keyword, next) != itemResult::comma)
        return gload::invalidValue;
    int shown = 0;
    for (int i = 0; i < 3; ++i) {
        if (valueShownTokens[i] == keyword)
            shown = i + 1;
    }
    double minimum = 0;
    double maximum = 0;
    if (shown == 0 || parseDoubleItem(next, minimum, next) != itemResult::comma || !std::isfinite(minimum)
        || parseDoubleItem(next, maximum) != itemResult::end || !std::isfinite(maximum))
        return gload::invalidValue;
    valueShown_ = shown;
    minimum_ = minimum;
    maximum_ = maximum;
    return gload::accepted;
}

void gindDial::afterLoad()
{
    if (horizontal_ == -1)
        horizontal_ = 0;
    recalcBounds();
}

bool gindDial::isComplete() const
{
    if (rect_.isEmpty() || !register_)
        return false;
    for (const auto& each : records_) {
        if (each)
            return true;
    }
    return false;
}

// Geometry.

grect gindDial::partRect(int state) const
{
    grect r = transformRect(rect_).normalized();
    if (state <= 1)
        return r;
    int64_t a = valueShown_ == 1 ? 4 : valueShown_ == 2 ? 2 : valueShown_ == 3 ? 5 : 0;
    int64_t b = 6 - a;
    bool bottom = state <= 4;
    bool top = state >= 5 && state <= 7;
    if (maximum_ == minimum_) {
        if (bottom)
            return r;
        return horizontal_ == 1 ? grect{r.right, r.top, r.right, r.bottom} : grect{r.left, r.top, r.right, r.top};
    }
    bool rising = maximum_ > minimum_;
    if (horizontal_ == 1) {
        int32_t x = rising ? sixth(b, r.left, a, r.right) : sixth(b, r.right, a, r.left);
        if (bottom)
            return rising ? grect{r.left, r.top, x, r.bottom} : grect{x, r.top, r.right, r.bottom};
        if (top)
            return rising ? grect{x, r.top, r.right, r.bottom} : grect{r.left, r.top, x, r.bottom};
        return grect{x, r.top, x, r.bottom};
    }
    int32_t y = rising ? sixth(b, r.bottom, a, r.top) : sixth(b, r.top, a, r.bottom);
    if (bottom)
        return rising ? grect{r.left, y, r.right, r.bottom} : grect{r.left, r.top, r.right, y};
    if (top)
        return rising ? grect{r.left, r.top, r.right, y} : grect{r.left, y, r.right, r.bottom};
    return grect{r.left, y, r.right, y};
}

bool gindDial::blinking() const { return registerLevel(boundRegister()) >= 3 && previewValues().blinkPhase == 1; }

void gindDial::draw(gdrawContext& dc) const
{
    int s = previewValues().dialState;
    int order[3] = {-1, -1, -1};
    bool blinkState = s == 2 || s == 5 || s == 8;
    if (s == 0 || s == 1)
        order[0] = s;
    else if (blinkState && blinking())
        order[0] = 5, order[1] = 2, order[2] = 8;
    else if (blinkState || s == 3 || s == 6 || s == 9)
        order[0] = 6, order[1] = 3, order[2] = 9;
    else
        order[0] = 7, order[1] = 4, order[2] = 10;
    for (int state : order) {
        if (state >= 0 && records_[state])
            records_[state]->draw(dc, partRect(state));
    }
}

// The records a hit test tries in turn: the state's part records with the
// fall-backs from blink to on.
void gindDial::recordsForHit(int* order) const
{
    int s = previewValues().dialState;
    auto pick = [this](int first, int second) { return records_[first] ? first : second; };
    order[0] = order[1] = order[2] = -1;
    if (s == 0 || s == 1) {
        order[0] = s;
        return;
    }
    bool blinkState = s == 2 || s == 5 || s == 8;
    if (blinkState && blinking()) {
        order[0] = pick(8, 9);
        order[1] = pick(2, 3);
        order[2] = pick(5, 6);
    } else if (blinkState || s == 3 || s == 6 || s == 9) {
        order[0] = 9, order[1] = 3, order[2] = 6;
    } else {
        order[0] = 10, order[1] = 4, order[2] = 7;
    }
}

void gindDial::drawHandles(gdrawContext& dc, bool) const
{
    dc.handle(rect_.left, rect_.top);
    dc.handle(rect_.left, rect_.bottom);
    dc.handle(rect_.right, rect_.top);
    dc.handle(rect_.right, rect_.bottom);
}

void gindDial::recalcBounds()
{
    grect bounds = transformRect(rect_).normalized();
    for (int i = 0; i < 11; ++i) {
        if (records_[i])
            bounds.uniteWith(records_[i]->area(partRect(i)));
    }
    setBounds(bounds);
}

int gindDial::hitTest(int32_t x, int32_t y, bool, bool bodyOnly) const
{
    if (!bodyOnly) {
        if (int code = hitTestRectCorner(transformRect(rect_).normalized(), x, y, true, true))
            return code;
    }
    int order[3];
    recordsForHit(order);
    for (int state : order) {
        if (state >= 0 && records_[state] && records_[state]->hitTest(partRect(state), x, y))
            return 1;
    }
    return 0;
}

void gindDial::getHandlePoint(int code, int32_t& x, int32_t& y) const { getRectCorner(rect_, code, x, y); }

bool gindDial::isInsideRect(const grect& rect) const
{
    int order[3];
    recordsForHit(order);
    grect area;
    for (int state : order) {
        if (state >= 0 && records_[state])
            area.uniteWith(records_[state]->area(partRect(state)));
    }
    return area.isInside(rect);
}

void gindDial::transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV)
{
    rect_.transform(cx2, cy2, rotation, flipH, flipV);
    bool wasHorizontal = horizontal_ == 1;
    if (rotation != 0) {
        horizontal_ = wasHorizontal ? 0 : 1;
        if ((rotation == 1 && !wasHorizontal) || (rotation != 1 && wasHorizontal))
            std::swap(minimum_, maximum_);
        return;
    }
    if ((wasHorizontal && flipH) || (!wasHorizontal && flipV))
        std::swap(minimum_, maximum_);
}

void gindDial::endGeometryChange()
{
    rect_ = transformRect(rect_).normalized();
    resetTransform();
}

// Creation and properties.

int gindDial::beginCreate(int32_t x, int32_t y)
{
    const gpropDial& set = drawingDefaults().dial;
    rect_ = grect{x, y, x, y};
    set.valueShown.getOr(valueShown_, 1);
    horizontal_ = set.horizontal.hasValue() ? set.horizontal.get() : 0;
    set.maximum.getOr(maximum_, 100.0);
    set.minimum.getOr(minimum_, 0.0);
    register_ = referredObject(set.reg);
    linkRegister(boundRegister());
    for (int i = 0; i < 11; ++i) {
        records_[i].reset();
        if (!set.states[i].enable.isTrue())
            continue;
        records_[i] = std::make_unique<gindFillStyle>(kindOfState(i));
        records_[i]->apply(set.states[i]);
    }
    return rectCorner::bottomRight;
}

void gindDial::drawCreateFeedback(gdrawContext& dc) const
{
    for (int i = 0; i <= 7; ++i) {
        if (records_[i])
            return;
    }
    dc.xorFrame(rect_);
}

void gindDial::setProperties(const gpropDial& set, int id, int stateId)
{
    switch (id) {
    case gprop::registerRef:
        register_ = referredObject(set.reg);
        linkRegister(boundRegister());
        return;
    case gprop::valueShown: set.valueShown.getOr(valueShown_, 1); return;
    case gprop::horizontal: horizontal_ = set.horizontal.hasValue() ? set.horizontal.get() : 0; return;
    case gprop::minimum: set.minimum.getOr(minimum_, 0.0); return;
    case gprop::maximum: set.maximum.getOr(maximum_, 100.0); return;
    default: break;
    }
    if (stateId < 0 || stateId > 10)
        return;
    std::unique_ptr<gindFillStyle>& slot = records_[stateId];
    const gstateFill& state = set.states[stateId];
    if (id != gprop::enable) {
        if (slot)
            slot->applyOne(state, id);
        return;
    }
    if (!state.enable.hasValue())
        return;
    if (state.enable.isTrue()) {
        if (!slot) {
            slot = std::make_unique<gindFillStyle>(kindOfState(stateId));
            slot->apply(state);
        }
        return;
    }
    int present = 0;
    for (const auto& each : records_)
        present += each ? 1 : 0;
    if (slot && present > 1)
        slot.reset();
}

void gindDial::collectProperties(gdrawingProperties& record) const
{
    gpropDial& set = record.dial;
    set.reg.merge(register_);
    set.valueShown.merge(valueShown_);
    set.horizontal.merge(horizontal_);
    set.maximum.merge(maximum_);
    set.minimum.merge(minimum_);
    for (int i = 0; i < 11; ++i) {
        set.states[i].enable.merge(records_[i] ? 1 : 0);
        if (records_[i])
            records_[i]->mergeInto(set.states[i]);
    }
}

void gindDial::refreshPreview(bool blinkTick)
{
    if (blinkTick && registerLevel(boundRegister()) <= 2)
        return;
    invalidate(getBounds());
}

ggraphObject* gindDial::clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const
{
    return new gindDial(*this, dx, dy, screen, linkReferences);
}

bool gindDial::usesRegister(const gregister* reg) const { return reg && boundRegister() == reg; }

void gindDial::imagesUnloading()
{
    invalidate(getBounds());
    for (auto& each : records_) {
        if (each)
            each->imagesUnloading();
    }
    recalcBounds();
    invalidate(getBounds());
}

void gindDial::imagesLoaded(bool quiet)
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

void gindDial::collectImages() const
{
    for (const auto& each : records_) {
        if (each)
            each->collectImages();
    }
}

int gindDial::replaceText(const gscreenBatchChange& change, gstr& log)
{
    return rebindByTag(change, log, boundRegister(), notAnalogText, [this](gregister& reg) {
        ganalogSupplement* part = reg.getAnalogSupplement();
        if (!part)
            return false;
        register_ = part;
        linkRegister(&reg);
        return true;
    });
}
