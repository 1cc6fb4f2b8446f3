#pragma once

#include "screens/model/gdrawContext.h"
#include "screens/model/gimageReference.h"
#include "screens/model/glineInfo.h"
#include "screens/model/gtextInfo.h"
#include "store/gstorable.h"

struct gpropMarkerValues;
struct gscreenBatchChange;

// Where an X-Y marker draws one state look: its plot rectangle, the
// marker's point, its label box (relative to the point), its four trace
// points and the text that stands for '%' in the label (null: none).
struct gmarkerPlacement {
    grect plot;
    int32_t x = 0;
    int32_t y = 0;
    grect label;
    gpoint trace[4] = {};
    const gstr* text = nullptr;
};

// The look of an X-Y marker in one state: an image at the point, the X
// leader (vertical guide line), Y leader (horizontal guide line), the trace
// line and a label.
class gindMarkerLabel final : public gstorable {
public:
    const gimageReference& image() const noexcept { return image_; }
    const glineInfo& xLeader() const noexcept { return xLeader_; }
    const glineInfo& yLeader() const noexcept { return yLeader_; }
    const glineInfo& trace() const noexcept { return trace_; }
    const gtextInfo& labelStyle() const noexcept { return labelStyle_; }
    const gstr& labelText() const noexcept { return labelText_; }
    bool hasLabelText() const noexcept { return !labelText_.isNull(); }

    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override;

    void apply(const gpropMarkerValues& record);
    void applyOne(const gpropMarkerValues& record, int id);
    void mergeInto(gpropMarkerValues& record) const;

    // The image's rectangle at the point (null without an image).
    grect imageRect(int32_t x, int32_t y) const;
    grect area(const gmarkerPlacement& place) const;
    void draw(gdrawContext& dc, const gmarkerPlacement& place) const;
    bool hitTest(const gmarkerPlacement& place, int32_t x, int32_t y) const;

    void imagesUnloading() { image_.unloading(); }
    void imagesLoaded(bool quiet);
    void collectImages() const { image_.collect(); }
    int replaceText(const gscreenBatchChange& change);

private:
    void takeLabelText(const gpropMarkerValues& record);

    gimageReference image_;
    glineInfo xLeader_;
    glineInfo yLeader_;
    glineInfo trace_;
    gtextInfo labelStyle_;
    gstr labelText_;
};
