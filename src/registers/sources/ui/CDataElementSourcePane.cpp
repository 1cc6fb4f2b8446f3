#include "registers/sources/ui/CDataElementSourcePane.h"

#include "foundation/jhashIterator.h"
#include "g2driver/editor/CEditParameterTermsDialogs.h"
#include "g2driver/editor/CParameterValuesPanel.h"
#include "g2driver/editor/CSourceTypeHostPane.h"
#include "g2driver/model/g2driverCommand.h"
#include "g2driver/model/g2driverCommandTemplate.h"
#include "g2driver/model/g2driverResponseDataName.h"
#include "legacy/ui/objectItems.h"
#include "platform/textCodec.h"
#include "shell/CSpinEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

constexpr int noCommand = 10637;
constexpr int emptyKey = 10150;
constexpr int badKey = 10090;
constexpr int badOffset = 10327;
constexpr int negativeOffset = 10638;
constexpr int noOffsetParameters = 10285;
constexpr int oneOffsetParameter = 10287;
constexpr int someOffsetParameters = 10290;

bool hasDataElement(g2driverCommand& command)
{
    g2driverCommandTemplate* commandTemplate = command.isDefined() ? command.getTemplate() : nullptr;
    if (!commandTemplate)
        return false;
    jhashTypedIterator<g2driverResponseDataName> it(commandTemplate->responseDataNames());
    g2driverResponseDataName* name = nullptr;
    while (it.get(name)) {
        if (name->isDefined())
            return true;
    }
    return false;
}

} // namespace

CDataElementSourcePane::CDataElementSourcePane(CSourceTypeHostPane& host, int templateId)
    : CDataSourcePane(host, templateId)
{
}

CDataElementSourcePane::~CDataElementSourcePane() = default;

void CDataElementSourcePane::addDataElementControls(int kindHeight)
{
    becomeChild(paneWidth, sharedHeight + kindHeight);
    // Rows a little closer than a template's usual 16 units: a data
    // object's dialog with the tallest source still fits a small screen.
    addLabel(-1, "&Command:", 0, 2, 48, 8);
    auto* command = addComboBox(commandId, false, 50, 0, 180, 100);
    addLabel(-1, "&Data elmt.:", 0, 17, 48, 8);
    addComboBox(dataElementId, false, 50, 15, 180, 100);
    addCheckBox(useKeyId, "&Use search key:", 0, 32, 66, 10);
    addEdit(keyId, 68, 30, 162, 12);
    addLabel(-1, "&Offset:", 0, 47, 48, 8);
    addControl(offsetId, new CSignedSpinEdit(), 50, 45, 50, 12);
    addLabel(offsetCountId, "", 106, 47, 90, 8);
    addButton(offsetEditId, "Edit...", 198, 44, 32, 14);
    onCommand(offsetEditId, [this] { editOffsets(); });
    panel_ = addControl(panelId, new CParameterValuesPanel(false), 0, 60, paneWidth, 1);
    QObject::connect(command, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_)
            commandSelected();
    });
    QObject::connect(controlAs<QCheckBox>(useKeyId), &QCheckBox::toggled, this,
                     [this](bool on) { enableControl(keyId, on); });
}

int CDataElementSourcePane::kindTop(int y) const { return dialogUnitsY(sharedHeight + y); }

bool CDataElementSourcePane::initFromReference(const gcommandDataRef* reference)
{
    base_ = size();
    setControlText(offsetId, "0");
    enableControl(keyId, false);
    if (reference) {
        if (reference->key().isSet()) {
            setChecked(useKeyId, true);
            enableControl(keyId, true);
            gstr key;
            reference->key().toString(key, true);
            setControlText(keyId, key);
        }
        static_cast<CSignedSpinEdit*>(control(offsetId))->setValue(reference->getOffset());
        offsets_ = reference->offsetParameters();
        for (goffsetParameter& offset : offsets_)
            offset.rebindParameter(host().workingParameters());
    }
    auto* combo = controlAs<QComboBox>(commandId);
    filling_ = true;
    jhashTypedIterator<g2driverCommand> it(host().tables().commands);
    g2driverCommand* command = nullptr;
    while (it.get(command)) {
        if (hasDataElement(*command))
            insertItemAt(*combo, combo->count(), command->getName(), command);
    }
    int at = reference ? findItemObject(*combo, reference->getCommand()) : -1;
    combo->setCurrentIndex(at >= 0 || combo->count() == 0 ? at : 0);
    filling_ = false;
    if (combo->currentIndex() < 0)
        return refuseCreate(noCommand);
    fillDataElements(reference ? reference->getDataElement() : nullptr);
    if (reference)
        panel_->setValues(reference->values());
    showOffsetCount();
    return true;
}

