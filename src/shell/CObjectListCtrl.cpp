#include "shell/CObjectListCtrl.h"

#include "platform/CDialog.h"
#include "platform/settingsStore.h"
#include "platform/sortedItems.h"
#include "platform/textCodec.h"
#include "resources/stringTable.h"
#include "store/gtitledObject.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>

namespace {

constexpr int nameColumn = 0;
constexpr int tagColumn = 1;
constexpr int objectRole = Qt::UserRole;

int mulDiv(int value, int numerator, int denominator)
{
    long long v = static_cast<long long>(value) * numerator;
    return static_cast<int>((v >= 0 ? v + denominator / 2 : v - denominator / 2) / denominator);
}

} // namespace

CObjectListCtrl::CObjectListCtrl(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(2);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHeaderLabels({toUiText(stringTableText(10144)), toUiText(stringTableText(10301))});
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

QString CObjectListCtrl::keyOf(const QTreeWidgetItem* item) const
{
    return item->text(sortByTag_ ? tagColumn : nameColumn);
}

QTreeWidgetItem* CObjectListCtrl::rowOf(gtitledObject* object) const
{
    auto* item = new QTreeWidgetItem(QStringList{toUiText(object->getTitle(true)), toUiText(object->getTag())});
    item->setData(nameColumn, objectRole, QVariant::fromValue(reinterpret_cast<quintptr>(object)));
    if (decorate_)
        decorate_(*item, *object);
    return item;
}

int CObjectListCtrl::insertObject(gtitledObject* object, bool select)
{
    QTreeWidgetItem* item = rowOf(object);
    int index = 0;
    if (select) {
        // The rows are sorted: the first row whose key is greater.
        QString key = keyOf(item);
        int low = 0;
        int high = rowCount();
        while (low < high) {
            int middle = low + (high - low) / 2;
            if (compareKeys(keyOf(topLevelItem(middle)), key) > 0)
                high = middle;
            else
                low = middle + 1;
        }
        index = low;
    }
    insertTopLevelItem(index, item);
    if (select)
        selectRow(index);
    return index;
}

// Each row would have gone first, so the rows go in reverse: equal keys
// keep the order the one-by-one insertion gave them through the stable sort.
void CObjectListCtrl::insertObjects(const std::vector<gtitledObject*>& objects)
{
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(objects.size()));
    for (auto it = objects.rbegin(); it != objects.rend(); ++it)
        rows.append(rowOf(*it));
    insertTopLevelItems(0, rows);
}

void CObjectListCtrl::fillSorted(const std::vector<gtitledObject*>& objects)
{
    clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(objects.size()));
    for (auto it = objects.rbegin(); it != objects.rend(); ++it)
        rows.append(rowOf(*it));
    sortRows(rows);
    addTopLevelItems(rows);
}

void CObjectListCtrl::sort()
{
    QList<QTreeWidgetItem*> rows = invisibleRootItem()->takeChildren();
    sortRows(rows);
    addTopLevelItems(rows);
}

void CObjectListCtrl::sortRows(QList<QTreeWidgetItem*>& rows) const
{
    std::vector<listedItem> keyed;
    keyed.reserve(static_cast<size_t>(rows.size()));
    for (qsizetype i = 0; i < rows.size(); ++i)
        keyed.push_back({keyOf(rows[i]), QVariant::fromValue(i)});
    sortListedItems(keyed, listOrder::collated);
    QList<QTreeWidgetItem*> sorted;
    sorted.reserve(rows.size());
    for (const listedItem& k : keyed)
        sorted.append(rows[k.data.value<qsizetype>()]);
    rows = std::move(sorted);
}

gtitledObject* CObjectListCtrl::objectAt(int index) const
{
    const QTreeWidgetItem* item = topLevelItem(index);
    return item ? reinterpret_cast<gtitledObject*>(item->data(nameColumn, objectRole).value<quintptr>()) : nullptr;
}

gstr CObjectListCtrl::nameAt(int index) const
{
    const QTreeWidgetItem* item = topLevelItem(index);
    return item ? fromUiText(item->text(nameColumn)) : gstr();
}

gstr CObjectListCtrl::tagAt(int index) const
{
    const QTreeWidgetItem* item = topLevelItem(index);
    return item ? fromUiText(item->text(tagColumn)) : gstr();
}

int CObjectListCtrl::indexOf(const gtitledObject* object) const
{
    for (int i = 0; i < rowCount(); ++i) {
        if (objectAt(i) == object)
            return i;
    }
    return -1;
}

gtitledObject* CObjectListCtrl::getSelectedObject() const { return objectAt(getSelectedIndex()); }

int CObjectListCtrl::getSelectedIndex() const
{
    for (int i = 0; i < rowCount(); ++i) {
        if (topLevelItem(i)->isSelected())
            return i;
    }
    return -1;
}

void CObjectListCtrl::selectRow(int index)
{
    QTreeWidgetItem* item = topLevelItem(index);
    if (!item)
        return;
    clearSelection();
    setCurrentItem(item);
    item->setSelected(true);
    scrollToItem(item);
}

int CObjectListCtrl::deleteRow(int index, bool reselect)
{
    QTreeWidgetItem* item = topLevelItem(index);
    if (!item)
        return 0;
    bool wasSelected = reselect && item->isSelected();
    delete takeTopLevelItem(index);
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

int CObjectListCtrl::updateRow(int index)
{
    QTreeWidgetItem* item = topLevelItem(index);
    if (!item)
        return index;
    gtitledObject* object = objectAt(index);
    item->setText(nameColumn, toUiText(object->getTitle(true)));
    if (sortByTag_)
        return index;
    sort();
    int now = indexOf(object);
    if (QTreeWidgetItem* moved = topLevelItem(now))
        scrollToItem(moved);
    return now;
}

void CObjectListCtrl::renameObjectRow(const gtitledObject* object)
{
    int index = indexOf(object);
    if (index >= 0)
        topLevelItem(index)->setText(nameColumn, toUiText(object->getTitle(true)));
}

void CObjectListCtrl::ensureSelectionVisible()
{
    if (QTreeWidgetItem* item = topLevelItem(getSelectedIndex()))
        scrollToItem(item);
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
    QTreeWidget::keyPressEvent(event);
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
