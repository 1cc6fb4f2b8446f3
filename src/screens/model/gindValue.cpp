#include "screens/model/gindValue.h"

#include "foundation/rectCorner.h"
#include "foundation/valueParsers.h"
#include "registers/gregister.h"
#include "registers/gregisterSupplement.h"
#include "registers/sources/gregisterSource.h"
#include "screens/model/gdrawContext.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/gpreviewValues.h"
#include "screens/model/gscreenBatchChange.h"
#include "screens/model/gshapeGeometry.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int styleTokens[3] = {kw::BLINK_STYLE, kw::ON_STYLE, kw::OFF_STYLE};

int32_t clampCoordinate(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

grect box(int64_t left, int64_t top, int64_t right, int64_t bottom)
{
    return grect{clampCoordinate(left), clampCoordinate(top), clampCoordinate(right), clampCoordinate(bottom)};
}

} // namespace

gindValue::gindValue(const gindValue& source, int32_t dx, int32_t dy, fscreen* screen)
    : gindObject(source, dx, dy, screen), bounds_(source.bounds_.offset(dx, dy)), prefix_(source.prefix_),
      suffix_(source.suffix_), leftMargin_(source.leftMargin_), rightMargin_(source.rightMargin_)
{
    for (int i = 0; i < 2; ++i) {
        if (source.texts_[i])
            texts_[i] = std::make_unique<gindTextObjectInfo>(*source.texts_[i]);
    }
    for (int i = 0; i < 3; ++i) {
        if (source.styles_[i])
            styles_[i] = std::make_unique<gtextInfo>(*source.styles_[i]);
    }
}

gindValue::~gindValue() = default;

const gindTextObjectInfo* gindValue::textState(int state) const noexcept
{
    return state == 0 || state == 1 ? texts_[state].get() : nullptr;
}

const gtextInfo* gindValue::styleState(int state) const noexcept
{
    return state >= 2 && state <= 4 ? styles_[state - 2].get() : nullptr;
}

void gindValue::styleExponent(gtextInfo&, int32_t&) const {}

gregister* gindValue::boundRegister() const
{
    gregisterSupplement* part = getRegisterPart(false);
    return part ? &part->getRegister() : nullptr;
}

// Storing.

void gindValue::writeRegister(CObjectFile& file, int indent) const
{
    gregisterSupplement* part = getRegisterPart(true);
    if (!part)
        return;
    writeKeyOf(file, indent, kw::REGISTER);
    part->getRegisterTag().write(file, 1);
}

void gindValue::writeTextState(CObjectFile& file, int indent, int token, int state) const
{
    if (!texts_[state])
        return;
    writeKeywordLine(file, indent, token);
    texts_[state]->writeEmbedded(file, indent);
}

void gindValue::writeFields(CObjectFile& file, int indent) const
{
    ggraphObject::writeFields(file, indent);
    writeRegister(file, indent);
    if (!prefix_.isEmpty()) {
        writeKeyOf(file, indent, kw::PREFIX2);
        prefix_.write(file, 1);
    }
    if (!suffix_.isEmpty()) {
        writeKeyOf(file, indent, kw::SUFFIX2);
        suffix_.write(file, 1);
    }
    if (!bounds_.isEmpty())
        writeRectangle(file, indent, kw::BOUNDS, bounds_);
    if (leftMargin_ > 0) {
        writeKeyOf(file, indent, kw::LEFT_MARGIN);
        file.writeInt(leftMargin_, 1);
    }
    if (rightMargin_ > 0) {
        writeKeyOf(file, indent, kw::RIGHT_MARGIN);
        file.writeInt(rightMargin_, 1);
    }
    writeTextState(file, indent, kw::MASKED_STATE, 0);
    writeTextState(file, indent, kw::ERROR_STATE, 1);
    for (int state : {3, 2, 4}) {
        if (const gtextInfo* style = styleState(state)) {
            writeKeyOf(file, indent, styleTokens[state - 2]);
            style->write(file, 1);
        }
    }
}

