#include "g2driver/editor/CEditDataObjectDialog.h"

#include "g2driver/editor/CEditParameterDialog.h"
#include "g2driver/editor/CEditValueNamesDialog.h"
#include "g2driver/model/g2driverDataObject.h"
#include "g2driver/model/g2driverParameter.h"
#include "legacy/ui/objectItems.h"
#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "registers/sources/ui/CDataSourcePane.h"
#include "shell/CFilteredEdit.h"
#include "shell/CSpinEdit.h"
#include "store/jhashTypedDatabaseTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

constexpr int newCaption = 10631;
constexpr int parameterTagUsed = 10632;
constexpr int objectTagUsed = 10633;
constexpr int sizeUnreadable = 10331;
constexpr int parameterInUse = 20024;
constexpr int typeInUse = 20066;
constexpr int internalInUse = 20067;
constexpr int sizeLabelId = 1719;
constexpr int valuesLabelId = 1720;
constexpr int outsideUsers = 1;
constexpr int ownSourceUsers = 0;

// Item data as the object-item helpers read it.
QVariant objectData(void* object) { return QVariant::fromValue(reinterpret_cast<quintptr>(object)); }

constexpr int dialogWidth = 262;
// The rows above the source are kept tight: with the largest source pane the
// dialog still fits a 768-pixel screen.
constexpr int placeholderTop = 134;
constexpr int placeholderHeight = 44;

} // namespace

CEditDataObjectDialog::CEditDataObjectDialog(const g2driverSourceTables& tables, g2driverDataObject* source,
                                             g2driverDataObject* target, QWidget* parent)
    : CSourceTypeHostPane(templateId, tables, parent), source_(source), target_(target),
      editing_(source && source == target)
{
    setWindowTitle(QStringLiteral("Edit Data Object"));
    addControls();
}

CEditDataObjectDialog::~CEditDataObjectDialog() = default;

void CEditDataObjectDialog::addControls()
{
    setDialogSize(dialogWidth, placeholderTop + 18 + placeholderHeight + 7);
    addLabel(-1, "&Tag:", 7, 9, 30, 8);
    auto* tag = addControl(tagId, new CTagNameEdit(), 40, 7, 150, 12);
    addLabel(-1, "&Parameters:", 7, 24, 60, 8);
    auto* parameters = addListBox(parametersId, 7, 34, 183, 65);
    addButton(IDOK, "OK", 200, 7, 55, 14, true);
    addButton(IDCANCEL, "Cancel", 200, 24, 55, 14);
    addButton(editId, "&Edit...", 200, 40, 55, 14);
    addButton(deleteId, "&Delete", 200, 55, 55, 14);
    addButton(duplicateId, "D&uplicate...", 200, 70, 55, 14);
    addButton(newId, "&New...", 200, 85, 55, 14);
    addLabel(-1, "T&ype:", 7, 106, 30, 8);
    auto* type = addComboBox(typeId, false, 40, 104, 90, 60);
    for (const char* name : {"Bistate object", "Digital object", "Analog object", "String object"})
        type->addItem(QString::fromLatin1(name));
    addLabel(sizeLabelId, "Si&ze:", 138, 106, 20, 8);
    addControl(sizeId, new CNonNegativeSpinEdit(), 160, 104, 44, 12);
    addLabel(valuesLabelId, "value(s)", 208, 106, 40, 8);
    addCheckBox(internalId, "For &internal use only", 7, 119, 120, 10);
    addButton(valueNamesId, "&Value Names...", 200, 117, 55, 14);
    addSourceTypeControls(7, placeholderTop, dialogWidth - 14, placeholderHeight);

    QObject::connect(tag, &QLineEdit::textChanged, this, [this] {
        if (!editing_)
            enableControl(IDOK, !controlText(tagId).isEmpty());
    });
    QObject::connect(parameters, &QListWidget::itemSelectionChanged, this, [this] { enableParameterButtons(); });
    QObject::connect(parameters, &QListWidget::itemDoubleClicked, this, [this] { editParameter(); });
    QObject::connect(type, &QComboBox::currentIndexChanged, this, [this] {
        if (!revertingType_)
            typeSelected();
    });
    QObject::connect(controlAs<QLineEdit>(sizeId), &QLineEdit::textChanged, this, [this] { sizeChanged(); });
    onCommand(editId, [this] { editParameter(); });
    onCommand(deleteId, [this] { deleteParameter(); });
    onCommand(duplicateId, [this] { duplicateParameter(); });
    onCommand(newId, [this] { newParameter(); });
    onCommand(internalId, [this] { internalClicked(); });
    onCommand(valueNamesId, [this] {
        CEditValueNamesDialog names(valueNames_, this);
        names.DoModal();
    });
}

