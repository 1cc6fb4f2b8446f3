#include "platform/sortedItems.h"

#include "platform/sharedListModel.h"

#include <QCollator>
#include <QComboBox>
#include <QListWidget>
#include <QStandardItemModel>

#include <algorithm>
#include <numeric>

namespace {

const QCollator& userCollator()
{
    static const QCollator collator = [] {
        QCollator c(QLocale::system());
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

// Sorts by the collation keys, made once for each item. The keys are made
// from the case-folded text: not every collation backend honours the case
// insensitivity in its keys (the C locale's does not), only in compare().
template <class Item>
void sortCollated(std::vector<Item>& items)
{
    std::vector<QCollatorSortKey> keys;
    keys.reserve(items.size());
    for (const Item& item : items)
        keys.push_back(userCollator().sortKey(item.text.toCaseFolded()));
    std::vector<size_t> order(items.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return keys[a].compare(keys[b]) < 0; });
    std::vector<Item> sorted;
    sorted.reserve(items.size());
    for (size_t i : order)
        sorted.push_back(std::move(items[i]));
    items = std::move(sorted);
}

} // namespace

int compareCollated(const QString& a, const QString& b)
{
    int r = userCollator().compare(a, b);
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

namespace {

// QString's case-insensitive comparison, whose folding of every character
// is most of the cost of sorting a long list. Names are mostly ASCII: as
// long as both texts are, folding is lowering A to Z; from the first other
// character (which may fold to ASCII, as the Kelvin sign does) QString
// compares the whole texts.
int compareCaseless(const QString& a, const QString& b)
{
    const qsizetype common = std::min(a.size(), b.size());
    const QChar* p = a.constData();
    const QChar* q = b.constData();
    for (qsizetype i = 0; i < common; ++i) {
        char16_t x = p[i].unicode();
        char16_t y = q[i].unicode();
        if (x >= 0x80 || y >= 0x80)
            return QString::compare(a, b, Qt::CaseInsensitive);
        x = x >= 'A' && x <= 'Z' ? char16_t(x + ('a' - 'A')) : x;
        y = y >= 'A' && y <= 'Z' ? char16_t(y + ('a' - 'A')) : y;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

template <class Item>
void sortByText(std::vector<Item>& items, listOrder order)
{
    if (order == listOrder::collated) {
        sortCollated(items);
        return;
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const Item& a, const Item& b) { return compareCaseless(a.text, b.text) < 0; });
}

} // namespace

void sortListedItems(std::vector<listedItem>& items, listOrder order) { sortByText(items, order); }

void sortListedItems(std::vector<sharedItem>& items, listOrder order) { sortByText(items, order); }

void appendListedItems(QComboBox& combo, const std::vector<listedItem>& items)
{
    auto* model = qobject_cast<QStandardItemModel*>(combo.model());
    if (!model || combo.modelColumn() != 0) {
        for (const listedItem& item : items)
            combo.addItem(item.text, item.data);
        return;
    }
    QList<QStandardItem*> rows;
    rows.reserve(static_cast<qsizetype>(items.size()));
    for (const listedItem& item : items) {
        auto* row = new QStandardItem(item.text);
        row->setData(item.data, Qt::UserRole);
        rows.append(row);
    }
    model->invisibleRootItem()->appendRows(rows);
}

void appendListedItems(QListWidget& list, const std::vector<listedItem>& items)
{
    for (const listedItem& item : items) {
        auto* row = new QListWidgetItem(item.text);
        row->setData(Qt::UserRole, item.data);
        list.addItem(row);
    }
}
