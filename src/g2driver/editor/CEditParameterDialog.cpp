#include "g2driver/editor/CEditParameterDialog.h"

#include "foundation/messageBoxes.h"
#include "g2driver/editor/CEditValueNamesDialog.h"
#include "g2driver/model/g2driverParameter.h"
#include "platform/textCodec.h"

#include <QLineEdit>

namespace {

constexpr int newCaption = 10500;
constexpr int typeInUse = 20055;
constexpr int distinguishInUse = 20211;
constexpr int externalReaders = 3;

constexpr int kindButtons[] = {CEditParameterDialog::bistateId, CEditParameterDialog::digitalId,
                               CEditParameterDialog::analogId, CEditParameterDialog::stringId};

void reportUsers(int messageId, void (*describe)(const g2driverParameter&, gstr&), const g2driverParameter& p)
{
    gstr text;
    text.loadString(messageId);
    describe(p, text);
    warningBox(text, messageId);
}

} // namespace

CEditParameterDialog::CEditParameterDialog(g2driverParameterDefinitions& table, int duplicateTagMessage,
                                           const g2driverParameter* source, g2driverParameter* edited,
                                           QWidget* parent)
    : CEditParameterDialog(templateId, table, duplicateTagMessage, source, edited, parent)
{
}

CEditParameterDialog::CEditParameterDialog(int templateId, g2driverParameterDefinitions& table,
                                           int duplicateTagMessage, const g2driverParameter* source,
                                           g2driverParameter* edited, QWidget* parent)
    : CDialog(templateId, parent), table_(table), duplicateTagMessage_(duplicateTagMessage), source_(source),
      edited_(edited)
{
    setWindowTitle(QStringLiteral("Edit Parameter"));
    addControls(templateId == CEditCommandParameterDialog::templateId);
}

void CEditParameterDialog::addControls(bool distinguish)
{
    setDialogSize(230, distinguish ? 104 : 88);
    addLabel(-1, "&Tag:", 7, 9, 30, 8);
    addEdit(tagId, 40, 7, 120, 12);
    addGroupBox(-1, "T&ype:", 7, 25, 153, 40);
    addRadioButton(bistateId, "Bistate", 14, 37, 60, 10);
    addRadioButton(digitalId, "Digital", 14, 50, 60, 10);
    addRadioButton(analogId, "Analog", 80, 37, 60, 10);
    addRadioButton(stringId, "String", 80, 50, 60, 10);
    addButton(valueNamesId, "&Value Names...", 40, 69, 70, 14);
    if (distinguish)
        addCheckBox(CEditCommandParameterDialog::distinguishId, "&Used to distinguish between commands", 7, 88,
                    170, 10);
    addButton(IDOK, "OK", 173, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 173, 24, 50, 14);
}

bool CEditParameterDialog::OnInitDialog()
{
    enableControl(valueNamesId, false);
    if (source_) {
        setControlText(tagId, source_->getName());
        checkKind(source_->getKind());
        if (source_->getKind() == g2valueKind::digital) {
            enableControl(valueNamesId, true);
            names_ = source_->valueNames();
        }
    } else {
        checkKind(g2valueKind::bistate);
        enableControl(IDOK, false);
    }
    showOwnField();
    if (edited_) {
        controlAs<QLineEdit>(tagId)->setReadOnly(true);
        typeChangeAllowed_ = edited_->isUnused();
        focusControl(checkedRadioButton(bistateId, stringId));
    } else {
        setWindowTitle(toUiText(gstr().loadString(newCaption)));
        focusControl(tagId);
    }
    for (int id : kindButtons)
        onCommand(id, [this] { typeClicked(); });
    onCommand(valueNamesId, [this] {
        CEditValueNamesDialog dialog(names_, this);
        dialog.DoModal();
    });
    QObject::connect(controlAs<QLineEdit>(tagId), &QLineEdit::textChanged, this,
                     [this] { enableControl(IDOK, !controlText(tagId).isEmpty()); });
    // The focus is placed above.
    return false;
}

int32_t CEditParameterDialog::checkedKind() const
{
    int checked = checkedRadioButton(bistateId, stringId);
    return checked ? checked - bistateId + g2valueKind::bistate : g2valueKind::bistate;
}

void CEditParameterDialog::checkKind(int32_t kind)
{
    if (kind < g2valueKind::bistate || kind > g2valueKind::string)
        kind = g2valueKind::bistate;
    checkRadioButton(bistateId, stringId, bistateId + kind - g2valueKind::bistate);
}

void CEditParameterDialog::typeClicked()
{
    if (typeChangeAllowed_) {
        enableControl(valueNamesId, checkedKind() == g2valueKind::digital);
        return;
    }
    if (checkedKind() == edited_->getKind())
        return;
    reportUsers(typeInUse, [](const g2driverParameter& p, gstr& text) { p.describeUsers(text); }, *edited_);
    checkKind(edited_->getKind());
}

void CEditParameterDialog::OnOK()
{
    if (!edited_) {
        g2driverParameter* created = table_.define(controlText(tagId));
        if (!created)
            return (void)refuseField(tagId, duplicateTagMessage_);
        edited_ = created;
    }
    if (typeChangeAllowed_)
        edited_->setKind(checkedKind());
    storeOwnField(*edited_);
    edited_->clearValueNames();
    if (edited_->getKind() == g2valueKind::digital) {
        for (const auto& [value, name] : names_)
            edited_->addValueName(value, name);
    }
    CDialog::OnOK();
}

// --- command parameters

CEditCommandParameterDialog::CEditCommandParameterDialog(g2driverParameterDefinitions& table,
                                                         int duplicateTagMessage, const g2driverParameter* source,
                                                         g2driverParameter* edited, QWidget* parent)
    : CEditParameterDialog(templateId, table, duplicateTagMessage, source, edited, parent)
{
}

bool CEditCommandParameterDialog::OnInitDialog()
{
    if (edited())
        distinguishChangeAllowed_ = edited()->usedBy(externalReaders).isUnused();
    onCommand(distinguishId, [this] { distinguishClicked(); });
    return CEditParameterDialog::OnInitDialog();
}

void CEditCommandParameterDialog::showOwnField()
{
    setChecked(distinguishId, source() && source()->getInternal() != 1);
}

void CEditCommandParameterDialog::distinguishClicked()
{
    if (distinguishChangeAllowed_ || isChecked(distinguishId))
        return;
    reportUsers(distinguishInUse,
                [](const g2driverParameter& p, gstr& text) { p.usedBy(externalReaders).describeUsers(text); },
                *edited());
    setChecked(distinguishId, true);
}

void CEditCommandParameterDialog::storeOwnField(g2driverParameter& parameter)
{
    if (!isChecked(distinguishId) && distinguishChangeAllowed_)
        parameter.setInternal(1);
    else if (parameter.getInternal() == 1)
        parameter.setInternal(0);
    // An ordinary parameter keeps its mark of outside readers (-1).
}
