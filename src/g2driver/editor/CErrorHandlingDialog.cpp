#include "g2driver/editor/CErrorHandlingDialog.h"

#include "foundation/charClasses.h"
#include "foundation/jhashIterator.h"
#include "g2driver/editor/CEditErrorCodeDialog.h"
#include "g2driver/editor/CEditG2DeviceDriverDialog.h"
#include "foundation/gmilliseconds.h"
#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "platform/userLocale.h"
#include "ports/g2driverErrorHandling.h"
#include "ports/portFields.h"
#include "resources/stringTable.h"
#include "shell/CSpinEdit.h"
#include "shell/editNumbers.h"
#include "shell/fieldEdits.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QListWidget>
#include <algorithm>

namespace {

constexpr int noneText = 10615;
constexpr int valuesMissing = 10616;
constexpr int valuesRefused = 10617;
constexpr int patternMissing = 10618;
constexpr int patternRefused = 10619;
constexpr int noDefaultRule = 10620;
constexpr int twoDefaultRules = 10621;
constexpr int codeInUse = 20024;

const char* const ruleLabels[] = {"Don't do &anything for these errors:", "&Reinitialize after these errors:",
                                  "Re&try after these errors:"};

// Unsigned decimal numbers between the separator, blanks allowed around
// both; no empty item and no separator at the end.
bool readNumberList(const gstr& text, std::vector<uint32_t>& out)
{
    char separator = getUserListSeparator();
    const char* p = text.data();
    for (;;) {
        while (charClass::isWhite(*p))
            ++p;
        const char* start = p;
        uint32_t value = 0;
        bool negative = false;
        p = readUnsignedNumber(p, 10, value, &negative);
        while (charClass::isWhite(*p))
            ++p;
        if (p == start || negative)
            return false;
        out.push_back(value);
        if (p == text.end())
            return true;
        if (*p++ != separator)
            return false;
    }
}

gstr numberListText(const std::vector<uint32_t>& numbers)
{
    const char separator[3] = {getUserListSeparator(), ' ', 0};
    gstr text("");
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0)
            text.append(separator);
        text.append(formatUnsigned(numbers[i]));
    }
    return text;
}

} // namespace

CErrorHandlingDialog::CErrorHandlingDialog(CEditG2DeviceDriverDialog& owner, QWidget* parent)
    : CDialog(templateId, parent), owner_(owner)
{
    buildControls();
}

CErrorHandlingDialog::~CErrorHandlingDialog() { codes_.deleteAll(); }

void CErrorHandlingDialog::buildControls()
{
    setWindowTitle(QStringLiteral("Error Handling"));
    setDialogSize(330, 232);
    addLabel(-1, "&Error codes:", 7, 7, 100, 8);
    addListBox(codesId, 7, 17, 110, 60);
    addButton(editId, "Edit...", 121, 17, 50, 14);
    addButton(deleteId, "Delete", 121, 33, 50, 14);
    addButton(duplicateId, "Duplicate...", 121, 49, 50, 14);
    addButton(newId, "New...", 121, 65, 50, 14);
    addButton(IDOK, "OK", 273, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 273, 24, 50, 14);
    addLabel(-1, "&Main error code:", 7, 86, 70, 8);
    mainCode_ = addComboBox(mainCodeId, false, 80, 84, 110, 80);
    for (int rule = 0; rule < 3; ++rule) {
        int y = 104 + rule * 30;
        addLabel(-1, ruleLabels[rule], 7, y, 150, 8);
        addRadioButton(noneIds[rule], "None", 7, y + 12, 40, 10);
        addRadioButton(onlyIds[rule], "Only these:", 50, y + 12, 55, 10);
        addEdit(valuesIds[rule], 106, y + 11, 150, 12);
        addRadioButton(otherIds[rule], "All other", 260, y + 12, 55, 10);
        // Each rule's buttons exclude one another only.
        auto* group = new QButtonGroup(this);
        for (int id : {noneIds[rule], onlyIds[rule], otherIds[rule]})
            group->addButton(controlAs<QAbstractButton>(id));
        onCommand(noneIds[rule], [this, rule] { ruleClicked(rule); });
        onCommand(onlyIds[rule], [this, rule] { ruleClicked(rule); });
        onCommand(otherIds[rule], [this, rule] { ruleClicked(rule); });
    }
    addLabel(delayLabelId, "&Delay between retries:", 7, 198, 90, 8);
    delay_ = addControl(delayId, new CRealSpinEdit, 100, 196, 40, 12);
    addLabel(delayUnitId, "s", 144, 198, 10, 8);
    addLabel(retriesLabelId, "Maximum &number of retries:\n(including first try)", 160, 194, 100, 16);
    retries_ = addControl(retriesId, new CNonNegativeSpinEdit, 262, 196, 40, 12);
    fieldEdits::limitSpin(*delay_, portFields::retryDelay);
    fieldEdits::limitSpin(*retries_, portFields::retries);
    for (int id : {editId, deleteId, duplicateId})
        enableControl(id, false);

    auto* list = controlAs<QListWidget>(codesId);
    QObject::connect(list, &QListWidget::currentRowChanged, this, [this] { codeSelected(); });
    QObject::connect(list, &QListWidget::itemDoubleClicked, this, [this] { editCode(true, true); });
    QObject::connect(mainCode_, &QComboBox::activated, this, [this] { mainCodeChanged(); });
    onCommand(editId, [this] { editCode(true, true); });
    onCommand(duplicateId, [this] { editCode(true, false); });
    onCommand(newId, [this] { editCode(false, false); });
    onCommand(deleteId, [this] { deleteCode(); });
}

