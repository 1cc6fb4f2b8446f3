#pragma once

#include "g2driver/editor/CResponseElementDialogBase.h"
#include "foundation/gregexp.h"

#include <cstdint>

class g2driverResponseValue;

// Edit Regular Expression Element (751): the pattern the response must
// match here, optionally repeated as often as a numerical value decoded
// before says, plus an offset.
class CEditRegexpResponseElementDialog : public CResponseElementDialogBase {
public:
    static constexpr int templateId = 751;
    static constexpr int patternId = 1369;
    static constexpr int repeatId = 1873;
    static constexpr int valueLabelId = 1871;
    static constexpr int valueId = 1872;
    static constexpr int offsetLabelId = 1353;
    static constexpr int offsetId = 1349;

    CEditRegexpResponseElementDialog(responseElementHost& page, const g2driverResponseElement* source,
                                     g2driverResponseElement* target, QWidget* parent);

protected:
    bool OnInitDialog() override;
    bool checkFields() override;
    g2driverResponseElement* makeElement() const override;
    void storeFields(g2driverResponseElement& element) override;

private:
    void repeatClicked();
    void enableRepeat();

    gregexp pattern_{true};
    g2driverResponseValue* value_ = nullptr;
    int32_t offset_ = 0;
};
