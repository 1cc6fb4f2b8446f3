#include "store/gkeyword.h"

#include "foundation/gfault.h"
#include "foundation/jhashIterator.h"
#include "foundation/valueParsers.h"
#include "store/CObjectFile.h"
#include "support/model/recordingMessages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct listed {
    int token;
    const char* name;
    const char* text;
};

constexpr listed keywordList[] = {
#define KORVEL_KEYWORD(token, name, text) {token, #name, text},
#include "store/keywordList.h"
#undef KORVEL_KEYWORD
};

// The naming rule of store/keywordTokens.h, applied to a text.
std::string constantName(const std::string& text)
{
    static const std::map<std::string, std::string> symbols = {
        {"=", "EQ"}, {">", "GT"}, {">=", "GE"}, {"<", "LT"}, {"<=", "LE"}, {"<>", "NE"}};
    if (auto it = symbols.find(text); it != symbols.end())
        return it->second;
    std::string name;
    bool inRun = false;
    for (char c : text) {
        bool kept = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        if (kept)
            name += c;
        else if (!inRun)
            name += '_';
        inRun = !kept;
    }
    if (inRun)
        name.pop_back();
    if (text.find(' ') != std::string::npos)
        name = "V_" + name;
    if (name[0] >= '0' && name[0] <= '9')
        name = "K_" + name;
    return name;
}

