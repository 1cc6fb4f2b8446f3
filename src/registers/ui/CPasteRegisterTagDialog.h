#pragma once

#include "foundation/gstr.h"
#include "platform/CDialog.h"

class CRegisterListBox;
class gregister;

// Paste Register Tag: one register of the classes shown, whose tag the SCL
// program editor pastes in double quotes. The classes shown and the
// register chosen last are kept in "Settings\Paste Dialogs".
class CPasteRegisterTagDialog : public CDialog {
public:
    static constexpr int listId = 1389;
    static constexpr int bistateId = 1845;
    static constexpr int digitalId = 1844;
    static constexpr int analogId = 1846;
    static constexpr int stringId = 1847;

    explicit CPasteRegisterTagDialog(QWidget* parent = nullptr);
    // The settings are written when the window goes.
    ~CPasteRegisterTagDialog() override;

    // After OK: the chosen tag in double quotes.
    const gstr& result() const { return result_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    // The registers of the checked classes; the line of the tag selected.
    void fill(const gstrSlice& tag);
    gregister* selectedRegister() const;
    void saveSettings() const;

    CRegisterListBox* list_;
    gstr result_;
    bool opened_ = false;
};
