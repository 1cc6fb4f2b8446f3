// Reply bytes from a device, arbitrary, through the reply matching of a G2
// serial transaction and of a legacy response. The first bytes choose the
// window size, the real response elements of the valid and the error
// response of a driver read from its lines, and one pattern of the input's
// own; the rest is the reply, fed byte by byte as a port does until a
// response is recognised, then the deadline comes. The command is built
// first, so that elements that repeat command bytes have them. Nothing may
// crash, hang or leave the window, and every position shown must lie in it
// or be one of the markers.
#include "foundation/gregexp.h"
#include "foundation/jbuffer.h"
#include "g2driver/model/g2driver.h"
#include "ports/g2driverCommandOutput.h"
#include "ports/g2serialTransaction.h"
#include "ports/gcommandRequest.h"
#include "ports/gexchangeResult.h"
#include "ports/glegacyReplyMatcher.h"
#include "store/gkeyword.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Keyword lines ("KEYWORD value" per line) to an object as the loader
// hands them; what the object refuses is left out, as a bad element would
// be in a file that still loads around it.
void feed(gstorable& object, const std::string& lines)
{
    size_t start = 0;
    while (start < lines.size()) {
        size_t end = lines.find('\n', start);
        if (end == std::string::npos)
            end = lines.size();
        std::string line = lines.substr(start, end - start);
        start = end + 1;
        size_t blank = line.find(' ');
        std::string word = line.substr(0, blank);
        gstr value(blank == std::string::npos ? "" : line.c_str() + blank + 1);
        if (const gkeyword* keyword = keywordTable().find(gstrSlice(word.c_str())))
            object.loadLine(keyword->getToken(), value);
    }
}

// Sixteen element blocks: header and lines up to END. The input's own
// pattern stands in for %.
const char* const elementBlocks[16] = {
    "REGEXP\nPATTERN OK",
    "REGEXP\nPATTERN #+",
    "NUMERICAL VALUE\nNAME \"n\"\nTYPE DECIMAL\nWIDTH 2",
    "REGEXP\nPATTERN \"\\r\"",
    "REGEXP\nCONDITION \"n\", >, 5\nPATTERN X",
    "STRING VALUE\nNAME \"s\"\nPATTERN @+\nSUFFIX \";\"",
    "NUMERICAL VALUE\nNAME \"m\"\nTYPE BYTE\nWIDTH 1",
    "REGEXP\nPATTERN %",
    "REGEXP\nPATTERN .\nREPEAT_VALUE \"n\", -1",
    "DATA\nNAME \"d\"\nLENGTH \"m\", 2, 1, -1\nPATTERN .*",
    "CHECKSUM\nCHECKSUM SUM\nTYPE BYTE\nWIDTH 1\nSKIP_FIRST 1",
    "COMMAND ELEMENT\nCOMMAND_ELEMENT 2",
    "DIGITAL NUMBER\nTEMPLATE_PARAM \"Ch\"\nTYPE DECIMAL\nWIDTH 1",
    "BISTATE\nDRIVER_PARAM \"On\"\nON_STRING 1\nOFF_STRING 0",
    "STRING\nTEMPLATE_PARAM \"Name\"\nPREFIX \"<\"\nPATTERN @*\nSUFFIX \">\"",
    "ANALOG\nTEMPLATE_PARAM \"Level\"\nTYPE DECIMAL\nWIDTH 3\nDECIMALS 1\nFACTOR 2",
};

const char* const errorBlocks[4] = {
    "REGEXP\nPATTERN ERR",
    "NUMERICAL ERROR CODE\nNAME \"E1\"\nTYPE BYTE\nWIDTH 1",
    "STRING ERROR CODE\nNAME \"E2\"\nPATTERN #+",
    "REGEXP\nCONDITION \"c\", CONTAINS, \"E\"\nPATTERN %",
};

std::string block(const char* heading, const char* text, const std::string& own)
{
    std::string lines = std::string(heading) + " " + text + "\nEND\n";
    size_t mark = lines.find('%');
    if (mark != std::string::npos)
        lines.replace(mark, 1, own);
    return lines;
}

// A driver whose template sends "R", the channel, a checksum and the data
// of its command, and expects the chosen elements.
std::string driverLines(int32_t windowSize, uint16_t responses, uint8_t errors, const std::string& own)
{
    std::string lines = "PARAMETER On, BISTATE\nERROR_CODE E1, NUMERICAL VALUE\nERROR_CODE E2, STRING VALUE\n"
                        "CR_TEMPLATE T\nPARAMETER Ch, DIGITAL\nPARAMETER Name, STRING\nPARAMETER Level, ANALOG\n"
                        "DELAY 0.1\n";
    if (windowSize > 0)
        lines += "BUFFER_SIZE " + std::to_string(windowSize) + "\n";
    lines += "COMMAND_ELEMENT FIXED STRING\nSTRING R\nEND\n"
             "COMMAND_ELEMENT DIGITAL NUMBER\nTEMPLATE_PARAM Ch\nTYPE DECIMAL\nEND\n"
             "COMMAND_ELEMENT DATA\nNAME Body\nEND\n"
             "COMMAND_ELEMENT CHECKSUM\nCHECKSUM LRC\nTYPE HEX, A\nWIDTH 2, RIGHT, 0\nEND\n";
    for (int i = 0; i < (responses & 3) + 1; ++i)
        lines += block("RESPONSE_ELEMENT", elementBlocks[(responses >> (2 + 4 * i)) & 15], own);
    for (int i = 0; i < (errors & 3); ++i)
        lines += block("ERROR_ELEMENT", errorBlocks[(errors >> (2 + 2 * i)) & 3], own);
    lines += "ERROR_CODE \"E1\", NUMERICAL VALUE, 0\nEND\n"
             "COMMAND C\nCR_TEMPLATE T\nTEMPLATE_PARAM Ch, DIGITAL, 7\nTEMPLATE_PARAM Name, STRING, ab\n"
             "TEMPLATE_PARAM Level, ANALOG, 2.5\nDATA Body\nCOMMAND_ELEMENT FIXED STRING\nSTRING \"?\\r\"\nEND\nEND\n"
             "END\n";
    return lines;
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

void runTransaction(int32_t windowSize, uint16_t responses, uint8_t errors, const std::string& own,
                    const std::string& reply)
{
    g2driver driver;
    feed(driver, driverLines(windowSize, responses, errors, own));
    gcommandRequest request;
    request.setCommand(driver.commands().find("C"));

    g2serialTransaction transaction(request, nullptr);
    g2driverCommandOutput sent;
    transaction.buildCommand(sent);
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

gregexp compiled(const char* text)
{
    gregexp pattern(false);
    pattern.parse(text, true, false);
    return pattern;
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
    auto errors = static_cast<uint8_t>(data[3]);
    size_t ownLength = data[4] & 31;
    size_t rest = 5;
    if (size - rest < ownLength)
        return 0;
    std::string ownText(reinterpret_cast<const char*>(data + rest), ownLength);
    rest += ownLength;
    gregexp own(false);
    if (own.parse(ownText.c_str(), true, false) != 1)
        own = compiled("A");
    gstr ownLine;
    own.toString(ownLine, false);
    std::string reply(reinterpret_cast<const char*>(data + rest), size - rest);
    runTransaction(windowSize, responses, errors, std::string(ownLine.view()), reply);
    runLegacy(1 + (data[0] & 31), data[3] >> 4, own, reply);
    return 0;
}
