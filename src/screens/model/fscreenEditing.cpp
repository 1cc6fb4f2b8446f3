// The screen's answers to the editor's mouse and keyboard gestures: hit
// tests, the selection, the rubber band, moving and reshaping, snapping,
// drawing tools, nudging, duplicating and the properties of the selection.

#include "screens/model/fscreen.h"

#include "foundation/rectCorner.h"
#include "screens/model/ggraphControl.h"
#include "screens/model/ggraphDrawings.h"
#include "screens/model/gindBistate.h"
#include "screens/model/gindDial.h"
#include "screens/model/gindGraph.h"
#include "screens/model/gindLabel.h"
#include "screens/model/gindMarker.h"
#include "screens/model/gindMultistate.h"
#include "screens/model/gindValueIndicators.h"
#include "screens/model/gshape.h"
#include "store/gstationState.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

constexpr int32_t defaultDuplicateStep = 8;

// The nearer of the two grid points around v (relative to the origin); a
// tie goes toward the origin.
int64_t snapAxis(int64_t v, int64_t step)
{
    int64_t a = v - v % step;
    int64_t b = a < v ? a + step : a - step;
    return std::llabs(b - v) < std::llabs(a - v) ? b : a;
}

} // namespace

void fscreen::forgetDuplicateOrigin() noexcept
{
    duplicateOriginX_ = grect::emptyCoordinate;
    duplicateOriginY_ = grect::emptyCoordinate;
    duplicateOffsetX_ = 0;
    duplicateOffsetY_ = 0;
}

void fscreen::followDuplicate()
{
    if (duplicateOriginX_ == grect::emptyCoordinate)
        return;
    int32_t x = 0;
    int32_t y = 0;
    selectionOrigin(x, y);
    duplicateOffsetX_ = wrapCoordinate(int64_t(x) - duplicateOriginX_);
    duplicateOffsetY_ = wrapCoordinate(int64_t(y) - duplicateOriginY_);
}

// The selection.

bool fscreen::isSelected(const ggraphObject* object) const noexcept { return object->getQueue() == &selection_; }

ggraphObject* fscreen::firstSelected() const noexcept
{
    return static_cast<ggraphObject*>(gqueueObject::firstObject(selection_));
}

ggraphObject* fscreen::nextSelected(const ggraphObject* object) const noexcept
{
    return static_cast<ggraphObject*>(gqueueObject::nextObject(object));
}

bool fscreen::hasSeveralSelected() const noexcept
{
    ggraphObject* first = firstSelected();
    return first && nextSelected(first);
}

void fscreen::selectObject(ggraphObject* object)
{
    if (!isSelected(object))
        object->queue(selection_);
}

void fscreen::deselect(ggraphObject* object) { object->unqueue(); }

void fscreen::toggleSelection(ggraphObject* object)
{
    if (isSelected(object))
        deselect(object);
    else
        selectObject(object);
}

void fscreen::gatherSelection()
{
    selectionMask_ = 0;
    selectionRecord_.clearAll();
    for (const ggraphObject* object = firstSelected(); object; object = nextSelected(object)) {
        selectionMask_ |= object->getPropertyMask();
        object->collectProperties(selectionRecord_);
        object->collectUserLevel(selectionRecord_);
    }
}

void fscreen::emptySelection()
{
    selectionMask_ = 0;
    selectionRecord_.clearAll();
    while (ggraphObject* object = firstSelected()) {
        deselect(object);
        object->redraw();
    }
}

void fscreen::selectionOrigin(int32_t& x, int32_t& y) const
{
    x = grect::emptyCoordinate;
    y = grect::emptyCoordinate;
    for (const ggraphObject* object = firstSelected(); object; object = nextSelected(object)) {
        int32_t hx = 0;
        int32_t hy = 0;
        object->getHandlePoint(1, hx, hy);
        x = std::min(x, hx);
        y = std::min(y, hy);
    }
}

