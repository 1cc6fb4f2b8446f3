#include "sabus/ui/COtherResponseDataDialogs.h"

#include "foundation/jhashIterator.h"
#include "platform/modalRun.h"
#include "platform/sortedItems.h"
#include "platform/textCodec.h"
#include "registers/gregister.h"
#include "resources/stringTable.h"
#include "sabus/gsabusBitFieldData.h"
#include "sabus/gsabusFixedStringData.h"
#include "sabus/gsabusProcessorData.h"
#include "sabus/ui/sabusDialogItems.h"
#include "scl/argumentOrder.h"
#include "scl/gsclProgram.h"
#include "shell/CAutoWidthCombo.h"
#include "shell/CFilteredEdit.h"
#include "shell/programArgumentEditor.h"
#include "store/gstation.h"

#include <QLineEdit>

namespace {

constexpr int newBitsCaption = 10463;
constexpr int newFixedCaption = 10464;
constexpr int newProcessorCaption = 10476;
constexpr int alwaysZeroText = 10465;
constexpr int alwaysOneText = 10466;
constexpr int noPrograms = 10180;
constexpr int replaceArgument = 10227;

constexpr int rowHeight = 16;

uint8_t bitOf(int bit) { return static_cast<uint8_t>(1u << bit); }

} // namespace

// --- Register Status Bits

CEditRegisterStatusBitsResponseDataDialog::CEditRegisterStatusBitsResponseDataDialog(
    const gsabusResponseData* source, gsabusResponseData* target, QWidget* parent)
    : CResponseDataDialog(templateId, "Edit Register Status Bits Response Data", newBitsCaption, source, target,
                          parent)
{
    setDialogSize(450, 150);
    addLabel(-1, "Bit 7:", 7, 9, 30, 8);
    addLabel(-1, "<always 0>", 40, 9, 100, 8);
    addLabel(-1, "Bit 6:", 7, 25, 30, 8);
    addLabel(-1, "<complement of bit 5>", 40, 25, 100, 8);
    for (int bit = gsabusBitFieldData::slotCount - 1; bit >= 0; --bit)
        addRow(bit, 41 + (gsabusBitFieldData::slotCount - 1 - bit) * rowHeight);
    addButton(IDOK, "OK", 393, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 393, 24, 50, 14);
}

void CEditRegisterStatusBitsResponseDataDialog::addRow(int bit, int y)
{
    static const char* const labels[] = {"Bit &0:", "Bit &1:", "Bit &2:", "Bit &3:", "Bit &4:", "Bit &5:"};
    addLabel(-1, labels[bit], 7, y + 2, 30, 8);
    auto* combo = addControl(registerId + bit, new CAutoWidthCombo, 40, y, 100, 100);
    addRadioButton(onId + bit, "Set bit on alarm/on", 145, y + 1, 75, 10);
    addRadioButton(offId + bit, "Set bit on alarm clear/off", 222, y + 1, 90, 10);
    sabusItems::groupRadios(*this, {onId + bit, offId + bit});
    addCheckBox(errorId + bit, "Set bit on error state", 315, y - 3, 75, 10);
    addCheckBox(maskedId + bit, "Set bit if masked", 315, y + 6, 75, 10);
    QObject::connect(combo, &QComboBox::currentIndexChanged, this, [this, bit] { enableRow(bit); });
}

bool CEditRegisterStatusBitsResponseDataDialog::fillFields()
{
    for (int bit = 0; bit < gsabusBitFieldData::slotCount; ++bit)
        fillRow(bit);
    return true;
}

void CEditRegisterStatusBitsResponseDataDialog::fillRow(int bit)
{
    auto* combo = controlAs<QComboBox>(registerId + bit);
    sabusItems::fillRegisters(*combo, 0);
    combo->insertItem(alwaysZero, toUiText(gstrSlice(stringTableText(alwaysZeroText))), sabusItems::data<gregister>(nullptr));
    combo->insertItem(alwaysOne, toUiText(gstrSlice(stringTableText(alwaysOneText))), sabusItems::data<gregister>(nullptr));
    const auto* item = sourceAs<gsabusBitFieldData>();
    gregister* reg = item ? item->getRegister(bit) : nullptr;
    bool invert = item && item->getInvertBits() != gsabusBitFieldData::unsetMask && (item->getInvertBits() & bitOf(bit));
    int index = reg ? sabusItems::indexOfData(*combo, sabusItems::data(reg)) : -1;
    if (index < 0)
        index = invert ? alwaysOne : alwaysZero;
    combo->setCurrentIndex(index);
    bool registerRow = index > alwaysOne;
    checkRadioButton(onId + bit, offId + bit, registerRow && invert ? offId + bit : onId + bit);
    auto has = [&](uint8_t mask) { return registerRow && mask != gsabusBitFieldData::unsetMask && (mask & bitOf(bit)); };
    setChecked(errorId + bit, item && has(item->getErrorBits()));
    setChecked(maskedId + bit, item && has(item->getMaskedBits()));
    enableRow(bit);
}

