#include "shell/objectListModel.h"

#include "platform/textCodec.h"
#include "store/gtitledObject.h"

#include <algorithm>

objectListModel::objectListModel(QString nameHeading, QString tagHeading, QObject* parent)
    : QAbstractTableModel(parent), headings_{std::move(nameHeading), std::move(tagHeading)}
{
}

int objectListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count(); }

int objectListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant objectListModel::data(const QModelIndex& index, int role) const
{
    const objectListRow* row = rowAt(index.row());
    if (!row || index.column() < 0 || index.column() > tagColumn)
        return {};
    if (role == Qt::DisplayRole)
        return index.column() == nameColumn ? row->name : row->tag;
    if (role == Qt::DecorationRole && index.column() == nameColumn && row->image >= 0 &&
        row->image < static_cast<int>(icons_.size()))
        return icons_[static_cast<size_t>(row->image)];
    return {};
}

QVariant objectListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > tagColumn)
        return {};
    return headings_[section];
}

Qt::ItemFlags objectListModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
}

const objectListRow* objectListModel::rowAt(int row) const
{
    return row >= 0 && row < count() ? &rows_[static_cast<size_t>(row)] : nullptr;
}

void objectListModel::setImages(std::vector<QIcon> icons, imageRule imageOf)
{
    icons_ = std::move(icons);
    imageOf_ = std::move(imageOf);
}

// An object without a title shows its tag as its name: both columns share
// one text.
objectListRow objectListModel::rowOf(gtitledObject* object) const
{
    objectListRow row{object, {}, toUiText(object->getTag()), imageOf_ ? imageOf_(*object) : -1};
    row.name = object->hasTitle() ? toUiText(object->getTitle(true)) : row.tag;
    return row;
}

void objectListModel::insert(int at, std::vector<objectListRow> rows)
{
    if (rows.empty())
        return;
    at = std::clamp(at, 0, count());
    beginInsertRows(QModelIndex(), at, at + static_cast<int>(rows.size()) - 1);
    rows_.insert(rows_.begin() + at, std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    endInsertRows();
}

void objectListModel::remove(int row)
{
    if (!rowAt(row))
        return;
    beginRemoveRows(QModelIndex(), row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

// One reset rather than a removal per row: each removal would move the rows
// after it and the selection's ranges.
void objectListModel::removeWhere(const std::function<bool(const objectListRow&)>& going)
{
    auto first = std::find_if(rows_.begin(), rows_.end(), going);
    if (first == rows_.end())
        return;
    beginResetModel();
    rows_.erase(std::remove_if(first, rows_.end(), going), rows_.end());
    endResetModel();
}

void objectListModel::replace(std::vector<objectListRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void objectListModel::reorder(const std::function<void(std::vector<objectListRow>&)>& arrange)
{
    beginResetModel();
    arrange(rows_);
    endResetModel();
}

void objectListModel::retake(objectListRow& shown) const
{
    objectListRow now = rowOf(shown.object);
    shown.name = std::move(now.name);
    shown.image = now.image;
}

void objectListModel::refresh(int row)
{
    if (!rowAt(row))
        return;
    retake(rows_[static_cast<size_t>(row)]);
    emit dataChanged(index(row, nameColumn), index(row, nameColumn));
}

void objectListModel::refreshWhere(const std::function<bool(const objectListRow&)>& which)
{
    int first = -1;
    int last = -1;
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (!which(rows_[i]))
            continue;
        retake(rows_[i]);
        first = first < 0 ? static_cast<int>(i) : first;
        last = static_cast<int>(i);
    }
    if (first >= 0)
        emit dataChanged(index(first, nameColumn), index(last, nameColumn));
}