bool CErrorHandlingDialog::OnInitDialog()
{
    const g2driverErrorHandling& record = owner_.workingErrorHandling();
    g2driverErrorCode* chosen = nullptr;
    jhashTypedIterator<g2driverErrorCode> it(owner_.workingErrorCodes());
    g2driverErrorCode* code = nullptr;
    while (it.get(code)) {
        g2driverErrorCode* copy = codes_.define(code->getName());
        if (!copy)
            continue;
        copy->setKind(code->getKind());
        copy->usedBy().makeAliasOf(code->usedBy());
        listed_.push_back(copy);
        addItem(codesId, copy->getName());
        if (code == record.getErrorCode())
            chosen = copy;
    }
    fillMainCodes(chosen);
    showRule(0, record.ignoreSet());
    showRule(1, record.reinitSet());
    showRule(2, record.retrySet());
    if (record.retrySet().getKind() == g2driverErrorValueSet::none) {
        delay_->setValue(0.25);
        retries_->setValue(3);
    } else {
        fieldEdits::showSeconds(*delay_, record.getRetryDelay());
        retries_->setValue(record.getRetries());
    }
    mainCodeChanged();
    for (int rule = 0; rule < 3; ++rule)
        enableControl(valuesIds[rule], isChecked(onlyIds[rule]));
    enableRetryFields();
    return true;
}

void CErrorHandlingDialog::showRule(int rule, const g2driverErrorValueSet& set)
{
    switch (set.getKind()) {
    case g2driverErrorValueSet::values: {
        setChecked(onlyIds[rule], true);
        gstr text("");
        if (set.pattern().isSet())
            set.pattern().toString(text, true);
        else
            text = numberListText(set.numbers());
        setControlText(valuesIds[rule], text);
        return;
    }
    case g2driverErrorValueSet::byDefault: setChecked(otherIds[rule], true); return;
    default: setChecked(noneIds[rule], true); return;
    }
}

// "<None>" first, then the tags in byte order; the chosen code stays chosen.
void CErrorHandlingDialog::fillMainCodes(g2driverErrorCode* chosen)
{
    std::vector<g2driverErrorCode*> sorted = listed_;
    std::sort(sorted.begin(), sorted.end(), [](const g2driverErrorCode* a, const g2driverErrorCode* b) {
        return gstrSlice(a->getName()).compare(b->getName()) < 0;
    });
    QSignalBlocker quiet(mainCode_);
    mainCode_->clear();
    mainCode_->addItem(toUiText(stringTableText(noneText)));
    for (g2driverErrorCode* code : sorted) {
        mainCode_->addItem(toUiText(code->getName()), QVariant::fromValue(static_cast<void*>(code)));
        if (code == chosen)
            mainCode_->setCurrentIndex(mainCode_->count() - 1);
    }
    if (!chosen)
        mainCode_->setCurrentIndex(0);
}

g2driverErrorCode* CErrorHandlingDialog::chosenMainCode() const
{
    return static_cast<g2driverErrorCode*>(mainCode_->currentData().value<void*>());
}

void CErrorHandlingDialog::mainCodeChanged()
{
    bool hasCode = chosenMainCode() != nullptr;
    for (int rule = 0; rule < 3; ++rule) {
        if (!hasCode && isChecked(onlyIds[rule])) {
            setChecked(noneIds[rule], true);
            enableControl(valuesIds[rule], false);
        }
        enableControl(onlyIds[rule], hasCode);
    }
    enableRetryFields();
}

void CErrorHandlingDialog::ruleClicked(int rule)
{
    enableControl(valuesIds[rule], isChecked(onlyIds[rule]));
    if (rule == 2)
        enableRetryFields();
}

void CErrorHandlingDialog::enableRetryFields()
{
    bool retry = !isChecked(noneIds[2]);
    for (int id : {delayLabelId, delayId, delayUnitId, retriesLabelId, retriesId})
        enableControl(id, retry);
}

g2driverErrorCode* CErrorHandlingDialog::selectedCode() const
{
    int row = selectedItem(codesId);
    return row >= 0 && row < static_cast<int>(listed_.size()) ? listed_[static_cast<size_t>(row)] : nullptr;
}

void CErrorHandlingDialog::codeSelected() { enableCodeButtons(selectedCode() != nullptr); }

void CErrorHandlingDialog::enableCodeButtons(bool enable)
{
    for (int id : {editId, deleteId, duplicateId})
        enableControl(id, enable);
}

