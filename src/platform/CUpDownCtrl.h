#pragma once

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

// The platform's up-down control: two small arrows glued to the right edge
// of a buddy edit. A press on an arrow steps once; holding it repeats with
// the platform's growing steps (1, after two seconds 5, after five seconds
// 20). Every step goes to OnDeltaPos with its delta, negative for the up
// arrow. The control keeps no number of its own.
class CUpDownCtrl : public QWidget {
public:
    static constexpr int arrowsWidth = 16;

    explicit CUpDownCtrl(QWidget* parent);

    // Right alignment: the control moves onto the buddy's right edge, as
    // high as the buddy, and the buddy narrows by the control's width.
    void setBuddy(QWidget* buddy);
    QWidget* buddy() const { return buddy_; }

    // The reaction to one step (the reflected delta-position notification);
    // nonzero refuses the step. The base allows every step.
    virtual int OnDeltaPos(int delta);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int heldDelta() const;
    void stopRepeating();

    QPointer<QWidget> buddy_;
    QBasicTimer repeat_;
    QElapsedTimer held_;
    int direction_ = 0; // -1 up arrow held, 1 down arrow held
};
