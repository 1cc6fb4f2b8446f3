#pragma once

#include "foundation/gstr.h"
#include "platform/CDialog.h"

#include <memory>

class CTestPortDialog;
class g2serialTransaction;
class gcommandRequest;
class gcommandSequence;
class gcommandSequenceEntry;
class gdevice;
class gdeviceRef;
class glegacyCommand;

// The progress window of the Test Port's sequence runs: it sends a device's
// initialization, every device's initialization or the polling sequence one
// entry after the other, shows the device, the command and whether it waits
// for a response or the delay, and stops at the first entry that fails.
// While it waits the window repaints, and its Cancel button stops the run
// (through the Test Port's wait): the entry waited for, or the next one,
// unsent, counts as timed out.
class CSendingCommandsDialog : public CDialog {
public:
    static constexpr int templateId = 775;
    static constexpr int deviceId = 1207;
    static constexpr int commandId = 1186;
    static constexpr int statusId = 1320;

    // Modes: 0 Init Device, 1 Reinit Device, 2 Init Port, 3 Poll Port.
    CSendingCommandsDialog(CTestPortDialog& testPort, int mode);
    ~CSendingCommandsDialog() override;

    // Shows the window with the Test Port disabled, runs the whole set and
    // takes the window away again; the last result.
    int doModal();

    // The results for the Test Port.
    int lastResult() const { return lastResult_; }
    gcommandSequenceEntry* failedEntry() const { return failedEntry_; }
    // The transaction of a failed G2 entry; the caller takes it.
    std::unique_ptr<g2serialTransaction> takeFailedTransaction();
    const gstr& collectedReplyBytes() const { return collected_; }
    // The failed entry's legacy command bytes, empty without one.
    const gstr& getFailedLegacyCommandBytes() const;

protected:
    void OnCancel() override;

private:
    void run();
    bool runDevice(const gdeviceRef& device);
    bool runSequence(gcommandSequence& sequence, const gdeviceRef* device);
    bool sendEntry(gcommandSequenceEntry& entry, const gdeviceRef* device);
    void sendRequest(const gcommandRequest& request, gdevice* device);
    void sendLegacy(const glegacyCommand& command);
    void showStatus(const gstr& text);

    CTestPortDialog& testPort_;
    int mode_;
    int lastResult_;
    gcommandSequenceEntry* failedEntry_ = nullptr;
    std::unique_ptr<g2serialTransaction> failedTransaction_;
    gstr collected_;
    gstr waitingDelay_;
    gstr waitingResponse_;
};