void CErrorHandlingDialog::editCode(bool withSource, bool edit)
{
    g2driverErrorCode* source = withSource ? selectedCode() : nullptr;
    if (withSource && !source)
        return;
    CEditErrorCodeDialog dialog(codes_, source, edit ? source : nullptr, this);
    if (dialog.DoModal() != IDOK || edit)
        return;
    listed_.push_back(dialog.result());
    addItem(codesId, dialog.result()->getName());
    selectItem(codesId, static_cast<int>(listed_.size()) - 1);
    fillMainCodes(chosenMainCode());
    enableCodeButtons(true);
}

void CErrorHandlingDialog::deleteCode()
{
    g2driverErrorCode* code = selectedCode();
    if (!code)
        return;
    if (!code->usedBy().isUnused()) {
        code->usedBy().reportInUse(codeInUse);
        return;
    }
    g2driverErrorCode* chosen = chosenMainCode();
    int row = selectedItem(codesId);
    listed_.erase(listed_.begin() + row);
    codes_.remove(code);
    delete code;
    fillMainCodes(chosen == code ? nullptr : chosen);
    if (chosen == code)
        mainCodeChanged();
    auto* list = controlAs<QListWidget>(codesId);
    delete list->takeItem(row);
    int next = std::min(row, list->count() - 1);
    selectItem(codesId, next);
    enableCodeButtons(next >= 0);
}

void CErrorHandlingDialog::OnOK()
{
    ruleValues rules[3];
    uint32_t delay = 0;
    int32_t retries = -1;
    if (!readRules(rules))
        return;
    bool retry = rules[2].mode != g2driverErrorValueSet::none;
    if (retry && !readRetries(delay, retries))
        return;

    g2driverErrorCode* chosen = chosenMainCode();
    gstr chosenTag = chosen ? gstr(chosen->getName()) : gstr("");
    owner_.replaceErrorCodes(codes_);
    g2driverErrorHandling& record = owner_.workingErrorHandling();
    record.setErrorCode(chosen ? owner_.workingErrorCodes().find(chosenTag) : nullptr);
    g2driverErrorValueSet* sets[] = {&record.ignoreSet(), &record.reinitSet(), &record.retrySet()};
    for (int rule = 0; rule < 3; ++rule) {
        g2driverErrorValueSet& set = *sets[rule];
        if (rules[rule].mode != g2driverErrorValueSet::values) {
            set.clear();
            set.setKind(rules[rule].mode);
        } else if (rules[rule].pattern.isSet()) {
            set.setPattern(rules[rule].pattern);
        } else {
            set.setNumbers(std::move(rules[rule].numbers));
        }
    }
    record.setRetryDelay(retry ? gmilliseconds(delay) : gmilliseconds());
    record.setRetries(retries);
    EndDialog(IDOK);
}

bool CErrorHandlingDialog::readRules(ruleValues (&rules)[3])
{
    int defaults = 0;
    for (int rule = 0; rule < 3; ++rule) {
        int32_t& mode = rules[rule].mode;
        mode = isChecked(onlyIds[rule])    ? g2driverErrorValueSet::values
               : isChecked(otherIds[rule]) ? g2driverErrorValueSet::byDefault
                                           : g2driverErrorValueSet::none;
        defaults += mode == g2driverErrorValueSet::byDefault ? 1 : 0;
    }
    if (defaults != 1)
        return messageBox(defaults == 0 ? noDefaultRule : twoDefaultRules, gbuttons::ok), false;
    g2driverErrorCode* code = chosenMainCode();
    int32_t kind = code ? code->getKind() : g2driverErrorCode::unset;
    for (int rule = 0; rule < 3; ++rule) {
        if (rules[rule].mode == g2driverErrorValueSet::values && !readRuleValues(rule, rules[rule], kind))
            return false;
    }
    return true;
}

bool CErrorHandlingDialog::readRuleValues(int rule, ruleValues& values, int32_t kind)
{
    int id = valuesIds[rule];
    gstr text = controlText(id);
    if (kind == g2driverErrorCode::text) {
        if (text.isEmpty())
            return refuseField(id, patternMissing);
        if (values.pattern.parse(text.data(), true, false) == 0)
            return refuseField(id, patternRefused);
        return true;
    }
    if (text.isEmpty())
        return refuseField(id, valuesMissing);
    if (!readNumberList(text, values.numbers))
        return refuseField(id, valuesRefused);
    return true;
}

// The delay's fraction of a millisecond is cut off.
bool CErrorHandlingDialog::readRetries(uint32_t& delay, int32_t& retries)
{
    const g2driverErrorHandling& shown = owner_.workingErrorHandling();
    const gsecondsField& delayField = portFields::retryDelay;
    if (!fieldEdits::readSeconds(*delay_, delayField, shown.getRetryDelay(), -1, delay))
        return refuseField(delayId, delayField.refusal);
    const gintegerField& retriesField = portFields::retries;
    return fieldEdits::readInteger(*retries_, retriesField, shown.getRetries(), 0, retries) ||
           refuseField(retriesId, retriesField.refusal);
}
