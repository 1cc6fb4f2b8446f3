#include "registers/sources/ui/CPingSourcePane.h"

#include "registers/gbistateSupplement.h"
#include "registers/sources/gsourcePing.h"
#include "registers/sources/pingFields.h"
#include "registers/sources/ui/sourcePaneFields.h"
#include "shell/CIpAddressEdit.h"
#include "shell/CSpinEdit.h"
#include "shell/fieldEdits.h"

#include <algorithm>

namespace {

constexpr int noAddress = 10438;
constexpr int badAddress = 10319;
constexpr int badRetries = 10403;
constexpr int intervalTooShort = 10405;

} // namespace

std::unique_ptr<CSourcePane> CPingSourcePane::make(const gregisterSource* source)
{
    auto pane = std::make_unique<CPingSourcePane>();
    if (auto* ping = dynamic_cast<const gsourcePing*>(source)) {
        std::copy(ping->getAddress(), ping->getAddress() + 4, pane->address_);
        pane->interval_ = ping->getInterval();
        pane->timeout_ = ping->getTimeout();
        pane->retries_ = ping->getRetries();
        pane->errorsAsAlarms_ = ping->getErrorAsAlarm() > 0;
    }
    return pane;
}

bool CPingSourcePane::create(CRegisterDialog& dialog)
{
    addLabel(-1, "IP &address:", 0, 2, 50, 8);
    addControl(addressId, new CIpAddressEdit, 54, 0, 70, 12);
    addLabel(-1, "&Interval:", 0, 18, 50, 8);
    auto* interval = addControl(intervalId, new CRealSpinEdit, 54, 16, 60, 12);
    addLabel(-1, "s", 118, 18, 10, 8);
    addLabel(-1, "&Timeout:", 140, 18, 40, 8);
    auto* timeout = addControl(timeoutId, new CRealSpinEdit, 182, 16, 60, 12);
    addLabel(-1, "s", 246, 18, 10, 8);
    addLabel(-1, "&Retries:", 0, 34, 50, 8);
    auto* retries = addControl(retriesId, new CUnsignedSpinEdit, 54, 32, 60, 12);
    addCheckBox(errorsId, "Treat network &errors as alarms", 0, 50, 150, 10);
    becomeChildOf(dialog, 286, 62);

    fieldEdits::limitSpin(*timeout, pingFields::timeout);
    interval->spin().minimum = 0.001;
    retries->spin().minimum = 1;
    if (address_[0] != 0)
        controlOf<CIpAddressEdit>(addressId)->setAddress(address_);
    fieldEdits::showSeconds(*interval, interval_);
    fieldEdits::showSeconds(*timeout, timeout_);
    retries->setValue(retries_);
    setChecked(errorsId, errorsAsAlarms_);
    return true;
}

// The interval must also suit the timeout and retries in the whole
// milliseconds the source keeps, so that the saved source is complete when
// it is read again.
bool CPingSourcePane::validate()
{
    uint8_t address[4];
    if (controlText(addressId).isEmpty())
        return refuseFocusOnly(addressId, noAddress);
    if (!controlOf<CIpAddressEdit>(addressId)->getAddress(address, true))
        return refuseField(addressId, badAddress);
    uint32_t interval = 0;
    if (!fieldEdits::readSeconds(*controlOf<CRealSpinEdit>(intervalId), pingFields::interval, interval_, 0, interval))
        return refuseField(intervalId, pingFields::interval.refusal);
    uint32_t retries = 0;
    if (!readUnsignedField(*this, retriesId, retries) || retries == 0)
        return refuseField(retriesId, badRetries);
    uint32_t timeout = 0;
    if (!fieldEdits::readSeconds(*controlOf<CRealSpinEdit>(timeoutId), pingFields::timeout, timeout_, 0, timeout))
        return refuseField(timeoutId, pingFields::timeout.refusal);
    if (!gsourcePing::intervalCovers(interval, timeout, retries))
        return refuseField(intervalId, intervalTooShort);
    std::copy(address, address + 4, address_);
    interval_ = gmilliseconds(interval);
    timeout_ = gmilliseconds(timeout);
    retries_ = retries;
    errorsAsAlarms_ = isChecked(errorsId);
    return true;
}

void CPingSourcePane::applyToBistate(gbistateSupplement& supplement)
{
    auto& ping = sourceAs<gsourcePing>(supplement.newPingSource());
    ping.setAddress(address_);
    ping.setInterval(interval_);
    ping.setTimeout(timeout_);
    ping.setRetries(retries_);
    ping.setErrorAsAlarm(errorsAsAlarms_ ? 1 : 0);
}
