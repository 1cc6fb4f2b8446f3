#include "g2driverTestSupport.h"

#include <string>
#include <utility>
#include <vector>

namespace {

using segmentList = std::vector<std::pair<std::string, int64_t>>;

struct assembly {
    const char* what;
    std::string templateLines;
    std::string commandLines;
    std::vector<std::string> requestValues;
    std::vector<std::string> deviceValues;
    segmentList expected;
};

class commandAssembly : public g2driverTest {
protected:
    segmentList run(const assembly& a)
    {
        emptyAll();
        SetUp();
        std::string lines = std::string("PARAMETER Address, DIGITAL\nPARAMETER Fast, BISTATE\nCR_TEMPLATE T\n")
                            + a.templateLines + "\nEND\nCOMMAND C\nCR_TEMPLATE T\n" + a.commandLines + "\nEND";
        EXPECT_EQ(load(lines), gload::accepted);
        deviceValues(a.deviceValues);
        request("C", a.requestValues);
        return assembled();
    }
};

const char* const sumByte = "COMMAND_ELEMENT CHECKSUM\nCHECKSUM SUM\nTYPE BYTE\nWIDTH 1\nEND";
const char* const lengthByte = "COMMAND_ELEMENT LENGTH\nTYPE BYTE\nWIDTH 1";

std::string elements(std::initializer_list<std::string> parts)
{
    std::string text;
    for (const std::string& part : parts)
        text += part + "\n";
    return text;
}

std::string fixed(const char* bytes) { return std::string("COMMAND_ELEMENT FIXED STRING\nSTRING ") + bytes + "\nEND"; }

std::string lengthElement(const char* rest) { return std::string(lengthByte) + rest; }

TEST_F(commandAssembly, BytesAndDelaysOfTheElements)
{
    // The sums: A+B+4+P+Q+R = 378 (low byte 'z'), with the length 3: 377 ('y').
    const std::string lengthThenSum = elements({fixed("AB"), lengthElement("\nEND"), fixed("PQR"), sumByte});
    const std::string skippedLength =
        elements({fixed("AB"), lengthElement("\nSKIP_LAST 1\nEND"), fixed("PQR"), sumByte});
    const std::string digital = "PARAMETER Mode, DIGITAL\nCOMMAND_ELEMENT DIGITAL STRINGS\nTEMPLATE_PARAM Mode\n"
                                "VALUE_STRING 1, FAST\nDEFAULT_STRING SLOW\nEND";
    const std::string analog = "PARAMETER Level, ANALOG\nCOMMAND_ELEMENT ANALOG\nTEMPLATE_PARAM Level\nTYPE DECIMAL\n"
                               "SYMBOLS NONE, -, NONE\nDECIMALS 1, .\nFACTOR 10\nOFFSET 0.5\nEND";
    const std::string text = "PARAMETER Name, STRING\nCOMMAND_ELEMENT STRING\nTEMPLATE_PARAM Name\nWIDTH 4, RIGHT, 0\n"
                             "REPLACEMENT ?\nEND";
    const std::string bits = "PARAMETER Hold, BISTATE\nCOMMAND_ELEMENT BIT FIELD\nDRIVER_PARAM 0, Fast\n"
                             "TEMPLATE_PARAM 3, Hold\nMASK 128\nEND";
    const std::string data = elements({fixed("<"), "COMMAND_ELEMENT DATA\nNAME Body\nEND", fixed(">")});
    const std::string content = "PARAMETER Count, DIGITAL\nDATA Body\nCOMMAND_ELEMENT LENGTH\nTYPE BYTE\nWIDTH 1\nEND\n"
                                "COMMAND_ELEMENT DIGITAL NUMBER\nPARAMETER Count\nTYPE DECIMAL\nEND\n"
                                "COMMAND_ELEMENT FIXED STRING\nSTRING ab\nEND\nEND";
    const assembly rows[] = {
        {"length counts the checksum's placeholder", lengthThenSum, "", {}, {}, {{"AB\x04PQRz", -1}}},
        {"length without the checksum", skippedLength, "", {}, {}, {{"AB\x03PQRy", -1}}},
        {"checksum with nothing before it", elements({sumByte, fixed("A")}), "", {}, {}, {{"A", -1}}},
        {"length as the last element", elements({fixed("A"), lengthElement("\nEND")}), "", {}, {},
         {{"A", -1}}},
        {"a delay splits the command",
         elements({fixed("A"), "COMMAND_ELEMENT DELAY\nDELAY 0.5\nEND", fixed("B")}), "", {}, {},
         {{"A", 500}, {"B", -1}}},
        {"length in units of two bytes, 5 bytes",
         elements({lengthElement("\nCHAR_SIZE 2\nEND"), fixed("abcde")}), "", {}, {},
         {{"\x03"
           "abcde",
           -1}}},
        {"a negative length is 0",
         elements({lengthElement("\nCHAR_SIZE 2\nOFFSET -10\nEND"), fixed("abcde")}), "", {}, {},
         {{std::string("\0abcde", 6), -1}}},
        {"a data place without the command's data", data, "", {}, {}, {{"<>", -1}}},
        {"the data place built on its own", data, content, {"Count, DIGITAL, 42"}, {},
         {{"<\x04"
           "42ab>",
           -1}}},
        {"digital strings: a listed value", digital, "TEMPLATE_PARAM Mode, DIGITAL, 1", {}, {},
         {{"FAST", -1}}},
        {"digital strings: another value", digital, "TEMPLATE_PARAM Mode, DIGITAL, 2", {}, {},
         {{"SLOW", -1}}},
        {"digital strings: no value", digital, "", {}, {}, {{"SLOW", -1}}},
        {"analog: value x factor + offset", analog, "TEMPLATE_PARAM Level, ANALOG, 2.5", {}, {},
         {{"25.5", -1}}},
        {"analog: no value sends the offset", analog, "", {}, {}, {{"0.5", -1}}},
        {"string padded", text, "TEMPLATE_PARAM Name, STRING, 42", {}, {}, {{"0042", -1}}},
        {"string cut to its last bytes", text, "TEMPLATE_PARAM Name, STRING, 123456", {}, {},
         {{"3456", -1}}},
        {"string with a control byte", text, "TEMPLATE_PARAM Name, STRING, \"a\\tb\"", {}, {},
         {{"0a?b", -1}}},
        {"bits of parameters on and off over the mask", bits, "TEMPLATE_PARAM Hold, BISTATE, OFF", {},
         {"Fast, BISTATE, ON"}, {{"\x81", -1}}},
        {"a bit on inverts the mask's bit",
         "COMMAND_ELEMENT BIT FIELD\nDRIVER_PARAM 0, Fast\nMASK 1\nEND", "", {}, {"Fast, BISTATE, ON"},
         {{std::string("\0", 1), -1}}},
        {"the device gives driver parameters",
         "COMMAND_ELEMENT DIGITAL NUMBER\nDRIVER_PARAM Address\nTYPE DECIMAL\nWIDTH 3, RIGHT, 0\nEND", "", {},
         {"Address, DIGITAL, 7"}, {{"007", -1}}},
        {"a parameter without a value sends its default",
         "COMMAND_ELEMENT DIGITAL NUMBER\nDRIVER_PARAM Address\nTYPE DECIMAL\nWIDTH 3, RIGHT, 0\nEND", "", {}, {},
         {{"000", -1}}},
        {"bistate with only an off string, on",
         "PARAMETER Run, BISTATE\nCOMMAND_ELEMENT BISTATE\nTEMPLATE_PARAM Run\nOFF_STRING 0\nEND",
         "TEMPLATE_PARAM Run, BISTATE, ON", {}, {}, {{"", -1}}},
        {"bistate with only an off string, off",
         "PARAMETER Run, BISTATE\nCOMMAND_ELEMENT BISTATE\nTEMPLATE_PARAM Run\nOFF_STRING 0\nEND",
         "TEMPLATE_PARAM Run, BISTATE, OFF", {}, {}, {{"0", -1}}},
        {"sum of 16-bit words, high byte first",
         elements({fixed("\"\\x01\\x02\\x03\""),
                   "COMMAND_ELEMENT CHECKSUM\nCHECKSUM SUM, 16 BITS (HI-LO)\nTYPE MULTIBYTE_HI-LO\nWIDTH 2\nEND"})
             ,
         "", {}, {}, {{"\x01\x02\x03\x04\x02", -1}}},
        {"printable checksum of a byte below blank",
         elements({fixed("\"\\x1F\""), "COMMAND_ELEMENT CHECKSUM\nCHECKSUM PRINTABLE\nTYPE BYTE\nWIDTH 1\nEND"})
             ,
         "", {}, {}, {{"\x1F%", -1}}},
        {"CRC 16 from all ones, low byte first, after the skipped first element",
         elements({fixed("\"\\x02\""), fixed("123456789"),
                   "COMMAND_ELEMENT CHECKSUM\nCHECKSUM CRC 16, 65535, 0\nTYPE MULTIBYTE LO-HI\nWIDTH 2\nSKIP_FIRST "
                   "1\nEND"})
             ,
         "", {}, {}, {{"\x02" "123456789\x37\x4B", -1}}},
        {"complements", elements({fixed("\"\\x01\""),
                                  "COMMAND_ELEMENT CHECKSUM\nCHECKSUM MOD 256\nCOMPLEMENT 2\nTYPE BYTE\nWIDTH 1\nEND",
                                  "COMMAND_ELEMENT CHECKSUM\nCHECKSUM MOD 256\nCOMPLEMENT 1\nTYPE BYTE\nWIDTH 1\n"
                                  "SKIP_LAST 1\nEND"})
                            ,
         "", {}, {}, {{"\x01\xFF\xFE", -1}}},
    };
    for (const assembly& a : rows) {
        SCOPED_TRACE(a.what);
        EXPECT_EQ(run(a), a.expected);
    }
}

TEST_F(commandAssembly, RequestValuesAndTheDefaultDeviceOfADriverSequence)
{
    ASSERT_EQ(load("PARAMETER Address, DIGITAL\nCR_TEMPLATE T\n"
                   "COMMAND_ELEMENT DIGITAL NUMBER\nDRIVER_PARAM Address\nTYPE BYTE\nWIDTH 1\nEND\nEND\n"
                   "COMMAND C\nCR_TEMPLATE T\nEND"),
              gload::accepted);
    deviceValues({"Address, DIGITAL, 9"});
    gcommandRequest inSequence;
    inSequence.setCommand(driver->commands().find("C"));
    g2driverCommandBuilder forDevice(inSequence, device);
    EXPECT_EQ(segments(forDevice), (segmentList{{"\x09", -1}}));
    // Without a device the driver parameter has no value.
    g2driverCommandBuilder alone(inSequence, nullptr);
    EXPECT_EQ(segments(alone), (segmentList{{std::string("\0", 1), -1}}));
    // Each build starts again; the outputs are those of the last one.
    EXPECT_EQ(segments(forDevice), (segmentList{{"\x09", -1}}));
    EXPECT_EQ(forDevice.outputCount(), 1);
}

} // namespace
