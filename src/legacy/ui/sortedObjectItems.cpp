#include "legacy/ui/sortedObjectItems.h"

#include "platform/textCodec.h"

void sortedObjectItems::add(const gstrSlice& text, void* object)
{
    items_.push_back({toUiText(text), QVariant::fromValue(reinterpret_cast<quintptr>(object))});
}

void sortedObjectItems::appendTo(QComboBox& combo)
{
    sortListedItems(items_, listOrder::collated);
    appendListedItems(combo, items_);
    items_.clear();
}

void sortedObjectItems::appendTo(QListWidget& list)
{
    sortListedItems(items_, listOrder::collated);
    appendListedItems(list, items_);
    items_.clear();
}
