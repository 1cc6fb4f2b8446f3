#pragma once

#include "foundation/gqueueObject.h"
#include "foundation/gstr.h"
#include "screens/model/grect.h"
#include "screens/model/gtransform.h"
#include "store/gstorable.h"

#include <cstdint>
#include <map>

class fscreen;
class gdrawContext;
class gdrawingProperties;
class ggraphGroup;
class gprogramUsedByList;
class gregister;
struct gpropStatic;
struct gprop3dRect;
struct gpropBistate;
struct gpropMultistate;
struct gpropAnalog;
struct gpropDial;
struct gpropGraph;
struct gpropDigital;
struct gpropString;
struct gpropMarker;
struct gpropLabel;
struct gpropControl;
struct gscreenBatchChange;

// The numbers of the value names a multistate pane lists.
using gstateNameMap = std::map<uint32_t, gstr>;

// The interface of everything a screen holds: drawings, indicators, labels,
// graphs, dials, markers, controls and groups. The base carries the links of
// the screen's drawing order (back to front), the selection link, the owning
// screen, the bounds (the area the object paints), the user level and the
// pending scale of a group resize.
//
// Handle codes: 0 miss, 1 the body, 2 top-left, 3 top-right, 4 bottom-left,
// 5 bottom-right; classes add their own from 6.
class ggraphObject : public gstorable, public gqueueObject {
public:
    // The property-set bits of getPropertyMask.
    enum : int {
        maskStatic = 0x001,
        mask3dRect = 0x002,
        maskBistate = 0x004,
        maskMultistate = 0x008,
        maskAnalog = 0x010,
        maskDial = 0x020,
        maskGraph = 0x040,
        maskDigital = 0x080,
        maskString = 0x100,
        maskMarker = 0x200,
        maskLabel = 0x400,
        maskControl = 0x800,
        maskGroup = 0x1000,
    };

    explicit ggraphObject(fscreen* screen) noexcept : screen_(screen) {}
    // The copy of clone: bounds moved, the user level, no links, the given
    // screen or else the source's.
    ggraphObject(const ggraphObject& source, int32_t dx, int32_t dy, fscreen* screen);
    ggraphObject(const ggraphObject&) = delete;
    ggraphObject& operator=(const ggraphObject&) = delete;
    ~ggraphObject() override;

    // Storable: the base writes and reads USER_LEVEL; afterLoad recomputes
    // the bounds.
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;

