#include "registers/ui/CValueLogStringsPane.h"

#include "foundation/garrayVariable.h"
#include "foundation/gnumFormat.h"
#include "platform/modalRun.h"
#include "registers/gvalueLogInfo.h"
#include "registers/ui/CEditDigitalRegisterDialog.h"
#include "registers/ui/CValueLogStringDialog.h"
#include "registers/ui/indicatorSampleValues.h"
#include "registers/ui/valueListItems.h"
#include "shell/CNumberListEdit.h"
#include "shell/CSpinEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>
#include <map>

namespace {

constexpr int noValuesToLog = 10703;
constexpr int noValuesToExclude = 10704;
constexpr int badValuesToLog = 10705;
constexpr int badValuesToExclude = 10706;
constexpr int badDigits = 10707;
constexpr int32_t sampleDigitLimit = 1100;

struct baseEntry {
    const char* text;
    int32_t base;
};
constexpr baseEntry bases[] = {{"Decimal", 10}, {"Hexadecimal", 16}, {"Binary", 2}, {"Octal", 8}};

int baseIndex(int32_t base)
{
    for (int i = 0; i < 4; ++i) {
        if (bases[i].base == base)
            return i;
    }
    return 0;
}

gstr valueItemText(uint32_t value, const gstrSlice& text)
{
    gstr line;
    line.format("%u\t%s", value, text);
    return line;
}

} // namespace

CValueLogStringsPane::CValueLogStringsPane(CEditDigitalRegisterDialog& registerDialog)
    : CValueLogPane(846, registerDialog), digitalDialog_(registerDialog)
{
}

QListWidget& CValueLogStringsPane::list() const { return *controlAs<QListWidget>(listId); }

const gstr& CValueLogStringsPane::sampleName() const { return registerDialog_.sampleName(); }

bool CValueLogStringsPane::hasSettings() const
{
    return list().count() > 0 || selectedItem(otherValuesId) != 0;
}

void CValueLogStringsPane::buildControls()
{
    addLabel(-1, "&Log strings for specific values:", 0, 0, 200, 8);
    QListWidget* items = addListBox(listId, 0, 10, 240, 78);
    addButton(editId, "&Edit...", 246, 10, 56, 14);
    addButton(deleteId, "&Delete", 246, 27, 56, 14);
    addButton(duplicateId, "Dupli&cate...", 246, 44, 56, 14);
    addButton(newId, "&New...", 246, 61, 56, 14);
    enableButtons(false);

    addLabel(-1, "Other values:", 0, 98, 56, 8);
    QComboBox* mode = addComboBox(otherValuesId, false, 60, 96, 180, 12);
    for (const char* text : {"Don't log other values", "Log all other values", "Log only on state values",
                             "Log only off state values", "Log the following values:", "Log all values except:"})
        mode->addItem(text);
    addControl(valuesId, new CNumberListEdit, 60, 113, 180, 12);
    enableControl(valuesId, false);

    formatLabels_.push_back(addLabel(-1, "&Prefix:", 0, 133, 56, 8));
    addEdit(prefixId, 60, 131, 180, 12);
    formatLabels_.push_back(addLabel(-1, "&Suffix:", 0, 149, 56, 8));
    addEdit(suffixId, 60, 147, 180, 12);
    formatLabels_.push_back(addLabel(-1, "&Base:", 0, 165, 56, 8));
    QComboBox* base = addComboBox(baseId, false, 60, 163, 90, 12);
    for (const baseEntry& b : bases)
        base->addItem(b.text);
    formatLabels_.push_back(addLabel(-1, "&Minimum number of digits:", 0, 182, 96, 8));
    addControl(digitsId, new CNonNegativeSpinEdit, 100, 180, 50, 12);
    addCheckBox(useNamesId, "&Use value names", 0, 198, 120, 10);
    formatLabels_.push_back(addLabel(-1, "Sample:", 0, 216, 40, 8));
    addLabel(sampleId, "", 44, 216, 256, 8);

    onCommand(newId, [this] { onNew(); });
    onCommand(editId, [this] { onEdit(); });
    onCommand(duplicateId, [this] { onDuplicate(); });
    onCommand(deleteId, [this] { onDelete(); });
    onCommand(useNamesId, [this] { updateSample(); });
    QObject::connect(items, &QListWidget::itemSelectionChanged, this, [this] {
        if (valueListItems::selectedRow(list()) >= 0)
            enableButtons(true);
    });
    QObject::connect(items, &QListWidget::itemDoubleClicked, this, [this] { onEdit(); });
    QObject::connect(mode, &QComboBox::currentIndexChanged, this, [this] { modeChanged(); });
    QObject::connect(base, &QComboBox::currentIndexChanged, this, [this] { updateSample(); });
    for (int id : {prefixId, suffixId, digitsId})
        QObject::connect(controlAs<QLineEdit>(id), &QLineEdit::textChanged, this, [this] { updateSample(); });
    onNotify(digitsId, spinStepCode, [this](const notifyHeader&) { updateSample(); });
}

