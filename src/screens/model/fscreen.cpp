#include "screens/model/fscreen.h"

#include "foundation/gfault.h"
#include "foundation/messageBoxes.h"
#include "foundation/valueParsers.h"
#include "screens/model/gdrawContext.h"
#include "screens/model/ggraphControl.h"
#include "screens/model/ggraphDrawings.h"
#include "screens/model/ggraphGroup.h"
#include "screens/model/gimageEvents.h"
#include "screens/model/gindBistate.h"
#include "screens/model/gindDial.h"
#include "screens/model/gindGraph.h"
#include "screens/model/gindLabel.h"
#include "screens/model/gindMarker.h"
#include "screens/model/gindMultistate.h"
#include "screens/model/gindValueIndicators.h"
#include "screens/model/gscreenBatchChange.h"
#include "screens/model/gshape.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gobjectType.h"
#include "store/gstation.h"

#include <algorithm>
#include <memory>

namespace {

constexpr int screenDescription = 20201;
constexpr int notFoundText = 20155;
constexpr int replacedOnceText = 20163;
constexpr int replacedText = 20124;

int32_t threshold = 4;

// The remainder that truncates toward zero, as the grid rules take it.
int32_t remainder(int32_t value, int32_t step) { return static_cast<int32_t>(int64_t(value) % step); }

template <class F>
void forEachScreen(F&& f)
{
    jhashTypedIterator<fscreen> it(station::screens());
    fscreen* screen = nullptr;
    while (it.get(screen))
        f(*screen);
    f(clipboardScreen());
}

} // namespace

fscreen::fscreen() = default;

fscreen::~fscreen()
{
    selection_.unqueueAll();
    while (first_) {
        ggraphObject* object = first_;
        unlink(object);
        delete object;
    }
}

const gobjectType* fscreen::getObjectType() const { return &objectTypes::screen(); }

void fscreen::describeReferrer(gstr& text) const
{
    gstr line;
    text.append(line.format(screenDescription, getTitle(true)));
}

// Writing.

bool fscreen::gridLineNeeded() const noexcept
{
    if (gridStepX_ != 16 || gridStepY_ != 16 || showGrid_ > 0 || snap_ != 0)
        return true;
    return gridOriginX_ != remainder(bounds_.left, 16) || gridOriginY_ != remainder(bounds_.top, 16);
}

void fscreen::writeGrid(CObjectFile& file, int indent) const
{
    if (!gridLineNeeded())
        return;
    gkeyword::byToken(kw::GRID).writeKey(file, indent);
    file.writeInt(gridOriginX_, 2);
    file.writeInt(gridOriginY_, 2);
    file.writeInt(gridStepX_, 2);
    file.writeInt(gridStepY_, 2);
    gkeyword::byToken(showGrid_ > 0 ? kw::TRUE : kw::FALSE).writeValue(file, 2);
    gkeyword::byToken(snap_ ? kw::TRUE : kw::FALSE).writeValue(file, 1);
}

void fscreen::writeFields(CObjectFile& file, int indent) const
{
    gtitledObject::writeFields(file, indent);
    writeGrid(file, indent);
    if (!bounds_.isEmpty()) {
        gkeyword::byToken(kw::BOUNDS).writeKey(file, indent);
        bounds_.write(file, 1);
    }
    if (background_.isSet()) {
        gkeyword::byToken(kw::BACKGROUND).writeKey(file, indent);
        background_.write(file, 1);
    }
    if (show_ > 0) {
        gkeyword::byToken(kw::SHOW).writeKey(file, indent);
        gkeyword::byToken(kw::YES).writeValue(file, 1);
    }
    if (inMenu_ == 0) {
        gkeyword::byToken(kw::IN_MENU).writeKey(file, indent);
        gkeyword::byToken(kw::NO).writeValue(file, 1);
    }
    if (local_ > 0) {
        gkeyword::byToken(kw::LOCAL).writeKey(file, indent);
        gkeyword::byToken(kw::YES).writeValue(file, 1);
    }
    if (ackCall_.isSet()) {
        gkeyword::byToken(kw::ACK_CONTROL).writeIndented(file, indent);
        file.newLine();
        ackCall_.writeFields(file, indent + 1);
        gkeyword::byToken(kw::END).writeIndented(file, indent);
        file.newLine();
    }
    for (ggraphObject* object = first_; object; object = object->getNext())
        object->writeEmbedded(file, indent);
}

