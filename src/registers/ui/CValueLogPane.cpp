#include "registers/ui/CValueLogPane.h"

CValueLogPane::CValueLogPane(int templateId, CRegisterDialog& registerDialog)
    : CDialog(templateId, nullptr), registerDialog_(registerDialog)
{
}

void CValueLogPane::becomeChildOf(QWidget* parent)
{
    setParent(parent, Qt::Widget);
    setDialogSize(306, 245);
}
