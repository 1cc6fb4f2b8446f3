#pragma once

#include "foundation/gstr.h"
#include "platform/CDialog.h"

#include <QFont>

// The notice, shown while a new alarm register is confirmed, that alarm log
// entries are now written without the word "alarm", with the three texts
// the register will log. "Don't show this message anymore" and OK switch
// it off ("General" "WarnNewLogStrings" 0); Cancel writes nothing.
class CNewLogStringsNotice : public CDialog {
public:
    static constexpr int alarmId = 1241;
    static constexpr int clearId = 1239;
    static constexpr int acknowledgedId = 1224;
    static constexpr int dontShowId = 1665;

    CNewLogStringsNotice(const gstrSlice& name, QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    gstr alarm_;
    gstr clear_;
    gstr acknowledged_;
    QFont bold_;
};