std::string lowerCase(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

TEST(gkeyword, EveryKeywordFoundInAnyCase)
{
    ASSERT_EQ(std::size(keywordList), 483u);
    for (const listed& k : keywordList) {
        std::string text = k.text;
        std::string lower = lowerCase(text);
        std::string mixed = text;
        for (size_t i = 0; i < mixed.size(); i += 2)
            mixed[i] = lower[i];
        for (const std::string& asked : {text, lower, mixed}) {
            const gkeyword* found = keywordTable().find(asked.c_str());
            ASSERT_NE(found, nullptr) << asked;
            EXPECT_EQ(found->getToken(), k.token) << asked;
        }
        EXPECT_EQ(gkeyword::byToken(k.token).getText().view(), text);
    }
    EXPECT_EQ(keywordTable().find("END "), nullptr) << "a blank is part of the text";
}

TEST(gkeyword, UnknownTextsAndTokens)
{
    EXPECT_EQ(keywordTable().find("ENDS"), nullptr);
    EXPECT_EQ(keywordTable().find(""), nullptr);
    EXPECT_EQ(keywordTable().find("SET-DELAY"), nullptr);
    EXPECT_THROW(gkeyword::byToken(483), gfault);
    EXPECT_THROW(gkeyword::byToken(-1), gfault);
}

// Keywords with blanks, hyphens, slashes and brackets, as the station files
// spell them, each read back as a value item the way the loaders read one
// ("SUM, 32 BITS (HI-LO)"): a slip in one spelling breaks every file that
// uses it.
TEST(gkeyword, ValueKeywordsReadAsTheFilesSpellThem)
{
    const struct {
        const char* text;
        int token;
    } spellings[] = {
        {"8 BITS", kw::V_8_BITS},
        {"16 BITS (LO-HI)", kw::V_16_BITS_LO_HI},
        {"16 BITS (HI-LO)", kw::V_16_BITS_HI_LO},
        {"24 BITS (LO-HI)", kw::V_24_BITS_LO_HI},
        {"24 BITS (HI-LO)", kw::V_24_BITS_HI_LO},
        {"32 BITS (LO-HI)", kw::V_32_BITS_LO_HI},
        {"32 BITS (HI-LO)", kw::V_32_BITS_HI_LO},
        {"ACCESSIBLE FOR NOTIFY", kw::V_ACCESSIBLE_FOR_NOTIFY},
        {"ANALOG NUMBER", kw::V_ANALOG_NUMBER},
        {"AUTONOMOUS TYPE", kw::V_AUTONOMOUS_TYPE},
        {"BIG ENDIAN", kw::V_BIG_ENDIAN},
        {"BIT COLLECTION", kw::V_BIT_COLLECTION},
        {"BIT FIELD", kw::V_BIT_FIELD},
        {"BIT MASK", kw::V_BIT_MASK},
        {"BOLD ITALIC", kw::V_BOLD_ITALIC},
        {"BREAK LINE", kw::V_BREAK_LINE},
        {"CENTER LINE", kw::V_CENTER_LINE},
        {"COLOR PATTERN", kw::V_COLOR_PATTERN},
        {"COMMAND ELEMENT", kw::V_COMMAND_ELEMENT},
        {"CR+LF", kw::CR_LF},
        {"CRC CCITT", kw::V_CRC_CCITT},
        {"CRC 16", kw::V_CRC_16},
        {"CRC 32", kw::V_CRC_32},
        {"DATE AND TIME", kw::V_DATE_AND_TIME},
        {"DIGITAL NUMBER", kw::V_DIGITAL_NUMBER},
        {"DIGITAL STRINGS", kw::V_DIGITAL_STRINGS},
        {"DISABLE DRIVERS", kw::V_DISABLE_DRIVERS},
        {"DISPLAY STRING", kw::V_DISPLAY_STRING},
        {"DTR/DSR", kw::DTR_DSR},
        {"FILE ONLY", kw::V_FILE_ONLY},
        {"FILLED LINE", kw::V_FILLED_LINE},
        {"FILLED LINE MARKERS", kw::V_FILLED_LINE_MARKERS},
        {"FIRST TIME", kw::V_FIRST_TIME},
        {"FIXED STRING", kw::V_FIXED_STRING},
        {"FULL RIGHT", kw::V_FULL_RIGHT},
        {"G2D BIT COLLECTION", kw::V_G2D_BIT_COLLECTION},
        {"G2D BIT MASK", kw::V_G2D_BIT_MASK},
        {"G2D FILTER", kw::V_G2D_FILTER},
        {"G2D THRESHOLDS", kw::V_G2D_THRESHOLDS},
        {"G2 PARAMETER", kw::V_G2_PARAMETER},
        {"GRAND SUMMARY", kw::V_GRAND_SUMMARY},
        {"INSTANCE POINTER", kw::V_INSTANCE_POINTER},
        {"LATCHING ALARM", kw::V_LATCHING_ALARM},
        {"LINE MARKERS", kw::V_LINE_MARKERS},
        {"LITTLE ENDIAN", kw::V_LITTLE_ENDIAN},
        {"MAC ADDRESS", kw::V_MAC_ADDRESS},
        {"MOD 128", kw::V_MOD_128},
        {"MOD 256", kw::V_MOD_256},
        {"MULTIBYTE_HI-LO", kw::MULTIBYTE_HI_LO},
        {"MULTIBYTE LO-HI", kw::V_MULTIBYTE_LO_HI},
        {"NOT ACCESSIBLE", kw::V_NOT_ACCESSIBLE},
        {"NUMERICAL ERROR CODE", kw::V_NUMERICAL_ERROR_CODE},
        {"NUMERICAL VALUE", kw::V_NUMERICAL_VALUE},
        {"OBJECT IDENTIFIER", kw::V_OBJECT_IDENTIFIER},
        {"OCTET STRING", kw::V_OCTET_STRING},
        {"PHYS ADDRESS", kw::V_PHYS_ADDRESS},
        {"PORT DIAGNOSTICS", kw::V_PORT_DIAGNOSTICS},
        {"READ-CREATE", kw::READ_CREATE},
        {"READ-ONLY", kw::READ_ONLY},
        {"READ-WRITE", kw::READ_WRITE},
        {"REGISTER STATUS", kw::V_REGISTER_STATUS},
        {"ROW POINTER", kw::V_ROW_POINTER},
        {"ROW STATUS", kw::V_ROW_STATUS},
        {"RTS/CTS", kw::RTS_CTS},
        {"SEARCH STRING", kw::V_SEARCH_STRING},
        {"SET DELAY", kw::V_SET_DELAY},
        {"SET LIMITS", kw::V_SET_LIMITS},
        {"SET TITLE", kw::V_SET_TITLE},
        {"SIGNED BYTE", kw::V_SIGNED_BYTE},
        {"SIGNED BIG ENDIAN", kw::V_SIGNED_BIG_ENDIAN},
        {"SIGNED LITTLE ENDIAN", kw::V_SIGNED_LITTLE_ENDIAN},
        {"SIGNED MULTIBYTE HI-LO", kw::V_SIGNED_MULTIBYTE_HI_LO},
        {"SIGNED MULTIBYTE LO-HI", kw::V_SIGNED_MULTIBYTE_LO_HI},
        {"SNMP ASN 1", kw::V_SNMP_ASN_1},
        {"SNMP BIT COLLECTION", kw::V_SNMP_BIT_COLLECTION},
        {"SNMP BITS", kw::V_SNMP_BITS},
        {"SNMP DIRECT", kw::V_SNMP_DIRECT},
        {"SNMP ENUM VALUES", kw::V_SNMP_ENUM_VALUES},
        {"SNMP EXPONENTIAL", kw::V_SNMP_EXPONENTIAL},
        {"SNMP FILTER", kw::V_SNMP_FILTER},
        {"SNMP HIGH LOW", kw::V_SNMP_HIGH_LOW},
        {"SNMP IEEE", kw::V_SNMP_IEEE},
        {"SNMP LEVEL", kw::V_SNMP_LEVEL},
        {"SNMP LITERAL", kw::V_SNMP_LITERAL},
        {"SNMP NET ADDRESS", kw::V_SNMP_NET_ADDRESS},
        {"SNMP OID", kw::V_SNMP_OID},
        {"SNMP PROCESSOR", kw::V_SNMP_PROCESSOR},
        {"SNMP READABLE", kw::V_SNMP_READABLE},
        {"SNMP STRINGS", kw::V_SNMP_STRINGS},
        {"SNMP THRESHOLDS", kw::V_SNMP_THRESHOLDS},
        {"SNMP TIME DATE", kw::V_SNMP_TIME_DATE},
        {"SNMP TIMEOUT", kw::V_SNMP_TIMEOUT},
        {"SNMP TRUTH VALUE", kw::V_SNMP_TRUTH_VALUE},
        {"SNMP VALUE NAME", kw::V_SNMP_VALUE_NAME},
        {"STORAGE TYPE", kw::V_STORAGE_TYPE},
        {"STRICTLY INSIDE", kw::V_STRICTLY_INSIDE},
        {"STRICTLY OUTSIDE", kw::V_STRICTLY_OUTSIDE},
        {"STRING ERROR CODE", kw::V_STRING_ERROR_CODE},
        {"STRING VALUE", kw::V_STRING_VALUE},
        {"T ADDRESS", kw::V_T_ADDRESS},
        {"T DOMAIN", kw::V_T_DOMAIN},
        {"TEST AND INC", kw::V_TEST_AND_INC},
        {"TEXTUAL CONVENTION", kw::V_TEXTUAL_CONVENTION},
        {"TIME INTERVAL", kw::V_TIME_INTERVAL},
        {"TIME STAMP", kw::V_TIME_STAMP},
        {"TIME TICKS", kw::V_TIME_TICKS},
        {"TRUTH VALUE", kw::V_TRUTH_VALUE},
        {"VALUE LIST", kw::V_VALUE_LIST},
        {"VARIABLE POINTER", kw::V_VARIABLE_POINTER},
        {"WEEK DAY", kw::V_WEEK_DAY},
        {"XON/XOFF", kw::XON_XOFF},
    };
    for (const auto& s : spellings) {
        std::string line = std::string("SUM, ") + s.text;
        int token = -1;
        const char* next = nullptr;
        ASSERT_EQ(parseKeywordItem(line.c_str(), token, next), itemResult::comma) << line;
        EXPECT_EQ(token, kw::SUM);
        EXPECT_EQ(parseKeywordItem(next, token), itemResult::end) << s.text;
        EXPECT_EQ(token, s.token) << s.text;
    }
}

TEST(gkeyword, TableLayout)
{
    EXPECT_EQ(keywordTable().count(), 483);
    EXPECT_EQ(keywordTable().getBucketCount(), 483);
    std::map<uint32_t, int> chains;
    jhashTypedIterator<gkeyword> it(keywordTable());
    gkeyword* k = nullptr;
    int walked = 0;
    while (it.get(k)) {
        ++chains[jhashNoCaseStringTable::hashText(k->getText()) % 483u];
        ++walked;
    }
    EXPECT_EQ(walked, 483);
    EXPECT_EQ(chains.size(), 308u);
    int longest = 0;
    for (const auto& [bucket, length] : chains)
        longest = std::max(longest, length);
    EXPECT_EQ(longest, 6);
}

TEST(gkeyword, ConstantsFollowTheNamingRule)
{
    for (const listed& k : keywordList)
        EXPECT_EQ(k.name, constantName(k.text)) << k.text;
    EXPECT_EQ(kw::END, 128);
    EXPECT_EQ(kw::TITLE, 437);
    EXPECT_EQ(kw::PROGRAM, 312);
    EXPECT_EQ(kw::ARGUMENT, 32);
    EXPECT_EQ(kw::YES, 482);
    EXPECT_EQ(kw::NO, 258);
    EXPECT_EQ(kw::MASK, 228);
    EXPECT_EQ(kw::INVERT, 193);
    EXPECT_EQ(kw::SET_DELAY, 351);
    EXPECT_EQ(kw::V_SET_DELAY, 350);
    EXPECT_EQ(kw::NE, 5);
}

TEST(gkeyword, KeywordItems)
{
    struct Case {
        const char* text;
        int result;
        int token;
        const char* rest;
    } cases[] = {
        {"end", 1, kw::END, ""},
        {"  Yes ,  NO", 2, kw::YES, "NO"},
        {"16 bits (lo-hi)", 1, kw::V_16_BITS_LO_HI, ""},
        {"\"SET DELAY\"", 1, kw::V_SET_DELAY, ""},
        {"<>", 1, kw::NE, ""},
        {"NOPE", 0, 0, nullptr},
        {"", 0, 0, nullptr},
        {"\"YES", 0, 0, nullptr},
        {"\"YES\" x", 0, 0, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        int token = -7;
        const char* next = nullptr;
        ASSERT_EQ(parseKeywordItem(c.text, token, next), c.result);
        EXPECT_EQ(parseKeywordItem(c.text, token), c.result);
        if (c.result == 0) {
            EXPECT_EQ(token, -7);
            continue;
        }
        EXPECT_EQ(token, c.token);
        EXPECT_STREQ(next, c.rest);
    }
}

class keywordFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "korvelKeywordXXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        name = (dir / "station.stn").string();
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string contents() const
    {
        std::ifstream in(name, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    void put(const std::string& bytes) const
    {
        std::ofstream out(name, std::ios::binary);
        out << bytes;
    }

    std::string written(const std::function<void(CObjectFile&)>& writer)
    {
        CObjectFile file;
        EXPECT_EQ(file.open(name.c_str(), CObjectFile::modeWrite, false), 1);
        writer(file);
        EXPECT_TRUE(file.close());
        return contents();
    }

    // Every answer of readKeywordLine with its token text and value.
    std::vector<std::string> keywordLines()
    {
        CObjectFile file;
        EXPECT_EQ(file.open(name.c_str(), CObjectFile::modeRead, false), 1);
        std::vector<std::string> out;
        for (;;) {
            int token = -1;
            gstr value("untouched");
            int answer = readKeywordLine(file, token, value);
            if (answer == 1)
                return out;
            if (answer == 0)
                out.push_back(std::string(gkeyword::byToken(token).getText().view()) + "=" + std::string(value.view()));
            else
                out.push_back(std::to_string(answer));
            if (answer == 3)
                out.push_back("rest:" + std::string(file.readValue().view()));
        }
    }

    fs::path dir;
    std::string name;
    recordingMessages messages;
};

TEST_F(keywordFileTest, KeyPaddingByLength)
{
    struct Case {
        const char* text;
        int indent;
        const char* line;
    } cases[] = {
        {"TITLE", 1, "\tTITLE\t\t"},
        {"ADDRESS", 0, "ADDRESS\t\t"},
        {"ARGUMENT", 1, "\tARGUMENT\t"},
        {"INIT_SEQUENCE", 2, "\t\tINIT_SEQUENCE\t"},
        {"MULTISTATE_IND", 1, "\tMULTISTATE_IND\t"},
        {"VALUE_LOG_STR", 0, "VALUE_LOG_STR\t"},
        {"SUBSTITUTE_BITS", 0, "SUBSTITUTE_BITS\t"},
        {"POLLING_SEQUENCE", 1, "\tPOLLING_SEQUENCE "},
        {"TRAP_TYPE_SPECIFIC", 1, "\tTRAP_TYPE_SPECIFIC "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const gkeyword* k = keywordTable().find(c.text);
        ASSERT_NE(k, nullptr);
        EXPECT_EQ(written([&](CObjectFile& f) { k->writeKey(f, c.indent); }), c.line);
    }
    EXPECT_EQ(std::string("SUBSTITUTE_BITS").size(), 15u);
    EXPECT_EQ(std::string("POLLING_SEQUENCE").size(), 16u);
}

TEST_F(keywordFileTest, StationWrittenThenReadBackByteForByte)
{
    auto writeStation = [](CObjectFile& f) {
        f.writeBanner();
        f.writeString("PORT COM1\n");
        gkeyword::byToken(kw::TITLE).writeKey(f, 1);
        gstrSlice("Main port, north").write(f, 1);
        gkeyword::byToken(kw::ADDRESS).writeKey(f, 1);
        f.writeUnsigned(1, 2);
        f.writeUnsigned(22, 2);
        f.writeUnsigned(333, 1);
        gkeyword::byToken(kw::FORMAT).writeKey(f, 1);
        gkeyword::byToken(kw::V_16_BITS_LO_HI).writeValue(f, 2);
        gkeyword::byToken(kw::YES).writeValue(f, 1);
        gkeyword::byToken(kw::FACTOR).writeKey(f, 1);
        f.writeReal(0.1, 1);
        gkeyword::byToken(kw::POLLING_SEQUENCE).writeKey(f, 1);
        f.writeInt(-5, 1);
        gkeyword::byToken(kw::END).writeIndented(f, 0);
        f.newLine();
        f.newLine();
    };
    std::string bytes = written(writeStation);
    std::string tail = "PORT COM1\r\n"
                       "\tTITLE\t\t\"Main port, north\"\r\n"
                       "\tADDRESS\t\t1, 22, 333\r\n"
                       "\tFORMAT\t\t16 BITS (LO-HI), YES\r\n"
                       "\tFACTOR\t\t0.1\r\n"
                       "\tPOLLING_SEQUENCE -5\r\n"
                       "END\r\n"
                       "\r\n";
    for (size_t line = 0; line < 9; ++line) {
        EXPECT_EQ(bytes[line * 40], '#');
        EXPECT_EQ(bytes.substr(line * 40 + 37, 3), "#\r\n") << "banner line " << line;
    }
    EXPECT_EQ(bytes.substr(9 * 40, 10), "\r\n\r\n\r\n\r\n\r\n") << "nine lines of 38 characters, five empty lines";
    EXPECT_EQ(bytes.substr(9 * 40 + 10), tail);

    std::vector<std::string> expected(14, "2");
    expected.insert(expected.end(), {"PORT=COM1", "TITLE=\"Main port, north\"", "ADDRESS=1, 22, 333",
                                     "FORMAT=16 BITS (LO-HI), YES", "FACTOR=0.1", "POLLING_SEQUENCE=-5", "END=", "2"});
    EXPECT_EQ(keywordLines(), expected);

    // What was read, written again, gives the same bytes.
    std::vector<std::string> lines = keywordLines();
    std::string again = written([&](CObjectFile& f) {
        f.writeBanner();
        int indent = 0;
        for (const std::string& line : lines) {
            if (line == "2")
                continue;
            size_t eq = line.find('=');
            const gkeyword* k = keywordTable().find(line.substr(0, eq).c_str());
            std::string value = line.substr(eq + 1);
            if (k->getToken() == kw::PORT || k->getToken() == kw::END) {
                k->writeIndented(f, 0);
                f.writeString(value.empty() ? "\n" : (" " + value + "\n").c_str());
                indent = 1;
                continue;
            }
            k->writeKey(f, indent);
            f.writeString((value + "\n").c_str());
        }
        f.newLine();
    });
    EXPECT_EQ(again, bytes);

    // The same station with LF line ends reads the same.
    std::string lf;
    for (char c : bytes) {
        if (c != '\r')
            lf += c;
    }
    put(lf);
    EXPECT_EQ(keywordLines(), expected);
}

TEST_F(keywordFileTest, LineKinds)
{
    put("   \r\n"
        "#PORT COM1\r\n"
        "  # comment\r\n"
        "title   spaced   value \t\r\n"
        "BOGUS rest of line\r\n"
        "END   \r\n"
        "END");
    EXPECT_EQ(keywordLines(), (std::vector<std::string>{"2", "2", "2", "TITLE=spaced   value", "3",
                                                        "rest:rest of line", "END=", "END="}));
}

TEST_F(keywordFileTest, BannerOnlyFileHoldsNoLine)
{
    written([](CObjectFile& f) { f.writeBanner(); });
    EXPECT_EQ(keywordLines(), std::vector<std::string>(14, "2"));
    put("");
    EXPECT_TRUE(keywordLines().empty());
}

} // namespace
