#pragma once

#include "foundation/gtriState.h"
#include "screens/model/gfillInfo.h"
#include "screens/model/gimageReference.h"
#include "screens/model/glineInfo.h"
#include "screens/model/gtextInfo.h"
#include "store/gstorable.h"

#include <memory>

class gbitmap;
struct gpropAppearanceValues;
struct gstateText;
struct gscreenBatchChange;

// The look of an indicator's shape in one state, nested in the indicator's
// block under the state's keyword. The variant follows the shape: lines and
// splines a line, rectangles and ellipses a line and a fill, pictures an
// image, texts a text template and its appearance. A getter the variant
// does not hold is a programming fault.
class gindObjectInfo : public gstorable {
public:
    // Nothing: the owner has written the state keyword line.
    void writeHeader(CObjectFile& file, int indent) const override;

    virtual const glineInfo& getLineInfo() const;
    virtual const gfillInfo& getFillInfo() const;
    virtual const gbitmap* getBitmap() const;
    virtual const gstr& getText() const;
    virtual const gtextInfo& getTextInfo() const;

    // Every value from the property set's state record.
    virtual void apply(const gpropAppearanceValues& values) = 0;
    // One property by its id.
    virtual void applyOne(const gpropAppearanceValues& values, int id) = 0;
    virtual void mergeInto(gpropAppearanceValues& values) const = 0;
    virtual std::unique_ptr<gindObjectInfo> clone() const = 0;
    virtual bool hasEditableText() const { return false; }
    virtual bool editText() { return false; }
    virtual void imagesUnloading() {}
    virtual void imagesLoaded(bool) {}
    virtual void collectImages() const {}
    virtual int replaceText(const gscreenBatchChange&) { return 0; }
};

// LINE_STYLE.
class gindLineObjectInfo final : public gindObjectInfo {
public:
    const glineInfo& getLineInfo() const override { return line_; }
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return line_.isSet(); }
    void apply(const gpropAppearanceValues& values) override;
    void applyOne(const gpropAppearanceValues& values, int id) override;
    void mergeInto(gpropAppearanceValues& values) const override;
    std::unique_ptr<gindObjectInfo> clone() const override;

private:
    glineInfo line_;
};

// LINE_STYLE and FILL_STYLE.
class gindFilledObjectInfo final : public gindObjectInfo {
public:
    const glineInfo& getLineInfo() const override { return line_; }
    const gfillInfo& getFillInfo() const override { return fill_; }
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return line_.isSet() && fill_.isSet(); }
    void apply(const gpropAppearanceValues& values) override;
    void applyOne(const gpropAppearanceValues& values, int id) override;
    void mergeInto(gpropAppearanceValues& values) const override;
    std::unique_ptr<gindObjectInfo> clone() const override;

private:
    glineInfo line_;
    gfillInfo fill_;
};

// IMAGE: the name of an image of the image table.
class gindBitmapObjectInfo final : public gindObjectInfo {
public:
    const gbitmap* getBitmap() const override { return image_.image(); }
    const gstr& imageName() const noexcept { return image_.name(); }
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return image_.hasName(); }
    void apply(const gpropAppearanceValues& values) override;
    void applyOne(const gpropAppearanceValues& values, int id) override;
    void mergeInto(gpropAppearanceValues& values) const override;
    std::unique_ptr<gindObjectInfo> clone() const override;
    void imagesUnloading() override;
    void imagesLoaded(bool quiet) override;
    void collectImages() const override { image_.collect(); }

private:
    gimageReference image_;
};

// TEXT2 and STYLE: a text template in which a single '%' stands for the
// register's title. The older TEXT was literal: its '%' are doubled.
class gindTextObjectInfo final : public gindObjectInfo {
public:
    const gstr& getText() const override { return text_; }
    const gtextInfo& getTextInfo() const override { return style_; }
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return !text_.isNull() && style_.isSet(); }
    void apply(const gpropAppearanceValues& values) override;
    void applyOne(const gpropAppearanceValues& values, int id) override;
    void mergeInto(gpropAppearanceValues& values) const override;
    std::unique_ptr<gindObjectInfo> clone() const override;
    bool hasEditableText() const override { return true; }
    bool editText() override;
    int replaceText(const gscreenBatchChange& change) override;

    // The value indicators' masked and error states take their text and
    // its appearance from a text record.
    void applyState(const gstateText& record);
    void applyStateOne(const gstateText& record, int id);
    void mergeIntoState(gstateText& record) const;

private:
    void applyText(const gtriStateString& text);

    gstr text_;
    gtextInfo style_;
};
