#include "scl/ui/CProgramPropertiesDialog.h"

#include "foundation/gmilliseconds.h"
#include "platform/textCodec.h"
#include "platform/userLocale.h"
#include "scl/gexecutionTime.h"
#include "scl/gsclProgram.h"
#include "scl/programFields.h"
#include "scl/ui/CProgramCodersPane.h"
#include "scl/ui/CScheduleExecutionTimeDialog.h"
#include "scl/ui/CSclDoc.h"
#include "shell/CObjectListCtrl.h"
#include "shell/CSpinEdit.h"
#include "shell/fieldEdits.h"
#include "store/gstation.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

constexpr int editCaption = 10054;
constexpr int limitMessage = 10089;
constexpr int tagTakenMessage = 10222;

gstr describe(const gexecutionTime& rule) { return describeExecutionTime(rule, getUserListSeparator()); }

} // namespace

CProgramPropertiesDialog::CProgramPropertiesDialog(gsclProgram* source, gsclProgram* target, QWidget* parent)
    : CDialog(547, parent), source_(source), target_(target), pane_(new CProgramCodersPane)
{
    setWindowTitle(QStringLiteral("New Program"));
    setDialogSize(270, 328);
    addLabel(-1, "&Tag:", 7, 9, 30, 8);
    addEdit(tagId, 40, 7, 223, 12);
    addLabel(-1, "&Name:", 7, 25, 30, 8);
    addEdit(nameId, 40, 23, 223, 12);
    addCheckBox(showAlwaysId, "Allow e&xecution without signing on", 7, 41, 200, 10);
    addCheckBox(abortId, "&Abort execution after", 7, 57, 90, 10);
    auto* limit = addControl(limitId, new CNonNegativeSpinEdit, 100, 55, 70, 12);
    addLabel(-1, "instructions", 176, 57, 60, 8);
    addLabel(codersPlaceholderId, "", 7, 73, 250, 136)->hide();
    addCheckBox(startupId, "Execute at &startup", 7, 213, 120, 10);
    addCheckBox(executeEveryId, "Execute e&very", 7, 229, 70, 10);
    auto* interval = addControl(intervalId, new CRealSpinEdit, 80, 227, 70, 12);
    addLabel(-1, "s", 154, 229, 10, 8);
    addLabel(-1, "Exec&ute at these times:", 7, 245, 150, 8);
    addListBox(timesListId, 7, 255, 200, 46);
    addButton(editTimeId, "Edit...", 213, 245, 50, 14);
    addButton(deleteTimeId, "Delete", 213, 259, 50, 14);
    addButton(duplicateTimeId, "Duplicate...", 213, 273, 50, 14);
    addButton(newTimeId, "New...", 213, 287, 50, 14);
    addButton(IDOK, "OK", 156, 308, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 213, 308, 50, 14);

    limit->spin().minimum = 1;
    interval->spin().minimum = 0.001;
    limit->setEnabled(false);
    interval->setEnabled(false);
    enableTimeButtons(false);

    onCommand(abortId, [this] { onAbortClicked(); });
    onCommand(executeEveryId, [this] { onExecuteEveryClicked(); });
    onCommand(newTimeId, [this] { onNewTime(); });
    onCommand(editTimeId, [this] { onEditTime(); });
    onCommand(duplicateTimeId, [this] { onDuplicateTime(); });
    onCommand(deleteTimeId, [this] { onDeleteTime(); });
    auto* list = controlAs<QListWidget>(timesListId);
    QObject::connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            enableTimeButtons(true);
    });
    QObject::connect(list, &QListWidget::itemDoubleClicked, this, [this] { onEditTime(); });
    QObject::connect(controlAs<QLineEdit>(tagId), &QLineEdit::textChanged, this,
                     [this](const QString& text) { enableControl(IDOK, !text.isEmpty()); });
}

// The rules still owned by rows go with the dialog.
CProgramPropertiesDialog::~CProgramPropertiesDialog() = default;

bool CProgramPropertiesDialog::OnInitDialog()
{
    enableControl(IDOK, false);
    if (source_)
        showSource(*source_);
    bool editing = source_ && source_ == target_;
    if (editing) {
        setWindowTitle(toUiText(gstr().loadString(editCaption)));
        controlAs<QLineEdit>(tagId)->setReadOnly(true);
    }
    pane_->create(*this, codersPlaceholderId, source_ ? &source_->body() : nullptr);
    if (!source_)
        return true;
    focusControl(editing ? nameId : tagId);
    return false;
}

void CProgramPropertiesDialog::showSource(const gsclProgram& source)
{
    bool editing = &source == target_;
    setControlText(tagId, source.getTag());
    setControlText(nameId, source.getTitle(editing));
    if (source.limit() >= 1) {
        setChecked(abortId, true);
        enableControl(limitId, true);
        dynamic_cast<CNonNegativeSpinEdit*>(control(limitId))->setValue(source.limit());
    }
    setChecked(showAlwaysId, source.getShowAlways() > 0);
    setChecked(startupId, source.getExecAtStartup() > 0);
    if (source.getInterval().isSet()) {
        setChecked(executeEveryId, true);
        enableControl(intervalId, true);
        fieldEdits::showSeconds(*dynamic_cast<CRealSpinEdit*>(control(intervalId)), source.getInterval());
    }
    for (const gexecutionTime* rule = source.firstExecutionTime(); rule; rule = rule->next())
        addTimeRow(std::make_unique<gexecutionTime>(*rule));
    if (!rules_.empty()) {
        selectItem(timesListId, 0);
        enableTimeButtons(true);
    }
}

