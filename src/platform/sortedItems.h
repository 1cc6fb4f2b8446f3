#pragma once

#include <QString>
#include <QVariant>

#include <vector>

class QComboBox;
class QListWidget;
struct sharedItem;

// Lists of station objects are filled in one go: the items are gathered,
// sorted once and added together, never inserted one by one at their place,
// which costs a walk over the list for every object.
//
//   std::vector<listedItem> items;
//   ... items.push_back({text, data}) for every object ...
//   sortListedItems(items, listOrder::collated);
//   appendListedItems(combo, items);
struct listedItem {
    QString text;
    QVariant data;
};

enum class listOrder {
    caseless, // QString's case-insensitive comparison
    collated, // the user's collation, ignoring case
};

// Sorts by text; items with equal texts keep the order they were gathered
// in, as they would when each went after its equals.
void sortListedItems(std::vector<listedItem>& items, listOrder order);
void sortListedItems(std::vector<sharedItem>& items, listOrder order);

// The items go after the list's own, in the given order; the data is the
// item's user data (Qt::UserRole).
void appendListedItems(QComboBox& combo, const std::vector<listedItem>& items);
void appendListedItems(QListWidget& list, const std::vector<listedItem>& items);

// The user's collation, ignoring case: -1, 0 or 1.
int compareCollated(const QString& a, const QString& b);
