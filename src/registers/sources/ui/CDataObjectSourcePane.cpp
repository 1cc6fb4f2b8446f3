#include "registers/sources/ui/CDataObjectSourcePane.h"

#include "foundation/jhashIterator.h"
#include "g2driver/editor/CParameterValuesPanel.h"
#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverDataObject.h"
#include "legacy/ui/objectItems.h"
#include "legacy/ui/sortedObjectItems.h"
#include "ports/gdevice.h"
#include "ports/gdeviceRef.h"
#include "ports/gserialPort.h"
#include "registers/ganalogSupplement.h"
#include "registers/gbistateSupplement.h"
#include "registers/gdigitalSupplement.h"
#include "registers/gstringSupplement.h"
#include "registers/sources/gsourceDataObject.h"
#include "registers/sources/ui/CAllowedStringsPage.h"
#include "registers/sources/ui/CBitMaskPane.h"
#include "registers/ui/CRegisterDialog.h"
#include "shell/CSpinEdit.h"
#include "store/gstation.h"

#include <QComboBox>
#include <QLabel>

namespace {

constexpr int noPorts = 10186;
constexpr int onlyLegacyDevices = 10679;
constexpr int noDevices = 10326;
constexpr int badFactor = 10393;
constexpr int badOffset = 10303;

template <class T>
T* selected(const QComboBox& combo)
{
    return static_cast<T*>(itemObject(combo, combo.currentIndex()));
}

} // namespace

CDataObjectSourcePane::CDataObjectSourcePane(int templateId, int cx, int cy)
    : CSourcePane(templateId), cx_(cx), cy_(cy)
{
}

CDataObjectSourcePane::~CDataObjectSourcePane() = default;

void CDataObjectSourcePane::holdFrom(const gsourceSerialObject* part)
{
    if (part)
        hold(part->getDevice(), part->getDataObject(), part->reference().values());
}

void CDataObjectSourcePane::hold(gdevice* device, g2driverDataObject* object,
                                 const g2driverParameterValueTable& values)
{
    device_ = device;
    dataObject_ = object;
    values_.deleteAll();
    g2driverParameterValue::copyAll(values, values_);
}

void CDataObjectSourcePane::applyLocation(gsourceSerialObject& part) const { part.set(device_, dataObject_, values_); }

QComboBox& CDataObjectSourcePane::combo(int id) const { return *controlAs<QComboBox>(id); }

g2driverDataObject* CDataObjectSourcePane::selectedDataObject() const
{
    return selected<g2driverDataObject>(combo(dataObjectId));
}

bool CDataObjectSourcePane::create(CRegisterDialog& dialog)
{
    addLocationControls();
    becomeChildOf(dialog, cx_, cy_);
    return fillLocation();
}

void CDataObjectSourcePane::addLocationControls()
{
    addLabel(-1, "&Port:", 0, 2, 50, 8);
    addComboBox(portId, false, 54, 0, 110, 100);
    addLabel(-1, "&Device:", 0, 18, 50, 8);
    addComboBox(deviceId, false, 54, 16, 110, 100);
    addLabel(-1, "Data &object:", 0, 34, 50, 8);
    addComboBox(dataObjectId, false, 54, 32, 110, 100);
    panel_ = addControl(panelId, new CParameterValuesPanel(false), 170, 0, cx_ - 170, 1);
    addOwnControls();
}

bool CDataObjectSourcePane::fillLocation()
{
    base_ = size();
    QComboBox* ports = &combo(portId);
    QComboBox* devices = &combo(deviceId);
    QComboBox* objects = &combo(dataObjectId);

    sortedObjectItems listed;
    jhashTypedIterator<gserialPort> it(station::serialPorts());
    gserialPort* port = nullptr;
    while (it.get(port)) {
        if (port->isDefined() || (device_ && port == device_->getPort()))
            listed.add(port->getTitle(true), port);
    }
    listed.appendTo(*ports);
    if (ports->count() == 0)
        return refuseCreate(noPorts);
    filling_ = true;
    int held = device_ ? findItemObject(*ports, device_->getPort()) : -1;
    ports->setCurrentIndex(held >= 0 ? held : 0);
    filling_ = false;
    fillDevices(true);
    panel_->setValues(values_);
    QObject::connect(ports, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_)
            fillDevices(false);
    });
    QObject::connect(devices, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_)
            fillDataObjects(false);
    });
    QObject::connect(objects, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_)
            showParameters(false);
    });
    return true;
}