void CProgramPropertiesDialog::addTimeRow(std::unique_ptr<gexecutionTime> rule)
{
    auto* list = controlAs<QListWidget>(timesListId);
    QString text = toUiText(describe(*rule));
    int row = 0;
    while (row < list->count() && CObjectListCtrl::compareKeys(list->item(row)->text(), text) <= 0)
        ++row;
    list->insertItem(row, text);
    rules_.insert(rules_.begin() + row, std::move(rule));
    list->setCurrentRow(row);
}

void CProgramPropertiesDialog::deleteTimeRow(int row)
{
    rules_.erase(rules_.begin() + row);
    delete controlAs<QListWidget>(timesListId)->takeItem(row);
}

int CProgramPropertiesDialog::selectedTimeRow() const { return selectedItem(timesListId); }

void CProgramPropertiesDialog::enableTimeButtons(bool enable)
{
    enableControl(editTimeId, enable);
    enableControl(deleteTimeId, enable);
    enableControl(duplicateTimeId, enable);
}

void CProgramPropertiesDialog::onAbortClicked()
{
    bool checked = isChecked(abortId);
    enableControl(limitId, checked);
    if (checked && controlText(limitId).isEmpty())
        setControlText(limitId, "500");
}

void CProgramPropertiesDialog::onExecuteEveryClicked()
{
    bool checked = isChecked(executeEveryId);
    enableControl(intervalId, checked);
    if (checked && controlText(intervalId).isEmpty())
        setControlText(intervalId, "60");
}

void CProgramPropertiesDialog::onNewTime()
{
    CScheduleExecutionTimeDialog dialog(nullptr, this);
    if (dialog.DoModal() != IDOK)
        return;
    addTimeRow(std::unique_ptr<gexecutionTime>(dialog.makeExecutionTime()));
    enableTimeButtons(true);
}

void CProgramPropertiesDialog::onEditTime()
{
    int row = selectedTimeRow();
    if (row < 0)
        return;
    CScheduleExecutionTimeDialog dialog(rules_[static_cast<size_t>(row)].get(), this);
    if (dialog.DoModal() != IDOK)
        return;
    deleteTimeRow(row);
    addTimeRow(std::unique_ptr<gexecutionTime>(dialog.makeExecutionTime()));
}

void CProgramPropertiesDialog::onDuplicateTime()
{
    int row = selectedTimeRow();
    if (row < 0)
        return;
    CScheduleExecutionTimeDialog dialog(rules_[static_cast<size_t>(row)].get(), this);
    if (dialog.DoModal() != IDOK)
        return;
    addTimeRow(std::unique_ptr<gexecutionTime>(dialog.makeExecutionTime()));
}

void CProgramPropertiesDialog::onDeleteTime()
{
    int row = selectedTimeRow();
    if (row < 0)
        return;
    deleteTimeRow(row);
    if (rules_.empty()) {
        enableTimeButtons(false);
        return;
    }
    selectItem(timesListId, std::min(row, static_cast<int>(rules_.size()) - 1));
}

bool CProgramPropertiesDialog::readLimit(int32_t& limit)
{
    limit = 0;
    if (!isChecked(abortId))
        return true;
    if (dynamic_cast<CNonNegativeSpinEdit*>(control(limitId))->getValue(limit) && limit >= 1)
        return true;
    return refuseField(limitId, limitMessage);
}

// Truncated to whole milliseconds, as the dialog always did; the text that
// is no number counts as 0 and is refused.
bool CProgramPropertiesDialog::readInterval(uint32_t& milliseconds)
{
    milliseconds = gmilliseconds::notSetCount;
    if (!isChecked(executeEveryId))
        return true;
    const gsecondsField& field = programFields::interval;
    gmilliseconds shown = source_ ? source_->getInterval() : gmilliseconds::notSet;
    return fieldEdits::readSeconds(*dynamic_cast<CRealSpinEdit*>(control(intervalId)), field, shown, 0, milliseconds) ||
           refuseField(intervalId, field.refusal);
}

void CProgramPropertiesDialog::OnOK()
{
    gstr tag = controlText(tagId);
    gstr name = controlText(nameId);
    int32_t limit = 0;
    uint32_t interval = 0;
    if (!readLimit(limit) || !readInterval(interval))
        return;
    if (!target_) {
        target_ = station::programs().define(tag);
        if (!target_)
            return (void)refuseField(tagId, tagTakenMessage);
    }
    // A name left as it was keeps a title that equals the tag.
    if (name != target_->getTitle(false))
        target_->setTitle(!name.isEmpty() && name != tag ? gstrSlice(name) : gstrSlice::empty);
    store(*target_, limit, interval);
    if (target_ != source_) {
        if (source_)
            target_->setCode(source_->code());
        CSclGlobalDoc::openWindow(*target_);
    }
    EndDialog(IDOK);
}

void CProgramPropertiesDialog::store(gsclProgram& program, int32_t limit, uint32_t interval)
{
    program.setLimit(limit);
    program.setInterval(gmilliseconds(interval));
    pane_->apply(program.body());
    program.setExecAtStartup(isChecked(startupId));
    program.setShowAlways(isChecked(showAlwaysId));
    program.clearSchedule();
    for (auto rule = rules_.rbegin(); rule != rules_.rend(); ++rule)
        program.addExecutionTime(rule->release());
    rules_.clear();
}