// Reading.

gloadStatus fscreen::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::K_3D_RECT:
    case kw::ANALOG_IND:
    case kw::BISTATE_IND:
    case kw::BITMAP:
    case kw::CONTROL:
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
    case kw::TEXT: return loadObject(token, value);
    case kw::ACK_CONTROL: return loadAckControl(value);
    case kw::BACKGROUND:
        if (background_.isSet())
            return gload::alreadyLoaded;
        return background_.parse(value.data()) == itemResult::end ? gload::accepted : gload::invalidValue;
    case kw::BOUNDS:
        if (!bounds_.isEmpty())
            return gload::alreadyLoaded;
        return bounds_.parse(value.data()) == itemResult::end ? gload::accepted : gload::invalidValue;
    case kw::GRID: return loadGrid(value);
    case kw::SHOW: return loadFlag(show_, value);
    case kw::IN_MENU: return loadFlag(inMenu_, value);
    case kw::LOCAL: return loadFlag(local_, value);
    default: return gtitledObject::loadField(token, value);
    }
}

gloadStatus fscreen::loadObject(int token, const gstr& value)
{
    ggraphObject* object = createByKeyword(token, value);
    if (!object)
        return gload::invalidValue;
    // An object of the older CONTROL keyword goes behind everything read
    // before it.
    if (token == kw::CONTROL)
        linkAtBack(object);
    else
        linkAtFront(object);
    loadEmbeddedObject(object);
    return gload::accepted;
}

gloadStatus fscreen::loadAckControl(const gstr& value)
{
    if (ackCall_.isSet())
        return gload::alreadyLoaded;
    gstr tag;
    if (!tag.parseValue(value.data()))
        return gload::invalidValue;
    if (!tag.isEmpty()) {
        ackCall_.setProgramByName(tag);
        return gload::accepted;
    }
    loadEmbeddedObject(&ackCall_);
    return gload::accepted;
}

gloadStatus fscreen::loadGrid(const gstr& value)
{
    if (showGrid_ != 0)
        return gload::alreadyLoaded;
    int32_t v[4] = {0, 0, 0, 0};
    const char* next = value.data();
    for (int32_t& item : v) {
        if (parseIntItem(next, item, next) != itemResult::comma)
            return gload::invalidValue;
    }
    int shown = -1;
    int snap = -1;
    if (parseKeywordItem(next, shown, next) != itemResult::comma || parseKeywordItem(next, snap) != itemResult::end)
        return gload::invalidValue;
    auto isTruth = [](int token) { return token == kw::TRUE || token == kw::FALSE; };
    if (!isTruth(shown) || !isTruth(snap))
        return gload::invalidValue;
    gridOriginX_ = v[0];
    gridOriginY_ = v[1];
    gridStepX_ = v[2];
    gridStepY_ = v[3];
    showGrid_ = shown == kw::TRUE ? 1 : -1;
    snap_ = snap == kw::TRUE ? 1 : 0;
    return gload::accepted;
}

gloadStatus fscreen::loadFlag(int32_t& flag, const gstr& value)
{
    if (flag != -1)
        return gload::alreadyLoaded;
    return loadBooleanKeyword(value, flag, kw::YES, kw::NO);
}

void fscreen::afterLoad()
{
    if (ackCall_.isSet())
        uses_.set(*ackCall_.getProgram());
    if (show_ == -1)
        show_ = 0;
    if (local_ == -1)
        local_ = 0;
    if (showGrid_ == 0) {
        gridOriginX_ = remainder(bounds_.left, 16);
        gridOriginY_ = remainder(bounds_.top, 16);
    }
    if (showGrid_ == -1)
        showGrid_ = 0;
    if (gridOriginX_ < 0)
        gridOriginX_ = static_cast<int32_t>(int64_t(gridOriginX_) + gridStepX_);
    if (gridOriginY_ < 0)
        gridOriginY_ = static_cast<int32_t>(int64_t(gridOriginY_) + gridStepY_);
}

