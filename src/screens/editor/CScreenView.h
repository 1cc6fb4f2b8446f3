#pragma once

#include "platform/commandTarget.h"
#include "screens/model/gdrawContext.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QImage>
#include <QPointer>
#include <QRegion>

class CScreenDoc;
class QMenu;
class fscreen;

// A rectangle of client pixels in the platform's way: right and bottom
// edges excluded.
struct clientRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const clientRect&, const clientRect&) = default;
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    clientRect grown(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
};

// The scrolling view of one screen document. It shows the screen as the
// operator will see its window: the screen area inside a drawn window frame
// with a caption, and for a dialog screen its margins and push button. A
// margin of 50 pixels surrounds the frame. Mouse, keys and the auto-scroll
// timer become the screen's editing calls in screen coordinates; dragging
// the drawn frame moves or resizes the screen. The view paints into an
// image of its client area, where the rubber band is inverted at once.
class CScreenView : public QAbstractScrollArea, public gscreenWindow, public commandTarget {
public:
    static constexpr int margin = 50;
    static constexpr int autoScrollTimerId = 123;
    // The system metrics of the drawn frame.
    static constexpr int edge = 2;
    static constexpr int captionHeight = 18;
    static constexpr int frameWidth = 4;

    explicit CScreenView(CScreenDoc& document, QWidget* parent = nullptr);
    ~CScreenView() override;

    // The view the drawing-properties bar follows, null when none.
    static CScreenView* followed();

    CScreenDoc& document() const { return document_; }
    fscreen* screen() const;

    // The rectangle of the screen area in client coordinates, one larger
    // than the screen in width and height.
    const clientRect& trackerRect() const { return tracker_; }
    // The hit code of the drawn frame at a client point: 8 caption, 7 left,
    // 4 top, 5 right, 6 bottom, corners 0 top-left, 1 top-right, 3
    // bottom-left, 2 bottom-right; -1 elsewhere.
    static int hitFrame(const clientRect& tracker, int x, int y, bool dialog, int charWidth, int charHeight);
    int hitFrame(int x, int y) const;
    // The client point as a screen point.
    void toScreen(int x, int y, int32_t& sx, int32_t& sy) const;

    bool isTracking() const { return tracking_; }
    bool isAutoScrolling() const { return autoScrolling_; }
    int charWidth() const { return charWidth_; }
    int charHeight() const { return charHeight_; }
    // The context menu last opened, null before one.
    QMenu* contextMenu() const;

    // The document changed the screen: sizes, origin and picture again.
    void onUpdate();
    // Window > Auto Size: the frame fitted to the view.
    void fitFrame();
    // One auto-scroll step for a client point, which is clamped to the
    // client area.
    void autoScroll(QPoint& point, bool fromTimer);

    // gscreenWindow.
    void invalidate(const grect& rect) override;
    void drawFocusRect(const grect& rect) override;

    // commandTarget.
    bool onCommand(int id) override;
    bool onUpdateCommand(commandState& state) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void initialUpdate();
    void setScrollSizes();
    void updateOrigin();
    void activated(bool active);
    void cancelTracking();
    void beginFrameDrag(int hit, const QPoint& at);
    void dragFrame(const QPoint& at);
    void endFrameDrag();
    void invertTrackerOutline();
    void updateCursor(const QPoint& at);
    void openContextMenu(const QPoint& global);
    void endTrackingStep();
    // Renders what was invalidated into the image.
    void flush();
    void render(const QRect& area);
    void drawWindowLook(QPainter& painter) const;
    clientRect drawDialogLook(QPainter& painter) const;
    void drawCaptionAndFrame(QPainter& painter, const clientRect& area) const;

    CScreenDoc& document_;
    clientRect tracker_;
    int charWidth_ = 0;
    int charHeight_ = 0;
    bool tracking_ = false;
    bool autoScrolling_ = false;
    bool bound_ = false;
    bool watchingFrame_ = false;
    // Dragging the drawn frame: the part, where it started and the tracker
    // rectangle before and now.
    int frameHit_ = -1;
    QPoint frameStart_;
    clientRect frameBefore_;
    clientRect frameNow_;
    QBasicTimer autoScrollTimer_;
    QImage image_;
    QRegion dirty_;
    QPointer<QMenu> contextMenu_;
};
