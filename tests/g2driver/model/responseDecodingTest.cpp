#include "foundation/jhashIterator.h"
#include "g2driverTestSupport.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct reply {
    const char* what;
    std::string elementLines; // response and error elements of the template
    std::string commandLines;
    std::string bytes;
    int result;
    // The current attempt: where it starts and where each element ends
    // ("-" skipped or not tried, "bad" not evaluable, "none" not found).
    std::string positions;
    // The values decoded in that attempt, and the transaction's own values.
    std::string decoded;
    std::string own;
};

class responseDecoding : public g2driverTest {
protected:
    // The template sends "C" and the channel, and expects the elements.
    void build(const reply& r)
    {
        emptyAll();
        SetUp();
        std::string lines = "CR_TEMPLATE T\nPARAMETER Ch, DIGITAL\nPARAMETER Level, ANALOG\nPARAMETER Name, STRING\n"
                            "PARAMETER Hold, BISTATE\nDELAY 1\nBUFFER_SIZE 32\n"
                            "COMMAND_ELEMENT FIXED STRING\nSTRING C\nEND\n"
                            "COMMAND_ELEMENT DIGITAL NUMBER\nTEMPLATE_PARAM Ch\nTYPE DECIMAL\nEND\n"
                            + r.elementLines + "\nEND\nCOMMAND C\nCR_TEMPLATE T\n" + r.commandLines + "\nEND";
        ASSERT_EQ(load(lines), gload::accepted);
        request("C");
    }
    static std::string positionsOf(const g2responseMatcher& m)
    {
        std::string text;
        for (int32_t k = 0; k <= m.count(); ++k) {
            int32_t p = m.position(k);
            text += k ? " " : "";
            text += p >= 0 ? std::to_string(p) : p == g2responseMatcher::skipped ? "-"
                                             : p == g2responseMatcher::badElement ? "bad"
                                                                                   : "none";
        }
        return text;
    }
    static std::string valuesOf(const jhashNamedObjectTable& table)
    {
        std::vector<const gnamedValue*> values;
        jhashTypedIterator<gnamedValue> it(table);
        gnamedValue* value = nullptr;
        while (it.get(value))
            values.push_back(value);
        std::sort(values.begin(), values.end(),
                  [](const gnamedValue* a, const gnamedValue* b) { return a->getName().compare(b->getName()) < 0; });
        gstr text("");
        for (const gnamedValue* v : values) {
            text.append(text.isEmpty() ? "" : ", ");
            text.append(v->getName());
            text.append(" = ");
            v->appendValueText(text);
        }
        return std::string(text.view());
    }
    void check(const reply& r)
    {
        SCOPED_TRACE(r.what);
        build(r);
        g2serialTransaction t(sent, nullptr);
        g2driverCommandOutput output;
        t.buildCommand(output);
        int result = gexchangeResult::timedOut;
        for (char c : r.bytes) {
            result = t.receiveByte(c);
            if (result != gexchangeResult::timedOut)
                break;
        }
        if (result == gexchangeResult::timedOut)
            result = t.finish();
        EXPECT_EQ(result, r.result);
        ASSERT_NE(t.currentMatcher(), nullptr);
        EXPECT_EQ(positionsOf(*t.currentMatcher()), r.positions);
        EXPECT_EQ(valuesOf(t.currentMatcher()->values()), r.decoded);
        gstr own("");
        t.describeValues(own);
        EXPECT_EQ(std::string(own.view()), r.own);
    }
};

constexpr int valid = gexchangeResult::valid;
constexpr int error = gexchangeResult::error;
constexpr int timedOut = gexchangeResult::timedOut;

std::string element(const char* list, const char* type, const std::string& lines)
{
    return std::string(list) + " " + type + "\n" + lines + "\nEND\n";
}
std::string valid_(const char* type, const std::string& lines) { return element("RESPONSE_ELEMENT", type, lines); }
std::string error_(const char* type, const std::string& lines) { return element("ERROR_ELEMENT", type, lines); }

