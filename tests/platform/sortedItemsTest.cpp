#include "platform/sortedItems.h"

#include "platform/sharedListModel.h"

#include <QComboBox>
#include <QListWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What inserting one item at a time after its equals gives: the order the
// lists of station objects have always had.
std::vector<listedItem> insertedOneByOne(const std::vector<listedItem>& items, listOrder order)
{
    std::vector<listedItem> list;
    for (const listedItem& item : items) {
        size_t at = 0;
        while (at < list.size() &&
               (order == listOrder::caseless ? QString::compare(list[at].text, item.text, Qt::CaseInsensitive)
                                             : compareCollated(list[at].text, item.text)) <= 0)
            ++at;
        list.insert(list.begin() + static_cast<long>(at), item);
    }
    return list;
}

std::vector<int> tagsOf(const std::vector<listedItem>& items)
{
    std::vector<int> tags;
    for (const listedItem& item : items)
        tags.push_back(item.data.toInt());
    return tags;
}

std::vector<listedItem> sample()
{
    // Punctuation between the two cases of the letters, prefixes of one
    // another, texts that differ only past a common ASCII start, texts that
    // share their first eight characters, and texts that differ from ASCII
    // ones only by a character that folds to ASCII (the Kelvin sign, the
    // long s) or by one that does not, at the start or further on.
    const char* texts[] = {"pump", "Valve 2", "PUMP", "alarm", "valve 10", "", "Pump", "b", "A", "valve 2", "Ä",
                           "A_", "a[", "AZ", "a`", "pump1", "VALVEÉ 3", "valveé 1", "äa", "Äb", "valve",
                           "Pressure high", "PRESSURE", "pressure low", "pressures", "Pressure", "\u212Aey", "key",
                           "kEZ", "ſa", "pumpſ", "pumps", "pumpÄ", "[x", "pressureſ", "PRESSUREK", "pressure\u212A"};
    std::vector<listedItem> items;
    for (const char* text : texts)
        items.push_back({QString::fromUtf8(text), QVariant(static_cast<int>(items.size()))});
    return items;
}

TEST(sortedItems, SortingOnceGivesTheOrderOfInsertingOneByOne)
{
    for (listOrder order : {listOrder::caseless, listOrder::collated}) {
        SCOPED_TRACE(order == listOrder::caseless ? "caseless" : "collated");
        std::vector<listedItem> items = sample();
        std::vector<listedItem> expected = insertedOneByOne(items, order);
        // Shared items sort as listed ones do; their object is the tag.
        std::vector<sharedItem> shared;
        for (const listedItem& item : items)
            shared.push_back({item.text, reinterpret_cast<void*>(static_cast<intptr_t>(item.data.toInt()))});
        sortListedItems(items, order);
        EXPECT_EQ(tagsOf(items), tagsOf(expected));
        sortListedItems(shared, order);
        std::vector<int> sharedTags;
        for (const sharedItem& item : shared)
            sharedTags.push_back(static_cast<int>(reinterpret_cast<intptr_t>(item.object)));
        EXPECT_EQ(sharedTags, tagsOf(expected));
    }
}

TEST(sortedItems, AppendedItemsFollowTheBoxesOwnWithTheirData)
{
    std::vector<listedItem> items = sample();
    sortListedItems(items, listOrder::caseless);
    QComboBox combo;
    combo.addItem("(none)", QVariant(-1));
    appendListedItems(combo, items);
    QListWidget list;
    appendListedItems(list, items);
    ASSERT_EQ(combo.count(), static_cast<int>(items.size()) + 1);
    ASSERT_EQ(list.count(), static_cast<int>(items.size()));
    EXPECT_EQ(combo.itemText(0), "(none)");
    for (size_t i = 0; i < items.size(); ++i) {
        int row = static_cast<int>(i);
        EXPECT_EQ(combo.itemText(row + 1), items[i].text);
        EXPECT_EQ(combo.itemData(row + 1).toInt(), items[i].data.toInt());
        EXPECT_EQ(list.item(row)->text(), items[i].text);
        EXPECT_EQ(list.item(row)->data(Qt::UserRole).toInt(), items[i].data.toInt());
    }
}

} // namespace
