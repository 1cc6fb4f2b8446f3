#include "support/ui/realModalRun.h"

#include "platform/CDialog.h"

#include <QTimer>
#include <QWindow>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

constexpr int safetyMilliseconds = 20000;

QWindow* windowOf(QWidget& widget)
{
    QWidget* top = widget.window();
    top->winId();
    return top->windowHandle();
}

} // namespace

realModalRun::realModalRun() : previous_(installedModalResponder()) { installModalResponder(this); }

realModalRun::~realModalRun()
{
    installModalResponder(previous_);
    EXPECT_TRUE(scripts.empty()) << scripts.size() << " dialog script(s) left unused";
}

ganswer realModalRun::answerMessage(const shownMessage& message)
{
    messages.push_back(message);
    switch (message.buttons) {
    case gbuttons::ok: return ganswer::ok;
    case gbuttons::yesNo: return ganswer::no;
    case gbuttons::abortRetryIgnore: return ganswer::abort;
    default: return ganswer::cancel;
    }
}

int realModalRun::runDialog(CDialog& dialog)
{
    std::function<void(CDialog&)> script;
    if (!scripts.empty()) {
        script = std::move(scripts.front());
        scripts.pop_front();
    }
    QTimer::singleShot(0, &dialog, [&dialog, script] {
        if (script)
            script(dialog);
    });
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, &dialog, [&dialog] {
        ADD_FAILURE() << "dialog " << dialog.templateId() << " was still open";
        dialog.EndDialog(IDCANCEL);
    });
    safety.start(safetyMilliseconds);
    return runModalLoop(dialog);
}

void typeKeys(QWidget& widget, const QString& text)
{
    widget.setFocus();
    QWindow* window = windowOf(widget);
    for (QChar c : text)
        QTest::keyClick(window, c.toLatin1());
}

void clickAt(QWidget& widget, QPoint at)
{
    QWidget* top = widget.window();
    QTest::mouseClick(windowOf(widget), Qt::LeftButton, {}, widget.mapTo(top, at));
}
