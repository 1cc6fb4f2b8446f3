#pragma once

#include "screens/model/gfillInfo.h"
#include "screens/model/gimageReference.h"
#include "screens/model/gindObject.h"
#include "screens/model/glineInfo.h"

#include <limits>
#include <vector>

class ganalogSupplement;
struct gpoint;

// GRAPH: the recent values of an analog register plotted in a rectangle as
// a line, a filled area, markers, vertical or horizontal strokes or bars.
// The editor draws a fixed wave with as many points as the register keeps
// values.
class gindGraph final : public gindObject {
public:
    // How many points of the preview wave the editor computes at most: the
    // count comes from the register, which a file sets.
    static constexpr int32_t mostPreviewPoints = 65536;

    explicit gindGraph(fscreen* screen) noexcept : gindObject(screen) {}
    gindGraph(const gindGraph& source, int32_t dx, int32_t dy, fscreen* screen, bool linkReferences);

    int32_t type() const noexcept { return type_; }
    const grect& rect() const noexcept { return rect_; }
    static bool drawsLine(int32_t type) noexcept { return type >= 1 && type <= 8 && type != 7; }
    static bool isFilled(int32_t type) noexcept { return type == 2 || type == 4 || type == 6; }
    static bool hasMarkers(int32_t type) noexcept { return type == 3 || type == 4 || type == 7; }

    int descriptionId() const override { return 20027; }
    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override;
    void draw(gdrawContext& dc) const override;
    void drawHandles(gdrawContext& dc, bool reshape) const override;
    void recalcBounds() override;
    int hitTest(int32_t x, int32_t y, bool reshape, bool bodyOnly) const override;
    void getHandlePoint(int code, int32_t& x, int32_t& y) const override;
    grect getFrame() const override { return rect_; }
    void moveHandle(int code, int32_t dx, int32_t dy) override { rect_.moveHandle(code, dx, dy); }
    void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) override;
    void endGeometryChange() override;
    int beginCreate(int32_t x, int32_t y) override;
    void drawCreateFeedback(gdrawContext& dc) const override;
    int getPropertyMask() const override { return maskGraph; }
    void setProperties(const gpropGraph& set, int id) override;
    void collectProperties(gdrawingProperties& record) const override;
    void refreshPreview(bool blinkTick) override;
    ggraphObject* clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const override;
    bool usesRegister(const gregister* reg) const override;
    void imagesUnloading() override;
    void imagesLoaded(bool quiet) override;
    void collectImages() const override;
    int replaceText(const gscreenBatchChange& change, gstr& log) override;

    // The preview points of the wave in the transformed rectangle.
    std::vector<gpoint> previewPoints() const;

private:
    gloadStatus loadGraphRegister(const gstr& value);
    int32_t pointCount() const;
    bool hitColumns(const grect& r, const std::vector<gpoint>& points, int32_t x, int32_t y) const;
    bool hitSegments(const std::vector<gpoint>& points, int32_t x, int32_t y, const grect& r) const;

    grect rect_;
    ganalogSupplement* register_ = nullptr;
    int32_t type_ = 0;
    double top_ = std::numeric_limits<double>::infinity();
    double bottom_ = std::numeric_limits<double>::infinity();
    glineInfo line_;
    gfillInfo fill_;
    gimageReference image_;
};
