#include "ports/ui/CPollPane.h"

#include "shell/CSpinEdit.h"

CPollPane::CPollPane(bool tied) : CDialog(tied ? 864 : 770)
{
    setDialogSize(160, 16);
    addLabel(-1, "&Keep with", 0, 4, 36, 8);
    field_ = addControl(countId, new CNonNegativeSpinEdit, 38, 2, 40, 12);
    addLabel(-1, tied ? "next commands" : "next polls", 82, 4, 70, 8);
}

void CPollPane::create(CDialog& dialog, int placeholderId)
{
    setParent(&dialog, Qt::Widget);
    if (QWidget* placeholder = dialog.control(placeholderId)) {
        move(placeholder->pos());
        QWidget::setTabOrder(placeholder, this);
    }
    place_ = pos();
    ensureInitialized();
    show();
}

void CPollPane::setKeepWithNext(int32_t count) { field_->setValue(count); }

bool CPollPane::getKeepWithNext(int32_t& count) const
{
    int32_t value = 0;
    if (!field_->getValue(value) || value < 0)
        return false;
    count = value;
    return true;
}

void CPollPane::moveDown(int offset) { move(place_.x(), place_.y() + offset); }
