#include "platform/sortedItems.h"

#include "platform/sharedListModel.h"

#include <QCollator>
#include <QComboBox>
#include <QListWidget>
#include <QStandardItemModel>

#include <algorithm>
#include <cstdint>
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

// The C locale collates by the characters' codes: its order, ignoring
// case, is QString's case-insensitive one, which needs no key per text.
bool collatesByCodes()
{
    static const bool byCodes = userCollator().locale().language() == QLocale::C;
    return byCodes;
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

// QString's case-insensitive comparison, quicker where the texts are ASCII
// up to where they differ, as tags mostly are: equal characters are passed
// over without folding, and only from a first difference outside ASCII does
// it fold the whole texts.
int compareCaseless(QStringView a, QStringView b)
{
    qsizetype common = std::min(a.size(), b.size());
    const char16_t* p = a.utf16();
    const char16_t* q = b.utf16();
    for (qsizetype i = 0; i < common; ++i) {
        char16_t x = p[i];
        char16_t y = q[i];
        if (x == y)
            continue;
        if (x >= 0x80 || y >= 0x80)
            return QtPrivate::compareStrings(a, b, Qt::CaseInsensitive);
        x = x >= 'A' && x <= 'Z' ? char16_t(x + 32) : x;
        y = y >= 'A' && y <= 'Z' ? char16_t(y + 32) : y;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

// A text's first eight characters, folded, packed into one number whose
// order is theirs, so that most comparisons of a sort need not reach the
// texts themselves. Only ASCII without NUL packs (ordered); whole tells that
// the number holds all of the text.
struct caselessKey {
    uint64_t prefix = 0;
    uint32_t index = 0;
    bool ordered = true;
    bool whole = true;

    static caselessKey of(QStringView text, uint32_t index)
    {
        caselessKey key;
        key.index = index;
        key.whole = text.size() <= 8;
        for (qsizetype i = 0; i < 8; ++i) {
            char16_t c = i < text.size() ? text.utf16()[i] : 0;
            if (i < text.size() && (c == 0 || c >= 0x80))
                key.ordered = false;
            c = c >= 'A' && c <= 'Z' ? char16_t(c + 32) : c;
            key.prefix = (key.prefix << 8) | (c & 0xFF);
        }
        return key;
    }
};

} // namespace

int compareCollated(const QString& a, const QString& b)
{
    int r = collatesByCodes() ? compareCaseless(a, b) : userCollator().compare(a, b);
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

namespace {

template <class Item>
void sortByText(std::vector<Item>& items, listOrder order)
{
    if (order == listOrder::collated && !collatesByCodes()) {
        sortCollated(items);
        return;
    }
    std::vector<caselessKey> keys;
    keys.reserve(items.size());
    for (size_t i = 0; i < items.size(); ++i)
        keys.push_back(caselessKey::of(items[i].text, static_cast<uint32_t>(i)));
    std::stable_sort(keys.begin(), keys.end(), [&items](const caselessKey& a, const caselessKey& b) {
        if (a.ordered && b.ordered && (a.prefix != b.prefix || (a.whole && b.whole)))
            return a.prefix < b.prefix;
        return compareCaseless(items[a.index].text, items[b.index].text) < 0;
    });
    std::vector<Item> sorted;
    sorted.reserve(items.size());
    for (const caselessKey& key : keys)
        sorted.push_back(std::move(items[key.index]));
    items = std::move(sorted);
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
