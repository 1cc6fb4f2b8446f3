#pragma once

#include "screens/model/grect.h"
#include "screens/model/gshapeGeometry.h"
#include "screens/model/gtransform.h"
#include "store/gstorable.h"

#include <cstdint>
#include <memory>

class CObjectFile;
class gdrawContext;
class gindObjectInfo;

// The figure a bistate or multistate indicator draws: only its geometry.
// The look of each state is a per-state record (of the variant the shape
// makes) that the indicator owns and hands to every call with the state
// being shown. The header line of the indicator carries the shape's
// keyword as its value; its one field (BOUNDS, POINTS or POSITION) is
// written among the indicator's fields.
class gshape {
public:
    virtual ~gshape() = default;

    // Creation at the pressed point; the handle code the drag moves.
    virtual int beginCreate(int32_t x, int32_t y) = 0;
    virtual std::unique_ptr<gindObjectInfo> makeStateRecord() const = 0;
    // The painted area in the state of the record.
    virtual grect getBounds(const gindObjectInfo& record, const gtransform& t) const = 0;
    // title: what stands for '%' in a text record.
    virtual void draw(gdrawContext& dc, const gindObjectInfo& record, const gstrSlice& title,
                      const gtransform& t) const = 0;
    virtual void writeKind(CObjectFile& file, int ending) const = 0;
    virtual int hitTest(int32_t x, int32_t y, const gindObjectInfo& record, const gtransform& t, bool reshape,
                        bool bodyOnly) const = 0;
    virtual void getHandlePoint(int code, int32_t& x, int32_t& y) const;
    virtual grect getFrame() const = 0;
    virtual bool isInsideRect(const grect& rect, const gindObjectInfo& record, const gtransform& t) const;
    virtual bool usesImages() const { return false; }
    virtual void drawHandles(gdrawContext& dc, bool reshape) const;
    virtual void moveHandle(int code, int32_t dx, int32_t dy) = 0;
    virtual void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) = 0;
    virtual void endGeometryChange(const gtransform& t) = 0;
    virtual int endCreate(bool) { return 0; }
    virtual void drawCreateFeedback(gdrawContext&) const {}
    virtual int toolAfterCreate() const { return 0; }
    virtual std::unique_ptr<gshape> clone(int32_t dx, int32_t dy) const = 0;
    virtual void writeFields(CObjectFile& file, int indent) const = 0;
    // The shape's one key; 2 for any other.
    virtual gloadStatus loadField(int token, gstr& value) = 0;
    virtual void afterLoad() {}
    virtual bool isComplete() const = 0;
};

// The shape of a keyword (BITMAP, ELLIPSE, LINE, RECTANGLE, SPLINE, TEXT),
// null for any other.
std::unique_ptr<gshape> makeShapeByKeyword(int token);
// The shape of the indicator tools' sub-kind: 0 line, 1 spline, 2
// rectangle, 3 ellipse, 4 text, 5 picture; null for any other.
std::unique_ptr<gshape> makeShapeByTool(int subKind);

// Rectangles and ellipses: BOUNDS.
class gshapeFilled : public gshape {
public:
    int beginCreate(int32_t x, int32_t y) override;
    std::unique_ptr<gindObjectInfo> makeStateRecord() const override;
    grect getBounds(const gindObjectInfo& record, const gtransform& t) const override;
    int hitTest(int32_t x, int32_t y, const gindObjectInfo& record, const gtransform& t, bool reshape,
                bool bodyOnly) const override;
    grect getFrame() const override { return rect_; }
    void moveHandle(int code, int32_t dx, int32_t dy) override { rect_.moveHandle(code, dx, dy); }
    void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) override;
    void endGeometryChange(const gtransform& t) override { rect_ = t.rect(rect_).normalized(); }
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return !rect_.isEmpty(); }

protected:
    virtual bool figureContains(const grect& r, int32_t x, int32_t y) const = 0;

    grect rect_;
};

class gshapeRectangle final : public gshapeFilled {
public:
    void draw(gdrawContext& dc, const gindObjectInfo& record, const gstrSlice& title,
              const gtransform& t) const override;
    void writeKind(CObjectFile& file, int ending) const override;
    std::unique_ptr<gshape> clone(int32_t dx, int32_t dy) const override;

private:
    bool figureContains(const grect& r, int32_t x, int32_t y) const override { return r.contains(x, y); }
};

class gshapeEllipse final : public gshapeFilled {
public:
    void draw(gdrawContext& dc, const gindObjectInfo& record, const gstrSlice& title,
              const gtransform& t) const override;
    void writeKind(CObjectFile& file, int ending) const override;
    std::unique_ptr<gshape> clone(int32_t dx, int32_t dy) const override;

private:
    bool figureContains(const grect& r, int32_t x, int32_t y) const override { return r.ellipseContains(x, y); }
};

