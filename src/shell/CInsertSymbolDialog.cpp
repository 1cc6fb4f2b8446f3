#include "shell/CInsertSymbolDialog.h"

#include <QPushButton>

CInsertSymbolDialog::CInsertSymbolDialog(QWidget* parent) : CDialog(563, parent)
{
    setWindowTitle("Insert Symbol");
    setDialogSize(310, 81);
    for (int k = 0; k <= lastButtonId - firstButtonId; ++k) {
        char symbol = static_cast<char>(0xA1 + k);
        int id = firstButtonId + k;
        auto* button = addButton(id, "", 3 + (k % 19) * 16, 3 + (k / 19) * 15, 16, 15);
        button->setAutoDefault(false);
        setControlText(id, gstrSlice(&symbol, 1));
        onCommand(id, [this, k] { EndDialog(0xA1 + k); });
    }
}

CInsertSymbolDialog::~CInsertSymbolDialog() = default;

bool CInsertSymbolDialog::OnInitDialog()
{
    symbolFont_ = std::make_unique<QFont>(font());
    if (symbolFont_->pixelSize() > 0)
        symbolFont_->setPixelSize(symbolFontSize(symbolFont_->pixelSize()));
    else
        symbolFont_->setPointSize(symbolFontSize(symbolFont_->pointSize()));
    for (auto* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setFont(*symbolFont_);
    return true;
}
