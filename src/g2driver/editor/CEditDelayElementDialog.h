#pragma once

#include "g2driver/editor/CCommandElementDialogBase.h"

#include <cstdint>

// Edit Delay Element (875): the pause in seconds, from 0.001 s to 4294967 s,
// kept in whole milliseconds (truncated).
class CEditDelayElementDialog : public CCommandElementDialogBase {
public:
    static constexpr int templateId = 875;
    static constexpr int delayId = 1201;

    CEditDelayElementDialog(commandElementHost& host, const g2driverCommandElement* source,
                            g2driverCommandElement* edited, QWidget* parent);

protected:
    bool OnInitDialog() override;
    bool checkFields() override;
    g2driverCommandElement* makeElement() const override;
    void storeFields(g2driverCommandElement& element) override;

private:
    uint32_t milliseconds_ = 0;
};
