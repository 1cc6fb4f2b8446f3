#pragma once

#include "platform/CDialog.h"
#include "ports/gdevice.h"
#include "ports/glegacyDevice.h"
#include "store/gprocessorCall.h"
#include "store/gusedByList.h"
#include "store/jhashTypedDatabaseTable.h"

class CComPortCombo;
class CProgramCombo;
class CRealSpinEdit;
class gcommandSequenceEntry;
class gdeviceRef;
class gserialPort;
class QListWidget;

// Creates a serial port, edits one or creates one as a copy of another: tag
// and name, COM device, line settings, minimum delay, polling or waiting for
// data with its message program, the devices and the polling sequence. It
// works on copies (working devices in tables of its own, poll entries held
// by its list) and writes the station's port only when OK succeeds. From it
// the device, poll and Test Port dialogs open; they reach the working state
// through this dialog.
//
//   CEditSerialPortDialog dialog(port, port, mainWindow); // Edit
//   if (dialog.DoModal() == IDOK) ... dialog.editedPort() ...
class CEditSerialPortDialog : public CDialog {
public:
    static constexpr int templateId = 546;
    static constexpr int tagId = 1326;
    static constexpr int nameId = 1480;
    static constexpr int comPortId = 1368;
    static constexpr int baudId = 1037;
    static constexpr int dataFormatId = 1300;
    static constexpr int flowId = 1267;
    static constexpr int terminationId = 1302;
    static constexpr int delayId = 1201;
    static constexpr int messageLabelId = 1691;
    static constexpr int messageComboId = 1611;
    static constexpr int argsId = 1612;
    static constexpr int pollRadioId = 1667;
    static constexpr int waitRadioId = 1668;
    static constexpr int devicesId = 1216;
    static constexpr int editDeviceId = 1190;
    static constexpr int deleteDeviceId = 1394;
    static constexpr int duplicateDeviceId = 1605;
    static constexpr int newDeviceId = 1008;
    static constexpr int pollsLabelId = 1669;
    static constexpr int pollsId = 1375;
    static constexpr int editPollId = 1242;
    static constexpr int deletePollId = 1204;
    static constexpr int duplicatePollId = 1220;
    static constexpr int duplicateDevicePollsId = 1224;
    static constexpr int newPollId = 1337;
    static constexpr int testId = 1471;

    // New: neither port; Edit: the same port twice; Duplicate: the port to
    // start from alone.
    CEditSerialPortDialog(gserialPort* start, gserialPort* edit, QWidget* parent = nullptr);
    ~CEditSerialPortDialog() override;

    // After OK: the port created or changed.
    gserialPort* editedPort() const { return edit_; }

    // What the device, poll and Test Port dialogs reach.
    jhashTypedDatabaseTable<gdevice>& workingDevices() { return devices_; }
    jhashTypedDatabaseTable<glegacyDevice>& workingLegacyDevices() { return legacyDevices_; }
    bool waitsForData() const;
    int deviceCount() const;
    gdeviceRef* deviceAt(int row) const;
    int pollCount() const;
    gcommandSequenceEntry* pollAt(int row) const;
    // Appends a copy of every poll of the source device for the new device
    // and tells the user how many it made.
    void duplicatePolls(const gdeviceRef& source, const gdeviceRef& target);

    // The handlers, also for tests.
    void OnNewDevice();
    void OnEditDevice();
    void OnDeleteDevice();
    void OnDuplicateDevice();
    void OnNewPoll();
    void OnEditPoll();
    void OnDeletePoll();
    void OnDuplicatePoll();
    void OnDuplicateDevicePolls();
    void OnPortUsage();
    void OnArgs();
    void OnTest();

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    // The working polling sequence as the users of a device see it.
    class pollingSequenceReferrer : public greferrer {
    public:
        void describeReferrer(gstr& text) const override;
    };

    void buildControls();
    void fillFromPort(gserialPort& port);
    void selectLineSettings(const gserialPort& port);
    void addWorkingDevices(gserialPort& port);
    void addWorkingPolls(gserialPort& port);
    // The COM port and the minimum delay as OK and Test check them; the
    // delay in milliseconds.
    bool checkLine(uint32_t& delay);
    void writeLineSettings(gserialPort& port, uint32_t delay) const;
    void writeDevices(gserialPort& port, bool wait);
    void writePolls(gserialPort& port);
    // A row made for a new device reference at the index, selected.
    void insertDevice(int row, gdeviceRef* ref);
    void refreshPollTexts(const gdeviceRef& ref);
    void insertPoll(int row, gcommandSequenceEntry* entry);
    void enableDeviceButtons(bool enable);
    void enablePollButtons(bool enable);
    void enableArgs();
    void deleteListData();

    gserialPort* start_;
    gserialPort* edit_;
    jhashTypedDatabaseTable<gdevice> devices_{10};
    jhashTypedDatabaseTable<glegacyDevice> legacyDevices_{10};
    gprocessorCall messageCall_;
    pollingSequenceReferrer pollingReferrer_;
    gusesList pollUses_{&pollingReferrer_};
    CComPortCombo* comPort_ = nullptr;
    CRealSpinEdit* delay_ = nullptr;
    CProgramCombo* messageCombo_ = nullptr;
    QListWidget* devicesList_ = nullptr;
    QListWidget* pollsList_ = nullptr;
};
