#include "platform/modalRun.h"

#include "platform/CDialog.h"
#include "platform/helpViewer.h"
#include "platform/textCodec.h"
#include "resources/stringTable.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <cstdio>

namespace {

modalResponder* responder = nullptr;
std::function<QWidget*()> ownerRule;
QString caption;

ganswer safeAnswer(gbuttons buttons)
{
    switch (buttons) {
    case gbuttons::ok: return ganswer::ok;
    case gbuttons::yesNo: return ganswer::no;
    case gbuttons::abortRetryIgnore: return ganswer::abort;
    default: return ganswer::cancel;
    }
}

QMessageBox::StandardButtons standardButtons(gbuttons buttons)
{
    switch (buttons) {
    case gbuttons::ok: return QMessageBox::Ok;
    case gbuttons::okCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case gbuttons::abortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case gbuttons::yesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case gbuttons::yesNo: return QMessageBox::Yes | QMessageBox::No;
    case gbuttons::retryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon standardIcon(gicon icon)
{
    switch (icon) {
    case gicon::error: return QMessageBox::Critical;
    case gicon::question: return QMessageBox::Question;
    case gicon::warning: return QMessageBox::Warning;
    case gicon::information: return QMessageBox::Information;
    case gicon::none: break;
    }
    return QMessageBox::NoIcon;
}

ganswer answerOf(int button, gbuttons buttons)
{
    switch (button) {
    case QMessageBox::Ok: return ganswer::ok;
    case QMessageBox::Cancel: return ganswer::cancel;
    case QMessageBox::Abort: return ganswer::abort;
    case QMessageBox::Retry: return ganswer::retry;
    case QMessageBox::Ignore: return ganswer::ignore;
    case QMessageBox::Yes: return ganswer::yes;
    case QMessageBox::No: return ganswer::no;
    default: return safeAnswer(buttons);
    }
}

// F1 in a box asks help for the box's context.
class helpKeyFilter final : public QObject {
public:
    explicit helpKeyFilter(int context) : context_(context) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
            showHelp(helpCommand::context, static_cast<unsigned>(context_));
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int context_;
};

QWidget* messageBoxOwner()
{
    return ownerRule ? ownerRule() : windowInFront();
}

ganswer showBox(const shownMessage& m)
{
    QMessageBox box(standardIcon(m.icon), caption,
                    toUiText(gstrSlice(m.text.data(), static_cast<int32_t>(m.text.size()))),
                    standardButtons(m.buttons), messageBoxOwner());
    helpKeyFilter filter(m.helpContext);
    if (m.helpContext != 0)
        box.installEventFilter(&filter);
    return answerOf(box.exec(), m.buttons);
}

} // namespace

bool modalRunsUnattended() { return QGuiApplication::platformName() == QLatin1String("offscreen"); }

gicon messageBoxIcon(gbuttons buttons, gicon icon)
{
    if (icon != gicon::none)
        return icon;
    bool warns = buttons == gbuttons::ok || buttons == gbuttons::okCancel || buttons == gbuttons::yesNoCancel ||
                 buttons == gbuttons::yesNo;
    return warns ? gicon::warning : gicon::none;
}

int messageBoxHelpContext(int promptId) { return promptId != 0 ? 0x30000 + promptId : 0; }

static ganswer answerBox(const shownMessage& m)
{
    if (responder)
        return responder->answerMessage(m);
    if (modalRunsUnattended()) {
        std::fprintf(stderr, "message %d: %s\n", m.promptId, m.text.c_str());
        return safeAnswer(m.buttons);
    }
    return showBox(m);
}

ganswer messageBox(const gstrSlice& text, gbuttons buttons, gicon icon, int promptId)
{
    return answerBox({std::string(text.view()), buttons, messageBoxIcon(buttons, icon), promptId,
                      messageBoxHelpContext(promptId)});
}

ganswer plainMessageBox(const gstrSlice& text, gbuttons buttons)
{
    return answerBox({std::string(text.view()), buttons, gicon::none, 0, 0});
}

ganswer messageBox(int textId, gbuttons buttons, gicon icon)
{
    return messageBox(gstrSlice(stringTableText(textId)), buttons, icon, textId);
}

int runModal(CDialog& dialog)
{
    dialog.ensureInitialized();
    if (responder)
        return responder->runDialog(dialog);
    if (modalRunsUnattended()) {
        std::fprintf(stderr, "dialog %d not run: no display\n", dialog.templateId());
        dialog.EndDialog(IDCANCEL);
        return IDCANCEL;
    }
    return runModalLoop(dialog);
}

int runModalLoop(CDialog& dialog)
{
    if (dialog.hasEnded())
        return dialog.endResult();
    dialog.exec();
    return dialog.endResult();
}

std::optional<gstr> modalResponder::answerFileDialog(const fileDialogRequest&) { return std::nullopt; }

void setMessageBoxOwnerRule(std::function<QWidget*()> rule) { ownerRule = std::move(rule); }

QWidget* windowInFront()
{
    QWidget* active = QApplication::activeWindow();
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return active;
    for (QWidget* w = active; w; w = w->parentWidget()) {
        if (w == modal)
            return active;
    }
    return modal;
}
void setMessageBoxCaption(const char* text) { caption = QString::fromLatin1(text); }

void installModalResponder(modalResponder* r) { responder = r; }

modalResponder* installedModalResponder() { return responder; }