    virtual void draw(gdrawContext& dc) const = 0;
    // The second painting pass, after every object was drawn.
    virtual void drawOverlay(gdrawContext& dc) const;
    virtual void drawHandles(gdrawContext& dc, bool reshape) const;
    virtual void recalcBounds() = 0;
    virtual int hitTest(int32_t x, int32_t y, bool reshape, bool bodyOnly) const;
    virtual void getHandlePoint(int code, int32_t& x, int32_t& y) const;
    // The rectangle whose corners carry the handles; alignment uses it.
    virtual grect getFrame() const;
    virtual bool isInsideRect(const grect& rect) const;
    // Code 1 moves the whole object, others that handle.
    virtual void moveHandle(int code, int32_t dx, int32_t dy) = 0;
    // Rotation 1 a quarter turn left, -1 right, 0 none; a doubled centre of
    // INT_MAX is the object's own centre.
    virtual void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) = 0;
    // Folds the pending transform into the geometry and normalises it.
    virtual void endGeometryChange() = 0;
    // Creation by a drawing tool at a point with the drawing defaults; the
    // handle code the drag then moves.
    virtual int beginCreate(int32_t x, int32_t y) = 0;
    // The creating press was released: 0 complete, creationCancelled when
    // the object is not to be made after all, else the handle code with
    // which creation goes on at the next press. Base: the drawing defaults'
    // user level, 0.
    static constexpr int creationCancelled = -1;
    virtual int endCreate(bool moved);
    virtual void applyUserLevel(const gdrawingProperties& record);
    virtual void collectUserLevel(gdrawingProperties& record) const;

    // One changed property of the set of the object's kind; the base throws.
    virtual void setProperties(const gpropLabel& set, int id);
    virtual void setProperties(const gpropControl& set, int id);
    virtual void setProperties(const gpropMarker& set, int id, int stateId);
    virtual void setProperties(const gpropGraph& set, int id);
    virtual void setProperties(const gpropDial& set, int id, int stateId);
    virtual void setProperties(const gpropString& set, int id, int stateId);
    virtual void setProperties(const gpropDigital& set, int id, int stateId);
    virtual void setProperties(const gpropAnalog& set, int id, int stateId);
    virtual void setProperties(const gpropMultistate& set, int id, int stateId, uint32_t stateNumber);
    virtual void setProperties(const gpropBistate& set, int id, int stateId);
    virtual void setProperties(const gprop3dRect& set, int id);
    virtual void setProperties(const gpropStatic& set, int id);
    // Merges the object's values into the set of its kind.
    virtual void collectProperties(gdrawingProperties& record) const = 0;
    virtual void collectStateNames(gstateNameMap& names, int& started) const;
    virtual void addStateNumbers(gpropMultistate& set) const;
    virtual void setTransformOrigin(int32_t x, int32_t y);
    virtual void setTransformScale(double scaleX, double scaleY);
    virtual ggraphGroup* asGroup() { return nullptr; }
    // Redraws what the editor previews (indicators); blinkTick: the bar's
    // timer.
    virtual void refreshPreview(bool blinkTick);
    virtual void drawCreateFeedback(gdrawContext& dc) const;
    // The tool after the object was drawn without Lock Tool: 0 select.
    virtual int toolAfterCreate() const { return 0; }
    virtual int getPropertyMask() const { return maskStatic; }
    // A copy moved by (dx, dy) for the screen (null: this object's);
    // linkReferences: the copy enters the used-by lists of what it refers to.
    virtual ggraphObject* clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const = 0;
    virtual bool hasEditableText() const { return false; }
    // Edits the text with the Enter Text dialog; the base throws.
    virtual bool editText();
    virtual bool usesRegister(const gregister* reg) const;
    virtual bool usesScreen(const fscreen* screen) const;
    virtual bool usesProgram(const gprogramUsedByList* program) const;
    // The image table is replaced (drop pointers) or was loaded (find the
    // images again; without quiet, redraw and mark the station modified
    // when an image changed); before a save, define IMAGE objects.
    virtual void imagesUnloading();
    virtual void imagesLoaded(bool quiet);
    virtual void collectImages() const;
    virtual int replaceText(const gscreenBatchChange& change, gstr& log);

    const grect& getBounds() const noexcept { return bounds_; }
    ggraphObject* getNext() const noexcept { return next_; }
    ggraphObject* getPrev() const noexcept { return prev_; }
    void setNext(ggraphObject* object) noexcept { next_ = object; }
    void setPrev(ggraphObject* object) noexcept { prev_ = object; }
    fscreen* getScreen() const noexcept { return screen_; }
    int32_t getUserLevel() const noexcept { return userLevel_; }
    void setUserLevel(int32_t level) noexcept { userLevel_ = level; }
    const gtransform& getTransform() const noexcept { return transform_; }

    int32_t transformX(int32_t x) const noexcept { return transform_.x(x); }
    int32_t transformY(int32_t y) const noexcept { return transform_.y(y); }
    grect transformRect(const grect& r) const noexcept { return transform_.rect(r); }
    int32_t scaleLength(int32_t n) const noexcept { return transform_.length(n); }

    // Invalidates the bounds grown by 2 (so that handles repaint too).
    void redraw() const;
    // Invalidates a rectangle of screen coordinates in the screen's view.
    void invalidate(const grect& rect) const;

protected:
    void setBounds(const grect& bounds) noexcept { bounds_ = bounds; }
    void resetTransform() noexcept { transform_.reset(); }

private:
    [[noreturn]] static void notSupplied(const char* text);

    ggraphObject* next_ = nullptr;
    ggraphObject* prev_ = nullptr;
    fscreen* screen_;
    grect bounds_;
    int32_t userLevel_ = 0;
    gtransform transform_;
};

// The station has unsaved changes.
void markStationModified();
// A header line of one keyword at the indent.
void writeKeywordLine(CObjectFile& file, int indent, int token);
// The key of a field line (the value follows).
void writeKeyOf(CObjectFile& file, int indent, int token);
// A value that must be exactly one appearance value (a LINE_STYLE,
// FILL_STYLE or STYLE line): 4 when the value is set already, 3 when it does
// not parse completely.
template <class V>
gloadStatus loadAppearance(V& target, const gstr& value)
{
    if (target.isSet())
        return gload::alreadyLoaded;
    V read;
    if (read.parse(value.data()) != 1)
        return gload::invalidValue;
    target = read;
    return gload::accepted;
}
// The appearance line of a value that is set.
template <class V>
void writeAppearance(CObjectFile& file, int indent, int token, const V& value)
{
    if (!value.isSet())
        return;
    writeKeyOf(file, indent, token);
    value.write(file, 1);
}
