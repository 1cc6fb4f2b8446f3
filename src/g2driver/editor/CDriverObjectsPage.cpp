#include "g2driver/editor/CDriverObjectsPage.h"

#include "foundation/jhashIterator.h"
#include "g2driver/editor/CEditDriverProgramDialog.h"
#include "g2driver/editor/CEditG2DeviceDriverDialog.h"
#include "g2driver/editor/CEditDataObjectDialog.h"
#include "g2driver/editor/editorLists.h"
#include "legacy/ui/objectItems.h"
#include "legacy/ui/sortedObjectItems.h"
#include "platform/CImageList.h"
#include "platform/settingsStore.h"
#include "platform/textCodec.h"
#include "resources/stringTable.h"
#include "shell/CObjectListCtrl.h"
#include "shell/ownerDrawItems.h"

#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>
#include <vector>

namespace {

constexpr const char* settingsSection = "Dialogs\\Edit G2Driver";
constexpr int inUseMessage = 20024;
constexpr int columnTitles[] = {10301, 10628, 10629};
// Indexed by value kind: bistate, digital, analog, string.
constexpr int typeNames[] = {0, 10624, 10625, 10627, 10626};

QString uiString(int id) { return toUiText(gstrSlice(stringTableText(id))); }

QString typeName(int32_t kind)
{
    return kind >= 1 && kind <= 4 ? uiString(typeNames[kind]) : QString();
}

QString sourceName(const g2driverDataObject& object)
{
    const g2driverDataSource* source = object.getSource();
    return source ? toUiText(source->getKindName()) : QString();
}

const CImageList& kindImages()
{
    static const CImageList images = [] {
        CImageList list(12, 10);
        list.addStrip(registerRowStrip(), iconMaskColour);
        return list;
    }();
    return images;
}

} // namespace

CDriverObjectsPage::CDriverObjectsPage(CEditG2DeviceDriverDialog& owner) : CDialog(templateId, &owner), owner_(owner)
{
    setParent(&owner, Qt::Widget);
    setDialogSize(406, 190);
    addLabel(-1, "&Objects:", 0, 0, 140, 8);
    auto* tree = addControl(objectListId, new QTreeWidget, 0, 10, 200, 170);
    addButton(editObjectId, "&Edit...", 204, 10, 50, 14);
    addButton(deleteObjectId, "&Delete", 204, 27, 50, 14);
    addButton(duplicateObjectId, "D&uplicate...", 204, 44, 50, 14);
    addButton(newObjectId, "&New...", 204, 61, 50, 14);
    addLabel(-1, "&Programs:", 262, 0, 90, 8);
    addListBox(programListId, 262, 10, 90, 170);
    addButton(editProgramId, "Ed&it...", 356, 10, 50, 14);
    addButton(propertiesId, "P&roperties...", 356, 27, 50, 14);
    addButton(deleteProgramId, "De&lete", 356, 44, 50, 14);
    addButton(duplicateProgramId, "Du&plicate...", 356, 61, 50, 14);
    addButton(newProgramId, "Ne&w...", 356, 78, 50, 14);
    addButton(editStoredProgramId, "Edit Stored Program", 356, 95, 50, 14)->hide();

    tree->setRootIsDecorated(false);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setAllColumnsShowFocus(true);
    tree->setIconSize(QSize(kindImages().width(), kindImages().height()));
    QStringList titles;
    for (int id : columnTitles)
        titles << uiString(id);
    tree->setHeaderLabels(titles);
    tree->header()->setSectionsClickable(true);
    tree->header()->setSectionsMovable(false);
    enableObjectButtons(false);
    enableProgramButtons(false);

    QObject::connect(tree->header(), &QHeaderView::sectionClicked, this, [this](int column) { sortByColumn(column); });
    QObject::connect(tree, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (selectedObject())
            enableObjectButtons(true);
    });
    QObject::connect(tree, &QTreeWidget::itemDoubleClicked, this, [this] { runObjectDialog(true, true); });
    QObject::connect(&programs(), &QListWidget::itemSelectionChanged, this, [this] {
        if (selectedProgram())
            enableProgramButtons(true);
    });
    QObject::connect(&programs(), &QListWidget::itemDoubleClicked, this, [this] { sendCommand(editProgramId); });

    onCommand(newObjectId, [this] { runObjectDialog(false, false); });
    onCommand(duplicateObjectId, [this] { runObjectDialog(true, false); });
    onCommand(editObjectId, [this] { runObjectDialog(true, true); });
    onCommand(deleteObjectId, [this] { deleteObject(); });
    onCommand(newProgramId, [this] { runProgramDialog(nullptr, nullptr); });
    onCommand(duplicateProgramId, [this] {
        if (g2driverProgram* source = selectedProgram())
            runProgramDialog(source, nullptr);
    });
    onCommand(propertiesId, [this] {
        if (g2driverProgram* program = selectedProgram())
            runProperties(program, true);
    });
    onCommand(editProgramId, [this] {
        if (g2driverProgram* program = selectedProgram())
            openProgram(*program);
    });
    onCommand(deleteProgramId, [this] { deleteProgram(); });
    onCommand(editStoredProgramId, [this] { editStoredProgram(); });
}

