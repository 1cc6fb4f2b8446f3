#include "g2driver/editor/CEditCommandDialog.h"

#include "foundation/jhashIterator.h"
#include "g2driver/editor/CCommandDataPage.h"
#include "g2driver/editor/CEditG2DeviceDriverDialog.h"
#include "g2driver/editor/CParameterValuesPanel.h"
#include "g2driver/editor/editorLists.h"
#include "g2driver/model/driverFields.h"
#include "g2driver/model/g2driverCommand.h"
#include "g2driver/model/g2driverCommandTemplate.h"
#include "foundation/gmilliseconds.h"
#include "legacy/ui/objectItems.h"
#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "resources/stringTable.h"
#include "shell/CSpinEdit.h"
#include "shell/fieldEdits.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int newCaption = 10160;
constexpr int parameterTagTaken = 10578;
constexpr int bufferSizeRefused = 10575;
constexpr int tagTaken = 10576;
constexpr int noTemplates = 10580;
constexpr int templateInUse = 20038;

bool expectsResponse(const g2driverCommandTemplate* shape) { return shape && shape->getBufferSize() > 0; }

} // namespace

CEditCommandDialog::CEditCommandDialog(CEditG2DeviceDriverDialog& owner, g2driverCommand* source,
                                       g2driverCommand* target, QWidget* parent)
    : CCommandDialogBase(templateId, owner, false, {g2parameterScope::command, parameterTagTaken, true, false}, parent),
      source_(source), target_(target)
{
    buildControls();
}

CEditCommandDialog::~CEditCommandDialog() { delete dataPage_; }

void CEditCommandDialog::buildControls()
{
    setWindowTitle(QStringLiteral("Edit Command"));
    setDialogSize(340, 250);
    addLabel(-1, "&Tag:", 7, 9, 40, 8);
    addEdit(tagId, 50, 7, 150, 12);
    addParameterList(7, 25, 130, 60);
    addCheckBox(customTimeoutId, "C&ustom timeout:", 205, 35, 70, 10);
    timeout_ = addControl(timeoutId, new CRealSpinEdit, 278, 33, 40, 12);
    addLabel(timeoutUnitId, "s", 322, 35, 10, 8);
    addCheckBox(customBufferSizeId, "Custom &buffer size:", 205, 51, 70, 10);
    bufferSize_ = addControl(bufferSizeId, new CNonNegativeSpinEdit, 278, 49, 40, 12);
    addCheckBox(customRetriesId, "Custom &retries:", 205, 67, 70, 10);
    retries_ = addControl(retriesId, new CNonNegativeSpinEdit, 278, 65, 40, 12);
    addLabel(-1, "Te&mplate:", 7, 104, 40, 8);
    templates_ = addComboBox(templateComboId, false, 50, 102, 150, 100);
    panel_ = addControl(valuesPanelId, new CParameterValuesPanel(false), 7, 120, 326, 1);
    panel_->hide();
    addLabel(dataPlaceholderId, "", 7, 124, 326, 90)->hide();
    addButton(IDOK, "OK", 226, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 283, 7, 50, 14);
    for (int id : {timeoutId, timeoutUnitId, bufferSizeId, retriesId})
        enableControl(id, false);
    for (int id : {customTimeoutId, customBufferSizeId, customRetriesId})
        onCommand(id, [this] { enableCustomEdits(); });
    QObject::connect(templates_, &QComboBox::currentIndexChanged, this, [this] { onTemplateChanged(); });
    QObject::connect(controlAs<QLineEdit>(tagId), &QLineEdit::textChanged, this,
                     [this] { enableControl(IDOK, !controlText(tagId).isEmpty()); });
}

bool CEditCommandDialog::OnInitDialog()
{
    dataPage_ = new CCommandDataPage(*this);
    dataPage_->create(dataPlaceholderId);
    openSize_ = size();
    if (source_) {
        fillFromSource();
    } else {
        setControlText(timeoutId, "1");
        setControlText(bufferSizeId, "40");
        enableControl(IDOK, false);
    }
    if (controlText(retriesId).isEmpty()) {
        int32_t retries = 0;
        retries_->setValue(owner().shownRetries(retries) ? retries : 1);
    }
    if (target_) {
        controlAs<QLineEdit>(tagId)->setReadOnly(true);
        focusControl(parameterListEditor::listId);
    } else {
        setWindowTitle(toUiText(gstrSlice(stringTableText(newCaption))));
        focusControl(tagId);
    }
    if (!fillTemplates()) {
        messageBox(noTemplates, gbuttons::ok);
        EndDialog(IDCANCEL);
        return false;
    }
    applyTemplate();
    if (source_) {
        panel_->setValues(source_->templateValues());
        dataPage_->setCommandData(*source_);
    }
    fieldEdits::limitSpin(*retries_, driverFields::commandRetries);
    bufferSize_->spin().minimum = 1;
    fieldEdits::limitSpin(*timeout_, driverFields::commandTimeout);
    return false;
}