QListWidget& CEditDataObjectDialog::list() const { return *controlAs<QListWidget>(parametersId); }

bool CEditDataObjectDialog::OnInitDialog()
{
    measure();
    revertingType_ = true;
    if (source_)
        showSourceObject();
    else
        setControlText(sizeId, "1");
    enableControl(IDOK, source_ != nullptr);
    selectItem(typeId, valueKind() - 1);
    revertingType_ = false;
    enableByType();
    enableParameterButtons();
    if (editing_) {
        controlAs<QLineEdit>(tagId)->setReadOnly(true);
    } else {
        gstr caption;
        setWindowTitle(toUiText(caption.loadString(newCaption)));
    }
    showSource(source_ ? source_->getSource() : nullptr, true);
    // After the pane, whose pages may have taken the focus.
    focusControl(editing_ ? parametersId : tagId);
    return false;
}

void CEditDataObjectDialog::showSourceObject()
{
    setControlText(tagId, source_->getName());
    parameters_.copyFrom(source_->parameters(), editing_);
    const garray<g2driverParameter>& ordered = parameters_.ordered();
    // The object's own source is the pane's to report: the working copies
    // share only the users outside the object.
    for (int32_t i = 0; i < ordered.size(); ++i)
        ordered[i]->usedBy(ownSourceUsers).dropAlias();
    for (int32_t i = 0; i < ordered.size(); ++i) {
        list().addItem(toUiText(ordered[i]->getName()));
        list().item(i)->setData(Qt::UserRole, objectData(ordered[i]));
    }
    setValueKind(source_->getTypeCode());
    if (valueKind() == g2valueKind::digital)
        valueNames_ = source_->valueNames();
    if (valueKind() == g2valueKind::analog) {
        static_cast<CNonNegativeSpinEdit*>(control(sizeId))->setValue(source_->getElements());
        setValueCount(source_->getElements());
    } else {
        setControlText(sizeId, "1");
    }
    setChecked(internalId, source_->getInternal() == 1);
}

g2driverParameter* CEditDataObjectDialog::selectedParameter() const
{
    return static_cast<g2driverParameter*>(itemObject(list(), list().currentRow()));
}

void CEditDataObjectDialog::enableParameterButtons()
{
    bool selected = list().currentRow() >= 0 && !list().selectedItems().isEmpty();
    for (int id : {editId, deleteId, duplicateId})
        enableControl(id, selected);
}

void CEditDataObjectDialog::enableByType()
{
    enableControl(valueNamesId, valueKind() == g2valueKind::digital);
    bool analog = valueKind() == g2valueKind::analog;
    for (int id : {sizeLabelId, sizeId, valuesLabelId})
        enableControl(id, analog);
}

void CEditDataObjectDialog::typeSelected()
{
    int32_t kind = selectedItem(typeId) + 1;
    if (kind == valueKind())
        return;
    auto revert = [this] {
        revertingType_ = true;
        selectItem(typeId, valueKind() - 1);
        revertingType_ = false;
    };
    if (editing_ && !target_->isUnused()) {
        gstr text;
        text.loadString(typeInUse);
        target_->describeUsers(text);
        messageBox(text, gbuttons::ok, gicon::warning, typeInUse);
        return revert();
    }
    if (changeValueType(kind, true) == 0)
        return revert();
    setValueKind(kind);
    enableByType();
}

void CEditDataObjectDialog::internalClicked()
{
    if (!editing_ || !isChecked(internalId) || target_->usedBy(outsideUsers).isUnused())
        return;
    target_->usedBy(outsideUsers).reportInUse(internalInUse);
    setChecked(internalId, false);
}

void CEditDataObjectDialog::sizeChanged()
{
    int32_t size = 0;
    if (static_cast<CNonNegativeSpinEdit*>(control(sizeId))->getValue(size) && size > 0)
        setValueCount(size);
}

template <class F>
void CEditDataObjectDialog::withPaneUses(F action)
{
    CDataSourcePane* pane = currentPane();
    if (!pane)
        return action();
    gusesList uses(&pane->referrer());
    pane->registerUses(uses);
    action();
}