CDriverObjectsPage::~CDriverObjectsPage()
{
    if (CG2DriverProgramEditorThread* editor = CG2DriverProgramEditorThread::current())
        editor->ownerGone();
    writeProfileInt(settingsSection, "ObjectSortColumn1", sort_[0]);
    writeProfileInt(settingsSection, "ObjectSortColumn2", sort_[1]);
    writeProfileInt(settingsSection, "ObjectColumn1", objects().columnWidth(tagColumn));
    writeProfileInt(settingsSection, "ObjectColumn2", objects().columnWidth(typeColumn));
    writeProfileInt(settingsSection, "ObjectColumn3", objects().columnWidth(sourceColumn));
}

void CDriverObjectsPage::create(int placeholderId)
{
    QWidget* placeholder = owner_.control(placeholderId);
    move(placeholder->geometry().topLeft());
    stackUnder(placeholder);
    ensureInitialized();
    hide();
    readSettings();
}

// A stored pair that is not two different columns falls back to the
// defaults; the tertiary column is the one they leave.
void CDriverObjectsPage::readSettings()
{
    int primary = profileInt(settingsSection, "ObjectSortColumn1", tagColumn);
    int secondary = profileInt(settingsSection, "ObjectSortColumn2", typeColumn);
    bool valid = primary >= 0 && primary <= 2 && secondary >= 0 && secondary <= 2 && primary != secondary;
    if (!valid) {
        primary = tagColumn;
        secondary = typeColumn;
    }
    sort_[0] = primary;
    sort_[1] = secondary;
    sort_[2] = 3 - primary - secondary;
    int width = objects().contentsRect().width();
    int quarter = width / 4;
    objects().setColumnWidth(tagColumn, profileInt(settingsSection, "ObjectColumn1", width - 2 * quarter));
    objects().setColumnWidth(typeColumn, profileInt(settingsSection, "ObjectColumn2", quarter));
    objects().setColumnWidth(sourceColumn, profileInt(settingsSection, "ObjectColumn3", quarter));
}

void CDriverObjectsPage::accept() { owner_.accept(); }

void CDriverObjectsPage::reject() { owner_.reject(); }

QTreeWidget& CDriverObjectsPage::objects() const { return *controlAs<QTreeWidget>(objectListId); }

QListWidget& CDriverObjectsPage::programs() const { return *controlAs<QListWidget>(programListId); }

g2driverDataObject* CDriverObjectsPage::objectAt(int row) const
{
    QTreeWidgetItem* item = objects().topLevelItem(row);
    return item ? reinterpret_cast<g2driverDataObject*>(item->data(0, Qt::UserRole).value<quintptr>()) : nullptr;
}

g2driverDataObject* CDriverObjectsPage::selectedObject() const
{
    QList<QTreeWidgetItem*> chosen = objects().selectedItems();
    return chosen.isEmpty() ? nullptr : objectAt(objects().indexOfTopLevelItem(chosen.front()));
}

g2driverProgram* CDriverObjectsPage::selectedProgram() const
{
    return static_cast<g2driverProgram*>(itemObject(programs(), selectedItem(programListId)));
}

