#include "g2driver/editor/CCommandDataPage.h"

#include "foundation/jhashIterator.h"
#include "g2driver/editor/CEditCommandDialog.h"
#include "g2driver/editor/CEditG2DeviceDriverDialog.h"
#include "g2driver/editor/CSelectElementTypeDialogs.h"
#include "g2driver/editor/elementDialogs.h"
#include "g2driver/editor/editorLists.h"
#include "g2driver/model/g2driverCommand.h"
#include "g2driver/model/g2driverCommandTemplate.h"
#include "legacy/ui/objectItems.h"
#include "platform/textCodec.h"

#include <QListWidget>
#include <map>
#include <string>

namespace {

// The content elements that have a dialog: up to the bistate bits.
bool hasContentDialog(int type) { return type >= 0 && type <= g2commandElementType::bitField; }

} // namespace

CCommandDataPage::CCommandDataPage(CEditCommandDialog& owner) : CDialog(templateId, &owner), owner_(owner)
{
    setParent(&owner, Qt::Widget);
    setDialogSize(330, 90);
    addLabel(dataLabelId, "Template Command &Data:", 0, 0, 110, 8);
    addListBox(dataListId, 0, 10, 110, 76);
    addLabel(contentLabelId, "&Content Elements:", 116, 0, 150, 8);
    addListBox(contentListId, 116, 10, 156, 76);
    addButton(editId, "Edit...", 276, 10, 50, 14);
    addButton(deleteId, "Delete", 276, 27, 50, 14);
    addButton(duplicateId, "Duplicate...", 276, 44, 50, 14);
    addButton(newId, "New...", 276, 61, 50, 14);
    for (int id : {dataLabelId, dataListId, contentLabelId, contentListId, editId, deleteId, duplicateId, newId})
        enableControl(id, false);
    onCommand(newId, [this] { runElementDialog(false, false); });
    onCommand(duplicateId, [this] { runElementDialog(true, false); });
    onCommand(editId, [this] { runElementDialog(true, true); });
    onCommand(deleteId, [this] { deleteElement(); });
    QObject::connect(&dataList(), &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != current_)
            selectData(row);
    });
    QObject::connect(&contentList(), &QListWidget::itemSelectionChanged, this, [this] {
        if (selectedElement())
            enableContentButtons(true);
    });
    QObject::connect(&contentList(), &QListWidget::itemDoubleClicked, this, [this] { runElementDialog(true, true); });
}

CCommandDataPage::~CCommandDataPage()
{
    clearContent(true);
    deleteBlocks();
}

void CCommandDataPage::create(int placeholderId)
{
    QWidget* placeholder = owner_.control(placeholderId);
    place_ = placeholder->geometry().topLeft();
    move(place_);
    stackUnder(placeholder);
    ensureInitialized();
}

void CCommandDataPage::shift(int dy) { move(place_.x(), place_.y() + dy); }

void CCommandDataPage::accept() { owner_.accept(); }

void CCommandDataPage::reject() { owner_.reject(); }

QListWidget& CCommandDataPage::dataList() const { return *controlAs<QListWidget>(dataListId); }

QListWidget& CCommandDataPage::contentList() const { return *controlAs<QListWidget>(contentListId); }

g2driverCommandElement* CCommandDataPage::selectedElement() const
{
    return static_cast<g2driverCommandElement*>(itemObject(contentList(), selectedItem(contentListId)));
}

void CCommandDataPage::enableContentButtons(bool enable)
{
    for (int id : {editId, deleteId, duplicateId})
        enableControl(id, enable);
}

void CCommandDataPage::clearContent(bool deleteElements)
{
    if (deleteElements) {
        for (int i = 0; i < contentList().count(); ++i)
            delete static_cast<g2driverCommandElement*>(itemObject(contentList(), i));
    }
    contentList().clear();
}

void CCommandDataPage::deleteBlocks()
{
    for (g2driverCommandData* block : blocks_)
        delete block;
    blocks_.clear();
}

void CCommandDataPage::showCurrent()
{
    clearContent(true);
    enableContentButtons(false);
    if (current_ < 0 || !blocks_[static_cast<size_t>(current_)])
        return;
    garrayOwned<g2driverCommandElement> elements;
    blocks_[static_cast<size_t>(current_)]->takeElements(elements);
    for (int32_t i = 0; i < elements.size(); ++i)
        insertListItem(contentList(), -1, elements[i]->describe(), elements[i]);
    elements.clear();
}

