#pragma once

#include "foundation/gcolor.h"
#include "foundation/gqueueObject.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/ggraphObject.h"
#include "screens/model/grect.h"
#include "store/gprocessorCall.h"
#include "store/gtitledObject.h"
#include "store/gusedByList.h"

#include <cstdint>

class gdrawContext;
class gscreenWindow;
struct gscreenBatchChange;

// One operator screen (object type SCREEN): a rectangle, a grid, a
// background colour, the show, in-menu and local flags, an optional
// acknowledge program and the graphic objects, painted back to front. It
// owns its objects, keeps the screen editor's selection with the gathered
// properties of the selected objects, and carries the state of the drawing
// tools. Objects, like the acknowledge program, refer to the screen through
// its used-by list.
class fscreen : public gtitledObject, public gusedByList, public greferrer {
public:
    // Drawing tools: 0 select, 1 reshape, 2 simple shapes (sub-kind 0 line,
    // 1 spline, 2 rectangle, 3 ellipse, 4 text, 5 image), 3 3D area, 4
    // bistate and 5 multistate indicator (sub-kind: the shape), 6 digital, 7
    // analog and 8 string indicator, 9 dial, 10 graph, 11 X-Y marker, 12
    // control, 13 label.
    enum : int { toolSelect = 0, toolReshape = 1, toolShape = 2, tool3dRect = 3, toolControl = 12, toolCount = 14 };

    fscreen();
    fscreen(const fscreen&) = delete;
    fscreen& operator=(const fscreen&) = delete;
    ~fscreen() override;

    const gobjectType* getObjectType() const override;
    // Appends "The screen <title>".
    void describeReferrer(gstr& text) const override;

    // Storable.
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override { return !bounds_.isEmpty(); }

    // The factory of graphic objects by the keyword and value of their
    // header line; null for a value the keyword does not take.
    ggraphObject* createByKeyword(int token, const gstr& value);

    // Attributes.
    const grect& getBounds() const noexcept { return bounds_; }
    void setBounds(const grect& bounds) noexcept { bounds_ = bounds; }
    int64_t getWidth() const noexcept { return bounds_.width(); }
    int64_t getHeight() const noexcept { return bounds_.height(); }
    const gcolor& getBackground() const noexcept { return background_; }
    bool isShown() const noexcept { return show_ > 0; }
    // Not read yet (-1) counts as in the menu.
    bool isInMenu() const noexcept { return inMenu_ != 0; }
    bool isLocal() const noexcept { return local_ > 0; }
    const gprocessorCall& getAckCall() const noexcept { return ackCall_; }
    ggraphObject* firstObject() const noexcept { return first_; }
    ggraphObject* lastObject() const noexcept { return last_; }
    int getSelectionMask() const noexcept { return selectionMask_; }
    gdrawingProperties& getSelectionProperties() noexcept { return selectionRecord_; }
    // The Screen Properties dialog.
    void setScreenProperties(int32_t height, int32_t width, int32_t inMenu, int32_t local, int32_t show,
                             const gcolor& background, const gprocessorCall& ackCall);

    // The view that shows the screen and its scroll origin (in screen
    // coordinates, relative to the screen's top-left corner).
    void attachWindow(gscreenWindow* window, int32_t scrollX, int32_t scrollY);
    // Throws when a window is already bound.
    void setWindow(gscreenWindow* window);
    void setScroll(int32_t x, int32_t y) noexcept;
    gscreenWindow* getWindow() const noexcept { return window_; }
    void detachWindow() noexcept;
    // A rectangle relative to the screen's top-left corner.
    void redrawRect(const grect& rect) const;
    // A rectangle of screen coordinates.
    void invalidateRect(const grect& rect) const;
    void redrawScreen() const { invalidateRect(bounds_); }
    void drawFocusRect(const grect& rect) const;

    void draw(gdrawContext& dc) const;

    bool usesRegister(const gregister* reg) const;
    bool usesProgram(const gprogramUsedByList* program) const;
    bool usesScreen(const fscreen* screen) const;
    void imagesUnloading();
    void imagesLoaded(bool quiet);
    void collectImages() const;
    void refreshPreviews(bool blinkTick, int mask);
    void collectSelectionStateNames(gstateNameMap& names) const;
    void addStateNumbers(gpropMultistate& set) const;
    // Change Screen Objects over the selection; reports the count.
    int replaceText(const gscreenBatchChange& change);
    // Copies of every object of the source, moved by the difference of the
    // two screens' top-left corners; select: the copies become the
    // selection.
    void copyObjectsFrom(const fscreen& source, bool select);
    // Deletes every object; the station's modified flag is not touched.
    void deleteAllObjects();

    // Selection and drawing tools.
    int getTool() const noexcept { return tool_; }
    void setTool(int tool);
    int getSubKind() const noexcept { return subKind_; }
    void setSubKind(int subKind) noexcept { subKind_ = subKind; }
    bool isToolLocked() const noexcept { return lockTool_ != 0; }
    void setToolLocked(bool locked) noexcept { lockTool_ = locked ? 1 : 0; }
    bool isSnapOn() const noexcept { return snap_ != 0; }
    void setSnap(bool on);
    bool isGridShown() const noexcept { return showGrid_ > 0; }
    void getGridSize(int32_t& x, int32_t& y) const noexcept;
    void getGridOrigin(int32_t& x, int32_t& y) const noexcept;
    ggraphObject* objectBeingCreated() const noexcept { return creating_; }