ggraphObject* fscreen::createByKeyword(int token, const gstr& value)
{
    int keyword = -1;
    switch (token) {
    case kw::BISTATE_IND:
    case kw::MULTISTATE_IND: {
        if (parseKeywordItem(value.data(), keyword) != itemResult::end)
            return nullptr;
        std::unique_ptr<gshape> shape(makeShapeByKeyword(keyword));
        if (!shape)
            return nullptr;
        if (token == kw::BISTATE_IND)
            return new gindBistate(this, std::move(shape));
        return new gindMultistate(this, std::move(shape));
    }
    case kw::CONTROL:
    case kw::CONTROL2: {
        if (parseKeywordItem(value.data(), keyword) != itemResult::end)
            return nullptr;
        int action = ggraphControl::actionOfKeyword(keyword);
        return action ? new ggraphControl(this, action) : nullptr;
    }
    default: break;
    }
    if (!value.isEmpty())
        return nullptr;
    switch (token) {
    case kw::K_3D_RECT: return new ggraph3dRect(this);
    case kw::ANALOG_IND: return new gindAnalog(this);
    case kw::BITMAP: return new ggraphBitmap(this);
    case kw::DIAL: return new gindDial(this);
    case kw::DIGITAL_IND: return new gindDigital(this);
    case kw::ELLIPSE: return new ggraphEllipse(this);
    case kw::GRAPH: return new gindGraph(this);
    case kw::GROUP: return new ggraphGroup(this);
    case kw::LABEL: return new gindLabel(this);
    case kw::LINE: return new ggraphLine(this);
    case kw::MARKER: return new gindMarker(this);
    case kw::RECTANGLE: return new ggraphRectangle(this);
    case kw::SPLINE: return new ggraphSpline(this);
    case kw::STRING_IND: return new gindString(this);
    case kw::TEXT: return new ggraphText(this);
    default: return nullptr;
    }
}

void fscreen::setScreenProperties(int32_t height, int32_t width, int32_t inMenu, int32_t local, int32_t show,
                                  const gcolor& background, const gprocessorCall& ackCall)
{
    if (bounds_.isEmpty()) {
        bounds_ = grect{0, 0, width, height};
    } else {
        // A size left as it was keeps its edges, whichever way round they lie.
        if (static_cast<uint32_t>(width) != getWidth())
            bounds_.right = wrapCoordinate(int64_t(bounds_.left) + width);
        if (static_cast<uint32_t>(height) != getHeight())
            bounds_.bottom = wrapCoordinate(int64_t(bounds_.top) + height);
    }
    inMenu_ = inMenu;
    local_ = local;
    show_ = show;
    background_ = background;
    ackCall_.assign(ackCall);
    if (ackCall_.isSet())
        uses_.set(*ackCall_.getProgram());
    else
        uses_.clear();
    markStationModified();
}

// The view.

void fscreen::attachWindow(gscreenWindow* window, int32_t scrollX, int32_t scrollY)
{
    setWindow(window);
    setScroll(scrollX, scrollY);
}

void fscreen::setWindow(gscreenWindow* window)
{
    if (window_)
        throw gfault("Window not NULL in fscreen::setWindow()");
    window_ = window;
    scrollX_ = 0;
    scrollY_ = 0;
}

void fscreen::setScroll(int32_t x, int32_t y) noexcept
{
    scrollX_ = x;
    scrollY_ = y;
}

void fscreen::detachWindow() noexcept
{
    window_ = nullptr;
    forgetDuplicateOrigin();
}

void fscreen::redrawRect(const grect& rect) const
{
    if (!window_ || rect.isEmpty())
        return;
    grect client = rect.offset(-scrollX_, -scrollY_);
    client.right = wrapCoordinate(int64_t(client.right) + 1);
    client.bottom = wrapCoordinate(int64_t(client.bottom) + 1);
    window_->invalidate(client);
}

void fscreen::invalidateRect(const grect& rect) const
{
    if (!window_ || rect.isEmpty() || bounds_.isEmpty())
        return;
    redrawRect(rect.normalized().offset(-bounds_.left, -bounds_.top));
}

