#include "registers/sources/ui/CRemoteStationAlarmSourcePane.h"

#include "registers/gbistateSupplement.h"
#include "registers/sources/gsourceRemoteStationAlarm.h"

namespace {

constexpr int noStationName = 10156;

} // namespace

std::unique_ptr<CSourcePane> CRemoteStationAlarmSourcePane::make(const gregisterSource* source)
{
    auto pane = std::make_unique<CRemoteStationAlarmSourcePane>();
    if (auto* alarm = dynamic_cast<const gsourceRemoteStationAlarm*>(source)) {
        pane->station_ = alarm->getStationName();
        pane->register_ = alarm->getRegisterTag();
    }
    return pane;
}

bool CRemoteStationAlarmSourcePane::create(CRegisterDialog& dialog)
{
    addLabel(-1, "&Station name:", 0, 2, 60, 8);
    addEdit(stationId, 64, 0, 150, 12);
    addLabel(-1, "&Register tag:", 0, 18, 60, 8);
    addEdit(registerId, 64, 16, 150, 12);
    becomeChildOf(dialog, 286, 30);
    setControlText(stationId, station_);
    setControlText(registerId, register_);
    return true;
}

bool CRemoteStationAlarmSourcePane::validate()
{
    gstr station = controlText(stationId);
    if (station.isEmpty())
        return refuseFocusOnly(stationId, noStationName);
    station_ = station;
    register_ = controlText(registerId);
    return true;
}

void CRemoteStationAlarmSourcePane::applyToBistate(gbistateSupplement& supplement)
{
    sourceAs<gsourceRemoteStationAlarm>(supplement.newRemoteStationAlarmSource()).set(station_, register_);
}
