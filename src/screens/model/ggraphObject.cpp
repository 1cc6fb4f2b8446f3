#include "screens/model/ggraphObject.h"

#include "foundation/gfault.h"
#include "foundation/rectCorner.h"
#include "screens/model/fscreen.h"
#include "screens/model/gdrawContext.h"
#include "screens/model/gdrawingProperties.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gstationState.h"

namespace {

// The keyword of each user level 1 to 13.
constexpr int levelTokens[13] = {
    kw::NONE,        kw::OPERATOR,     kw::SUPERVISOR,  kw::ADMINISTRATOR,     kw::ACKNOWLEDGE,        kw::CONTROL,
    kw::CALIBRATE,   kw::V_SET_LIMITS, kw::V_SET_DELAY, kw::V_DISABLE_DRIVERS, kw::V_PORT_DIAGNOSTICS, kw::MASK,
    kw::V_SET_TITLE,
};

} // namespace

void markStationModified() { stationState().modified = 1; }

void writeKeywordLine(CObjectFile& file, int indent, int token)
{
    gkeyword::byToken(token).writeIndented(file, indent);
    file.newLine();
}

void writeKeyOf(CObjectFile& file, int indent, int token) { gkeyword::byToken(token).writeKey(file, indent); }

ggraphObject::ggraphObject(const ggraphObject& source, int32_t dx, int32_t dy, fscreen* screen)
    : gstorable(source), gqueueObject(), screen_(screen ? screen : source.screen_),
      bounds_(source.bounds_.offset(dx, dy)), userLevel_(source.userLevel_)
{
}

ggraphObject::~ggraphObject() = default;

void ggraphObject::writeFields(CObjectFile& file, int indent) const
{
    if (userLevel_ < 2 || userLevel_ > 13)
        return;
    gkeyword::byToken(kw::USER_LEVEL).writeKey(file, indent);
    gkeyword::byToken(levelTokens[userLevel_ - 1]).writeValue(file, 1);
}

gloadStatus ggraphObject::loadField(int token, gstr& value)
{
    if (token != kw::USER_LEVEL)
        return gstorable::loadField(token, value);
    if (userLevel_ != 0)
        return gload::alreadyLoaded;
    int level = 0;
    if (parseKeywordItem(value.data(), level) != 1)
        return gload::invalidValue;
    for (int i = 0; i < 13; ++i) {
        if (levelTokens[i] == level) {
            userLevel_ = i + 1;
            return gload::accepted;
        }
    }
    return gload::invalidValue;
}

void ggraphObject::afterLoad() { recalcBounds(); }

void ggraphObject::drawOverlay(gdrawContext&) const {}

void ggraphObject::drawHandles(gdrawContext& dc, bool) const
{
    dc.handle(bounds_.left, bounds_.top);
    dc.handle(bounds_.left, bounds_.bottom);
    dc.handle(bounds_.right, bounds_.top);
    dc.handle(bounds_.right, bounds_.bottom);
}

int ggraphObject::hitTest(int32_t x, int32_t y, bool, bool bodyOnly) const
{
    if (!bodyOnly) {
        if (int code = hitTestRectCorner(bounds_, x, y, true, true))
            return code;
    }
    return bounds_.contains(x, y) ? 1 : 0;
}

void ggraphObject::getHandlePoint(int code, int32_t& x, int32_t& y) const { getRectCorner(bounds_, code, x, y); }

grect ggraphObject::getFrame() const { return bounds_; }

bool ggraphObject::isInsideRect(const grect& rect) const { return bounds_.isInside(rect); }

int ggraphObject::endCreate(bool)
{
    userLevel_ = defaultUserLevel();
    return 0;
}

void ggraphObject::applyUserLevel(const gdrawingProperties& record)
{
    if (record.userLevel.hasValue())
        userLevel_ = record.userLevel.get();
}

void ggraphObject::collectUserLevel(gdrawingProperties& record) const
{
    record.userLevel.merge(userLevel_ == 0 ? 1 : userLevel_);
}

void ggraphObject::notSupplied(const char* text) { throw gfault(text); }

void ggraphObject::setProperties(const gpropLabel&, int)
{
    notSupplied("ggraphObject::setProperties(const gpropLabel &,gpropID,gpropStateID) was called!");
}

void ggraphObject::setProperties(const gpropControl&, int)
{
    notSupplied("ggraphObject::setProperties(const gpropControl &,gpropID,gpropStateID) was called!");
}

void ggraphObject::setProperties(const gpropMarker&, int, int)
{
    notSupplied("ggraphObject::setProperties(const gpropMarker &,gpropID,gpropStateID) was called!");
}

void ggraphObject::setProperties(const gpropGraph&, int)
{
    notSupplied("ggraphObject::setProperties(const gpropGraph &,gpropID) was called!");
}

void ggraphObject::setProperties(const gpropDial&, int, int)
{
    notSupplied("ggraphObject::setProperties(const gpropDial &,gpropID,gpropStateID) was called!");
}

void ggraphObject::setProperties(const gpropString&, int, int)
{
    notSupplied("ggraphObject::setProperties(const gpropString &,gpropID,gpropStateID) was called!");
}

void ggraphObject::setProperties(const gpropDigital&, int, int)
{
    notSupplied("ggraphObject::setProperties(const gpropDigital &,gpropID,gpropStateID) was called!");
}

void ggraphObject::setProperties(const gpropAnalog&, int, int)
{
    notSupplied("ggraphObject::setProperties(const gpropAnalog &,gpropID,gpropStateID) was called!");
}

void ggraphObject::setProperties(const gpropMultistate&, int, int, uint32_t)
{
    notSupplied("ggraphObject::setProperties(const gpropMultistate &,gpropID,gpropStateID,unsigned int) was called!");
}

void ggraphObject::setProperties(const gpropBistate&, int, int)
{
    notSupplied("ggraphObject::setProperties(const gpropBistate &,gpropID,gpropStateID) was called!");
}

void ggraphObject::setProperties(const gprop3dRect&, int)
{
    notSupplied("ggraphObject::setProperties(const gprop3dRect &,gpropID) was called!");
}

void ggraphObject::setProperties(const gpropStatic&, int)
{
    notSupplied("ggraphObject::setProperties(const gpropStatic &,gpropID) was called!");
}

void ggraphObject::collectStateNames(gstateNameMap&, int&) const {}

void ggraphObject::addStateNumbers(gpropMultistate&) const {}

void ggraphObject::setTransformOrigin(int32_t x, int32_t y)
{
    transform_.originX = x;
    transform_.originY = y;
}

void ggraphObject::setTransformScale(double scaleX, double scaleY)
{
    transform_.scaleX = scaleX;
    transform_.scaleY = scaleY;
}

void ggraphObject::refreshPreview(bool) {}

void ggraphObject::drawCreateFeedback(gdrawContext&) const {}

bool ggraphObject::editText() { notSupplied("ggraphObject::editText() was called!"); }

bool ggraphObject::usesRegister(const gregister*) const { return false; }

bool ggraphObject::usesScreen(const fscreen*) const { return false; }

bool ggraphObject::usesProgram(const gprogramUsedByList*) const { return false; }

void ggraphObject::imagesUnloading() {}

void ggraphObject::imagesLoaded(bool) {}

void ggraphObject::collectImages() const {}

int ggraphObject::replaceText(const gscreenBatchChange&, gstr&) { return 0; }

void ggraphObject::redraw() const { invalidate(bounds_.inset(-2)); }

void ggraphObject::invalidate(const grect& rect) const
{
    if (screen_)
        screen_->invalidateRect(rect);
}
