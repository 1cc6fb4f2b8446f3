#include "scl/ui/CPasteCascadeTagDialogs.h"

#include "foundation/jhashIterator.h"
#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverCommand.h"
#include "g2driver/model/g2driverDataObject.h"
#include "g2driver/model/g2driverProgram.h"
#include "legacy/glegacyCommand.h"
#include "legacy/glegacyDriver.h"
#include "legacy/glegacyResponse.h"
#include "platform/settingsStore.h"
#include "platform/sortedItems.h"
#include "platform/textCodec.h"
#include "ports/gdeviceRef.h"
#include "ports/gserialPort.h"
#include "shell/CIconListBox.h"
#include "store/gstation.h"

#include <QComboBox>
#include <QListWidget>
#include <algorithm>
#include <iterator>

namespace {

const char* const portValue = "Port";
const char* const deviceValue = "Device";
// Between two quoted tags: a quote, a comma, a blank and a quote.
const char* const tagSeparator = "\", \"";

template <class T>
QVariant itemData(T* object)
{
    return QVariant::fromValue(reinterpret_cast<quintptr>(object));
}

template <class T>
T* comboObject(const QComboBox& combo, int index)
{
    if (index < 0 || index >= combo.count())
        return nullptr;
    return reinterpret_cast<T*>(combo.itemData(index).value<quintptr>());
}

// Every serial port of the station, sorted by its title (else tag); the
// first whose tag is the wanted one is selected, else the first port.
void fillPorts(QComboBox& combo, const gstrSlice& wanted)
{
    std::vector<listedItem> items;
    jhashTypedIterator<gserialPort> it(station::serialPorts());
    gserialPort* port = nullptr;
    while (it.get(port)) {
        if (port->isDefined())
            items.push_back({toUiText(port->getTitle(true)), itemData(port)});
    }
    sortListedItems(items, listOrder::collated);
    appendListedItems(combo, items);
    int chosen = 0;
    for (int i = 0; i < combo.count(); ++i) {
        if (comboObject<gserialPort>(combo, i)->getTag() == wanted) {
            chosen = i;
            break;
        }
    }
    combo.setCurrentIndex(combo.count() > 0 ? chosen : -1);
}

gserialPort* selectedPort(const QComboBox& combo) { return comboObject<gserialPort>(combo, combo.currentIndex()); }

void writeTag(const char* value, const gstr* tag)
{
    if (tag)
        writeProfileString(pasteDialogsSection, value, *tag);
    else
        deleteProfileValue(pasteDialogsSection, value);
}

} // namespace

// --- Paste Serial Device Tag ---

CPasteSerialDeviceTagDialog::CPasteSerialDeviceTagDialog() : CPasteTagDialog(572)
{
    setWindowTitle(QStringLiteral("Paste Serial Device Tag"));
    setDialogSize(200, 170);
    addLabel(-1, "&Port:", 7, 9, 40, 8);
    ports_ = addComboBox(portComboId, false, 50, 7, 143, 100);
    addLabel(-1, "&Device:", 7, 25, 60, 8);
    devices_ = addListBox(deviceListId, 7, 35, 186, 90);
    addCheckBox(pastePortId, "Paste port tag as &well", 7, 131, 150, 10);
    addButton(IDOK, "OK", 86, 150, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 143, 150, 50, 14);
    QObject::connect(ports_, &QComboBox::currentIndexChanged, this, [this] {
        gdeviceRef* device = selectedDevice();
        fillDevices(device ? device->getName() : gstrSlice::empty);
    });
    QObject::connect(devices_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            enableControl(IDOK, true);
    });
    QObject::connect(devices_, &QListWidget::itemDoubleClicked, this, [this] { sendCommand(IDOK); });
}

