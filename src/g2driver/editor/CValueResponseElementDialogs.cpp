#include "g2driver/editor/CValueResponseElementDialogs.h"

#include "g2driver/editor/elementDialogHosts.h"

#include <QLabel>

namespace {

constexpr int tagTaken = 10567;

} // namespace

CValueResponseElementDialog::CValueResponseElementDialog(int templateId, int newCaptionId, responseElementHost& page,
                                                         const g2driverResponseElement* source,
                                                         g2driverResponseElement* target, QWidget* parent)
    : CNamedResponseElementDialog(templateId, newCaptionId, page, source, target, parent)
{
    setDialogSize(260, 60);
    addLabel(-1, "&Tag:", 7, 9, 40, 8);
    addEdit(tagId, 50, 7, 120, 12);
    addLabel(pagePlaceholderId, "", 7, 25, 10, 8)->hide();
    addButtons();
}

bool CValueResponseElementDialog::OnInitDialog()
{
    CResponseElementDialogBase::OnInitDialog();
    g2driverResponseValue* sourceValue = source() ? source()->getResponseValue() : nullptr;
    g2driverResponseValue* current = target() ? target()->getResponseValue() : nullptr;
    startTag(sourceValue, current, current ? &current->usedBy() : nullptr);
    createPage();
    fitToContents();
    return true;
}

bool CValueResponseElementDialog::checkFields()
{
    if (!applyPage())
        return false;
    newValue_ = nullptr;
    if (!tagIsNew())
        return true;
    newValue_ = defineTag(*this, page().responseValues(), tagTaken);
    return newValue_ != nullptr;
}

void CValueResponseElementDialog::storeValue(g2driverResponseElement& element)
{
    if (!newValue_)
        return;
    auto* old = static_cast<g2driverResponseValue*>(currentName());
    static_cast<g2driverValueResponseElement&>(element).setValue(newValue_);
    // A condition on the element's own value follows it to its new name.
    if (old && conditionRecord().value() == old)
        conditionRecord().setValue(newValue_);
    dropName(page().responseValues(), old);
}

CEditNumericalValueElementDialog::CEditNumericalValueElementDialog(responseElementHost& page,
                                                                   const g2driverResponseElement* source,
                                                                   g2driverResponseElement* target, QWidget* parent)
    : CValueResponseElementDialog(templateId, 10565, page, source, target, parent)
{
    setWindowTitle(QStringLiteral("Edit Numerical Value Element"));
}

void CEditNumericalValueElementDialog::createPage()
{
    const auto* element = sourceAs<g2driverNumericalValueResponseElement>();
    page_.create(*this, pagePlaceholderId, element ? &element->format() : nullptr, 0);
}

g2driverResponseElement* CEditNumericalValueElementDialog::makeElement() const
{
    return new g2driverNumericalValueResponseElement;
}

void CEditNumericalValueElementDialog::storeFields(g2driverResponseElement& element)
{
    storeValue(element);
    static_cast<g2driverNumericalValueResponseElement&>(element).format() = format_;
}

CEditStringValueElementDialog::CEditStringValueElementDialog(responseElementHost& page,
                                                             const g2driverResponseElement* source,
                                                             g2driverResponseElement* target, QWidget* parent)
    : CValueResponseElementDialog(templateId, 10566, page, source, target, parent)
{
    setWindowTitle(QStringLiteral("Edit String Value Element"));
}

void CEditStringValueElementDialog::createPage()
{
    const auto* element = sourceAs<g2driverStringValueResponseElement>();
    page_.create(*this, pagePlaceholderId, element ? &element->match() : nullptr, 0);
}

g2driverResponseElement* CEditStringValueElementDialog::makeElement() const
{
    return new g2driverStringValueResponseElement;
}

void CEditStringValueElementDialog::storeFields(g2driverResponseElement& element)
{
    storeValue(element);
    static_cast<g2driverStringValueResponseElement&>(element).match() = match_;
}
