#include "registers/sources/ui/CLegacySourcePane.h"

#include "foundation/jhashIterator.h"
#include "legacy/glegacyDriver.h"
#include "legacy/glegacyResponse.h"
#include "platform/modalRun.h"
#include "ports/glegacyDevice.h"
#include "ports/gserialPort.h"
#include "registers/sources/gsourceSerialInterface.h"
#include "shell/CSpinEdit.h"
#include "store/gstation.h"

#include <QComboBox>
#include <algorithm>
#include <utility>

namespace {

constexpr int noResponsesMessage = 10152;
constexpr int noDevicesMessage = 10326;
constexpr int noKeyMessage = 10150;
constexpr int badKeyMessage = 10090;
constexpr int badOffsetMessage = 10534;
constexpr int badLengthMessage = 10328;
constexpr int byteLengthMessage = 10011;
constexpr int bcdLengthMessage = 10008;
constexpr int multibyteLengthMessage = 10058;

// A sorted list's rows: its texts in the order of a list box that sorts
// without regard to case.
template <class T>
using rowList = std::vector<std::pair<gstr, T*>>;

template <class T>
void sortRows(rowList<T>& rows)
{
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        int byCase = a.first.compareNoCase(b.first);
        return byCase != 0 ? byCase < 0 : a.first.compare(b.first) < 0;
    });
}

// Fills the combo with the rows and keeps what they stand for; the row of
// wanted (or none) is selected.
template <class T>
void fillCombo(CDialog& pane, int id, rowList<T>& rows, std::vector<T*>& items, const T* wanted)
{
    sortRows(rows);
    pane.clearItems(id);
    items.clear();
    for (auto& [text, item] : rows) {
        pane.addItem(id, text);
        items.push_back(item);
    }
    auto found = std::find(items.begin(), items.end(), wanted);
    pane.selectItem(id, wanted && found != items.end() ? static_cast<int>(found - items.begin()) : -1);
}

template <class T>
T* chosen(const CDialog& pane, int id, const std::vector<T*>& items)
{
    int index = pane.selectedItem(id);
    return index >= 0 && index < static_cast<int>(items.size()) ? items[index] : nullptr;
}

glegacyResponse* definedResponse(glegacyDriver* driver, const gstrSlice& name)
{
    if (!driver || name.isNull())
        return nullptr;
    glegacyResponse* response = driver->responses().find(name);
    return response && response->isDefined() ? response : nullptr;
}

} // namespace

CLegacySourcePane::CLegacySourcePane(int templateId) : CSourcePane(templateId) {}

int CLegacySourcePane::addLocationControls()
{
    addLabel(-1, "&Port:", 0, 2, 55, 8);
    addComboBox(portId, false, 60, 0, 150, 12);
    addLabel(-1, "&Device:", 0, 18, 55, 8);
    addComboBox(deviceId, false, 60, 16, 150, 12);
    addLabel(-1, "Data &buffer:", 0, 34, 55, 8);
    addComboBox(dataBufferId, false, 60, 32, 150, 12);
    addCheckBox(useKeyId, "&Use search key:", 0, 49, 72, 10);
    addEdit(keyId, 75, 48, 135, 12)->setEnabled(false);
    addLabel(-1, "&Offset:", 0, 66, 55, 8);
    addControl(offsetId, new CSignedSpinEdit, 60, 64, 60, 12);
    addCheckBox(fixedLengthId, "&Fixed length:", 0, 81, 72, 10);
    addControl(lengthId, new CSignedSpinEdit, 75, 80, 60, 12)->setEnabled(false);

    auto onChoice = [this](int id, void (CLegacySourcePane::*handler)()) {
        QObject::connect(controlAs<QComboBox>(id), &QComboBox::currentIndexChanged, this, [this, handler] {
            if (!filling_)
                (this->*handler)();
        });
    };
    onChoice(portId, &CLegacySourcePane::portChosen);
    onChoice(deviceId, &CLegacySourcePane::deviceChosen);
    onChoice(dataBufferId, &CLegacySourcePane::dataBufferChosen);
    onCommand(useKeyId, [this] { enableControl(keyId, isChecked(useKeyId)); });
    onCommand(fixedLengthId, [this] { fixedLengthClicked(); });
    return 96;
}

void CLegacySourcePane::loadLocation(const gsourceSerialInterface& location)
{
    port_ = location.getPort();
    response_ = location.getResponse();
    key_ = location.searchKey();
    length_ = location.getLength();
    offset_ = location.getOffset();
}