CPasteSerialDeviceTagDialog::~CPasteSerialDeviceTagDialog()
{
    if (!opened_)
        return;
    gserialPort* port = selectedPort(*ports_);
    gdeviceRef* device = selectedDevice();
    writeTag(portValue, port ? &port->getTag() : nullptr);
    writeTag(deviceValue, device ? &device->getName() : nullptr);
    writeProfileInt(pasteDialogsSection, "PasteDevicePort", isChecked(pastePortId) ? 1 : 0);
}

bool CPasteSerialDeviceTagDialog::OnInitDialog()
{
    opened_ = true;
    QSignalBlocker quiet(ports_);
    fillPorts(*ports_, profileString(pasteDialogsSection, portValue, ""));
    fillDevices(profileString(pasteDialogsSection, deviceValue, ""));
    setChecked(pastePortId, profileInt(pasteDialogsSection, "PasteDevicePort", 1) != 0);
    return true;
}

void CPasteSerialDeviceTagDialog::fillDevices(const gstrSlice& wanted)
{
    devices_->clear();
    int chosen = -1;
    if (gserialPort* port = selectedPort(*ports_)) {
        for (gdeviceRef* device = port->firstDevice(); device; device = device->getNext()) {
            auto* item = new QListWidgetItem(toUiText(device->getDisplayName()));
            item->setData(Qt::UserRole, itemData(device));
            devices_->addItem(item);
            if (chosen < 0 && device->getName() == wanted)
                chosen = devices_->count() - 1;
        }
    }
    enableControl(IDOK, devices_->count() > 0);
    if (devices_->count() > 0)
        devices_->setCurrentRow(chosen < 0 ? 0 : chosen);
}

gdeviceRef* CPasteSerialDeviceTagDialog::selectedDevice() const
{
    int row = pasteItems::selectedRow(*devices_);
    return row < 0 ? nullptr : static_cast<gdeviceRef*>(const_cast<void*>(pasteItems::objectAt(*devices_, row)));
}

void CPasteSerialDeviceTagDialog::OnOK()
{
    gdeviceRef* device = selectedDevice();
    if (!device)
        return;
    result_.assign("\"");
    gserialPort* port = selectedPort(*ports_);
    if (port && isChecked(pastePortId)) {
        result_.append(port->getTag());
        result_.append(tagSeparator);
    }
    result_.append(device->getName());
    result_.append('"');
    EndDialog(IDOK);
}

// --- the cascade ---

CPasteCascadeTagDialog::CPasteCascadeTagDialog(int templateId, const char* caption, int objectListId,
                                               const char* objectLabel, const valueNames& names,
                                               QListWidget* objectList, int extraHeight)
    : CPasteTagDialog(templateId), objectListId_(objectListId), names_(names), extraTop_(141)
{
    setWindowTitle(toUiText(caption));
    int bottom = 141 + extraHeight;
    setDialogSize(200, bottom + 47);
    addLabel(-1, "&Port: ", 7, 9, 40, 8);
    ports_ = addComboBox(portComboId, false, 50, 7, 143, 100);
    addLabel(-1, "&Device:", 7, 25, 40, 8);
    devices_ = addComboBox(deviceComboId, false, 50, 23, 143, 100);
    addLabel(-1, objectLabel, 7, 41, 100, 8);
    objects_ = objectList ? addControl(objectListId, objectList, 7, 51, 186, 88) : addListBox(objectListId, 7, 51, 186, 88);
    addCheckBox(pasteDeviceId, "Paste device tag as &well", 7, bottom + 2, 150, 10);
    addCheckBox(pastePortId, "Paste port tag &as well", 7, bottom + 14, 150, 10);
    enableControl(pastePortId, false);
    addButton(IDOK, "OK", 86, bottom + 28, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 143, bottom + 28, 50, 14);

    QObject::connect(ports_, &QComboBox::currentIndexChanged, this, [this] {
        if (filling_)
            return;
        gdeviceRef* device = selectedDevice();
        fillDevices(device ? device->getName() : gstrSlice::empty, selectedObjectTag());
    });
    QObject::connect(devices_, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_)
            fillObjects(selectedObjectTag());
    });
    QObject::connect(objects_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && !filling_)
            enableControl(IDOK, true);
    });
    QObject::connect(objects_, &QListWidget::itemDoubleClicked, this, [this] { sendCommand(IDOK); });
    onCommand(pasteDeviceId, [this] { onPasteDeviceClicked(); });
}

