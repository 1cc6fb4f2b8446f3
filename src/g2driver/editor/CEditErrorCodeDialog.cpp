#include "g2driver/editor/CEditErrorCodeDialog.h"

#include "platform/textCodec.h"
#include "resources/stringTable.h"

#include <QLineEdit>

namespace {

constexpr int newCaption = 10613;
constexpr int tagTaken = 10614;
constexpr int typeInUse = 20055;

} // namespace

CEditErrorCodeDialog::CEditErrorCodeDialog(g2driverErrorCodeTable& codes, g2driverErrorCode* source,
                                           g2driverErrorCode* edited, QWidget* parent)
    : CDialog(templateId, parent), codes_(codes), source_(source), edited_(edited)
{
    setWindowTitle(QStringLiteral("Edit Error Code"));
    setDialogSize(186, 62);
    addLabel(-1, "&Tag:", 7, 9, 30, 8);
    addEdit(tagId, 40, 7, 80, 12);
    addLabel(-1, "T&ype:", 7, 27, 30, 8);
    addRadioButton(numericalId, "Numerical", 40, 27, 60, 10);
    addRadioButton(stringId, "String", 40, 39, 60, 10);
    addButton(IDOK, "OK", 129, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 129, 24, 50, 14);
    QObject::connect(controlAs<QLineEdit>(tagId), &QLineEdit::textChanged, this,
                     [this] { enableControl(IDOK, !controlText(tagId).isEmpty()); });
    onCommand(numericalId, [this] { typeClicked(numericalId); });
    onCommand(stringId, [this] { typeClicked(stringId); });
}

bool CEditErrorCodeDialog::OnInitDialog()
{
    if (source_) {
        setControlText(tagId, source_->getName());
        checkRadioButton(numericalId, stringId,
                         source_->getKind() == g2driverErrorCode::text ? stringId : numericalId);
    } else {
        checkRadioButton(numericalId, stringId, numericalId);
        enableControl(IDOK, false);
    }
    if (edited_) {
        controlAs<QLineEdit>(tagId)->setReadOnly(true);
        focusControl(checkedRadioButton(numericalId, stringId));
    } else {
        setWindowTitle(toUiText(stringTableText(newCaption)));
        focusControl(tagId);
    }
    return false;
}

// A code in use keeps its type: the click is undone after the report.
void CEditErrorCodeDialog::typeClicked(int id)
{
    if (typeMayChange())
        return;
    int kindShown = edited_->getKind() == g2driverErrorCode::text ? stringId : numericalId;
    if (id == kindShown)
        return;
    edited_->usedBy().reportInUse(typeInUse);
    checkRadioButton(numericalId, stringId, kindShown);
}

void CEditErrorCodeDialog::OnOK()
{
    bool mayChange = typeMayChange();
    if (!edited_) {
        g2driverErrorCode* made = codes_.define(controlText(tagId));
        if (!made)
            return (void)refuseField(tagId, tagTaken);
        edited_ = made;
    }
    if (mayChange)
        edited_->setKind(isChecked(stringId) ? g2driverErrorCode::text : g2driverErrorCode::numerical);
    EndDialog(IDOK);
}
