#pragma once

#include "foundation/gmilliseconds.h"
#include "g2driver/model/g2driverErrorValueSet.h"
#include "store/gstorable.h"
#include "store/jhashTypedDatabaseTable.h"

#include <cstdint>

class g2driverErrorCode;

// The ERROR_HANDLING record of a G2 driver: for the error values of its error
// code, which are ignored, which make the device initialize again and which
// make the command be sent again, with the delay and count of those retries.
class g2driverErrorHandling : public gstorable {
public:
    g2driverErrorHandling() = default;
    g2driverErrorHandling(const g2driverErrorHandling&) = delete;
    g2driverErrorHandling& operator=(const g2driverErrorHandling&) = delete;

    g2driverErrorCode* getErrorCode() const noexcept { return errorCode_; }
    void setErrorCode(g2driverErrorCode* code) noexcept { errorCode_ = code; }
    g2driverErrorValueSet& ignoreSet() noexcept { return ignore_; }
    g2driverErrorValueSet& reinitSet() noexcept { return reinit_; }
    g2driverErrorValueSet& retrySet() noexcept { return retry_; }
    const g2driverErrorValueSet& ignoreSet() const noexcept { return ignore_; }
    const g2driverErrorValueSet& reinitSet() const noexcept { return reinit_; }
    const g2driverErrorValueSet& retrySet() const noexcept { return retry_; }
    gmilliseconds getRetryDelay() const noexcept { return retryDelay_; }
    void setRetryDelay(gmilliseconds delay) noexcept { retryDelay_ = delay; }
    int32_t getRetries() const noexcept { return retries_; }
    void setRetries(int32_t count) noexcept { retries_ = count; }

    // The header's value: the error code's tag, a comma and NUMERICAL VALUE
    // or STRING VALUE. The code is taken from the table (a placeholder when
    // absent) and takes the kind when it has none. The item result; 0 when
    // the value does not parse or the code has the other kind.
    int parseHeader(const char* text, jhashTypedDatabaseTable<g2driverErrorCode>& codes);
    // Whether the driver writes the record: some set is given and the record
    // is not just ignore DEFAULT, reinitialize NONE, retry NONE.
    bool isWritten() const noexcept;

    // ERROR_HANDLING and, with an error code, its tag and kind.
    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    // Retries other than NONE get a retry delay of 0 when none was given.
    void afterLoad() override;
    // All three sets given, exactly one of them DEFAULT, and no delay or
    // count for retries of NONE.
    bool isComplete() const override;

private:
    gloadStatus loadSet(g2driverErrorValueSet& set, const gstr& value);
    int32_t errorCodeKind() const noexcept;

    g2driverErrorCode* errorCode_ = nullptr;
    g2driverErrorValueSet ignore_;
    g2driverErrorValueSet reinit_;
    g2driverErrorValueSet retry_;
    gmilliseconds retryDelay_;
    int32_t retries_ = 0;
};
