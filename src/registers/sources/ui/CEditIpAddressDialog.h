#pragma once

#include "platform/CDialog.h"

#include <array>
#include <cstdint>

// Edit IP Address: one IPv4 address of a host. Opened with an address or
// none; with the add flag its title is "Add IP Address". OK is enabled
// while the field is not empty and takes only an address that names a
// host.
class CEditIpAddressDialog : public CDialog {
public:
    static constexpr int addressId = 1005;

    CEditIpAddressDialog(const std::array<uint8_t, 4>* address, bool add, QWidget* parent = nullptr);

    // The address, after OK.
    const std::array<uint8_t, 4>& address() const { return address_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    std::array<uint8_t, 4> address_{};
    bool hasAddress_;
    bool add_;
};
