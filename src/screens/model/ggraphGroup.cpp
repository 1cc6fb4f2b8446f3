#include "screens/model/ggraphGroup.h"

#include "foundation/gfault.h"
#include "foundation/rectCorner.h"
#include "screens/model/fscreen.h"
#include "screens/model/gdrawContext.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

ggraphGroup::ggraphGroup(const ggraphGroup& source, int32_t dx, int32_t dy, fscreen* screen, bool linkReferences)
    : ggraphObject(source, dx, dy, screen), depth_(source.depth_)
{
    setBounds(grect{});
    source.forEach(
        [&](const ggraphObject& member) { addMember(member.clone(dx, dy, screen, linkReferences), false, true); });
}

ggraphGroup::~ggraphGroup()
{
    while (first_) {
        ggraphObject* member = first_;
        first_ = member->getNext();
        delete member;
    }
}

void ggraphGroup::addMember(ggraphObject* member, bool atBack, bool grow)
{
    if (!first_) {
        member->setPrev(nullptr);
        member->setNext(nullptr);
        first_ = last_ = member;
    } else if (atBack) {
        member->setPrev(nullptr);
        member->setNext(first_);
        first_->setPrev(member);
        first_ = member;
    } else {
        member->setNext(nullptr);
        member->setPrev(last_);
        last_->setNext(member);
        last_ = member;
    }
    if (grow) {
        setBounds(grect::unite(getBounds(), member->getBounds()));
        frame_.uniteWith(member->getFrame());
    }
}

void ggraphGroup::takeMembers(ggraphObject*& first, ggraphObject*& last)
{
    first = first_;
    last = last_;
    first_ = last_ = nullptr;
    setBounds(grect{});
    frame_ = grect{};
}

void ggraphGroup::writeHeader(CObjectFile& file, int indent) const
{
    gkeyword::byToken(kw::GROUP).writeIndented(file, indent);
    file.newLine();
}

void ggraphGroup::writeFields(CObjectFile& file, int indent) const
{
    forEach([&](const ggraphObject& member) { member.writeEmbedded(file, indent); });
}

gloadStatus ggraphGroup::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::K_3D_RECT:
    case kw::ANALOG_IND:
    case kw::BISTATE_IND:
    case kw::BITMAP:
    case kw::CONTROL2:
    case kw::DIAL:
    case kw::DIGITAL_IND:
    case kw::ELLIPSE:
    case kw::GRAPH:
    case kw::GROUP:
    case kw::LABEL:
    case kw::LINE:
    case kw::MARKER:
    case kw::MULTISTATE_IND:
    case kw::RECTANGLE:
    case kw::SPLINE:
    case kw::STRING_IND:
    case kw::TEXT: {
        if (token == kw::GROUP && depth_ >= maximumDepth)
            return gload::invalidValue;
        ggraphObject* member = nullptr;
        if (token == kw::GROUP)
            member = value.isEmpty() ? new ggraphGroup(getScreen(), depth_ + 1) : nullptr;
        else if (getScreen())
            member = getScreen()->createByKeyword(token, value);
        if (!member)
            return gload::invalidValue;
        addMember(member, false, false);
        loadEmbeddedObject(member);
        return gload::accepted;
    }
    default: return gstorable::loadField(token, value);
    }
}

void ggraphGroup::rebuildFrame()
{
    frame_ = grect{};
    forEach([&](const ggraphObject& member) { frame_.uniteWith(member.getFrame()); });
}

void ggraphGroup::afterLoad()
{
    rebuildFrame();
    recalcBounds();
}

bool ggraphGroup::isComplete() const { return first_ && first_ != last_; }

void ggraphGroup::draw(gdrawContext& dc) const
{
    forEach([&](const ggraphObject& member) { member.draw(dc); });
}

void ggraphGroup::drawOverlay(gdrawContext& dc) const
{
    forEach([&](const ggraphObject& member) { member.drawOverlay(dc); });
}

void ggraphGroup::drawHandles(gdrawContext& dc, bool) const
{
    dc.handle(frame_.left, frame_.top);
    dc.handle(frame_.left, frame_.bottom);
    dc.handle(frame_.right, frame_.top);
    dc.handle(frame_.right, frame_.bottom);
}