bool CLegacySourcePane::initLocation(int messageId)
{
    workingPort_ = port_;
    workingDriver_ = response_ ? response_->getDriver() : nullptr;
    workingResponse_ = response_;
    fillPorts();
    if (ports_.empty())
        return refuseCreate(messageId);
    if (selectedItem(portId) < 0) {
        filling_ = true;
        selectItem(portId, 0);
        filling_ = false;
        port_ = workingPort_ = ports_.front();
    }
    fillDevices();
    if (workingDriver_)
        fillDataBuffers();

    auto* length = dynamic_cast<CSignedSpinEdit*>(control(lengthId));
    length->spin().minimum = 1;
    length->setValue(length_ != 0 ? length_ : 1);
    dynamic_cast<CSignedSpinEdit*>(control(offsetId))->setValue(offset_);
    setChecked(fixedLengthId, length_ != 0);
    enableControl(lengthId, length_ != 0);
    setChecked(useKeyId, key_.isSet());
    enableControl(keyId, key_.isSet());
    gstr keyText("");
    key_.toString(keyText, true);
    setControlText(keyId, keyText);
    return true;
}

void CLegacySourcePane::fillPorts()
{
    rowList<gserialPort> rows;
    jhashTypedIterator<gserialPort> it(station::serialPorts());
    gserialPort* port = nullptr;
    while (it.get(port)) {
        if (port->isDefined())
            rows.emplace_back(gstr(port->getTitle(true)), port);
    }
    filling_ = true;
    fillCombo(*this, portId, rows, ports_, workingPort_);
    filling_ = false;
}

void CLegacySourcePane::fillDevices()
{
    rowList<glegacyDriver> rows;
    jhashTypedIterator<glegacyDevice> it(workingPort_->legacyDevices());
    glegacyDevice* device = nullptr;
    while (it.get(device)) {
        if (device->isDefined() && device->getDriver())
            rows.emplace_back(gstr(device->getDisplayName()), device->getDriver());
    }
    filling_ = true;
    fillCombo(*this, deviceId, rows, drivers_, workingDriver_);
    if (!workingDriver_ && !drivers_.empty()) {
        selectItem(deviceId, 0);
        workingDriver_ = drivers_.front();
    }
    filling_ = false;
}

void CLegacySourcePane::fillDataBuffers()
{
    rowList<glegacyResponse> rows;
    jhashTypedIterator<glegacyResponse> it(workingDriver_->responses());
    glegacyResponse* response = nullptr;
    while (it.get(response)) {
        if (response->isDefined())
            rows.emplace_back(gstr(response->getName()), response);
    }
    filling_ = true;
    fillCombo(*this, dataBufferId, rows, responses_, workingResponse_);
    if (!workingResponse_ && !responses_.empty()) {
        selectItem(dataBufferId, 0);
        response_ = workingResponse_ = responses_.front();
    }
    filling_ = false;
}

// The device of the same driver and the data buffer of the same name are
// looked for on the new port.
void CLegacySourcePane::portChosen()
{
    workingPort_ = chosen(*this, portId, ports_);
    if (!workingPort_)
        return;
    gstr bufferName(workingResponse_ ? gstrSlice(workingResponse_->getName()) : gstrSlice::null);
    glegacyDevice* device =
        workingDriver_ ? workingPort_->legacyDevices().find(workingDriver_->getTag()) : nullptr;
    workingDriver_ = device && device->isDefined() ? device->getDriver() : nullptr;
    fillDevices();
    if (!workingDriver_) {
        clearItems(dataBufferId);
        responses_.clear();
        workingResponse_ = nullptr;
        return;
    }
    workingResponse_ = definedResponse(workingDriver_, bufferName);
    fillDataBuffers();
}

void CLegacySourcePane::deviceChosen()
{
    workingDriver_ = chosen(*this, deviceId, drivers_);
    gstr bufferName(workingResponse_ ? gstrSlice(workingResponse_->getName()) : gstrSlice::null);
    workingResponse_ = definedResponse(workingDriver_, bufferName);
    if (workingDriver_)
        fillDataBuffers();
}

void CLegacySourcePane::dataBufferChosen() { workingResponse_ = chosen(*this, dataBufferId, responses_); }

void CLegacySourcePane::fixedLengthClicked()
{
    bool fixed = isChecked(fixedLengthId);
    enableControl(lengthId, fixed);
    if (fixed && controlText(lengthId).isEmpty())
        setControlText(lengthId, "1");
}

void CLegacySourcePane::fixLength()
{
    setChecked(fixedLengthId, true);
    fixedLengthClicked();
}

void CLegacySourcePane::setLengthRange(int32_t minimum, int32_t maximum)
{
    auto* length = dynamic_cast<CSignedSpinEdit*>(control(lengthId));
    length->spin().minimum = minimum;
    length->spin().maximum = maximum;
}

