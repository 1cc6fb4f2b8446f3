#include "g2driver/editor/CEditG2DeviceDriverDialog.h"

#include "foundation/jhashIterator.h"
#include "g2driver/editor/CDriverCommandsPane.h"
#include "g2driver/editor/CDriverObjectsPage.h"
#include "g2driver/editor/CErrorHandlingDialog.h"
#include "g2driver/editor/CInitializationSequenceDialog.h"
#include "foundation/gmilliseconds.h"
#include "g2driver/model/driverFields.h"
#include "legacy/ui/objectItems.h"
#include "platform/settingsStore.h"
#include "platform/textCodec.h"
#include "resources/stringTable.h"
#include "scl/sclTokenScanner.h"
#include "shell/CSpinEdit.h"
#include "shell/fieldEdits.h"
#include "store/gkeyword.h"
#include "store/gstation.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <vector>

namespace {

constexpr const char* settingsSection = "Dialogs\\Edit G2Driver";
constexpr int newCaption = 10162;
constexpr int tagTaken = 10041;
constexpr int parameterTagTaken = 10502;
constexpr int commandsTab = 10501;
constexpr int objectsTab = 10630;

QString uiString(int id) { return toUiText(gstrSlice(stringTableText(id))); }

} // namespace

CEditG2DeviceDriverDialog::CEditG2DeviceDriverDialog(g2driver* source, g2driver* target, QWidget* parent)
    : CDialog(templateId, parent), source_(source), target_(target),
      firstTime_(gcommandSequence::driverInit, kw::V_FIRST_TIME), reinit_(gcommandSequence::driverInit, kw::REINIT),
      common_(gcommandSequence::driverInit, kw::COMMON),
      parameterList_(*this, parameters_, {g2parameterScope::driver, parameterTagTaken, false, true})
{
    setSclDriverContext(&commands_, &dataObjects_, &programs_);
    buildControls();
}

// The context goes first, then the pages (which close the program editor
// over the working programs), then the working tables.
CEditG2DeviceDriverDialog::~CEditG2DeviceDriverDialog()
{
    clearSclDriverContext();
    writeProfileInt(settingsSection, "ActivePane", tabs_->currentIndex());
    delete objectsPage_;
    delete commandsPane_;
}

void CEditG2DeviceDriverDialog::buildControls()
{
    setWindowTitle(QStringLiteral("Edit Device Driver"));
    setDialogSize(420, 300);
    addLabel(-1, "&Tag:", 7, 9, 40, 8);
    addEdit(tagId, 50, 7, 120, 12);
    addLabel(-1, "&Name:", 7, 25, 40, 8);
    addEdit(nameId, 50, 23, 120, 12);
    addLabel(-1, "Number of &retries (including first try):", 7, 43, 140, 8);
    retries_ = addControl(retriesId, new CNonNegativeSpinEdit, 150, 41, 40, 12);
    addLabel(-1, "Minimum &delay between commands:", 7, 59, 140, 8);
    delay_ = addControl(delayId, new CRealSpinEdit, 150, 57, 40, 12);
    addLabel(-1, "s", 194, 59, 10, 8);
    addLabel(-1, "&Parameters:", 205, 7, 80, 8);
    addListBox(parameterListEditor::listId, 205, 17, 100, 60);
    addButton(parameterListEditor::editId, "&Edit...", 309, 17, 46, 14);
    addButton(parameterListEditor::deleteId, "De&lete", 309, 33, 46, 14);
    addButton(parameterListEditor::duplicateId, "D&uplicate...", 309, 49, 46, 14);
    addButton(parameterListEditor::newId, "Ne&w...", 309, 65, 46, 14);
    addButton(IDOK, "OK", 362, 7, 53, 14, true);
    addButton(IDCANCEL, "Cancel", 362, 24, 53, 14);
    addButton(errorHandlingId, "&Error Handling...", 362, 46, 53, 14);
    addButton(initSequenceId, "&Init Sequence...", 362, 63, 53, 14);
    tabs_ = addControl(tabId, new QTabBar, 7, 84, 406, 14);
    addLabel(placeholderId, "", 7, 100, 406, 190)->hide();
    fieldEdits::limitSpin(*retries_, driverFields::retries);
    fieldEdits::limitSpin(*delay_, driverFields::minimumDelay);
    parameterList_.attach();

    QObject::connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { showPage(index); });
    QObject::connect(controlAs<QLineEdit>(tagId), &QLineEdit::textChanged, this,
                     [this] { enableControl(IDOK, !controlText(tagId).isEmpty()); });
    onCommand(errorHandlingId, [this] {
        CErrorHandlingDialog dialog(*this, this);
        dialog.DoModal();
    });
    onCommand(initSequenceId, [this] {
        CInitializationSequenceDialog dialog(*this, this);
        dialog.DoModal();
    });
}