ggraphObject* fscreen::objectAt(int32_t x, int32_t y, int& hitCode, bool preferSelected) const
{
    ggraphObject* best = nullptr;
    int bestCode = 0;
    bool bestSelected = false;
    for (ggraphObject* object = first_; object; object = object->getNext()) {
        int code = object->hitTest(x, y, tool_ == toolReshape, false);
        if (code == 0)
            continue;
        bool selected = isSelected(object);
        bool better = bestCode <= 1 || code > 1;
        if (!best || !bestSelected || (selected && better) || (!preferSelected && better)) {
            best = object;
            bestCode = code;
            bestSelected = selected;
        }
    }
    hitCode = bestCode;
    return best;
}

void fscreen::snapToGrid(int32_t& x, int32_t& y) const noexcept
{
    int64_t stepX = std::max(gridStepX_, 1);
    int64_t stepY = std::max(gridStepY_, 1);
    x = wrapCoordinate(gridOriginX_ + snapAxis(int64_t(x) - gridOriginX_, stepX));
    y = wrapCoordinate(gridOriginY_ + snapAxis(int64_t(y) - gridOriginY_, stepY));
}

// Tools.

void fscreen::setTool(int tool)
{
    if (tool == tool_)
        return;
    if (tool_ > toolReshape || tool <= toolReshape) {
        for (const ggraphObject* object = firstSelected(); object; object = nextSelected(object))
            object->redraw();
    } else {
        emptySelection();
        forgetDuplicateOrigin();
    }
    tool_ = tool;
}

void fscreen::setSnap(bool on)
{
    snap_ = on ? 1 : 0;
    markStationModified();
}

void fscreen::getGridSize(int32_t& x, int32_t& y) const noexcept
{
    x = gridStepX_;
    y = gridStepY_;
}

void fscreen::getGridOrigin(int32_t& x, int32_t& y) const noexcept
{
    x = gridOriginX_;
    y = gridOriginY_;
}

// Pressing.

int fscreen::mouseDown(int32_t x, int32_t y, bool shift, bool ctrl)
{
    if (finishing_)
        return 0;
    int result = tool_ <= toolReshape ? selectAt(x, y, shift, ctrl) : createByTool(x, y);
    if (result == 1) {
        band_ = grect{x, y, x, y};
        moved_ = 0;
    }
    return result;
}

int fscreen::selectAt(int32_t x, int32_t y, bool shift, bool ctrl)
{
    ggraphObject* hit = objectAt(x, y, hitCode_, !shift);
    if (!hit) {
        forgetDuplicateOrigin();
        if (!shift)
            emptySelection();
        band_ = grect{x, y, x, y};
        drawFocusRect(band_);
        return 1;
    }
    if (shift) {
        toggleSelection(hit);
        hit->redraw();
        hitCode_ = 0;
        gatherSelection();
        forgetDuplicateOrigin();
        return 0;
    }
    if (!isSelected(hit)) {
        emptySelection();
        forgetDuplicateOrigin();
        selectObject(hit);
        hit->redraw();
        gatherSelection();
    }
    if (ctrl)
        duplicateSelection(false);
    if (snap_) {
        if (hitCode_ == 1)
            selectionOrigin(grabX_, grabY_);
        else
            hit->getHandlePoint(hitCode_, grabX_, grabY_);
        grabOffsetX_ = wrapCoordinate(int64_t(grabX_) - x);
        grabOffsetY_ = wrapCoordinate(int64_t(grabY_) - y);
    }
    return 1;
}

