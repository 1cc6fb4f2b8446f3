#include "batch/ui/CBatchListDialog.h"

#include "platform/settingsStore.h"
#include "shell/CObjectListCtrl.h"
#include "shell/objectListSelection.h"
#include "shell/CSelectDialog.h"
#include "store/gstationState.h"

#include <QCheckBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <algorithm>

namespace {

constexpr int rightX = 190;
constexpr int rightWidth = 143;

} // namespace

CBatchListDialog::CBatchListDialog(const batchDialogSpec& spec, const gbatchKind& kind, QWidget* parent)
    : CDialog(spec.templateId, parent), spec_(spec), kind_(kind)
{
    setWindowTitle(QString::fromLatin1(spec.title));
    buildControls();
}

void CBatchListDialog::buildControls()
{
    addLabel(-1, "&Find:", rightX, 7, rightWidth, 8);
    auto* find = addEdit(findId, rightX, 17, rightWidth, 12);
    addLabel(-1, "&Replace with:", rightX, 33, rightWidth, 8);
    addEdit(replaceId, rightX, 43, rightWidth, 12);
    addCheckBox(matchCaseId, "&Match case", rightX, 60, 65, 10);
    addCheckBox(wholeWordId, "Whole &word", rightX + 70, 60, 70, 10);
    int scopes = static_cast<int>(spec_.scopes.size());
    int groupHeight = 16 + 12 * scopes + (spec_.setAndClearAll ? 18 : 0);
    addGroupBox(-1, "Apply changes to", rightX, 74, rightWidth, groupHeight);
    for (int i = 0; i < scopes; ++i) {
        const batchScope& s = spec_.scopes[static_cast<size_t>(i)];
        auto* box = addCheckBox(s.id, s.label, rightX + 6, 86 + 12 * i, rightWidth - 12, 10);
        QObject::connect(box, &QCheckBox::toggled, this, [this] { updateButtons(); });
    }
    if (spec_.setAndClearAll) {
        int y = 88 + 12 * scopes;
        addButton(setAllId, "Set all", rightX + 6, y, 60, 14);
        addButton(clearAllId, "Clear all", rightX + 72, y, 60, 14);
        onCommand(setAllId, [this] { setAllScopes(true); });
        onCommand(clearAllId, [this] { setAllScopes(false); });
    }
    int y = 74 + groupHeight + 6;
    addButton(findTagsId, "Find All &Tags", rightX, y, 70, 14, true);
    addButton(replaceAllId, "Replace &All", rightX + 73, y, 70, 14);
    addButton(duplicateId, "&Duplicate", rightX, y + 18, 70, 14);
    addButton(deleteAllId, "Delete All", rightX + 73, y + 18, 70, 14);
    addButton(IDCANCEL, "&Close", rightX + 73, y + 36, 70, 14);
    extraTop_ = y + 56;
    int height = std::max(extraTop_, 200);
    addLabel(-1, spec_.listLabel, 7, 7, 170, 8);
    list_ = addControl(listId, new CObjectListCtrl, 7, 17, 176, height - 24);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDialogSize(widthUnits, height);

    QObject::connect(find, &QLineEdit::textChanged, this, [this] { updateButtons(); });
    QObject::connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { updateButtons(); });
    onCommand(findTagsId, [this] { OnFindAllTags(); });
    onCommand(replaceAllId, [this] { OnReplaceAll(); });
    onCommand(duplicateId, [this] { OnDuplicate(); });
    onCommand(deleteAllId, [this] { OnDeleteAll(); });
}

bool CBatchListDialog::OnInitDialog()
{
    loadSettings();
    list_->setUpColumns();
    list_->restoreColumns(spec_.listSection, 0, 0);
    list_->fillSorted(kind_.objects());
    list_->clearSelection();
    updateButtons();
    return true;
}

void CBatchListDialog::OnCancel()
{
    saveSettings();
    list_->saveColumns(spec_.listSection);
    EndDialog(IDCANCEL);
}

void CBatchListDialog::loadSettings()
{
    setControlText(findId, profileString(section, "FindText", ""));
    setControlText(replaceId, profileString(section, "ReplaceText", ""));
    setChecked(wholeWordId, profileInt(section, "MatchWord", 1) != 0);
    setChecked(matchCaseId, profileInt(section, "MatchCase", 1) != 0);
    for (const batchScope& s : spec_.scopes)
        setChecked(s.id, profileInt(section, s.setting, s.defaultValue) != 0);
}

void CBatchListDialog::saveSettings()
{
    writeProfileString(section, "FindText", controlText(findId));
    writeProfileString(section, "ReplaceText", controlText(replaceId));
    writeProfileInt(section, "MatchWord", isChecked(wholeWordId) ? 1 : 0);
    writeProfileInt(section, "MatchCase", isChecked(matchCaseId) ? 1 : 0);
    for (const batchScope& s : spec_.scopes)
        writeProfileInt(section, s.setting, isChecked(s.id) ? 1 : 0);
}

gbatchFind CBatchListDialog::currentFind() const
{
    return {controlText(findId), controlText(replaceId), isChecked(wholeWordId), isChecked(matchCaseId)};
}

bool CBatchListDialog::anyScopeChecked() const
{
    return std::any_of(spec_.scopes.begin(), spec_.scopes.end(),
                       [this](const batchScope& s) { return isChecked(s.id); });
}

