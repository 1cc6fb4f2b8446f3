#pragma once

#include "scl/ui/CPasteListTagDialogs.h"

class QComboBox;
class gdeviceRef;
class gserialPort;
class jhashDatabaseObject;

// Paste Serial Device Tag (572): a serial port, then one of its devices in
// a list; the device's quoted tag, with the port's in front when "Paste port
// tag as well" is checked. Values "Port", "Device" and "PasteDevicePort".
class CPasteSerialDeviceTagDialog : public CPasteTagDialog {
public:
    static constexpr int portComboId = 1376;
    static constexpr int deviceListId = 1207;
    static constexpr int pastePortId = 1367;

    CPasteSerialDeviceTagDialog();
    ~CPasteSerialDeviceTagDialog() override;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void fillDevices(const gstrSlice& wanted);
    gdeviceRef* selectedDevice() const;

    QComboBox* ports_;
    QListWidget* devices_;
    bool opened_ = false;
};

// The pickers of an object of a device's driver: a serial port, one of its
// devices, then the object, in a cascade in which each choice refills the
// next while keeping the same tags chosen where it can. The result is the
// object's quoted tag, with the device's in front when "Paste device tag as
// well" is checked, and the port's in front of that when "Paste port tag as
// well" is checked too.
class CPasteCascadeTagDialog : public CPasteTagDialog {
public:
    static constexpr int portComboId = 1376;
    static constexpr int deviceComboId = 1207;
    static constexpr int pasteDeviceId = 1369;
    static constexpr int pastePortId = 1367;

    ~CPasteCascadeTagDialog() override;

    int objectListId() const { return objectListId_; }

protected:
    // The names of the values a member keeps its choices in, beside "Port"
    // and "Device".
    struct valueNames {
        const char* object;
        const char* pasteDevice;
        int pasteDeviceDefault;
        const char* pastePort;
    };

    // objectList: the list control to use, null for a plain sorted list.
    // extraHeight: dialog units left free below the list for the member's
    // own controls.
    CPasteCascadeTagDialog(int templateId, const char* caption, int objectListId, const char* objectLabel,
                           const valueNames& names, QListWidget* objectList = nullptr, int extraHeight = 0);

    // Whether the device is offered in the device list.
    virtual bool offersDevice(const gdeviceRef& device) const = 0;
    // Every object of the device's driver that may be picked, each with
    // addObject.
    virtual void listObjects(const gdeviceRef& device) = 0;
    void addObject(jhashDatabaseObject* object);
    // Empties the object list and lists the selected device's objects,
    // selecting the wanted one; OK is enabled exactly when one is selected.
    void fillObjects(const gstrSlice& wanted);
    gstr selectedObjectTag() const;
    // The top of the free space below the list.
    int extraTop() const { return extraTop_; }

    bool OnInitDialog() override;
    void OnOK() override;

private:
    void fillDevices(const gstrSlice& wantedDevice, const gstrSlice& wantedObject);
    gdeviceRef* selectedDevice() const;
    void onPasteDeviceClicked();

    int objectListId_;
    valueNames names_;
    int extraTop_;
    QComboBox* ports_;
    QComboBox* devices_;
    QListWidget* objects_;
    bool filling_ = false;
    bool opened_ = false;
};

// Paste Command Tag (571): the commands of a device's G2 driver, or the
// entries of kind COMMAND of a legacy driver. In reply mode, Paste Legacy
// Device Reply Tag (696): legacy devices only and their REPLY entries.
class CPasteCommandTagDialog : public CPasteCascadeTagDialog {
public:
    static constexpr int commandListId = 1186;
    explicit CPasteCommandTagDialog(bool replyMode = false);

protected:
    bool offersDevice(const gdeviceRef& device) const override;
    void listObjects(const gdeviceRef& device) override;

private:
    bool replyMode_;
};

// Paste Legacy Device Response Tag (577): the RESPONSE entries of a legacy
// driver's response table. In message mode, Paste Legacy Device Message Tag
// (697): its MESSAGE entries.
class CPasteLegacyResponseTagDialog : public CPasteCascadeTagDialog {
public:
    static constexpr int responseListId = 1406;
    explicit CPasteLegacyResponseTagDialog(bool messageMode = false);

protected:
    bool offersDevice(const gdeviceRef& device) const override;
    void listObjects(const gdeviceRef& device) override;

private:
    bool messageMode_;
};

// Paste Data Object Tag (862): the data objects of a G2 device's driver of
// the classes whose Show boxes are checked, each with its class's icon.
class CPasteDataObjectTagDialog : public CPasteCascadeTagDialog {
public:
    static constexpr int objectListId = 1347;
    static constexpr int showBistateId = 1845;
    static constexpr int showDigitalId = 1844;
    static constexpr int showAnalogId = 1846;
    static constexpr int showStringId = 1847;

    CPasteDataObjectTagDialog();
    ~CPasteDataObjectTagDialog() override;

protected:
    bool OnInitDialog() override;
    bool offersDevice(const gdeviceRef& device) const override;
    void listObjects(const gdeviceRef& device) override;

private:
    bool opened_ = false;
};

// Paste Driver Program Tag (863): the programs of a G2 device's driver that
// are not internal to it.
class CPasteDriverProgramTagDialog : public CPasteCascadeTagDialog {
public:
    static constexpr int programListId = 1384;

    CPasteDriverProgramTagDialog();

protected:
    bool offersDevice(const gdeviceRef& device) const override;
    void listObjects(const gdeviceRef& device) override;
};
