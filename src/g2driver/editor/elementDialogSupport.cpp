#include "g2driver/editor/elementDialogSupport.h"

#include "foundation/jhashIterator.h"
#include "g2driver/model/g2driverResponseValue.h"
#include "legacy/ui/objectItems.h"
#include "platform/CDialog.h"

#include <QComboBox>

#include <algorithm>
#include <vector>

void fitAroundChildren(CDialog& dialog, std::initializer_list<int> buttonColumn, int margin)
{
    std::vector<QWidget*> buttons;
    for (int id : buttonColumn) {
        if (QWidget* button = dialog.control(id))
            buttons.push_back(button);
    }
    int right = 0;
    int bottom = 0;
    for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isHidden() || std::find(buttons.begin(), buttons.end(), child) != buttons.end())
            continue;
        right = std::max(right, child->geometry().right());
        bottom = std::max(bottom, child->geometry().bottom());
    }
    int column = right + margin;
    for (QWidget* button : buttons) {
        button->move(std::max(button->x(), column), button->y());
        right = std::max(right, button->geometry().right());
        bottom = std::max(bottom, button->geometry().bottom());
    }
    dialog.resize(std::max(dialog.width(), right + margin), std::max(dialog.height(), bottom + margin));
}

bool fillNumericalValues(QComboBox& combo, jhashTypedDatabaseTable<g2driverResponseValue>& values,
                         const g2driverResponseValue* chosen)
{
    jhashTypedIterator<g2driverResponseValue> it(values);
    g2driverResponseValue* value = nullptr;
    while (it.get(value)) {
        if (value->getKind() == g2driverResponseValue::numerical)
            insertSortedItem(combo, value->getName(), value);
    }
    int at = chosen ? findItemObject(combo, chosen) : -1;
    combo.setCurrentIndex(at >= 0 ? at : (combo.count() > 0 ? 0 : -1));
    return combo.count() > 0;
}