void CDataObjectSourcePane::fillDevices(bool initial)
{
    QComboBox& devices = combo(deviceId);
    gserialPort* port = selected<gserialPort>(combo(portId));
    gdevice* wanted = device_;
    if (!initial) {
        gdevice* before = selected<gdevice>(devices);
        wanted = before && port ? port->devices().find(before->getName()) : nullptr;
    }
    filling_ = true;
    devices.clear();
    sortedObjectItems listed;
    for (gdeviceRef* ref = port ? port->firstDevice() : nullptr; ref; ref = ref->getNext()) {
        if (gdevice* device = ref->getDevice())
            listed.add(device->getDisplayName(true), device);
    }
    listed.appendTo(devices);
    if (initial && wanted && findItemObject(devices, wanted) < 0)
        insertSortedItem(devices, wanted->getDisplayName(true), wanted);
    int at = wanted ? findItemObject(devices, wanted) : -1;
    devices.setCurrentIndex(at >= 0 || devices.count() == 0 ? at : 0);
    filling_ = false;
    fillDataObjects(initial);
}

void CDataObjectSourcePane::fillDataObjects(bool initial)
{
    gdevice* device = selected<gdevice>(combo(deviceId));
    g2driver* driver = device ? device->getDriver() : nullptr;
    if (!initial && driver == listedDriver_)
        return;
    QComboBox& objects = combo(dataObjectId);
    g2driverDataObject* wanted = dataObject_;
    if (!initial) {
        g2driverDataObject* before = selectedDataObject();
        wanted = before && driver ? driver->dataObjects().find(before->getName()) : nullptr;
    }
    listedDriver_ = driver;
    filling_ = true;
    objects.clear();
    if (driver) {
        sortedObjectItems listed;
        jhashTypedIterator<g2driverDataObject> it(driver->dataObjects());
        g2driverDataObject* object = nullptr;
        while (it.get(object)) {
            if (object->getInternal() != 1 && acceptsValueKind(object->getTypeCode()))
                listed.add(object->getName(), object);
        }
        listed.appendTo(objects);
    }
    int at = wanted ? findItemObject(objects, wanted) : -1;
    objects.setCurrentIndex(at >= 0 || objects.count() == 0 ? at : 0);
    filling_ = false;
    showParameters(initial);
}

void CDataObjectSourcePane::showParameters(bool initial)
{
    g2driverDataObject* object = selectedDataObject();
    int extra = 0;
    if (object)
        extra = panel_->setParameters(object->parameters().ordered());
    else
        panel_->clear();
    dataObjectChosen(object);
    placeLowerPane(extra);
    resize(base_.width(), std::max(base_.height() + extra, panel_->y() + extra));
    if (CRegisterDialog* dialog = initial ? nullptr : registerDialog())
        dialog->fitToSourcePane();
}

bool CDataObjectSourcePane::validate()
{
    gserialPort* port = selected<gserialPort>(combo(portId));
    gdevice* device = selected<gdevice>(combo(deviceId));
    if (!device) {
        bool legacy = port && port->legacyDevices().count() > 0;
        return refuseFocusOnly(deviceId, legacy ? onlyLegacyDevices : noDevices);
    }
    g2driverDataObject* object = selectedDataObject();
    if (!object)
        return refuseFocusOnly(dataObjectId, noDataObjectsMessage());
    g2driverParameterValueTable values(5);
    if (!panel_->getValues(values, false))
        return false;
    if (!validateOwn())
        return false;
    device_ = device;
    dataObject_ = object;
    values_.deleteAll();
    g2driverParameterValue::copyAll(values, values_);
    return true;
}

