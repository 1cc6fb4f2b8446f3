#include "g2driver/editor/CEditDelayElementDialog.h"

#include "foundation/gmilliseconds.h"
#include "g2driver/model/g2driverDelayCommandElement.h"
#include "shell/CSpinEdit.h"

#include <QLabel>

namespace {

constexpr int enterDelay = 10745;
constexpr double shortest = 0.001;
constexpr double longest = 4294967;

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
    delay->spin().minimum = shortest;
    delay->spin().maximum = longest;
    if (element && element->getDelay().isSet())
        delay->setValue(element->getDelay().get() * 0.001);
    else
        delay->setValue(1);
    return true;
}

bool CEditDelayElementDialog::checkFields()
{
    double seconds = 0;
    if (!dynamic_cast<CRealSpinEdit*>(control(delayId))->getValue(seconds) || seconds < shortest || seconds > longest)
        return refuseField(delayId, enterDelay);
    milliseconds_ = truncatedMilliseconds(seconds);
    return true;
}

g2driverCommandElement* CEditDelayElementDialog::makeElement() const { return new g2driverDelayCommandElement; }

void CEditDelayElementDialog::storeFields(g2driverCommandElement& element)
{
    static_cast<g2driverDelayCommandElement&>(element).setDelay(gmilliseconds(milliseconds_));
}
