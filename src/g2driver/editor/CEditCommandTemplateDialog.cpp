#include "g2driver/editor/CEditCommandTemplateDialog.h"

#include "foundation/jhashIterator.h"
#include "g2driver/editor/CEditG2DeviceDriverDialog.h"
#include "g2driver/editor/CErrorCodeDefaultsDialog.h"
#include "g2driver/editor/CResponseElementsPage.h"
#include "g2driver/editor/CSelectElementTypeDialogs.h"
#include "g2driver/editor/elementDialogs.h"
#include "g2driver/editor/editorLists.h"
#include "g2driver/model/driverFields.h"
#include "g2driver/model/g2driverCommandTemplate.h"
#include "foundation/gmilliseconds.h"
#include "legacy/ui/objectItems.h"
#include "platform/modalRun.h"
#include "platform/settingsStore.h"
#include "platform/textCodec.h"
#include "ports/gnamedValue.h"
#include "resources/stringTable.h"
#include "shell/CSpinEdit.h"
#include "shell/fieldEdits.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>

namespace {

constexpr const char* settingsSection = "Dialogs\\Edit G2Driver";
constexpr int newCaption = 10503;
constexpr int parameterTagTaken = 10577;
constexpr int bufferSizeRefused = 10575;
constexpr int noResponseElements = 10574;
constexpr int tagTaken = 10504;
constexpr int inUseMessage = 20024;
constexpr int validTab = 10542;
constexpr int errorTab = 10610;

QString uiString(int id) { return toUiText(gstrSlice(stringTableText(id))); }

} // namespace

CEditCommandTemplateDialog::CEditCommandTemplateDialog(CEditG2DeviceDriverDialog& owner,
                                                       g2driverCommandTemplate* source,
                                                       g2driverCommandTemplate* target, QWidget* parent)
    : CCommandDialogBase(templateId, owner, true, {g2parameterScope::templateOf, parameterTagTaken, false, false},
                         parent),
      source_(source), target_(target)
{
    buildControls();
}

// The working elements go before the tables their references point into.
CEditCommandTemplateDialog::~CEditCommandTemplateDialog()
{
    writeProfileInt(settingsSection, "CRTemplateActivePane", tabs_->currentIndex());
    for (int i = 0; i < elements().count(); ++i)
        delete static_cast<g2driverCommandElement*>(itemObject(elements(), i));
    elements().clear();
    delete pages_[0];
    delete pages_[1];
    defaults_.deleteAll();
}

void CEditCommandTemplateDialog::buildControls()
{
    setWindowTitle(QStringLiteral("Edit Command Template"));
    setDialogSize(400, 330);
    addLabel(-1, "&Tag:", 7, 9, 40, 8);
    addEdit(tagId, 50, 7, 150, 12);
    addParameterList(7, 25, 130, 60);
    addRadioButton(expectsResponseId, "&Command expects a response", 205, 25, 130, 10);
    addRadioButton(noResponseId, "Command &doesn't expect a response", 205, 37, 130, 10);
    addLabel(timeoutLabelId, "Default ti&meout:", 205, 53, 80, 8);
    timeout_ = addControl(timeoutId, new CRealSpinEdit, 290, 51, 50, 12);
    addLabel(timeoutUnitId, "s", 344, 53, 10, 8);
    addLabel(bufferSizeLabelId, "Default &buffer size:", 205, 69, 80, 8);
    bufferSize_ = addControl(bufferSizeId, new CNonNegativeSpinEdit, 290, 67, 50, 12);
    addLabel(delayLabelId, "Delay before ne&xt command:", 205, 85, 85, 8);
    delay_ = addControl(delayId, new CRealSpinEdit, 290, 83, 50, 12);
    addLabel(delayUnitId, "s", 344, 85, 10, 8);
    addLabel(-1, "Command &elements:", 7, 102, 130, 8);
    addListBox(elementListId, 7, 112, 330, 60);
    addButton(editElementId, "Ed&it...", 343, 112, 50, 14);
    addButton(deleteElementId, "De&lete", 343, 129, 50, 14);
    addButton(duplicateElementId, "Du&plicate...", 343, 146, 50, 14);
    addButton(newElementId, "Ne&w...", 343, 163, 50, 14);
    tabs_ = addControl(tabId, new QTabBar, 7, 180, 386, 14);
    addLabel(placeholderId, "", 7, 196, 330, 110)->hide();
    addButton(IDOK, "OK", 229, 310, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 286, 310, 50, 14);
    addButton(errorHandlingId, "&Error Handling...", 343, 310, 50, 14);

    for (int id : {delayId, delayLabelId, delayUnitId, errorHandlingId})
        enableControl(id, false);
    enableElementButtons(false);
    onCommand(expectsResponseId, [this] { applyResponseState(); });
    onCommand(noResponseId, [this] { applyResponseState(); });
    onCommand(newElementId, [this] { runElementDialog(false, false); });
    onCommand(duplicateElementId, [this] { runElementDialog(true, false); });
    onCommand(editElementId, [this] { runElementDialog(true, true); });
    onCommand(deleteElementId, [this] { deleteElement(); });
    onCommand(errorHandlingId, [this] {
        CErrorCodeDefaultsDialog dialog(*this, this);
        dialog.DoModal();
    });
    QObject::connect(&elements(), &QListWidget::itemSelectionChanged, this, [this] {
        if (selectedElement())
            enableElementButtons(true);
    });
    QObject::connect(&elements(), &QListWidget::itemDoubleClicked, this, [this] { runElementDialog(true, true); });
    QObject::connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { showPage(index); });
    QObject::connect(controlAs<QLineEdit>(tagId), &QLineEdit::textChanged, this,
                     [this] { enableControl(IDOK, !controlText(tagId).isEmpty()); });
}

