#pragma once

#include "platform/CDialog.h"

#include <memory>

class CAnalogLogFormatPane;
class CEditAnalogRegisterDialog;
class CEditDigitalRegisterDialog;
class CEditStringRegisterDialog;
class CRegisterDialog;
class CStateLogStringsDialog;
class CValueLogPane;

// The tabbed "Edit Register Log Strings" dialog of digital, analog and
// string registers: tab 0 the value logging pane of the class, tab 1 the
// state log strings. It opens on the value pane when that pane has
// settings or every state log string is the default. OK stores the pane
// first and, only when the pane accepts, the state page.
class CLogStringsTabDialog : public CDialog {
public:
    static constexpr int tabsId = 1673;
    static constexpr int placeholderId = 1674;

    ~CLogStringsTabDialog() override;

    CValueLogPane& valuePane() const { return *pane_; }
    CStateLogStringsDialog& statePage() const { return *state_; }

protected:
    CLogStringsTabDialog(CRegisterDialog& registerDialog, std::unique_ptr<CValueLogPane> pane, QWidget* parent);

    bool OnInitDialog() override;
    void OnOK() override;

private:
    void showPage(int tab);
    void fitToPages(int top);

    CRegisterDialog& registerDialog_;
    std::unique_ptr<CValueLogPane> pane_;
    std::unique_ptr<CStateLogStringsDialog> state_;
};

// Digital registers: the value log strings pane.
class CDigitalLogStringsDialog : public CLogStringsTabDialog {
public:
    explicit CDigitalLogStringsDialog(CEditDigitalRegisterDialog& registerDialog, QWidget* parent = nullptr);
};

// Analog registers: the analog log format pane.
class CAnalogLogStringsDialog : public CLogStringsTabDialog {
public:
    explicit CAnalogLogStringsDialog(CEditAnalogRegisterDialog& registerDialog, QWidget* parent = nullptr);
};

// String registers: the string log values pane.
class CStringLogStringsDialog : public CLogStringsTabDialog {
public:
    explicit CStringLogStringsDialog(CEditStringRegisterDialog& registerDialog, QWidget* parent = nullptr);
};