std::unique_ptr<CSourcePane> CDataObjectBistateSourcePane::make(const gregisterSource* source)
{
    auto pane = std::make_unique<CDataObjectBistateSourcePane>();
    if (auto* bistate = dynamic_cast<const gsourceDataObjectBistate*>(source)) {
        pane->holdFrom(&bistate->part());
        pane->invert_ = bistate->getInvert() == 1 ? 1 : 0;
    }
    return pane;
}

void CDataObjectBistateSourcePane::addOwnControls()
{
    addCheckBox(invertId, "&Invert the value", 0, 50, 100, 10);
    setChecked(invertId, invert_ == 1);
}

bool CDataObjectBistateSourcePane::validateOwn()
{
    invert_ = isChecked(invertId) ? 1 : 0;
    return true;
}

void CDataObjectBistateSourcePane::applyToBistate(gbistateSupplement& supplement)
{
    auto& source = sourceAs<gsourceDataObjectBistate>(supplement.newDataObjectSource());
    applyLocation(source.part());
    source.setInvert(invert_);
}

CDataObjectBitMaskSourcePane::CDataObjectBitMaskSourcePane()
    : CDataObjectSourcePane(832, 300, ownTop + CBitMaskPane::height)
{
}

std::unique_ptr<CSourcePane> CDataObjectBitMaskSourcePane::make(const gregisterSource* source)
{
    auto pane = std::make_unique<CDataObjectBitMaskSourcePane>();
    if (auto* masks = dynamic_cast<const gsourceDataObjectBitMask*>(source)) {
        pane->holdFrom(&masks->part());
        pane->masks_ = masks->masks();
    }
    return pane;
}

void CDataObjectBitMaskSourcePane::addOwnControls()
{
    addLabel(lowerPaneId, "", 0, ownTop, 1, 1)->hide();
    masksPane_ = new CBitMaskPane();
    masksPane_->create(*this, lowerPaneId, masks_.mask != 0 ? &masks_ : nullptr, true);
}

bool CDataObjectBitMaskSourcePane::validateOwn() { return masksPane_->getValues(masks_); }

void CDataObjectBitMaskSourcePane::placeLowerPane(int extra) { masksPane_->moveBy(extra); }

void CDataObjectBitMaskSourcePane::applyToBistate(gbistateSupplement& supplement)
{
    auto& source = sourceAs<gsourceDataObjectBitMask>(supplement.newDataObjectBitMaskSource());
    applyLocation(source.part());
    source.masks() = masks_;
}

CDataObjectFilterSourcePane::CDataObjectFilterSourcePane()
    : CDataObjectSourcePane(836, 300, ownTop + CAllowedStringsPage::height)
{
}

std::unique_ptr<CSourcePane> CDataObjectFilterSourcePane::make(const gregisterSource* source)
{
    auto pane = std::make_unique<CDataObjectFilterSourcePane>();
    if (auto* filter = dynamic_cast<const gsourceDataObjectFilter*>(source)) {
        pane->holdFrom(&filter->part());
        pane->allowed_ = filter->allowed();
    }
    return pane;
}

void CDataObjectFilterSourcePane::addOwnControls()
{
    addLabel(lowerPaneId, "", 0, ownTop, 1, 1)->hide();
    page_ = new CAllowedStringsPage();
    page_->create(*this, lowerPaneId, &allowed_, true);
}

bool CDataObjectFilterSourcePane::validateOwn() { return page_->collect(allowed_); }

void CDataObjectFilterSourcePane::placeLowerPane(int extra) { page_->moveBy(extra); }

void CDataObjectFilterSourcePane::applyToString(gstringSupplement& supplement)
{
    auto& source = sourceAs<gsourceDataObjectFilter>(supplement.newDataObjectFilterSource());
    applyLocation(source.part());
    source.allowed() = allowed_;
}

