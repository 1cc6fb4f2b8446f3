// Reply bytes from a device, arbitrary, through the reply matching of a G2
// serial transaction and of a legacy response. The first bytes choose the
// window size, the valid and error response elements and one pattern of the
// input's own; the rest is the reply, fed byte by byte as a port does until
// a response is recognised, then the deadline comes. Nothing may crash, hang
// or leave the window, and every position shown must lie in it or be one of
// the markers.
#include "foundation/gregexp.h"
#include "foundation/jbuffer.h"
#include "foundation/jhashTable.h"
#include "g2driver/model/g2driver.h"
#include "g2driver/model/g2driverResponseElement.h"
#include "ports/g2serialTransaction.h"
#include "ports/gcommandRequest.h"
#include "ports/gexchangeResult.h"
#include "ports/glegacyReplyMatcher.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

class patternElement : public g2driverResponseElement {
public:
    patternElement(const gregexp& pattern, const char* condition) : pattern_(pattern), condition_(condition) {}
    void getLabel(gstr& text) const override { pattern_.print(text, false); }
    bool hasCondition() const override { return condition_ != nullptr; }
    bool conditionHolds(const jhashNamedObjectTable& values) const override
    {
        return values.find(condition_) != nullptr;
    }
    const gregexp* getPattern() const override { return &pattern_; }

private:
    gregexp pattern_;
    const char* condition_;
};

class numberElement : public g2driverResponseElement {
public:
    numberElement(const char* name, int digits) : name_(name), digits_(digits) {}
    void getLabel(gstr& text) const override { text.append(name_); }
    int decode(g2serialTransaction& transaction, const char*& cursor, int32_t left) override
    {
        if (left < digits_)
            return needMore;
        uint32_t value = 0;
        for (int i = 0; i < digits_; ++i) {
            if (cursor[i] < '0' || cursor[i] > '9')
                return badData;
            value = value * 10 + static_cast<uint32_t>(cursor[i] - '0');
        }
        cursor += digits_;
        transaction.setValue(name_, value);
        return decoded;
    }

private:
    const char* name_;
    int digits_;
};

class errorCodeElement : public g2driverResponseElement {
public:
    void getLabel(gstr& text) const override { text.append("code"); }
    int decode(g2serialTransaction& transaction, const char*& cursor, int32_t left) override
    {
        if (left < 1)
            return needMore;
        transaction.putValue("code", gstrSlice(cursor, 1));
        ++cursor;
        return decoded;
    }
};

gregexp compiled(const char* text)
{
    gregexp pattern(false);
    pattern.parse(text, true, false);
    return pattern;
}

// One of eight kinds of element; kind 7 is the input's own pattern.
g2driverResponseElement* makeElement(int kind, const gregexp& own)
{
    switch (kind) {
    case 0: return new patternElement(compiled("OK"), nullptr);
    case 1: return new patternElement(compiled("#+"), nullptr);
    case 2: return new numberElement("n", 2);
    case 3: return new patternElement(compiled("\\r"), nullptr);
    case 4: return new patternElement(compiled("X"), "n");
    case 5: return new errorCodeElement();
    case 6: return new numberElement("n", 1);
    default: return new patternElement(own, nullptr);
    }
}

// Up to four elements, two bits of count and three of kind each.
void addElements(g2driverResponseList& list, uint16_t choice, const gregexp& own)
{
    int count = choice & 3;
    for (int i = 0; i < count; ++i)
        list.append(makeElement((choice >> (2 + 3 * i)) & 7, own));
}

void checkPositions(const g2responseMatcher* m, int32_t used)
{
    if (!m)
        return;
    for (int32_t k = 0; k <= m->count(); ++k) {
        int32_t p = m->position(k);
        check(p >= g2responseMatcher::notFound && p <= used);
    }
    check(m->getNext() >= 0 && m->getNext() <= m->count());
}

void runTransaction(int32_t windowSize, uint16_t responses, uint16_t errors, const gregexp& own,
                    const std::string& reply)
{
    g2driver driver;
    g2driverCommandTemplate* shape = driver.referenceTemplate("T");
    shape->setBufferSize(windowSize);
    shape->setTime(gmilliseconds(100));
    addElements(shape->responses(), responses, own);
    addElements(shape->errors(), errors, own);
    g2driverCommand* command = driver.referenceCommand("C");
    command->setTemplate(shape);
    gcommandRequest request;
    request.setCommand(command);

    g2serialTransaction transaction(request, nullptr);
    int result = gexchangeResult::timedOut;
    for (char byte : reply) {
        result = transaction.receiveByte(byte);
        check(result == gexchangeResult::timedOut || result == gexchangeResult::valid
              || result == gexchangeResult::error);
        check(transaction.windowUsed() <= transaction.getWindowSize());
        if (result != gexchangeResult::timedOut)
            break;
    }
    if (result == gexchangeResult::timedOut) {
        result = transaction.finish();
        check(result == gexchangeResult::sent || result == gexchangeResult::timedOut);
    }
    checkPositions(transaction.responseMatcher(), transaction.windowUsed());
    checkPositions(transaction.errorMatcher(), transaction.windowUsed());
    gstr values;
    transaction.describeValues(values);
}

void runLegacy(int32_t size, uint8_t choice, const gregexp& own, const std::string& reply)
{
    gregexp prefix = compiled("\\x02");
    gregexp digits = compiled("#+");
    gregexp suffix = compiled("\\x03");
    gregexp error = compiled("NAK");
    glegacyReplyMatcher matcher(choice & 1 ? &prefix : nullptr, choice & 2 ? &own : &digits,
                                choice & 4 ? &suffix : nullptr, choice & 8 ? &own : &error);
    jbuffer buffer;
    buffer.create(size);
    for (char byte : reply) {
        buffer.appendByte(static_cast<uint8_t>(byte));
        int result = matcher.match(buffer);
        check(result == 0 || result == gexchangeResult::valid || result == gexchangeResult::error);
        check(buffer.used() <= buffer.capacity());
        if (result != 0)
            break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 6)
        return 0;
    int32_t windowSize = data[0] == 0xFF ? 100000 : data[0] & 63;
    auto responses = static_cast<uint16_t>(data[1] | data[2] << 8);
    auto errors = static_cast<uint16_t>(data[3]);
    size_t ownLength = data[4] & 31;
    size_t rest = 5;
    if (size - rest < ownLength)
        return 0;
    std::string ownText(reinterpret_cast<const char*>(data + rest), ownLength);
    rest += ownLength;
    gregexp own(false);
    if (own.parse(ownText.c_str(), true, false) != 1)
        own = compiled("A");
    std::string reply(reinterpret_cast<const char*>(data + rest), size - rest);
    runTransaction(windowSize, responses, errors, own, reply);
    runLegacy(1 + (data[0] & 31), data[3] >> 4, own, reply);
    return 0;
}