gloadStatus gindValue::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::BOUNDS: return loadRectangle(bounds_, value, true);
    case kw::PREFIX: return loadTemplate(prefix_, value, true);
    case kw::PREFIX2: return loadTemplate(prefix_, value, false);
    case kw::SUFFIX: return loadTemplate(suffix_, value, true);
    case kw::SUFFIX2: return loadTemplate(suffix_, value, false);
    case kw::LEFT_MARGIN: return loadMargin(leftMargin_, value);
    case kw::RIGHT_MARGIN: return loadMargin(rightMargin_, value);
    case kw::MASKED_STATE: return loadTextState(0, value);
    case kw::ERROR_STATE: return loadTextState(1, value);
    case kw::BLINK_STYLE: return loadStyle(2, value);
    case kw::ON_STYLE: return loadStyle(3, value);
    case kw::OFF_STYLE: return loadStyle(4, value);
    case kw::REGISTER: return loadRegister(value);
    default: return ggraphObject::loadField(token, value);
    }
}

gloadStatus gindValue::loadTemplate(gstr& target, const gstr& value, bool literal)
{
    if (!target.isNull())
        return gload::alreadyLoaded;
    gstr text;
    if (!text.parseValue(value.data()))
        return gload::invalidValue;
    if (literal)
        text.escapePercent();
    if (text.isNull())
        text.resize(0);
    target.adopt(text);
    return gload::accepted;
}

gloadStatus gindValue::loadMargin(int32_t& margin, const gstr& value)
{
    if (margin != -1)
        return gload::alreadyLoaded;
    int32_t read = 0;
    if (parseIntItem(value.data(), read) != itemResult::end || read < 0)
        return gload::invalidValue;
    margin = read;
    return gload::accepted;
}

gloadStatus gindValue::loadTextState(int state, const gstr&)
{
    if (texts_[state])
        return gload::alreadyLoaded;
    texts_[state] = std::make_unique<gindTextObjectInfo>();
    loadEmbeddedObject(texts_[state].get());
    return gload::accepted;
}

gloadStatus gindValue::loadStyle(int state, const gstr& value)
{
    std::unique_ptr<gtextInfo>& style = styles_[state - 2];
    if (style)
        return gload::alreadyLoaded;
    gtextInfo read;
    if (read.parse(value.data()) != itemResult::end)
        return gload::invalidValue;
    style = std::make_unique<gtextInfo>(read);
    return gload::accepted;
}

gloadStatus gindValue::loadRegister(const gstr& value)
{
    if (getRegisterPart(false))
        return gload::alreadyLoaded;
    gregister* reg = readRegisterTag(value);
    if (!reg || !bindRegister(reg))
        return gload::invalidValue;
    linkRegister(reg);
    return gload::accepted;
}

void gindValue::afterLoad()
{
    recalcBounds();
    if (leftMargin_ == -1)
        leftMargin_ = 0;
    if (rightMargin_ == -1)
        rightMargin_ = 0;
    if (prefix_.isNull())
        prefix_.resize(0);
    if (suffix_.isNull())
        suffix_.resize(0);
}

bool gindValue::isComplete() const
{
    if (bounds_.isEmpty() || !getRegisterPart(false))
        return false;
    return styles_[0] || styles_[1] || styles_[2];
}

// Drawing.

int gindValue::shownState() const
{
    int s = previewState();
    if (s == gstate::blink)
        s = blinkingState(registerLevel(boundRegister()));
    return s >= 0 && s <= 4 ? s : -1;
}

