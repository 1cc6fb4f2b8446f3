#include "g2driver/editor/CEditChecksumCommandElementDialog.h"

#include "g2driver/editor/elementDialogHosts.h"
#include "g2driver/editor/elementDialogSupport.h"
#include "g2driver/model/g2driverChecksumCommandElement.h"
#include "shell/CSpinEdit.h"

#include <QLabel>

namespace {

constexpr int enterSkipFirst = 10532;
constexpr int enterSkipLast = 10533;

} // namespace

CEditChecksumCommandElementDialog::CEditChecksumCommandElementDialog(commandElementHost& host,
                                                                     const g2driverCommandElement* source,
                                                                     g2driverCommandElement* edited,
                                                                     QWidget* parent)
    : CCommandElementDialogBase(templateId, 10512, host, source, edited, parent)
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
    addOkCancel();
}

bool CEditChecksumCommandElementDialog::OnInitDialog()
{
    CCommandElementDialogBase::OnInitDialog();
    const auto* element = sourceAs<g2driverChecksumCommandElement>();
    dynamic_cast<CNonNegativeSpinEdit*>(control(skipFirstId))->setValue(element ? element->skipFirst() : 0);
    dynamic_cast<CNonNegativeSpinEdit*>(control(skipLastId))->setValue(element ? element->skipLast() : 0);
    options_.create(*this, host().driverPrograms(), optionsPlaceholderId, element ? &element->checksum() : nullptr);
    page_.create(*this, pagePlaceholderId, element ? &element->format() : nullptr);
    fitToContents();
    choice_.start(*this, options_, page_, element ? element->checksum().kind() : g2driverChecksum::lrc);
    return true;
}

bool CEditChecksumCommandElementDialog::checkFields()
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

g2driverCommandElement* CEditChecksumCommandElementDialog::makeElement() const
{
    return new g2driverChecksumCommandElement;
}

void CEditChecksumCommandElementDialog::storeFields(g2driverCommandElement& element)
{
    auto& checksum = static_cast<g2driverChecksumCommandElement&>(element);
    checksum.setSkips(skipFirst_, skipLast_);
    assignChecksum(checksum.checksum(), *settings_);
    checksum.format() = format_;
}