ggraphObject* fscreen::makeToolObject()
{
    switch (tool_) {
    case toolShape:
        switch (subKind_) {
        case 0: return new ggraphLine(this);
        case 1: return new ggraphSpline(this);
        case 2: return new ggraphRectangle(this);
        case 3: return new ggraphEllipse(this);
        case 4: return new ggraphText(this);
        case 5: return new ggraphBitmap(this);
        default: return nullptr;
        }
    case tool3dRect: return new ggraph3dRect(this);
    case 4:
    case 5: {
        std::unique_ptr<gshape> shape(makeShapeByTool(subKind_));
        if (!shape)
            return nullptr;
        if (tool_ == 4)
            return new gindBistate(this, std::move(shape));
        return new gindMultistate(this, std::move(shape));
    }
    case 6: return new gindDigital(this);
    case 7: return new gindAnalog(this);
    case 8: return new gindString(this);
    case 9: return new gindDial(this);
    case 10: return new gindGraph(this);
    case 11: return new gindMarker(this);
    case toolControl: return new ggraphControl(this, 0);
    case 13: return new gindLabel(this);
    default: return nullptr;
    }
}

int fscreen::createByTool(int32_t& x, int32_t& y)
{
    if (!creating_) {
        if (!drawingDefaults().isComplete(tool_))
            return 0;
        ggraphObject* object = makeToolObject();
        if (!object)
            return 0;
        if (tool_ == toolControl)
            linkAtBack(object);
        else
            linkAtFront(object);
        modifiedBeforeCreation_ = stationState().modified;
        markStationModified();
        creating_ = object;
    }
    if (snap_)
        snapToGrid(x, y);
    hitCode_ = creating_->beginCreate(x, y);
    creating_->recalcBounds();
    creating_->redraw();
    return 1;
}

// Dragging.

void fscreen::mouseMove(int32_t x, int32_t y)
{
    if (finishing_)
        return;
    if (x == band_.right && y == band_.bottom)
        return;
    dragStep(x, y);
}

void fscreen::dragStep(int32_t& x, int32_t& y)
{
    if (std::llabs(int64_t(band_.left) - x) >= dragThreshold() || std::llabs(int64_t(band_.top) - y) >= dragThreshold())
        moved_ = 1;
    if (tool_ <= toolReshape)
        dragSelect(x, y);
    else
        dragCreate(x, y);
    band_.right = x;
    band_.bottom = y;
}

void fscreen::moveSelection(int code, int32_t dx, int32_t dy)
{
    if (hasSelection())
        markStationModified();
    for (ggraphObject* object = firstSelected(); object; object = nextSelected(object)) {
        object->redraw();
        object->moveHandle(code, dx, dy);
        object->recalcBounds();
        object->redraw();
    }
}

void fscreen::dragSelect(int32_t& x, int32_t& y)
{
    if (hitCode_ == 0) {
        drawFocusRect(band_);
        band_.right = x;
        band_.bottom = y;
        drawFocusRect(band_);
        return;
    }
    if (!moved_) {
        x = band_.right;
        y = band_.bottom;
        return;
    }
    int32_t dx = 0;
    int32_t dy = 0;
    if (snap_) {
        int32_t tx = wrapCoordinate(int64_t(x) + grabOffsetX_);
        int32_t ty = wrapCoordinate(int64_t(y) + grabOffsetY_);
        snapToGrid(tx, ty);
        dx = wrapCoordinate(int64_t(tx) - grabX_);
        dy = wrapCoordinate(int64_t(ty) - grabY_);
        grabX_ = tx;
        grabY_ = ty;
    } else {
        dx = wrapCoordinate(int64_t(x) - band_.right);
        dy = wrapCoordinate(int64_t(y) - band_.bottom);
    }
    moveSelection(hitCode_, dx, dy);
    followDuplicate();
}

void fscreen::dragCreate(int32_t& x, int32_t& y)
{
    if (!creating_)
        return;
    if (snap_) {
        snapToGrid(x, y);
        if (x == band_.right && y == band_.bottom)
            return;
    }
    creating_->redraw();
    creating_->moveHandle(hitCode_, wrapCoordinate(int64_t(x) - band_.right),
                          wrapCoordinate(int64_t(y) - band_.bottom));
    creating_->recalcBounds();
    creating_->redraw();
}

// Releasing.

int fscreen::mouseUp(int32_t x, int32_t y)
{
    if (finishing_)
        return 0;
    if (x != band_.right || y != band_.bottom)
        dragStep(x, y);
    if (tool_ <= toolReshape) {
        endSelect(false);
        return 1;
    }
    return endCreate();
}

