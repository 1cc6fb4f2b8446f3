#include "screens/model/ggraphControl.h"

#include "foundation/rectCorner.h"
#include "foundation/valueParsers.h"
#include "scl/gsclProgram.h"
#include "screens/model/fscreen.h"
#include "screens/model/gdrawContext.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/gscreenBatchChange.h"
#include "screens/model/gshapeGeometry.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gstation.h"

#include <algorithm>

namespace {

constexpr int captionDescription = 20014;
constexpr int plainDescription = 20015;
constexpr int noProgramText = 20135;
constexpr int noScreenText = 20153;
constexpr int actionTokens[3] = {kw::PROGRAM, kw::SCREEN, kw::NETWORK};

const gstr& titleOfProgram(const gprogramUsedByList* program)
{
    if (auto* station = dynamic_cast<const gsclProgram*>(program))
        return station->getTitle(true);
    return program->programTag();
}

} // namespace

ggraphControl::ggraphControl(const ggraphControl& source, int32_t dx, int32_t dy, fscreen* screen, bool linkReferences)
    : ggraphObject(source, dx, dy, screen), rect_(source.rect_.offset(dx, dy)), caption_(source.caption_),
      screenColour_(source.screenColour_), action_(source.action_)
{
    if (action_ == 1)
        call_.assign(source.call_);
    else if (action_ == 2)
        target_ = source.target_;
    else if (action_ == 3) {
        station_ = source.station_;
        networkScreen_ = source.networkScreen_;
    }
    if (linkReferences)
        relink();
}

ggraphControl::~ggraphControl() { uses_.clear(); }

int ggraphControl::actionOfKeyword(int token)
{
    for (int i = 0; i < 3; ++i) {
        if (actionTokens[i] == token)
            return i + 1;
    }
    return 0;
}

void ggraphControl::relink()
{
    if (action_ == 1 && call_.isSet())
        uses_.set(*call_.getProgram());
    else if (action_ == 2 && target_)
        uses_.set(*target_);
    else
        uses_.clear();
}

void ggraphControl::describeReferrer(gstr& text) const
{
    gstrSlice screen = getScreen() ? static_cast<const gstrSlice&>(getScreen()->getTitle(true)) : gstrSlice::empty;
    gstr line;
    if (!caption_.isEmpty())
        text.append(line.format(captionDescription, caption_, screen));
    else
        text.append(line.format(plainDescription, screen));
}

// Storing.

void ggraphControl::writeHeader(CObjectFile& file, int indent) const
{
    writeKeyOf(file, indent, kw::CONTROL2);
    gkeyword::byToken(actionTokens[std::clamp(action_, 1, 3) - 1]).writeValue(file, 1);
}

void ggraphControl::writeFields(CObjectFile& file, int indent) const
{
    ggraphObject::writeFields(file, indent);
    if (!rect_.isEmpty())
        writeRectangle(file, indent, kw::BOUNDS, rect_);
    if (!caption_.isNull()) {
        writeKeyOf(file, indent, kw::CAPTION);
        caption_.write(file, 1);
    }
    if (screenColour_ == 1) {
        writeKeyOf(file, indent, kw::SCREEN_COLOR);
        gkeyword::byToken(kw::YES).writeValue(file, 1);
    }
    if (action_ == 1 && call_.isSet()) {
        writeKeywordLine(file, indent, kw::PROGRAM);
        call_.writeFields(file, indent + 1);
        writeKeywordLine(file, indent, kw::END);
    } else if (action_ == 2 && target_) {
        writeKeyOf(file, indent, kw::SCREEN);
        target_->getTag().write(file, 1);
    } else if (action_ == 3) {
        if (!station_.isNull()) {
            writeKeyOf(file, indent, kw::STATION);
            station_.write(file, 1);
        }
        if (!networkScreen_.isNull()) {
            writeKeyOf(file, indent, kw::SCREEN);
            networkScreen_.write(file, 1);
        }
    }
}

