#pragma once

#include "screens/model/gdrawContext.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <unordered_map>

// The screens' drawing surface on a QPainter, normally over the image of a
// screen view. The painter's coordinates are screen coordinates (the view
// translates it); the paint area limits the work of the grid and tells the
// objects what is visible. Pens, fonts and solid brushes come from the
// program's caches; the selection feedback inverts what lies below.
class qtDrawingContext final : public gdrawContext {
public:
    // paintArea in screen coordinates; the empty rectangle paints all.
    qtDrawingContext(QPainter& painter, const grect& paintArea);

    bool isVisible(const grect& rect) const override;
    grect paintBounds() const override { return paintArea_; }

    void line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, const glineInfo& line) override;
    void bezier(const grect& nodeA, const grect& nodeB, const glineInfo& line) override;
    void rectangle(const grect& rect, const glineInfo& line, const gfillInfo& fill) override;
    void ellipse(const grect& rect, const glineInfo& line, const gfillInfo& fill) override;
    void polyline(const gpoint* points, int count, const glineInfo& line) override;
    void polygon(const gpoint* points, int count, const glineInfo& line, const gfillInfo& fill) override;
    void text(const grect& rect, const gstrSlice& text, const gtextInfo& style) override;
    int32_t textWidth(const gstrSlice& text, const gtextInfo& style) override;
    int32_t ascent(const gtextInfo& style) override;
    void fillBackground(const grect& rect, bool useColour, const gcolor& colour) override;
    void buttonFace(const grect& rect, const gstrSlice& caption) override;
    void image(int32_t x, int32_t y, const gbitmap& image) override;
    void area3d(const grect& rect, int type) override;
    void handle(int32_t x, int32_t y) override;
    void hollowHandle(int32_t x, int32_t y) override;
    void controlLeader(int32_t px, int32_t py, int32_t qx, int32_t qy) override;
    void marginMarker(int32_t px, int32_t py, int32_t qx, int32_t qy) override;
    void xorFrame(const grect& rect) override;
    void xorLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void pixel(int32_t x, int32_t y, const gcolor& colour) override;
    gcolor systemColour(bool window) const override;

private:
    void usePen(const glineInfo& line);
    void useBrush(const gfillInfo& fill);
    const QFont& fontOf(const gtextInfo& style) const;
    // Paints with the raster operation that inverts wherever white is drawn.
    void beginInverting();
    void endInverting();
    const QImage& converted(const gbitmap& image);

    QPainter& painter_;
    grect paintArea_;
    std::unordered_map<const gbitmap*, QImage> images_;
};

// The whole screen drawn into a new image the size of the screen (its
// top-left corner at the image's origin), on the screen's ground.
QImage drawScreenImage(const class fscreen& screen);
