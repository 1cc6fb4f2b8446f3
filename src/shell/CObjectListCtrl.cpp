#include "shell/CObjectListCtrl.h"

#include "platform/CDialog.h"
#include "platform/selectedRows.h"
#include "platform/settingsStore.h"
#include "platform/sortedItems.h"
#include "platform/textCodec.h"
#include "resources/stringTable.h"
#include "shell/objectListModel.h"
#include "shell/objectListSelection.h"
#include "store/gtitledObject.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <algorithm>
#include <unordered_set>

namespace {

constexpr int nameColumn = objectListModel::nameColumn;
constexpr int tagColumn = objectListModel::tagColumn;

int mulDiv(int value, int numerator, int denominator)
{
    long long v = static_cast<long long>(value) * numerator;
    return static_cast<int>((v >= 0 ? v + denominator / 2 : v - denominator / 2) / denominator);
}

} // namespace

CObjectListCtrl::CObjectListCtrl(QWidget* parent)
    : QTreeView(parent),
      rows_(new objectListModel(toUiText(stringTableText(10144)), toUiText(stringTableText(10301)), this))
{
    setModel(rows_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setSectionsClickable(true);
    header()->setStretchLastSection(false);
    QObject::connect(header(), &QHeaderView::sectionClicked, this, [this](int column) {
        sortByTag_ = column == tagColumn;
        sort();
        ensureSelectionVisible();
    });
}

void CObjectListCtrl::setUpColumns()
{
    int width = this->width() - 2 * frameWidth();
    setColumnWidth(nameColumn, width * 3 / 4);
    setColumnWidth(tagColumn, width - width * 3 / 4);
}

int CObjectListCtrl::compareKeys(const QString& a, const QString& b) { return compareCollated(a, b); }

int CObjectListCtrl::rowCount() const { return rows_->count(); }

const QString& CObjectListCtrl::keyOf(const objectListRow& row) const { return sortByTag_ ? row.tag : row.name; }

std::vector<objectListRow> CObjectListCtrl::rowsOf(const std::vector<gtitledObject*>& objects) const
{
    std::vector<objectListRow> rows;
    rows.reserve(objects.size());
    for (gtitledObject* object : objects)
        rows.push_back(rows_->rowOf(object));
    return rows;
}

void CObjectListCtrl::setRowImages(std::vector<QIcon> icons, imageRule imageOf)
{
    rows_->setImages(std::move(icons), std::move(imageOf));
}

int CObjectListCtrl::rowImage(int index) const
{
    const objectListRow* row = rows_->rowAt(index);
    return row ? row->image : -1;
}

QIcon CObjectListCtrl::rowIcon(int index) const
{
    return rows_->data(rows_->index(index, nameColumn), Qt::DecorationRole).value<QIcon>();
}

void CObjectListCtrl::refreshRowImages()
{
    rows_->refreshWhere([](const objectListRow&) { return true; });
}

int CObjectListCtrl::insertObject(gtitledObject* object, bool select)
{
    objectListRow row = rows_->rowOf(object);
    int index = 0;
    if (select) {
        // The rows are sorted: the first row whose key is greater.
        const QString& key = keyOf(row);
        const std::vector<objectListRow>& rows = rows_->rows();
        auto after = std::upper_bound(rows.begin(), rows.end(), key, [this](const QString& k, const objectListRow& r) {
            return compareKeys(keyOf(r), k) > 0;
        });
        index = static_cast<int>(after - rows.begin());
    }
    std::vector<objectListRow> one;
    one.push_back(std::move(row));
    rows_->insert(index, std::move(one));
    if (select)
        selectRow(index);
    return index;
}

// Each row would have gone first, so the rows go in reverse: equal keys
// keep the order the one-by-one insertion gave them through the stable sort.
void CObjectListCtrl::insertObjects(const std::vector<gtitledObject*>& objects)
{
    rows_->insert(0, rowsOf(std::vector<gtitledObject*>(objects.rbegin(), objects.rend())));
}

void CObjectListCtrl::fillSorted(const std::vector<gtitledObject*>& objects)
{
    std::vector<objectListRow> rows = rowsOf(std::vector<gtitledObject*>(objects.rbegin(), objects.rend()));
    sortRows(rows);
    rows_->replace(std::move(rows));
}

void CObjectListCtrl::sort()
{
    keepSelection([this] { rows_->reorder([this](std::vector<objectListRow>& rows) { sortRows(rows); }); });
}

void CObjectListCtrl::clear() { rows_->replace({}); }

void CObjectListCtrl::sortRows(std::vector<objectListRow>& rows) const
{
    std::vector<listedItem> keyed;
    keyed.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        keyed.push_back({keyOf(rows[i]), QVariant::fromValue(i)});
    sortListedItems(keyed, listOrder::collated);
    std::vector<objectListRow> sorted;
    sorted.reserve(rows.size());
    for (const listedItem& k : keyed)
        sorted.push_back(std::move(rows[k.data.value<size_t>()]));
    rows = std::move(sorted);
}

void CObjectListCtrl::keepSelection(const std::function<void()>& change)
{
    std::vector<gtitledObject*> selected = selectedObjects();
    gtitledObject* current = objectAt(currentIndex().row());
    change();
    if (!selected.empty())
        selectObjects(*this, selected);
    int now = current ? indexOf(current) : -1;
    if (now >= 0)
        selectionModel()->setCurrentIndex(rows_->index(now, nameColumn), QItemSelectionModel::NoUpdate);
}

gtitledObject* CObjectListCtrl::objectAt(int index) const
{
    const objectListRow* row = rows_->rowAt(index);
    return row ? row->object : nullptr;
}

gstr CObjectListCtrl::nameAt(int index) const
{
    const objectListRow* row = rows_->rowAt(index);
    return row ? fromUiText(row->name) : gstr();
}

gstr CObjectListCtrl::tagAt(int index) const
{
    const objectListRow* row = rows_->rowAt(index);
    return row ? fromUiText(row->tag) : gstr();
}

int CObjectListCtrl::indexOf(const gtitledObject* object) const
{
    const std::vector<objectListRow>& rows = rows_->rows();
    auto it = std::find_if(rows.begin(), rows.end(), [object](const objectListRow& r) { return r.object == object; });
    return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

gtitledObject* CObjectListCtrl::getSelectedObject() const { return objectAt(getSelectedIndex()); }

int CObjectListCtrl::getSelectedIndex() const
{
    int first = -1;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        if (range.isValid() && (first < 0 || range.top() < first))
            first = range.top();
    }
    return first;
}

bool CObjectListCtrl::isRowSelected(int index) const { return selectionModel()->isRowSelected(index, QModelIndex()); }

std::vector<gtitledObject*> CObjectListCtrl::selectedObjects() const
{
    std::vector<int> rows = selectedRowsOf(*this);
    std::vector<gtitledObject*> objects;
    objects.reserve(rows.size());
    for (int row : rows)
        objects.push_back(objectAt(row));
    return objects;
}

void CObjectListCtrl::selectRow(int index)
{
    if (!rows_->rowAt(index))
        return;
    QModelIndex at = rows_->index(index, nameColumn);
    selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(at);
}

int CObjectListCtrl::deleteRow(int index, bool reselect)
{
    if (!rows_->rowAt(index))
        return 0;
    bool wasSelected = reselect && isRowSelected(index);
    rows_->remove(index);
    if (!wasSelected)
        return 0;
    if (rowCount() == 0)
        return 1;
    selectRow(std::min(index, rowCount() - 1));
    return 0;
}

int CObjectListCtrl::deleteObjectRow(const gtitledObject* object, bool reselect)
{
    int index = indexOf(object);
    return index < 0 ? 0 : deleteRow(index, reselect);
}

void CObjectListCtrl::deleteObjectRows(const std::vector<gtitledObject*>& objects)
{
    std::unordered_set<const gtitledObject*> going(objects.begin(), objects.end());
    keepSelection([&] { rows_->removeWhere([&going](const objectListRow& r) { return going.count(r.object) > 0; }); });
}

int CObjectListCtrl::updateRow(int index)
{
    gtitledObject* object = objectAt(index);
    if (!object)
        return index;
    rows_->refresh(index);
    if (sortByTag_)
        return index;
    sort();
    int now = indexOf(object);
    if (rows_->rowAt(now))
        scrollTo(rows_->index(now, nameColumn));
    return now;
}

void CObjectListCtrl::renameObjectRow(const gtitledObject* object)
{
    int index = indexOf(object);
    if (index >= 0)
        rows_->refresh(index);
}

void CObjectListCtrl::renameObjectRows(const std::vector<gtitledObject*>& objects)
{
    std::unordered_set<const gtitledObject*> renamed(objects.begin(), objects.end());
    rows_->refreshWhere([&renamed](const objectListRow& r) { return renamed.count(r.object) > 0; });
}

void CObjectListCtrl::ensureSelectionVisible()
{
    int index = getSelectedIndex();
    if (rows_->rowAt(index))
        scrollTo(rows_->index(index, nameColumn));
}

void CObjectListCtrl::restoreColumns(const gstrSlice& section, int currentScreenWidth, int savedScreenWidth)
{
    const char* names[2] = {"Column1", "Column2"};
    for (int column = 0; column < 2; ++column) {
        int width = profileInt(section, names[column], -1);
        if (width == -1)
            continue;
        if (currentScreenWidth != savedScreenWidth && savedScreenWidth != 0)
            width = mulDiv(width, currentScreenWidth, savedScreenWidth);
        setColumnWidth(column, width);
    }
    sortByTag_ = profileInt(section, "SortByTag", sortByTag_ ? 1 : 0) != 0;
}

void CObjectListCtrl::saveColumns(const gstrSlice& section) const
{
    writeProfileInt(section, "Column1", columnWidth(nameColumn));
    writeProfileInt(section, "Column2", columnWidth(tagColumn));
    writeProfileInt(section, "SortByTag", sortByTag_ ? 1 : 0);
}

// Del asks the window to delete, as its Delete button does.
void CObjectListCtrl::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
            if (auto* dialog = dynamic_cast<CDialog*>(w)) {
                dialog->sendCommand(1202);
                return;
            }
        }
    }
    QTreeView::keyPressEvent(event);
}

void CFittedListCtrl::attach(int clientWidth, int clientHeight)
{
    widthOffset_ = fittedWidthOffset(width() - clientWidth);
    heightOffset_ = fittedHeightOffset(height() - clientHeight);
}

void CFittedListCtrl::fitToParent(int clientWidth, int clientHeight)
{
    resize(clientWidth + widthOffset_, clientHeight + heightOffset_);
}
