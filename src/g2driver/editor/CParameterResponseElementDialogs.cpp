#include "g2driver/editor/CParameterResponseElementDialogs.h"

#include "foundation/jhashIterator.h"
#include "g2driver/editor/elementDialogHosts.h"
#include "g2driver/model/g2driverErrorCode.h"
#include "g2driver/model/g2driverParameter.h"
#include "legacy/ui/objectItems.h"
#include "shell/CSpinEdit.h"

#include <QComboBox>
#include <QLabel>

namespace {

constexpr int enterFactor = 10393;
constexpr int enterOffset = 10303;

} // namespace

CBoundResponseElementDialog::CBoundResponseElementDialog(int templateId, int newCaptionId, int choiceId,
                                                         int emptyMessage, responseElementHost& page,
                                                         const g2driverResponseElement* source,
                                                         g2driverResponseElement* target, QWidget* parent)
    : CResponseElementDialogBase(templateId, newCaptionId, page, source, target, parent), choiceId_(choiceId),
      emptyMessage_(emptyMessage)
{
}

int CBoundResponseElementDialog::addChoice(const char* label)
{
    addLabel(-1, label, 7, 9, 40, 8);
    addComboBox(choiceId_, false, 50, 7, 120, 100)->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return 25;
}

void CBoundResponseElementDialog::addDataFormat(int y)
{
    addLabel(-1, "Data Format", 7, y, 60, 8);
    addLabel(pagePlaceholderId, "", 7, y + 12, 10, 8)->hide();
    addButtons();
}

bool CBoundResponseElementDialog::OnInitDialog()
{
    CResponseElementDialogBase::OnInitDialog();
    if (!fillChoice()) {
        cancelWith(emptyMessage_);
        return true;
    }
    createPage();
    fitToContents();
    return true;
}

void* CBoundResponseElementDialog::chosen() const
{
    const auto* combo = controlAs<QComboBox>(choiceId_);
    return itemObject(*combo, combo->currentIndex());
}

// --- parameters

CParameterResponseElementDialog::CParameterResponseElementDialog(int templateId, int newCaptionId, int32_t kind,
                                                                 int emptyMessage, responseElementHost& page,
                                                                 const g2driverResponseElement* source,
                                                                 g2driverResponseElement* target, QWidget* parent)
    : CBoundResponseElementDialog(templateId, newCaptionId, parameterId, emptyMessage, page, source, target, parent),
      kind_(kind)
{
}

bool CParameterResponseElementDialog::fillChoice()
{
    const auto* element = sourceAs<g2driverParameterResponseElement>();
    g2driverParameter* current = element ? element->getParameter() : nullptr;
    QComboBox* combo = controlAs<QComboBox>(parameterId);
    return page().templateDialog().fillParameterCombos(&combo, 1, kind_, &current);
}

void CParameterResponseElementDialog::bind(g2driverResponseElement& element) const
{
    static_cast<g2driverParameterResponseElement&>(element).setParameter(static_cast<g2driverParameter*>(chosen()));
}

// --- error codes

CErrorCodeResponseElementDialog::CErrorCodeResponseElementDialog(int templateId, int newCaptionId, int32_t kind,
                                                                 int emptyMessage, responseElementHost& page,
                                                                 const g2driverResponseElement* source,
                                                                 g2driverResponseElement* target, QWidget* parent)
    : CBoundResponseElementDialog(templateId, newCaptionId, errorCodeId, emptyMessage, page, source, target, parent),
      kind_(kind)
{
}

bool CErrorCodeResponseElementDialog::fillChoice()
{
    auto* combo = controlAs<QComboBox>(errorCodeId);
    jhashTypedIterator<g2driverErrorCode> it(page().errorCodes());
    g2driverErrorCode* code = nullptr;
    while (it.get(code)) {
        if (code->getKind() == kind_)
            insertSortedItem(*combo, code->getName(), code);
    }
    if (combo->count() == 0)
        return false;
    int at = source() ? findItemObject(*combo, source()->getErrorCode()) : -1;
    combo->setCurrentIndex(at >= 0 ? at : 0);
    return true;
}

void CErrorCodeResponseElementDialog::bind(g2driverResponseElement& element) const
{
    static_cast<g2driverErrorCodeElement&>(element).setErrorCode(static_cast<g2driverErrorCode*>(chosen()));
}

// --- the members

CEditBistateResponseElementDialog::CEditBistateResponseElementDialog(responseElementHost& page,
                                                                     const g2driverResponseElement* source,
                                                                     g2driverResponseElement* target, QWidget* parent)
    : CResponseRecordDialog(templateId, 10506, g2valueKind::bistate, 10514, page, source, target, parent)
{
    setWindowTitle(QStringLiteral("Edit Bistate Parameter Value Element"));
    setDialogSize(260, 60);
    addDataFormat(addChoice("&Parameter:"));
}

