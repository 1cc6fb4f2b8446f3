#pragma once

#include "foundation/gregexp.h"
#include "g2driver/editor/CNamedResponseElementDialog.h"

#include <cstdint>

class g2driverResponseDataName;
class g2driverResponseValue;

// Edit Response Data Element (756): named data of the response that a
// pattern locates, or whose length a numerical value decoded before gives
// (in characters of a size, with elements before it included, an offset,
// and a fixed factor or one read from another value plus an offset). The
// name is kept unique in the template's response data names.
class CEditDataResponseElementDialog : public CNamedResponseElementDialog {
public:
    static constexpr int templateId = 756;
    static constexpr int lengthId = 1565;
    static constexpr int valueLabelId = 1892;
    static constexpr int valueId = 1566;
    static constexpr int charSizeLabelId = 2073;
    static constexpr int charSizeId = 2071;
    static constexpr int includesLabelId = 1888;
    static constexpr int includesId = 1724;
    static constexpr int includesAfterId = 1889;
    static constexpr int offsetLabelId = 1353;
    static constexpr int offsetId = 1349;
    static constexpr int fixedFactorId = 1884;
    static constexpr int factorId = 1259;
    static constexpr int factorValueRadioId = 1886;
    static constexpr int factorValueId = 1567;
    static constexpr int factorOffsetLabelId = 1893;
    static constexpr int factorOffsetId = 1260;
    static constexpr int patternId = 1369;

    CEditDataResponseElementDialog(responseElementHost& page, const g2driverResponseElement* source,
                                   g2driverResponseElement* target, QWidget* parent);

protected:
    bool OnInitDialog() override;
    bool checkFields() override;
    g2driverResponseElement* makeElement() const override;
    void storeFields(g2driverResponseElement& element) override;

private:
    void startLength();
    void lengthClicked();
    void enableLength();
    bool checkLength();
    g2driverResponseValue* chosenValue(int comboId) const;

    gregexp pattern_{true};
    g2driverResponseDataName* newName_ = nullptr;
    g2driverResponseValue* length_ = nullptr;
    int32_t charSize_ = 0;
    int32_t includes_ = 0;
    int32_t offset_ = 0;
    int32_t factor_ = 0;
    g2driverResponseValue* factorValue_ = nullptr;
    int32_t factorOffset_ = 0;
};
