#pragma once

#include "screens/model/ggraphObject.h"
#include "store/gprocessorCall.h"
#include "store/gusedByList.h"

// A push button on a screen that, at run time, runs an SCL program with
// arguments (action 1), opens a screen of the station (2) or a screen of
// another station (3). Its header line is CONTROL2 (older files: CONTROL)
// with PROGRAM, SCREEN or NETWORK. It is drawn in the second painting pass,
// above every other object.
class ggraphControl final : public ggraphObject, public greferrer {
public:
    // action 0: made by the tool, which takes it from the drawing defaults.
    ggraphControl(fscreen* screen, int action) noexcept : ggraphObject(screen), action_(action) {}
    ggraphControl(const ggraphControl& source, int32_t dx, int32_t dy, fscreen* screen, bool linkReferences);
    ~ggraphControl() override;

    // The action a header keyword names, 0 for any other keyword.
    static int actionOfKeyword(int token);

    int action() const noexcept { return action_; }
    const gstr& caption() const noexcept { return caption_; }
    int32_t screenColour() const noexcept { return screenColour_; }
    fscreen* targetScreen() const noexcept { return target_; }
    const gprocessorCall& call() const noexcept { return call_; }
    const gstr& station() const noexcept { return station_; }
    const gstr& networkScreen() const noexcept { return networkScreen_; }
    const grect& rect() const noexcept { return rect_; }

    void describeReferrer(gstr& text) const override;
    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override;
    void draw(gdrawContext& dc) const override;
    void drawOverlay(gdrawContext& dc) const override;
    void recalcBounds() override;
    grect getFrame() const override { return rect_; }
    void moveHandle(int code, int32_t dx, int32_t dy) override { rect_.moveHandle(code, dx, dy); }
    void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) override;
    void endGeometryChange() override;
    int beginCreate(int32_t x, int32_t y) override;
    int getPropertyMask() const override { return maskControl; }
    void setProperties(const gpropControl& set, int id) override;
    void collectProperties(gdrawingProperties& record) const override;
    ggraphObject* clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const override;
    bool usesScreen(const fscreen* screen) const override;
    bool usesProgram(const gprogramUsedByList* program) const override;
    int replaceText(const gscreenBatchChange& change, gstr& log) override;

private:
    gloadStatus loadProgram(const gstr& value);
    gloadStatus loadScreen(const gstr& value);
    gloadStatus loadName(gstr& target, const gstr& value);
    void relink();

    grect rect_;
    gstr caption_;
    int32_t screenColour_ = -1;
    int action_;
    fscreen* target_ = nullptr;
    gprocessorCall call_;
    gstr station_;
    gstr networkScreen_;
    gusesList uses_{this};
};
