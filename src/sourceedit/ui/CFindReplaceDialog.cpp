#include "sourceedit/ui/CFindReplaceDialog.h"

#include <QLineEdit>

CFindReplaceDialog::CFindReplaceDialog(bool replace, const gstrSlice& findText, bool down, bool matchCase,
                                       QWidget* owner, notifier notify)
    : CDialog(replace ? replaceTemplate : findTemplate, owner), initialText_(findText), down_(down),
      matchCase_(matchCase), notify_(std::move(notify))
{
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(replace ? "Replace" : "Find");
    if (replace) {
        setDialogSize(230, 94);
        addLabel(-1, "Fi&nd what:", 4, 9, 48, 8);
        addEdit(findWhatId, 54, 7, 114, 12);
        addLabel(-1, "Re&place with:", 4, 26, 48, 8);
        addEdit(replaceWithId, 54, 24, 114, 12);
        addCheckBox(wholeWordId, "Match &whole word only", 5, 46, 104, 12);
        addCheckBox(matchCaseId, "Match &case", 5, 62, 59, 12);
        addButton(IDOK, "&Find Next", 174, 4, 50, 14, true);
        addButton(replaceId, "&Replace", 174, 21, 50, 14);
        addButton(replaceAllId, "Replace &All", 174, 38, 50, 14);
        addButton(IDCANCEL, "Cancel", 174, 55, 50, 14);
        onCommand(replaceId, [this] { notify_(*this, replaceOne); });
        onCommand(replaceAllId, [this] { notify_(*this, replaceAll); });
    } else {
        setDialogSize(236, 62);
        addLabel(-1, "Fi&nd what:", 6, 8, 42, 8);
        addEdit(findWhatId, 47, 7, 128, 12);
        addCheckBox(wholeWordId, "Match &whole word only", 4, 26, 100, 12);
        addCheckBox(matchCaseId, "Match &case", 4, 42, 64, 12);
        addGroupBox(-1, "Direction", 107, 26, 68, 28);
        addRadioButton(upId, "&Up", 111, 38, 25, 12);
        addRadioButton(downId, "&Down", 138, 38, 35, 12);
        addButton(IDOK, "&Find Next", 182, 5, 50, 14, true);
        addButton(IDCANCEL, "Cancel", 182, 23, 50, 14);
    }
    QObject::connect(controlAs<QLineEdit>(findWhatId), &QLineEdit::textChanged, [this] { enableButtons(); });
}

bool CFindReplaceDialog::OnInitDialog()
{
    setControlText(findWhatId, initialText_);
    setChecked(matchCaseId, matchCase_);
    if (!isReplace())
        checkRadioButton(upId, downId, down_ ? downId : upId);
    enableButtons();
    return true;
}

// Nothing can be searched for without a text.
void CFindReplaceDialog::enableButtons()
{
    bool any = !findText().isEmpty();
    enableControl(IDOK, any);
    if (isReplace()) {
        enableControl(replaceId, any);
        enableControl(replaceAllId, any);
    }
}

gstr CFindReplaceDialog::replaceText() const { return isReplace() ? controlText(replaceWithId) : gstr(""); }

bool CFindReplaceDialog::searchDown() const { return isReplace() ? down_ : isChecked(downId); }

void CFindReplaceDialog::OnOK()
{
    if (!findText().isEmpty())
        notify_(*this, findNext);
}

void CFindReplaceDialog::OnCancel()
{
    notify_(*this, closing);
    EndDialog(IDCANCEL);
    close();
}