void CDriverObjectsPage::enableObjectButtons(bool enable)
{
    for (int id : {editObjectId, deleteObjectId, duplicateObjectId})
        enableControl(id, enable);
}

void CDriverObjectsPage::enableProgramButtons(bool enable)
{
    for (int id : {editProgramId, propertiesId, deleteProgramId, duplicateProgramId})
        enableControl(id, enable);
}

void CDriverObjectsPage::fill()
{
    g2driver* source = owner_.source();
    if (!source)
        return;
    jhashTypedIterator<g2driverDataObject> objectsIt(source->dataObjects());
    g2driverDataObject* object = nullptr;
    while (objectsIt.get(object)) {
        if (!object->isDefined())
            continue;
        g2driverDataObject* copy = owner_.workingDataObjects().define(object->getName());
        if (!copy)
            continue;
        copy->copyFrom(*object, owner_.sourceTables(), owner_.isEditing());
        objects().addTopLevelItem(makeRow(*copy));
    }
    sortRows();
    jhashTypedIterator<g2driverProgram> programsIt(source->programs());
    g2driverProgram* program = nullptr;
    sortedObjectItems listed;
    while (programsIt.get(program)) {
        g2driverProgram* copy = owner_.workingPrograms().define(program->getName());
        if (!copy)
            continue;
        copy->assign(*program);
        copy->setInternal(program->getInternal() == 1);
        listed.add(copy->getName(), copy);
    }
    listed.appendTo(programs());
}

void CDriverObjectsPage::saveOpenPrograms()
{
    if (CG2DriverProgramEditorThread* editor = CG2DriverProgramEditorThread::current())
        editor->saveAllModified();
}

QTreeWidgetItem* CDriverObjectsPage::makeRow(g2driverDataObject& object) const
{
    auto* item = new QTreeWidgetItem;
    item->setText(tagColumn, toUiText(object.getName()));
    item->setText(typeColumn, typeName(object.getTypeCode()));
    item->setText(sourceColumn, sourceName(object));
    item->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(&object)));
    QImage icon = kindImages().masked(object.getTypeCode());
    if (!icon.isNull())
        item->setIcon(tagColumn, QIcon(QPixmap::fromImage(icon)));
    return item;
}

int CDriverObjectsPage::compareObjects(const g2driverDataObject& a, const g2driverDataObject& b) const
{
    for (int column : sort_) {
        int result = 0;
        if (column == typeColumn)
            result = a.getTypeCode() < b.getTypeCode() ? -1 : (a.getTypeCode() > b.getTypeCode() ? 1 : 0);
        else if (column == tagColumn)
            result = CObjectListCtrl::compareKeys(toUiText(a.getName()), toUiText(b.getName()));
        else
            result = CObjectListCtrl::compareKeys(sourceName(a), sourceName(b));
        if (result != 0)
            return result;
    }
    return 0;
}

void CDriverObjectsPage::sortRows()
{
    g2driverDataObject* chosen = selectedObject();
    std::vector<QTreeWidgetItem*> rows;
    while (objects().topLevelItemCount() > 0)
        rows.push_back(objects().takeTopLevelItem(0));
    auto objectOf = [](const QTreeWidgetItem* item) {
        return reinterpret_cast<g2driverDataObject*>(item->data(0, Qt::UserRole).value<quintptr>());
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
        return compareObjects(*objectOf(a), *objectOf(b)) < 0;
    });
    QSignalBlocker quiet(&objects());
    for (QTreeWidgetItem* row : rows) {
        objects().addTopLevelItem(row);
        if (objectOf(row) == chosen) {
            row->setSelected(true);
            objects().setCurrentItem(row);
        }
    }
    if (QTreeWidgetItem* current = objects().currentItem())
        objects().scrollToItem(current);
}

void CDriverObjectsPage::sortByColumn(int column)
{
    if (column < 0 || column > 2 || column == sort_[0])
        return;
    if (column == sort_[2])
        sort_[2] = sort_[1];
    sort_[1] = sort_[0];
    sort_[0] = column;
    sortRows();
}

