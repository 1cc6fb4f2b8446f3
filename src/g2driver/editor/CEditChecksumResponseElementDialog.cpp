#include "g2driver/editor/CEditChecksumResponseElementDialog.h"

#include "g2driver/editor/elementDialogHosts.h"
#include "g2driver/editor/elementDialogSupport.h"
#include "g2driver/model/g2driverChecksumResponseElement.h"
#include "shell/CSpinEdit.h"

#include <QLabel>

namespace {

constexpr int enterSkipFirst = 10532;
constexpr int enterSkipLast = 10533;

} // namespace

CEditChecksumResponseElementDialog::CEditChecksumResponseElementDialog(responseElementHost& page,
                                                                       const g2driverResponseElement* source,
                                                                       g2driverResponseElement* target,
                                                                       QWidget* parent)
    : CResponseElementDialogBase(templateId, 10512, page, source, target, parent)
{
    setWindowTitle(QStringLiteral("Edit Checksum Element"));
    setDialogSize(260, 70);
    addLabel(-1, "&Exclude", 7, 9, 40, 8);
    addControl(skipFirstId, new CNonNegativeSpinEdit, 50, 7, 50, 12);
    addLabel(-1, "from the start", 104, 9, 60, 8);
    addLabel(-1, "E&xclude", 7, 27, 40, 8);
    addControl(skipLastId, new CNonNegativeSpinEdit, 50, 25, 50, 12);
    addLabel(-1, "before this", 104, 27, 60, 8);
    addLabel(-1, "&Type:", 7, 45, 40, 8);
    addComboBox(typeId, false, 50, 43, 100, 120);
    checksumTypeChoice::fillKinds(*this);
    addLabel(optionsPlaceholderId, "", 7, 61, 246, 1)->hide();
    addLabel(pagePlaceholderId, "", 7, 63, 10, 8)->hide();
    addButtons();
}

bool CEditChecksumResponseElementDialog::OnInitDialog()
{
    CResponseElementDialogBase::OnInitDialog();
    const auto* element = sourceAs<g2driverChecksumResponseElement>();
    dynamic_cast<CNonNegativeSpinEdit*>(control(skipFirstId))->setValue(element ? element->skipFirst() : 0);
    dynamic_cast<CNonNegativeSpinEdit*>(control(skipLastId))->setValue(element ? element->skipLast() : 0);
    options_.create(*this, page().templateDialog().driverPrograms(), optionsPlaceholderId,
                    element ? &element->checksum() : nullptr);
    page_.create(*this, pagePlaceholderId, element ? &element->format() : nullptr, 0);
    fitToContents();
    choice_.start(*this, options_, page_, element ? element->checksum().kind() : g2driverChecksum::lrc);
    return true;
}

bool CEditChecksumResponseElementDialog::checkFields()
{
    if (!dynamic_cast<CNonNegativeSpinEdit*>(control(skipFirstId))->getValue(skipFirst_))
        return refuseField(skipFirstId, enterSkipFirst);
    if (!dynamic_cast<CNonNegativeSpinEdit*>(control(skipLastId))->getValue(skipLast_))
        return refuseField(skipLastId, enterSkipLast);
    auto fresh = std::make_unique<g2driverChecksum>(nullptr);
    if (!options_.apply(*fresh) || !applyFresh(page_, format_))
        return false;
    settings_ = std::move(fresh);
    return true;
}

g2driverResponseElement* CEditChecksumResponseElementDialog::makeElement() const
{
    return new g2driverChecksumResponseElement;
}

void CEditChecksumResponseElementDialog::storeFields(g2driverResponseElement& element)
{
    auto& checksum = static_cast<g2driverChecksumResponseElement&>(element);
    checksum.setSkips(skipFirst_, skipLast_);
    assignChecksum(checksum.checksum(), *settings_);
    checksum.format() = format_;
}
