#include "registers/ui/CAddRegistersDialog.h"

#include "foundation/jhashIterator.h"
#include "platform/modalRun.h"
#include "platform/selectedRows.h"
#include "registers/gregister.h"
#include "shell/CIconListBox.h"
#include "store/gstation.h"

#include <unordered_set>

namespace {

constexpr int noAlarmsLeft = 10295;
constexpr int noRegistersLeft = 10296;

} // namespace

CAddRegistersDialog::CAddRegistersDialog(bool alarmsOnly, QWidget* parent)
    : CDialog(591, parent), alarmsOnly_(alarmsOnly)
{
    setWindowTitle("Add Registers");
    setDialogSize(186, 150);
    list_ = addControl(listId, new CRegisterListBox(0), 7, 7, 118, 136);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    addButton(IDOK, "OK", 129, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 129, 24, 50, 14);
    QObject::connect(list_, &QListWidget::itemSelectionChanged, this,
                     [this] { enableControl(IDOK, !list_->selectedItems().isEmpty()); });
}

bool CAddRegistersDialog::OnInitDialog()
{
    // A set of the chosen: a search of the result for every register of a
    // big station would cost its size times theirs.
    std::unordered_set<const gregister*> chosen(result_.begin(), result_.end());
    auto listed = [&](const gregister& reg) {
        if (!reg.isDefined() || gregister::classCode(reg) == 0)
            return false;
        if (alarmsOnly_ && reg.getLevel() < gregister::levelAlarm)
            return false;
        return &reg != leftOut_ && !chosen.count(&reg);
    };
    jhashTypedIterator<gregister> it(station::registers());
    gregister* reg = nullptr;
    while (it.get(reg)) {
        if (listed(*reg))
            list_->addEntry(reg->getTitle(true), reg);
    }
    list_->sortItems();
    enableControl(IDOK, false);
    if (list_->count() == 0) {
        messageBox(alarmsOnly_ ? noAlarmsLeft : noRegistersLeft, gbuttons::ok);
        EndDialog(IDCANCEL);
    }
    return true;
}

void CAddRegistersDialog::OnOK()
{
    result_.clear();
    for (int row : selectedRowsOf(*list_))
        result_.push_back(static_cast<gregister*>(const_cast<void*>(list_->entryObject(row))));
    CDialog::OnOK();
}
