#include "registers/ui/CRegisterDialog.h"

#include "registers/sources/ui/CCarriedSourcePane.h"

#include "foundation/jhashIterator.h"
#include "platform/modalRun.h"
#include "platform/settingsStore.h"
#include "platform/textCodec.h"
#include "registers/sources/gregisterSource.h"
#include "registers/sources/gsourceType.h"
#include "registers/sources/ui/CSourcePane.h"
#include "registers/sources/ui/sourcePaneFactory.h"
#include "registers/ui/CAutomaticControlsDialog.h"
#include "registers/ui/CNewLogStringsNotice.h"
#include "registers/ui/CStateLogStringsDialog.h"
#include "resources/stringTable.h"
#include "store/gobjectType.h"
#include "store/gstation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int tagTaken = 10226;
constexpr int sampleNameText = 10435;
constexpr int replaceSourceQuestion = 10721;

// Dialog units.
constexpr int dialogWidth = 300;
constexpr int buttonX = 243;
constexpr int placeholderHeight = 8;

const gobjectType& typeOfClass(int classCode)
{
    switch (classCode) {
    case 1: return objectTypes::bistateRegister();
    case 2: return objectTypes::digitalRegister();
    case 3: return objectTypes::analogRegister();
    default: return objectTypes::stringRegister();
    }
}

const char* captionOfTemplate(int templateId)
{
    switch (templateId) {
    case 536: return "Edit Bistate Register";
    case 539: return "Edit Digital Register";
    case 535: return "Edit Analog Register";
    default: return "Edit String Register";
    }
}

bool hasDefinedObject(const jhashDatabaseTable& table)
{
    jhashIterator it(table);
    jhashObject* entry = nullptr;
    while (it.get(entry)) {
        if (static_cast<jhashDatabaseObject*>(entry)->isDefined())
            return true;
    }
    return false;
}

} // namespace

