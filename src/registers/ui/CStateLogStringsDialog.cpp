#include "registers/ui/CStateLogStringsDialog.h"

#include "registers/ui/CRegisterDialog.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>

namespace {

enum : int { offRow, onRow, acknowledgeRow, maskRow, unmaskRow, rowCount };

// Default texts (formats of the name).
constexpr int statusOff = 10420;
constexpr int oldAlarmClear = 10421;
constexpr int alarmClear = 10422;
constexpr int statusOn = 10423;
constexpr int oldAlarm = 10424;
constexpr int alarmText = 10425;
constexpr int oldAcknowledged = 10426;
constexpr int acknowledged = 10427;
constexpr int masked = 10428;
constexpr int unmasked = 10429;

constexpr int rowTop = 7;
constexpr int rowHeight = 28;
// Below the old-style check box, the page ends; the dialog's buttons follow.
constexpr int pageHeight = rowTop + rowCount * rowHeight + 14;
constexpr int buttonTop = pageHeight + 4;

const char* const rowLabels[rowCount] = {"Alarm &clear/off:", "&Alarm/on:", "Ac&knowledge:", "&Masking:",
                                         "&Unmasking:"};

gstr formatted(int id, const gstrSlice& name)
{
    gstr text;
    text.format(id, name);
    return text;
}

} // namespace

const CStateLogStringsDialog::rowIds CStateLogStringsDialog::rows[5] = {
    {gregister::offLog, 1620, 1621, 1619, 1239, 1636},
    {gregister::onLog, 1623, 1624, 1622, 1241, 1635},
    {gregister::acknowledgeLog, 1626, 1627, 1625, 1224, 1637},
    {gregister::maskLog, 1629, 1630, 1628, 1225, 1638},
    {gregister::unmaskLog, 1632, 1633, 1631, 1226, 1639},
};

CStateLogStringsDialog::CStateLogStringsDialog(CRegisterDialog& registerDialog, QWidget* parent)
    : CDialog(523, parent), registerDialog_(registerDialog), level_(registerDialog.selectedLevel())
{
    setWindowTitle("Edit Register Log Strings");
    setDialogSize(368, buttonTop + 21);
    for (int row = 0; row < rowCount; ++row) {
        const rowIds& ids = rows[row];
        int y = rowTop + row * rowHeight;
        addLabel(-1, rowLabels[row], 7, y + 1, 60, 8);
        auto* group = new QButtonGroup(this);
        group->addButton(addRadioButton(ids.defaultId, "Default ", 70, y, 44, 10));
        group->addButton(addRadioButton(ids.customId, "Custom:", 116, y, 40, 10));
        group->addButton(addRadioButton(ids.noneId, "None", 158, y, 32, 10));
        addEdit(ids.editId, 192, y - 1, 106, 12);
        enableControl(ids.editId, false);
        addLabel(ids.sampleId, "", 80, y + 13, 218, 8);
        for (int id : {ids.defaultId, ids.customId, ids.noneId})
            onCommand(id, [this, row] { rowChanged(row); });
        QObject::connect(controlAs<QLineEdit>(ids.editId), &QLineEdit::textChanged, this,
                         [this, row] { refreshSample(row); });
    }
    addCheckBox(oldStyleId, "Use &old style default log strings", 7, rowTop + rowCount * rowHeight, 200, 10);
    onCommand(oldStyleId, [this] {
        oldStyle_ = isChecked(oldStyleId);
        if (level_ >= gregister::levelAlarm) {
            for (int row : {offRow, onRow, acknowledgeRow})
                refreshSample(row);
        }
    });
}

void CStateLogStringsDialog::createPage(QWidget* parent)
{
    page_ = true;
    setTemplateId(845);
    setParent(parent, Qt::Widget);
    setDialogSize(306, pageHeight);
    ensureInitialized();
}

bool CStateLogStringsDialog::OnInitDialog()
{
    if (!page_) {
        // The dialog is wider than the page: the edits take the room.
        for (int row = 0; row < rowCount; ++row)
            control(rows[row].editId)->setGeometry(dialogUnits(192, rowTop + row * rowHeight - 1, 169, 12));
        addButton(IDOK, "OK", 258, buttonTop, 50, 14, true);
        addButton(IDCANCEL, "Cancel", 311, buttonTop, 50, 14);
        registerDialog_.sampleRegisterName();
    }
    load();
    return !page_;
}

void CStateLogStringsDialog::makeDefaultTexts()
{
    const gstr& name = registerDialog_.sampleName();
    for (auto& pair : defaults_) {
        pair[0] = gstr("");
        pair[1] = gstr("");
    }
    if (level_ == gregister::levelStatus) {
        defaults_[offRow][0] = defaults_[offRow][1] = formatted(statusOff, name);
        defaults_[onRow][0] = defaults_[onRow][1] = formatted(statusOn, name);
    } else if (level_ >= gregister::levelAlarm) {
        defaults_[offRow][0] = formatted(alarmClear, name);
        defaults_[offRow][1] = formatted(oldAlarmClear, name);
        defaults_[onRow][0] = formatted(alarmText, name);
        defaults_[onRow][1] = formatted(oldAlarm, name);
        defaults_[acknowledgeRow][0] = formatted(acknowledged, name);
        defaults_[acknowledgeRow][1] = formatted(oldAcknowledged, name);
    }
    defaults_[maskRow][0] = defaults_[maskRow][1] = formatted(masked, name);
    defaults_[unmaskRow][0] = defaults_[unmaskRow][1] = formatted(unmasked, name);
}

void CStateLogStringsDialog::load()
{
    makeDefaultTexts();
    for (int row = 0; row < rowCount; ++row) {
        const rowIds& ids = rows[row];
        const gstr& text = registerDialog_.logStringCopy(ids.which);
        int checked = text.isNull() ? ids.defaultId : text.isEmpty() ? ids.noneId : ids.customId;
        setChecked(checked, true);
        if (checked == ids.customId)
            setControlText(ids.editId, text);
        enableControl(ids.editId, checked == ids.customId);
    }
    oldStyle_ = registerDialog_.oldStyle();
    setChecked(oldStyleId, oldStyle_);
    for (int row = 0; row < rowCount; ++row)
        refreshSample(row);
}

const gstr& CStateLogStringsDialog::defaultText(int row) const
{
    return defaults_[row][oldStyle_ && row <= acknowledgeRow ? 1 : 0];
}

void CStateLogStringsDialog::rowChanged(int row)
{
    const rowIds& ids = rows[row];
    enableControl(ids.editId, isChecked(ids.customId));
    refreshSample(row);
}

void CStateLogStringsDialog::refreshSample(int row)
{
    const rowIds& ids = rows[row];
    gstr sample("");
    if (isChecked(ids.defaultId))
        sample = defaultText(row);
    else if (isChecked(ids.customId))
        sample.substitute(controlText(ids.editId), registerDialog_.sampleName());
    setControlText(ids.sampleId, sample);
}

bool CStateLogStringsDialog::allDefault() const
{
    for (const rowIds& ids : rows) {
        if (!isChecked(ids.defaultId))
            return false;
    }
    return true;
}

void CStateLogStringsDialog::store()
{
    for (const rowIds& ids : rows) {
        gstr& copy = registerDialog_.logStringCopy(ids.which);
        if (isChecked(ids.defaultId))
            copy.clear();
        else if (isChecked(ids.noneId))
            copy.assign("");
        else
            copy = controlText(ids.editId);
    }
    registerDialog_.setOldStyle(oldStyle_);
}

void CStateLogStringsDialog::OnOK()
{
    store();
    CDialog::OnOK();
}