bool CEditCommandTemplateDialog::OnInitDialog()
{
    for (int kind = 0; kind < 2; ++kind) {
        pages_[kind] = new CResponseElementsPage(*this, kind);
        pages_[kind]->create(placeholderId);
    }
    {
        QSignalBlocker quiet(tabs_);
        tabs_->addTab(uiString(validTab));
        tabs_->addTab(uiString(errorTab));
        tabs_->setCurrentIndex(profileInt(settingsSection, "CRTemplateActivePane", 0) == 1 ? 1 : 0);
    }
    showPage(tabs_->currentIndex());
    if (source_) {
        fillFromSource();
    } else {
        checkRadioButton(expectsResponseId, noResponseId, expectsResponseId);
        setControlText(timeoutId, "1");
        setControlText(delayId, "0");
        setControlText(bufferSizeId, "40");
        enableControl(IDOK, false);
    }
    if (target_) {
        controlAs<QLineEdit>(tagId)->setReadOnly(true);
        focusControl(parameterListEditor::listId);
    } else {
        setWindowTitle(uiString(newCaption));
        focusControl(tagId);
    }
    applyResponseState();
    bufferSize_->spin().minimum = 1;
    fieldEdits::limitSpin(*timeout_, driverFields::templateTimeout);
    fieldEdits::limitSpin(*delay_, driverFields::templateDelay);
    return false;
}

void CEditCommandTemplateDialog::fillFromSource()
{
    setControlText(tagId, source_->getName());
    sameObject_ = source_ == target_;
    parameterList_.fill(source_->parameters(), sameObject_);
    if (source_->getBufferSize() < 1) {
        checkRadioButton(expectsResponseId, noResponseId, noResponseId);
        setControlText(timeoutId, "1");
        fieldEdits::showSeconds(*delay_, source_->getTime());
        setControlText(bufferSizeId, "40");
    } else {
        checkRadioButton(expectsResponseId, noResponseId, expectsResponseId);
        fieldEdits::showSeconds(*timeout_, source_->getTime());
        setControlText(delayId, "0");
        bufferSize_->setValue(source_->getBufferSize());
        pages_[0]->fill(*source_);
        pages_[1]->fill(*source_);
    }
    g2driverCommandTemplate& shape = *source_;
    for (int32_t i = 0; i < shape.elements().size(); ++i) {
        g2driverCommandElement* copy = shape.elements()[i]->cloneForTemplate(
            owner().workingParameters(), parameterTable(), commandDataNames(), &owner().workingPrograms());
        insertListItem(elements(), -1, copy->describe(), copy);
    }
    // A DATA element's name reports the commands that fill it, as the
    // template's own name does.
    if (sameObject_) {
        jhashTypedIterator<g2driverCommandDataName> it(commandDataNames());
        g2driverCommandDataName* name = nullptr;
        while (it.get(name)) {
            if (g2driverCommandDataName* own = shape.dataNames().find(name->getName()))
                name->usedBy().makeAliasOf(own->usedBy());
        }
    }
    gnamedValue::copyAll(shape.defaultValues(), defaults_);
}

void CEditCommandTemplateDialog::showPage(int index)
{
    pages_[0]->setVisible(index == 0);
    pages_[1]->setVisible(index == 1);
}

void CEditCommandTemplateDialog::enableErrorHandling(bool enable) { enableControl(errorHandlingId, enable); }