TEST_F(responseDecoding, ParameterElementsMustRepeatTheRequestsValues)
{
    const std::string channel = valid_("DIGITAL NUMBER", "TEMPLATE_PARAM \"Ch\"\nTYPE BYTE\nWIDTH 1");
    const std::string hold = valid_("BISTATE", "TEMPLATE_PARAM \"Hold\"\nON_STRING \"[0-9]\"\nOFF_STRING 0");
    const std::string mode =
        valid_("DIGITAL STRINGS", "TEMPLATE_PARAM \"Ch\"\nVALUE_STRING 0, A\nVALUE_STRING 1, A+\nVALUE_STRING 5, B");
    const std::string level = valid_("ANALOG", "TEMPLATE_PARAM \"Level\"\nTYPE DECIMAL\nWIDTH 7\n"
                                               "SYMBOLS NONE, -, NONE, .\nFACTOR 10\nOFFSET 2");
    const std::string name = valid_("STRING", "TEMPLATE_PARAM \"Name\"\nPREFIX \"<\"\nPATTERN @*\nSUFFIX \">\"");
    const reply rows[] = {
        {"5 is the byte 5", channel, "TEMPLATE_PARAM Ch, DIGITAL, 5", "\x05", valid, "0 1", "", ""},
        {"5 is not the byte 6", channel, "TEMPLATE_PARAM Ch, DIGITAL, 5", "\x06", timedOut, "0 none", "", ""},
        {"no value is 0", channel, "", std::string("\0", 1), valid, "0 1", "", ""},
        {"off is tried first", hold, "TEMPLATE_PARAM Hold, BISTATE, OFF", "0", valid, "0 1", "", ""},
        {"so on never decodes 0", hold, "TEMPLATE_PARAM Hold, BISTATE, ON", "0", timedOut, "0 none", "", ""},
        {"on", hold, "TEMPLATE_PARAM Hold, BISTATE, ON", "7", valid, "0 1", "", ""},
        {"the lowest value whose pattern matches", mode, "TEMPLATE_PARAM Ch, DIGITAL, 0", "AA", valid, "0 1", "",
         ""},
        {"value 1 is hidden behind 0", mode, "TEMPLATE_PARAM Ch, DIGITAL, 1", "AA", timedOut, "0 none", "", ""},
        {"value 5", mode, "TEMPLATE_PARAM Ch, DIGITAL, 5", "xB", valid, "1 2", "", ""},
        {"1.5 x 10 + 2 is 17", level, "TEMPLATE_PARAM Level, ANALOG, 1.5", "0017.00", valid, "0 7", "", ""},
        {"17.0001 is not 17", level, "TEMPLATE_PARAM Level, ANALOG, 1.5", "17.0001", timedOut, "0 none", "", ""},
        {"the text byte for byte", name, "TEMPLATE_PARAM Name, STRING, ab", "<ab>", valid, "0 4", "", ""},
        {"no value: only an empty text", name, "", "<ab><>", valid, "4 6", "", ""},
    };
    for (const reply& r : rows)
        check(r);
}

TEST_F(responseDecoding, ValuesRepeatsCommandBytesChecksumsAndData)
{
    const std::string n = valid_("NUMERICAL VALUE", "NAME \"N\"\nTYPE DECIMAL\nWIDTH 1");
    const std::string s = valid_("STRING VALUE", "NAME \"S\"\nPATTERN @+\nSUFFIX \";\"");
    const std::string repeat = valid_("REGEXP", "PATTERN x\nREPEAT_VALUE \"N\", 1");
    const std::string repeatNegative = valid_("REGEXP", "PATTERN x\nREPEAT_VALUE \"N\", -3");
    const std::string start = valid_("REGEXP", "PATTERN S");
    const std::string byte = valid_("REGEXP", "PATTERN .");
    const std::string sum = "CHECKSUM SUM\nTYPE BYTE\nWIDTH 1\n";
    const reply rows[] = {
        {"a number and a text", n + s, "", "4ab;", valid, "0 1 4", "N = 4, S = \"ab\"", ""},
        {"a pattern repeated N + 1 times", n + repeat, "", "2xxx", valid, "0 1 4", "N = 2", ""},
        {"a count below 0 cannot be evaluated", n + repeatNegative, "", "2xx", timedOut, "0 1 bad", "N = 2", ""},
        {"a count of a value not decoded yet", start + repeat + n, "", "Sxx2", timedOut, "0 1 bad -", "", ""},
        {"the bytes of command element 2", start + valid_("COMMAND ELEMENT", "COMMAND_ELEMENT 2"),
         "TEMPLATE_PARAM Ch, DIGITAL, 37", "S37", valid, "0 1 3", "", ""},
        {"a command element the template lacks", start + valid_("COMMAND ELEMENT", "COMMAND_ELEMENT 3"), "", "S0",
         timedOut, "0 1 bad", "", ""},
        {"checksum over elements 2 and 3", start + byte + byte + byte + valid_("CHECKSUM", sum + "SKIP_FIRST 1\nSKIP_LAST 1"),
         "", std::string("Sab\x07\xC3", 5), valid, "0 1 2 3 4 5", "", ""},
        {"a wrong checksum", start + byte + byte + byte + valid_("CHECKSUM", sum + "SKIP_FIRST 1\nSKIP_LAST 1"), "",
         std::string("Sab\x07\xC4", 5), timedOut, "0 1 2 3 4 none", "", ""},
        {"a checksum over no element", start + byte + byte + byte + valid_("CHECKSUM", sum + "SKIP_FIRST 2\nSKIP_LAST 2"),
         "", "Sabcd", timedOut, "0 1 2 3 4 bad", "", ""},
        {"data of a length less what the elements before took",
         start + valid_("NUMERICAL VALUE", "NAME \"L\"\nTYPE DECIMAL\nWIDTH 1") + byte + byte +
             valid_("DATA", "NAME \"D\"\nLENGTH \"L\", 2, 3, -1\nPATTERN #+"),
         "", "S5ab12345", valid, "0 1 2 3 4 9", "L = 5", ""},
        {"data whose pattern does not take the whole length",
         start + valid_("NUMERICAL VALUE", "NAME \"L\"\nTYPE DECIMAL\nWIDTH 1") +
             valid_("DATA", "NAME \"D\"\nLENGTH \"L\"\nPATTERN #+"),
         "", "S2a1", timedOut, "0 1 2 none", "L = 2", ""},
        {"data of length 0 takes nothing",
         start + valid_("NUMERICAL VALUE", "NAME \"L\"\nTYPE DECIMAL\nWIDTH 1") +
             valid_("DATA", "NAME \"D\"\nLENGTH \"L\"\nPATTERN x") + valid_("REGEXP", "PATTERN E"),
         "", "S0E", valid, "0 1 2 2 3", "L = 0", ""},
        {"data times a factor value",
         start + valid_("NUMERICAL VALUE", "NAME \"L\"\nTYPE DECIMAL\nWIDTH 1") +
             valid_("NUMERICAL VALUE", "NAME \"F\"\nTYPE DECIMAL\nWIDTH 1") +
             valid_("DATA", "NAME \"D\"\nLENGTH \"L\"\nFACTOR_VALUE \"F\", 1\nPATTERN .*"),
         "", "S21abcdef", valid, "0 1 2 3 7", "F = 1, L = 2", ""},
    };
    for (const reply& r : rows)
        check(r);
}

