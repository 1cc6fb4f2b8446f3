#pragma once

#include "foundation/gmilliseconds.h"
#include "foundation/jhashTable.h"
#include "g2driver/model/g2driverParameterTable.h"
#include "g2driver/model/g2driverResponseList.h"
#include "store/gstorable.h"
#include "store/gusedByList.h"

#include <cstdint>

class g2driver;

// The shape of a family of commands of a G2 driver (block CR_TEMPLATE): its
// parameters, the time that is the default timeout of its commands (or the
// delay before the next command when it expects no response), the size of
// the receive window (0: no response expected), the valid and the error
// response, and the default named values every exchange starts with.
// Command elements, data names and error-code defaults come with the G2
// driver model; so far it is what serial exchanges read of it.
class g2driverCommandTemplate : public jhashDatabaseObject, public gstorable {
public:
    g2driverCommandTemplate();
    g2driverCommandTemplate(const g2driverCommandTemplate&) = delete;
    g2driverCommandTemplate& operator=(const g2driverCommandTemplate&) = delete;
    ~g2driverCommandTemplate() override;

    g2driver* getDriver() const noexcept { return driver_; }
    void setDriver(g2driver* driver) noexcept { driver_ = driver; }
    g2driverParameterTable& parameters() noexcept { return parameters_; }

    gmilliseconds getTime() const noexcept { return time_; }
    void setTime(gmilliseconds time) noexcept { time_ = time; }
    int32_t getBufferSize() const noexcept { return bufferSize_; }
    void setBufferSize(int32_t size) noexcept { bufferSize_ = size; }

    g2driverResponseList& responses() noexcept { return responses_; }
    const g2driverResponseList& responses() const noexcept { return responses_; }
    g2driverResponseList& errors() noexcept { return errors_; }
    const g2driverResponseList& errors() const noexcept { return errors_; }
    // gnamedValue entries, owned by the template.
    jhashNamedObjectTable& defaultValues() noexcept { return defaultValues_; }
    const jhashNamedObjectTable& defaultValues() const noexcept { return defaultValues_; }

    gusedByList& usedBy() noexcept { return usedBy_; }

    // CR_TEMPLATE and the tag.
    void writeHeader(CObjectFile& file, int indent) const override;
    // The parameter lines, DELAY when set and not 0, BUFFER_SIZE when not 0.
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    // An unset time becomes 0.
    void afterLoad() override;

private:
    g2driver* driver_ = nullptr;
    g2driverParameterTable parameters_;
    gmilliseconds time_;
    int32_t bufferSize_ = 0;
    g2driverResponseList responses_{0};
    g2driverResponseList errors_{1};
    jhashNamedObjectTable defaultValues_;
    gusedByList usedBy_;
};