void CCommandDataPage::storeCurrent()
{
    if (current_ < 0)
        return;
    g2driverCommandData*& block = blocks_[static_cast<size_t>(current_)];
    if (contentList().count() == 0) {
        delete block;
        block = nullptr;
        return;
    }
    if (!block) {
        block = new g2driverCommandData;
        block->setName(fromUiText(dataList().item(current_)->text()));
        block->setDefined(1);
    }
    garrayOwned<g2driverCommandElement> elements;
    for (int i = 0; i < contentList().count(); ++i)
        elements.append(static_cast<g2driverCommandElement*>(itemObject(contentList(), i)));
    clearContent(false);
    block->assignElements(elements);
}

void CCommandDataPage::selectData(int index)
{
    storeCurrent();
    current_ = index;
    showCurrent();
}

void CCommandDataPage::setTemplate(g2driverCommandTemplate* commandTemplate)
{
    storeCurrent();
    std::map<std::string, g2driverCommandData*> kept;
    for (g2driverCommandData* block : blocks_) {
        if (block)
            kept[std::string(block->getName().view())] = block;
    }
    blocks_.clear();
    current_ = -1;
    {
        QSignalBlocker quiet(&dataList());
        dataList().clear();
        if (commandTemplate) {
            jhashTypedIterator<g2driverCommandDataName> it(commandTemplate->dataNames());
            g2driverCommandDataName* name = nullptr;
            while (it.get(name)) {
                if (!name->isDefined())
                    continue;
                insertListItem(dataList(), -1, name->getName(), nullptr);
                auto found = kept.find(std::string(name->getName().view()));
                blocks_.push_back(found == kept.end() ? nullptr : found->second);
                if (found != kept.end())
                    kept.erase(found);
            }
        }
    }
    for (auto& entry : kept)
        delete entry.second;
    bool any = dataList().count() > 0;
    for (int id : {dataLabelId, dataListId, contentLabelId, contentListId, newId})
        enableControl(id, any);
    if (!any) {
        clearContent(true);
        enableContentButtons(false);
        return;
    }
    current_ = 0;
    {
        QSignalBlocker quiet(&dataList());
        dataList().setCurrentRow(0);
    }
    showCurrent();
}

void CCommandDataPage::setCommandData(const g2driverCommand& command)
{
    clearContent(true);
    CEditG2DeviceDriverDialog& driverDialog = owner_.owner();
    for (size_t i = 0; i < blocks_.size(); ++i) {
        delete blocks_[i];
        blocks_[i] = nullptr;
        gstr name = fromUiText(dataList().item(static_cast<int>(i))->text());
        const g2driverCommandData* original = command.data().find(name);
        if (!original)
            continue;
        auto* copy = new g2driverCommandData;
        copy->setName(name);
        copy->setDefined(1);
        copy->copyFrom(*original, owner_.parameterTable(), &driverDialog.workingPrograms());
        blocks_[i] = copy;
    }
    showCurrent();
}

void CCommandDataPage::writeBack(g2driverCommand& command)
{
    storeCurrent();
    g2driverCommandDataTable table(5);
    for (g2driverCommandData*& block : blocks_) {
        if (block && !table.insert(block))
            delete block;
        block = nullptr;
    }
    command.replaceData(table);
}

void CCommandDataPage::runElementDialog(bool withSource, bool edit)
{
    g2driverCommandElement* selected = selectedElement();
    if (withSource && !selected)
        return;
    int type = 0;
    if (withSource) {
        type = selected->typeId();
    } else {
        CSelectContentElementTypeDialog choice(this);
        if (choice.DoModal() != IDOK)
            return;
        type = choice.chosenType();
    }
    if (!hasContentDialog(type))
        return;
    g2driverCommandElement* result =
        openCommandElementDialog(owner_, type, withSource ? selected : nullptr, edit ? selected : nullptr, this);
    if (!result)
        return;
    int current = selectedItem(contentListId);
    if (edit) {
        setListItemText(contentList(), current, result->describe());
        return;
    }
    int index = insertListItem(contentList(), current >= 0 ? current + 1 : -1, result->describe(), result);
    selectListItem(contentList(), index);
    enableContentButtons(true);
}

void CCommandDataPage::deleteElement()
{
    int index = selectedItem(contentListId);
    g2driverCommandElement* element = selectedElement();
    if (!element)
        return;
    if (removeListItem(contentList(), index))
        enableContentButtons(false);
    delete element;
}
