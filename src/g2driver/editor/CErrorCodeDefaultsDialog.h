#pragma once

#include "platform/CDialog.h"

class CEditCommandTemplateDialog;
class CErrorCodeValuesPanel;

// The defaults of a command template's error codes, one row per error code
// of the driver being edited. OK replaces the template dialog's working
// defaults; Cancel leaves them.
class CErrorCodeDefaultsDialog : public CDialog {
public:
    static constexpr int templateId = 784;
    static constexpr int panelId = 1947;

    CErrorCodeDefaultsDialog(CEditCommandTemplateDialog& owner, QWidget* parent);

    CErrorCodeValuesPanel& panel() const { return *panel_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    CEditCommandTemplateDialog& owner_;
    CErrorCodeValuesPanel* panel_;
};
