#include "registers/sources/ui/CSummarySourcePane.h"

#include "foundation/jhashIterator.h"
#include "registers/ganalogSupplement.h"
#include "registers/gbistateSupplement.h"
#include "registers/gdigitalSupplement.h"
#include "registers/gstringSupplement.h"
#include "registers/sources/gsourceSummary.h"
#include "registers/ui/CAddRegistersDialog.h"
#include "registers/ui/CEditProgramArgumentsDialog.h"
#include "registers/ui/CRegisterDialog.h"
#include "shell/CIconListBox.h"
#include "shell/CProgramCombo.h"
#include "store/gstation.h"

#include <QItemSelectionModel>
#include <algorithm>
#include <unordered_set>

namespace {

constexpr int noOtherRegisters = 10431;
constexpr int noRegisters = 10300;

bool hasOtherRegister(const gregister* edited)
{
    jhashTypedIterator<gregister> it(station::registers());
    gregister* reg = nullptr;
    while (it.get(reg)) {
        if (reg != edited && reg->isDefined() && gregister::classCode(*reg) != 0)
            return true;
    }
    return false;
}

} // namespace

std::unique_ptr<CSourcePane> CSummarySourcePane::make(const gregisterSource* source)
{
    auto pane = std::make_unique<CSummarySourcePane>();
    if (const gsourceSummaryPart* part = summaryPart(source)) {
        pane->call_ = part->getCall();
        pane->working_ = part->getCall();
        pane->updateOnAnyChange_ = part->getCall().isSet() && part->getUpdateOnAnyChange() != 0 ? 1 : 0;
        pane->registers_ = part->registers();
    }
    return pane;
}

bool CSummarySourcePane::create(CRegisterDialog& dialog)
{
    edited_ = dialog.targetRegister();
    addLabel(-1, "&Registers:", 0, 2, 60, 8);
    auto* registers = addControl(registersId, new CRegisterListBox(0), 0, 12, 170, 70);
    registers->setSortingEnabled(true);
    registers->setSelectionMode(QAbstractItemView::ExtendedSelection);
    addButton(addId, "&Add...", 176, 12, 60, 14);
    addButton(addAlarmsId, "Add A&larms...", 176, 29, 60, 14);
    addButton(removeId, "Remo&ve", 176, 46, 60, 14);
    addLabel(-1, "&Program:", 0, 90, 40, 8);
    auto* programs = addControl(programId, new CProgramCombo(&working_), 42, 88, 128, 12);
    programs->setSorted(true);
    addButton(argumentsId, "Ar&gs...", 176, 87, 60, 14);
    addRadioButton(anyValueId, "&Update whenever a register value changes", 0, 106, 200, 10);
    addRadioButton(stateOnlyId, "Update only when an ON/OFF &state changes", 0, 118, 200, 10);
    onCommand(addId, [this] { addRegisters(false); });
    onCommand(addAlarmsId, [this] { addRegisters(true); });
    onCommand(removeId, [this] { onRemove(); });
    onCommand(argumentsId, [this] {
        CEditProgramArgumentsDialog arguments(working_, this);
        if (arguments.DoModal() == IDOK)
            this->programs().update();
    });
    QObject::connect(registers, &QListWidget::itemSelectionChanged, this,
                     [this] { enableControl(removeId, !list().selectedItems().isEmpty()); });
    QObject::connect(programs, &QComboBox::currentIndexChanged, this, [this] { enableProgramOptions(); });
    becomeChildOf(dialog, 286, 130);
    if (!hasOtherRegister(edited_))
        return refuseCreate(noOtherRegisters);

    for (gregister* reg : registers_)
        registers->addEntry(reg->getTitle(true), reg);
    registers->clearSelection();
    programs->fill(true);
    checkRadioButton(stateOnlyId, anyValueId, updateOnAnyChange_ ? anyValueId : stateOnlyId);
    enableControl(removeId, false);
    enableProgramOptions();
    return true;
}

CRegisterListBox& CSummarySourcePane::list() const { return *controlOf<CRegisterListBox>(registersId); }

CProgramCombo& CSummarySourcePane::programs() const { return *controlOf<CProgramCombo>(programId); }