// The choices are kept for the next time, after OK and Cancel alike.
CPasteCascadeTagDialog::~CPasteCascadeTagDialog()
{
    if (!opened_)
        return;
    gserialPort* port = selectedPort(*ports_);
    gdeviceRef* device = selectedDevice();
    gstr object = selectedObjectTag();
    writeTag(portValue, port ? &port->getTag() : nullptr);
    writeTag(deviceValue, device ? &device->getName() : nullptr);
    writeTag(names_.object, pasteItems::selectedRow(*objects_) >= 0 ? &object : nullptr);
    bool pasteDevice = isChecked(pasteDeviceId);
    writeProfileInt(pasteDialogsSection, names_.pasteDevice, pasteDevice ? 1 : 0);
    writeProfileInt(pasteDialogsSection, names_.pastePort, pasteDevice && isChecked(pastePortId) ? 1 : 0);
}

bool CPasteCascadeTagDialog::OnInitDialog()
{
    opened_ = true;
    filling_ = true;
    fillPorts(*ports_, profileString(pasteDialogsSection, portValue, ""));
    filling_ = false;
    gstr object = profileString(pasteDialogsSection, names_.object, "");
    gstr device = profileString(pasteDialogsSection, deviceValue, "");
    fillDevices(device, object);
    if (profileInt(pasteDialogsSection, names_.pasteDevice, names_.pasteDeviceDefault) != 0) {
        setChecked(pasteDeviceId, true);
        enableControl(pastePortId, true);
        setChecked(pastePortId, profileInt(pasteDialogsSection, names_.pastePort, 1) != 0);
    }
    return true;
}

void CPasteCascadeTagDialog::fillDevices(const gstrSlice& wantedDevice, const gstrSlice& wantedObject)
{
    gstr device(wantedDevice);
    gstr object(wantedObject);
    filling_ = true;
    devices_->clear();
    int chosen = -1;
    if (gserialPort* port = selectedPort(*ports_)) {
        for (gdeviceRef* ref = port->firstDevice(); ref; ref = ref->getNext()) {
            if (!offersDevice(*ref))
                continue;
            devices_->addItem(toUiText(ref->getDisplayName()), itemData(ref));
            if (chosen < 0 && ref->getName() == device)
                chosen = devices_->count() - 1;
        }
    }
    devices_->setCurrentIndex(devices_->count() > 0 ? std::max(chosen, 0) : -1);
    filling_ = false;
    fillObjects(object);
}

gdeviceRef* CPasteCascadeTagDialog::selectedDevice() const
{
    return comboObject<gdeviceRef>(*devices_, devices_->currentIndex());
}

void CPasteCascadeTagDialog::fillObjects(const gstrSlice& wanted)
{
    gstr object(wanted);
    filling_ = true;
    objects_->clear();
    gdeviceRef* device = selectedDevice();
    if (device)
        listObjects(*device);
    int chosen = -1;
    for (int row = 0; device && row < objects_->count() && chosen < 0; ++row) {
        auto* entry = static_cast<const jhashDatabaseObject*>(pasteItems::objectAt(*objects_, row));
        if (entry->getName() == object)
            chosen = row;
    }
    objects_->setCurrentRow(chosen);
    filling_ = false;
    enableControl(IDOK, chosen >= 0);
}

void CPasteCascadeTagDialog::addObject(jhashDatabaseObject* object)
{
    pasteItems::insertSorted(*objects_, object->getName(), object);
}

