#pragma once

#include "screens/editor/CValuePane.h"

// The digital tab of the drawing-properties bar: digital indicators, with
// the base, the least number of digits and the use of value names.
class CDigitalPropertiesPane : public CValuePane {
public:
    static constexpr int templateId = 584;
    static constexpr int baseLabel = 1035, baseList = 1034, digitsLabel = 1212, digitsField = 1211;
    static constexpr int valueNamesBox = 2017;

    explicit CDigitalPropertiesPane(QWidget* parent = nullptr);

    void refillRegisterList() override;

protected:
    gpropValueText& valueText() override;
    int32_t& previewState() override;
    void loadRegister() override;
    void storeRegister(void* item) override;
    void loadSettings() override;
    void commitSettings() override;
    void numberStepped(int id, int32_t value) override;
};