void CDriverObjectsPage::insertObjectRow(g2driverDataObject& object)
{
    int row = 0;
    while (row < objects().topLevelItemCount() && compareObjects(*objectAt(row), object) <= 0)
        ++row;
    QTreeWidgetItem* item = makeRow(object);
    objects().clearSelection();
    objects().insertTopLevelItem(row, item);
    objects().setCurrentItem(item);
    item->setSelected(true);
    objects().scrollToItem(item);
}

void CDriverObjectsPage::runObjectDialog(bool withSource, bool edit)
{
    g2driverDataObject* selected = selectedObject();
    if (withSource && !selected)
        return;
    CEditDataObjectDialog dialog(owner_.sourceTables(), withSource ? selected : nullptr, edit ? selected : nullptr,
                                 &owner_);
    if (dialog.DoModal() != IDOK)
        return;
    g2driverDataObject* result = dialog.dataObject();
    if (edit)
        delete objects().takeTopLevelItem(objects().indexOfTopLevelItem(objects().selectedItems().front()));
    insertObjectRow(*result);
    if (withSource)
        return;
    enableObjectButtons(true);
    refreshDriverProgramViews();
}

void CDriverObjectsPage::deleteObject()
{
    g2driverDataObject* selected = selectedObject();
    if (!selected)
        return;
    if (!selected->isUnused())
        return reportUsers(*selected, inUseMessage);
    int row = objects().indexOfTopLevelItem(objects().selectedItems().front());
    delete objects().takeTopLevelItem(row);
    owner_.workingDataObjects().remove(selected);
    delete selected;
    int count = objects().topLevelItemCount();
    if (count == 0) {
        enableObjectButtons(false);
        return;
    }
    QTreeWidgetItem* next = objects().topLevelItem(row < count ? row : count - 1);
    objects().setCurrentItem(next);
    next->setSelected(true);
}

void CDriverObjectsPage::runProgramDialog(g2driverProgram* source, g2driverProgram* target)
{
    saveOpenPrograms();
    CEditDriverProgramDialog dialog(owner_, source, target, &owner_);
    if (dialog.DoModal() != IDOK)
        return;
    g2driverProgram* made = dialog.program();
    selectListItem(programs(), insertSortedItem(programs(), made->getName(), made));
    enableProgramButtons(true);
    if (!source)
        refreshDriverProgramViews();
    openProgram(*made);
}

// The entry goes and comes back: its place is found again by its tag.
void CDriverObjectsPage::runProperties(g2driverProgram* program, bool reselect)
{
    saveOpenPrograms();
    CEditDriverProgramDialog dialog(owner_, program, program, &owner_);
    if (dialog.DoModal() != IDOK)
        return;
    int index = -1;
    for (int i = 0; i < programs().count(); ++i) {
        if (itemObject(programs(), i) == program)
            index = i;
    }
    if (index < 0)
        return;
    delete programs().takeItem(index);
    index = insertSortedItem(programs(), program->getName(), program);
    if (reselect)
        selectListItem(programs(), index);
}

// Properties asked for in a program window: the program may have gone from
// the list meanwhile, and then nothing is shown.
void CDriverObjectsPage::editStoredProgram()
{
    auto* program = static_cast<g2driverProgram*>(pendingProperties);
    pendingProperties = nullptr;
    if (!program)
        return;
    int index = -1;
    for (int i = programs().count() - 1; i >= 0 && index < 0; --i) {
        if (itemObject(programs(), i) == program)
            index = i;
    }
    if (index >= 0)
        runProperties(program, selectedItem(programListId) == index);
}

void CDriverObjectsPage::openProgram(g2driverProgram& program)
{
    CG2DriverProgramEditorThread::start(*this).showProgram(program);
}

void CDriverObjectsPage::deleteProgram()
{
    int index = selectedItem(programListId);
    g2driverProgram* program = selectedProgram();
    if (!program)
        return;
    if (!program->isUnused())
        return program->reportInUse(inUseMessage);
    if (CG2DriverProgramEditorThread* editor = CG2DriverProgramEditorThread::current())
        editor->closeDocument(program);
    if (removeListItem(programs(), index))
        enableProgramButtons(false);
    owner_.workingPrograms().remove(program);
    delete program;
}
