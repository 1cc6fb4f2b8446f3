#include "registers/sources/ui/CBitSectionPage.h"

#include "platform/textCodec.h"
#include "registers/sources/gsourceLegacyBitCollection.h"

#include <QLabel>

namespace {

constexpr int newSectionTitle = 10660;

} // namespace

CBitSectionPage::CBitSectionPage(const gsourceLegacyBitSection* fillFrom, gsourceLegacyBitSection* target,
                                 QWidget* parent)
    : CLegacyDataTypeSourcePane(514), fillFrom_(fillFrom), target_(target)
{
    setParent(parent, Qt::Dialog);
    setWindowTitle("Bit Section");
    int y = addDataTypeControls() + 2;
    addLabel(masksPlaceholderId, "", 7, y + 7, 274, 8)->hide();
    y += 7 + CBitSectionMasksPane::height + 4;
    addButton(IDOK, "OK", 168, y, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 224, y, 50, 14);
    setDialogSize(288, y + 21);
    if (fillFrom)
        loadDataType(fillFrom->location());
}

CBitSectionPage::~CBitSectionPage() = default;

bool CBitSectionPage::OnInitDialog()
{
    masks_.create(*this, masksPlaceholderId, fillFrom_ ? &fillFrom_->masks() : nullptr, false);
    if (!target_)
        setWindowTitle(toUiText(gstr().loadString(newSectionTitle)));
    if (!initDataType(noPortsMessage)) {
        EndDialog(IDCANCEL);
        return false;
    }
    return true;
}

void CBitSectionPage::OnOK()
{
    gbitSectionMasks masks;
    if (!validateDataType() || !masks_.validate(masks))
        return;
    commitDataType();
    if (!target_) {
        made_ = std::make_unique<gsourceLegacyBitSection>();
        target_ = made_.get();
    }
    applyDataType(target_->location());
    target_->masks() = masks;
    CDialog::OnOK();
}
