#include "sabus/ui/CResponseDataDialog.h"

#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "registers/gregister.h"
#include "resources/stringTable.h"
#include "sabus/gsabusRegisterData.h"
#include "sabus/ui/sabusDialogItems.h"
#include "shell/CAutoWidthCombo.h"
#include "shell/CFilteredEdit.h"
#include "shell/CSpinEdit.h"

#include <QCheckBox>

namespace {

constexpr int enterWidth = 10467;

} // namespace

CResponseDataDialog::CResponseDataDialog(int templateId, const char* caption, int newCaptionId,
                                         const gsabusResponseData* source, gsabusResponseData* target,
                                         QWidget* parent)
    : CDialog(templateId, parent), newCaptionId_(newCaptionId), source_(source), target_(target)
{
    setWindowTitle(QString::fromLatin1(caption));
}

bool CResponseDataDialog::OnInitDialog()
{
    if (!target_)
        setWindowTitle(toUiText(gstrSlice(stringTableText(newCaptionId_))));
    if (!fillFields()) {
        EndDialog(IDCANCEL);
        return false;
    }
    return true;
}

void CResponseDataDialog::OnOK()
{
    if (!checkFields())
        return;
    if (!target_) {
        created_ = makeItem();
        target_ = created_.get();
    }
    storeFields(*target_);
    CDialog::OnOK();
}

CRegisterResponseDataDialog::CRegisterResponseDataDialog(int templateId, const char* caption, int newCaptionId,
                                                         int classCode, int noRegistersId,
                                                         const gsabusResponseData* source, gsabusResponseData* target,
                                                         QWidget* parent)
    : CResponseDataDialog(templateId, caption, newCaptionId, source, target, parent), classCode_(classCode),
      noRegistersId_(noRegistersId)
{
}

void CRegisterResponseDataDialog::addRegisterFields(int x, int y, int y2)
{
    addLabel(-1, "&Register:", x, y + 2, 60, 8);
    registers_ = addControl(registerId, new CAutoWidthCombo, x + 65, y, 140, 100);
    addLabel(-1, "&Masked state:", x, y2 + 2, 60, 8);
    sabusItems::acceptPrintableOnly(*addControl(maskedId, new CPrintableEdit, x + 65, y2, 140, 12));
    addLabel(-1, "&Error state:", x, y2 + 18, 60, 8);
    sabusItems::acceptPrintableOnly(*addControl(errorId, new CPrintableEdit, x + 65, y2 + 16, 140, 12));
}

bool CRegisterResponseDataDialog::fillFields()
{
    sabusItems::fillRegisters(*registers_, classCode_);
    if (registers_->count() == 0) {
        messageBox(noRegistersId_, gbuttons::ok);
        return false;
    }
    const auto* item = sourceAs<gsabusRegisterData>();
    int index = item ? sabusItems::indexOfData(*registers_, sabusItems::data(item->getRegister())) : -1;
    registers_->setCurrentIndex(index >= 0 ? index : 0);
    if (item) {
        setControlText(maskedId, item->getMaskedString());
        setControlText(errorId, item->getErrorString());
    }
    fillKindFields();
    return true;
}

void CRegisterResponseDataDialog::storeFields(gsabusResponseData& target)
{
    auto& item = static_cast<gsabusRegisterData&>(target);
    item.setMaskedString(controlText(maskedId));
    item.setErrorString(controlText(errorId));
    storeKindFields(item);
    item.setRegister(selectedRegister());
}

gregister* CRegisterResponseDataDialog::selectedRegister() const
{
    return sabusItems::at<gregister>(*registers_, registers_->currentIndex());
}

void CRegisterResponseDataDialog::addWidthFields(int checkId, int labelId, int widthId, int x, int y)
{
    auto* box = addCheckBox(checkId, "Use &fixed width", x, y, 80, 10);
    addLabel(labelId, "&Width:", x + 85, y + 1, 30, 8);
    addControl(widthId, new CNonNegativeSpinEdit, x + 115, y - 1, 50, 12);
    QObject::connect(box, &QCheckBox::toggled, this, [this, labelId, widthId](bool on) {
        enableControl(labelId, on);
        enableControl(widthId, on);
    });
}

void CRegisterResponseDataDialog::showWidth(int checkId, int widthId, int32_t width)
{
    auto* edit = sabusItems::widget<CNonNegativeSpinEdit>(*this, widthId);
    edit->spin().minimum = 1;
    edit->setValue(width != 0 ? width : 1);
    setChecked(checkId, width != 0);
    // The box may already have the state; the fields follow it either way.
    emit controlAs<QCheckBox>(checkId)->toggled(width != 0);
}

bool CRegisterResponseDataDialog::readWidth(int checkId, int widthId, int32_t& width)
{
    width = 0;
    if (!isChecked(checkId))
        return true;
    if (!sabusItems::widget<CNonNegativeSpinEdit>(*this, widthId)->getValue(width) || width < 1)
        return refuseField(widthId, enterWidth);
    return true;
}