void fscreen::drawFocusRect(const grect& rect) const
{
    if (!window_ || rect.isEmpty() || bounds_.isEmpty())
        return;
    grect client = rect.normalized().offset(-bounds_.left, -bounds_.top).offset(-scrollX_, -scrollY_);
    client.right = wrapCoordinate(int64_t(client.right) + 1);
    client.bottom = wrapCoordinate(int64_t(client.bottom) + 1);
    window_->drawFocusRect(client);
}

// Painting.

void fscreen::drawGrid(gdrawContext& dc) const
{
    if (showGrid_ <= 0 || bounds_.isEmpty())
        return;
    gcolor ground = background_.isSet() ? background_ : dc.systemColour(isInMenu());
    gcolor colour = ground.contrasting();
    int64_t stepX = std::max(gridStepX_, 1);
    int64_t stepY = std::max(gridStepY_, 1);
    grect area = bounds_.normalized();
    int64_t firstX = int64_t(gridOriginX_) + area.left - int64_t(area.left) % stepX;
    if (firstX < area.left)
        firstX += stepX;
    int64_t firstY = int64_t(gridOriginY_) + area.top - int64_t(area.top) % stepY;
    if (firstY < area.top)
        firstY += stepY;
    // Only the part being painted is walked, so that a fine grid on a huge
    // screen costs no more than the pixels shown.
    int64_t lastX = area.right;
    int64_t lastY = area.bottom;
    grect paint = dc.paintBounds();
    if (!paint.isEmpty()) {
        grect p = paint.normalized();
        if (p.left > firstX)
            firstX += (p.left - firstX + stepX - 1) / stepX * stepX;
        if (p.top > firstY)
            firstY += (p.top - firstY + stepY - 1) / stepY * stepY;
        lastX = std::min<int64_t>(lastX, p.right);
        lastY = std::min<int64_t>(lastY, p.bottom);
    }
    for (int64_t y = firstY; y <= lastY; y += stepY) {
        for (int64_t x = firstX; x <= lastX; x += stepX)
            dc.pixel(static_cast<int32_t>(x), static_cast<int32_t>(y), colour);
    }
}

void fscreen::draw(gdrawContext& dc) const
{
    drawGrid(dc);
    for (const ggraphObject* object = first_; object; object = object->getNext()) {
        if (dc.isVisible(object->getBounds()))
            object->draw(dc);
    }
    for (const ggraphObject* object = first_; object; object = object->getNext()) {
        if (dc.isVisible(object->getBounds()))
            object->drawOverlay(dc);
    }
    for (const ggraphObject* object = firstSelected(); object; object = nextSelected(object)) {
        if (dc.isVisible(object->getBounds().inset(-2)))
            object->drawHandles(dc, tool_ == toolReshape);
    }
    if (creating_ && dc.isVisible(creating_->getBounds().inset(-2)))
        creating_->drawCreateFeedback(dc);
}

// References and images.

bool fscreen::usesRegister(const gregister* reg) const
{
    for (const ggraphObject* object = first_; object; object = object->getNext()) {
        if (object->usesRegister(reg))
            return true;
    }
    return false;
}

bool fscreen::usesProgram(const gprogramUsedByList* program) const
{
    for (const ggraphObject* object = first_; object; object = object->getNext()) {
        if (object->usesProgram(program))
            return true;
    }
    return false;
}

bool fscreen::usesScreen(const fscreen* screen) const
{
    for (const ggraphObject* object = first_; object; object = object->getNext()) {
        if (object->usesScreen(screen))
            return true;
    }
    return false;
}

void fscreen::imagesUnloading()
{
    for (ggraphObject* object = first_; object; object = object->getNext())
        object->imagesUnloading();
}

void fscreen::imagesLoaded(bool quiet)
{
    for (ggraphObject* object = first_; object; object = object->getNext())
        object->imagesLoaded(quiet);
}

void fscreen::collectImages() const
{
    for (const ggraphObject* object = first_; object; object = object->getNext())
        object->collectImages();
}

