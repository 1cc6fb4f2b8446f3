// The screen editor's commands on a screen as a whole or on its selection:
// drawing order, alignment, the grid, flips and rotations, grouping, the
// clipboard, delete and select all.

#include "screens/model/fscreen.h"

#include "screens/model/ggraphGroup.h"

#include <cmath>
#include <vector>

namespace {

// The remainder made non-negative.
int32_t gridRemainder(int32_t value, int32_t step)
{
    int64_t r = int64_t(value) % step;
    return static_cast<int32_t>(r < 0 ? r + step : r);
}

int32_t half(int32_t a, int32_t b) { return static_cast<int32_t>((int64_t(a) + b) / 2); }

// The distribution targets of the selected objects' frame centres in one
// axis; false when every centre ranks first.
bool distribute(const std::vector<int32_t>& centres, std::vector<int32_t>& targets)
{
    size_t n = centres.size();
    std::vector<size_t> ranks(n, 0);
    size_t largest = 0;
    int32_t low = INT32_MAX;
    int32_t high = INT32_MIN;
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = 0; j < n; ++j) {
            if (j != i && centres[j] < centres[i])
                ++ranks[i];
        }
        largest = std::max(largest, ranks[i]);
        low = std::min(low, centres[i]);
        high = std::max(high, centres[i]);
    }
    if (largest == 0)
        return false;
    double step = double(int64_t(high) - low) / double(largest);
    targets.resize(n);
    for (size_t i = 0; i < n; ++i)
        targets[i] = wrapCoordinate(static_cast<int64_t>(std::floor(low + double(ranks[i]) * step + 0.5)));
    return true;
}

} // namespace

// Drawing order.

bool fscreen::canRaise() const noexcept { return hasSelection() && last_ && !isSelected(last_); }

bool fscreen::canLower() const noexcept { return hasSelection() && first_ && !isSelected(first_); }

void fscreen::raiseSelection()
{
    if (!canRaise())
        return;
    for (ggraphObject* object = last_->getPrev(); object;) {
        ggraphObject* behind = object->getPrev();
        if (isSelected(object)) {
            ggraphObject* inFront = object->getNext();
            unlink(object);
            linkInFrontOf(object, inFront);
            markStationModified();
            object->redraw();
        }
        object = behind;
    }
}

void fscreen::lowerSelection()
{
    if (!canLower())
        return;
    for (ggraphObject* object = first_->getNext(); object;) {
        ggraphObject* inFront = object->getNext();
        ggraphObject* behind = object->getPrev();
        if (isSelected(object) && behind) {
            unlink(object);
            linkInFrontOf(object, behind->getPrev());
            markStationModified();
            object->redraw();
        }
        object = inFront;
    }
}

void fscreen::bringSelectionToFront()
{
    ggraphObject* firstMoved = nullptr;
    for (ggraphObject* object = first_; object && object != firstMoved;) {
        ggraphObject* inFront = object->getNext();
        if (isSelected(object) && object != last_) {
            unlink(object);
            object->redraw();
            linkAtFront(object);
            markStationModified();
            if (!firstMoved)
                firstMoved = object;
        }
        object = inFront;
    }
}

void fscreen::sendSelectionToBack()
{
    ggraphObject* firstMoved = nullptr;
    for (ggraphObject* object = last_; object && object != firstMoved;) {
        ggraphObject* behind = object->getPrev();
        if (isSelected(object) && object != first_) {
            unlink(object);
            object->redraw();
            linkAtBack(object);
            markStationModified();
            if (!firstMoved)
                firstMoved = object;
        }
        object = behind;
    }
}

// Alignment.

