#include "platform/sharedListModel.h"

#include <QComboBox>
#include <QListView>

CSharedListModel& CSharedListModel::install(QComboBox& combo)
{
    auto* model = new CSharedListModel;
    combo.setModel(model);
    model->setParent(&combo);
    // A list view measures every row after each reset unless told that
    // the rows are alike; a combo's rows are one line of text each.
    if (auto* list = qobject_cast<QListView*>(combo.view()))
        list->setUniformItemSizes(true);
    return *model;
}

CSharedListModel* CSharedListModel::of(const QComboBox& combo) { return dynamic_cast<CSharedListModel*>(combo.model()); }

void CSharedListModel::setLeading(std::vector<sharedItem> leading)
{
    beginResetModel();
    leading_ = std::move(leading);
    endResetModel();
}

void CSharedListModel::showAll(sharedItems items)
{
    beginResetModel();
    rows_.clear();
    items_ = std::move(items);
    all_ = true;
    endResetModel();
}

int CSharedListModel::sharedCount() const
{
    if (!all_)
        return static_cast<int>(rows_.size());
    return items_ ? static_cast<int>(items_->size()) : 0;
}

int CSharedListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(leading_.size()) + sharedCount();
}

const QString& CSharedListModel::rowText(int row) const
{
    int lead = static_cast<int>(leading_.size());
    if (row < lead)
        return leading_[static_cast<size_t>(row)].text;
    size_t at = static_cast<size_t>(row - lead);
    return (*items_)[all_ ? at : rows_[at].item].text;
}

void* CSharedListModel::rowData(int row) const
{
    int lead = static_cast<int>(leading_.size());
    if (row < 0 || row >= lead + sharedCount())
        return nullptr;
    if (row < lead)
        return leading_[static_cast<size_t>(row)].object;
    size_t at = static_cast<size_t>(row - lead);
    return all_ ? (*items_)[at].object : rows_[at].data;
}

int CSharedListModel::findData(const void* data) const
{
    int lead = static_cast<int>(leading_.size());
    for (int at = sharedCount() - 1; at >= 0; --at) {
        const size_t i = static_cast<size_t>(at);
        if ((all_ ? (*items_)[i].object : rows_[i].data) == data)
            return lead + at;
    }
    for (int at = lead - 1; at >= 0; --at) {
        if (leading_[static_cast<size_t>(at)].object == data)
            return at;
    }
    return -1;
}

QVariant CSharedListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() != 0 || index.row() >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return rowText(index.row());
    case Qt::UserRole: return QVariant::fromValue(rowData(index.row()));
    default: return {};
    }
}
