#pragma once

#include "screens/model/gindObject.h"
#include "screens/model/gtextInfo.h"

// LABEL: a text that names a register of any class. The text is a template
// in which a single '%' stands for the register's title and "%%" for '%';
// older files give PREFIX and SUFFIX instead, which make the text
// prefix%suffix.
class gindLabel final : public gindObject {
public:
    explicit gindLabel(fscreen* screen) noexcept : gindObject(screen) {}
    gindLabel(const gindLabel& source, int32_t dx, int32_t dy, fscreen* screen, bool linkReferences);

    gregister* getRegister() const noexcept { return register_; }
    const gstr& getText() const noexcept { return text_; }
    const gtextInfo& getStyle() const noexcept { return style_; }
    const grect& rect() const noexcept { return rect_; }

    int descriptionId() const override { return 20090; }
    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override { return !rect_.isEmpty() && register_; }
    void draw(gdrawContext& dc) const override;
    void recalcBounds() override;
    void moveHandle(int code, int32_t dx, int32_t dy) override { rect_.moveHandle(code, dx, dy); }
    void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) override;
    void endGeometryChange() override;
    int beginCreate(int32_t x, int32_t y) override;
    int endCreate(bool moved) override;
    void drawCreateFeedback(gdrawContext& dc) const override;
    int getPropertyMask() const override { return maskLabel; }
    void setProperties(const gpropLabel& set, int id) override;
    void collectProperties(gdrawingProperties& record) const override;
    void refreshPreview(bool blinkTick) override;
    ggraphObject* clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const override;
    bool usesRegister(const gregister* reg) const override { return reg && register_ == reg; }
    int replaceText(const gscreenBatchChange& change, gstr& log) override;

private:
    gloadStatus loadText(gstr& target, const gstr& value);
    void takeText(const gpropLabel& set);

    grect rect_;
    gtextInfo style_;
    gregister* register_ = nullptr;
    gstr text_;
    gstr prefix_;
    gstr suffix_;
};
