#pragma once

#include "foundation/gmessageService.h"

#include <functional>
#include <optional>
#include <string>

class CDialog;
class QWidget;
struct fileDialogRequest;

// The program's one message box and one modal run. Everything that asks the
// user something goes through these two, so that a test can install a
// responder that records the question and answers it without blocking.

// Shows text with the application's name as caption. promptId is the
// string-table id the text came from, 0 when none; while the box is up, help
// asks for context 0x30000 + promptId. Without an icon, the OK, OK/Cancel,
// Yes/No/Cancel and Yes/No boxes get the exclamation icon.
ganswer messageBox(const gstrSlice& text, gbuttons buttons, gicon icon = gicon::none, int promptId = 0);
// The string-table text with that id, which is also the prompt id.
ganswer messageBox(int textId, gbuttons buttons, gicon icon = gicon::none);
// The window system's own box, without the icon rule, prompt or help: what
// the source editor shows.
ganswer plainMessageBox(const gstrSlice& text, gbuttons buttons);

// Initialises the dialog (its OnInitDialog runs once) and runs it modally;
// returns what it ended with (IDOK, IDCANCEL or another button's id).
int runModal(CDialog& dialog);
// The dialog's own modal loop as the user meets it: shown, every window but
// its own (and those it opened) blocked until it ends; returns what it ended
// with. runModal's path with a display and no responder; a test that checks
// what a modal window leaves usable runs it from its responder.
int runModalLoop(CDialog& dialog);

// Without a display nobody could answer: a box or a dialog would wait for
// ever. Then each gets the answer that changes nothing, and standard error
// says so.
bool modalRunsUnattended();

// The icon a box shows after the rule above.
gicon messageBoxIcon(gbuttons buttons, gicon icon);
// The help context of a box: 0x30000 + promptId, 0 without a prompt.
int messageBoxHelpContext(int promptId);

// The window that owns message boxes; the application decides (the splash
// window's rule). Without a rule: windowInFront().
void setMessageBoxOwnerRule(std::function<QWidget*()> rule);
// The window the user works in: the active modal dialog, or a window of its
// own that it leaves usable (the driver program editor of a driver dialog)
// when that is active; without a modal dialog the active window.
QWidget* windowInFront();
// The caption of every box: the program's name.
void setMessageBoxCaption(const char* text);

struct shownMessage {
    std::string text; // bytes as the model holds them (Windows-1252)
    gbuttons buttons;
    gicon icon; // after the icon rule
    int promptId;
    int helpContext;
};

// Answers message boxes and modal runs in place of the user.
class modalResponder {
public:
    virtual ~modalResponder() = default;
    virtual ganswer answerMessage(const shownMessage& message) = 0;
    // The dialog is initialised; return what it ended with.
    virtual int runDialog(CDialog& dialog) = 0;
    // The full path chosen in a file dialog, nothing for Cancel.
    virtual std::optional<gstr> answerFileDialog(const fileDialogRequest& request);
};

// Null puts the user back.
void installModalResponder(modalResponder* responder);
modalResponder* installedModalResponder();
