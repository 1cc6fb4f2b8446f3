#include "g2driver/editor/CResponseElementConditionDialog.h"

#include "foundation/jhashIterator.h"
#include "g2driver/editor/elementDialogHosts.h"
#include "g2driver/model/g2driverResponseCondition.h"
#include "legacy/ui/objectItems.h"
#include "legacy/ui/sortedObjectItems.h"
#include "platform/modalRun.h"
#include "shell/CSpinEdit.h"

#include <QComboBox>

namespace {

constexpr int noValues = 10555;
constexpr int enterPattern = 10556;
constexpr int badPattern = 10557;
constexpr int enterNumber = 10558;

const char* const numberOperators[] = {"is equal to",          "is not equal to",
                                       "is less than",         "is greater than",
                                       "is less than or equal to", "is greater than or equal to"};
const char* const textOperators[] = {"is", "is not", "contains", "does not contain"};

} // namespace

CResponseElementConditionDialog::CResponseElementConditionDialog(responseElementHost& page,
                                                                 g2driverResponseCondition& record, QWidget* parent)
    : CDialog(templateId, parent), page_(page), record_(record)
{
    setWindowTitle(QStringLiteral("Response Element Condition"));
    setDialogSize(300, 64);
    addCheckBox(conditionalId, "&The response contains the element only under the following condition:", 7, 7, 286,
                10);
    addComboBox(valueId, false, 7, 22, 90, 100)->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    addComboBox(numberOperatorId, false, 101, 22, 110, 100);
    for (const char* text : numberOperators)
        addItem(numberOperatorId, text);
    addComboBox(textOperatorId, false, 101, 22, 110, 100);
    for (const char* text : textOperators)
        addItem(textOperatorId, text);
    addControl(numberId, new CUnsignedSpinEdit, 215, 22, 78, 12);
    addEdit(patternId, 215, 22, 78, 12);
    addButton(IDOK, "OK", 190, 43, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 243, 43, 50, 14);
}

bool CResponseElementConditionDialog::OnInitDialog()
{
    g2driverResponseValue* value = record_.value();
    setChecked(conditionalId, value != nullptr);
    selectItem(numberOperatorId, 0);
    selectItem(textOperatorId, 0);
    if (value && value->getKind() == g2driverResponseValue::numerical) {
        selectItem(numberOperatorId, record_.op());
        dynamic_cast<CUnsignedSpinEdit*>(control(numberId))->setValue(record_.number());
    } else if (value) {
        selectItem(textOperatorId, record_.op() - g2driverResponseCondition::is);
        gstr source;
        record_.pattern().toString(source, true);
        setControlText(patternId, source);
    }
    auto* values = controlAs<QComboBox>(valueId);
    jhashTypedIterator<g2driverResponseValue> it(page_.responseValues());
    g2driverResponseValue* each = nullptr;
    sortedObjectItems listed;
    while (it.get(each))
        listed.add(each->getName(), each);
    listed.appendTo(*values);
    if (values->count() == 0) {
        messageBox(noValues, gbuttons::ok);
        EndDialog(IDCANCEL);
        return true;
    }
    int at = value ? findItemObject(*values, value) : -1;
    values->setCurrentIndex(at >= 0 ? at : 0);
    showPair();
    QObject::connect(values, &QComboBox::currentIndexChanged, this, [this] { showPair(); });
    onCommand(conditionalId, [this] { showPair(); });
    return true;
}

g2driverResponseValue* CResponseElementConditionDialog::selectedValue() const
{
    const auto* values = controlAs<QComboBox>(valueId);
    return static_cast<g2driverResponseValue*>(itemObject(*values, values->currentIndex()));
}

bool CResponseElementConditionDialog::numericalSelected() const
{
    g2driverResponseValue* value = selectedValue();
    return value && value->getKind() == g2driverResponseValue::numerical;
}

void CResponseElementConditionDialog::showPair()
{
    bool numerical = numericalSelected();
    bool on = isChecked(conditionalId);
    enableControl(valueId, on);
    for (int id : {numberOperatorId, numberId}) {
        showControl(id, numerical);
        enableControl(id, numerical && on);
    }
    for (int id : {textOperatorId, patternId}) {
        showControl(id, !numerical);
        enableControl(id, !numerical && on);
    }
}

void CResponseElementConditionDialog::OnOK()
{
    if (!isChecked(conditionalId)) {
        record_.setValue(nullptr);
        record_.setTextTest(record_.op(), gregexp(false));
        return EndDialog(IDOK);
    }
    if (numericalSelected()) {
        uint32_t number = 0;
        if (!dynamic_cast<CUnsignedSpinEdit*>(control(numberId))->getValue(number))
            return (void)refuseField(numberId, enterNumber);
        record_.setNumberTest(selectedItem(numberOperatorId), number);
    } else {
        gstr text = controlText(patternId);
        if (text.isEmpty())
            return (void)refuseField(patternId, enterPattern);
        gregexp pattern(false);
        if (pattern.parse(text.data(), true, false) != 1)
            return (void)refuseField(patternId, badPattern);
        record_.setTextTest(selectedItem(textOperatorId) + g2driverResponseCondition::is, pattern);
    }
    record_.setValue(selectedValue());
    EndDialog(IDOK);
}