CRegisterDialog::CRegisterDialog(int templateId, int newCaptionId, gregister* fillFrom, gregister* target,
                                 QWidget* parent)
    : CDialog(templateId, parent), newCaptionId_(newCaptionId), fillFrom_(fillFrom), target_(target)
{
    bool bistate = templateId == 536;
    setWindowTitle(captionOfTemplate(templateId));
    addLabel(-1, bistate ? "&Tag:" : "Tag:", 7, 9, 42, 8);
    addEdit(tagId, 52, 7, 100, 12);
    addLabel(-1, "&Name:", 7, 25, 42, 8);
    addEdit(nameId, 52, 23, 180, 12);
    addLabel(-1, bistate ? "&Alarm level:" : "Alarm &level:", 7, 41, 44, 8);
    QComboBox* level = addComboBox(levelId, false, 52, 39, 100, 12);
    for (const char* text : {"<none>", "Status", "Alarm", "Latching alarm"})
        level->addItem(text);

    addCheckBox(fileOnlyId, "Log &in file only", 7, 58, 110, 10);
    addCheckBox(autoMaskId, bistate ? "&Enable auto mask" : "Enable auto mas&k", 7, 70, 110, 10);
    addCheckBox(manualMaskId, "Ena&ble manual mask", 7, 82, 110, 10);
    addCheckBox(localId, "D&on't transmit over network", 7, 94, 110, 10);
    addCheckBox(hiddenId, "Initially hidden", 7, 106, 110, 10);
    addCheckBox(userDefinableId, "&User definable", 122, 58, 115, 10);
    addCheckBox(askToMaskId, bistate ? "Ask to &mask/unmask" : "&Ask to mask/unmask", 132, 70, 105, 10);
    addCheckBox(configureLogStringsId, templateId == 535 ? "Con&figure log strings" : "Confi&gure log strings", 132,
                82, 105, 10);
    enableControl(askToMaskId, false);
    enableControl(configureLogStringsId, false);

    addButton(IDOK, "OK", buttonX, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", buttonX, 24, 50, 14);
    addButton(logStringsId, "Log &Strings...", buttonX, 48, 50, 14);
    addButton(controlsId, "&Controls...", buttonX, 65, 50, 14);

    onCommand(userDefinableId, [this] { enableUserOptions(isChecked(userDefinableId)); });
    onCommand(manualMaskId, [this] {
        enableControl(askToMaskId, isChecked(userDefinableId) && isChecked(manualMaskId));
    });
    onCommand(logStringsId, [this] { OnLogStrings(); });
    onCommand(controlsId, [this] { OnControls(); });
    QObject::connect(controlAs<QLineEdit>(tagId), &QLineEdit::textChanged, this, [this] { enableOk(); });
}

CRegisterDialog::~CRegisterDialog() = default;

void CRegisterDialog::finishLayout(int classBottom)
{
    int y = classBottom + 6;
    addLabel(-1, "&Source type:", 7, y + 2, 50, 8);
    auto* types = addComboBox(sourceTypeId, false, 60, y, 160, 12);
    QObject::connect(types, &QComboBox::currentIndexChanged, this, [this] {
        if (!fillingTypes_)
            onSourceTypeChange();
    });
    addLabel(-1, "Source", 7, y + 20, 30, 8);
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    addControl(-1, line, 38, y + 24, dialogWidth - 45, 1);
    addLabel(placeholderId, "", 7, y + 32, dialogWidth - 14, placeholderHeight)->hide();
    setDialogSize(dialogWidth, y + 32 + placeholderHeight + 7);
}

int CRegisterDialog::sourceTypeNameId(int typeCode) { return typeCode < 1 ? 0 : ::sourceTypeNameId(typeCode); }

int CRegisterDialog::selectedLevel() const { return selectedItem(levelId) + 1; }

void CRegisterDialog::sampleRegisterName()
{
    sampleName_ = typedName();
    if (sampleName_.isEmpty())
        sampleName_ = typedTag();
    if (sampleName_.isEmpty())
        sampleName_.loadString(sampleNameText);
}

void CRegisterDialog::showElementCount(int32_t) {}

void CRegisterDialog::enableUserOptions(bool userDefinable)
{
    enableControl(askToMaskId, userDefinable && isChecked(manualMaskId));
    enableControl(configureLogStringsId, userDefinable);
}

void CRegisterDialog::sourcePaneReplaced() {}

void CRegisterDialog::OnLogStrings()
{
    CStateLogStringsDialog dialog(*this, this);
    dialog.DoModal();
}

void CRegisterDialog::OnControls()
{
    CAutomaticControlsDialog dialog(*this, CAutomaticControlsDialog::plainTemplate, this);
    dialog.DoModal();
}

bool CRegisterDialog::OnInitDialog()
{
    QWidget* placeholder = control(placeholderId);
    width_ = width();
    heightWithoutPane_ = height() - placeholder->height();
    panePosition_ = placeholder->pos();

    bool userDefinable = false;
    if (gregister* reg = fillFrom_) {
        setControlText(tagId, reg->getTag());
        const gstr& title = reg->getTitle(false);
        setControlText(nameId, title.isEmpty() && target_ ? reg->getTag() : title);
        setChecked(autoMaskId, reg->getAutoMask() != 0);
        setChecked(manualMaskId, reg->getManualMask() != 0);
        setChecked(hiddenId, reg->getHidden() != 0);
        setChecked(fileOnlyId, reg->getLogMode() != 0);
        setChecked(localId, reg->getLocal() != 0);
        userDefinable = reg->getUserDefinable() > 0;
        setChecked(userDefinableId, userDefinable);
        setChecked(askToMaskId, !userDefinable || reg->getAskToMask() > 0);
        setChecked(configureLogStringsId, userDefinable && reg->getConfigureLogStrings() > 0);
        selectItem(levelId, std::max(reg->getLevel() - 1, 0));
        for (int i = 0; i < gregister::logStringCount; ++i)
            logStrings_[i] = reg->getLogString(static_cast<gregister::logString>(i));
        for (int i = 0; i < gregister::controlCount; ++i)
            controls_[i] = reg->getControl(static_cast<gregister::control>(i));
        oldStyle_ = reg->getNewLogStrings() <= 0;
    } else {
        for (int id : {autoMaskId, manualMaskId, askToMaskId})
            setChecked(id, true);
        selectItem(levelId, 0);
    }
    fillClassFields(userDefinable);
    enableUserOptions(userDefinable);
    enableOk();

    if (target_) {
        controlAs<QLineEdit>(tagId)->setReadOnly(true);
        focusControl(nameId);
    } else {
        setWindowTitle(toUiText(gstr().loadString(newCaptionId_)));
        focusControl(tagId);
    }
    return false;
}

void CRegisterDialog::enableOk() { enableControl(IDOK, !controlText(tagId).isEmpty()); }

void CRegisterDialog::showFillFromSource(const gregisterSource* source, int defaultTypeCode)
{
    if (!source) {
        showSourcePane(defaultTypeCode);
        paneForNoSource_ = pane_.get();
        return;
    }
    showSourcePane(source->getSourceType(), createSourcePaneFor(*source));
    // A pane that finds nothing to offer (every port or parameter gone from
    // the station) must not cost the register its source: the source is
    // carried as it is.
    if (!pane_)
        showSourcePane(source->getSourceType(), std::make_unique<CCarriedSourcePane>(*source));
}

CSourcePane* CRegisterDialog::sourcePaneToApply() const
{
    if (pane_ && pane_.get() == paneForNoSource_ && pane_->isReplaceableWithoutAsking())
        return nullptr;
    return pane_.get();
}

bool CRegisterDialog::validateSourcePane() const { return !pane_ || pane_->validate(); }

bool CRegisterDialog::refuseFocusOnly(int id, int messageId)
{
    messageBox(messageId, gbuttons::ok);
    if (QWidget* field = control(id))
        field->setFocus();
    return false;
}

std::unique_ptr<CSourcePane> CRegisterDialog::createSourcePane(int typeCode) const
{
    return ::createSourcePane(classCode(), typeCode);
}

void CRegisterDialog::showSourcePane(int typeCode, std::unique_ptr<CSourcePane> pane)
{
    typeCode_ = typeCode;
    fillSourceTypes(hasDefinedObject(station::legacyParameters()), hasDefinedObject(station::legacyDrivers()));
    if (!pane)
        pane = createSourcePane(typeCode);
    if (pane && !pane->create(*this))
        pane.reset();
    pane_ = std::move(pane);
    fitToSourcePane();
    if (pane_)
        pane_->placeAt(control(placeholderId), panePosition_);
}

void CRegisterDialog::fitToSourcePane()
{
    resize(width_, heightWithoutPane_ + (pane_ ? pane_->getHeight() : 0));
}

void CRegisterDialog::fillSourceTypes(bool legacyParameters, bool legacyDrivers)
{
    auto* combo = controlAs<QComboBox>(sourceTypeId);
    fillingTypes_ = true;
    combo->clear();
    for (int code : sourceTypesOfClass(classCode())) {
        if ((code == 5 && !legacyParameters) || (code >= 20 && !legacyDrivers))
            continue;
        combo->addItem(toUiText(gstrSlice(stringTableText(sourceTypeNameId(code)))), code);
        if (code == typeCode_)
            combo->setCurrentIndex(combo->count() - 1);
    }
    if (combo->findData(typeCode_) < 0)
        combo->setCurrentIndex(-1);
    fillingTypes_ = false;
}

void CRegisterDialog::onSourceTypeChange()
{
    int code = controlAs<QComboBox>(sourceTypeId)->currentData().toInt();
    if (code == typeCode_)
        return;
    std::unique_ptr<CSourcePane> pane = createSourcePane(code);
    if (pane && pane->create(*this)) {
        gstr question;
        question.format(replaceSourceQuestion, gstrSlice(stringTableText(sourceTypeNameId(code))));
        if (!pane_ || pane_->isReplaceableWithoutAsking()
            || messageBox(question, gbuttons::okCancel, gicon::none, replaceSourceQuestion) == ganswer::ok) {
            typeCode_ = code;
            pane_ = std::move(pane);
            fitToSourcePane();
            pane_->placeAt(control(placeholderId), panePosition_);
            sourcePaneReplaced();
            return;
        }
    }
    pane.reset();
    restoreSourceTypeSelection();
}

// From the last item down to the second; the first when none holds the
// current code.
void CRegisterDialog::restoreSourceTypeSelection()
{
    auto* combo = controlAs<QComboBox>(sourceTypeId);
    int index = combo->count() - 1;
    while (index > 0 && combo->itemData(index).toInt() != typeCode_)
        --index;
    fillingTypes_ = true;
    combo->setCurrentIndex(std::max(index, 0));
    fillingTypes_ = false;
}

void CRegisterDialog::OnOK()
{
    int level = selectedLevel();
    if (!validateClassFields(level))
        return;
    if (!newLogStringsNoticeAccepted(level))
        return;
    if (!target_ && !defineTarget())
        return;
    storeCommonFields();
    applyClassFields(isChecked(userDefinableId));
    EndDialog(IDOK);
}

bool CRegisterDialog::newLogStringsNoticeAccepted(int level)
{
    if (level < gregister::levelAlarm || oldStyle_)
        return true;
    bool someDefault = false;
    for (gregister::logString which : {gregister::onLog, gregister::offLog, gregister::acknowledgeLog})
        someDefault = someDefault || logStrings_[which].isNull();
    if (!someDefault || profileInt("General", "WarnNewLogStrings", 1) == 0)
        return true;
    gstr name = typedName();
    if (name.isEmpty())
        name = typedTag();
    CNewLogStringsNotice notice(name, this);
    return notice.DoModal() == IDOK;
}

bool CRegisterDialog::defineTarget()
{
    gstr tag = typedTag();
    gtitledObject* made = typeOfClass(classCode()).defineObject(tag, false);
    if (!made)
        return refuseField(tagId, tagTaken);
    target_ = static_cast<gregister*>(made);
    return true;
}

void CRegisterDialog::storeCommonFields()
{
    gregister& reg = *target_;
    gstr tag = typedTag();
    gstr name = typedName();
    // A name left as it was keeps a title that equals the tag.
    if (name != reg.getTitle(false))
        reg.setTitle(name.isEmpty() || name == tag ? gstrSlice::empty : gstrSlice(name));
    for (int i = 0; i < gregister::logStringCount; ++i) {
        gstr text(logStrings_[i]);
        reg.setLogString(static_cast<gregister::logString>(i), text);
    }
    reg.setNewLogStrings(oldStyle_ ? 0 : 1);
    reg.setAutoMask(isChecked(autoMaskId) ? 1 : 0);
    reg.setManualMask(isChecked(manualMaskId) ? 1 : 0);
    reg.setHidden(isChecked(hiddenId) ? 1 : 0);
    reg.setLogMode(isChecked(fileOnlyId) ? 1 : 0);
    reg.setLocal(isChecked(localId) ? 1 : 0);
    reg.setLevel(selectedLevel());
    bool userDefinable = isChecked(userDefinableId);
    reg.setUserDefinable(userDefinable ? 1 : 0);
    reg.setAskToMask(userDefinable && isChecked(askToMaskId) ? 1 : 0);
    reg.setConfigureLogStrings(userDefinable && isChecked(configureLogStringsId) ? 1 : 0);
    for (int i = 0; i < gregister::controlCount; ++i)
        reg.setControl(static_cast<gregister::control>(i), controls_[i]);
}