    // Mouse gestures in screen coordinates: 1 when the view shall capture
    // the mouse and track.
    int mouseDown(int32_t x, int32_t y, bool shift, bool ctrl);
    void mouseMove(int32_t x, int32_t y);
    // 1 when tracking ends; 0 when the object being made wants another
    // press.
    int mouseUp(int32_t x, int32_t y);
    void cancelMode(int32_t x, int32_t y);
    void doubleClick(int32_t x, int32_t y);
    void nudgeSelection(int32_t dx, int32_t dy);
    void duplicateSelection(bool withOffset);
    ggraphObject* objectAt(int32_t x, int32_t y, int& hitCode, bool preferSelected) const;
    void snapToGrid(int32_t& x, int32_t& y) const noexcept;
    // The smallest x and y of the selected objects' body points; INT_MAX
    // without a selection.
    void selectionOrigin(int32_t& x, int32_t& y) const;
    void drawRubberBand() const;
    // Applies one property of the selection record to every selected object
    // that takes its set.
    void setSelectionProperties(int maskBit, int id, int stateId, uint32_t stateNumber);
    void applyUserLevelToSelection();
    bool hasSelection() const noexcept { return selectionMask_ != 0; }
    bool hasSeveralSelected() const noexcept;
    bool isSelected(const ggraphObject* object) const noexcept;
    // The selected objects in selection order.
    ggraphObject* firstSelected() const noexcept;
    ggraphObject* nextSelected(const ggraphObject* object) const noexcept;
    void selectObject(ggraphObject* object);
    void emptySelection();
    void gatherSelection();

    // Editing commands.
    bool canRaise() const noexcept;
    bool canLower() const noexcept;
    void raiseSelection();
    void lowerSelection();
    void bringSelectionToFront();
    void sendSelectionToBack();
    void alignSelection(int horizontal, int vertical);
    void alignWithGrid();
    void setGridShown(bool shown);
    void setGridSize(int32_t x, int32_t y);
    void alignGridWithSelection();
    void alignGridWithScreen();
    void transformSelection(int rotation, bool flipH, bool flipV);
    // Arrange > Group, which the screen document performs on its screen.
    void groupSelection();
    void ungroupSelection();
    bool isGroupSelected() const noexcept { return (selectionMask_ & ggraphObject::maskGroup) != 0; }
    void copySelection() const;
    void cutSelection();
    void paste();
    void deleteSelection();
    void selectAll();
    bool hasOffScreenObjects() const;
    void deleteOffScreenObjects();

    // List links, for the screen and its commands.
    void linkAtFront(ggraphObject* object) noexcept;
    void linkAtBack(ggraphObject* object) noexcept;
    // Links the object directly in front of the other (behind null: at the
    // back).
    void linkInFrontOf(ggraphObject* object, ggraphObject* behind) noexcept;
    void unlink(ggraphObject* object) noexcept;

private:
    gloadStatus loadObject(int token, const gstr& value);
    gloadStatus loadAckControl(const gstr& value);
    gloadStatus loadGrid(const gstr& value);
    gloadStatus loadFlag(int32_t& flag, const gstr& value);
    void writeGrid(CObjectFile& file, int indent) const;
    bool gridLineNeeded() const noexcept;
    void drawGrid(gdrawContext& dc) const;
    void forgetDuplicateOrigin() noexcept;
    void followDuplicate();
    void moveSelection(int code, int32_t dx, int32_t dy);
    int selectAt(int32_t x, int32_t y, bool shift, bool ctrl);
    int createByTool(int32_t& x, int32_t& y);
    void dragStep(int32_t& x, int32_t& y);
    void dragSelect(int32_t& x, int32_t& y);
    void dragCreate(int32_t& x, int32_t& y);
    void endSelect(bool cancelled);
    int endCreate();
    int finishCreation(ggraphObject& object);
    void toggleSelection(ggraphObject* object);
    void deselect(ggraphObject* object);
    ggraphObject* makeToolObject();
    void deleteObject(ggraphObject* object);

    gscreenWindow* window_ = nullptr;
    int32_t scrollX_ = 0;
    int32_t scrollY_ = 0;
    grect bounds_;
    gcolor background_;
    int32_t show_ = -1;
    int32_t inMenu_ = -1;
    int32_t local_ = -1;
    ggraphObject* first_ = nullptr;
    ggraphObject* last_ = nullptr;
    gprocessorCall ackCall_;
    gusesList uses_{this};
    gqueue selection_;
    int selectionMask_ = 0;
    gdrawingProperties selectionRecord_;
    int hitCode_ = 0;
    grect band_;
    int32_t grabX_ = 0;
    int32_t grabY_ = 0;
    int32_t grabOffsetX_ = 0;
    int32_t grabOffsetY_ = 0;
    int32_t duplicateOffsetX_ = 0;
    int32_t duplicateOffsetY_ = 0;
    int32_t duplicateOriginX_ = grect::emptyCoordinate;
    int32_t duplicateOriginY_ = grect::emptyCoordinate;
    int subKind_ = 0;
    int tool_ = 0;
    int32_t lockTool_ = 0;
    int32_t snap_ = 0;
    int32_t showGrid_ = 0;
    int32_t gridStepX_ = 16;
    int32_t gridStepY_ = 16;
    int32_t gridOriginX_ = 0;
    int32_t gridOriginY_ = 0;
    ggraphObject* creating_ = nullptr;
    // The station's modified flag before the object being created marked
    // it, for a creation that is cancelled.
    int32_t modifiedBeforeCreation_ = 0;
    int32_t moved_ = 0;
    bool finishing_ = false;
};

// The screen editor's clipboard: a screen of no table, bounds (0, 0, 10,
// 10), whose objects hold references without entering used-by lists.
fscreen& clipboardScreen();
// The system's drag distance, set once at start-up.
int32_t dragThreshold();
void setDragThreshold(int32_t pixels);
