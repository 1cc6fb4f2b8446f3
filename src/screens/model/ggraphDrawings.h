#pragma once

#include "screens/model/gfillInfo.h"
#include "screens/model/ggraphObject.h"
#include "screens/model/gimageReference.h"
#include "screens/model/glineInfo.h"
#include "screens/model/gshapeGeometry.h"
#include "screens/model/gtextInfo.h"

class gbitmap;

// The static pictures of a screen: lines, splines, rectangles, ellipses,
// texts, images and 3D areas. Each is written as its keyword alone on the
// header line, then its fields, each only when set.

// LINE: POINTS and LINE_STYLE.
class ggraphLine final : public ggraphObject {
public:
    explicit ggraphLine(fscreen* screen) noexcept : ggraphObject(screen) {}
    ggraphLine(const ggraphLine& source, int32_t dx, int32_t dy, fscreen* screen);

    const glineGeometry& geometry() const noexcept { return geometry_; }
    const glineInfo& getLine() const noexcept { return line_; }

    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return geometry_.isSet() && line_.isSet(); }
    void draw(gdrawContext& dc) const override;
    void drawHandles(gdrawContext& dc, bool reshape) const override;
    void recalcBounds() override;
    int hitTest(int32_t x, int32_t y, bool reshape, bool bodyOnly) const override;
    grect getFrame() const override { return geometry_.rect; }
    void moveHandle(int code, int32_t dx, int32_t dy) override;
    void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) override;
    void endGeometryChange() override;
    int beginCreate(int32_t x, int32_t y) override;
    void setProperties(const gpropStatic& set, int id) override;
    void collectProperties(gdrawingProperties& record) const override;
    ggraphObject* clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const override;

private:
    glineGeometry geometry_;
    glineInfo line_;
};

// SPLINE: POINTS (two pairs of end point and control point) and LINE_STYLE.
class ggraphSpline final : public ggraphObject {
public:
    explicit ggraphSpline(fscreen* screen) noexcept : ggraphObject(screen) {}
    ggraphSpline(const ggraphSpline& source, int32_t dx, int32_t dy, fscreen* screen);

    const gsplineGeometry& geometry() const noexcept { return geometry_; }

    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override;
    bool isComplete() const override { return geometry_.isSet() && line_.isSet(); }
    void draw(gdrawContext& dc) const override;
    void drawHandles(gdrawContext& dc, bool reshape) const override;
    void recalcBounds() override;
    int hitTest(int32_t x, int32_t y, bool reshape, bool bodyOnly) const override;
    void getHandlePoint(int code, int32_t& x, int32_t& y) const override;
    grect getFrame() const override { return geometry_.curveBox(getTransform()); }
    bool isInsideRect(const grect& rect) const override;
    void moveHandle(int code, int32_t dx, int32_t dy) override;
    void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) override;
    void endGeometryChange() override;
    int beginCreate(int32_t x, int32_t y) override;
    int endCreate(bool moved) override;
    int toolAfterCreate() const override { return 1; }
    void setProperties(const gpropStatic& set, int id) override;
    void collectProperties(gdrawingProperties& record) const override;
    ggraphObject* clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const override;

private:
    gsplineGeometry geometry_;
    glineInfo line_;
};

// The rectangle and the ellipse inscribed in it: BOUNDS, LINE_STYLE,
// FILL_STYLE. With an EMPTY fill only the outline is hit.
class ggraphFilledShape : public ggraphObject {
public:
    explicit ggraphFilledShape(fscreen* screen) noexcept : ggraphObject(screen) {}
    ggraphFilledShape(const ggraphFilledShape& source, int32_t dx, int32_t dy, fscreen* screen);

    const grect& rect() const noexcept { return rect_; }
    const glineInfo& getLine() const noexcept { return line_; }
    const gfillInfo& getFill() const noexcept { return fill_; }

    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return !rect_.isEmpty() && line_.isSet() && fill_.isSet(); }
    void recalcBounds() override;
    int hitTest(int32_t x, int32_t y, bool reshape, bool bodyOnly) const override;
    grect getFrame() const override { return rect_; }
    void moveHandle(int code, int32_t dx, int32_t dy) override { rect_.moveHandle(code, dx, dy); }
    void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) override;
    void endGeometryChange() override;
    int beginCreate(int32_t x, int32_t y) override;
    void setProperties(const gpropStatic& set, int id) override;
    void collectProperties(gdrawingProperties& record) const override;

protected:
    // Whether the point lies inside the figure of the rectangle.
    virtual bool figureContains(const grect& r, int32_t x, int32_t y) const = 0;

    grect rect_;
    glineInfo line_;
    gfillInfo fill_;
};

class ggraphRectangle final : public ggraphFilledShape {
public:
    using ggraphFilledShape::ggraphFilledShape;