void ggraphGroup::recalcBounds()
{
    grect bounds;
    forEach([&](ggraphObject& member) {
        member.recalcBounds();
        bounds.uniteWith(member.getBounds());
    });
    setBounds(bounds);
}

int ggraphGroup::hitTest(int32_t x, int32_t y, bool, bool bodyOnly) const
{
    if (!bodyOnly) {
        if (int code = hitTestRectCorner(frame_, x, y, true, true))
            return code;
    }
    return any([&](const ggraphObject& member) { return member.hitTest(x, y, false, true) == 1; }) ? 1 : 0;
}

void ggraphGroup::getHandlePoint(int code, int32_t& x, int32_t& y) const { getRectCorner(frame_, code, x, y); }

void ggraphGroup::moveHandle(int code, int32_t dx, int32_t dy)
{
    if (code == 1) {
        frame_.offsetBy(dx, dy);
        forEach([&](ggraphObject& member) { member.moveHandle(1, dx, dy); });
        return;
    }
    if (code < 2 || code > 5)
        return;
    if (startFrame_.isEmpty()) {
        startFrame_ = frame_;
        // The members scale about the corner opposite the grabbed one.
        int32_t ox = code == 2 || code == 4 ? frame_.right : frame_.left;
        int32_t oy = code == 2 || code == 3 ? frame_.bottom : frame_.top;
        forEach([&](ggraphObject& member) { member.setTransformOrigin(ox, oy); });
    }
    frame_.moveHandle(code, dx, dy);
    // A start frame without extent in an axis cannot be scaled in it: that
    // axis keeps its factor 1.
    int64_t startWidth = int64_t(startFrame_.right) - startFrame_.left;
    int64_t startHeight = int64_t(startFrame_.bottom) - startFrame_.top;
    double scaleX = startWidth ? double(int64_t(frame_.right) - frame_.left) / double(startWidth) : 1.0;
    double scaleY = startHeight ? double(int64_t(frame_.bottom) - frame_.top) / double(startHeight) : 1.0;
    forEach([&](ggraphObject& member) { member.setTransformScale(scaleX, scaleY); });
}

void ggraphGroup::transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV)
{
    if (cx2 == grect::emptyCoordinate)
        cx2 = wrapCoordinate(int64_t(frame_.left) + frame_.right);
    if (cy2 == grect::emptyCoordinate)
        cy2 = wrapCoordinate(int64_t(frame_.top) + frame_.bottom);
    forEach([&](ggraphObject& member) { member.transform(cx2, cy2, rotation, flipH, flipV); });
}

void ggraphGroup::endGeometryChange()
{
    startFrame_ = grect{};
    forEach([](ggraphObject& member) { member.endGeometryChange(); });
    rebuildFrame();
}

int ggraphGroup::beginCreate(int32_t, int32_t) { throw gfault("ggraphGroup::create() was called"); }

void ggraphGroup::applyUserLevel(const gdrawingProperties& record)
{
    forEach([&](ggraphObject& member) { member.applyUserLevel(record); });
}

void ggraphGroup::collectUserLevel(gdrawingProperties& record) const
{
    forEach([&](const ggraphObject& member) { member.collectUserLevel(record); });
}

#define KORVEL_GROUP_PASS(mask, ...)                                                                                   \
    forEach([&](ggraphObject& member) {                                                                                \
        if (member.getPropertyMask() & (mask))                                                                         \
            member.setProperties(__VA_ARGS__);                                                                         \
    })

