#include "g2driver/editor/CEditDelayElementDialog.h"

#include "foundation/gmilliseconds.h"
#include "g2driver/model/driverFields.h"
#include "g2driver/model/g2driverDelayCommandElement.h"
#include "shell/CSpinEdit.h"
#include "shell/fieldEdits.h"

#include <QLabel>

namespace {


} // namespace

CEditDelayElementDialog::CEditDelayElementDialog(commandElementHost& host, const g2driverCommandElement* source,
                                                 g2driverCommandElement* edited, QWidget* parent)
    : CCommandElementDialogBase(templateId, 10355, host, source, edited, parent)
{
    setWindowTitle(QStringLiteral("Edit Delay Element"));
    setDialogSize(200, 44);
    addLabel(-1, "&Delay:", 7, 9, 30, 8);
    addControl(delayId, new CRealSpinEdit, 40, 7, 70, 12);
    addLabel(-1, "s", 114, 9, 10, 8);
    addButton(IDOK, "OK", 143, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 143, 24, 50, 14);
}

bool CEditDelayElementDialog::OnInitDialog()
{
    CCommandElementDialogBase::OnInitDialog();
    const auto* element = sourceAs<g2driverDelayCommandElement>();
    auto* delay = dynamic_cast<CRealSpinEdit*>(control(delayId));
    fieldEdits::limitSpin(*delay, driverFields::elementDelay);
    if (element && element->getDelay().isSet())
        fieldEdits::showSeconds(*delay, element->getDelay());
    else
        delay->setValue(1);
    return true;
}

bool CEditDelayElementDialog::checkFields()
{
    const gsecondsField& field = driverFields::elementDelay;
    const auto* element = sourceAs<g2driverDelayCommandElement>();
    gmilliseconds shown = element ? element->getDelay() : gmilliseconds::notSet;
    return fieldEdits::readSeconds(*dynamic_cast<CRealSpinEdit*>(control(delayId)), field, shown, -1, milliseconds_) ||
           refuseField(delayId, field.refusal);
}

g2driverCommandElement* CEditDelayElementDialog::makeElement() const { return new g2driverDelayCommandElement; }

void CEditDelayElementDialog::storeFields(g2driverCommandElement& element)
{
    static_cast<g2driverDelayCommandElement&>(element).setDelay(gmilliseconds(milliseconds_));
}