TEST_F(responseDecoding, ConditionsAndErrorCodes)
{
    const std::string n = valid_("NUMERICAL VALUE", "NAME \"N\"\nTYPE BYTE\nWIDTH 1");
    const std::string s = valid_("STRING VALUE", "NAME \"S\"\nPATTERN @+\nSUFFIX \";\"");
    const std::string end = valid_("REGEXP", "PATTERN E");
    const std::string errors = error_("REGEXP", "PATTERN \"!\"") +
                               error_("NUMERICAL ERROR CODE", "NAME \"E1\"\nTYPE DECIMAL\nWIDTH 1") +
                               error_("STRING ERROR CODE", "NAME \"E2\"\nPATTERN @+\nSUFFIX \";\"") +
                               "ERROR_CODE \"E1\", NUMERICAL VALUE, 0\nERROR_CODE \"E2\", STRING VALUE, \"none\"\n";
    const reply rows[] = {
        {"below is unsigned", n + valid_("REGEXP", "CONDITION \"N\", <, 1\nPATTERN x") + end,
         std::string(""), "\xFF" "E", valid, "0 1 - 2", "N = 255", ""},
        {"a condition that holds", n + valid_("REGEXP", "CONDITION \"N\", >, 1\nPATTERN x") + end, "",
         "\xFFxE", valid, "0 1 2 3", "N = 255", ""},
        {"IS takes the whole text", s + valid_("REGEXP", "CONDITION \"S\", IS, ab\nPATTERN x") + end, "", "abc;E",
         valid, "0 4 - 5", "S = \"abc\"", ""},
        {"CONTAINS takes a part", s + valid_("REGEXP", "CONDITION \"S\", CONTAINS, ab\nPATTERN x") + end, "",
         "abc;xE", valid, "0 4 5 6", "S = \"abc\"", ""},
        {"a value not decoded in this attempt", valid_("REGEXP", "CONDITION \"N\", =, 1\nPATTERN x") + n + end, "",
         "\x01" "E", valid, "0 - 1 2", "N = 1", ""},
        {"the error code replaces its default", end + errors, "", "!7ok;", error, "0 1 2 5",
         "", " (E1 = 7, E2 = \"ok\")"},
        {"an error code not found keeps it", end + errors, "", "!x", timedOut, "0 1 none -",
         "", " (E1 = 0, E2 = \"none\")"},
    };
    for (const reply& r : rows)
        check(r);
}

} // namespace