void gindValue::draw(gdrawContext& dc) const
{
    int s = shownState();
    if (s < 0)
        return;
    const gstr& title = registerTitle(boundRegister());
    gstr value;
    gstr exponent;
    gstr prefix;
    gstr suffix;
    gtextInfo style;
    if (s <= 1) {
        if (!texts_[s])
            return;
        value.substitute(texts_[s]->getText(), title);
        style = texts_[s]->getTextInfo();
    } else {
        if (!styles_[s - 2])
            return;
        prefix.substitute(prefix_, title);
        suffix.substitute(suffix_, title);
        formatValue(value, exponent);
        style = *styles_[s - 2];
    }
    grect r = transformRect(bounds_).normalized();
    int64_t lm = scaleLength(std::max(leftMargin_, 0));
    int64_t rm = scaleLength(std::max(rightMargin_, 0));
    gtextInfo column = style;
    if (lm > 0) {
        column.setAlignment(gtextInfo::right);
        dc.text(box(r.left, r.top, std::min<int64_t>(r.left + lm - 1, r.right), r.bottom), prefix, column);
    } else {
        prefix.append(value);
        value.adopt(prefix);
    }
    if (rm > 0) {
        column.setAlignment(gtextInfo::left);
        grect s2 = box(std::max<int64_t>(int64_t(r.right) - rm + 1, r.left + lm), r.top, r.right, r.bottom);
        if (s2.left < s2.right)
            dc.text(s2, suffix, column);
        suffix.clear();
    } else if (exponent.isEmpty()) {
        value.append(suffix);
    }
    if (int64_t(r.right) - rm < int64_t(r.left) + lm)
        return;
    grect v = box(int64_t(r.left) + lm, r.top, int64_t(r.right) - rm, r.bottom);
    if (exponent.isEmpty()) {
        dc.text(v, value, style);
        return;
    }
    drawWithExponent(dc, v, style, value, exponent, suffix);
}

void gindValue::drawWithExponent(gdrawContext& dc, const grect& v, const gtextInfo& style, const gstr& value,
                                 const gstr& exponent, const gstr& suffix) const
{
    gtextInfo h = style;
    h.setSingleLine();
    gtextInfo x = style;
    int32_t raise = 0;
    styleExponent(x, raise);
    int32_t a = h.getAlignment();
    int64_t we = 0;
    if (a != gtextInfo::left || !suffix.isEmpty()) {
        gstr measured(exponent);
        if (a == gtextInfo::right && !measured.isEmpty() && measured[0] == '-')
            *measured.at(0) = '+';
        we = dc.textWidth(measured, x);
    }
    int64_t wv = dc.textWidth(value, h);
    int64_t ws = a != gtextInfo::left && !suffix.isEmpty() ? dc.textWidth(suffix, h) : 0;
    int64_t bRight = v.right, eLeft = v.left, eRight = v.right, sLeft = v.left;
    if (a == gtextInfo::left) {
        bRight = std::min<int64_t>(int64_t(v.left) + wv - 1, v.right);
        eLeft = bRight + 1;
        if (!suffix.isEmpty()) {
            eRight = std::min<int64_t>(eLeft + we - 1, v.right);
            sLeft = eRight + 1;
        }
    } else if (a == gtextInfo::center) {
        int64_t start = v.left + (int64_t(v.right) - v.left + 1 - ws - wv - we) / 2;
        bRight = start + wv - 1;
        eLeft = start + wv;
        if (!suffix.isEmpty()) {
            eRight = eLeft + we - 1;
            sLeft = eLeft + we;
        }
        bRight = std::min<int64_t>(bRight, v.right);
        eRight = std::min<int64_t>(eRight, v.right);
        eLeft = std::max<int64_t>(eLeft, v.left);
        sLeft = std::max<int64_t>(sLeft, v.left);
        h.setAlignment(gtextInfo::right);
        x.setAlignment(gtextInfo::left);
    } else {
        if (!suffix.isEmpty()) {
            sLeft = std::max<int64_t>(int64_t(v.right) - ws + 1, v.left);
            eRight = sLeft - 1;
        }
        eLeft = std::max<int64_t>(eRight - we + 1, v.left);
        bRight = eLeft - 1;
    }
    int64_t eTop = int64_t(v.top) + dc.ascent(h) - dc.ascent(x) - raise;
    if (bRight >= v.left)
        dc.text(box(v.left, v.top, bRight, v.bottom), value, h);
    if (eRight >= eLeft)
        dc.text(box(eLeft, eTop, eRight, v.bottom), exponent, x);
    if (!suffix.isEmpty() && v.right >= sLeft) {
        if (a == gtextInfo::center)
            h.setAlignment(gtextInfo::left);
        dc.text(box(sLeft, v.top, v.right, v.bottom), suffix, h);
    }
}

