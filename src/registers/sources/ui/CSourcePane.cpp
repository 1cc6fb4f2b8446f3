#include "registers/sources/ui/CSourcePane.h"

#include "platform/modalRun.h"
#include "registers/ui/CRegisterDialog.h"

CSourcePane::CSourcePane(int templateId) : CDialog(templateId, nullptr) {}

bool CSourcePane::create(CRegisterDialog&) { return false; }

void CSourcePane::applyToAnalog(ganalogSupplement&) {}

void CSourcePane::applyToBistate(gbistateSupplement&) {}

void CSourcePane::applyToDigital(gdigitalSupplement&) {}

void CSourcePane::applyToString(gstringSupplement&) {}

bool CSourcePane::isReplaceableWithoutAsking() const { return false; }

bool CSourcePane::validate() { return true; }

bool CSourcePane::getValueName(gstr&, uint32_t) const { return false; }

int CSourcePane::hasGreaterLess() const { return 0; }

bool CSourcePane::needsOwnElementCount() const { return true; }

int CSourcePane::getHeight() const { return height(); }

void CSourcePane::placeAt(QWidget* placeholder, const QPoint& position)
{
    move(position);
    if (placeholder)
        stackUnder(placeholder);
    setAttribute(Qt::WA_ShowWithoutActivating);
    show();
}

void CSourcePane::becomeChildOf(CRegisterDialog& dialog, int cx, int cy)
{
    setParent(&dialog, Qt::Widget);
    setDialogSize(cx, cy);
    ensureInitialized();
}

CRegisterDialog* CSourcePane::registerDialog() const { return dynamic_cast<CRegisterDialog*>(parentWidget()); }

bool CSourcePane::refuseCreate(int messageId)
{
    hide();
    messageBox(messageId, gbuttons::ok, gicon::warning);
    return false;
}

bool CSourcePane::refuseFocusOnly(int id, int messageId)
{
    messageBox(messageId, gbuttons::ok, gicon::warning);
    if (QWidget* field = control(id))
        field->setFocus(Qt::OtherFocusReason);
    return false;
}

// The pane leaves the focus where the register dialog puts it.
bool CSourcePane::OnInitDialog() { return false; }
