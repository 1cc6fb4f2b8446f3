#pragma once

#include "registers/sources/gregisterSource.h"

// The remote station alarm source (type code 9, "SOURCE NETWORK", bistate
// registers only): the alarm state of another station, named by its
// station name, optionally narrowed to one register tag there. Lines:
// "STATION <name>" and "REGISTER <tag>", each when not empty; complete with
// a station name.
class gsourceRemoteStationAlarm final : public gbistateRegisterSource {
public:
    using gbistateRegisterSource::gbistateRegisterSource;

    const gstr& getStationName() const noexcept { return station_; }
    // Empty: the station as a whole.
    const gstr& getRegisterTag() const noexcept { return register_; }
    void set(const gstrSlice& stationName, const gstrSlice& registerTag);

    int getSourceType() const override { return 9; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return !station_.isEmpty(); }

private:
    gstr station_;
    gstr register_;
};
