#pragma once

#include "platform/CDialog.h"

class CEditG2DeviceDriverDialog;
class CNonNegativeSpinEdit;
class CProgramCodersPane;
class g2driverProgram;

// The properties of one working program of the driver being edited: tag,
// instruction limit, the internal flag and the encoders and decoders. New
// passes neither source nor target, Duplicate the source alone (the code
// comes along), Properties the same program twice (the code stays).
class CEditDriverProgramDialog : public CDialog {
public:
    static constexpr int templateId = 819;
    static constexpr int tagId = 1470;
    static constexpr int abortId = 1295;
    static constexpr int limitId = 1294;
    static constexpr int internalId = 1844;
    static constexpr int codersPlaceholderId = 2148;

    CEditDriverProgramDialog(CEditG2DeviceDriverDialog& owner, g2driverProgram* source, g2driverProgram* target,
                             QWidget* parent);
    ~CEditDriverProgramDialog() override;

    // After OK: the program made or changed, in the owner's working table.
    g2driverProgram* program() const { return target_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void onAbortClicked();

    CEditG2DeviceDriverDialog& owner_;
    g2driverProgram* source_;
    g2driverProgram* target_;
    CNonNegativeSpinEdit* limit_;
    CProgramCodersPane* coders_;
};
