#pragma once

#include <QPoint>
#include <QRect>
#include <QTimer>

class QPainter;
class QWidget;

// The blinking text caret of a source view, as the system caret behaves: it
// is created with a size, placed, and shown or hidden by a count (every hide
// needs its show). The window paints it last with paint.
class sourceCaret {
public:
    explicit sourceCaret(QWidget*& window);
    ~sourceCaret();
    sourceCaret(const sourceCaret&) = delete;
    sourceCaret& operator=(const sourceCaret&) = delete;

    void create(int width, int height);
    void destroy();
    void setPosition(const QPoint& at);
    void show();
    void hide();

    bool exists() const { return exists_; }
    bool visible() const { return exists_ && hidden_ == 0; }
    QRect rect() const { return {position_, size_}; }
    void paint(QPainter& painter) const;

private:
    void invalidate();

    QWidget*& window_;
    bool exists_ = false;
    int hidden_ = 1;
    bool blinkOn_ = true;
    QPoint position_;
    QSize size_;
    QTimer blink_;
};
