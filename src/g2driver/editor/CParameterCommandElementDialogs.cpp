#include "g2driver/editor/CParameterCommandElementDialogs.h"

#include "g2driver/editor/elementDialogHosts.h"
#include "g2driver/model/g2driverParameter.h"
#include "g2driver/model/g2driverParameterCommandElement.h"
#include "legacy/ui/objectItems.h"
#include "shell/CSpinEdit.h"

#include <QComboBox>
#include <QLabel>

namespace {

constexpr int enterFactor = 10393;
constexpr int enterOffset = 10303;

} // namespace

CParameterCommandElementDialog::CParameterCommandElementDialog(int templateId, int newCaptionId, int32_t kind,
                                                               int noParameterMessage, commandElementHost& host,
                                                               const g2driverCommandElement* source,
                                                               g2driverCommandElement* edited, QWidget* parent)
    : CCommandElementDialogBase(templateId, newCaptionId, host, source, edited, parent), kind_(kind),
      noParameterMessage_(noParameterMessage)
{
}

void CParameterCommandElementDialog::addParameterCombo()
{
    addLabel(-1, "&Parameter:", 7, 9, 40, 8);
    addComboBox(parameterId, false, 50, 7, 120, 100);
}

g2driverParameter* CParameterCommandElementDialog::sourceParameter() const
{
    const auto* element = sourceAs<g2driverParameterCommandElement>();
    return element ? element->getParameter() : nullptr;
}

bool CParameterCommandElementDialog::OnInitDialog()
{
    CCommandElementDialogBase::OnInitDialog();
    QComboBox* combo = controlAs<QComboBox>(parameterId);
    g2driverParameter* chosen = sourceParameter();
    if (!host().fillParameterCombos(&combo, 1, kind_, &chosen)) {
        cancelWith(noParameterMessage_);
        return true;
    }
    createPage();
    fitToContents();
    return true;
}

void CParameterCommandElementDialog::storeParameter(g2driverCommandElement& element) const
{
    const QComboBox* combo = controlAs<QComboBox>(parameterId);
    auto* parameter = static_cast<g2driverParameter*>(itemObject(*combo, combo->currentIndex()));
    static_cast<g2driverParameterCommandElement&>(element).setParameter(parameter);
}

// --- analog

CEditAnalogCommandElementDialog::CEditAnalogCommandElementDialog(commandElementHost& host,
                                                                 const g2driverCommandElement* source,
                                                                 g2driverCommandElement* edited, QWidget* parent)
    : CParameterCommandElementDialog(templateId, 10508, g2valueKind::analog, 10516, host, source, edited, parent)
{
    setWindowTitle(QStringLiteral("Edit Analog Parameter Value Element"));
    setDialogSize(260, 80);
    addParameterCombo();
    addLabel(-1, "&Factor:", 7, 27, 40, 8);
    addControl(factorId, new CRealSpinEdit, 50, 25, 70, 12);
    addLabel(-1, "&Offset:", 7, 45, 40, 8);
    addControl(offsetId, new CRealSpinEdit, 50, 43, 70, 12);
    addLabel(pagePlaceholderId, "", 7, 63, 10, 8)->hide();
    addOkCancel();
}

void CEditAnalogCommandElementDialog::createPage()
{
    const auto* element = sourceAs<g2driverAnalogCommandElement>();
    auto* factor = dynamic_cast<CRealSpinEdit*>(control(factorId));
    auto* offset = dynamic_cast<CRealSpinEdit*>(control(offsetId));
    factor->setValue(element ? element->factor() : 1.0);
    offset->setValue(element ? element->offset() : 0.0);
    page_.create(*this, pagePlaceholderId, element ? &element->format() : nullptr);
}

bool CEditAnalogCommandElementDialog::checkFields()
{
    if (!dynamic_cast<CRealSpinEdit*>(control(factorId))->getValue(factor_))
        return refuseField(factorId, enterFactor);
    if (!dynamic_cast<CRealSpinEdit*>(control(offsetId))->getValue(offset_))
        return refuseField(offsetId, enterOffset);
    return true;
}

g2driverCommandElement* CEditAnalogCommandElementDialog::makeElement() const
{
    return new g2driverAnalogCommandElement;
}

void CEditAnalogCommandElementDialog::storeFields(g2driverCommandElement& element)
{
    storeParameter(element);
    auto& analog = static_cast<g2driverAnalogCommandElement&>(element);
    analog.setScaling(factor_, offset_);
    analog.format() = format_;
}

// --- digital number