void CValueLogStringsPane::createPane(QWidget* parent)
{
    becomeChildOf(parent);
    buildControls();
    ensureInitialized();
    load();
}

void CValueLogStringsPane::load()
{
    const gvalueLogInfo& info = digitalDialog_.valueLogInfo();
    for (const auto& [value, text] : info.valueLogStrings())
        insertItem(value, valueItemText(value, text));
    int32_t mode = std::clamp<int32_t>(info.getMode(), gvalueLogInfo::none, gvalueLogInfo::exclude);
    {
        QSignalBlocker quiet(controlAs<QComboBox>(otherValuesId));
        selectItem(otherValuesId, mode - 1);
    }
    if (mode == gvalueLogInfo::none) {
        selectItem(baseId, 0);
        dynamic_cast<CNonNegativeSpinEdit*>(control(digitsId))->setValue(0);
        enableFormat(false);
        loaded_ = true;
        return;
    }
    if (mode >= gvalueLogInfo::include) {
        enableControl(valuesId, true);
        garrayVariable<uint32_t> values;
        for (uint32_t value : info.values())
            values.append(value);
        dynamic_cast<CNumberListEdit*>(control(valuesId))->setValues(values);
    }
    setControlText(prefixId, info.getPrefix());
    setControlText(suffixId, info.getSuffix());
    selectItem(baseId, baseIndex(info.getBase()));
    dynamic_cast<CNonNegativeSpinEdit*>(control(digitsId))->setValue(info.getWidth());
    setChecked(useNamesId, info.getUseValueNames() > 0);
    loaded_ = true;
    updateSample();
}

void CValueLogStringsPane::modeChanged()
{
    int index = selectedItem(otherValuesId);
    enableControl(valuesId, index >= 4);
    enableFormat(index != 0);
}

void CValueLogStringsPane::enableFormat(bool enable)
{
    for (int id : {prefixId, suffixId, baseId, digitsId, useNamesId})
        enableControl(id, enable);
    for (QLabel* label : formatLabels_)
        label->setEnabled(enable);
    if (enable)
        updateSample();
    else
        setControlText(sampleId, "");
}

void CValueLogStringsPane::updateSample()
{
    if (!loaded_)
        return;
    gstr sample("");
    sample.substitute(controlText(prefixId), sampleName());
    uint32_t value = indicatorDigitalValue();
    gstr name;
    if (!(isChecked(useNamesId) && digitalDialog_.valueName(value, name))) {
        int32_t digits = 0;
        if (!dynamic_cast<CNonNegativeSpinEdit*>(control(digitsId))->getValue(digits))
            digits = 0;
        // A sample line shows no more leading zeros than this.
        digits = std::min(digits, sampleDigitLimit);
        gstr number;
        gnumFormat(static_cast<uint32_t>(bases[std::max(selectedItem(baseId), 0)].base)).appendToString(number, value);
        for (int32_t n = number.length(); n < digits; ++n)
            name.append('0');
        name.append(number);
    }
    sample.append(name);
    gstr suffix("");
    suffix.substitute(controlText(suffixId), sampleName());
    sample.append(suffix);
    setControlText(sampleId, sample);
}

