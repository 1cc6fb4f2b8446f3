#include "g2driver/editor/CParameterDataSourcePane.h"

#include "g2driver/editor/CSourceTypeHostPane.h"
#include "g2driver/model/g2driverParameter.h"
#include "platform/settingsStore.h"
#include "registers/sources/g2driverParameterSource.h"
#include "shell/CEscapedStringEdit.h"
#include "shell/CSpinEdit.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>

namespace {

constexpr int digitalUnreadable = 10635;
constexpr int analogUnreadable = 10636;
const char* const readSection = "Dialogs\\Edit G2Driver";
const char* const writeSection = "Dialogs\\Edit Parameter";
const char* const hexModeEntry = "HexMode";

} // namespace

CParameterDataSourcePane::CParameterDataSourcePane(CSourceTypeHostPane& host) : CDataSourcePane(host, templateId)
{
}

CParameterDataSourcePane::~CParameterDataSourcePane()
{
    if (string_)
        writeProfileInt(writeSection, hexModeEntry, hexMode_);
}

void CParameterDataSourcePane::addControls()
{
    addCheckBox(defaultId, "&Default value:", 0, 2, 64, 10);
    string_ = addControl(stringId, new CEscapedStringEdit(), 66, 0, 150, 12);
    addRadioButton(showTextId, "Show as te&xt", 66, 16, 70, 10);
    addRadioButton(showHexId, "Show as &hex", 140, 16, 70, 10);
    addControl(digitalId, new CUnsignedSpinEdit(), 66, 0, 80, 12);
    addControl(analogId, new CRealSpinEdit(), 66, 0, 80, 12);
    addRadioButton(onId, "&On", 66, 2, 40, 10);
    addRadioButton(offId, "&Off", 110, 2, 40, 10);
    addCheckBox(rememberId, "&Remember the value across launches of K.O.R.V.E.L.", 0, 30, 216, 10);
    for (auto ids : {std::pair{showTextId, showHexId}, std::pair{onId, offId}}) {
        auto* group = new QButtonGroup(this);
        group->addButton(controlAs<QAbstractButton>(ids.first));
        group->addButton(controlAs<QAbstractButton>(ids.second));
    }
    QObject::connect(controlAs<QCheckBox>(defaultId), &QCheckBox::toggled, this, [this] { enableValues(); });
    onCommand(showTextId, [this] { switchHexMode(0); });
    onCommand(showHexId, [this] { switchHexMode(1); });
}

// The string edit follows the display buttons; a text that cannot be shown
// the other way keeps its mode and the buttons go back.
void CParameterDataSourcePane::switchHexMode(int hexMode)
{
    if (string_->setHexMode(hexMode, false))
        hexMode_ = hexMode;
    checkRadioButton(showHexId, showTextId, hexMode_ ? showHexId : showTextId);
}

bool CParameterDataSourcePane::create(const g2driverDataSource* source)
{
    hexMode_ = profileInt(readSection, hexModeEntry, 0) != 0 ? 1 : 0;
    becomeChild(218, 42);
    addControls();
    checkRadioButton(showHexId, showTextId, hexMode_ ? showHexId : showTextId);
    string_->setHexMode(hexMode_, true);
    checkRadioButton(onId, offId, onId);
    setControlText(digitalId, "0");
    setControlText(analogId, "0");
    if (source)
        showDefault(*source);
    enableValues();
    acceptValueKind(host().valueKind());
    return true;
}

void CParameterDataSourcePane::showDefault(const g2driverDataSource& source)
{
    const auto& parameter = static_cast<const g2driverParameterSource&>(source);
    setChecked(rememberId, parameter.getPersistent() == 1);
    if (!parameter.hasDefault())
        return;
    setChecked(defaultId, true);
    switch (host().valueKind()) {
    case g2valueKind::bistate:
        checkRadioButton(onId, offId, parameter.getNumber() == 1 ? onId : offId);
        break;
    case g2valueKind::digital:
        static_cast<CUnsignedSpinEdit*>(control(digitalId))->setValue(parameter.getNumber());
        break;
    case g2valueKind::analog:
        static_cast<CRealSpinEdit*>(control(analogId))->setValue(parameter.getReal());
        break;
    default:
        string_->setValue(parameter.getText());
        break;
    }
}

void CParameterDataSourcePane::enableValues()
{
    bool on = isChecked(defaultId);
    for (int id : {stringId, showTextId, showHexId, digitalId, analogId, onId, offId})
        enableControl(id, on);
}

bool CParameterDataSourcePane::acceptValueKind(int32_t kind)
{
    bool isString = kind == g2valueKind::string;
    for (int id : {stringId, showTextId, showHexId})
        showControl(id, isString);
    showControl(digitalId, kind == g2valueKind::digital);
    showControl(analogId, kind == g2valueKind::analog);
    showControl(onId, kind == g2valueKind::bistate);
    showControl(offId, kind == g2valueKind::bistate);
    return true;
}

bool CParameterDataSourcePane::isUnchanged() const { return !isChecked(defaultId) && !isChecked(rememberId); }

std::unique_ptr<g2driverDataSource> CParameterDataSourcePane::makeSource()
{
    auto source = std::make_unique<g2driverParameterSource>();
    if (isChecked(defaultId) && !storeDefault(*source))
        return nullptr;
    source->setPersistent(isChecked(rememberId) ? 1 : 0);
    return source;
}

bool CParameterDataSourcePane::storeDefault(g2driverParameterSource& source)
{
    switch (host().valueKind()) {
    case g2valueKind::bistate:
        source.setNumberDefault(isChecked(onId) ? 1 : 0);
        return true;
    case g2valueKind::digital: {
        uint32_t value = 0;
        if (!static_cast<CUnsignedSpinEdit*>(control(digitalId))->getValue(value))
            return refuseField(digitalId, digitalUnreadable);
        source.setNumberDefault(value);
        return true;
    }
    case g2valueKind::analog: {
        double value = 0;
        if (!static_cast<CRealSpinEdit*>(control(analogId))->getValue(value))
            return refuseField(analogId, analogUnreadable);
        source.setRealDefault(value);
        return true;
    }
    default: {
        gstr text;
        if (!string_->getValue(text, false)) {
            focusControl(stringId);
            return false;
        }
        source.setTextDefault(text);
        return true;
    }
    }
}
