#pragma once

#include "foundation/garray.h"
#include "foundation/gmilliseconds.h"
#include "foundation/jhashTable.h"
#include "g2driver/model/g2driverCommandDataName.h"
#include "g2driver/model/g2driverCommandElement.h"
#include "g2driver/model/g2driverErrorCode.h"
#include "g2driver/model/g2driverParameterTable.h"
#include "g2driver/model/g2driverResponseDataName.h"
#include "g2driver/model/g2driverResponseList.h"
#include "store/gstorable.h"
#include "store/gusedByList.h"

#include <cstdint>

class g2driver;

// The shape of a family of commands of a G2 driver (block CR_TEMPLATE): its
// parameters, the command elements that make the bytes sent, the time that
// is the default timeout of its commands (or, when it expects no response,
// the delay before the next command), the size of the receive window (0: no
// response expected), the valid and the error response, the names of the
// places where commands insert their data and of the response data, and
// the default value of each error code that exchanges start from.
class g2driverCommandTemplate : public jhashDatabaseObject, public gstorable, public greferrer {
public:
    g2driverCommandTemplate();
    g2driverCommandTemplate(const g2driverCommandTemplate&) = delete;
    g2driverCommandTemplate& operator=(const g2driverCommandTemplate&) = delete;
    ~g2driverCommandTemplate() override;

    g2driver* getDriver() const noexcept { return driver_; }
    // Sets the driver on the elements of the template and of both responses
    // and links the error-code defaults to the driver's codes.
    void setDriver(g2driver* driver);
    g2driverParameterTable& parameters() noexcept { return parameters_; }
    const g2driverParameterTable& parameters() const noexcept { return parameters_; }

    gmilliseconds getTime() const noexcept { return time_; }
    void setTime(gmilliseconds time) noexcept { time_ = time; }
    int32_t getBufferSize() const noexcept { return bufferSize_; }
    void setBufferSize(int32_t size) noexcept { bufferSize_ = size; }

    const garrayOwned<g2driverCommandElement>& elements() const noexcept { return elements_; }
    // Takes the element and makes this template its own.
    void appendElement(g2driverCommandElement* element);
    g2driverCommandDataNameTable& dataNames() noexcept { return dataNames_; }
    g2driverResponseList& responses() noexcept { return responses_; }
    const g2driverResponseList& responses() const noexcept { return responses_; }
    g2driverResponseList& errors() noexcept { return errors_; }
    const g2driverResponseList& errors() const noexcept { return errors_; }
    g2driverResponseDataNameTable& responseDataNames() noexcept { return responseDataNames_; }
    // The error-code defaults (gnamedValue entries), owned by the template.
    jhashNamedObjectTable& defaultValues() noexcept { return defaultValues_; }
    const jhashNamedObjectTable& defaultValues() const noexcept { return defaultValues_; }

    gusedByList& usedBy() noexcept { return usedBy_; }

    // An editable copy of source, bound to the given driver tables.
    void copyFrom(const g2driverCommandTemplate& source, g2driverParameterTable& driverParameters,
                  g2driverProgramTable* programs, g2driverErrorCodeTable& errorCodes);
    // Takes over the elements and the data names of an edited copy; the
    // data names keep their identity, so commands stay linked to them.
    void replaceElements(garrayOwned<g2driverCommandElement>& elements, g2driverCommandDataNameTable& names);
    // The same for the response data names.
    void replaceResponseDataNames(g2driverResponseDataNameTable& names);
    // Takes over the error-code defaults of an edited copy, linked to the
    // codes of the given table that they name (the driver's when none: a
    // template that belongs to no driver yet names the editor's codes).
    void replaceErrorCodeDefaults(jhashNamedObjectTable& defaults, g2driverErrorCodeTable* codes = nullptr);
    // Whether a response data name is declared.
    bool hasResponseData() const;
    // One line per placeholder parameter, response data name and response
    // value.
    void listUndefinedReferences(gstr& out) const;

    // "The command template %s in device driver %s", or "The command
    // template %s" without a driver.
    void describeReferrer(gstr& text) const override;

    // CR_TEMPLATE and the tag.
    void writeHeader(CObjectFile& file, int indent) const override;
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    // An unset time becomes 0; the template is defined.
    void afterLoad() override;
    // With a buffer size: a time and at least one response element; without
    // one, no response element; error-code defaults only with an error
    // response.
    bool isComplete() const override;

private:
    gloadStatus loadElement(const gstr& value);
    gloadStatus loadErrorCode(const gstr& value);
    void linkErrorCodes(g2driverErrorCodeTable* codes = nullptr);
    void writeErrorCodes(CObjectFile& file, int indent) const;

    g2driver* driver_ = nullptr;
    g2driverParameterTable parameters_;
    gmilliseconds time_;
    int32_t bufferSize_ = 0;
    // The name tables come before the elements that point at them, so that
    // the elements are destroyed first.
    g2driverCommandDataNameTable dataNames_{5};
    g2driverResponseDataNameTable responseDataNames_{5};
    jhashNamedObjectTable defaultValues_;
    gusesList errorCodeUses_{this};
    garrayOwned<g2driverCommandElement> elements_;
    g2driverResponseList responses_{0};
    g2driverResponseList errors_{1};
    gusedByList usedBy_;
};
