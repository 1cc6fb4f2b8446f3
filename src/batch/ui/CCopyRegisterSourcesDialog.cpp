#include "batch/ui/CCopyRegisterSourcesDialog.h"

#include "foundation/gmessageService.h"
#include "foundation/jhashIterator.h"
#include "foundation/messageBoxes.h"
#include "platform/selectedRows.h"
#include "registers/gregister.h"
#include "registers/sources/gsourceType.h"
#include "shell/CIconListBox.h"
#include "store/gstation.h"
#include "store/gstationState.h"

#include <QItemSelectionModel>
#include <algorithm>

namespace {

constexpr int existingSourceQuestion = 10267;
constexpr int copiedOne = 10203;
constexpr int copiedMany = 10142;

// Every register of the class (any class for 0), sorted by name.
void fill(CRegisterListBox& list, int classCode)
{
    jhashTypedIterator<gregister> it(station::registers());
    gregister* reg = nullptr;
    while (it.get(reg)) {
        if (reg->isDefined() && (classCode == 0 || gregister::classCode(*reg) == classCode))
            list.addEntry(reg->getTitle(true), reg);
    }
    list.sortItems();
}

} // namespace

CCopyRegisterSourcesDialog::CCopyRegisterSourcesDialog(QWidget* parent) : CDialog(519, parent)
{
    setWindowTitle("Copy Register Sources");
    setDialogSize(300, 170);
    addLabel(-1, "&From:", 7, 7, 110, 8);
    from_ = addControl(fromId, new CRegisterListBox(0), 7, 17, 110, 130);
    addLabel(kindTextId, "", 7, 151, 140, 8);
    addButton(copyId, ">> C&opy >>", 123, 60, 54, 14, true);
    addLabel(-1, "&To:", 183, 7, 110, 8);
    to_ = addControl(toId, new CRegisterListBox(0), 183, 17, 110, 126);
    to_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    addButton(IDCANCEL, "&Close", 243, 149, 50, 14);
    QObject::connect(from_, &QListWidget::itemSelectionChanged, this, [this] { fromChanged(); });
    QObject::connect(to_, &QListWidget::itemSelectionChanged, this,
                     [this] { enableControl(copyId, to_->selectionModel()->hasSelection()); });
    onCommand(copyId, [this] { OnCopy(); });
}

bool CCopyRegisterSourcesDialog::OnInitDialog()
{
    fill(*from_, 0);
    from_->clearSelection();
    showControl(kindTextId, false);
    enableControl(copyId, false);
    return true;
}

gregister* CCopyRegisterSourcesDialog::registerAt(const CRegisterListBox& list, int row)
{
    return static_cast<gregister*>(const_cast<void*>(list.entryObject(row)));
}

gregister* CCopyRegisterSourcesDialog::fromRegister() const
{
    QList<QListWidgetItem*> selected = from_->selectedItems();
    return selected.isEmpty() ? nullptr : registerAt(*from_, from_->row(selected.front()));
}

std::vector<gregister*> CCopyRegisterSourcesDialog::targets() const
{
    std::vector<gregister*> registers;
    std::vector<int> rows = selectedRowsOf(*to_);
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        registers.push_back(registerAt(*to_, *row));
    return registers;
}

void CCopyRegisterSourcesDialog::fromChanged()
{
    gregister* from = fromRegister();
    if (!from)
        return;
    int kind = from->sourceTypeCode();
    if (kind != shownKind_) {
        setControlText(kindTextId, gstr().loadString(sourceTypeNameId(kind)));
        showControl(kindTextId, true);
        shownKind_ = kind;
    }
    int classCode = kind != 0 ? gregister::classCode(*from) : 0;
    if (classCode == toClass_)
        return;
    to_->setUpdatesEnabled(false);
    to_->clear();
    if (classCode != 0)
        fill(*to_, classCode);
    to_->setUpdatesEnabled(true);
    toClass_ = classCode;
    enableControl(copyId, false);
}

void CCopyRegisterSourcesDialog::OnCopy()
{
    gregister* from = fromRegister();
    std::vector<gregister*> to = targets();
    if (!from || to.empty())
        return;
    if (std::any_of(to.begin(), to.end(), [](gregister* r) { return r->sourceTypeCode() != 0; })) {
        gstr question;
        question.loadString(existingSourceQuestion);
        if (messageService().messageBox(question, gbuttons::okCancel, gicon::warning, existingSourceQuestion)
            != ganswer::ok)
            return;
    }
    for (gregister* target : to) {
        if (target == from)
            continue;
        target->copySourceFrom(*from);
        stationState().modified = 1;
    }
    int count = static_cast<int>(to.size());
    int id = count == 1 ? copiedOne : copiedMany;
    informationBox(gstr().format(id, count), id);
}
