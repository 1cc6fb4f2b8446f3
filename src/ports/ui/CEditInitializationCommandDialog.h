#pragma once

#include "platform/CDialog.h"
#include "store/jhashTypedDatabaseTable.h"

class CAutoWidthCombo;
class CParameterValuesPanel;
class g2driverCommand;
class gcommandRequest;

// One command of a G2 driver's initialization sequence: which of the
// driver's commands and the values of its parameters.
class CEditInitializationCommandDialog : public CDialog {
public:
    static constexpr int templateId = 767;
    static constexpr int commandId = 1186;
    static constexpr int panelId = 1898;

    // New: neither request; Edit: the same request twice; Duplicate: the
    // request to start from alone.
    CEditInitializationCommandDialog(jhashTypedDatabaseTable<g2driverCommand>& commands, gcommandRequest* start,
                                     gcommandRequest* edit, QWidget* parent = nullptr);

    // After OK: the request made (the caller's) or edited.
    gcommandRequest* editedRequest() const { return edit_; }
    CParameterValuesPanel* panel() const { return panel_; }

    void OnCommandChange();

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    jhashTypedDatabaseTable<g2driverCommand>& table_;
    gcommandRequest* start_;
    gcommandRequest* edit_;
    QSize noted_;
    CAutoWidthCombo* commands_;
    CParameterValuesPanel* panel_;
};
