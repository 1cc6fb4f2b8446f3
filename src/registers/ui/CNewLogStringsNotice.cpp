#include "registers/ui/CNewLogStringsNotice.h"

#include "platform/messageBeep.h"
#include "platform/settingsStore.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>

namespace {

constexpr int alarmText = 10425;
constexpr int clearText = 10422;
constexpr int acknowledgedText = 10427;

const char* const noticeText = "Please note that K.O.R.V.E.L. has changed the way alarm messages are written to the "
                               "log file. The register you created will be logged as follows:";
const char* const oldStyleText = "If you would like K.O.R.V.E.L. to log the register using the old style messages "
                                 "that include the word \"alarm,\" please check the Use old style default log "
                                 "strings check box in the Edit Register Log Strings dialog.";
const char* const earlierText = "Registers you created with earlier versions of the Quillane will not be affected by "
                                "this change, they will be logged the same way they always were.";

QLabel* wrapped(QLabel* label)
{
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

CNewLogStringsNotice::CNewLogStringsNotice(const gstrSlice& name, QWidget* parent)
    : CDialog(688, parent), bold_(QApplication::font())
{
    alarm_.format(alarmText, name);
    clear_.format(clearText, name);
    acknowledged_.format(acknowledgedText, name);
    bold_.setWeight(QFont::ExtraBold);

    setWindowTitle("K.O.R.V.E.L. Quillane");
    setDialogSize(396, 194);
    auto* icon = addLabel(-1, "", 7, 7, 21, 20);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    wrapped(addLabel(-1, noticeText, 36, 7, 353, 18));
    addLabel(-1, "Alarm:", 46, 32, 80, 8);
    addLabel(alarmId, "", 130, 32, 259, 8);
    addLabel(-1, "Alarm clear:", 46, 44, 80, 8);
    addLabel(clearId, "", 130, 44, 259, 8);
    addLabel(-1, "Alarm acknowledged:", 46, 56, 80, 8);
    addLabel(acknowledgedId, "", 130, 56, 259, 8);
    wrapped(addLabel(-1, oldStyleText, 36, 74, 353, 26));
    wrapped(addLabel(-1, earlierText, 36, 106, 353, 18));
    addCheckBox(dontShowId, "Don't show this message anymore", 36, 132, 200, 10);
    addButton(IDOK, "OK", 285, 173, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 339, 173, 50, 14);
}

bool CNewLogStringsNotice::OnInitDialog()
{
    messageBeep();
    for (int id : {alarmId, clearId, acknowledgedId})
        control(id)->setFont(bold_);
    setControlText(alarmId, alarm_);
    setControlText(clearId, clear_);
    setControlText(acknowledgedId, acknowledged_);
    return true;
}

void CNewLogStringsNotice::OnOK()
{
    if (isChecked(dontShowId))
        writeProfileInt("General", "WarnNewLogStrings", 0);
    CDialog::OnOK();
}
