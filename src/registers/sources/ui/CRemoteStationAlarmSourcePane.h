#pragma once

#include "foundation/gstr.h"
#include "registers/sources/ui/CSourcePane.h"

#include <memory>

class gregisterSource;

// The pane of the remote station alarm source: the station's name and,
// optionally, one register tag there.
class CRemoteStationAlarmSourcePane final : public CSourcePane {
public:
    static constexpr int stationId = 1462;
    static constexpr int registerId = 1391;

    CRemoteStationAlarmSourcePane() : CSourcePane(569) {}
    static std::unique_ptr<CSourcePane> make(const gregisterSource* source);

    bool create(CRegisterDialog& dialog) override;
    bool validate() override;
    void applyToBistate(gbistateSupplement& supplement) override;

private:
    gstr station_;
    gstr register_;
};
