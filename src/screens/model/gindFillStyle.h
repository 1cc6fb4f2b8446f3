#pragma once

#include "screens/model/gfillInfo.h"
#include "screens/model/gimageReference.h"
#include "screens/model/glineInfo.h"
#include "screens/model/grect.h"
#include "store/gstorable.h"

class gdrawContext;
struct gstateFill;

// The look of one part of a dial in one state: an kindArea (line and fill) for
// the whole dial and its bottom and top parts, or, for its marker, a line
// or an image (decided by the first LINE_STYLE or IMAGE read, or by the
// property set).
class gindFillStyle final : public gstorable {
public:
    enum : int32_t { kindArea = -1, kindLine = 0, kindImage = 1, kindUndecided = -2 };

    explicit gindFillStyle(int32_t kind) noexcept : kind_(kind) {}

    int32_t kind() const noexcept { return kind_; }
    const glineInfo& line() const noexcept { return line_; }
    const gfillInfo& fill() const noexcept { return fill_; }
    const gimageReference& image() const noexcept { return image_; }

    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override;

    void apply(const gstateFill& record);
    void applyOne(const gstateFill& record, int id);
    void mergeInto(gstateFill& record) const;

    // The painted kindArea in the part's rectangle.
    grect area(const grect& part) const;
    void draw(gdrawContext& dc, const grect& part) const;
    bool hitTest(const grect& part, int32_t x, int32_t y) const;

    void imagesUnloading() { image_.unloading(); }
    void imagesLoaded(bool quiet);
    void collectImages() const;

private:
    void takeImage(const gstateFill& record);

    glineInfo line_;
    gfillInfo fill_;
    int32_t kind_;
    gimageReference image_;
};
