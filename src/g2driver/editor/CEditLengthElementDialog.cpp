#include "g2driver/editor/CEditLengthElementDialog.h"

#include "g2driver/editor/elementDialogSupport.h"
#include "g2driver/model/g2driverLengthCommandElement.h"
#include "shell/CSpinEdit.h"

#include <QLabel>
#include <climits>

namespace {

constexpr int enterSkipFirst = 10536;
constexpr int enterSkipLast = 10535;
constexpr int enterOffset = 10534;

} // namespace

CEditLengthElementDialog::CEditLengthElementDialog(commandElementHost& host, const g2driverCommandElement* source,
                                                   g2driverCommandElement* edited, QWidget* parent)
    : CCommandElementDialogBase(templateId, 10511, host, source, edited, parent)
{
    setWindowTitle(QStringLiteral("Edit Data Length Element"));
    setDialogSize(260, 100);
    addLabel(-1, "&Char size:", 7, 9, 40, 8);
    addComboBox(charSizeId, false, 50, 7, 60, 80);
    for (const char* size : {"8 bits", "16 bits", "24 bits", "32 bits"})
        addItem(charSizeId, size);
    addLabel(-1, "&Exclude", 7, 27, 40, 8);
    addControl(skipFirstId, new CNonNegativeSpinEdit, 50, 25, 50, 12);
    addLabel(-1, "after this", 104, 27, 50, 8);
    addLabel(-1, "E&xclude", 7, 45, 40, 8);
    addControl(skipLastId, new CNonNegativeSpinEdit, 50, 43, 50, 12);
    addLabel(-1, "from the end", 104, 45, 50, 8);
    addLabel(-1, "&Offset:", 7, 63, 40, 8);
    addControl(offsetId, new CSignedSpinEdit, 50, 61, 50, 12);
    addLabel(pagePlaceholderId, "", 7, 81, 10, 8)->hide();
    addOkCancel();
}

bool CEditLengthElementDialog::OnInitDialog()
{
    CCommandElementDialogBase::OnInitDialog();
    const auto* element = sourceAs<g2driverLengthCommandElement>();
    selectItem(charSizeId, element ? element->charSize() - 1 : 0);
    dynamic_cast<CNonNegativeSpinEdit*>(control(skipFirstId))->setValue(element ? element->skipFirst() : 0);
    dynamic_cast<CNonNegativeSpinEdit*>(control(skipLastId))->setValue(element ? element->skipLast() : 0);
    dynamic_cast<CSignedSpinEdit*>(control(offsetId))->setValue(element ? element->offset() : 0);
    page_.create(*this, pagePlaceholderId, element ? &element->format() : nullptr);
    fitToContents();
    return true;
}

bool CEditLengthElementDialog::checkFields()
{
    if (!dynamic_cast<CNonNegativeSpinEdit*>(control(skipFirstId))->getValue(skipFirst_))
        return refuseField(skipFirstId, enterSkipFirst);
    if (!dynamic_cast<CNonNegativeSpinEdit*>(control(skipLastId))->getValue(skipLast_))
        return refuseField(skipLastId, enterSkipLast);
    // INT_MAX marks an offset a file has not given.
    if (!dynamic_cast<CSignedSpinEdit*>(control(offsetId))->getValue(offset_) || offset_ == INT_MAX)
        return refuseField(offsetId, enterOffset);
    return true;
}

bool CEditLengthElementDialog::applyPage() { return applyFresh(page_, format_); }

g2driverCommandElement* CEditLengthElementDialog::makeElement() const { return new g2driverLengthCommandElement; }

void CEditLengthElementDialog::storeFields(g2driverCommandElement& element)
{
    static_cast<g2driverLengthCommandElement&>(element).setCounts(selectedItem(charSizeId) + 1, skipFirst_,
                                                                  skipLast_, offset_);
    static_cast<g2driverLengthCommandElement&>(element).format() = format_;
}
