#include "g2driver/editor/CSummaryDataSourcePane.h"

#include "g2driver/editor/CModifyObjectDialog.h"
#include "g2driver/editor/CSourceTypeHostPane.h"
#include "g2driver/model/g2driverDataObject.h"
#include "g2driver/model/g2driverSummarySource.h"
#include "legacy/ui/objectItems.h"
#include "platform/textCodec.h"
#include "registers/sources/g2driverProcessorSource.h"
#include "registers/sources/gdataObjectRef.h"
#include "shell/CProgramCombo.h"
#include "shell/programArgumentsDialog.h"

#include <QComboBox>
#include <QListWidget>

namespace {

constexpr int noEntry = 10640;
constexpr int notBistate = 10641;

} // namespace

CSummaryDataSourcePane::CSummaryDataSourcePane(CSourceTypeHostPane& host) : CDataSourcePane(host, templateId) {}

CSummaryDataSourcePane::~CSummaryDataSourcePane() = default;

bool CSummaryDataSourcePane::create(const g2driverDataSource* source)
{
    const auto* summary = static_cast<const g2driverSummarySource*>(source);
    if (summary)
        call_ = summary->call();
    rebindProgram(call_, host().tables().programs);
    becomeChild(230, 100);
    addLabel(-1, "&Program:", 0, 2, 40, 8);
    programs_ = addControl(programId, new CProgramCombo(&call_), 42, 0, 130, 100);
    programs_->setSorted(true);
    addButton(argumentsId, "Ar&guments...", 178, 0, 52, 14);
    addLabel(-1, "&Objects:", 0, 18, 40, 8);
    auto* objects = addListBox(objectsId, 0, 28, 172, 72);
    objects->setSortingEnabled(true);
    addButton(modifyId, "&Modify...", 178, 28, 52, 14);
    addButton(removeId, "&Remove", 178, 45, 52, 14);
    addButton(duplicateId, "&Duplicate...", 178, 62, 52, 14);
    addButton(addId, "&Add...", 178, 79, 52, 14);
    addButton(addBistateId, "Add &Bistate...", 178, 96, 52, 14);
    if (summary) {
        for (const auto& reference : summary->references()) {
            references_.push_back(std::make_unique<gdataObjectRef>(*reference, host().tables().dataObjects));
            references_.back()->bindTable(&host().tables().dataObjects);
            addEntry(references_.back().get());
        }
        if (!summary->call().isSet())
            shownObjects_ = referencedObjects();
    }
    programs_->fill(true);
    programSelected();
    QObject::connect(programs_, &QComboBox::currentIndexChanged, this, [this] { programSelected(); });
    QObject::connect(objects, &QListWidget::itemSelectionChanged, this, [this] { enableButtons(); });
    QObject::connect(objects, &QListWidget::itemDoubleClicked, this, [this] {
        openModifyObject(true, selectedReference(), true);
    });
    onCommand(argumentsId, [this] {
        call_.setProgram(programs_->selectedProgram());
        if (editProgramArguments(call_, this))
            programs_->update();
    });
    onCommand(addId, [this] { openModifyObject(false, nullptr, false); });
    onCommand(addBistateId, [this] { openModifyObject(true, nullptr, false); });
    onCommand(duplicateId, [this] { openModifyObject(true, selectedReference(), false); });
    onCommand(modifyId, [this] { openModifyObject(true, selectedReference(), true); });
    onCommand(removeId, [this] { removeReference(); });
    enableButtons();
    return true;
}

QListWidget& CSummaryDataSourcePane::list() const { return *controlAs<QListWidget>(objectsId); }

gdataObjectRef* CSummaryDataSourcePane::selectedReference() const
{
    QList<QListWidgetItem*> selected = list().selectedItems();
    if (selected.isEmpty())
        return nullptr;
    return reinterpret_cast<gdataObjectRef*>(selected.front()->data(Qt::UserRole).value<quintptr>());
}

void CSummaryDataSourcePane::addEntry(gdataObjectRef* reference)
{
    auto* item = new QListWidgetItem(toUiText(reference->describe()));
    item->setData(Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(reference)));
    list().addItem(item);
    list().clearSelection();
    list().setCurrentItem(item);
}

void CSummaryDataSourcePane::enableButtons()
{
    bool selected = selectedReference() != nullptr;
    for (int id : {modifyId, removeId, duplicateId})
        enableControl(id, selected);
}

void CSummaryDataSourcePane::programSelected() { enableControl(argumentsId, programs_->selectedProgram() != nullptr); }

void CSummaryDataSourcePane::openModifyObject(bool bistateOnly, gdataObjectRef* source, bool modify)
{
    if ((modify || source) && !selectedReference())
        return;
    CModifyObjectDialog dialog(host().tables().dataObjects, bistateOnly, host().editedObject(), source,
                               modify ? source : nullptr, this);
    if (dialog.DoModal() != IDOK)
        return;
    if (modify) {
        delete list().takeItem(list().currentRow());
        addEntry(source);
    } else {
        references_.push_back(dialog.takeMade());
        addEntry(references_.back().get());
    }
    enableButtons();
}

void CSummaryDataSourcePane::removeReference()
{
    gdataObjectRef* selected = selectedReference();
    if (!selected)
        return;
    int row = list().currentRow();
    delete list().takeItem(row);
    std::erase_if(references_, [selected](const auto& held) { return held.get() == selected; });
    if (list().count() > 0)
        list().setCurrentRow(std::min(row, list().count() - 1));
    enableButtons();
}

std::vector<const g2driverDataObject*> CSummaryDataSourcePane::referencedObjects() const
{
    std::vector<const g2driverDataObject*> objects;
    objects.reserve(references_.size());
    for (const auto& reference : references_)
        objects.push_back(reference->getDataObject());
    return objects;
}

std::unique_ptr<g2driverDataSource> CSummaryDataSourcePane::makeSource()
{
    if (references_.empty())
        return refuseFocusOnly(objectsId, noEntry), nullptr;
    call_.setProgram(programs_->selectedProgram());
    if (!call_.isSet() && referencedObjects() != shownObjects_) {
        for (const auto& reference : references_) {
            g2driverDataObject* object = reference->getDataObject();
            if (object && object->getTypeCode() != 1)
                return refuseFocusOnly(objectsId, notBistate), nullptr;
        }
    }
    auto source = std::make_unique<g2driverSummarySource>();
    source->call() = call_;
    for (const auto& reference : references_)
        source->references().push_back(std::make_unique<gdataObjectRef>(*reference));
    return source;
}
