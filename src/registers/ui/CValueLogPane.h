#pragma once

#include "platform/CDialog.h"

class CRegisterDialog;

// The first page of the tabbed "Edit Register Log Strings" dialog: how the
// values of a digital, analog or string register are logged, edited on the
// register dialog's copy of its value log information.
class CValueLogPane : public CDialog {
public:
    // True when the pane logs something beyond "don't log".
    virtual bool hasSettings() const = 0;
    // Builds the pane as a child of parent and loads it from the copy.
    virtual void createPane(QWidget* parent) = 0;
    // Checks the pane (on a refusal: the message, the focus on the field,
    // false and the copy untouched), then writes the copy.
    virtual bool storeSettings() = 0;

protected:
    CValueLogPane(int templateId, CRegisterDialog& registerDialog);

    // The first step of createPane: a borderless child of parent, 306 x 245
    // dialog units.
    void becomeChildOf(QWidget* parent);

    CRegisterDialog& registerDialog_;

private:
    bool OnInitDialog() override { return false; }
};
