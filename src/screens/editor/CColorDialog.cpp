#include "screens/editor/CColorDialog.h"

#include "platform/systemColours.h"

#include <QColorDialog>
#include <QPushButton>

CColorDialog::CColorDialog(uint32_t color, QWidget* parent) : CDialog(templateNumber, parent)
{
    setWindowTitle(QStringLiteral("Color"));
    picker_ = new QColorDialog(colourFromRef(color), this);
    picker_->setWindowFlags(Qt::Widget);
    picker_->setOptions(QColorDialog::NoButtons | QColorDialog::DontUseNativeDialog);
    QSize size = picker_->sizeHint();
    picker_->setGeometry(0, 0, size.width(), size.height());
    int top = size.height() + 4;
    int width = dialogUnitsX(50);
    int height = dialogUnitsY(14);
    auto* ok = addButton(IDOK, "OK", 0, 0, 50, 14, true);
    auto* cancel = addButton(IDCANCEL, "Cancel", 0, 0, 50, 14);
    ok->setGeometry(size.width() - 2 * width - 12, top, width, height);
    cancel->setGeometry(size.width() - width - 6, top, width, height);
    resize(size.width(), top + height + 6);
}

uint32_t CColorDialog::getColor() const { return refFromColour(picker_->currentColor()); }

void CColorDialog::setColor(uint32_t color) { picker_->setCurrentColor(colourFromRef(color)); }