gregister* CEditRegisterStatusBitsResponseDataDialog::rowRegister(int bit) const
{
    auto* combo = controlAs<QComboBox>(registerId + bit);
    return combo->currentIndex() > alwaysOne ? sabusItems::at<gregister>(*combo, combo->currentIndex()) : nullptr;
}

void CEditRegisterStatusBitsResponseDataDialog::enableRow(int bit)
{
    bool on = rowRegister(bit) != nullptr;
    for (int id : {onId, offId, errorId, maskedId})
        enableControl(id + bit, on);
}

std::unique_ptr<gsabusResponseData> CEditRegisterStatusBitsResponseDataDialog::makeItem() const
{
    return std::make_unique<gsabusBitFieldData>();
}

void CEditRegisterStatusBitsResponseDataDialog::storeFields(gsabusResponseData& target)
{
    auto& item = static_cast<gsabusBitFieldData&>(target);
    uint8_t error = 0;
    uint8_t masked = 0;
    uint8_t invert = 0;
    for (int bit = 0; bit < gsabusBitFieldData::slotCount; ++bit) {
        gregister* reg = rowRegister(bit);
        item.setRegister(bit, reg);
        if (!reg) {
            if (controlAs<QComboBox>(registerId + bit)->currentIndex() == alwaysOne)
                invert |= bitOf(bit);
            continue;
        }
        invert |= isChecked(offId + bit) ? bitOf(bit) : 0;
        error |= isChecked(errorId + bit) ? bitOf(bit) : 0;
        masked |= isChecked(maskedId + bit) ? bitOf(bit) : 0;
    }
    item.setErrorBits(error);
    item.setMaskedBits(masked);
    item.setInvertBits(invert);
}

// --- Fixed Data String

CEditFixedStringResponseDataDialog::CEditFixedStringResponseDataDialog(const gsabusResponseData* source,
                                                                       gsabusResponseData* target, QWidget* parent)
    : CResponseDataDialog(templateId, "Edit Fixed Data String Response Data", newFixedCaption, source, target,
                          parent)
{
    setDialogSize(250, 45);
    addLabel(-1, "&Data string:", 7, 9, 50, 8);
    auto* edit = addControl(stringId, new CPrintableEdit, 60, 7, 125, 12);
    sabusItems::acceptPrintableOnly(*edit);
    QObject::connect(edit, &QLineEdit::textChanged, this,
                     [this] { enableControl(IDOK, !controlText(stringId).isEmpty()); });
    addButton(IDOK, "OK", 193, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 193, 24, 50, 14);
}

bool CEditFixedStringResponseDataDialog::fillFields()
{
    if (const auto* item = sourceAs<gsabusFixedStringData>())
        setControlText(stringId, item->getString());
    enableControl(IDOK, !controlText(stringId).isEmpty());
    return true;
}

// Enter reaches OK even while it is disabled.
bool CEditFixedStringResponseDataDialog::checkFields() { return !controlText(stringId).isEmpty(); }

std::unique_ptr<gsabusResponseData> CEditFixedStringResponseDataDialog::makeItem() const
{
    return std::make_unique<gsabusFixedStringData>();
}

void CEditFixedStringResponseDataDialog::storeFields(gsabusResponseData& item)
{
    static_cast<gsabusFixedStringData&>(item).setString(controlText(stringId));
}

// --- Processor

