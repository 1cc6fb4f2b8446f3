#pragma once

#include "screens/model/gindObject.h"
#include "screens/model/gindObjectInfo.h"
#include "screens/model/gshape.h"

#include <functional>
#include <memory>

// What bistate and multistate indicators share: a shape whose look follows
// the register's state, one per-state record per state (of the shape's
// variant). The geometry operations go straight to the shape; drawing, hit
// tests and text editing use the record the subclass chooses for the state
// the editor previews.
class gindShapeIndicator : public gindObject {
public:
    gindShapeIndicator(fscreen* screen, std::unique_ptr<gshape> shape) noexcept
        : gindObject(screen), shape_(std::move(shape))
    {
    }
    gindShapeIndicator(const gindShapeIndicator& source, int32_t dx, int32_t dy, fscreen* screen);
    ~gindShapeIndicator() override;

    const gshape& shape() const noexcept { return *shape_; }

    // The header keyword; the shape's keyword follows as its value.
    virtual int headerToken() const = 0;
    // The register whose title and level the indicator shows.
    virtual gregister* boundRegister() const = 0;
    // The records: for drawing, for hit tests, for text editing.
    virtual const gindObjectInfo* drawRecord() const = 0;
    virtual const gindObjectInfo* hitRecord() const = 0;
    virtual gindObjectInfo* textRecord() const = 0;
    virtual void forEachRecord(const std::function<void(gindObjectInfo&)>& f) const = 0;

    void writeHeader(CObjectFile& file, int indent) const override;
    // The base's and the shape's; the subclass adds its own.
    void writeFields(CObjectFile& file, int indent) const override;
    // The shape's key, else the base's.
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override { return shape_->isComplete(); }
    void draw(gdrawContext& dc) const override;
    void drawHandles(gdrawContext& dc, bool reshape) const override { shape_->drawHandles(dc, reshape); }
    void recalcBounds() override;
    int hitTest(int32_t x, int32_t y, bool reshape, bool bodyOnly) const override;
    void getHandlePoint(int code, int32_t& x, int32_t& y) const override { shape_->getHandlePoint(code, x, y); }
    grect getFrame() const override { return shape_->getFrame(); }
    bool isInsideRect(const grect& rect) const override;
    void moveHandle(int code, int32_t dx, int32_t dy) override { shape_->moveHandle(code, dx, dy); }
    void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) override;
    void endGeometryChange() override;
    int endCreate(bool moved) override;
    void drawCreateFeedback(gdrawContext& dc) const override { shape_->drawCreateFeedback(dc); }
    int toolAfterCreate() const override { return shape_->toolAfterCreate(); }
    void refreshPreview(bool blinkTick) override;
    bool hasEditableText() const override;
    bool editText() override;
    bool usesRegister(const gregister* reg) const override { return reg && boundRegister() == reg; }
    void imagesUnloading() override;
    void imagesLoaded(bool quiet) override;
    void collectImages() const override;

protected:
    // A new empty record of the shape's variant that reads the following
    // lines up to its END.
    gloadStatus loadRecord(std::unique_ptr<gindObjectInfo>& slot);
    void writeRecord(CObjectFile& file, int indent, int token, const gindObjectInfo* record) const;
    int replaceInRecords(const gscreenBatchChange& change);

    std::unique_ptr<gshape> shape_;
};
