#pragma once

#include "shell/CFilteredEdit.h"

#include <cstdint>

// An IPv4 address in dotted decimal; its value is four bytes in text order.
// Typing is limited to digits and '.'.
class CIpAddressEdit : public CKeyFilteredEdit {
public:
    using CKeyFilteredEdit::CKeyFilteredEdit;

    bool acceptsChar(unsigned char c) const override;
    void setAddress(const uint8_t (&address)[4]);
    // Four numbers of 0 to 255 separated by single dots and nothing else.
    // With hostCheck also false for an address that names no host: a first
    // number of 0 or above 223, or 127 other than 127.0.0.1. The address is
    // written only on true; no message is shown.
    bool getAddress(uint8_t (&address)[4], bool hostCheck) const;
};