void CEditDataObjectDialog::newParameter()
{
    CEditParameterDialog dialog(parameters_, parameterTagUsed, nullptr, nullptr, this);
    if (dialog.DoModal() != IDOK)
        return;
    g2driverParameter* made = dialog.parameter();
    made->setScope(g2parameterScope::command);
    int at = list().currentRow() + 1;
    auto* item = new QListWidgetItem(toUiText(made->getName()));
    item->setData(Qt::UserRole, objectData(made));
    list().insertItem(at, item);
    list().setCurrentRow(at);
    enableParameterButtons();
}

void CEditDataObjectDialog::duplicateParameter()
{
    g2driverParameter* selected = selectedParameter();
    if (!selected)
        return;
    CEditParameterDialog dialog(parameters_, parameterTagUsed, selected, nullptr, this);
    if (dialog.DoModal() != IDOK)
        return;
    g2driverParameter* made = dialog.parameter();
    made->setScope(g2parameterScope::command);
    list().addItem(toUiText(made->getName()));
    int at = list().count() - 1;
    list().item(at)->setData(Qt::UserRole, objectData(made));
    list().setCurrentRow(at);
    enableParameterButtons();
}

void CEditDataObjectDialog::editParameter()
{
    g2driverParameter* selected = selectedParameter();
    if (!selected)
        return;
    withPaneUses([&] {
        CEditParameterDialog dialog(parameters_, parameterTagUsed, selected, selected, this);
        dialog.DoModal();
    });
}

void CEditDataObjectDialog::deleteParameter()
{
    g2driverParameter* selected = selectedParameter();
    if (!selected)
        return;
    bool used = false;
    withPaneUses([&] {
        used = !selected->isUnused();
        if (!used)
            return;
        gstr text;
        text.loadString(parameterInUse);
        selected->describeUsers(text);
        messageBox(text, gbuttons::ok, gicon::warning, parameterInUse);
    });
    if (used)
        return;
    int row = list().currentRow();
    delete list().takeItem(row);
    parameters_.remove(selected);
    delete selected;
    if (list().count() > 0)
        list().setCurrentRow(std::min(row, list().count() - 1));
    enableParameterButtons();
}

bool CEditDataObjectDialog::fillParameterCombo(QComboBox& combo, int32_t kind,
                                               const g2driverParameter* preselected) const
{
    for (int i = 0; i < list().count(); ++i) {
        auto* parameter = static_cast<g2driverParameter*>(itemObject(list(), i));
        if (parameter->getKind() == kind)
            insertItemAt(combo, combo.count(), parameter->getName(), parameter);
    }
    int at = preselected ? findItemObject(combo, preselected) : -1;
    combo.setCurrentIndex(at >= 0 || combo.count() == 0 ? at : 0);
    return combo.count() > 0;
}

bool CEditDataObjectDialog::readSize(int32_t& size)
{
    size = 1;
    if (valueKind() != g2valueKind::analog)
        return true;
    if (static_cast<CNonNegativeSpinEdit*>(control(sizeId))->getValue(size) && size >= 1)
        return true;
    return refuseField(sizeId, sizeUnreadable);
}

void CEditDataObjectDialog::storeParameters(g2driverDataObject& object) const
{
    g2driverParameterTable& table = object.parameters();
    table.undefineAll();
    for (int i = 0; i < list().count(); ++i) {
        auto* working = static_cast<g2driverParameter*>(itemObject(list(), i));
        g2driverParameter* parameter = table.define(working->getName());
        if (!parameter)
            continue;
        parameter->setScope(working->getScope());
        parameter->assignType(*working);
        table.relist(parameter);
    }
    table.removeUndefined();
}

void CEditDataObjectDialog::OnOK()
{
    int32_t size = 1;
    if (!readSize(size))
        return;
    std::unique_ptr<g2driverDataSource> source = makeSource();
    if (!source)
        return;
    if (!editing_) {
        g2driverDataObject* made = tables().dataObjects.define(controlText(tagId));
        if (!made)
            return (void)refuseField(tagId, objectTagUsed);
        target_ = made;
    }
    target_->setTypeCode(valueKind());
    target_->setInternal(isChecked(internalId) ? 1 : 0);
    if (valueKind() == g2valueKind::digital)
        target_->valueNames() = valueNames_;
    else
        target_->valueNames().clear();
    target_->setElements(size);
    // The old source lets go of its parameters first, so that a parameter
    // only it used leaves no placeholder behind.
    target_->setSource(std::move(source));
    storeParameters(*target_);
    CDialog::OnOK();
}
