#pragma once

#include "platform/CDialog.h"

#include <memory>
#include <vector>

class g2driverParameter;
class g2driverParameterTable;
class goffsetParameter;

// Edit Rotate Parameter (template 867): one rotate parameter of a G2 bit
// section, "( parameter + 1st offset ) · factor + 2nd offset" bit positions
// for a range of parameter values, left or right. The parameters offered are
// the digital ones of the data object being edited. Made with a template
// (whose values fill the controls) and a target (which OK changes); OK
// makes the target when there is none.
class CRotateParameterDialog final : public CDialog {
public:
    static constexpr int parameterId = 1704;
    static constexpr int firstOffsetId = 2144;
    static constexpr int factorId = 1259;
    static constexpr int secondOffsetId = 1350;
    static constexpr int leftId = 1720;
    static constexpr int rightId = 1721;
    static constexpr int rangeId = 1844;
    static constexpr int lowestId = 1237;
    static constexpr int highestId = 1236;
    static constexpr int lowestLabelId = 2145;
    static constexpr int highestLabelId = 2146;

    CRotateParameterDialog(const g2driverParameterTable& parameters, const goffsetParameter* fillFrom,
                           goffsetParameter* target, QWidget* parent);
    ~CRotateParameterDialog() override;

    goffsetParameter* result() const { return target_; }
    std::unique_ptr<goffsetParameter> takeMade();

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void enableRange();

    std::vector<g2driverParameter*> parameters_;
    const goffsetParameter* fillFrom_;
    goffsetParameter* target_;
    std::unique_ptr<goffsetParameter> made_;
};