CEditDigitalNumberResponseElementDialog::CEditDigitalNumberResponseElementDialog(
    responseElementHost& page, const g2driverResponseElement* source, g2driverResponseElement* target,
    QWidget* parent)
    : CResponseRecordDialog(templateId, 10507, g2valueKind::digital, 10515, page, source, target, parent)
{
    setWindowTitle(QStringLiteral("Edit Digital Parameter Element"));
    setDialogSize(260, 60);
    addDataFormat(addChoice("&Parameter:"));
}

CEditDigitalStringsResponseElementDialog::CEditDigitalStringsResponseElementDialog(
    responseElementHost& page, const g2driverResponseElement* source, g2driverResponseElement* target,
    QWidget* parent)
    : CResponseRecordDialog(templateId, 10507, g2valueKind::digital, 10515, page, source, target, parent)
{
    setWindowTitle(QStringLiteral("Edit Digital Parameter Element"));
    setDialogSize(260, 60);
    addDataFormat(addChoice("&Parameter:"));
}

CEditStringResponseElementDialog::CEditStringResponseElementDialog(responseElementHost& page,
                                                                   const g2driverResponseElement* source,
                                                                   g2driverResponseElement* target, QWidget* parent)
    : CResponseRecordDialog(templateId, 10509, g2valueKind::string, 10517, page, source, target, parent)
{
    setWindowTitle(QStringLiteral("Edit String Parameter Value Element"));
    setDialogSize(260, 60);
    addDataFormat(addChoice("&Parameter:"));
}

CEditNumericalErrorCodeElementDialog::CEditNumericalErrorCodeElementDialog(responseElementHost& page,
                                                                           const g2driverResponseElement* source,
                                                                           g2driverResponseElement* target,
                                                                           QWidget* parent)
    : CResponseRecordDialog(templateId, 10681, g2driverErrorCode::numerical, 10611, page, source, target, parent)
{
    setWindowTitle(QStringLiteral("Edit Numerical Error Code Element"));
    setDialogSize(260, 60);
    addDataFormat(addChoice("&Error code:"));
}

CEditStringErrorCodeElementDialog::CEditStringErrorCodeElementDialog(responseElementHost& page,
                                                                     const g2driverResponseElement* source,
                                                                     g2driverResponseElement* target, QWidget* parent)
    : CResponseRecordDialog(templateId, 10683, g2driverErrorCode::text, 10612, page, source, target, parent)
{
    setWindowTitle(QStringLiteral("Edit String Error Code Element"));
    setDialogSize(260, 60);
    addDataFormat(addChoice("&Error code:"));
}

CEditAnalogResponseElementDialog::CEditAnalogResponseElementDialog(responseElementHost& page,
                                                                   const g2driverResponseElement* source,
                                                                   g2driverResponseElement* target, QWidget* parent)
    : CResponseRecordDialog(templateId, 10508, g2valueKind::analog, 10516, page, source, target, parent)
{
    setWindowTitle(QStringLiteral("Edit Analog Parameter Value Element"));
    setDialogSize(260, 96);
    int y = addChoice("&Parameter:");
    addLabel(-1, "&Factor:", 7, y + 2, 40, 8);
    addControl(factorId, new CRealSpinEdit, 50, y, 70, 12);
    addLabel(-1, "Off&set:", 7, y + 20, 40, 8);
    addControl(offsetId, new CRealSpinEdit, 50, y + 18, 70, 12);
    addDataFormat(y + 36);
}

void CEditAnalogResponseElementDialog::createPage()
{
    CResponseRecordDialog::createPage();
    const auto* element = sourceAs<g2driverAnalogResponseElement>();
    dynamic_cast<CRealSpinEdit*>(control(factorId))->setValue(element ? element->factor() : 1.0);
    dynamic_cast<CRealSpinEdit*>(control(offsetId))->setValue(element ? element->offset() : 0.0);
}

bool CEditAnalogResponseElementDialog::checkFields()
{
    if (!dynamic_cast<CRealSpinEdit*>(control(factorId))->getValue(factor_))
        return refuseField(factorId, enterFactor);
    if (!dynamic_cast<CRealSpinEdit*>(control(offsetId))->getValue(offset_))
        return refuseField(offsetId, enterOffset);
    return CResponseRecordDialog::checkFields();
}

void CEditAnalogResponseElementDialog::storeFields(g2driverResponseElement& element)
{
    CResponseRecordDialog::storeFields(element);
    static_cast<g2driverAnalogResponseElement&>(element).setScaling(factor_, offset_);
}
