#include "registers/ui/CValueControlDialog.h"

#include "foundation/jhashIterator.h"
#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "registers/ui/CDigitalAutomaticControlsDialog.h"
#include "registers/ui/argumentRows.h"
#include "scl/gsclProgram.h"
#include "shell/CAutoWidthCombo.h"
#include "shell/CSpinEdit.h"
#include "store/gstation.h"

#include <QListWidget>
#include <algorithm>
#include <vector>

namespace {

constexpr int editCaption = 10439;
constexpr int badValue = 10082;
constexpr int replaceQuestion = 10229;

QVariant programData(gprogramUsedByList* program) { return QVariant::fromValue(reinterpret_cast<quintptr>(program)); }

} // namespace

CValueControlDialog::CValueControlDialog(CDigitalAutomaticControlsDialog& owner, uint32_t value,
                                         const gprocessorCall* call, bool isNew, QWidget* parent)
    : CDialog(686, parent), owner_(owner), value_(value), isNew_(isNew)
{
    if (call)
        call_ = *call;
    setWindowTitle("New Value Control");
    setDialogSize(318, 180);
    addLabel(-1, "&Value:", 7, 9, 44, 8);
    addControl(valueId, new CUnsignedSpinEdit, 54, 7, 70, 12);
    addLabel(-1, "&Program:", 7, 27, 44, 8);
    addControl(programId, new CAutoWidthCombo, 54, 25, 200, 12);
    addLabel(-1, "&Arguments:", 7, 44, 60, 8);
    QListWidget* list = addListBox(argumentsId, 7, 54, 247, 119);
    list->setSortingEnabled(true);
    addButton(editId, "&Edit...", 261, 54, 50, 14);
    addButton(deleteId, "&Delete", 261, 71, 50, 14);
    addButton(newId, "&New...", 261, 88, 50, 14);
    addButton(IDOK, "OK", 261, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 261, 24, 50, 14);
    enableButtons(false);
    rows_ = std::make_unique<argumentRows>(*list, *this);

    onCommand(newId, [this] {
        if (rows_->addNew())
            enableButtons(true);
    });
    onCommand(editId, [this] { rows_->editSelected(); });
    onCommand(deleteId, [this] { onDelete(); });
    QObject::connect(list, &QListWidget::itemSelectionChanged, this, [this] {
        if (rows_->selectedRow() >= 0)
            enableButtons(true);
    });
    QObject::connect(list, &QListWidget::itemDoubleClicked, this, [this] { rows_->editSelected(); });
}

CValueControlDialog::~CValueControlDialog() = default;

void CValueControlDialog::fillPrograms()
{
    struct entry {
        gstr title;
        gsclProgram* program;
    };
    std::vector<entry> entries;
    jhashTypedIterator<gsclProgram> it(station::programs());
    gsclProgram* program = nullptr;
    while (it.get(program)) {
        if (program->isDefined())
            entries.push_back({program->getTitle(true), program});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const entry& a, const entry& b) {
        return std::lexicographical_compare(
            a.title.view().begin(), a.title.view().end(), b.title.view().begin(), b.title.view().end(),
            [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
    });
    auto* combo = controlAs<QComboBox>(programId);
    for (const entry& e : entries)
        combo->addItem(toUiText(e.title), programData(e.program));
    int current = call_.getProgram() ? combo->findData(programData(call_.getProgram())) : -1;
    combo->setCurrentIndex(current >= 0 ? current : (combo->count() > 0 ? 0 : -1));
}

bool CValueControlDialog::OnInitDialog()
{
    fillPrograms();
    rows_->fill(call_);
    if (isNew_) {
        value_ = owner_.nextFreeValue();
    } else {
        setWindowTitle(toUiText(gstr().loadString(editCaption)));
    }
    dynamic_cast<CUnsignedSpinEdit*>(control(valueId))->setValue(value_);
    return true;
}

void CValueControlDialog::enableButtons(bool enable)
{
    enableControl(editId, enable);
    enableControl(deleteId, enable);
}

// The item before the deleted one is selected; none after the first.
void CValueControlDialog::onDelete()
{
    int row = rows_->selectedRow();
    if (row < 0)
        return;
    rows_->removeRow(row);
    if (row == 0) {
        auto* list = controlAs<QListWidget>(argumentsId);
        list->setCurrentItem(nullptr);
        list->clearSelection();
        enableButtons(false);
        return;
    }
    selectItem(argumentsId, row - 1);
}

void CValueControlDialog::OnOK()
{
    uint32_t value = 0;
    if (!dynamic_cast<CUnsignedSpinEdit*>(control(valueId))->getValue(value))
        return (void)refuseField(valueId, badValue);
    if (owner_.findValue(value, !isNew_) >= 0 && messageBox(replaceQuestion, gbuttons::yesNo) != ganswer::yes)
        return;
    auto* combo = controlAs<QComboBox>(programId);
    call_.setProgram(reinterpret_cast<gprogramUsedByList*>(combo->currentData().value<quintptr>()));
    rows_->storeInto(call_);
    value_ = value;
    EndDialog(IDOK);
}