std::unique_ptr<CSourcePane> CDataObjectDigitalSourcePane::make(const gregisterSource* source)
{
    auto pane = std::make_unique<CDataObjectDigitalSourcePane>();
    if (auto* digital = dynamic_cast<const gsourceDataObjectDigital*>(source))
        pane->holdFrom(&digital->part());
    return pane;
}

void CDataObjectDigitalSourcePane::applyToDigital(gdigitalSupplement& supplement)
{
    applyLocation(sourceAs<gsourceDataObjectDigital>(supplement.newDataObjectSource()).part());
}

bool CDataObjectDigitalSourcePane::getValueName(gstr& text, uint32_t value) const
{
    g2driverDataObject* object = selectedDataObject();
    if (!object || object->valueName(value).isEmpty())
        return false;
    text.append(object->valueName(value));
    return true;
}

std::unique_ptr<CSourcePane> CDataObjectAnalogSourcePane::make(const gregisterSource* source)
{
    auto pane = std::make_unique<CDataObjectAnalogSourcePane>();
    if (auto* analog = dynamic_cast<const gsourceDataObjectAnalog*>(source)) {
        pane->holdFrom(&analog->part());
        pane->factor_ = std::isfinite(analog->getFactor()) ? analog->getFactor() : 1;
        pane->offset_ = std::isfinite(analog->getOffset()) ? analog->getOffset() : 0;
    }
    return pane;
}

void CDataObjectAnalogSourcePane::addOwnControls()
{
    addLabel(-1, "&Factor:", 0, 52, 50, 8);
    addControl(factorId, new CRealSpinEdit(), 54, 50, 70, 12);
    addLabel(-1, "Off&set:", 0, 68, 50, 8);
    addControl(offsetId, new CRealSpinEdit(), 54, 66, 70, 12);
}

bool CDataObjectAnalogSourcePane::create(CRegisterDialog& dialog)
{
    if (!CDataObjectSourcePane::create(dialog))
        return false;
    controlOf<CRealSpinEdit>(factorId)->setValue(factor_);
    controlOf<CRealSpinEdit>(offsetId)->setValue(offset_);
    return true;
}

bool CDataObjectAnalogSourcePane::validateOwn()
{
    double factor = 0;
    double offset = 0;
    if (!controlOf<CRealSpinEdit>(factorId)->getValue(factor))
        return refuseField(factorId, badFactor);
    if (!controlOf<CRealSpinEdit>(offsetId)->getValue(offset))
        return refuseField(offsetId, badOffset);
    factor_ = factor;
    offset_ = offset;
    return true;
}

void CDataObjectAnalogSourcePane::applyToAnalog(ganalogSupplement& supplement)
{
    auto& source = sourceAs<gsourceDataObjectAnalog>(supplement.newDataObjectSource());
    applyLocation(source.part());
    source.setFactor(factor_);
    source.setOffset(offset_);
}

int CDataObjectAnalogSourcePane::hasGreaterLess() const
{
    g2driverDataObject* object = selectedDataObject();
    g2driverDataSource* source = object ? object->getSource() : nullptr;
    return source && source->hasGreaterLessSymbols() ? 1 : 0;
}

void CDataObjectAnalogSourcePane::dataObjectChosen(g2driverDataObject* object)
{
    if (object && registerDialog())
        registerDialog()->showElementCount(object->getElements());
}

std::unique_ptr<CSourcePane> CDataObjectStringSourcePane::make(const gregisterSource* source)
{
    auto pane = std::make_unique<CDataObjectStringSourcePane>();
    if (auto* string = dynamic_cast<const gsourceDataObjectString*>(source))
        pane->holdFrom(&string->part());
    return pane;
}

void CDataObjectStringSourcePane::applyToString(gstringSupplement& supplement)
{
    applyLocation(sourceAs<gsourceDataObjectString>(supplement.newDataObjectSource()).part());
}
