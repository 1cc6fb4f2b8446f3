#pragma once

#include <QAbstractListModel>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class QComboBox;

// An item of a long list of station objects: its text and its object.
struct sharedItem {
    QString text;
    void* object;
};

// Items made and sorted once, shown by every list that lists them.
using sharedItems = std::shared_ptr<const std::vector<sharedItem>>;

// The model of a list that shows shared items: it keeps only what is its own
// for each row (nothing when a row's data is the item's object, else the
// item's place and the row's data), so that a refill of a long list makes
// nothing on the heap per row. Items of the list's own (leading) come first
// and stay across refills. The text is a row's display text, its data its
// user data (Qt::UserRole), as a combo's own items have them.
//
//   CSharedListModel& model = CSharedListModel::install(combo);
//   model.setLeading({{QStringLiteral("<none>"), nullptr}});
//   model.showAll(items);                                   // data: objects
//   model.showPicked(items, [](void* o) { return part(o); }); // null: no row
class CSharedListModel final : public QAbstractListModel {
public:
    // The combo lists through a new model of this kind, which it owns; its
    // list lays out rows of one height rather than measuring each.
    static CSharedListModel& install(QComboBox& combo);
    // The combo's model when it is one of these, else null.
    static CSharedListModel* of(const QComboBox& combo);

    void setLeading(std::vector<sharedItem> leading);
    // The leading items and every shared item, its data its object.
    void showAll(sharedItems items);
    // The leading items and the shared items pick gives data for (in their
    // order), with that data.
    template <class Pick>
    void showPicked(sharedItems items, Pick pick)
    {
        beginResetModel();
        rows_.clear();
        for (size_t i = 0; items && i < items->size(); ++i) {
            if (void* data = pick((*items)[i].object))
                rows_.push_back({static_cast<uint32_t>(i), data});
        }
        items_ = std::move(items);
        all_ = false;
        endResetModel();
    }

    // A row's data; null out of range.
    void* rowData(int row) const;
    // The last row whose data is data; -1.
    int findData(const void* data) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    struct pickedRow {
        uint32_t item;
        void* data;
    };

    int sharedCount() const;
    const QString& rowText(int row) const;

    std::vector<sharedItem> leading_;
    sharedItems items_;
    // With all_ every shared item is a row, and rows_ is unused.
    std::vector<pickedRow> rows_;
    bool all_ = true;
};
