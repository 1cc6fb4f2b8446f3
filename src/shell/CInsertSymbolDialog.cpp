#include "shell/CInsertSymbolDialog.h"

#include "platform/textRoom.h"

#include <QPushButton>

namespace {

constexpr int columns = 19;
constexpr int margin = 3;

} // namespace

CInsertSymbolDialog::CInsertSymbolDialog(QWidget* parent) : CDialog(563, parent)
{
    setWindowTitle("Insert Symbol");
    setDialogSize(310, 81);
    for (int k = 0; k <= lastButtonId - firstButtonId; ++k) {
        char symbol = static_cast<char>(0xA1 + k);
        int id = firstButtonId + k;
        auto* button = addButton(id, "", margin + (k % columns) * 16, margin + (k / columns) * 15, 16, 15);
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
    // In the larger font the symbols may need larger cells: the grid grows
    // as a whole, every cell as large as the largest symbol needs.
    QSize cell(dialogUnitsX(16), dialogUnitsY(15));
    for (int id = firstButtonId; id <= lastButtonId; ++id)
        cell = cell.expandedTo(textRoom(*control(id)));
    QPoint corner(dialogUnitsX(margin), dialogUnitsY(margin));
    for (int k = 0; k <= lastButtonId - firstButtonId; ++k)
        control(firstButtonId + k)
            ->setGeometry(QRect(corner + QPoint(k % columns * cell.width(), k / columns * cell.height()), cell));
    int rows = (lastButtonId - firstButtonId) / columns + 1;
    resize(2 * corner.x() + columns * cell.width(), 2 * corner.y() + rows * cell.height());
    return true;
}