void fscreen::refreshPreviews(bool blinkTick, int mask)
{
    for (ggraphObject* object = first_; object; object = object->getNext()) {
        if (object->getPropertyMask() & mask)
            object->refreshPreview(blinkTick);
    }
}

void fscreen::collectSelectionStateNames(gstateNameMap& names) const
{
    int started = 0;
    for (const ggraphObject* object = firstSelected(); object; object = nextSelected(object))
        object->collectStateNames(names, started);
}

void fscreen::addStateNumbers(gpropMultistate& set) const
{
    for (const ggraphObject* object = first_; object; object = object->getNext())
        object->addStateNumbers(set);
}

int fscreen::replaceText(const gscreenBatchChange& change)
{
    selectionRecord_.clearAll();
    gstr log;
    int count = 0;
    for (ggraphObject* object = firstSelected(); object; object = nextSelected(object)) {
        count += object->replaceText(change, log);
        object->collectProperties(selectionRecord_);
        invalidateRect(object->getBounds());
    }
    if (!log.isEmpty())
        showWarningDialog(log, false);
    gstr text;
    if (count == 0) {
        text.format(notFoundText, change.findText);
        warningBox(text, notFoundText);
        return 0;
    }
    int id = count == 1 ? replacedOnceText : replacedText;
    text.format(id, change.findText, count);
    informationBox(text, id);
    markStationModified();
    return count;
}

void fscreen::copyObjectsFrom(const fscreen& source, bool select)
{
    int32_t dx = wrapCoordinate(int64_t(bounds_.left) - source.bounds_.left);
    int32_t dy = wrapCoordinate(int64_t(bounds_.top) - source.bounds_.top);
    for (const ggraphObject* object = source.first_; object; object = object->getNext()) {
        ggraphObject* copy = object->clone(dx, dy, this, true);
        linkAtFront(copy);
        if (select) {
            copy->queue(selection_);
            copy->redraw();
        }
    }
    if (select)
        gatherSelection();
    forgetDuplicateOrigin();
}

void fscreen::deleteAllObjects()
{
    creating_ = nullptr;
    selection_.unqueueAll();
    while (first_) {
        ggraphObject* object = first_;
        unlink(object);
        object->redraw();
        delete object;
    }
    selectionMask_ = 0;
    selectionRecord_.clearAll();
    forgetDuplicateOrigin();
}

// The list.

void fscreen::linkAtFront(ggraphObject* object) noexcept { linkInFrontOf(object, last_); }

void fscreen::linkAtBack(ggraphObject* object) noexcept { linkInFrontOf(object, nullptr); }

void fscreen::linkInFrontOf(ggraphObject* object, ggraphObject* behind) noexcept
{
    ggraphObject* inFront = behind ? behind->getNext() : first_;
    object->setPrev(behind);
    object->setNext(inFront);
    if (behind)
        behind->setNext(object);
    else
        first_ = object;
    if (inFront)
        inFront->setPrev(object);
    else
        last_ = object;
}

void fscreen::unlink(ggraphObject* object) noexcept
{
    ggraphObject* behind = object->getPrev();
    ggraphObject* inFront = object->getNext();
    if (behind)
        behind->setNext(inFront);
    else
        first_ = inFront;
    if (inFront)
        inFront->setPrev(behind);
    else
        last_ = behind;
    object->setPrev(nullptr);
    object->setNext(nullptr);
}

void fscreen::deleteObject(ggraphObject* object)
{
    if (object == creating_)
        creating_ = nullptr;
    object->unqueue();
    unlink(object);
    object->redraw();
    delete object;
}

// Program-wide.

fscreen& clipboardScreen()
{
    static fscreen clipboard;
    static const bool shaped = (clipboard.setBounds(grect{0, 0, 10, 10}), true);
    (void)shaped;
    return clipboard;
}

int32_t dragThreshold() { return threshold; }

void setDragThreshold(int32_t pixels) { threshold = pixels; }

void screensImagesUnloading()
{
    forEachScreen([](fscreen& screen) { screen.imagesUnloading(); });
}

void screensImagesLoaded(bool quiet)
{
    drawingDefaults().resolveImages();
    forEachScreen([quiet](fscreen& screen) { screen.imagesLoaded(quiet); });
}
