#include "g2driver/editor/CMultipleDataSourcePane.h"

#include "g2driver/editor/CSourceTypeHostPane.h"
#include "platform/modalRun.h"
#include "platform/settingsStore.h"
#include "platform/textCodec.h"
#include "registers/sources/g2driverMultipleSource.h"
#include "registers/sources/ui/CEditSourceDialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHeaderView>
#include <QTreeWidget>

namespace {

constexpr int dataColumn = 10672;
constexpr int typeColumn = 10673;
constexpr int noMember = 10674;
constexpr int membersDropped = 10676;
const char* const columnSection = "Dialogs\\Edit Multiple Sources";

constexpr int paneWidth = 230;
constexpr int paneHeight = 112;

QVariant memberData(g2driverDataSource* member) { return QVariant::fromValue(reinterpret_cast<quintptr>(member)); }

g2driverDataSource* memberOf(const QTreeWidgetItem* item)
{
    return item ? reinterpret_cast<g2driverDataSource*>(item->data(0, Qt::UserRole).value<quintptr>()) : nullptr;
}

} // namespace

CMultipleDataSourcePane::CMultipleDataSourcePane(CSourceTypeHostPane& host) : CDataSourcePane(host, templateId) {}

CMultipleDataSourcePane::~CMultipleDataSourcePane()
{
    if (!list_)
        return;
    writeProfileInt(columnSection, "Column1", list_->columnWidth(0));
    writeProfileInt(columnSection, "Column2", list_->columnWidth(1));
}

void CMultipleDataSourcePane::addControls()
{
    becomeChild(paneWidth, paneHeight);
    list_ = addControl(listId, new QTreeWidget(), 0, 0, 172, 78);
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    gstr type;
    gstr data;
    list_->setHeaderLabels({toUiText(type.loadString(typeColumn)), toUiText(data.loadString(dataColumn))});
    int width = list_->viewport()->width();
    list_->setColumnWidth(0, profileInt(columnSection, "Column1", width / 4));
    list_->setColumnWidth(1, profileInt(columnSection, "Column2", width - width / 4));
    list_->setSortingEnabled(true);
    list_->sortByColumn(0, Qt::AscendingOrder);
    addButton(editId, "&Edit...", 178, 0, 52, 14);
    addButton(deleteId, "&Delete", 178, 17, 52, 14);
    addButton(duplicateId, "D&uplicate...", 178, 34, 52, 14);
    addButton(newId, "&New...", 178, 51, 52, 14);
    addRadioButton(anyId, "Auto mask if any sources are disabled", 0, 84, 200, 10);
    addRadioButton(allId, "Auto mask if all sources are disabled", 0, 98, 200, 10);
    auto* group = new QButtonGroup(this);
    group->addButton(controlAs<QAbstractButton>(anyId));
    group->addButton(controlAs<QAbstractButton>(allId));
    QObject::connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] { enableButtons(); });
    QObject::connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { editMember(false, false); });
    onCommand(editId, [this] { editMember(false, false); });
    onCommand(duplicateId, [this] { editMember(true, true); });
    onCommand(newId, [this] { editMember(true, false); });
    onCommand(deleteId, [this] { deleteMember(); });
}

bool CMultipleDataSourcePane::create(const g2driverDataSource* source)
{
    std::unique_ptr<g2driverDataSource> first;
    if (!source) {
        CDataSourcePane* current = host().currentPane();
        if (current && !current->isUnchanged()) {
            first = current->makeSource();
            if (!first)
                return false;
        }
    }
    addControls();
    const auto* multiple = static_cast<const g2driverMultipleSource*>(source);
    checkRadioButton(anyId, allId, multiple && multiple->getAutoMask() == 1 ? allId : anyId);
    if (multiple) {
        for (const auto& member : multiple->members())
            addMember(member->clone(host().tables()));
    }
    if (first)
        addMember(std::move(first));
    enableButtons();
    return true;
}