gloadStatus ggraphControl::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::BOUNDS: return loadRectangle(rect_, value, true);
    case kw::CAPTION: {
        if (!caption_.isNull())
            return gload::alreadyLoaded;
        gstr text;
        if (!text.parseValue(value.data()))
            return gload::invalidValue;
        if (text.isNull())
            text.resize(0);
        caption_.adopt(text);
        return gload::accepted;
    }
    case kw::SCREEN_COLOR: return loadBooleanKeyword(value, screenColour_, kw::YES, kw::NO);
    case kw::PROGRAM:
        if (action_ != 1)
            break;
        return loadProgram(value);
    case kw::SCREEN:
        if (action_ == 2)
            return loadScreen(value);
        if (action_ == 3)
            return loadName(networkScreen_, value);
        break;
    case kw::STATION:
        if (action_ != 3)
            break;
        return loadName(station_, value);
    default: break;
    }
    return ggraphObject::loadField(token, value);
}

gloadStatus ggraphControl::loadProgram(const gstr& value)
{
    if (call_.isSet())
        return gload::alreadyLoaded;
    gstr tag;
    if (!tag.parseValue(value.data()))
        return gload::invalidValue;
    if (!tag.isEmpty()) {
        call_.setProgramByName(tag);
        return gload::accepted;
    }
    loadEmbeddedObject(&call_);
    return gload::accepted;
}

gloadStatus ggraphControl::loadScreen(const gstr& value)
{
    if (target_)
        return gload::alreadyLoaded;
    gstr tag;
    if (!tag.parseValue(value.data()) || tag.isEmpty())
        return gload::invalidValue;
    target_ = station::screens().reference(tag);
    relink();
    return gload::accepted;
}

gloadStatus ggraphControl::loadName(gstr& target, const gstr& value)
{
    if (!target.isNull())
        return gload::alreadyLoaded;
    gstr name;
    if (!name.parseValue(value.data()) || name.isEmpty())
        return gload::invalidValue;
    target.adopt(name);
    return gload::accepted;
}

void ggraphControl::afterLoad()
{
    relink();
    recalcBounds();
    if (screenColour_ == -1)
        screenColour_ = 0;
}

bool ggraphControl::isComplete() const
{
    if (rect_.isEmpty())
        return false;
    switch (action_) {
    case 1: return call_.isSet();
    case 2: return target_ != nullptr;
    case 3: return !station_.isEmpty() && !networkScreen_.isEmpty();
    default: return false;
    }
}

// Drawing and geometry.

void ggraphControl::draw(gdrawContext& dc) const
{
    const fscreen* screen = getScreen();
    dc.fillBackground(getBounds(), screenColour_ == 1, screen ? screen->getBackground() : gcolor());
}

void ggraphControl::drawOverlay(gdrawContext& dc) const
{
    dc.buttonFace(getBounds(), caption_.isNull() ? gstrSlice::empty : gstrSlice(caption_));
}

void ggraphControl::recalcBounds() { setBounds(transformRect(rect_).normalized()); }

void ggraphControl::transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV)
{
    rect_.transform(cx2, cy2, rotation, flipH, flipV);
}

void ggraphControl::endGeometryChange()
{
    rect_ = transformRect(rect_).normalized();
    resetTransform();
}

// Creation and properties.

int ggraphControl::beginCreate(int32_t x, int32_t y)
{
    const gpropControl& set = drawingDefaults().control;
    rect_ = grect{x, y, x, y};
    set.caption.getOr(caption_, gstrSlice::null);
    screenColour_ = set.screenColour.hasValue() ? set.screenColour.get() : 0;
    set.action.getOr(action_, 1);
    call_.clear();
    target_ = nullptr;
    station_.clear();
    networkScreen_.clear();
    if (action_ == 1) {
        call_.setProgram(referredObject(set.program));
        set.arguments.applyTo(call_, call_);
    } else if (action_ == 2) {
        target_ = referredObject(set.screen);
    } else {
        set.station.getOr(station_, gstrSlice::empty);
        set.networkScreen.getOr(networkScreen_, gstrSlice::empty);
    }
    relink();
    return rectCorner::bottomRight;
}

