#include "g2driver/editor/CEditCommandElementResponseElementDialog.h"

#include "g2driver/model/g2driverCommandElementResponseElement.h"
#include "shell/CSpinEdit.h"

#include <QLabel>

namespace {

constexpr int enterNumber = 10563;

} // namespace

CEditCommandElementResponseElementDialog::CEditCommandElementResponseElementDialog(
    responseElementHost& page, const g2driverResponseElement* source, g2driverResponseElement* target,
    QWidget* parent)
    : CResponseElementDialogBase(templateId, 10564, page, source, target, parent)
{
    setWindowTitle(QStringLiteral("Edit Command Element Response Element"));
    setDialogSize(260, 66);
    addLabel(-1, "Command &element number:", 7, 9, 100, 8);
    addControl(numberId, new CNonNegativeSpinEdit, 110, 7, 60, 12);
    addButtons();
}

bool CEditCommandElementResponseElementDialog::OnInitDialog()
{
    CResponseElementDialogBase::OnInitDialog();
    const auto* element = sourceAs<g2driverCommandElementResponseElement>();
    auto* number = dynamic_cast<CNonNegativeSpinEdit*>(control(numberId));
    number->spin().minimum = 1;
    number->setValue(element ? element->number() : 1);
    return true;
}

bool CEditCommandElementResponseElementDialog::checkFields()
{
    if (!dynamic_cast<CNonNegativeSpinEdit*>(control(numberId))->getValue(number_) || number_ < 1)
        return refuseField(numberId, enterNumber);
    return true;
}

g2driverResponseElement* CEditCommandElementResponseElementDialog::makeElement() const
{
    return new g2driverCommandElementResponseElement;
}

void CEditCommandElementResponseElementDialog::storeFields(g2driverResponseElement& element)
{
    static_cast<g2driverCommandElementResponseElement&>(element).setNumber(number_);
}