void CMultipleDataSourcePane::addMember(std::unique_ptr<g2driverDataSource> member)
{
    member->setOwner(host().editedObject(), host().workingParameters());
    showRow(member.get());
    members_.push_back(std::move(member));
}

void CMultipleDataSourcePane::showRow(g2driverDataSource* member)
{
    auto* item = new QTreeWidgetItem({toUiText(member->getKindName()), toUiText(member->describe())});
    item->setData(0, Qt::UserRole, memberData(member));
    list_->addTopLevelItem(item);
    list_->clearSelection();
    list_->setCurrentItem(item);
    list_->scrollToItem(item);
}

// An edited member keeps its place among the members.
void CMultipleDataSourcePane::replaceMember(g2driverDataSource* old, std::unique_ptr<g2driverDataSource> member)
{
    member->setOwner(host().editedObject(), host().workingParameters());
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        if (memberOf(list_->topLevelItem(row)) == old)
            delete list_->takeTopLevelItem(row);
    }
    showRow(member.get());
    for (auto& held : members_) {
        if (held.get() == old)
            held = std::move(member);
    }
}

void CMultipleDataSourcePane::removeMember(g2driverDataSource* member)
{
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        if (memberOf(list_->topLevelItem(row)) == member)
            delete list_->takeTopLevelItem(row);
    }
    std::erase_if(members_, [member](const auto& held) { return held.get() == member; });
}

int CMultipleDataSourcePane::rowCount() const { return list_->topLevelItemCount(); }

g2driverDataSource* CMultipleDataSourcePane::rowSource(int row) const { return memberOf(list_->topLevelItem(row)); }

g2driverDataSource* CMultipleDataSourcePane::selectedMember() const
{
    QList<QTreeWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? nullptr : memberOf(selected.front());
}

void CMultipleDataSourcePane::enableButtons()
{
    bool selected = selectedMember() != nullptr;
    for (int id : {editId, deleteId, duplicateId})
        enableControl(id, selected);
}

void CMultipleDataSourcePane::editMember(bool isNew, bool copy)
{
    g2driverDataSource* member = isNew && !copy ? nullptr : selectedMember();
    if (!isNew && !member)
        return;
    if (copy && !member)
        return;
    CEditSourceDialog dialog(host(), member, isNew, this);
    if (dialog.DoModal() != IDOK)
        return;
    std::unique_ptr<g2driverDataSource> result = dialog.takeResult();
    if (!result)
        return;
    if (!isNew)
        replaceMember(member, std::move(result));
    else
        addMember(std::move(result));
    enableButtons();
}

void CMultipleDataSourcePane::deleteMember()
{
    QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty())
        return;
    int row = list_->indexOfTopLevelItem(selected.front());
    removeMember(memberOf(selected.front()));
    if (rowCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(std::min(row, rowCount() - 1)));
    enableButtons();
}

bool CMultipleDataSourcePane::acceptValueKind(int32_t kind)
{
    std::vector<g2driverDataSource*> dropped;
    for (const auto& member : members_) {
        if (!member->acceptsValueKind(kind))
            dropped.push_back(member.get());
    }
    if (dropped.empty())
        return true;
    if (messageBox(membersDropped, gbuttons::okCancel) != ganswer::ok)
        return false;
    for (g2driverDataSource* member : dropped)
        removeMember(member);
    enableButtons();
    return true;
}

std::unique_ptr<g2driverDataSource> CMultipleDataSourcePane::makeSource()
{
    if (rowCount() == 0) {
        refuseFocusOnly(listId, noMember);
        return nullptr;
    }
    if (members_.size() == 1)
        return members_.front()->clone(host().tables());
    auto multiple = std::make_unique<g2driverMultipleSource>();
    multiple->setAutoMask(isChecked(allId) ? 1 : 0);
    for (const auto& member : members_)
        multiple->members().push_back(member->clone(host().tables()));
    return multiple;
}

void CMultipleDataSourcePane::registerUses(gusesList& uses)
{
    for (const auto& member : members_)
        member->collectUses(uses);
}
