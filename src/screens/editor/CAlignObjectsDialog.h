#pragma once

#include "platform/CDialog.h"

// Align Objects: how to align or distribute the selected objects, 0 (don't
// align) to 4 on each axis. The last choices stay in the settings, also
// after Cancel.
class CAlignObjectsDialog : public CDialog {
public:
    static constexpr int firstHorizontalId = 1013;
    static constexpr int firstVerticalId = 1018;

    explicit CAlignObjectsDialog(QWidget* parent = nullptr);
    ~CAlignObjectsDialog() override;

    int horizontal = 0;
    int vertical = 0;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void enableOk();
    int checkedIndex(int firstId) const;
};