void CValueLogStringsPane::enableButtons(bool enable)
{
    for (int id : {editId, deleteId, duplicateId})
        enableControl(id, enable);
}

uint32_t CValueLogStringsPane::nextFreeValue() const { return valueListItems::nextFreeValue(list()); }

int CValueLogStringsPane::findValue(uint32_t value, bool editing) const
{
    return valueListItems::findValue(list(), value, editing);
}

int CValueLogStringsPane::insertItem(uint32_t value, const gstrSlice& text)
{
    return valueListItems::insertItem(list(), value, text);
}

bool CValueLogStringsPane::runEntry(uint32_t& value, gstr& text, bool isNew)
{
    CValueLogStringDialog entry(*this, value, text, isNew, this);
    if (entry.DoModal() != IDOK)
        return false;
    value = entry.value();
    text = entry.text();
    return true;
}

void CValueLogStringsPane::placeEntry(uint32_t value, const gstrSlice& text)
{
    int same = findValue(value, false);
    if (same >= 0)
        delete list().takeItem(same);
    list().setCurrentRow(insertItem(value, valueItemText(value, text)));
    enableButtons(true);
}

void CValueLogStringsPane::onNew()
{
    uint32_t value = 0;
    gstr text("");
    if (runEntry(value, text, true))
        placeEntry(value, text);
}

void CValueLogStringsPane::onEdit()
{
    int row = valueListItems::selectedRow(list());
    if (row < 0)
        return;
    uint32_t value = valueListItems::valueAt(list(), row);
    gstr text = valueListItems::textAfterTab(list(), row);
    if (!runEntry(value, text, false))
        return;
    delete list().takeItem(row);
    placeEntry(value, text);
}

void CValueLogStringsPane::onDuplicate()
{
    int row = valueListItems::selectedRow(list());
    if (row < 0)
        return;
    uint32_t value = 0;
    gstr text = valueListItems::textAfterTab(list(), row);
    if (runEntry(value, text, true))
        placeEntry(value, text);
}

void CValueLogStringsPane::onDelete()
{
    int row = valueListItems::selectedRow(list());
    if (row < 0)
        return;
    delete list().takeItem(row);
    if (list().count() == 0) {
        enableButtons(false);
        return;
    }
    list().setCurrentRow(std::min(row, list().count() - 1));
}

bool CValueLogStringsPane::storeSettings()
{
    std::map<uint32_t, gstr> logStrings;
    for (int row = 0; row < list().count(); ++row)
        logStrings[valueListItems::valueAt(list(), row)] = valueListItems::textAfterTab(list(), row);
    int32_t mode = selectedItem(otherValuesId) + 1;
    garrayVariable<uint32_t> values;
    int32_t digits = 0;
    if (mode != gvalueLogInfo::none) {
        if (mode >= gvalueLogInfo::include) {
            bool include = mode == gvalueLogInfo::include;
            if (!dynamic_cast<CNumberListEdit*>(control(valuesId))->getValues(values))
                return refuseField(valuesId, include ? badValuesToLog : badValuesToExclude);
            if (values.size() == 0) {
                messageBox(include ? noValuesToLog : noValuesToExclude, gbuttons::ok);
                control(valuesId)->setFocus();
                return false;
            }
        }
        if (!dynamic_cast<CNonNegativeSpinEdit*>(control(digitsId))->getValue(digits))
            return refuseField(digitsId, badDigits);
    }
    gvalueLogInfo& info = digitalDialog_.valueLogInfo();
    info.valueLogStrings() = std::move(logStrings);
    info.setMode(mode);
    info.values().clear();
    for (int32_t i = 0; i < values.size(); ++i)
        info.values().push_back(values[i]);
    bool none = mode == gvalueLogInfo::none;
    info.setPrefix(none ? gstrSlice::empty : gstrSlice(controlText(prefixId)));
    info.setSuffix(none ? gstrSlice::empty : gstrSlice(controlText(suffixId)));
    if (!none) {
        info.setBase(bases[std::max(selectedItem(baseId), 0)].base);
        info.setWidth(digits);
        info.setUseValueNames(isChecked(useNamesId) ? 1 : 0);
    }
    return true;
}
