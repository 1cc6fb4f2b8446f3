#pragma once

#include "foundation/gstr.h"
#include "platform/CDialog.h"

#include <memory>

class CAutoWidthCombo;
class CComPortCombo;
class CEditSerialPortDialog;
class CEscapedStringEdit;
class CParameterValuesPanel;
class CResponseElementsList;
class g2serialTransaction;
class gcommandRequest;
class gcommandSequenceEntry;
class gdevice;
class gdeviceRef;
class glegacyCommand;
class glegacyDevice;
class gserialPort;

// Tries a driver against a real device: one of the port's devices and one
// of its driver's commands with its parameter values is sent over the COM
// device, and the dialog shows the bytes sent, the bytes received, how the
// response elements matched and a status; or it sends whole sequences
// through the Sending Commands window and shows where they stop. The
// exchange runs on the user-interface thread, but while it waits the
// window repaints, and Close (or Escape) stops the wait and then closes.
class CTestPortDialog : public CDialog {
public:
    static constexpr int templateId = 774;
    static constexpr int useSpecifiedId = 1922;
    static constexpr int useOtherId = 1171;
    static constexpr int comPortId = 1368;
    static constexpr int deviceId = 1207;
    static constexpr int commandId = 1186;
    static constexpr int panelId = 1898;
    static constexpr int sendId = 1428;
    static constexpr int initDeviceId = 1920;
    static constexpr int reinitDeviceId = 1923;
    static constexpr int initPortId = 1287;
    static constexpr int pollPortId = 1921;
    static constexpr int commandDataId = 1718;
    static constexpr int responseDataId = 1719;
    static constexpr int elementsId = 1919;
    static constexpr int showTextId = 1435;
    static constexpr int showHexId = 1434;
    static constexpr int statusId = 1320;

    // The owner's device and polling lists are tested on the port's line
    // settings; neither is owned.
    CTestPortDialog(CEditSerialPortDialog* owner, gserialPort* port, QWidget* parent = nullptr);
    ~CTestPortDialog() override;

    CEditSerialPortDialog& ownerDialog() const { return *owner_; }
    gserialPort& testPort() const { return *port_; }
    gdeviceRef* selectedDevice() const;
    CParameterValuesPanel* panel() const { return panel_; }
    CResponseElementsList* responseList() const { return elements_; }
    const g2serialTransaction* keptTransaction() const { return transaction_.get(); }

    // The handlers, also for tests.
    void OnDeviceChange();
    void OnCommandChange();
    void OnUseClicked();
    void OnShowAsClicked();
    void OnSend();
    void runSequence(int mode);
    // Ends the wait of the exchange under way, which then counts as timed
    // out; nothing more is sent in that action.
    void requestStop() { stopRequested_ = true; }
    bool stopRequested() const { return stopRequested_; }

protected:
    bool OnInitDialog() override;
    // Close and Escape: during an exchange they stop it and close after it.
    void OnOK() override;
    void OnCancel() override;

private:
    void fillDevices(const gstr& savedDriver);
    void fillCommands(const gstr& tag);
    void layOutPanel();
    void choosePort(gstr path);
    void writeSettings();
    // Opens the port for one action; the display is cleared and the user
    // told when it cannot be opened.
    bool openPort();
    void sendG2Command(gcommandRequest* request);
    void sendLegacyCommand(const glegacyCommand& command);
    void selectEntry(const gcommandSequenceEntry* entry);
    void forgetKept();
    void showStatus(int textId, const gstrSlice& more = gstrSlice::empty);
    void repaintNow();
    void showResult(int result, const g2serialTransaction* transaction);
    // Runs an action with the controls that start others disabled and the
    // port's waits stoppable.
    template <class F>
    void runAction(F action);
    void enableActions();
    bool keepWaiting();

    CEditSerialPortDialog* owner_;
    gserialPort* port_;
    gdevice* currentDevice_ = nullptr;
    glegacyDevice* currentLegacyDevice_ = nullptr;
    // The kept request goes after the transaction made from it.
    std::unique_ptr<gcommandRequest> request_;
    std::unique_ptr<g2serialTransaction> transaction_;
    QSize noted_;
    int hexMode_ = 0;
    bool initialised_ = false;
    bool busy_ = false;
    bool stopRequested_ = false;
    bool closeRequested_ = false;
    CComPortCombo* comPort_;
    CAutoWidthCombo* devices_;
    CAutoWidthCombo* commands_;
    CParameterValuesPanel* panel_;
    CEscapedStringEdit* commandData_;
    CEscapedStringEdit* responseData_;
    CResponseElementsList* elements_;
};