// A straight line: POINTS.
class gshapeLine final : public gshape {
public:
    int beginCreate(int32_t x, int32_t y) override { return geometry_.beginCreate(x, y); }
    std::unique_ptr<gindObjectInfo> makeStateRecord() const override;
    grect getBounds(const gindObjectInfo& record, const gtransform& t) const override;
    void draw(gdrawContext& dc, const gindObjectInfo& record, const gstrSlice& title,
              const gtransform& t) const override;
    void writeKind(CObjectFile& file, int ending) const override;
    int hitTest(int32_t x, int32_t y, const gindObjectInfo& record, const gtransform& t, bool reshape,
                bool bodyOnly) const override;
    grect getFrame() const override { return geometry_.rect; }
    void drawHandles(gdrawContext& dc, bool reshape) const override;
    void moveHandle(int code, int32_t dx, int32_t dy) override { geometry_.rect.moveHandle(code, dx, dy); }
    void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) override;
    void endGeometryChange(const gtransform& t) override { geometry_.endGeometryChange(t); }
    std::unique_ptr<gshape> clone(int32_t dx, int32_t dy) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return geometry_.isSet(); }

private:
    glineGeometry geometry_;
};

// A Bezier curve: POINTS, drawn in two strokes.
class gshapeSpline final : public gshape {
public:
    int beginCreate(int32_t x, int32_t y) override { return geometry_.beginCreate(x, y); }
    std::unique_ptr<gindObjectInfo> makeStateRecord() const override;
    grect getBounds(const gindObjectInfo& record, const gtransform& t) const override;
    void draw(gdrawContext& dc, const gindObjectInfo& record, const gstrSlice& title,
              const gtransform& t) const override;
    void writeKind(CObjectFile& file, int ending) const override;
    int hitTest(int32_t x, int32_t y, const gindObjectInfo& record, const gtransform& t, bool reshape,
                bool bodyOnly) const override;
    void getHandlePoint(int code, int32_t& x, int32_t& y) const override;
    grect getFrame() const override { return geometry_.curveBox(gtransform()); }
    bool isInsideRect(const grect& rect, const gindObjectInfo& record, const gtransform& t) const override;
    void drawHandles(gdrawContext& dc, bool reshape) const override { geometry_.drawHandles(dc, reshape); }
    void moveHandle(int code, int32_t dx, int32_t dy) override { geometry_.moveHandle(code, dx, dy); }
    void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) override;
    void endGeometryChange(const gtransform& t) override { geometry_.endGeometryChange(t); }
    int endCreate(bool) override { return geometry_.endCreate(); }
    int toolAfterCreate() const override { return 1; }
    std::unique_ptr<gshape> clone(int32_t dx, int32_t dy) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override { geometry_.computeQuadrant(); }
    bool isComplete() const override { return geometry_.isSet(); }

private:
    gsplineGeometry geometry_;
};

// A text box: BOUNDS; the text is the state record's.
class gshapeText final : public gshape {
public:
    int beginCreate(int32_t x, int32_t y) override;
    std::unique_ptr<gindObjectInfo> makeStateRecord() const override;
    grect getBounds(const gindObjectInfo& record, const gtransform& t) const override;
    void draw(gdrawContext& dc, const gindObjectInfo& record, const gstrSlice& title,
              const gtransform& t) const override;
    void writeKind(CObjectFile& file, int ending) const override;
    int hitTest(int32_t x, int32_t y, const gindObjectInfo& record, const gtransform& t, bool reshape,
                bool bodyOnly) const override;
    grect getFrame() const override { return box_; }
    void moveHandle(int code, int32_t dx, int32_t dy) override { box_.moveHandle(code, dx, dy); }
    void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) override;
    void endGeometryChange(const gtransform& t) override { box_ = t.rect(box_).normalized(); }
    int endCreate(bool moved) override;
    void drawCreateFeedback(gdrawContext& dc) const override;
    std::unique_ptr<gshape> clone(int32_t dx, int32_t dy) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return !box_.isEmpty(); }

private:
    grect box_;
};

// A picture at a reference point: POSITION; the image is the state
// record's.
class gshapeBitmap final : public gshape {
public:
    int beginCreate(int32_t x, int32_t y) override;
    std::unique_ptr<gindObjectInfo> makeStateRecord() const override;
    grect getBounds(const gindObjectInfo& record, const gtransform& t) const override;
    void draw(gdrawContext& dc, const gindObjectInfo& record, const gstrSlice& title,
              const gtransform& t) const override;
    void writeKind(CObjectFile& file, int ending) const override;
    int hitTest(int32_t x, int32_t y, const gindObjectInfo& record, const gtransform& t, bool reshape,
                bool bodyOnly) const override;
    void getHandlePoint(int code, int32_t& x, int32_t& y) const override;
    grect getFrame() const override { return grect{x_, y_, x_, y_}; }
    bool isInsideRect(const grect& rect, const gindObjectInfo& record, const gtransform& t) const override;
    bool usesImages() const override { return true; }
    void drawHandles(gdrawContext& dc, bool reshape) const override;
    void moveHandle(int code, int32_t dx, int32_t dy) override;
    void transform(int32_t cx2, int32_t cy2, int rotation, bool flipH, bool flipV) override;
    void endGeometryChange(const gtransform& t) override;
    std::unique_ptr<gshape> clone(int32_t dx, int32_t dy) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return x_ != grect::emptyCoordinate; }

private:
    // The record's image, else the placeholder, placed at the point; null
    // when there is neither.
    bool imageArea(const gindObjectInfo& record, const gtransform& t, grect& area) const;

    int32_t x_ = grect::emptyCoordinate;
    int32_t y_ = 0;
};