void fscreen::alignSelection(int horizontal, int vertical)
{
    if (horizontal == 0 && vertical == 0)
        return;
    std::vector<ggraphObject*> objects;
    std::vector<grect> frames;
    grect all;
    for (ggraphObject* object = firstSelected(); object; object = nextSelected(object)) {
        objects.push_back(object);
        frames.push_back(object->getFrame().normalized());
        all.uniteWith(frames.back());
    }
    std::vector<int32_t> centresX;
    std::vector<int32_t> centresY;
    for (const grect& frame : frames) {
        int32_t cx = 0;
        int32_t cy = 0;
        frame.center(cx, cy);
        centresX.push_back(cx);
        centresY.push_back(cy);
    }
    std::vector<int32_t> targetsX;
    std::vector<int32_t> targetsY;
    bool spreadX = horizontal == 4 && distribute(centresX, targetsX);
    bool spreadY = vertical == 4 && distribute(centresY, targetsY);
    int32_t allCentreX = 0;
    int32_t allCentreY = 0;
    all.center(allCentreX, allCentreY);
    for (size_t i = 0; i < objects.size(); ++i) {
        const grect& f = frames[i];
        int64_t dx = 0;
        int64_t dy = 0;
        switch (horizontal) {
        case 1: dx = int64_t(all.left) - f.left; break;
        case 2: dx = int64_t(allCentreX) - half(f.left, f.right); break;
        case 3: dx = int64_t(all.right) - f.right; break;
        case 4: dx = spreadX ? int64_t(targetsX[i]) - half(f.left, f.right) : 0; break;
        default: break;
        }
        switch (vertical) {
        case 1: dy = int64_t(all.top) - f.top; break;
        case 2: dy = int64_t(allCentreY) - half(f.top, f.bottom); break;
        case 3: dy = int64_t(all.bottom) - f.bottom; break;
        case 4: dy = spreadY ? int64_t(targetsY[i]) - half(f.top, f.bottom) : 0; break;
        default: break;
        }
        if (dx == 0 && dy == 0)
            continue;
        markStationModified();
        objects[i]->redraw();
        objects[i]->moveHandle(1, wrapCoordinate(dx), wrapCoordinate(dy));
        objects[i]->recalcBounds();
        objects[i]->redraw();
    }
}

void fscreen::alignWithGrid()
{
    int32_t x = 0;
    int32_t y = 0;
    selectionOrigin(x, y);
    if (x == grect::emptyCoordinate)
        return;
    int32_t sx = x;
    int32_t sy = y;
    snapToGrid(sx, sy);
    if (sx == x && sy == y)
        return;
    moveSelection(1, wrapCoordinate(int64_t(sx) - x), wrapCoordinate(int64_t(sy) - y));
    followDuplicate();
}

// The grid.

void fscreen::setGridShown(bool shown)
{
    if ((showGrid_ > 0) == shown)
        return;
    showGrid_ = shown ? 1 : 0;
    redrawScreen();
    markStationModified();
}

void fscreen::setGridSize(int32_t x, int32_t y)
{
    if (x == gridStepX_ && y == gridStepY_)
        return;
    gridStepX_ = x;
    gridStepY_ = y;
    if (isGridShown())
        redrawScreen();
    markStationModified();
}

void fscreen::alignGridWithSelection()
{
    int32_t x = 0;
    int32_t y = 0;
    selectionOrigin(x, y);
    if (x == grect::emptyCoordinate)
        return;
    int32_t ox = gridRemainder(x, std::max(gridStepX_, 1));
    int32_t oy = gridRemainder(y, std::max(gridStepY_, 1));
    if (ox == gridOriginX_ && oy == gridOriginY_)
        return;
    gridOriginX_ = ox;
    gridOriginY_ = oy;
    if (isGridShown())
        redrawScreen();
}

void fscreen::alignGridWithScreen()
{
    if (bounds_.isEmpty())
        return;
    int32_t ox = gridRemainder(bounds_.left, std::max(gridStepX_, 1));
    int32_t oy = gridRemainder(bounds_.top, std::max(gridStepY_, 1));
    if (ox == gridOriginX_ && oy == gridOriginY_)
        return;
    gridOriginX_ = ox;
    gridOriginY_ = oy;
    if (isGridShown())
        redrawScreen();
}

// Flips and rotations.

void fscreen::transformSelection(int rotation, bool flipH, bool flipV)
{
    if (!hasSelection())
        return;
    markStationModified();
    selectionRecord_.clearAll();
    for (ggraphObject* object = firstSelected(); object; object = nextSelected(object)) {
        object->redraw();
        object->transform(grect::emptyCoordinate, grect::emptyCoordinate, rotation, flipH, flipV);
        object->endGeometryChange();
        object->recalcBounds();
        object->redraw();
        object->collectProperties(selectionRecord_);
        object->collectUserLevel(selectionRecord_);
    }
}

