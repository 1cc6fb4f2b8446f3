#pragma once

#include "formats/ui/analogNotationPane.h"
#include "screens/editor/CValuePane.h"

// The analog tab of the drawing-properties bar: analog indicators, with the
// value shown, the decimals, the plus sign, and the factor-and-offset and
// exponential-notation dialogs.
class CAnalogPropertiesPane : public CValuePane, public analogNotationPane {
public:
    static constexpr int templateId = 581;
    static constexpr int valueLabel = 1583, valueList = 1496, decimalsLabel = 1378, decimalsField = 1377;
    static constexpr int plusSignBox = 1372, exponentButton = 1802, factorOffsetButton = 1260;

    explicit CAnalogPropertiesPane(QWidget* parent = nullptr);

    void refillRegisterList() override;

    // What the two dialogs use.
    bool editsDrawingDefaults() const override { return editsDefaults(); }
    gtriStateDouble& factor() override;
    gtriStateDouble& offset() override;
    gtriState<int32_t>& useExponent() override { return useExponent_; }
    gpropExponentValues& exponent() override;
    void applyToSelection(int property) override;

protected:
    gpropValueText& valueText() override;
    int32_t& previewState() override;
    void loadRegister() override;
    void storeRegister(void* item) override;
    void loadSettings() override;
    void commitSettings() override;
    void numberStepped(int id, int32_t value) override;

private:
    void runFactorOffset();
    void runExponent();
    // The record's flag as the dialogs see it.
    void takeUseExponent();
    void storeUseExponent();

    gtriState<int32_t> useExponent_;
};
