#pragma once

#include "registers/sources/gregisterSource.h"

#include <array>
#include <cstdint>
#include <vector>

// The remote register value sources (type code 6, "SOURCE NETWORK2", all
// four register classes): the value of a register of another station,
// named by its tag and reached at one or more IPv4 addresses. Lines:
// "REGISTER <tag>" when set, then one "ADDRESS a.b.c.d" per address in
// order (repeats allowed); complete with a tag and at least one address.
class gsourceRemoteRegisterPart {
public:
    using address = std::array<uint8_t, 4>;

    const gstr& getTag() const noexcept { return tag_; }
    void setTag(const gstrSlice& tag) { tag_.assign(tag); }
    const std::vector<address>& addresses() const noexcept { return addresses_; }
    void setAddresses(const std::vector<address>& addresses) { addresses_ = addresses; }

    void writeFields(CObjectFile& file, int indent) const;
    // REGISTER and ADDRESS; unknownKeyword for any other.
    gloadStatus loadField(int token, const gstr& value);
    bool isComplete() const noexcept { return !tag_.isEmpty() && !addresses_.empty(); }

private:
    gstr tag_;
    std::vector<address> addresses_;
};

template <class Base>
class gsourceRemoteRegister final : public Base {
public:
    using Base::Base;

    gsourceRemoteRegisterPart& part() noexcept { return part_; }
    const gsourceRemoteRegisterPart& part() const noexcept { return part_; }

    int getSourceType() const override { return 6; }
    std::unique_ptr<gregisterSource> clone(gregisterSupplement& owner) const override
    {
        auto copy = std::make_unique<gsourceRemoteRegister>(owner);
        copy->part_ = part_;
        return copy;
    }
    void writeFields(CObjectFile& file, int indent) const override { part_.writeFields(file, indent); }
    gloadStatus loadField(int token, gstr& value) override
    {
        gloadStatus status = part_.loadField(token, value);
        return status == gload::unknownKeyword ? Base::loadField(token, value) : status;
    }
    bool isComplete() const override { return part_.isComplete(); }

private:
    gsourceRemoteRegisterPart part_;
};

using gsourceRemoteRegisterBistate = gsourceRemoteRegister<gbistateRegisterSource>;
using gsourceRemoteRegisterDigital = gsourceRemoteRegister<gdigitalRegisterSource>;
using gsourceRemoteRegisterAnalog = gsourceRemoteRegister<ganalogRegisterSource>;
using gsourceRemoteRegisterString = gsourceRemoteRegister<gstringRegisterSource>;

// The part of a remote register value source of any class; null for a
// source of another kind.
const gsourceRemoteRegisterPart* remoteRegisterPart(const gregisterSource* source);
gsourceRemoteRegisterPart* remoteRegisterPart(gregisterSource* source);