void CEditCommandTemplateDialog::applyResponseState()
{
    bool expected = isChecked(expectsResponseId);
    if (expected == responseExpected_)
        return;
    bool errorsListed = pages_[1]->elementCount() > 0;
    if (!pages_[0]->switchResponse(expected, errorsListed)) {
        checkRadioButton(expectsResponseId, noResponseId, responseExpected_ ? expectsResponseId : noResponseId);
        return;
    }
    pages_[1]->switchResponse(expected, errorsListed);
    enableErrorHandling(expected && pages_[1]->elementCount() > 0);
    for (int id : {timeoutId, timeoutLabelId, timeoutUnitId, tabId, bufferSizeId, bufferSizeLabelId})
        enableControl(id, expected);
    for (int id : {delayId, delayLabelId, delayUnitId})
        enableControl(id, !expected);
    responseExpected_ = expected;
}

QListWidget& CEditCommandTemplateDialog::elements() const { return *controlAs<QListWidget>(elementListId); }

g2driverCommandElement* CEditCommandTemplateDialog::selectedElement() const
{
    return static_cast<g2driverCommandElement*>(itemObject(elements(), selectedItem(elementListId)));
}

void CEditCommandTemplateDialog::enableElementButtons(bool enable)
{
    for (int id : {editElementId, deleteElementId, duplicateElementId})
        enableControl(id, enable);
}

void CEditCommandTemplateDialog::runElementDialog(bool withSource, bool edit)
{
    g2driverCommandElement* selected = selectedElement();
    if (withSource && !selected)
        return;
    int type = 0;
    if (withSource) {
        type = selected->typeId();
    } else {
        CSelectCommandElementTypeDialog choice(this);
        if (choice.DoModal() != IDOK)
            return;
        type = choice.chosenType();
    }
    g2driverCommandElement* result =
        openCommandElementDialog(*this, type, withSource ? selected : nullptr, edit ? selected : nullptr, this);
    if (!result)
        return;
    int current = selectedItem(elementListId);
    if (edit) {
        setListItemText(elements(), current, result->describe());
        return;
    }
    int index = insertListItem(elements(), current >= 0 ? current + 1 : -1, result->describe(), result);
    selectListItem(elements(), index);
    enableElementButtons(true);
}

// A DATA element's name goes with it, unless a command still fills it.
void CEditCommandTemplateDialog::deleteElement()
{
    int index = selectedItem(elementListId);
    g2driverCommandElement* element = selectedElement();
    if (!element)
        return;
    g2driverCommandDataName* name = element->commandDataName();
    if (name && !name->usedBy().isUnused())
        return name->usedBy().reportInUse(inUseMessage);
    if (name)
        commandDataNames().remove(name);
    if (removeListItem(elements(), index))
        enableElementButtons(false);
    delete element;
    delete name;
}

// Milliseconds are the seconds times 1000 with the fraction dropped.
bool CEditCommandTemplateDialog::readTimes(uint32_t& time, int32_t& bufferSize)
{
    gmilliseconds shown = source_ ? source_->getTime() : gmilliseconds::notSet;
    if (!responseExpected_) {
        const gsecondsField& field = driverFields::templateDelay;
        if (!fieldEdits::readSeconds(*delay_, field, shown, 0, time))
            return refuseField(delayId, field.refusal);
        bufferSize = 0;
        return true;
    }
    const gsecondsField& field = driverFields::templateTimeout;
    if (!fieldEdits::readSeconds(*timeout_, field, shown, -1, time))
        return refuseField(timeoutId, field.refusal);
    if (!bufferSize_->getValue(bufferSize))
        bufferSize = 0;
    if (bufferSize < 1)
        return refuseField(bufferSizeId, bufferSizeRefused);
    if (pages_[0]->elementCount() == 0 && pages_[1]->elementCount() == 0) {
        messageBox(noResponseElements, gbuttons::ok);
        return false;
    }
    return true;
}

void CEditCommandTemplateDialog::OnOK()
{
    uint32_t time = 0;
    int32_t bufferSize = 0;
    if (!readTimes(time, bufferSize))
        return;
    if (!target_) {
        target_ = owner().workingTemplates().define(controlText(tagId));
        if (!target_)
            return (void)refuseField(tagId, tagTaken);
    }
    writeBack(time, bufferSize);
    EndDialog(IDOK);
}

void CEditCommandTemplateDialog::writeBack(uint32_t time, int32_t bufferSize)
{
    parameterList_.writeInto(target_->parameters());
    target_->setTime(gmilliseconds(time));
    target_->setBufferSize(bufferSize);
    garrayOwned<g2driverCommandElement> listed;
    for (int i = 0; i < elements().count(); ++i)
        listed.append(static_cast<g2driverCommandElement*>(itemObject(elements(), i)));
    elements().clear();
    target_->replaceElements(listed, commandDataNames());
    bool errorsListed = pages_[1]->elementCount() > 0;
    target_->replaceResponseDataNames(responseDataNames_);
    pages_[0]->handOver(*target_);
    pages_[1]->handOver(*target_);
    if (!errorsListed)
        defaults_.deleteAll();
    target_->replaceErrorCodeDefaults(defaults_, &owner().workingErrorCodes());
}