void fscreen::endSelect(bool cancelled)
{
    if (hitCode_ != 0) {
        for (ggraphObject* object = firstSelected(); object; object = nextSelected(object)) {
            object->endGeometryChange();
            object->recalcBounds();
            object->redraw();
        }
        hitCode_ = 0;
    } else {
        drawFocusRect(band_);
        if (!cancelled) {
            for (ggraphObject* object = first_; object; object = object->getNext()) {
                if (object->isInsideRect(band_)) {
                    toggleSelection(object);
                    object->redraw();
                }
            }
        }
    }
    band_ = grect{};
    gatherSelection();
}

int fscreen::endCreate()
{
    if (!creating_ || finishing_)
        return 1;
    ggraphObject* made = creating_;
    int code = finishCreation(*made);
    // The object went while its dialog was open.
    if (creating_ != made)
        return 1;
    if (code == ggraphObject::creationCancelled) {
        deleteObject(made);
        stationState().modified = modifiedBeforeCreation_;
        hitCode_ = 0;
        band_ = grect{};
        return 1;
    }
    if (code != 0) {
        hitCode_ = code;
        return 0;
    }
    creating_ = nullptr;
    made->endGeometryChange();
    made->recalcBounds();
    made->redraw();
    if (!lockTool_) {
        tool_ = made->toolAfterCreate();
        selectObject(made);
        selectionMask_ |= made->getPropertyMask();
        made->collectProperties(selectionRecord_);
        made->collectUserLevel(selectionRecord_);
    }
    hitCode_ = 0;
    band_ = grect{};
    return 1;
}

// Ending a creation may run a modal dialog (a text asks for its text); the
// window losing the activation to it, or any pointer event meanwhile, must
// neither end the same creation again nor start another.
int fscreen::finishCreation(ggraphObject& object)
{
    struct finishingScope {
        bool& flag;
        explicit finishingScope(bool& f) : flag(f) { flag = true; }
        ~finishingScope() { flag = false; }
        finishingScope(const finishingScope&) = delete;
        finishingScope& operator=(const finishingScope&) = delete;
    } scope(finishing_);
    return object.endCreate(moved_ != 0);
}

void fscreen::cancelMode(int32_t x, int32_t y)
{
    if (finishing_)
        return;
    if (x != band_.right || y != band_.bottom)
        dragStep(x, y);
    if (tool_ <= toolReshape) {
        endSelect(true);
        return;
    }
    // The object is completed at the pointer; every object needs at most
    // two strokes, the bound only guards against one that never ends.
    for (int stroke = 0; stroke < 8 && endCreate() == 0; ++stroke) {
        int32_t px = x;
        int32_t py = y;
        createByTool(px, py);
    }
}

void fscreen::doubleClick(int32_t x, int32_t y)
{
    if (creating_ || tool_ > toolReshape)
        return;
    for (ggraphObject* object = last_; object; object = object->getPrev()) {
        if (object->hitTest(x, y, false, true) != 1 || !object->hasEditableText())
            continue;
        if (object->editText()) {
            invalidateRect(object->getBounds());
            markStationModified();
        }
        return;
    }
}

void fscreen::nudgeSelection(int32_t dx, int32_t dy)
{
    if (!hasSelection())
        return;
    moveSelection(1, dx, dy);
    followDuplicate();
}

