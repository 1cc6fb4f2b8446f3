#include "g2driver/model/g2driverErrorCodeElement.h"

#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverFieldReaders.h"
#include "ports/g2serialTransaction.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"

// --- base ---

g2driverErrorCodeElement::g2driverErrorCodeElement(const g2driverErrorCodeElement& other,
                                                   g2driverResponseValueTable& values, g2driverErrorCodeTable& codes)
    : g2driverResponseElement(other, values)
{
    if (other.code_)
        setErrorCode(codes.find(other.code_->getName()));
}

void g2driverErrorCodeElement::setErrorCode(g2driverErrorCode* code)
{
    code_ = code;
    uses_.clear();
    if (code)
        uses_.add(code->usedBy());
}

void g2driverErrorCodeElement::writeFields(CObjectFile& file, int indent) const
{
    g2driverResponseElement::writeFields(file, indent);
    if (code_) {
        gkeyword::byToken(kw::NAME).writeKey(file, indent);
        writeQuoted(file, code_->getName(), 1);
    }
    writeRecord(file, indent);
}

gloadStatus g2driverErrorCodeElement::loadField(int token, gstr& value)
{
    if (token == kw::NAME)
        return loadName(value);
    gloadStatus status = g2driverResponseElement::loadField(token, value);
    return status == gload::unknownKeyword ? loadRecord(token, value) : status;
}

gloadStatus g2driverErrorCodeElement::loadName(const gstr& value)
{
    if (code_)
        return gload::alreadyLoaded;
    gstr tag;
    g2driver* driver = owningDriver();
    if (readOneTag(value, tag) != gload::accepted || !driver)
        return gload::invalidValue;
    g2driverErrorCode* code = driver->errorCodes().reference(tag);
    if (!code->acceptKind(getValueKind()))
        return gload::invalidValue;
    setErrorCode(code);
    return gload::accepted;
}

gstr g2driverErrorCodeElement::describe() const { return code_ ? code_->getName() : gstr(""); }

// --- NUMERICAL ERROR CODE ---

g2driverResponseElement* g2driverNumericalErrorCodeElement::duplicate(
    g2driverParameterTable&, g2driverParameterTable&, g2driverResponseValueTable& responseValues,
    g2driverResponseDataNameTable&, jhashTypedDatabaseTable<g2driverProgram>*, g2driverErrorCodeTable& errorCodes,
    bool) const
{
    return new g2driverNumericalErrorCodeElement(*this, responseValues, errorCodes);
}

int g2driverNumericalErrorCodeElement::decode(g2serialTransaction& transaction, const char*& cursor,
                                              int32_t remaining)
{
    uint32_t number = 0;
    const char* at = cursor;
    if (remaining < 0 || !format_.decode(at, remaining, number))
        return needMore;
    if (g2driverErrorCode* code = getErrorCode())
        transaction.putValue(code->getName(), number);
    cursor = at;
    return decoded;
}

// --- STRING ERROR CODE ---

g2driverResponseElement* g2driverStringErrorCodeElement::duplicate(
    g2driverParameterTable&, g2driverParameterTable&, g2driverResponseValueTable& responseValues,
    g2driverResponseDataNameTable&, jhashTypedDatabaseTable<g2driverProgram>*, g2driverErrorCodeTable& errorCodes,
    bool) const
{
    return new g2driverStringErrorCodeElement(*this, responseValues, errorCodes);
}

int g2driverStringErrorCodeElement::decode(g2serialTransaction& transaction, const char*& cursor, int32_t remaining)
{
    gstr text;
    const char* at = cursor;
    if (remaining < 0 || !match_.match(at, remaining, text))
        return needMore;
    if (g2driverErrorCode* code = getErrorCode())
        transaction.putValue(code->getName(), text);
    cursor = at;
    return decoded;
}