// Groups.

void fscreen::groupSelection()
{
    markStationModified();
    ggraphObject* frontSelected = last_;
    while (frontSelected && !isSelected(frontSelected))
        frontSelected = frontSelected->getPrev();
    if (!frontSelected)
        return;
    ggraphObject* standsBehind = frontSelected->getNext();
    auto* group = new ggraphGroup(this);
    for (ggraphObject* object = frontSelected; object;) {
        ggraphObject* behind = object->getPrev();
        if (isSelected(object)) {
            deselect(object);
            unlink(object);
            object->redraw();
            group->addMember(object, true, true);
        }
        object = behind;
    }
    linkInFrontOf(group, standsBehind ? standsBehind->getPrev() : last_);
    selectObject(group);
    gatherSelection();
    group->redraw();
}

void fscreen::ungroupSelection()
{
    for (ggraphObject* object = first_; object;) {
        ggraphObject* inFront = object->getNext();
        ggraphGroup* group = isSelected(object) ? object->asGroup() : nullptr;
        if (group) {
            markStationModified();
            deselect(group);
            group->redraw();
            ggraphObject* behind = group->getPrev();
            unlink(group);
            ggraphObject* member = nullptr;
            ggraphObject* lastMember = nullptr;
            group->takeMembers(member, lastMember);
            std::vector<ggraphObject*> members;
            while (member) {
                ggraphObject* next = member->getNext();
                linkInFrontOf(member, behind);
                behind = member;
                members.push_back(member);
                member = next;
            }
            for (ggraphObject* each : members) {
                selectObject(each);
                each->redraw();
            }
            delete group;
        }
        object = inFront;
    }
    gatherSelection();
}

// The clipboard.

void fscreen::copySelection() const
{
    fscreen& clipboard = clipboardScreen();
    clipboard.deleteAllObjects();
    for (const ggraphObject* object = firstSelected(); object; object = nextSelected(object)) {
        ggraphObject* copy = object->clone(wrapCoordinate(-int64_t(bounds_.left)),
                                           wrapCoordinate(-int64_t(bounds_.top)), &clipboard, false);
        clipboard.linkAtFront(copy);
    }
}

void fscreen::cutSelection()
{
    if (hasSelection())
        markStationModified();
    copySelection();
    deleteSelection();
}

void fscreen::paste()
{
    if (tool_ != toolReshape)
        tool_ = toolSelect;
    deleteSelection();
    const fscreen& clipboard = clipboardScreen();
    copyObjectsFrom(clipboard, true);
    if (clipboard.firstObject())
        markStationModified();
}

void fscreen::deleteSelection()
{
    selectionMask_ = 0;
    selectionRecord_.clearAll();
    forgetDuplicateOrigin();
    bool deleted = false;
    while (ggraphObject* object = firstSelected()) {
        deleteObject(object);
        deleted = true;
    }
    if (deleted)
        markStationModified();
}

void fscreen::selectAll()
{
    if (tool_ != toolReshape)
        tool_ = toolSelect;
    for (ggraphObject* object = first_; object; object = object->getNext()) {
        if (!isSelected(object)) {
            selectObject(object);
            object->redraw();
        }
    }
    gatherSelection();
    forgetDuplicateOrigin();
}

bool fscreen::hasOffScreenObjects() const
{
    for (const ggraphObject* object = first_; object; object = object->getNext()) {
        if (!object->getBounds().overlaps(bounds_))
            return true;
    }
    return false;
}

void fscreen::deleteOffScreenObjects()
{
    bool deleted = false;
    for (ggraphObject* object = first_; object;) {
        ggraphObject* inFront = object->getNext();
        if (!object->getBounds().overlaps(bounds_)) {
            deleteObject(object);
            deleted = true;
        }
        object = inFront;
    }
    if (deleted)
        markStationModified();
    gatherSelection();
}
