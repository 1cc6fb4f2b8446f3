#include "shell/CValueRowDialog.h"

#include "g2driver/model/g2driverParameter.h"
#include "g2driver/model/g2driverParameterValue.h"
#include "platform/textCodec.h"

#include <QLabel>
#include <algorithm>

namespace {

constexpr valueRowTemplate templates[] = {
    {759, 94, 18, QRect(2, 4, 33, 8), QRect(39, 2, 53, 14)},
    {762, 94, 18, QRect(2, 4, 33, 8), QRect(39, 2, 53, 14)},
    {868, 94, 18, QRect(2, 4, 33, 8), QRect(39, 2, 53, 14)},
    {782, 64, 18, QRect(2, 4, 3, 8), QRect(9, 2, 53, 14)},
    {783, 145, 18, QRect(2, 4, 3, 8), QRect(9, 2, 134, 14)},
};

// A label that grows does so by 20 pixels at least.
constexpr int leastShift = 20;

bool sameItem(const g2driverParameter& item, const g2driverParameterValue& value)
{
    return value.getKind() == item.getKind() && value.getName() == item.getName();
}

} // namespace

const valueRowTemplate* valueRowTemplate::find(int templateId)
{
    for (const valueRowTemplate& t : templates) {
        if (t.id == templateId)
            return &t;
    }
    return nullptr;
}

CRowDialogBase::CRowDialogBase(int templateId, const g2driverParameter* item)
    : CDialog(templateId, nullptr), template_(valueRowTemplate::find(templateId)), item_(item)
{
}

int CRowDialogBase::buildRow(QWidget* panel, int labelWidth)
{
    setParent(panel, Qt::Widget);
    setDialogSize(template_->cx, template_->cy);
    const QRect& l = template_->label;
    auto* placeholder = new QLabel;
    placeControl(valueRowTemplate::labelId, placeholder, l.x(), l.y(), l.width(), l.height());
    QRect labelPlace = placeholder->geometry();
    int shift = labelPlace.left() + labelWidth - (labelPlace.right() + 1);
    if (shift < 0)
        shift = 0;
    else if (shift > 0 && shift < leastShift)
        shift = leastShift;
    label_ = new QLabel(this);
    label_->setTextFormat(Qt::PlainText);
    label_->setGeometry(labelPlace.left(), labelPlace.top(), std::max(labelWidth, 0), labelPlace.height());
    gstr text(item_->getName());
    text.append(':');
    label_->setText(toUiText(text));
    return shift;
}

QSize CRowDialogBase::templateSize() const
{
    return template_ ? dialogUnits(0, 0, template_->cx, template_->cy).size() : QSize();
}

QRect CRowDialogBase::valuePlace() const
{
    const QRect& v = template_->value;
    return dialogUnits(v.x(), v.y(), v.width(), v.height());
}

void CRowDialogBase::placeRow(QWidget*& previousRow, QPoint& position, int width)
{
    setGeometry(position.x(), position.y(), width, height());
    if (previousRow)
        stackUnder(previousRow);
    show();
    position.ry() += height();
    previousRow = this;
}

bool CValueRowDialog::setStringHexMode(bool) { return true; }

void CValueRowDialog::setNumberHexMode(bool) {}

bool CValueRowDialog::updateIfSameItem(const g2driverParameterValue& value)
{
    if (!sameItem(item(), value))
        return false;
    showValue(value);
    return true;
}

bool CValueRowDialog::createRowFrom(QWidget* panel, QWidget*& previousRow, QPoint& position, int labelWidth,
                                    int rowWidth, QWidget* valueControl, bool resizeValue, int* valueWidth)
{
    if (!template_)
        return false;
    int shift = buildRow(panel, labelWidth);
    int extra = rowWidth - width();
    if (extra < shift)
        shift = extra;
    QRect place = valuePlace();
    int widthForValue = place.width() + extra - shift;
    if (valueWidth)
        *valueWidth = widthForValue;
    placeRow(previousRow, position, rowWidth);
    place.translate(shift, 0);
    if (resizeValue)
        place.setWidth(widthForValue);
    placeControlAt(valueRowTemplate::valueId, valueControl, place);
    return true;
}

bool CParameterRowDialog::setStringHexMode(bool) { return true; }

bool CParameterRowDialog::updateIfSameItem(const g2driverParameterValue& value)
{
    if (!sameItem(item(), value))
        return false;
    showValue(value);
    return true;
}

bool CParameterRowDialog::createRowFrom(QWidget* panel, QWidget*& previousRow, QPoint& position, int labelWidth,
                                        int& widestRow, QWidget* valueControl)
{
    if (!template_)
        return false;
    int shift = buildRow(panel, labelWidth);
    placeControlAt(valueRowTemplate::valueId, valueControl, valuePlace());
    int rowWidth = width() + shift;
    placeRow(previousRow, position, rowWidth);
    valueControl->move(valueControl->x() + shift, valueControl->y());
    widestRow = std::max(widestRow, rowWidth);
    return true;
}
