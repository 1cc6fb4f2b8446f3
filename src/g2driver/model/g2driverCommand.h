#pragma once

#include "foundation/gmilliseconds.h"
#include "g2driver/model/g2driverParameterTable.h"
#include "store/gstorable.h"
#include "store/gusedByList.h"

#include <cstdint>

class g2driver;
class g2driverCommandTemplate;

// One command of a G2 driver (block COMMAND): its parameters, whose values
// come with each request to send it, its template and the template's timeout
// and buffer size it may override. Template values, data and retries come
// with the G2 driver model; so far it is what requests and serial exchanges
// read of it.
class g2driverCommand : public jhashDatabaseObject, public gstorable, public greferrer {
public:
    g2driverCommand() = default;
    g2driverCommand(const g2driverCommand&) = delete;
    g2driverCommand& operator=(const g2driverCommand&) = delete;

    g2driver* getDriver() const noexcept { return driver_; }
    void setDriver(g2driver* driver) noexcept { driver_ = driver; }
    g2driverParameterTable& parameters() noexcept { return parameters_; }
    const g2driverParameterTable& parameters() const noexcept { return parameters_; }

    g2driverCommandTemplate* getTemplate() const noexcept { return template_; }
    // Points the template uses at the template (none for null).
    void setTemplate(g2driverCommandTemplate* commandTemplate);
    // Not set: the template's time applies.
    gmilliseconds getTimeout() const noexcept { return timeout_; }
    void setTimeout(gmilliseconds timeout) noexcept { timeout_ = timeout; }
    // 0: the template's buffer size applies.
    int32_t getBufferSize() const noexcept { return bufferSize_; }
    void setBufferSize(int32_t size) noexcept { bufferSize_ = size; }

    gusedByList& usedBy() noexcept { return usedBy_; }

    // "The command %s in device driver %s", or "The command %s" without a
    // driver.
    void describeReferrer(gstr& text) const override;

    // COMMAND and the tag.
    void writeHeader(CObjectFile& file, int indent) const override;
    // The parameter lines; CR_TEMPLATE; when the template expects a
    // response, TIMEOUT when set and BUFFER_SIZE when above 0.
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;

private:
    g2driver* driver_ = nullptr;
    g2driverParameterTable parameters_;
    g2driverCommandTemplate* template_ = nullptr;
    gusesList templateUses_{this};
    gmilliseconds timeout_;
    int32_t bufferSize_ = 0;
    gusedByList usedBy_;
};
