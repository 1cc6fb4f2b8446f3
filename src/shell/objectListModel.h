#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QString>

#include <functional>
#include <vector>

class gtitledObject;

// One row of an object list: the object it shows (never owned), the texts
// of its two columns as they were last taken from it, and its picture.
struct objectListRow {
    gtitledObject* object = nullptr;
    QString name;
    QString tag;
    int image = -1;
};

// The rows of an object list, held in one vector: a list of a hundred
// thousand objects costs one small record per row, not a heap item per
// cell. Columns: the name, then the tag.
class objectListModel : public QAbstractTableModel {
public:
    static constexpr int nameColumn = 0;
    static constexpr int tagColumn = 1;

    objectListModel(QString nameHeading, QString tagHeading, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int count() const { return static_cast<int>(rows_.size()); }
    // Null outside the rows.
    const objectListRow* rowAt(int row) const;
    const std::vector<objectListRow>& rows() const { return rows_; }

    // The picture of each row: icons[imageOf(object)], none outside them.
    using imageRule = std::function<int(const gtitledObject&)>;
    void setImages(std::vector<QIcon> icons, imageRule imageOf);
    // A row of the object with its texts and picture as they are now.
    objectListRow rowOf(gtitledObject* object) const;

    void insert(int at, std::vector<objectListRow> rows);
    void remove(int row);
    // The rows for which going answers true leave in one change.
    void removeWhere(const std::function<bool(const objectListRow&)>& going);
    void replace(std::vector<objectListRow> rows);
    // arrange puts the rows in a new order, in one change.
    void reorder(const std::function<void(std::vector<objectListRow>&)>& arrange);
    // Takes the name and the picture from the row's object again.
    void refresh(int row);
    // The same for every row for which which answers true, in one change.
    void refreshWhere(const std::function<bool(const objectListRow&)>& which);

private:
    // The row's name and picture as its object has them now.
    void retake(objectListRow& shown) const;

    std::vector<objectListRow> rows_;
    QString headings_[2];
    std::vector<QIcon> icons_;
    imageRule imageOf_;
};