bool CBatchListDialog::anyRowSelected() const { return list_->selectionModel()->hasSelection(); }

void CBatchListDialog::updateButtons()
{
    bool rows = anyRowSelected();
    bool find = !findTextEmpty();
    enableControl(findTagsId, list_->rowCount() > 0 && find);
    enableControl(deleteAllId, rows);
    enableControl(duplicateId, rows && find);
    enableControl(replaceAllId, rows && find && anyScopeChecked());
}

void CBatchListDialog::setAllScopes(bool checked)
{
    for (const batchScope& s : spec_.scopes)
        setChecked(s.id, checked);
    updateButtons();
}

std::vector<gtitledObject*> CBatchListDialog::selectedObjects() const
{
    return list_->selectedObjects();
}

void CBatchListDialog::selectObjects(const std::vector<gtitledObject*>& objects)
{
    ::selectObjects(*list_, objects);
}

CObjectListCtrl* CBatchListDialog::frameList() const
{
    CMainFrame* frame = CMainFrame::instance();
    CSelectDialog* window = frame ? frame->listWindowAt(spec_.window) : nullptr;
    return window ? &window->list() : nullptr;
}

void CBatchListDialog::OnFindAllTags()
{
    gbatchFind find = currentFind();
    int count = selectRowsWhere(*list_, [&find](const gtitledObject& object) { return find.isIn(object.getTag()); });
    list_->ensureSelectionVisible();
    reportFound(kind_.texts(), count, find.find);
    updateButtons();
}

void CBatchListDialog::OnReplaceAll()
{
    if (!gatherChange())
        return;
    gbatchFind find = currentFind();
    bool names = isChecked(namesId);
    std::vector<gtitledObject*> processed = selectedObjects();
    gstr log("");
    int total = 0;
    for (gtitledObject* object : processed) {
        // A displayed name that fell back to the tag can be changed too; a
        // title lent for that and left as the tag is taken back. Any other
        // title is the change's own business: one the file gave equal to the
        // tag stays unless a replacement made it so.
        bool lent = names && !object->hasTitle();
        if (lent)
            object->setTitle(object->getTag());
        total += applyChange(*object, find, log, nullptr);
        if (lent && object->getTitle(false) == object->getTag())
            object->setTitle(gstrSlice::empty);
    }
    showLog(log);
    reportReplaced(kind_.texts(), total, find.find);
    if (total > 0)
        stationState().modified = 1;
    if (names && total > 0) {
        for (CObjectListCtrl* list : {list_, frameList()}) {
            if (!list)
                continue;
            list->renameObjectRows(processed);
            if (!list->sortByTag())
                list->sort();
        }
        list_->ensureSelectionVisible();
    }
    afterReplace(processed, total, names);
    updateButtons();
}

void CBatchListDialog::OnDuplicate()
{
    if (!gatherChange())
        return;
    gbatchFind find = currentFind();
    gbatchCopies copies = copyObjects(kind_, selectedObjects(), find, isChecked(namesId));
    if (changesCopies()) {
        for (gtitledObject* copy : copies.order)
            applyChange(*copy, find, copies.log, copies.table.get());
    }
    std::vector<gtitledObject*> added = addCopies(kind_, copies);
    if (!added.empty()) {
        list_->insertObjects(added);
        list_->sort();
        selectObjects(added);
        list_->ensureSelectionVisible();
        if (CObjectListCtrl* frame = frameList()) {
            frame->insertObjects(added);
            frame->sort();
        }
    }
    afterDuplicate(added);
    updateButtons();
}

void CBatchListDialog::OnDeleteAll()
{
    std::vector<gtitledObject*> selected = selectedObjects();
    if (selected.empty() || !confirmDelete(kind_.texts(), static_cast<int>(selected.size())))
        return;
    // Which objects go is settled before anything refers to them less, so
    // that a kept object keeps every reference to it.
    std::vector<gtitledObject*> going = deletableOf(std::vector<gtitledObject*>(selected.rbegin(), selected.rend()));
    beforeDelete(going);
    CObjectListCtrl* frame = frameList();
    list_->deleteObjectRows(going);
    if (frame)
        frame->deleteObjectRows(going);
    for (gtitledObject* object : going)
        destroyObject(object);
    int deleted = static_cast<int>(going.size());
    if (deleted > 0) {
        if (frame && frame->rowCount() > 0) {
            if (frame->getSelectedIndex() < 0)
                frame->selectRow(0);
            frame->ensureSelectionVisible();
        }
        stationState().modified = 1;
    }
    updateButtons();
    if (anyRowSelected())
        reportKept(kind_.texts(), deleted);
    afterDelete(deleted);
}

void CBatchListDialog::afterReplace(const std::vector<gtitledObject*>&, int, bool) {}

void CBatchListDialog::afterDuplicate(const std::vector<gtitledObject*>&) {}

std::vector<gtitledObject*> CBatchListDialog::deletableOf(const std::vector<gtitledObject*>& selected)
{
    std::vector<gtitledObject*> going;
    for (gtitledObject* object : selected) {
        if (!keepsObjectsInUse() || !kind_.isInUse(*object))
            going.push_back(object);
    }
    return going;
}

void CBatchListDialog::beforeDelete(const std::vector<gtitledObject*>&) {}

void CBatchListDialog::destroyObject(gtitledObject* object)
{
    kind_.stationTable().remove(object);
    delete object;
}

void CBatchListDialog::afterDelete(int) {}
