#pragma once

#include "shell/CValueRowDialog.h"

class QComboBox;

// The row of a bistate parameter: a combo box of the empty entry (no value),
// "Off" and "On".
class CBistateValueRow : public CValueRowDialog {
public:
    static constexpr int templateId = 762;

    explicit CBistateValueRow(const g2driverParameter* item);
    ~CBistateValueRow() override;

    bool createRow(QWidget* panel, QWidget*& previousRow, QPoint& position, int labelWidth, int rowWidth) override;
    // Never fails: the empty entry gives no value, "Off" 0 and "On" 1.
    bool buildValue(std::unique_ptr<g2driverParameterValue>& out, bool quiet) override;
    // "On" for any value but 0.
    void showValue(const g2driverParameterValue& value) override;

    QComboBox* combo() const { return combo_; }

private:
    QComboBox* combo_;
};
