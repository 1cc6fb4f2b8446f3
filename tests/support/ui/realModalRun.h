#pragma once

#include "platform/modalRun.h"

#include <QPoint>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

class QWidget;

// Runs every dialog through its own modal loop (exec) as the user meets it,
// so that a test sees which windows a modal window leaves usable. Once a
// loop is up it runs the script at the front of the queue; a dialog still
// open some seconds later is cancelled and the test fails, so that no test
// ever blocks. Message boxes are recorded and get the answer that changes
// nothing.
//
//   realModalRun user;
//   user.scripts.push_back([](CDialog& d) {
//       typeKeys(*d.control(1010), "12");
//       d.sendCommand(IDOK);
//   });
//   dialog.DoModal();
class realModalRun final : public modalResponder {
public:
    realModalRun();
    ~realModalRun() override;
    realModalRun(const realModalRun&) = delete;
    realModalRun& operator=(const realModalRun&) = delete;

    ganswer answerMessage(const shownMessage& message) override;
    int runDialog(CDialog& dialog) override;

    std::deque<std::function<void(CDialog&)>> scripts;
    std::vector<shownMessage> messages;

private:
    modalResponder* previous_;
};

// Keys and clicks as the window system delivers them: to the window that
// holds the widget, where a modal window that blocks it drops them. Typing
// gives the widget the focus of its window first.
void typeKeys(QWidget& widget, const QString& text);
void clickAt(QWidget& widget, QPoint at);
