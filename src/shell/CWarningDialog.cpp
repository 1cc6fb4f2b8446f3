#include "shell/CWarningDialog.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>

namespace {

constexpr int iconId = 1278;
constexpr int listId = 1320;

gstrSlice withoutLeadingLineFeeds(const gstrSlice& text)
{
    int32_t skip = 0;
    while (skip < text.length() && text[skip] == '\n')
        ++skip;
    return gstrSlice(text.data() + skip, text.length() - skip);
}

} // namespace

CWarningDialog::CWarningDialog(const gstrSlice& text, bool question, QWidget* parent)
    : CDialog(question ? 568 : 567, parent), text_(text.isNull() ? gstrSlice::empty : withoutLeadingLineFeeds(text))
{
    setWindowTitle("K.O.R.V.E.L.");
    setDialogSize(450, 225);
    addLabel(iconId, "", 7, 7, 21, 20);
    addLabel(-1, "The folowing errors occurred:", 36, 13, 200, 8);
    auto* list = addMultiLineEdit(listId, 7, 31, 436, 169, true);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    if (question) {
        addButton(IDOK, "OK", 339, 205, 50, 14, true);
        addButton(IDCANCEL, "Cancel", 393, 205, 50, 14);
    } else {
        addButton(IDOK, "OK", 393, 205, 50, 14, true);
    }
}

bool CWarningDialog::OnInitDialog()
{
    QApplication::beep();
    int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    controlAs<QLabel>(iconId)->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size, size));
    // Each line feed becomes a line break of the edit.
    gstr shown;
    shown.assign("");
    for (int32_t i = 0; i < text_.length(); ++i) {
        if (text_[i] == '\n')
            shown.append("\r\n");
        else
            shown.append(text_[i]);
    }
    setControlText(listId, shown);
    return true;
}
