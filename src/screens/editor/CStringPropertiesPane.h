#pragma once

#include "screens/editor/CValuePane.h"

// The string tab of the drawing-properties bar: string indicators.
class CStringPropertiesPane : public CValuePane {
public:
    static constexpr int templateId = 588;

    explicit CStringPropertiesPane(QWidget* parent = nullptr);

    void refillRegisterList() override;

protected:
    gpropValueText& valueText() override;
    int32_t& previewState() override;
    void loadRegister() override;
    void storeRegister(void* item) override;
};
