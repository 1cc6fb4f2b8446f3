#pragma once

#include "platform/CDialog.h"

#include <cstdint>

// Drawing Grid Size: the grid step of a screen, 4 to 1000 on each axis. The
// caller sets the steps before the run and reads them after OK.
class CGridSizeDialog : public CDialog {
public:
    static constexpr int xId = 1513;
    static constexpr int yId = 1517;

    explicit CGridSizeDialog(QWidget* parent = nullptr);

    int32_t stepX = 16;
    int32_t stepY = 16;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    // The edit's value when it reads completely and lies in 4..1000.
    bool readStep(int id, int32_t& step);
};