bool CLegacySourcePane::validateLocation()
{
    if (!workingResponse_) {
        messageBox(workingDriver_ ? noResponsesMessage : noDevicesMessage, gbuttons::ok, gicon::warning);
        return false;
    }
    if (!validateKey())
        return false;
    int32_t offset = 0;
    if (!dynamic_cast<CSignedSpinEdit*>(control(offsetId))->getValue(offset) || offset == gsourceSerialInterface::noOffset)
        return refuseField(offsetId, badOffsetMessage);
    workingOffset_ = offset;
    if (!isChecked(fixedLengthId)) {
        workingLength_ = 0;
        return true;
    }
    int32_t length = 0;
    if (!dynamic_cast<CSignedSpinEdit*>(control(lengthId))->getValue(length))
        length = 0;
    if (length < 1)
        return refuseField(lengthId, badLengthMessage);
    workingLength_ = length;
    return true;
}

// The key is compiled exactly as typed.
bool CLegacySourcePane::validateKey()
{
    if (!isChecked(useKeyId)) {
        workingKey_.clear();
        return true;
    }
    gstr text = controlText(keyId);
    if (text.isEmpty())
        return refuseField(keyId, noKeyMessage);
    gregexp key(false);
    if (key.parse(text.data(), true, false) != 1)
        return refuseField(keyId, badKeyMessage);
    workingKey_.transferFrom(key);
    return true;
}

void CLegacySourcePane::commitLocation()
{
    length_ = workingLength_;
    offset_ = workingOffset_;
    key_.transferFrom(workingKey_);
    port_ = workingPort_;
    response_ = workingResponse_;
}

void CLegacySourcePane::applyLocation(gsourceSerialInterface& location)
{
    location.searchKey().transferFrom(key_);
    location.fillValues(port_, response_, offset_, length_);
}

int CLegacyDataTypeSourcePane::addDataTypeControls()
{
    int y = addLocationControls();
    addLabel(-1, "Data &type:", 0, y + 2, 55, 8);
    addComboBox(dataTypeId, false, 60, y, 150, 12);
    for (int32_t code = 1; code <= legacyDataType::last; ++code)
        addItem(dataTypeId, legacyDataType::label(code));
    QObject::connect(controlAs<QComboBox>(dataTypeId), &QComboBox::currentIndexChanged, this,
                     [this] { dataTypeChosen(); });
    return y + 16;
}

void CLegacyDataTypeSourcePane::loadDataType(const gsourceSerialTypedInterface& location)
{
    loadLocation(location);
    dataType_ = location.getDataType();
}

bool CLegacyDataTypeSourcePane::initDataType(int messageId)
{
    if (!initLocation(messageId))
        return false;
    workingDataType_ = dataType_;
    QSignalBlocker quiet(controlAs<QComboBox>(dataTypeId));
    selectItem(dataTypeId, dataType_ - 1);
    updateLengthRange();
    return true;
}

void CLegacyDataTypeSourcePane::dataTypeChosen()
{
    workingDataType_ = selectedItem(dataTypeId) + 1;
    if (workingDataType_ >= legacyDataType::byte && workingDataType_ <= legacyDataType::bcd)
        fixLength();
    updateLengthRange();
}

void CLegacyDataTypeSourcePane::updateLengthRange()
{
    if (!isChecked(fixedLengthId))
        return;
    auto* field = dynamic_cast<CSignedSpinEdit*>(control(lengthId));
    int32_t length = 0;
    bool hasNumber = field->getValue(length);
    switch (workingDataType_) {
    case legacyDataType::byte:
    case legacyDataType::signedByte:
        setLengthRange(1, 1);
        field->setValue(1);
        break;
    case 3:
    case 4:
    case 5:
    case 6:
        setLengthRange(2, 4);
        if (hasNumber && (length < 2 || length > 4))
            field->setValue(length < 2 ? 2 : 4);
        break;
    default: setLengthRange(1, 2147483647); break;
    }
}

bool CLegacyDataTypeSourcePane::validateDataType()
{
    if (!validateLocation())
        return false;
    int32_t length = workingLength();
    if (legacyDataType::lengthConfirmed(workingDataType_, length, dataType_, savedLength()))
        return true;
    switch (workingDataType_) {
    case legacyDataType::byte:
    case legacyDataType::signedByte: return refuseField(lengthId, byteLengthMessage);
    case legacyDataType::bcd: return refuseField(lengthId, bcdLengthMessage);
    case 3:
    case 4:
    case 5:
    case 6: return refuseField(lengthId, multibyteLengthMessage);
    default: return true;
    }
}

void CLegacyDataTypeSourcePane::commitDataType()
{
    commitLocation();
    dataType_ = workingDataType_;
}

void CLegacyDataTypeSourcePane::applyDataType(gsourceSerialTypedInterface& location)
{
    applyLocation(location);
    location.setDataType(dataType_);
}