gstr CPasteCascadeTagDialog::selectedObjectTag() const
{
    int row = pasteItems::selectedRow(*objects_);
    if (row < 0)
        return gstr("");
    return gstr(static_cast<const jhashDatabaseObject*>(pasteItems::objectAt(*objects_, row))->getName());
}

void CPasteCascadeTagDialog::onPasteDeviceClicked()
{
    bool checked = isChecked(pasteDeviceId);
    enableControl(pastePortId, checked);
    if (!checked)
        setChecked(pastePortId, false);
}

void CPasteCascadeTagDialog::OnOK()
{
    if (pasteItems::selectedRow(*objects_) < 0)
        return;
    result_.assign("\"");
    gserialPort* port = selectedPort(*ports_);
    gdeviceRef* device = selectedDevice();
    if (device && isChecked(pasteDeviceId)) {
        if (port && isChecked(pastePortId)) {
            result_.append(port->getTag());
            result_.append(tagSeparator);
        }
        result_.append(device->getName());
        result_.append(tagSeparator);
    }
    result_.append(selectedObjectTag());
    result_.append('"');
    EndDialog(IDOK);
}

// --- Command and Reply ---

CPasteCommandTagDialog::CPasteCommandTagDialog(bool replyMode)
    : CPasteCascadeTagDialog(replyMode ? 696 : 571, replyMode ? "Paste Legacy Device Reply Tag" : "Paste Command Tag",
                             commandListId, replyMode ? "&Reply:" : "&Command:",
                             replyMode ? valueNames{"Reply", "PasteReplyDevice", 1, "PasteReplyPort"}
                                       : valueNames{"Command", "PasteCommandDevice", 1, "PasteCommandPort"}),
      replyMode_(replyMode)
{
}

bool CPasteCommandTagDialog::offersDevice(const gdeviceRef& device) const
{
    return device.getLegacyDriver() || (!replyMode_ && device.getDriver());
}

void CPasteCommandTagDialog::listObjects(const gdeviceRef& device)
{
    if (g2driver* driver = device.getDriver(); driver && !replyMode_) {
        jhashTypedIterator<g2driverCommand> it(driver->commands());
        g2driverCommand* command = nullptr;
        while (it.get(command))
            addObject(command);
        return;
    }
    glegacyDriver* driver = device.getLegacyDriver();
    if (!driver)
        return;
    int32_t kind = replyMode_ ? glegacyCommand::reply : glegacyCommand::command;
    jhashTypedIterator<glegacyCommand> it(driver->commands());
    glegacyCommand* entry = nullptr;
    while (it.get(entry)) {
        if (entry->getKind() == kind)
            addObject(entry);
    }
}

// --- Response and Message ---

CPasteLegacyResponseTagDialog::CPasteLegacyResponseTagDialog(bool messageMode)
    : CPasteCascadeTagDialog(
          messageMode ? 697 : 577, messageMode ? "Paste Legacy Device Message Tag" : "Paste Legacy Device Response Tag",
          responseListId, messageMode ? "&Message:" : "&Response:",
          messageMode ? valueNames{"Message", "PasteMessageDevice", 1, "PasteMessagePort"}
                      : valueNames{"Response", "PasteResponseDevice", 0, "PasteResponsePort"}),
      messageMode_(messageMode)
{
}

bool CPasteLegacyResponseTagDialog::offersDevice(const gdeviceRef& device) const
{
    return device.getLegacyDriver() != nullptr;
}

void CPasteLegacyResponseTagDialog::listObjects(const gdeviceRef& device)
{
    glegacyDriver* driver = device.getLegacyDriver();
    if (!driver)
        return;
    int32_t kind = messageMode_ ? glegacyResponse::message : glegacyResponse::response;
    jhashTypedIterator<glegacyResponse> it(driver->responses());
    glegacyResponse* entry = nullptr;
    while (it.get(entry)) {
        if (entry->getKind() == kind)
            addObject(entry);
    }
}

