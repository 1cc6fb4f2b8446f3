#include "registers/sources/gsourceRemoteStationAlarm.h"

#include "registers/registerFieldLines.h"
#include "registers/sources/sourceFields.h"
#include "store/gkeyword.h"

void gsourceRemoteStationAlarm::set(const gstrSlice& stationName, const gstrSlice& registerTag)
{
    station_.assign(stationName);
    if (registerTag.isEmpty())
        register_.clear();
    else
        register_.assign(registerTag);
}

std::unique_ptr<gregisterSource> gsourceRemoteStationAlarm::clone(gregisterSupplement& owner) const
{
    auto copy = std::make_unique<gsourceRemoteStationAlarm>(owner);
    copy->station_ = station_;
    copy->register_ = register_;
    return copy;
}

void gsourceRemoteStationAlarm::writeFields(CObjectFile& file, int indent) const
{
    if (!station_.isEmpty())
        writeTextLine(file, indent, kw::STATION, station_);
    if (!register_.isEmpty())
        writeTextLine(file, indent, kw::REGISTER, register_);
}

gloadStatus gsourceRemoteStationAlarm::loadField(int token, gstr& value)
{
    switch (token) {
    case kw::STATION: return loadNonEmptyText(station_, value);
    case kw::REGISTER: return loadNonEmptyText(register_, value);
    default: return gbistateRegisterSource::loadField(token, value);
    }
}