void CEditCommandDialog::fillFromSource()
{
    setControlText(tagId, source_->getName());
    parameterList_.fill(source_->parameters(), source_ == target_);
    if (!expectsResponse(source_->getTemplate())) {
        for (int id : {customTimeoutId, customBufferSizeId, customRetriesId})
            enableControl(id, false);
        return;
    }
    if (source_->getTimeout().isSet()) {
        setChecked(customTimeoutId, true);
        fieldEdits::showSeconds(*timeout_, source_->getTimeout());
    }
    if (source_->getBufferSize() != 0) {
        setChecked(customBufferSizeId, true);
        bufferSize_->setValue(source_->getBufferSize());
    }
    if (source_->getRetries() != 0) {
        setChecked(customRetriesId, true);
        retries_->setValue(source_->getRetries());
    }
}

bool CEditCommandDialog::fillTemplates()
{
    QSignalBlocker quiet(templates_);
    jhashTypedIterator<g2driverCommandTemplate> it(owner().workingTemplates());
    g2driverCommandTemplate* shape = nullptr;
    while (it.get(shape))
        insertSortedItem(*templates_, shape->getName(), shape);
    const g2driverCommandTemplate* wanted = source_ ? source_->getTemplate() : nullptr;
    templates_->setCurrentIndex(wanted ? findItemObject(*templates_, wanted) : -1);
    if (templates_->currentIndex() < 0 && templates_->count() > 0)
        templates_->setCurrentIndex(0);
    return templates_->count() > 0;
}

g2driverCommandTemplate* CEditCommandDialog::selectedTemplate() const
{
    return static_cast<g2driverCommandTemplate*>(itemObject(*templates_, templates_->currentIndex()));
}

void CEditCommandDialog::applyTemplate()
{
    appliedIndex_ = templates_->currentIndex();
    g2driverCommandTemplate* shape = selectedTemplate();
    int grow = panel_->setParameters(shape ? shape->parameters().ordered() : garray<g2driverParameter>());
    resize(openSize_.width(), openSize_.height() + grow);
    dataPage_->shift(grow);
    bool expected = expectsResponse(shape);
    for (int id : {customTimeoutId, customBufferSizeId, customRetriesId})
        enableControl(id, expected);
    enableCustomEdits();
    if (expected) {
        if (!isChecked(customTimeoutId))
            fieldEdits::showSeconds(*timeout_, shape->getTime());
        if (!isChecked(customBufferSizeId))
            bufferSize_->setValue(shape->getBufferSize());
    }
    dataPage_->setTemplate(shape);
}

void CEditCommandDialog::enableCustomEdits()
{
    bool expected = expectsResponse(selectedTemplate());
    bool timeout = expected && isChecked(customTimeoutId);
    enableControl(timeoutId, timeout);
    enableControl(timeoutUnitId, timeout);
    enableControl(bufferSizeId, expected && isChecked(customBufferSizeId));
    enableControl(retriesId, expected && isChecked(customRetriesId));
}

// A command that something refers to keeps its template: its users were
// made for the template's values and data.
void CEditCommandDialog::onTemplateChanged()
{
    if (templates_->currentIndex() == appliedIndex_)
        return;
    if (target_ && !target_->isUnused()) {
        {
            QSignalBlocker quiet(templates_);
            templates_->setCurrentIndex(appliedIndex_);
        }
        return reportUsers(*target_, templateInUse);
    }
    applyTemplate();
}

bool CEditCommandDialog::readOverrides(uint32_t& timeout, int32_t& bufferSize, int32_t& retries)
{
    timeout = gmilliseconds::notSetCount;
    bufferSize = 0;
    retries = 0;
    if (!expectsResponse(selectedTemplate()))
        return true;
    const gsecondsField& timeoutField = driverFields::commandTimeout;
    gmilliseconds shownTimeout = source_ ? source_->getTimeout() : gmilliseconds::notSet;
    if (isChecked(customTimeoutId) && !fieldEdits::readSeconds(*timeout_, timeoutField, shownTimeout, -1, timeout))
        return refuseField(timeoutId, timeoutField.refusal);
    if (isChecked(customBufferSizeId)) {
        if (!bufferSize_->getValue(bufferSize))
            bufferSize = 0;
        if (bufferSize < 1)
            return refuseField(bufferSizeId, bufferSizeRefused);
    }
    const gintegerField& retriesField = driverFields::commandRetries;
    int32_t shownRetries = source_ ? source_->getRetries() : 0;
    if (isChecked(customRetriesId) && !fieldEdits::readInteger(*retries_, retriesField, shownRetries, 0, retries))
        return refuseField(retriesId, retriesField.refusal);
    return true;
}

void CEditCommandDialog::OnOK()
{
    uint32_t timeout = 0;
    int32_t bufferSize = 0;
    int32_t retries = 0;
    if (!readOverrides(timeout, bufferSize, retries))
        return;
    g2driverParameterValueTable values(5);
    bool read = panel_->getValues(values, false);
    if (!read) {
        values.deleteAll();
        return;
    }
    if (!target_) {
        target_ = owner().workingCommands().define(controlText(tagId));
        if (!target_) {
            values.deleteAll();
            return (void)refuseField(tagId, tagTaken);
        }
    }
    parameterList_.writeInto(target_->parameters());
    target_->setTemplate(selectedTemplate());
    target_->replaceTemplateValues(values);
    target_->setTimeout(gmilliseconds(timeout));
    target_->setBufferSize(bufferSize);
    target_->setRetries(retries);
    dataPage_->writeBack(*target_);
    EndDialog(IDOK);
}
