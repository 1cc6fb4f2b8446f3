#include "scl/sclTokenScanner.h"

#include "foundation/charClasses.h"
#include "foundation/gnumFormat.h"
#include "g2driver/model/g2driver.h"
#include "legacy/glegacyDriver.h"
#include "legacy/glegacyMask.h"
#include "legacy/glegacyParameter.h"
#include "ports/gserialPort.h"
#include "registers/gregister.h"
#include "scl/gsclProgram.h"
#include "scl/jhashReservedWordTable.h"
#include "screens/model/fscreen.h"
#include "store/gstation.h"

#include <cstring>

namespace {

struct driverContext {
    const jhashDatabaseTable* commands = nullptr;
    const jhashDatabaseTable* dataObjects = nullptr;
    const jhashDatabaseTable* programs = nullptr;
};

driverContext currentDriver;

// '.' separates the fraction; any character may follow a number.
const gnumFormat& numberFormat(int base)
{
    static const gnumFormat binary(2, '.');
    static const gnumFormat octal(8, '.');
    static const gnumFormat decimal(10, '.');
    static const gnumFormat hexadecimal(16, '.');
    switch (base) {
    case 2: return binary;
    case 8: return octal;
    case 16: return hexadecimal;
    default: return decimal;
    }
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isIdentifierChar(char c) { return charClass::isAlnum(c) || c == '_'; }

// Where text of no other kind ends.
bool endsUnknownText(char c)
{
    return c == '\0' || isBlank(c) || c == '\n' || charClass::isAlnum(c) || std::strchr("\"_+-*/^=<>%$&[]():;,.\\", c);
}

bool holds(const jhashDatabaseTable* table, const gstrSlice& tag)
{
    if (!table)
        return false;
    const jhashDatabaseObject* entry = table->findEntry(tag);
    return entry && entry->isDefined();
}

bool namesDriverObject(const gstrSlice& tag)
{
    return holds(currentDriver.commands, tag) || holds(currentDriver.dataObjects, tag)
        || holds(currentDriver.programs, tag);
}

template <class T, class Inner>
bool anyHolds(jhashTypedDatabaseTable<T>& table, Inner inner)
{
    jhashTypedIterator<T> it(table);
    T* object = nullptr;
    while (it.get(object)) {
        if (inner(*object))
            return true;
    }
    return false;
}

bool namesStationObject(const gstrSlice& tag)
{
    const jhashDatabaseTable* tables[] = {
        &station::legacyMasks(), &station::g2Drivers(), &station::legacyDrivers(), &station::serialPorts(),
        &station::registers(),   &station::screens(),   &station::programs(),      &station::legacyParameters(),
    };
    for (const jhashDatabaseTable* table : tables) {
        if (holds(table, tag))
            return true;
    }
    return anyHolds(station::serialPorts(),
                    [&](gserialPort& port) { return holds(&port.devices(), tag) || holds(&port.legacyDevices(), tag); })
        || anyHolds(station::g2Drivers(),
                    [&](g2driver& driver) {
                        return holds(&driver.commands(), tag) || holds(&driver.dataObjects(), tag)
                            || holds(&driver.programs(), tag);
                    })
        || anyHolds(station::legacyDrivers(), [&](glegacyDriver& driver) {
               return holds(&driver.responses(), tag) || holds(&driver.commands(), tag);
           });
}

// From the opening double quote to the closing one, or to the end of the
// line.
int scanString(const char*& cursor, bool driverMode)
{
    const char* start = cursor + 1;
    const char* p = start;
    while (*p && *p != '"')
        ++p;
    gstrSlice text(start, static_cast<int32_t>(p - start));
    cursor = *p ? p + 1 : p;
    bool named = driverMode ? namesDriverObject(text) : namesStationObject(text);
    return named ? sclToken::objectName : sclToken::string;
}

// A number of the base after a one-character prefix, when a digit of the
// base follows the prefix; the prefix alone otherwise.
int scanPrefixedNumber(const char*& cursor, int base, bool digitFollows)
{
    if (!digitFollows) {
        ++cursor;
        return sclToken::number;
    }
    numberFormat(base).parse(cursor + 1, cursor, false);
    return sclToken::number;
}

int scanDigits(const char*& cursor, bool lineNumberMode)
{
    if (!lineNumberMode) {
        numberFormat(10).parse(cursor, cursor, false);
        return sclToken::number;
    }
    while (charClass::isDigit(*cursor))
        ++cursor;
    return sclToken::lineNumber;
}

// Two-character operators: <= <> =< => >< >=.
int scanOperator(const char*& cursor)
{
    char c = cursor[0];
    char d = cursor[1];
    bool pair = (c == '<' && (d == '=' || d == '>')) || (c == '=' && (d == '<' || d == '>'))
        || (c == '>' && (d == '<' || d == '='));
    cursor += pair ? 2 : 1;
    return sclToken::operatorToken;
}

int scanIdentifier(const char*& cursor)
{
    const char* start = cursor;
    const char* p = start;
    while (isIdentifierChar(*p))
        ++p;
    if (*p == '#' || *p == '$' || *p == '%')
        ++p;
    gstrSlice word(start, static_cast<int32_t>(p - start));
    if (word.compareNoCase("REM") == 0) {
        cursor = p + std::strlen(p);
        return sclToken::remark;
    }
    cursor = p;
    if (const gsclWord* reserved = sclReservedWords().find(word))
        return reserved->getKind();
    switch (p[-1]) {
    case '#': --cursor; return sclToken::numericalVariable;
    case '$': return sclToken::stringVariable;
    case '%': return sclToken::booleanVariable;
    default: return sclToken::numericalVariable;
    }
}

} // namespace

int gsclScanToken(const char*& cursor, bool lineNumberMode, bool driverMode)
{
    char c = *cursor;
    char d = c ? cursor[1] : '\0';
    switch (c) {
    case '\0': return sclToken::endOfLine;
    case ' ':
    case '\t':
        while (isBlank(*cursor))
            ++cursor;
        return sclToken::blanks;
    case '"': return scanString(cursor, driverMode);
    case '$': return scanPrefixedNumber(cursor, 16, charClass::isHexDigit(d));
    case '%': return scanPrefixedNumber(cursor, 2, d == '0' || d == '1');
    case '&': return scanPrefixedNumber(cursor, 8, d >= '0' && d <= '7');
    case '(':
    case ')':
    case ',':
    case ':':
    case ';':
    case '[':
    case ']': ++cursor; return sclToken::punctuation;
    case '<':
    case '=':
    case '>':
    case '*':
    case '+':
    case '-':
    case '/':
    case '^': return scanOperator(cursor);
    case '\\': ++cursor; return sclToken::backslash;
    default: break;
    }
    if (charClass::isDigit(c) || c == '.')
        return scanDigits(cursor, lineNumberMode);
    if (charClass::isAlpha(c) || c == '_')
        return scanIdentifier(cursor);
    ++cursor;
    while (!endsUnknownText(*cursor))
        ++cursor;
    return sclToken::unknown;
}

void setSclDriverContext(const jhashDatabaseTable* commands, const jhashDatabaseTable* dataObjects,
                         const jhashDatabaseTable* programs)
{
    currentDriver = {commands, dataObjects, programs};
}

void clearSclDriverContext() { currentDriver = {}; }
