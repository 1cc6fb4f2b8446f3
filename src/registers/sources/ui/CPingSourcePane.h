#pragma once

#include "foundation/gmilliseconds.h"
#include "registers/sources/ui/CSourcePane.h"

#include <cstdint>
#include <memory>

class gregisterSource;

// The pane of the ping source: the address, the interval and timeout in
// seconds, the number of retries and whether network errors count as
// alarms.
class CPingSourcePane final : public CSourcePane {
public:
    static constexpr int timeoutId = 1479;
    static constexpr int retriesId = 1599;
    static constexpr int addressId = 1596;
    static constexpr int intervalId = 1289;
    static constexpr int errorsId = 1601;

    CPingSourcePane() : CSourcePane(679) {}
    static std::unique_ptr<CSourcePane> make(const gregisterSource* source);

    bool create(CRegisterDialog& dialog) override;
    bool validate() override;
    void applyToBistate(gbistateSupplement& supplement) override;

private:
    uint8_t address_[4] = {};
    gmilliseconds interval_{30000};
    gmilliseconds timeout_{500};
    uint32_t retries_ = 1;
    bool errorsAsAlarms_ = false;
};