bool CEditG2DeviceDriverDialog::OnInitDialog()
{
    commandsPane_ = new CDriverCommandsPane(*this);
    objectsPage_ = new CDriverObjectsPage(*this);
    commandsPane_->create(placeholderId);
    objectsPage_->create(placeholderId);
    {
        QSignalBlocker quiet(tabs_);
        tabs_->addTab(uiString(commandsTab));
        tabs_->addTab(uiString(objectsTab));
        tabs_->setCurrentIndex(profileInt(settingsSection, "ActivePane", 0) == 1 ? 1 : 0);
    }
    showPage(tabs_->currentIndex());
    if (source_) {
        fillFromSource();
    } else {
        setControlText(retriesId, "1");
        setControlText(delayId, "0");
        enableControl(IDOK, false);
        errorHandling_.ignoreSet().setKind(g2driverErrorValueSet::byDefault);
        errorHandling_.reinitSet().setKind(g2driverErrorValueSet::none);
        errorHandling_.retrySet().setKind(g2driverErrorValueSet::none);
        errorHandling_.setRetries(-1);
    }
    if (isEditing()) {
        controlAs<QLineEdit>(tagId)->setReadOnly(true);
        focusControl(nameId);
    } else {
        setWindowTitle(uiString(newCaption));
        focusControl(tagId);
    }
    return false;
}

bool CEditG2DeviceDriverDialog::shownRetries(int32_t& out) const { return retries_->getValue(out); }

void CEditG2DeviceDriverDialog::showPage(int index)
{
    commandsPane_->setVisible(index == 0);
    objectsPage_->setVisible(index == 1);
}

void CEditG2DeviceDriverDialog::fillFromSource()
{
    setControlText(tagId, source_->getTag());
    setControlText(nameId, source_->getTitle(isEditing()));
    parameterList_.fill(source_->parameters(), isEditing());
    jhashTypedIterator<g2driverErrorCode> it(source_->errorCodes());
    g2driverErrorCode* code = nullptr;
    while (it.get(code)) {
        if (code->isDefined())
            errorCodes_.define(code->getName())->setKind(code->getKind());
    }
    copyErrorHandling(source_->errorHandling(), errorHandling_, errorCodes_);
    retries_->setValue(source_->getRetries());
    fieldEdits::showSeconds(*delay_, source_->getDelay());
    commandsPane_->fill();
    objectsPage_->fill();
    firstTime_.copyDriverSequence(source_->firstTimeSequence(), commands_);
    reinit_.copyDriverSequence(source_->reinitSequence(), commands_);
    common_.copyDriverSequence(source_->commonSequence(), commands_);
}

void CEditG2DeviceDriverDialog::copyErrorHandling(const g2driverErrorHandling& from, g2driverErrorHandling& to,
                                                  g2driverErrorCodeTable& codes) const
{
    const g2driverErrorCode* code = from.getErrorCode();
    to.setErrorCode(code ? codes.find(code->getName()) : nullptr);
    to.ignoreSet() = from.ignoreSet();
    to.reinitSet() = from.reinitSet();
    to.retrySet() = from.retrySet();
    to.setRetryDelay(from.getRetryDelay());
    to.setRetries(from.getRetries());
}

