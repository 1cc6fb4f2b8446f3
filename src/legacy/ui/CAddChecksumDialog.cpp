#include "legacy/ui/CAddChecksumDialog.h"

#include "foundation/jhashIterator.h"
#include "platform/modalRun.h"
#include "platform/settingsStore.h"
#include "shell/CSpinEdit.h"

namespace {

const char* const settingsSection = "Dialogs\\Checksum";
constexpr int offsetRefused = 10969;
constexpr int excludeRefused = 10970;
// By the count: none, one, "%d"; appended, then replaced.
constexpr int addedReports[] = {10971, 10973, 10975};
constexpr int modifiedReports[] = {10972, 10974, 10976};

struct checksumType {
    int buttonId;
    int code;
};
constexpr checksumType types[] = {
    {CAddChecksumDialog::lrcId, 2}, {CAddChecksumDialog::modulus256Id, 7}, {CAddChecksumDialog::printableId, 8}};

} // namespace

CAddChecksumDialog::CAddChecksumDialog(glegacyCommandTable& commands, QWidget* parent)
    : CDialog(templateId, parent), commands_(commands)
{
    setWindowTitle(QStringLiteral("Add/Change Checksum"));
    setDialogSize(226, 104);
    addGroupBox(-1, "Type of checksum:", 7, 7, 100, 56);
    addRadioButton(lrcId, "&LRC", 14, 19, 86, 10);
    addRadioButton(modulus256Id, "&Modulus 256", 14, 33, 86, 10);
    addRadioButton(printableId, "&Printable checksum", 14, 47, 86, 10);
    addCheckBox(replaceId, "&Replace checksum", 7, 69, 80, 10);
    offset_ = addControl(offsetId, new CUnsignedSpinEdit, 90, 68, 36, 12);
    addLabel(-1, "bytes from the end", 130, 70, 70, 8);
    addCheckBox(excludeId, "&Exclude the first", 7, 85, 80, 10);
    excludeSize_ = addControl(excludeSizeId, new CUnsignedSpinEdit, 90, 84, 36, 12);
    excludeSize_->spin().minimum = 1;
    addLabel(-1, "bytes", 130, 86, 40, 8);
    addButton(addId, "&Add/Change", 116, 7, 60, 14, true);
    addButton(IDCANCEL, "&Close", 116, 24, 60, 14);

    onCommand(replaceId, [this] { enableFields(); });
    onCommand(excludeId, [this] { enableFields(); });
    onCommand(addId, [this] { addOrChange(); });
}

bool CAddChecksumDialog::OnInitDialog()
{
    int type = profileInt(settingsSection, "Type", 0);
    if (type < 0 || type > 2)
        type = 0;
    checkRadioButton(lrcId, modulus256Id, types[type].buttonId);
    setChecked(excludeId, profileInt(settingsSection, "Exclude", 0) != 0);
    setChecked(replaceId, profileInt(settingsSection, "Replace", 0) != 0);
    offset_->setValue(static_cast<uint32_t>(profileInt(settingsSection, "Offset", 0)));
    excludeSize_->setValue(static_cast<uint32_t>(profileInt(settingsSection, "ExcludeSize", 0)));
    enableFields();
    return true;
}

int CAddChecksumDialog::typeIndex() const
{
    for (int i = 0; i < 3; ++i) {
        if (isChecked(types[i].buttonId))
            return i;
    }
    return 0;
}

void CAddChecksumDialog::enableFields()
{
    enableControl(offsetId, isChecked(replaceId));
    enableControl(excludeSizeId, isChecked(excludeId));
}

void CAddChecksumDialog::addOrChange()
{
    int code = types[typeIndex()].code;
    bool replacing = isChecked(replaceId);
    int64_t offset = -1;
    uint32_t value = 0;
    if (replacing) {
        if (!offset_->getValue(value))
            return (void)refuseField(offsetId, offsetRefused);
        offset = value;
    }
    int64_t exclude = 0;
    if (isChecked(excludeId)) {
        if (!excludeSize_->getValue(value))
            value = 0;
        if (value == 0)
            return (void)refuseField(excludeSizeId, excludeRefused);
        exclude = value;
    }
    int count = 0;
    jhashTypedIterator<glegacyCommand> it(commands_);
    glegacyCommand* command = nullptr;
    while (it.get(command))
        count += command->applyChecksum(code, offset, exclude);
    int report = (replacing ? modifiedReports : addedReports)[count > 1 ? 2 : count];
    gstr text;
    text.format(report, count);
    messageBox(text, gbuttons::ok, count > 0 ? gicon::information : gicon::none, report);
}

// An exclude count of 0 would be refused next time: it is kept as 1 with
// the check box cleared.
void CAddChecksumDialog::OnCancel()
{
    uint32_t offset = 0;
    if (!offset_->getValue(offset))
        offset = 0;
    uint32_t exclude = 0;
    if (!excludeSize_->getValue(exclude))
        exclude = 0;
    bool excluding = isChecked(excludeId) && exclude != 0;
    writeProfileInt(settingsSection, "Type", typeIndex());
    writeProfileInt(settingsSection, "Exclude", excluding ? 1 : 0);
    writeProfileInt(settingsSection, "Replace", isChecked(replaceId) ? 1 : 0);
    writeProfileInt(settingsSection, "Offset", static_cast<int>(offset));
    writeProfileInt(settingsSection, "ExcludeSize", exclude == 0 ? 1 : static_cast<int>(exclude));
    CDialog::OnCancel();
}