    void writeHeader(CObjectFile& file, int indent) const override;
    void draw(gdrawContext& dc) const override;
    ggraphObject* clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const override;

private:
    bool figureContains(const grect& r, int32_t x, int32_t y) const override { return r.contains(x, y); }
};

class ggraphEllipse final : public ggraphFilledShape {
public:
    using ggraphFilledShape::ggraphFilledShape;

    void writeHeader(CObjectFile& file, int indent) const override;
    void draw(gdrawContext& dc) const override;
    ggraphObject* clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const override;

private:
    bool figureContains(const grect& r, int32_t x, int32_t y) const override { return r.ellipseContains(x, y); }
};

// TEXT: the text, its BOUNDS box and STYLE. The text is never rotated or
// mirrored: its box follows with its centre.
class ggraphText final : public ggraphObject {
public:
    explicit ggraphText(fscreen* screen) noexcept : ggraphObject(screen) {}
    ggraphText(const ggraphText& source, int32_t dx, int32_t dy, fscreen* screen);

    const gstr& getText() const noexcept { return text_; }
    const gtextInfo& getStyle() const noexcept { return style_; }

    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return !box_.isEmpty() && !text_.isNull() && style_.isSet(); }
    void draw(gdrawContext& dc) const override;
    void recalcBounds() override;
    grect getFrame() const override { return box_; }
    void moveHandle(int code, int32_t dx, int32_t dy) override { box_.moveHandle(code, dx, dy); }
    void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) override;
    void endGeometryChange() override;
    int beginCreate(int32_t x, int32_t y) override;
    int endCreate(bool moved) override;
    void drawCreateFeedback(gdrawContext& dc) const override;
    void setProperties(const gpropStatic& set, int id) override;
    void collectProperties(gdrawingProperties& record) const override;
    ggraphObject* clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const override;
    bool hasEditableText() const override { return true; }
    bool editText() override;
    int replaceText(const gscreenBatchChange& change, gstr& log) override;

private:
    grect box_;
    gstr text_;
    gtextInfo style_;
};

// BITMAP: an image of the image table by name (IMAGE) with its reference
// point (POSITION). A name the table lacks draws the placeholder.
class ggraphBitmap final : public ggraphObject {
public:
    explicit ggraphBitmap(fscreen* screen) noexcept : ggraphObject(screen) {}
    ggraphBitmap(const ggraphBitmap& source, int32_t dx, int32_t dy, fscreen* screen);

    const gstr& getImageName() const noexcept { return image_.name(); }
    gbitmap* getImage() const noexcept { return image_.image(); }

    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return !image_.name().isEmpty() && x_ != grect::emptyCoordinate; }
    void draw(gdrawContext& dc) const override;
    void recalcBounds() override;
    int hitTest(int32_t x, int32_t y, bool reshape, bool bodyOnly) const override;
    bool isInsideRect(const grect& rect) const override;
    void moveHandle(int code, int32_t dx, int32_t dy) override;
    void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) override;
    void endGeometryChange() override;
    int beginCreate(int32_t x, int32_t y) override;
    void setProperties(const gpropStatic& set, int id) override;
    void collectProperties(gdrawingProperties& record) const override;
    ggraphObject* clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const override;
    void imagesUnloading() override;
    void imagesLoaded(bool quiet) override;
    void collectImages() const override;

private:
    grect area() const;

    int32_t x_ = grect::emptyCoordinate;
    int32_t y_ = 0;
    gimageReference image_;
};

// 3D_RECT: BOUNDS and TYPE (1 HLINE to 9 DIALOG).
class ggraph3dRect final : public ggraphObject {
public:
    explicit ggraph3dRect(fscreen* screen) noexcept : ggraphObject(screen) {}
    ggraph3dRect(const ggraph3dRect& source, int32_t dx, int32_t dy, fscreen* screen);

    int getType() const noexcept { return type_; }

    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return !rect_.isEmpty() && type_ >= 1; }
    void draw(gdrawContext& dc) const override;
    void recalcBounds() override;
    int hitTest(int32_t x, int32_t y, bool reshape, bool bodyOnly) const override;
    grect getFrame() const override { return rect_; }
    void moveHandle(int code, int32_t dx, int32_t dy) override { rect_.moveHandle(code, dx, dy); }
    void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) override;
    void endGeometryChange() override;
    int beginCreate(int32_t x, int32_t y) override;
    int getPropertyMask() const override { return mask3dRect; }
    void setProperties(const gprop3dRect& set, int id) override;
    void collectProperties(gdrawingProperties& record) const override;
    ggraphObject* clone(int32_t dx, int32_t dy, fscreen* screen, bool linkReferences) const override;

private:
    grect rect_;
    int type_ = 0;
};

// The image a name gives: the table's image of that name, or null.
gbitmap* findImageByName(const gstrSlice& name);
