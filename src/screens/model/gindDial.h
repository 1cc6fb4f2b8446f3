#pragma once

#include "screens/model/gindFillStyle.h"
#include "screens/model/gindObject.h"

#include <limits>
#include <memory>

class ganalogSupplement;

// DIAL: a bar gauge split at the level of an analog register's value into
// a bottom part, a top part and a marker at the level, vertical or
// HORIZONTAL. The parts look different in the states on, off and blink;
// the whole dial has a look of its own when masked or in error. The editor
// draws it at a fixed preview level.
class gindDial final : public gindObject {
public:
    explicit gindDial(fscreen* screen) noexcept : gindObject(screen) {}
    gindDial(const gindDial& source, int32_t dx, int32_t dy, fscreen* screen, bool linkReferences);
    ~gindDial() override;

    const grect& rect() const noexcept { return rect_; }
    int32_t horizontal() const noexcept { return horizontal_; }
    double minimum() const noexcept { return minimum_; }
    double maximum() const noexcept { return maximum_; }
    const gindFillStyle* record(int state) const noexcept;
    // The rectangle of a record's part (state id 0 to 10).
    grect partRect(int state) const;

    int descriptionId() const override { return 20056; }
    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;
    void draw(gdrawContext& dc) const override;
    void drawHandles(gdrawContext& dc, bool reshape) const override;
    void recalcBounds() override;
    int hitTest(int32_t x, int32_t y, bool reshape, bool bodyOnly) const override;
    void getHandlePoint(int code, int32_t& x, int32_t& y) const override;
    grect getFrame() const override { return rect_; }
    bool isInsideRect(const grect& rect) const override;
    void moveHandle(int code, int32_t dx, int32_t dy) override { rect_.moveHandle(code, dx, dy); }
    void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) override;
    void endGeometryChange() override;
    int beginCreate(int32_t x, int32_t y) override;
    void drawCreateFeedback(gdrawContext& dc) const override;
    int getPropertyMask() const override { return maskDial; }
    void setProperties(const gpropDial& set, int id, int stateId) override;
    void collectProperties(gdrawingProperties& record) const override;
    void refreshPreview(bool blinkTick) override;
    ggraphObject* clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const override;
    bool usesRegister(const gregister* reg) const override;
    void imagesUnloading() override;
    void imagesLoaded(bool quiet) override;
    void collectImages() const override;
    int replaceText(const gscreenBatchChange& change, gstr& log) override;

private:
    gloadStatus loadDialRegister(const gstr& value);
    gregister* boundRegister() const;
    // The records the preview state shows, in drawing order (missing ones
    // included as -1), and the order hit tests try them.
    bool blinking() const;
    void recordsForHit(int* order) const;

    grect rect_;
    ganalogSupplement* register_ = nullptr;
    int32_t valueShown_ = 1;
    int32_t horizontal_ = -1;
    double maximum_ = std::numeric_limits<double>::infinity();
    double minimum_ = std::numeric_limits<double>::infinity();
    std::unique_ptr<gindFillStyle> records_[11];
};
