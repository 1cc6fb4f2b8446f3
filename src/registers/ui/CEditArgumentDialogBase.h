#pragma once

#include "foundation/gstr.h"
#include "platform/CDialog.h"

class CTagNameEdit;
class gprogramArgument;

// The base of the three Edit Argument dialogs, one per argument type (1
// numerical, 2 string, 3 boolean): the name edit takes only the characters
// of a variable name of that type, OK is enabled while the name is not
// empty, and OK needs a valid variable name of the type (the dialog's own
// message, the focus staying where it is) and then a valid value.
class CEditArgumentDialogBase : public CDialog {
public:
    static constexpr int nameId = 1326;
    static constexpr int valueId = 1496;

    // Writes the dialog's name and value into the argument (after OK).
    virtual void storeTo(gprogramArgument& argument) const = 0;
    // Takes the argument's name and value, before the dialog opens.
    virtual void loadFrom(const gprogramArgument& argument) = 0;

protected:
    CEditArgumentDialogBase(int templateId, int type, int badNameMessage, QWidget* parent);

    // The value field, read on OK; false after its own message.
    virtual bool readValue() = 0;
    // Shows the value taken by loadFrom.
    virtual void showValue() = 0;

    bool OnInitDialog() override;
    void OnOK() override;

    // The name edit, then the value below it at valueTop (dialog units).
    void addNameField();
    void addButtons(int cx, int y);

    gstr name_;

private:
    void enableOk();

    int type_;
    int badNameMessage_;
};
