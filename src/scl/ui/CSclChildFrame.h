#pragma once

#include "shell/CChildFrame.h"

// The window of a driver program in the driver program editor. It opens
// maximised while the editor's maximise-documents flag is set, and keeps the
// flag from its last restore or maximise.
class CSclChildFrame : public CChildFrame {
public:
    using CChildFrame::CChildFrame;

    void showAsRemembered() override;

protected:
    void changeEvent(QEvent* event) override;
};
