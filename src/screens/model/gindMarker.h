#pragma once

#include "screens/model/gindMarkerLabel.h"
#include "screens/model/gindObject.h"

#include <cmath>
#include <memory>

class ganalogSupplement;
class gstringSupplement;

// MARKER: a point plotted in a rectangle at the values of two analog
// registers (X_COORDINATE, Y_COORDINATE), in one of five looks chosen by an
// optional state register, with an optional label whose text may come from
// a string register (LABEL). The editor draws the point at a fixed preview
// place.
class gindMarker final : public gindObject {
public:
    explicit gindMarker(fscreen* screen) noexcept : gindObject(screen) {}
    gindMarker(const gindMarker& source, int32_t dx, int32_t dy, fscreen* screen, bool linkReferences);
    ~gindMarker() override;

    gregister* stateRegister() const noexcept { return register_; }
    ganalogSupplement* xRegister() const noexcept { return xAxis_.part; }
    ganalogSupplement* yRegister() const noexcept { return yAxis_.part; }
    const grect& plot() const noexcept { return plot_; }
    const grect& labelBox() const noexcept { return label_; }
    const gindMarkerLabel* record(int state) const noexcept;
    // The preview point and trace in the transformed plot rectangle.
    void previewPoint(int32_t& x, int32_t& y) const;
    void previewTrace(gpoint* points) const;

    int descriptionId() const override { return 20227; }
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
    grect getFrame() const override { return plot_; }
    bool isInsideRect(const grect& rect) const override;
    void moveHandle(int code, int32_t dx, int32_t dy) override;
    void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) override;
    void endGeometryChange() override;
    int beginCreate(int32_t x, int32_t y) override;
    void drawCreateFeedback(gdrawContext& dc) const override;
    int toolAfterCreate() const override { return 1; }
    int getPropertyMask() const override { return maskMarker; }
    void setProperties(const gpropMarker& set, int id, int stateId) override;
    void collectProperties(gdrawingProperties& record) const override;
    void refreshPreview(bool blinkTick) override;
    ggraphObject* clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const override;
    bool usesRegister(const gregister* reg) const override;
    void imagesUnloading() override;
    void imagesLoaded(bool quiet) override;
    void collectImages() const override;
    int replaceText(const gscreenBatchChange& change, gstr& log) override;

private:
    struct axis {
        ganalogSupplement* part = nullptr;
        int32_t shows = 1;
        double minimum = HUGE_VAL;
        double maximum = HUGE_VAL;
    };

    gloadStatus loadAxis(axis& target, const gstr& value);
    void writeAxis(CObjectFile& file, int indent, int token, const axis& source) const;
    void relink();
    bool anyLabelText() const;
    void placeDefaultLabel();
    // The record shown: drawing takes no fall-back, hit tests fall back
    // from blink to on and back.
    const gindMarkerLabel* chosen(bool forHit) const;
    gmarkerPlacement placement(const gstr& text) const;
    const gstr& labelText() const;

    grect plot_;
    grect label_;
    gregister* register_ = nullptr;
    axis xAxis_;
    axis yAxis_;
    gstringSupplement* labelRegister_ = nullptr;
    std::unique_ptr<gindMarkerLabel> records_[5];
};
