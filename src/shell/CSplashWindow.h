#pragma once

#include <QWidget>

class CMainFrame;
class QEvent;
class QTimer;

// The picture over the main frame at start-up. It goes after ten seconds or
// at the first key or mouse press, and the frame then takes up its palette.
class CSplashWindow : public QWidget {
public:
    // Start-up's choice from the command line.
    static void enable(bool flag);
    // Once, when the frame exists; nothing when not enabled or already up.
    static void show(CMainFrame* owner);
    // Every event of the program passes here first; a key or button press
    // hides the splash window and still goes on to its target.
    static void checkInput(const QEvent* event);
    static void hideSplash();

    static bool enabled();
    static CSplashWindow* window();
    // True while the splash window is up; message boxes then belong to the
    // main window.
    static bool showing();

    ~CSplashWindow() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    explicit CSplashWindow(CMainFrame* owner);

    QPixmap picture_;
    CMainFrame* owner_;
};
