#pragma once

#include "platform/CDialog.h"

// Set Network Screen: a station name and a screen tag, both needed.
class CSetNetworkScreenDialog : public CDialog {
public:
    static constexpr int stationId = 1462;
    static constexpr int screenId = 1426;

    explicit CSetNetworkScreenDialog(QWidget* parent = nullptr);

    const gstr& getStationName() const { return station_; }
    void setStationName(const gstrSlice& name) { station_.assign(name); }
    const gstr& getScreenTag() const { return screen_; }
    void setScreenTag(const gstrSlice& tag) { screen_.assign(tag); }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void enableOk();

    gstr station_{""};
    gstr screen_{""};
};
