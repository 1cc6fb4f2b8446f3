#pragma once

#include "g2driver/model/g2driverErrorCode.h"
#include "g2driver/model/g2driverResponseCondition.h"
#include "g2driver/model/g2driverResponseDataName.h"
#include "g2driver/model/g2driverResponseValue.h"
#include "store/gstorable.h"
#include "store/gusedByList.h"
#include "store/jhashTypedDatabaseTable.h"

#include <cstdint>
#include <memory>

class g2driver;
class g2driverCommandTemplate;
class g2driverParameterTable;
class g2driverProgram;
class g2driverResponseList;
class g2serialTransaction;
class gregexp;
class jhashNamedObjectTable;

// The type ids of the response elements, in the order of the element type
// choice.
namespace g2responseElementType {
constexpr int regexp = 0;
constexpr int commandElement = 1;
constexpr int bistate = 2;
constexpr int digitalNumber = 3;
constexpr int digitalStrings = 4;
constexpr int analog = 5;
constexpr int string = 6;
constexpr int numericalValue = 7;
constexpr int stringValue = 8;
constexpr int checksum = 9;
constexpr int data = 10;
constexpr int numericalErrorCode = 11;
constexpr int stringErrorCode = 12;
} // namespace g2responseElementType

// One part of the response a command template expects (RESPONSE_ELEMENT
// <type> in its valid list, ERROR_ELEMENT <type> in its error list): where
// it lies, how its bytes decode and what the decoded value means. A serial
// transaction finds a pattern element by searching for its locating
// pattern and decodes every other element where the one before it ended;
// an element whose CONDITION does not hold is skipped.
class g2driverResponseElement : public gstorable, public greferrer {
public:
    // Answers of decode.
    static constexpr int decoded = 0;  // matched; the cursor moved past it
    static constexpr int needMore = 1; // the bytes differ, or not all came yet
    static constexpr int badData = 2;  // cannot be evaluated

    g2driverResponseElement() = default;
    g2driverResponseElement& operator=(const g2driverResponseElement&) = delete;
    ~g2driverResponseElement() override;

    // A new element of the type the keyword token names, for a list with
    // the error flag; null for an unknown type or one that list cannot hold
    // (DATA in the error list, error codes in the valid list).
    static g2driverResponseElement* create(int token, int32_t errorList);
    // The header keyword of a type id.
    static int typeKeyword(int type) noexcept;

    // RESPONSE_ELEMENT (valid list, and DATA always) or ERROR_ELEMENT and
    // the type keyword.
    void writeHeader(CObjectFile& file, int indent) const override;
    // The CONDITION line.
    void writeFields(CObjectFile& file, int indent) const override;
    // CONDITION; END.
    gloadStatus loadField(int token, gstr& value) override;

    // The element's text in element lists.
    virtual gstr describe() const = 0;
    // A copy for another list: every reference bound again by name in the
    // given tables; the condition's value referenced in responseValues.
    virtual g2driverResponseElement* duplicate(g2driverParameterTable& driverParameters,
                                               g2driverParameterTable& templateParameters,
                                               g2driverResponseValueTable& responseValues,
                                               g2driverResponseDataNameTable& responseDataNames,
                                               jhashTypedDatabaseTable<g2driverProgram>* programs,
                                               g2driverErrorCodeTable& errorCodes, bool shareDataUsers) const = 0;
    virtual int getType() const = 0;
    virtual g2driverResponseDataName* getResponseData() const { return nullptr; }
    virtual g2driverResponseValue* getResponseValue() const { return nullptr; }
    virtual g2driverErrorCode* getErrorCode() const { return nullptr; }
    virtual void setList(g2driverResponseList* list) { list_ = list; }
    virtual void setDriver(g2driver*) {}
    // The pattern that locates the element; null for an element that
    // decodes.
    virtual const gregexp* getLocatingPattern() const { return nullptr; }
    // Reads the element at the cursor with remaining bytes after it:
    // decoded, needMore or badData. The cursor moves only on decoded.
    virtual int decode(g2serialTransaction& transaction, const char*& cursor, int32_t remaining) = 0;

    bool hasCondition() const noexcept { return condition_ != nullptr; }
    const g2driverResponseCondition* getCondition() const noexcept { return condition_.get(); }
    // Against the values decoded so far in the current attempt; true
    // without a condition.
    bool conditionHolds(const jhashNamedObjectTable& values) const;
    // A copy of the record with its value referenced by name in values, or
    // no condition when the record names no value.
    void setCondition(const g2driverResponseCondition* record, g2driverResponseValueTable& values);

    g2driverResponseList* getList() const noexcept { return list_; }
    // The template of the owning list, and its driver.
    g2driverCommandTemplate* owningTemplate() const noexcept;
    g2driver* owningDriver() const noexcept;

    // The owning template's description, else "A response element".
    void describeReferrer(gstr& text) const override;

protected:
    // A copy in no list, its condition's value referenced by name in values.
    g2driverResponseElement(const g2driverResponseElement& other, g2driverResponseValueTable& values);

    // The response values of the owning list; null without a list.
    g2driverResponseValueTable* valueTable() const noexcept;

private:
    g2driverResponseList* list_ = nullptr;
    std::unique_ptr<g2driverResponseCondition> condition_;
    gusesList conditionUses_{this};
};