void CSummarySourcePane::enableProgramOptions()
{
    bool program = programs().currentIndex() > 0;
    for (int id : {argumentsId, anyValueId, stateOnlyId})
        enableControl(id, program);
}

void CSummarySourcePane::addRegisters(bool alarmsOnly)
{
    CAddRegistersDialog dialog(alarmsOnly, this);
    dialog.setLeftOut(edited_);
    for (int row = 0; row < list().count(); ++row)
        dialog.result().push_back(static_cast<gregister*>(const_cast<void*>(list().entryObject(row))));
    if (dialog.DoModal() != IDOK)
        return;
    list().clearSelection();
    std::unordered_set<const void*> added;
    for (gregister* reg : dialog.result()) {
        list().addEntry(reg->getTitle(true), reg);
        added.insert(reg);
    }
    // The sorted list has put each entry in its place: one pass finds them
    // all and one change selects them, instead of a walk over the list and
    // a selection signal for every one.
    QItemSelection selection;
    const QAbstractItemModel& model = *list().model();
    for (int row = 0; row < list().count(); ++row) {
        if (!added.count(list().entryObject(row)))
            continue;
        int last = row;
        while (last + 1 < list().count() && added.count(list().entryObject(last + 1)))
            ++last;
        selection.select(model.index(row, 0), model.index(last, 0));
        row = last;
    }
    list().selectionModel()->select(selection, QItemSelectionModel::Select);
    enableControl(removeId, !list().selectedItems().isEmpty());
}

// A register removed leaves the kept order at once: added again, it follows
// the others like any register added.
void CSummarySourcePane::onRemove()
{
    for (QListWidgetItem* item : list().selectedItems()) {
        auto* reg = static_cast<gregister*>(const_cast<void*>(list().entryObject(list().row(item))));
        std::erase(registers_, reg);
        delete list().takeItem(list().row(item));
    }
    enableControl(removeId, !list().selectedItems().isEmpty());
}

bool CSummarySourcePane::validate()
{
    if (list().count() == 0)
        return refuseFocusOnly(addId, noRegisters);
    gprogramUsedByList* program = programs().selectedProgram();
    if (program)
        working_.setProgram(program);
    else
        working_.clear();
    call_ = working_;
    updateOnAnyChange_ = program && isChecked(anyValueId) ? 1 : 0;
    keepListed();
    return true;
}

// The registers the source had keep their order, the ones added follow in
// the list's order: the list sorts by title, the file keeps what it had.
void CSummarySourcePane::keepListed()
{
    std::vector<gregister*> listed;
    for (int row = 0; row < list().count(); ++row)
        listed.push_back(static_cast<gregister*>(const_cast<void*>(list().entryObject(row))));
    std::vector<gregister*> sorted = listed;
    std::sort(sorted.begin(), sorted.end());
    auto isListed = [&sorted](gregister* reg) { return std::binary_search(sorted.begin(), sorted.end(), reg); };
    std::erase_if(registers_, [&](gregister* reg) { return !isListed(reg); });
    std::vector<gregister*> kept = registers_;
    std::sort(kept.begin(), kept.end());
    for (gregister* reg : listed) {
        if (!std::binary_search(kept.begin(), kept.end(), reg))
            registers_.push_back(reg);
    }
}

void CSummarySourcePane::apply(gregisterSource* made) const
{
    gsourceSummaryPart* part = summaryPart(made);
    if (!part)
        throw gfault("source of another kind in CSummarySourcePane::apply()");
    part->setCall(call_);
    part->setUpdateOnAnyChange(updateOnAnyChange_);
    part->clearRegisters();
    for (gregister* reg : registers_)
        part->addRegister(*reg);
}

void CSummarySourcePane::applyToAnalog(ganalogSupplement& supplement) { apply(supplement.newSummarySource()); }

void CSummarySourcePane::applyToBistate(gbistateSupplement& supplement) { apply(supplement.newSummarySource()); }

void CSummarySourcePane::applyToDigital(gdigitalSupplement& supplement) { apply(supplement.newSummarySource()); }

void CSummarySourcePane::applyToString(gstringSupplement& supplement) { apply(supplement.newSummarySource()); }
