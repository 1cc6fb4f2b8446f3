#include "registers/ui/CPasteRegisterTagDialog.h"

#include "foundation/jhashIterator.h"
#include "platform/settingsStore.h"
#include "registers/gregister.h"
#include "shell/CIconListBox.h"
#include "store/gstation.h"

namespace {

const char* const section = "Settings\\Paste Dialogs";
const char* const lastRegister = "Register";

struct classBox {
    int id;
    const char* entry;
};

// In class-code order.
constexpr classBox classBoxes[] = {
    {CPasteRegisterTagDialog::bistateId, "ShowBistateRegisters"},
    {CPasteRegisterTagDialog::digitalId, "ShowDigitalRegisters"},
    {CPasteRegisterTagDialog::analogId, "ShowAnalogRegisters"},
    {CPasteRegisterTagDialog::stringId, "ShowStringRegisters"},
};

} // namespace

CPasteRegisterTagDialog::CPasteRegisterTagDialog(QWidget* parent) : CDialog(576, parent)
{
    setWindowTitle("Paste Register Tag");
    setDialogSize(200, 150);
    addLabel(-1, "&Register:", 7, 7, 60, 8);
    list_ = addControl(listId, new CRegisterListBox(0), 7, 17, 126, 126);
    addLabel(-1, "Show:", 140, 50, 50, 8);
    addCheckBox(bistateId, "&Bistate Regs.", 140, 62, 56, 10);
    addCheckBox(digitalId, "&Digital Regs.", 140, 74, 56, 10);
    addCheckBox(analogId, "&Analog Regs.", 140, 86, 56, 10);
    addCheckBox(stringId, "&String Regs.", 140, 98, 56, 10);
    addButton(IDOK, "OK", 143, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 143, 24, 50, 14);

    for (const classBox& box : classBoxes) {
        onCommand(box.id, [this] {
            gregister* reg = selectedRegister();
            fill(reg ? gstrSlice(reg->getTag()) : gstrSlice::null);
        });
    }
    QObject::connect(list_, &QListWidget::itemSelectionChanged, this,
                     [this] { enableControl(IDOK, selectedRegister() != nullptr); });
    QObject::connect(list_, &QListWidget::itemDoubleClicked, this, [this] { OnOK(); });
}

CPasteRegisterTagDialog::~CPasteRegisterTagDialog()
{
    if (opened_)
        saveSettings();
}

bool CPasteRegisterTagDialog::OnInitDialog()
{
    opened_ = true;
    for (const classBox& box : classBoxes)
        setChecked(box.id, profileInt(section, box.entry, 1) != 0);
    gstr tag = profileString(section, lastRegister, gstrSlice::null);
    fill(tag);
    return true;
}

void CPasteRegisterTagDialog::fill(const gstrSlice& tag)
{
    bool shown[5] = {false};
    for (int i = 0; i < 4; ++i)
        shown[i + 1] = isChecked(classBoxes[i].id);
    list_->clear();
    jhashTypedIterator<gregister> it(station::registers());
    gregister* reg = nullptr;
    while (it.get(reg)) {
        if (reg->isDefined() && shown[gregister::classCode(*reg)])
            list_->addEntry(reg->getTitle(true), reg);
    }
    list_->sortItems();
    for (int row = 0; row < list_->count() && !tag.isNull(); ++row) {
        if (static_cast<const gregister*>(list_->entryObject(row))->getTag() == tag) {
            list_->setCurrentRow(row);
            break;
        }
    }
    enableControl(IDOK, selectedRegister() != nullptr);
}

gregister* CPasteRegisterTagDialog::selectedRegister() const
{
    QListWidgetItem* item = list_->currentItem();
    if (!item || !item->isSelected())
        return nullptr;
    return static_cast<gregister*>(const_cast<void*>(list_->entryObject(list_->row(item))));
}

void CPasteRegisterTagDialog::OnOK()
{
    gregister* reg = selectedRegister();
    if (!reg)
        return;
    result_.assign("\"");
    result_.append(reg->getTag());
    result_.append('"');
    EndDialog(IDOK);
}

void CPasteRegisterTagDialog::saveSettings() const
{
    if (gregister* reg = selectedRegister())
        writeProfileString(section, lastRegister, reg->getTag());
    else
        deleteProfileValue(section, lastRegister);
    for (const classBox& box : classBoxes)
        writeProfileInt(section, box.entry, isChecked(box.id) ? 1 : 0);
}
