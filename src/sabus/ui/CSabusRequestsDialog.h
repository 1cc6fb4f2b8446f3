#pragma once

#include "shell/CSelectDialog.h"

class CMainFrame;
class CSabusRequestDialog;
class gsabusRequest;

// The list window of the station's SABus requests (hidden in library mode):
// New Query and New Cmd make a request, Edit and Duplicate run the dialog of
// the selected request's kind, Delete removes it at once (nothing refers to
// a request). Given the main frame, it runs the frame's New SABus Request.
class CSabusRequestsDialog : public CSelectDialog {
public:
    static constexpr int dialogId = 698;
    static constexpr int newCommandId = 1338;
    static constexpr int newRequestCommand = 32912;

    explicit CSabusRequestsDialog(CMainFrame* frame = nullptr);

    bool canCreateObjects() const override { return true; }
    void fillList() override;

    void OnNewQuery() { newRequest(false); }
    void OnNewCommand() { newRequest(true); }
    // New SABus Request: the Select SABus Request Type dialog, then New
    // Query or New Cmd.
    void OnNewRequest();

protected:
    void OnNew() override { OnNewQuery(); }
    void OnEdit() override;
    void OnDelete() override;
    void OnDuplicate() override;

private:
    void newRequest(bool command);
    gsabusRequest* selectedRequest() const;
};