CEditProcessorResponseDataDialog::CEditProcessorResponseDataDialog(const gsabusResponseData* source,
                                                                   gsabusResponseData* target, QWidget* parent)
    : CResponseDataDialog(templateId, "Edit Processor Response Data", newProcessorCaption, source, target, parent)
{
    setDialogSize(280, 130);
    addLabel(-1, "&Program:", 7, 9, 50, 8);
    programs_ = addControl(programId, new CAutoWidthCombo, 60, 7, 150, 100);
    addLabel(-1, "&Arguments:", 7, 25, 50, 8);
    auto* list = addListBox(argumentsId, 7, 35, 150, 88);
    addButton(editId, "&Edit...", 162, 35, 50, 14);
    addButton(deleteId, "&Delete", 162, 52, 50, 14);
    addButton(newId, "&New...", 162, 69, 50, 14);
    arguments_.attach(*this, list, {editId, deleteId}, editId);
    onCommand(editId, [this] { OnEditArgument(); });
    onCommand(deleteId, [this] { arguments_.deleteSelected(); });
    onCommand(newId, [this] { OnNewArgument(); });
    addButton(IDOK, "OK", 223, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 223, 24, 50, 14);
}

bool CEditProcessorResponseDataDialog::fillFields()
{
    std::vector<listedItem> programs;
    jhashTypedIterator<gsclProgram> it(station::programs());
    gsclProgram* program = nullptr;
    while (it.get(program)) {
        if (program->isDefined())
            programs.push_back(
                {toUiText(program->getTitle(true)), sabusItems::data(static_cast<gprogramUsedByList*>(program))});
    }
    sortListedItems(programs, listOrder::collated);
    appendListedItems(*programs_, programs);
    if (programs_->count() == 0) {
        messageBox(noPrograms, gbuttons::ok);
        return false;
    }
    const auto* item = sourceAs<gsabusProcessorData>();
    int index = item ? sabusItems::indexOfData(*programs_, sabusItems::data(item->call().getProgram())) : -1;
    programs_->setCurrentIndex(index >= 0 ? index : 0);
    if (!item)
        return true;
    for (int i = 0; i < item->call().argumentCount(); ++i) {
        if (const gprogramArgument* argument = item->call().getArgument(i))
            arguments_.insertSorted(std::make_unique<gprogramArgument>(*argument), describeProgramArgument(*argument));
    }
    sabusItems::selectRow(arguments_.list(), -1);
    arguments_.enableButtons(false);
    return true;
}

bool CEditProcessorResponseDataDialog::editUnique(gprogramArgument& argument, const gprogramArgument* editedEntry)
{
    for (;;) {
        if (!runProgramArgumentEditor(argument, this))
            return false;
        bool kept = false;
        for (int row = arguments_.count() - 1; row >= 0; --row) {
            const gprogramArgument* other = arguments_.at(row);
            if (other == editedEntry || !other->hasSameName(argument))
                continue;
            if (messageBox(replaceArgument, gbuttons::okCancel) == ganswer::ok)
                arguments_.take(row);
            else
                kept = true;
        }
        if (!kept)
            return true;
    }
}

void CEditProcessorResponseDataDialog::OnEditArgument()
{
    const gprogramArgument* entry = arguments_.selectedObject();
    if (!entry)
        return;
    auto edited = std::make_unique<gprogramArgument>(*entry);
    if (!editUnique(*edited, entry))
        return;
    for (int row = 0; row < arguments_.count(); ++row) {
        if (arguments_.at(row) == entry) {
            arguments_.take(row);
            break;
        }
    }
    gstr text = describeProgramArgument(*edited);
    arguments_.insertSorted(std::move(edited), text);
}

void CEditProcessorResponseDataDialog::OnNewArgument()
{
    int type = runArgumentTypeChooser(this);
    if (type == 0)
        return;
    auto argument = std::make_unique<gprogramArgument>(type);
    if (!editUnique(*argument, nullptr))
        return;
    gstr text = describeProgramArgument(*argument);
    arguments_.insertSorted(std::move(argument), text);
}

std::unique_ptr<gsabusResponseData> CEditProcessorResponseDataDialog::makeItem() const
{
    return std::make_unique<gsabusProcessorData>();
}

void CEditProcessorResponseDataDialog::storeFields(gsabusResponseData& target)
{
    gprocessorCall call;
    call.setProgram(sabusItems::at<gprogramUsedByList>(*programs_, programs_->currentIndex()));
    std::vector<const gprogramArgument*> listed;
    for (int row = arguments_.count() - 1; row >= 0; --row)
        listed.push_back(arguments_.at(row));
    const auto* source = sourceAs<gsabusProcessorData>();
    setArgumentsInOrderOf(call, listed, source ? source->call() : call);
    static_cast<gsabusProcessorData&>(target).setCall(call);
}
