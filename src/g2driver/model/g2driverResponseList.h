#pragma once

#include "foundation/garray.h"
#include "g2driver/model/g2driverErrorCode.h"
#include "g2driver/model/g2driverResponseDataName.h"
#include "g2driver/model/g2driverResponseElement.h"
#include "g2driver/model/g2driverResponseValue.h"
#include "store/gstorable.h"

#include <cstdint>

class CObjectFile;
class g2driver;
class g2driverCommandTemplate;
class g2driverParameterTable;
class g2driverProgram;

// The ordered elements of a template's valid response (error flag 0) or of
// its error response (error flag 1), with the response values its elements
// name. It owns its elements; they die before its values.
class g2driverResponseList {
public:
    explicit g2driverResponseList(int32_t errorFlag) noexcept : errorFlag_(errorFlag) {}
    g2driverResponseList(const g2driverResponseList&) = delete;
    g2driverResponseList& operator=(const g2driverResponseList&) = delete;
    ~g2driverResponseList();

    int32_t getErrorFlag() const noexcept { return errorFlag_; }
    g2driverCommandTemplate* getTemplate() const noexcept { return template_; }
    void setTemplate(g2driverCommandTemplate* owner) noexcept { template_ = owner; }
    int32_t count() const noexcept { return elements_.size(); }
    g2driverResponseElement* element(int32_t index) const { return elements_[index]; }
    // Takes the element and makes this list its own.
    void append(g2driverResponseElement* element);
    void clear() { elements_.deleteAll(); }
    g2driverResponseValueTable& values() noexcept { return values_; }
    const g2driverResponseValueTable& values() const noexcept { return values_; }

    // A RESPONSE_ELEMENT or ERROR_ELEMENT line: one type keyword; the new
    // element is bound to this list and the template's driver, appended,
    // and made the reader's embedded target.
    gloadStatus loadElement(gstorable& reader, const gstr& value);
    void writeElements(CObjectFile& file, int indent) const;
    // Every element, last to first.
    void setDriver(g2driver* driver);
    // Copies of the other's elements, bound in the given tables and in
    // this list's values.
    void copyFrom(const g2driverResponseList& other, g2driverParameterTable& driverParameters,
                  g2driverParameterTable& templateParameters, g2driverResponseDataNameTable& responseDataNames,
                  jhashTypedDatabaseTable<g2driverProgram>* programs, g2driverErrorCodeTable& errorCodes,
                  bool shareDataUsers);
    // Takes over the other's values and elements; the other is left empty.
    void replaceFrom(g2driverResponseList& other);
    // One line per value that no element declares.
    void listUndefined(const gstrSlice& description, gstr& out) const;

private:
    int32_t errorFlag_;
    g2driverCommandTemplate* template_ = nullptr;
    g2driverResponseValueTable values_{5};
    garrayOwned<g2driverResponseElement> elements_;
};