CEditDigitalNumberCommandElementDialog::CEditDigitalNumberCommandElementDialog(commandElementHost& host,
                                                                               const g2driverCommandElement* source,
                                                                               g2driverCommandElement* edited,
                                                                               QWidget* parent)
    : CParameterCommandElementDialog(templateId, 10507, g2valueKind::digital, 10515, host, source, edited, parent)
{
    setWindowTitle(QStringLiteral("Edit Digital Parameter Element"));
    setDialogSize(260, 60);
    addParameterCombo();
    addLabel(pagePlaceholderId, "", 7, 27, 10, 8)->hide();
    addOkCancel();
}

void CEditDigitalNumberCommandElementDialog::createPage()
{
    const auto* element = sourceAs<g2driverDigitalNumberCommandElement>();
    page_.create(*this, pagePlaceholderId, element ? &element->format() : nullptr);
}

g2driverCommandElement* CEditDigitalNumberCommandElementDialog::makeElement() const
{
    return new g2driverDigitalNumberCommandElement;
}

void CEditDigitalNumberCommandElementDialog::storeFields(g2driverCommandElement& element)
{
    storeParameter(element);
    static_cast<g2driverDigitalNumberCommandElement&>(element).format() = format_;
}

// --- string

CEditStringCommandElementDialog::CEditStringCommandElementDialog(commandElementHost& host,
                                                                 const g2driverCommandElement* source,
                                                                 g2driverCommandElement* edited, QWidget* parent)
    : CParameterCommandElementDialog(templateId, 10509, g2valueKind::string, 10517, host, source, edited, parent)
{
    setWindowTitle(QStringLiteral("Edit String Parameter Value Element"));
    setDialogSize(260, 60);
    addParameterCombo();
    addLabel(pagePlaceholderId, "", 7, 27, 10, 8)->hide();
    addOkCancel();
}

void CEditStringCommandElementDialog::createPage()
{
    const auto* element = sourceAs<g2driverStringCommandElement>();
    page_.create(*this, pagePlaceholderId, element ? &element->format() : nullptr);
}

g2driverCommandElement* CEditStringCommandElementDialog::makeElement() const
{
    return new g2driverStringCommandElement;
}

void CEditStringCommandElementDialog::storeFields(g2driverCommandElement& element)
{
    storeParameter(element);
    static_cast<g2driverStringCommandElement&>(element).format() = format_;
}

// --- bistate

CEditBistateCommandElementDialog::CEditBistateCommandElementDialog(commandElementHost& host,
                                                                   const g2driverCommandElement* source,
                                                                   g2driverCommandElement* edited, QWidget* parent)
    : CParameterCommandElementDialog(templateId, 10506, g2valueKind::bistate, 10514, host, source, edited, parent)
{
    setWindowTitle(QStringLiteral("Edit Bistate Parameter Value Element"));
    setDialogSize(260, 60);
    addParameterCombo();
    addLabel(pagePlaceholderId, "", 7, 27, 10, 8)->hide();
    addOkCancel();
}

void CEditBistateCommandElementDialog::createPage()
{
    const auto* element = sourceAs<g2driverBistateCommandElement>();
    page_.create(*this, pagePlaceholderId, element ? &element->strings() : nullptr, 0);
}

g2driverCommandElement* CEditBistateCommandElementDialog::makeElement() const
{
    return new g2driverBistateCommandElement;
}

void CEditBistateCommandElementDialog::storeFields(g2driverCommandElement& element)
{
    storeParameter(element);
    static_cast<g2driverBistateCommandElement&>(element).strings() = strings_;
}

// --- digital strings

CEditDigitalStringsCommandElementDialog::CEditDigitalStringsCommandElementDialog(
    commandElementHost& host, const g2driverCommandElement* source, g2driverCommandElement* edited, QWidget* parent)
    : CParameterCommandElementDialog(templateId, 10507, g2valueKind::digital, 10515, host, source, edited, parent)
{
    setWindowTitle(QStringLiteral("Edit Digital Parameter Element"));
    setDialogSize(260, 60);
    addParameterCombo();
    addLabel(pagePlaceholderId, "", 7, 27, 10, 8)->hide();
    addOkCancel();
}

void CEditDigitalStringsCommandElementDialog::createPage()
{
    const auto* element = sourceAs<g2driverDigitalStringsCommandElement>();
    page_.create(*this, pagePlaceholderId, element ? &element->strings() : nullptr, 0);
}

g2driverCommandElement* CEditDigitalStringsCommandElementDialog::makeElement() const
{
    return new g2driverDigitalStringsCommandElement;
}

void CEditDigitalStringsCommandElementDialog::storeFields(g2driverCommandElement& element)
{
    storeParameter(element);
    static_cast<g2driverDigitalStringsCommandElement&>(element).strings() = strings_;
}
