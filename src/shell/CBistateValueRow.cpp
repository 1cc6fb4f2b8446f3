#include "shell/CBistateValueRow.h"

#include "g2driver/model/g2driverParameter.h"
#include "g2driver/model/g2driverParameterValue.h"

#include <QComboBox>

namespace {

enum entry { none, off, on };

} // namespace

CBistateValueRow::CBistateValueRow(const g2driverParameter* item) : CValueRowDialog(templateId, item), combo_(new QComboBox)
{
    combo_->addItems({QString(), QStringLiteral("Off"), QStringLiteral("On")});
}

// A row that was never created still owns its combo.
CBistateValueRow::~CBistateValueRow()
{
    if (!combo_->parent())
        delete combo_;
}

bool CBistateValueRow::createRow(QWidget* panel, QWidget*& previousRow, QPoint& position, int labelWidth, int rowWidth)
{
    if (!createRowFrom(panel, previousRow, position, labelWidth, rowWidth, combo_, false))
        return false;
    combo_->setCurrentIndex(none);
    return true;
}

bool CBistateValueRow::buildValue(std::unique_ptr<g2driverParameterValue>& out, bool)
{
    int chosen = combo_->currentIndex();
    if (chosen != off && chosen != on) {
        out.reset();
        return true;
    }
    out = std::make_unique<g2driverParameterValue>();
    out->setName(item().getName());
    out->setBistate(chosen == on);
    out->setDefined(1);
    return true;
}

void CBistateValueRow::showValue(const g2driverParameterValue& value)
{
    combo_->setCurrentIndex(value.getNumber() != 0 ? on : off);
}