bool CEditG2DeviceDriverDialog::fillErrorCodeCombo(QComboBox& combo, int32_t kind,
                                                   const g2driverErrorCode* preselected) const
{
    jhashTypedIterator<g2driverErrorCode> it(errorCodes_);
    g2driverErrorCode* code = nullptr;
    while (it.get(code)) {
        if (code->getKind() != kind)
            continue;
        insertItemAt(combo, combo.count(), code->getName(), code);
        if (code == preselected)
            combo.setCurrentIndex(combo.count() - 1);
    }
    if (combo.currentIndex() < 0 && combo.count() > 0)
        combo.setCurrentIndex(0);
    return combo.currentIndex() >= 0;
}

void CEditG2DeviceDriverDialog::replaceErrorCodes(g2driverErrorCodeTable& codes)
{
    std::vector<g2driverErrorCode*> working;
    jhashTypedIterator<g2driverErrorCode> it(errorCodes_);
    g2driverErrorCode* code = nullptr;
    while (it.get(code)) {
        code->setDefined(0);
        code->setKind(g2driverErrorCode::unset);
        working.push_back(code);
    }
    jhashTypedIterator<g2driverErrorCode> given(codes);
    while (given.get(code)) {
        if (g2driverErrorCode* kept = errorCodes_.define(code->getName()))
            kept->setKind(code->getKind());
    }
    // A code still used keeps its place, so that no user points at a freed
    // code; the Error Handling dialog lets no such code go.
    for (g2driverErrorCode* old : working) {
        if (old->isDefined() || !old->usedBy().isUnused())
            continue;
        errorCodes_.remove(old);
        delete old;
    }
}

// Seconds become milliseconds with the fraction dropped.
bool CEditG2DeviceDriverDialog::readFields(int32_t& retries, uint32_t& delay)
{
    const gintegerField& retriesField = driverFields::retries;
    if (!fieldEdits::readInteger(*retries_, retriesField, source_ ? source_->getRetries() : 0, 0, retries))
        return refuseField(retriesId, retriesField.refusal);
    const gsecondsField& delayField = driverFields::minimumDelay;
    gmilliseconds shown = source_ ? source_->getDelay() : gmilliseconds::notSet;
    return fieldEdits::readSeconds(*delay_, delayField, shown, -1, delay) || refuseField(delayId, delayField.refusal);
}

void CEditG2DeviceDriverDialog::OnOK()
{
    int32_t retries = 0;
    uint32_t delay = 0;
    if (!readFields(retries, delay))
        return;
    if (!target_) {
        target_ = station::g2Drivers().define(controlText(tagId));
        if (!target_)
            return (void)refuseField(tagId, tagTaken);
    }
    writeBack(retries, delay);
    EndDialog(IDOK);
}

void CEditG2DeviceDriverDialog::writeBack(int32_t retries, uint32_t delay)
{
    gstr name = controlText(nameId);
    // A name left as it was keeps a title that equals the tag.
    if (name != target_->getTitle(false))
        target_->setTitle(name == target_->getTag() ? gstrSlice::empty : gstrSlice(name));
    parameterList_.writeInto(target_->parameters());
    target_->setRetries(retries);
    target_->setDelay(gmilliseconds(delay));
    target_->errorCodes().copyFrom(errorCodes_);
    copyErrorHandling(errorHandling_, target_->errorHandling(), target_->errorCodes());
    objectsPage_->saveOpenPrograms();
    target_->programs().copyFrom(programs_);
    target_->replaceTemplates(templates_);
    target_->replaceCommands(commands_);
    target_->replaceDataObjects(dataObjects_);
    for (auto [own, working] : {std::pair{&target_->firstTimeSequence(), &firstTime_},
                                std::pair{&target_->reinitSequence(), &reinit_},
                                std::pair{&target_->commonSequence(), &common_}}) {
        own->takeOver(*working);
        own->setDriver(target_);
    }
}