void gindValue::drawHandles(gdrawContext& dc, bool reshape) const
{
    ggraphObject::drawHandles(dc, reshape);
    if (!reshape)
        return;
    grect r = transformRect(bounds_).normalized();
    int64_t lm = scaleLength(std::max(leftMargin_, 0));
    int64_t rm = scaleLength(std::max(rightMargin_, 0));
    int32_t left = clampCoordinate(std::min<int64_t>(r.left + lm, r.right));
    dc.marginMarker(left, r.top, left, r.bottom);
    int64_t right = int64_t(r.right) - rm;
    if (left < right)
        dc.marginMarker(clampCoordinate(right), r.top, clampCoordinate(right), r.bottom);
}

void gindValue::recalcBounds()
{
    grect r = transformRect(bounds_).normalized();
    if (r.isEmpty()) {
        setBounds(r);
        return;
    }
    setBounds(box(r.left, int64_t(r.top) - 2, r.right, int64_t(r.bottom) + 2));
}

int gindValue::hitTest(int32_t x, int32_t y, bool reshape, bool bodyOnly) const
{
    grect r = transformRect(bounds_).normalized();
    if (!bodyOnly) {
        int64_t lm = scaleLength(std::max(leftMargin_, 0));
        int64_t rm = scaleLength(std::max(rightMargin_, 0));
        if (reshape && (std::llabs(int64_t(y) - r.top) < 2 || std::llabs(int64_t(y) - r.bottom) < 2)) {
            if (std::llabs(int64_t(x) - (r.left + lm)) < 2)
                return 8;
            if (std::llabs(int64_t(x) - (int64_t(r.right) - rm)) < 2)
                return 9;
        }
        if (int code = hitTestRectCorner(r, x, y, true, true))
            return code;
    }
    return r.contains(x, y) ? 1 : 0;
}

void gindValue::getHandlePoint(int code, int32_t& x, int32_t& y) const
{
    if (code == 8 || code == 9) {
        x = clampCoordinate(code == 8 ? int64_t(bounds_.left) + std::max(leftMargin_, 0)
                                      : int64_t(bounds_.right) - std::max(rightMargin_, 0));
        y = bounds_.top;
        return;
    }
    getRectCorner(bounds_, code, x, y);
}

void gindValue::moveHandle(int code, int32_t dx, int32_t dy)
{
    int64_t width = bounds_.width();
    if (code == 8) {
        int64_t margin = int64_t(leftMargin_) + dx;
        leftMargin_ = static_cast<int32_t>(std::clamp<int64_t>(margin, 0, std::max<int64_t>(width - rightMargin_, 0)));
        return;
    }
    if (code == 9) {
        int64_t margin = int64_t(rightMargin_) - dx;
        rightMargin_ = static_cast<int32_t>(std::clamp<int64_t>(margin, 0, std::max<int64_t>(width - leftMargin_, 0)));
        return;
    }
    bounds_.moveHandle(code, dx, dy);
}

void gindValue::transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV)
{
    bounds_.transform(cx2, cy2, rotation, flipH, flipV);
}

void gindValue::endGeometryChange()
{
    bounds_ = transformRect(bounds_).normalized();
    int64_t width = bounds_.width();
    leftMargin_ = static_cast<int32_t>(std::min<int64_t>(scaleLength(std::max(leftMargin_, 0)), width));
    rightMargin_ = static_cast<int32_t>(std::min<int64_t>(scaleLength(std::max(rightMargin_, 0)), width - leftMargin_));
    resetTransform();
}

// Creation and properties.

