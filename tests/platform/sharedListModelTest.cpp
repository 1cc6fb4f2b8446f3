#include "platform/sharedListModel.h"

#include <QComboBox>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int objects[4];

sharedItems fourItems()
{
    return std::make_shared<const std::vector<sharedItem>>(std::vector<sharedItem>{
        {QStringLiteral("a"), &objects[0]},
        {QStringLiteral("b"), &objects[1]},
        {QStringLiteral("c"), &objects[2]},
        {QStringLiteral("d"), &objects[3]},
    });
}

// What the combo shows: "text=object index" per row, "-" for null data.
std::vector<std::string> shown(const QComboBox& combo)
{
    std::vector<std::string> rows;
    for (int i = 0; i < combo.count(); ++i) {
        auto* data = static_cast<int*>(combo.itemData(i).value<void*>());
        rows.push_back(combo.itemText(i).toStdString() + "=" + (data ? std::to_string(data - objects) : "-"));
    }
    return rows;
}

TEST(sharedListModel, LeadingItemsStayFirstThroughRefillsAndRowsKeepTheirOwnData)
{
    QComboBox combo;
    CSharedListModel& model = CSharedListModel::install(combo);
    model.setLeading({{QStringLiteral("none"), nullptr}});
    EXPECT_EQ(shown(combo), (std::vector<std::string>{"none=-"}));

    sharedItems items = fourItems();
    model.showAll(items);
    EXPECT_EQ(shown(combo), (std::vector<std::string>{"none=-", "a=0", "b=1", "c=2", "d=3"}));
    EXPECT_EQ(model.findData(&objects[2]), 3);
    EXPECT_EQ(model.findData(nullptr), 0);

    // Every other item, each with the next object as its data.
    model.showPicked(items, [](void* object) -> void* {
        int at = static_cast<int*>(object) - objects;
        return at % 2 ? nullptr : &objects[at + 1];
    });
    EXPECT_EQ(shown(combo), (std::vector<std::string>{"none=-", "a=1", "c=3"}));
    EXPECT_EQ(model.findData(&objects[3]), 2);
    EXPECT_EQ(model.findData(&objects[0]), -1);
    EXPECT_EQ(model.rowData(2), &objects[3]);
    EXPECT_EQ(model.rowData(3), nullptr);
    EXPECT_EQ(model.rowData(-1), nullptr);

    model.showAll(nullptr);
    EXPECT_EQ(shown(combo), (std::vector<std::string>{"none=-"}));
    EXPECT_EQ(CSharedListModel::of(combo), &model);
}

// With equal data the last row is found, as a search from the end finds it.
TEST(sharedListModel, FindingDataGivesTheLastRowThatHasIt)
{
    QComboBox combo;
    CSharedListModel& model = CSharedListModel::install(combo);
    model.setLeading({{QStringLiteral("x"), &objects[1]}});
    model.showPicked(fourItems(), [](void*) -> void* { return &objects[1]; });
    EXPECT_EQ(model.findData(&objects[1]), 4);
    EXPECT_EQ(CSharedListModel::of(QComboBox()), nullptr);
}

} // namespace