void fscreen::duplicateSelection(bool withOffset)
{
    if (!hasSelection())
        return;
    int32_t stepX = snap_ ? gridStepX_ : defaultDuplicateStep;
    int32_t stepY = snap_ ? gridStepY_ : defaultDuplicateStep;
    int32_t ox = 0;
    int32_t oy = 0;
    if (withOffset) {
        if (duplicateOffsetX_ == 0 && duplicateOffsetY_ == 0) {
            ox = stepX;
            oy = stepY;
        } else {
            grect frames;
            for (const ggraphObject* object = firstSelected(); object; object = nextSelected(object))
                frames.uniteWith(object->getFrame());
            frames = frames.offset(duplicateOffsetX_, duplicateOffsetY_);
            if (!grect{frames.left, bounds_.top, frames.right, bounds_.bottom}.overlaps(bounds_) || frames.isEmpty())
                duplicateOffsetX_ = stepX;
            if (!grect{bounds_.left, frames.top, bounds_.right, frames.bottom}.overlaps(bounds_) || frames.isEmpty())
                duplicateOffsetY_ = stepY;
            ox = duplicateOffsetX_;
            oy = duplicateOffsetY_;
        }
    }
    selectionOrigin(duplicateOriginX_, duplicateOriginY_);
    gqueue copies;
    while (ggraphObject* object = firstSelected()) {
        deselect(object);
        ggraphObject* copy = object->clone(ox, oy, nullptr, true);
        linkInFrontOf(copy, object);
        copy->queue(copies);
        object->redraw();
        copy->redraw();
        markStationModified();
    }
    selection_.takeFrom(copies);
}

void fscreen::drawRubberBand() const
{
    if (tool_ <= toolReshape && hitCode_ == 0 && !band_.isEmpty())
        drawFocusRect(band_);
}

// Properties.

void fscreen::setSelectionProperties(int maskBit, int id, int stateId, uint32_t stateNumber)
{
    const gdrawingProperties& r = selectionRecord_;
    for (ggraphObject* object = firstSelected(); object; object = nextSelected(object)) {
        if (!(object->getPropertyMask() & maskBit))
            continue;
        markStationModified();
        object->redraw();
        switch (maskBit) {
        case ggraphObject::maskStatic: object->setProperties(r.staticSet, id); break;
        case ggraphObject::mask3dRect: object->setProperties(r.rect3d, id); break;
        case ggraphObject::maskBistate: object->setProperties(r.bistate, id, stateId); break;
        case ggraphObject::maskMultistate: object->setProperties(r.multistate, id, stateId, stateNumber); break;
        case ggraphObject::maskAnalog: object->setProperties(r.analog, id, stateId); break;
        case ggraphObject::maskDial: object->setProperties(r.dial, id, stateId); break;
        case ggraphObject::maskGraph: object->setProperties(r.graph, id); break;
        case ggraphObject::maskDigital: object->setProperties(r.digital, id, stateId); break;
        case ggraphObject::maskString: object->setProperties(r.string, id, stateId); break;
        case ggraphObject::maskMarker: object->setProperties(r.marker, id, stateId); break;
        case ggraphObject::maskLabel: object->setProperties(r.label, id); break;
        case ggraphObject::maskControl: object->setProperties(r.control, id); break;
        default: break;
        }
        object->recalcBounds();
        object->redraw();
    }
    switch (maskBit) {
    case ggraphObject::maskStatic: selectionRecord_.staticSet.clear(); break;
    case ggraphObject::maskBistate: selectionRecord_.bistate.clear(); break;
    case ggraphObject::maskMultistate: selectionRecord_.multistate.clear(); break;
    case ggraphObject::maskAnalog: selectionRecord_.analog.clear(); break;
    case ggraphObject::maskDigital: selectionRecord_.digital.clear(); break;
    case ggraphObject::maskString: selectionRecord_.string.clear(); break;
    case ggraphObject::maskLabel: selectionRecord_.label.clear(); break;
    case ggraphObject::maskControl: selectionRecord_.control.clear(); break;
    default: break;
    }
    for (const ggraphObject* object = firstSelected(); object; object = nextSelected(object)) {
        if (object->getPropertyMask() & maskBit)
            object->collectProperties(selectionRecord_);
    }
}

void fscreen::applyUserLevelToSelection()
{
    for (ggraphObject* object = firstSelected(); object; object = nextSelected(object))
        object->applyUserLevel(selectionRecord_);
    if (hasSelection())
        markStationModified();
}