int gindValue::beginCreateFrom(const gpropValueText& set, int32_t x, int32_t y)
{
    bounds_ = grect{x, y, x, y};
    leftMargin_ = 0;
    rightMargin_ = 0;
    set.prefix.getOr(prefix_, gstrSlice::empty);
    set.suffix.getOr(suffix_, gstrSlice::empty);
    if (prefix_.isNull())
        prefix_.resize(0);
    if (suffix_.isNull())
        suffix_.resize(0);
    for (int i = 0; i < 2; ++i) {
        texts_[i].reset();
        if (set.states[i].enable.isTrue()) {
            texts_[i] = std::make_unique<gindTextObjectInfo>();
            texts_[i]->applyState(set.states[i]);
        }
    }
    for (int i = 0; i < 3; ++i) {
        styles_[i].reset();
        if (set.states[i + 2].enable.isTrue()) {
            styles_[i] = std::make_unique<gtextInfo>();
            styles_[i]->apply(set.states[i + 2].textValues);
        }
    }
    return rectCorner::bottomRight;
}

int gindValue::endCreate(bool moved)
{
    ggraphObject::endCreate(moved);
    if (!moved) {
        bounds_.right = wrapCoordinate(int64_t(bounds_.left) + 100);
        bounds_.bottom = wrapCoordinate(int64_t(bounds_.top) + 14);
    }
    return 0;
}

void gindValue::drawCreateFeedback(gdrawContext& dc) const { dc.xorFrame(bounds_); }

void gindValue::applyCommon(const gpropValueText& set, int id, int stateId)
{
    if (id == gprop::prefix || id == gprop::suffix) {
        gstr& target = id == gprop::prefix ? prefix_ : suffix_;
        (id == gprop::prefix ? set.prefix : set.suffix).getOr(target, gstrSlice::empty);
        if (target.isNull())
            target.resize(0);
        return;
    }
    if (stateId < 0 || stateId > 4)
        return;
    const gstateText& record = set.states[stateId];
    if (id == gprop::enable) {
        if (!record.enable.hasValue())
            return;
        bool enabled = record.enable.isTrue();
        if (stateId <= 1) {
            if (enabled && !texts_[stateId]) {
                texts_[stateId] = std::make_unique<gindTextObjectInfo>();
                texts_[stateId]->applyState(record);
            } else if (!enabled) {
                texts_[stateId].reset();
            }
            return;
        }
        std::unique_ptr<gtextInfo>& style = styles_[stateId - 2];
        if (enabled && !style) {
            style = std::make_unique<gtextInfo>();
            style->apply(record.textValues);
        } else if (!enabled && style) {
            int others = 0;
            for (const auto& each : styles_)
                others += each && &each != &style ? 1 : 0;
            if (others > 0)
                style.reset();
        }
        return;
    }
    if (stateId <= 1) {
        if (texts_[stateId])
            texts_[stateId]->applyStateOne(record, id);
    } else if (styles_[stateId - 2]) {
        styles_[stateId - 2]->applyOne(record.textValues, id);
    }
}

void gindValue::collectCommon(gpropValueText& set) const
{
    set.prefix.merge(prefix_);
    set.suffix.merge(suffix_);
    for (int i = 0; i < 2; ++i) {
        set.states[i].enable.merge(texts_[i] ? 1 : 0);
        if (texts_[i])
            texts_[i]->mergeIntoState(set.states[i]);
    }
    for (int i = 0; i < 3; ++i) {
        gstateText& record = set.states[i + 2];
        record.enable.merge(styles_[i] ? 1 : 0);
        if (!styles_[i])
            continue;
        styles_[i]->mergeInto(record.textValues);
        record.text.merge(gstrSlice::empty);
    }
}

int gindValue::replaceCommon(const gscreenBatchChange& change)
{
    if (!change.text)
        return 0;
    int count = change.replaceAllIn(prefix_) + change.replaceAllIn(suffix_);
    for (auto& text : texts_) {
        if (text)
            count += text->replaceText(change);
    }
    return count;
}

void gindValue::refreshPreview(bool blinkTick)
{
    if (blinkTick && registerLevel(boundRegister()) <= 2)
        return;
    invalidate(getBounds());
}

bool gindValue::hasEditableText() const
{
    int s = previewState();
    return (s == 0 || s == 1) && texts_[s];
}

bool gindValue::editText()
{
    int s = previewState();
    if ((s != 0 && s != 1) || !texts_[s])
        return false;
    return texts_[s]->editText();
}

bool gindValue::usesRegister(const gregister* reg) const { return reg && boundRegister() == reg; }
