#pragma once

#include "screens/model/ggraphObject.h"

// Several objects that act as one: selected, moved, resized, flipped,
// rotated, copied and deleted as a unit, with every property change,
// reference query and text replacement reaching the members. The group owns
// its members (back-most first); its frame, the union of the members'
// frames, carries its handles. In a file it is a GROUP block holding the
// members' blocks.
class ggraphGroup final : public ggraphObject {
public:
    // How deep groups read from a file may nest: every operation on a group
    // walks its members recursively.
    static constexpr int maximumDepth = 100;

    explicit ggraphGroup(fscreen* screen, int depth = 0) noexcept : ggraphObject(screen), depth_(depth) {}
    ggraphGroup(const ggraphGroup& source, int32_t dx, int32_t dy, fscreen* screen, bool linkReferences);
    ~ggraphGroup() override;

    // atBack: the member becomes the back-most, else the front-most; grow:
    // bounds and frame take it in.
    void addMember(ggraphObject* member, bool atBack, bool grow);
    // Hands the member list out; the group is left empty.
    void takeMembers(ggraphObject*& first, ggraphObject*& last);
    ggraphObject* firstMember() const noexcept { return first_; }

    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;

    void draw(gdrawContext& dc) const override;
    void drawOverlay(gdrawContext& dc) const override;
    void drawHandles(gdrawContext& dc, bool reshape) const override;
    void recalcBounds() override;
    int hitTest(int32_t x, int32_t y, bool reshape, bool bodyOnly) const override;
    void getHandlePoint(int code, int32_t& x, int32_t& y) const override;
    grect getFrame() const override { return frame_; }
    void moveHandle(int code, int32_t dx, int32_t dy) override;
    void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) override;
    void endGeometryChange() override;
    int beginCreate(int32_t x, int32_t y) override;
    void applyUserLevel(const gdrawingProperties& record) override;
    void collectUserLevel(gdrawingProperties& record) const override;
    void setProperties(const gpropLabel& set, int id) override;
    void setProperties(const gpropControl& set, int id) override;
    void setProperties(const gpropMarker& set, int id, int stateId) override;
    void setProperties(const gpropGraph& set, int id) override;
    void setProperties(const gpropDial& set, int id, int stateId) override;
    void setProperties(const gpropString& set, int id, int stateId) override;
    void setProperties(const gpropDigital& set, int id, int stateId) override;
    void setProperties(const gpropAnalog& set, int id, int stateId) override;
    void setProperties(const gpropMultistate& set, int id, int stateId, uint32_t stateNumber) override;
    void setProperties(const gpropBistate& set, int id, int stateId) override;
    void setProperties(const gprop3dRect& set, int id) override;
    void setProperties(const gpropStatic& set, int id) override;
    void collectProperties(gdrawingProperties& record) const override;
    void collectStateNames(gstateNameMap& names, int& started) const override;
    void addStateNumbers(gpropMultistate& set) const override;
    void setTransformOrigin(int32_t x, int32_t y) override;
    void setTransformScale(double scaleX, double scaleY) override;
    ggraphGroup* asGroup() override { return this; }
    void refreshPreview(bool blinkTick) override;
    int getPropertyMask() const override;
    ggraphObject* clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const override;
    bool hasEditableText() const override;
    bool editText() override;
    bool usesRegister(const gregister* reg) const override;
    bool usesScreen(const fscreen* screen) const override;
    bool usesProgram(const gprogramUsedByList* program) const override;
    void imagesUnloading() override;
    void imagesLoaded(bool quiet) override;
    void collectImages() const override;
    int replaceText(const gscreenBatchChange& change, gstr& log) override;

private:
    template <class F>
    void forEach(F&& f) const
    {
        for (ggraphObject* member = first_; member; member = member->getNext())
            f(*member);
    }
    template <class F>
    bool any(F&& f) const
    {
        for (ggraphObject* member = first_; member; member = member->getNext()) {
            if (f(*member))
                return true;
        }
        return false;
    }
    void rebuildFrame();

    ggraphObject* first_ = nullptr;
    ggraphObject* last_ = nullptr;
    grect frame_;
    grect startFrame_;
    int depth_;
};
