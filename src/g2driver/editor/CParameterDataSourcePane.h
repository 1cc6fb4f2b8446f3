#pragma once

#include "registers/sources/ui/CDataSourcePane.h"

class CEscapedStringEdit;

// The pane of a Parameter source (template 787): an optional default value
// in the control of the data object's value kind (On/Off, an unsigned
// number, a real number or a byte string shown as text or hex) and whether
// the value is remembered across launches. The string's display mode comes
// from "HexMode" of "Dialogs\Edit G2Driver", follows the two display
// buttons, and is handed on to "Dialogs\Edit Parameter" when the pane goes.
class CParameterDataSourcePane : public CDataSourcePane {
public:
    static constexpr int templateId = 787;
    static constexpr int defaultId = 1493;
    static constexpr int stringId = 1465;
    static constexpr int showTextId = 1435;
    static constexpr int showHexId = 1434;
    static constexpr int digitalId = 1209;
    static constexpr int analogId = 1026;
    static constexpr int onId = 1962;
    static constexpr int offId = 1963;
    static constexpr int rememberId = 1957;

    explicit CParameterDataSourcePane(CSourceTypeHostPane& host);
    ~CParameterDataSourcePane() override;

    bool create(const g2driverDataSource* source) override;
    bool acceptValueKind(int32_t kind) override;
    std::unique_ptr<g2driverDataSource> makeSource() override;
    bool isUnchanged() const override;

private:
    void addControls();
    void showDefault(const g2driverDataSource& source);
    void enableValues();
    void switchHexMode(int hexMode);
    bool storeDefault(class g2driverParameterSource& source);

    CEscapedStringEdit* string_ = nullptr;
    int hexMode_ = 0;
};
