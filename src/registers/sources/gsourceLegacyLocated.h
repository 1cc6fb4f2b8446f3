#pragma once

#include "registers/gregisterSupplement.h"
#include "registers/sources/gregisterSource.h"
#include "registers/sources/gsourceSerialInterface.h"

// What every legacy-device register source shares: the register class's
// source base, a data location (Location: the untyped or the typed one) and
// the referrer identity through which the port, device and response name
// the register. Each kind adds its own fields and tries its own keywords
// before handing a line on to loadField here.
template <class Base, class Location>
class gsourceLegacyLocated : public Base, public gsourceLocationOwner {
public:
    explicit gsourceLegacyLocated(gregisterSupplement& owner) : Base(owner), location_(*this) {}
    // A copy of the other's location for a clone.
    gsourceLegacyLocated(gregisterSupplement& owner, const gsourceLegacyLocated& other)
        : Base(owner), location_(*this, other.location_)
    {
    }

    Location& location() noexcept { return location_; }
    const Location& location() const noexcept { return location_; }

    const gregister* locationRegister() const override { return &this->getOwner().getRegister(); }
    // The source and its location name the register alike.
    void describeReferrer(gstr& text) const override { Base::describeReferrer(text); }

    void writeFields(CObjectFile& file, int indent) const override { location_.writeFields(file, indent); }
    // The location's keywords, then the storable base's "END".
    gloadStatus loadField(int token, gstr& value) override
    {
        gloadStatus status = location_.loadField(token, value);
        return status == gload::unknownKeyword ? Base::loadField(token, value) : status;
    }
    void afterLoad() override { location_.afterLoad(); }
    bool isComplete() const override { return location_.isComplete(); }
    int resolveReferences(const gregisterBatchOptions& options, gstr& log,
                          jhashTypedDatabaseTable<gregister>*) override
    {
        return location_.resolveReferences(options, log);
    }

private:
    Location location_;
};