// --- Data objects ---

namespace {

// The Show boxes by data-object class, 1 bistate to 4 string.
struct showBox {
    int id;
    const char* text;
    const char* value;
};
constexpr showBox showBoxes[] = {
    {CPasteDataObjectTagDialog::showBistateId, "&Bistate Objects", "ShowBistateObjects"},
    {CPasteDataObjectTagDialog::showDigitalId, "Di&gital Objects", "ShowDigitalObjects"},
    {CPasteDataObjectTagDialog::showAnalogId, "A&nalog Objects", "ShowAnalogObjects"},
    {CPasteDataObjectTagDialog::showStringId, "&String Objects", "ShowStringObjects"},
};

int dataObjectClass(const void* entry)
{
    auto* object = static_cast<const g2driverDataObject*>(static_cast<const jhashDatabaseObject*>(entry));
    return object ? object->getTypeCode() : -1;
}

} // namespace

CPasteDataObjectTagDialog::CPasteDataObjectTagDialog()
    : CPasteCascadeTagDialog(862, "Paste Data Object Tag", objectListId, "&Object:",
                             valueNames{"Object", "PasteObjectDevice", 1, "PasteObjectPort"},
                             new CRegisterListBox(1, dataObjectClass), 28)
{
    for (size_t i = 0; i < std::size(showBoxes); ++i) {
        const showBox& box = showBoxes[i];
        addCheckBox(box.id, box.text, i % 2 == 0 ? 7 : 100, extraTop() + 2 + static_cast<int>(i / 2) * 12, 90, 10);
        onCommand(box.id, [this] { fillObjects(selectedObjectTag()); });
    }
}

CPasteDataObjectTagDialog::~CPasteDataObjectTagDialog()
{
    if (!opened_)
        return;
    for (const showBox& box : showBoxes)
        writeProfileInt(pasteDialogsSection, box.value, isChecked(box.id) ? 1 : 0);
}

bool CPasteDataObjectTagDialog::OnInitDialog()
{
    opened_ = true;
    for (const showBox& box : showBoxes)
        setChecked(box.id, profileInt(pasteDialogsSection, box.value, 1) != 0);
    return CPasteCascadeTagDialog::OnInitDialog();
}

bool CPasteDataObjectTagDialog::offersDevice(const gdeviceRef& device) const { return device.getDriver() != nullptr; }

void CPasteDataObjectTagDialog::listObjects(const gdeviceRef& device)
{
    g2driver* driver = device.getDriver();
    if (!driver)
        return;
    bool shown[5] = {false};
    for (size_t i = 0; i < std::size(showBoxes); ++i)
        shown[i + 1] = isChecked(showBoxes[i].id);
    jhashTypedIterator<g2driverDataObject> it(driver->dataObjects());
    g2driverDataObject* object = nullptr;
    while (it.get(object)) {
        int32_t kind = object->getTypeCode();
        if (kind >= 1 && kind <= 4 && shown[kind])
            addObject(object);
    }
}

// --- Driver programs ---

CPasteDriverProgramTagDialog::CPasteDriverProgramTagDialog()
    : CPasteCascadeTagDialog(863, "Paste Driver Program Tag", programListId, "Pro&gram:",
                             valueNames{"DriverProgram", "PasteProgramDevice", 1, "PasteProgramPort"})
{
}

bool CPasteDriverProgramTagDialog::offersDevice(const gdeviceRef& device) const
{
    return device.getDriver() != nullptr;
}

void CPasteDriverProgramTagDialog::listObjects(const gdeviceRef& device)
{
    g2driver* driver = device.getDriver();
    if (!driver)
        return;
    jhashTypedIterator<g2driverProgram> it(driver->programs());
    g2driverProgram* program = nullptr;
    while (it.get(program)) {
        if (program->getInternal() <= 0)
            addObject(program);
    }
}