g2driverCommand* CDataElementSourcePane::chosenCommand() const
{
    auto* combo = controlAs<QComboBox>(commandId);
    return static_cast<g2driverCommand*>(itemObject(*combo, combo->currentIndex()));
}

void CDataElementSourcePane::fillDataElements(const g2driverResponseDataName* wanted)
{
    g2driverCommand* command = chosenCommand();
    if (!command)
        return;
    int extra = panel_->setParameters(command->parameters().ordered());
    resize(base_.width(), base_.height() + extra);
    moveChildren(extra);
    auto* combo = controlAs<QComboBox>(dataElementId);
    gstr keep = wanted ? gstr(wanted->getName()) : fromUiText(combo->currentText());
    combo->clear();
    jhashTypedIterator<g2driverResponseDataName> it(command->getTemplate()->responseDataNames());
    g2driverResponseDataName* name = nullptr;
    while (it.get(name)) {
        if (name->isDefined())
            insertItemAt(*combo, combo->count(), name->getName(), name);
    }
    int at = findItemText(*combo, keep);
    combo->setCurrentIndex(at >= 0 ? at : 0);
}

void CDataElementSourcePane::commandSelected()
{
    fillDataElements(nullptr);
    heightChanged();
}

void CDataElementSourcePane::showOffsetCount()
{
    gstr text;
    size_t count = offsets_.size();
    if (count == 0)
        text.loadString(noOffsetParameters);
    else if (count == 1)
        text.loadString(oneOffsetParameter);
    else
        text.format(someOffsetParameters, static_cast<int32_t>(count));
    setControlText(offsetCountId, text);
}

void CDataElementSourcePane::editOffsets()
{
    termList offsets(*this, offsets_);
    CEditOffsetParametersDialog dialog(offsets, this);
    if (dialog.DoModal() == IDOK)
        showOffsetCount();
}

int CDataElementSourcePane::termList::fillParameterCombo(QComboBox& combo, int32_t kind,
                                                         const g2driverParameter* chosen)
{
    pane_.host().fillParameterCombo(combo, kind, chosen);
    return combo.count();
}

bool CDataElementSourcePane::storeIntoReference(gcommandDataRef& reference)
{
    g2driverCommand* command = chosenCommand();
    auto* names = controlAs<QComboBox>(dataElementId);
    auto* dataElement = static_cast<g2driverResponseDataName*>(itemObject(*names, names->currentIndex()));
    g2driverParameterValueTable values(5);
    if (!panel_->getValues(values, false))
        return false;
    reference.setLocation(command, values, dataElement);
    gregexp key(false);
    if (isChecked(useKeyId)) {
        gstr text = controlText(keyId);
        if (text.isEmpty())
            return refuseField(keyId, emptyKey);
        if (key.parse(text.data(), true, false) != 1)
            return refuseField(keyId, badKey);
    }
    reference.setKey(key);
    int32_t offset = 0;
    if (!static_cast<CSignedSpinEdit*>(control(offsetId))->getValue(offset))
        return refuseField(offsetId, badOffset);
    if (offset < 0 && !isChecked(useKeyId) && offsets_.empty())
        return refuseField(offsetId, negativeOffset);
    reference.setOffset(offset);
    reference.setOffsetParameters(offsets_);
    return true;
}

void CDataElementSourcePane::registerUses(gusesList& uses)
{
    for (const goffsetParameter& offset : offsets_)
        offset.addReferences(uses);
}
