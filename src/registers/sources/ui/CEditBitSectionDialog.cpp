#include "registers/sources/ui/CEditBitSectionDialog.h"

#include "formats/ui/CIntegerInputFormatPage.h"
#include "g2driver/editor/CEditParameterTermsDialogs.h"
#include "platform/textCodec.h"
#include "registers/sources/g2driverBitCollectionSource.h"

#include <QLabel>
#include <algorithm>

namespace {

constexpr int newSectionTitle = 10660;
constexpr int noRotateParameters = 10687;
constexpr int oneRotateParameter = 10689;
constexpr int someRotateParameters = 10737;
// Dialog units below the shared part: the rotate parameter line, then the
// format page and the masks pane.
constexpr int rotateLine = 16;
constexpr int buttonsWidth = 56;

} // namespace

CEditBitSectionDialog::CEditBitSectionDialog(CSourceTypeHostPane& host, const gbitSectionItem* fillFrom,
                                             gbitSectionItem* target, QWidget* parent)
    : CDataElementSourcePane(host, templateId), fillFrom_(fillFrom), target_(target), parent_(parent)
{
    if (fillFrom)
        rotate_ = fillFrom->rotateParameters();
}

CEditBitSectionDialog::~CEditBitSectionDialog() = default;

bool CEditBitSectionDialog::build()
{
    addDataElementControls(rotateLine);
    addLabel(rotateCountId, "", 0, sharedHeight + 2, 120, 8);
    addButton(rotateEditId, "Edit...", 124, sharedHeight, 50, 14);
    onCommand(rotateEditId, [this] { editRotateParameters(); });
    addLabel(formatPlaceholderId, "", 0, sharedHeight + rotateLine, 1, 1)->hide();
    format_ = new CIntegerInputFormatPage();
    format_->create(*this, formatPlaceholderId, fillFrom_ ? &fillFrom_->format() : nullptr, 1);
    QLabel* masksPlace = addLabel(masksPlaceholderId, "", 0, sharedHeight + rotateLine, 1, 1);
    masksPlace->hide();
    masksPlace->move(0, format_->y() + format_->height());
    masks_.create(*this, masksPlaceholderId, fillFrom_ ? &fillFrom_->masks() : nullptr, true);
    if (!initFromReference(fillFrom_ ? &fillFrom_->reference() : nullptr))
        return false;
    setParent(parent_, Qt::Dialog);
    setWindowTitle(toUiText(target_ ? gstr("Edit Bit Section") : gstr().loadString(newSectionTitle)));
    int right = paneWidth + 8;
    addButton(IDOK, "OK", right, 0, 50, 14, true);
    addButton(IDCANCEL, "Cancel", right, 18, 50, 14);
    resize(std::max(width(), dialogUnitsX(right + buttonsWidth)),
           std::max(height(), masks_.geometry().bottom() + 1 + dialogUnitsY(4)));
    showRotateCount();
    return true;
}

void CEditBitSectionDialog::moveChildren(int extra)
{
    for (int id : {rotateCountId, rotateEditId}) {
        QWidget* w = control(id);
        w->move(w->x(), dialogUnitsY(sharedHeight + (id == rotateEditId ? 0 : 2)) + extra);
    }
    format_->moveTo(extra);
    masks_.moveBy(extra);
}

void CEditBitSectionDialog::showRotateCount()
{
    gstr text;
    size_t count = rotate_.size();
    if (count == 0)
        text.loadString(noRotateParameters);
    else if (count == 1)
        text.loadString(oneRotateParameter);
    else
        text.format(someRotateParameters, static_cast<int32_t>(count));
    setControlText(rotateCountId, text);
}

void CEditBitSectionDialog::editRotateParameters()
{
    termList terms(*this, rotate_);
    CEditRotateParametersDialog dialog(terms, this);
    if (dialog.DoModal() == IDOK)
        showRotateCount();
}

void CEditBitSectionDialog::OnOK()
{
    gbitSectionItem scratch;
    gbitSectionMasks masks;
    if (!storeIntoReference(scratch.reference()) || !format_->apply(scratch.format()) || !masks_.validate(masks))
        return;
    if (!target_) {
        made_ = std::make_unique<gbitSectionItem>();
        target_ = made_.get();
    }
    const gcommandDataRef& taken = scratch.reference();
    target_->reference().setLocation(taken.getCommand(), taken.values(), taken.getDataElement());
    target_->reference().setKey(taken.key());
    target_->reference().setOffset(taken.getOffset());
    target_->reference().setOffsetParameters(taken.offsetParameters());
    target_->format() = scratch.format();
    target_->masks() = masks;
    target_->rotateParameters() = rotate_;
    CDialog::OnOK();
}
