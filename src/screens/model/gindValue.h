#pragma once

#include "screens/model/gindObject.h"
#include "screens/model/gindObjectInfo.h"
#include "screens/model/gtextInfo.h"

#include <memory>

class gregisterSupplement;
struct gpropValueText;

// The base of the digital, string and analog indicators: a text box that
// shows a prefix, the register's value and a suffix, with optional margin
// columns for the prefix and the suffix, a text appearance for each of the
// states blink, on and off, and a text of its own for the masked and error
// states. Prefix, suffix and state texts are templates: a single '%' stands
// for the register's title, "%%" for '%'.
class gindValue : public gindObject {
public:
    explicit gindValue(fscreen* screen) noexcept : gindObject(screen) {}
    gindValue(const gindValue& source, int32_t dx, int32_t dy, fscreen* screen);
    ~gindValue() override;

    const grect& rect() const noexcept { return bounds_; }
    const gstr& prefix() const noexcept { return prefix_; }
    const gstr& suffix() const noexcept { return suffix_; }
    int32_t leftMargin() const noexcept { return leftMargin_; }
    int32_t rightMargin() const noexcept { return rightMargin_; }
    const gindTextObjectInfo* textState(int state) const noexcept;
    const gtextInfo* styleState(int state) const noexcept;

    // Binds the class part of the register and returns it; null for a
    // register of another class.
    virtual gregisterSupplement* bindRegister(gregister* reg) = 0;
    // The bound class part; the analog indicator answers null for writing.
    virtual gregisterSupplement* getRegisterPart(bool forWriting) const = 0;
    // The state id 0 to 4 the editor shows.
    virtual int previewState() const = 0;
    virtual void formatValue(gstr& value, gstr& exponent) const = 0;
    virtual void styleExponent(gtextInfo& style, int32_t& raise) const;

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;
    void draw(gdrawContext& dc) const override;
    void drawHandles(gdrawContext& dc, bool reshape) const override;
    void recalcBounds() override;
    int hitTest(int32_t x, int32_t y, bool reshape, bool bodyOnly) const override;
    void getHandlePoint(int code, int32_t& x, int32_t& y) const override;
    grect getFrame() const override { return bounds_; }
    void moveHandle(int code, int32_t dx, int32_t dy) override;
    void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) override;
    void endGeometryChange() override;
    int endCreate(bool moved) override;
    void drawCreateFeedback(gdrawContext& dc) const override;
    int toolAfterCreate() const override { return 1; }
    void refreshPreview(bool blinkTick) override;
    bool hasEditableText() const override;
    bool editText() override;
    bool usesRegister(const gregister* reg) const override;

protected:
    gregister* boundRegister() const;
    // The common parts the subclasses call.
    int beginCreateFrom(const gpropValueText& set, int32_t x, int32_t y);
    void applyCommon(const gpropValueText& set, int id, int stateId);
    void collectCommon(gpropValueText& set) const;
    int replaceCommon(const gscreenBatchChange& change);
    gloadStatus loadRegister(const gstr& value);
    void writeRegister(CObjectFile& file, int indent) const;

private:
    gloadStatus loadTemplate(gstr& target, const gstr& value, bool literal);
    gloadStatus loadMargin(int32_t& margin, const gstr& value);
    gloadStatus loadTextState(int state, const gstr& value);
    gloadStatus loadStyle(int state, const gstr& value);
    void writeTextState(CObjectFile& file, int indent, int token, int state) const;
    // The state to draw: masked and error as they are, blink by the
    // register's level and the phase; -1 for nothing.
    int shownState() const;
    void drawWithExponent(gdrawContext& dc, const grect& v, const gtextInfo& style, const gstr& value,
                          const gstr& exponent, const gstr& suffix) const;

    grect bounds_;
    gstr prefix_;
    gstr suffix_;
    int32_t leftMargin_ = -1;
    int32_t rightMargin_ = -1;
    std::unique_ptr<gindTextObjectInfo> texts_[2];
    std::unique_ptr<gtextInfo> styles_[3];
};