void ggraphControl::setProperties(const gpropControl& set, int id)
{
    switch (id) {
    case gprop::caption:
        if (set.caption.hasValue())
            caption_.assign(set.caption.getValue());
        else
            caption_.clear();
        return;
    case gprop::action: {
        if (!set.action.hasValue())
            return;
        int action = set.action.get();
        if (action == 1 && refersToObject(set.program)) {
            target_ = nullptr;
            station_.clear();
            networkScreen_.clear();
            call_.setProgram(referredObject(set.program));
        } else if (action == 2 && refersToObject(set.screen)) {
            call_.clear();
            station_.clear();
            networkScreen_.clear();
            target_ = referredObject(set.screen);
        } else if (action == 3 && set.station.hasValue() && set.networkScreen.hasValue()) {
            call_.clear();
            target_ = nullptr;
            station_.assign(set.station.getValue());
            networkScreen_.assign(set.networkScreen.getValue());
        } else {
            return;
        }
        action_ = action;
        relink();
        return;
    }
    case gprop::arguments:
        if (action_ == 1)
            set.arguments.applyTo(call_, call_);
        return;
    case gprop::screenColour: screenColour_ = set.screenColour.hasValue() ? set.screenColour.get() : 0; return;
    default: return;
    }
}

void ggraphControl::collectProperties(gdrawingProperties& record) const
{
    gpropControl& set = record.control;
    set.screenColour.merge(screenColour_);
    set.caption.merge(caption_);
    set.action.merge(action_);
    if (action_ == 1) {
        set.program.merge(dynamic_cast<gsclProgram*>(call_.getProgram()));
        set.arguments.gather(call_);
    } else if (action_ == 2) {
        set.screen.merge(target_);
    } else if (action_ == 3) {
        set.station.merge(station_);
        set.networkScreen.merge(networkScreen_);
    }
}

ggraphObject* ggraphControl::clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const
{
    return new ggraphControl(*this, dx, dy, screen, linkReferences);
}

bool ggraphControl::usesScreen(const fscreen* screen) const { return screen && action_ == 2 && target_ == screen; }

bool ggraphControl::usesProgram(const gprogramUsedByList* program) const
{
    return program && action_ == 1 && call_.getProgram() == program;
}

int ggraphControl::replaceText(const gscreenBatchChange& change, gstr& log)
{
    int count = 0;
    gstr line;
    if (action_ == 1 && call_.isSet() && change.programs) {
        gstr tag(call_.getProgram()->programTag());
        if (change.replaceFirstIn(tag)) {
            if (gsclProgram* found = station::programs().find(tag)) {
                call_.setProgram(found);
                relink();
                ++count;
            } else {
                log.append(line.format(noProgramText, tag, titleOfProgram(call_.getProgram())));
            }
        }
    }
    if (action_ == 1 && call_.isSet() && change.programArguments)
        count +=
            call_.replaceInArguments(change.findText, change.replaceText, change.wholeWord != 0, change.matchCase != 0);
    if (change.screens && action_ == 2 && target_) {
        gstr tag(target_->getTag());
        if (change.replaceFirstIn(tag)) {
            if (fscreen* found = station::screens().find(tag)) {
                target_ = found;
                relink();
                ++count;
            } else {
                log.append(line.format(noScreenText, tag, target_->getTitle(true)));
            }
        }
    }
    if (change.screens && action_ == 3 && !networkScreen_.isNull())
        count += change.replaceFirstIn(networkScreen_);
    if (change.text && !caption_.isNull())
        count += change.replaceAllIn(caption_);
    return count;
}
