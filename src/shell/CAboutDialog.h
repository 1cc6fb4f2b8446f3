#pragma once

#include "platform/CDialog.h"

// About K.O.R.V.E.L.: the logo and the program's version.
class CAboutDialog : public CDialog {
public:
    explicit CAboutDialog(const gstr& version, QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;

private:
    gstr version_;
};