void ggraphGroup::setProperties(const gpropLabel& set, int id) { KORVEL_GROUP_PASS(maskLabel, set, id); }
void ggraphGroup::setProperties(const gpropControl& set, int id) { KORVEL_GROUP_PASS(maskControl, set, id); }
void ggraphGroup::setProperties(const gpropMarker& set, int id, int stateId)
{
    KORVEL_GROUP_PASS(maskMarker, set, id, stateId);
}
void ggraphGroup::setProperties(const gpropGraph& set, int id) { KORVEL_GROUP_PASS(maskGraph, set, id); }
void ggraphGroup::setProperties(const gpropDial& set, int id, int stateId)
{
    KORVEL_GROUP_PASS(maskDial, set, id, stateId);
}
void ggraphGroup::setProperties(const gpropString& set, int id, int stateId)
{
    KORVEL_GROUP_PASS(maskString, set, id, stateId);
}
void ggraphGroup::setProperties(const gpropDigital& set, int id, int stateId)
{
    KORVEL_GROUP_PASS(maskDigital, set, id, stateId);
}
void ggraphGroup::setProperties(const gpropAnalog& set, int id, int stateId)
{
    KORVEL_GROUP_PASS(maskAnalog, set, id, stateId);
}
void ggraphGroup::setProperties(const gpropMultistate& set, int id, int stateId, uint32_t stateNumber)
{
    KORVEL_GROUP_PASS(maskMultistate, set, id, stateId, stateNumber);
}
void ggraphGroup::setProperties(const gpropBistate& set, int id, int stateId)
{
    KORVEL_GROUP_PASS(maskBistate, set, id, stateId);
}
void ggraphGroup::setProperties(const gprop3dRect& set, int id) { KORVEL_GROUP_PASS(mask3dRect, set, id); }
void ggraphGroup::setProperties(const gpropStatic& set, int id) { KORVEL_GROUP_PASS(maskStatic, set, id); }

#undef KORVEL_GROUP_PASS

void ggraphGroup::collectProperties(gdrawingProperties& record) const
{
    forEach([&](const ggraphObject& member) { member.collectProperties(record); });
}

void ggraphGroup::collectStateNames(gstateNameMap& names, int& started) const
{
    forEach([&](const ggraphObject& member) { member.collectStateNames(names, started); });
}

void ggraphGroup::addStateNumbers(gpropMultistate& set) const
{
    forEach([&](const ggraphObject& member) { member.addStateNumbers(set); });
}

void ggraphGroup::setTransformOrigin(int32_t x, int32_t y)
{
    forEach([&](ggraphObject& member) { member.setTransformOrigin(x, y); });
}

void ggraphGroup::setTransformScale(double scaleX, double scaleY)
{
    forEach([&](ggraphObject& member) { member.setTransformScale(scaleX, scaleY); });
}

void ggraphGroup::refreshPreview(bool blinkTick)
{
    forEach([&](ggraphObject& member) { member.refreshPreview(blinkTick); });
}

int ggraphGroup::getPropertyMask() const
{
    int mask = maskGroup;
    forEach([&](const ggraphObject& member) { mask |= member.getPropertyMask(); });
    return mask;
}

ggraphObject* ggraphGroup::clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const
{
    return new ggraphGroup(*this, dx, dy, screen, linkReferences);
}

bool ggraphGroup::hasEditableText() const
{
    int count = 0;
    forEach([&](const ggraphObject& member) { count += member.hasEditableText() ? 1 : 0; });
    return count == 1;
}

bool ggraphGroup::editText()
{
    for (ggraphObject* member = first_; member; member = member->getNext()) {
        if (member->hasEditableText())
            return member->editText();
    }
    throw gfault("no editable text in ggraphGroup::editText()");
}

bool ggraphGroup::usesRegister(const gregister* reg) const
{
    return any([&](const ggraphObject& member) { return member.usesRegister(reg); });
}

bool ggraphGroup::usesScreen(const fscreen* screen) const
{
    return any([&](const ggraphObject& member) { return member.usesScreen(screen); });
}

bool ggraphGroup::usesProgram(const gprogramUsedByList* program) const
{
    return any([&](const ggraphObject& member) { return member.usesProgram(program); });
}

void ggraphGroup::imagesUnloading()
{
    forEach([](ggraphObject& member) { member.imagesUnloading(); });
}

void ggraphGroup::imagesLoaded(bool quiet)
{
    forEach([&](ggraphObject& member) { member.imagesLoaded(quiet); });
}

void ggraphGroup::collectImages() const
{
    forEach([](const ggraphObject& member) { member.collectImages(); });
}

int ggraphGroup::replaceText(const gscreenBatchChange& change, gstr& log)
{
    int count = 0;
    forEach([&](ggraphObject& member) { count += member.replaceText(change, log); });
    return count;
}
