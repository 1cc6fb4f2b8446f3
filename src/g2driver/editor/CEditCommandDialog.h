#pragma once

#include "g2driver/editor/CCommandDialogBase.h"

class CCommandDataPage;
class CNonNegativeSpinEdit;
class CParameterValuesPanel;
class CRealSpinEdit;
class QComboBox;
class g2driverCommand;
class g2driverCommandTemplate;

// Creates, duplicates or edits a command of the driver open in the Edit
// Device Driver dialog: its template with the values of the template's
// parameters, its own parameters, the content of the template's data
// places and, for a template that expects a response, its own timeout,
// buffer size and retries. The dialog grows by what the template's value
// rows need. It works on copies until OK.
class CEditCommandDialog : public CCommandDialogBase {
public:
    static constexpr int templateId = 757;
    static constexpr int customTimeoutId = 1894;
    static constexpr int timeoutId = 1479;
    static constexpr int timeoutUnitId = 1901;
    static constexpr int customBufferSizeId = 1895;
    static constexpr int bufferSizeId = 1480;
    static constexpr int customRetriesId = 1896;
    static constexpr int retriesId = 1599;
    static constexpr int templateComboId = 1897;
    static constexpr int valuesPanelId = 1898;
    static constexpr int dataPlaceholderId = 1906;

    CEditCommandDialog(CEditG2DeviceDriverDialog& owner, g2driverCommand* source, g2driverCommand* target,
                       QWidget* parent);
    ~CEditCommandDialog() override;

    // After OK: the command made or edited, in the owner's working table.
    g2driverCommand* command() const { return target_; }
    CParameterValuesPanel& valuesPanel() const { return *panel_; }
    CCommandDataPage& dataPage() const { return *dataPage_; }
    // The template chosen in the combo, null for none.
    g2driverCommandTemplate* selectedTemplate() const;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void buildControls();
    void fillFromSource();
    bool fillTemplates();
    void applyTemplate();
    void onTemplateChanged();
    void enableCustomEdits();
    bool readOverrides(uint32_t& timeout, int32_t& bufferSize, int32_t& retries);

    g2driverCommand* source_;
    g2driverCommand* target_;
    CRealSpinEdit* timeout_ = nullptr;
    CNonNegativeSpinEdit* bufferSize_ = nullptr;
    CNonNegativeSpinEdit* retries_ = nullptr;
    QComboBox* templates_ = nullptr;
    CParameterValuesPanel* panel_ = nullptr;
    CCommandDataPage* dataPage_ = nullptr;
    QSize openSize_;
    int appliedIndex_ = -1;
};
