#include "foundation/valueParsers.h"
#include "store/stationFile.h"
#include "storeTestSupport.h"
#include "support/model/recordingMessages.h"

#include <algorithm>
#include <string>

namespace {

// A station of the load corpus with LF line ends, as the lines below give it.
std::string corpus(const std::string& name)
{
    std::string text = fileBytes(std::string(KORVEL_TEST_DATA_DIR) + "/fuzz/corpus/stationLoadFuzz/" + name);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// One kind of real field: the lines of a station that hold it, and what
// they become with the value in place of the '@'.
struct realField {
    const char* file;
    const char* from;
    const char* to;
    bool positiveOnly;
    // The value that stands for "no limit" and is refused as a limit.
    const char* noLimit;
};

const char* const lowest = "-1.7976931348623157E+308";
const char* const highest = "1.7976931348623157E+308";

const realField fields[] = {
    {"g2driver-everySource.stn", "\t\tTEMPLATE_PARAM\tSpeed, ANALOG, 1.5\n", "\t\tTEMPLATE_PARAM\tSpeed, ANALOG, @\n", false, nullptr},
    {"g2driver-everySource.stn", "\t\t\tDEFAULT\t\t2.5\n", "\t\t\tDEFAULT\t\t@\n", false, nullptr},
    {"g2driver-everySource.stn", "\t\t\tVALUE_OFFSET\t-1.5\n", "\t\t\tVALUE_OFFSET\t@\n", false, nullptr},
    {"g2driver-everySource.stn", "\t\t\tVALUE_FACTOR\t2\n", "\t\t\tVALUE_FACTOR\t@\n", false, nullptr},
    {"g2driver-everySource.stn", "\t\t\tTHRESHOLD\t-2.5, 1\n", "\t\t\tTHRESHOLD\t@, 1\n", false, nullptr},
    {"g2driver-everySource.stn", "\t\t\t\tARGUMENT\tSeed, 7\n", "\t\t\t\tARGUMENT\tSeed, @\n", false, nullptr},
    {"registers-dataObjectSources.stn", "\t\t\tPARAMETER\tScale, ANALOG, 0.5\n", "\t\t\tPARAMETER\tScale, ANALOG, @\n", false, nullptr},
    {"registers-dataObjectSources.stn", "\t\tOFFSET\t\t-1.5\n\t\tFACTOR\t\t10\n", "\t\tOFFSET\t\t@\n\t\tFACTOR\t\t@\n", false, nullptr},
    {"g2driver-everySource.stn", "\t\t\tMAX_VALUE\t9.5\n", "\t\t\tMAX_VALUE\t@\n", false, nullptr},
    {"g2driver-meter.stn", "\t\t\tFACTOR\t10\n\t\t\tOFFSET\t0.5\n", "\t\t\tFACTOR\t@\n\t\t\tOFFSET\t@\n", false, nullptr},
    {"g2driver-meter.stn", "\t\tTEMPLATE_PARAM\tScale, ANALOG, 2.5\n", "\t\tTEMPLATE_PARAM\tScale, ANALOG, @\n", false, nullptr},
    {"g2driver-meter.stn", "\t\t\t\tMIN_VALUE\t0.5\n", "\t\t\t\tMIN_VALUE\t@\n", false, nullptr},
    {"registers.stn", "\tMINIMUM\t\t-0.5\n\tMAXIMUM\t\t1.5E+20\n", "\tMINIMUM\t\t@\n", false, lowest},
    {"registers.stn", "\tMINIMUM\t\t-0.5\n\tMAXIMUM\t\t1.5E+20\n", "\tMAXIMUM\t\t@\n", false, highest},
    {"registers.stn", "\tMIN_CHANGE_DB\t3\n", "\tMIN_CHANGE_DB\t@\n", true, nullptr},
    {"registers.stn", "\t\tMINIMUM\t\t1\n\t\tMAXIMUM\t\t2.25\n", "\t\tMINIMUM\t\t@\n", false, lowest},
    {"registers.stn", "\t\tMIN_CHANGE\t0.125\n", "\t\tMIN_CHANGE\t@\n", true, nullptr},
    {"registers.stn", "\t\tFACTOR\t\t1000\n\t\tOFFSET\t\t-2.5\n", "\t\tFACTOR\t\t@\n\t\tOFFSET\t\t@\n", false, nullptr},
    {"registers.stn", "\t\tSMOOTHING\t1, 3, YES\n\t\tPOINT\t\t-1, 0.5\n", "\t\tPOINT\t\t@, 0.5\n\t\tPOINT\t\t-1, @\n", false, nullptr},
    {"registers.stn", "\t\tARGUMENT\tLevel, 3\n", "\t\tARGUMENT\tLevel, @\n", false, nullptr},
    {"ports-plant.stn", "\t\t\tPARAMETER\tScale, ANALOG, 2.5\n", "\t\t\tPARAMETER\tScale, ANALOG, @\n", false, nullptr},
    {"registerSources.stn", "\t\tDEFAULT\t\t-2.5E-07\n", "\t\tDEFAULT\t\t@\n", false, nullptr},
    {"legacySources.stn", "\t\tVALUE_OFFSET\t-2.5\n\t\tFACTOR\t\t0.001\n", "\t\tVALUE_OFFSET\t@\n\t\tFACTOR\t\t@\n", false, nullptr},
    {"legacySources.stn", "\t\tTHRESHOLD\t-1.25, 1\n", "\t\tTHRESHOLD\t@, 1\n", false, nullptr},
    {"requests.stn", "\t\t\tOFFSET\t\t-0.5\n\t\t\tFACTOR\t\t2.5\n", "\t\t\tOFFSET\t\t@\n\t\t\tFACTOR\t\t@\n", false, nullptr},
    {"requests.stn", "\t\t\tOFFSET\t\t-1\n\t\t\tFACTOR\t\t0.001\n", "\t\t\tOFFSET\t\t@\n\t\t\tFACTOR\t\t@\n", false, nullptr},
    {"screens-everyObject.stn", "\t\tREGISTER\tLevel, VALUE, 0, 100\n", "\t\tREGISTER\tLevel, VALUE, @, 100\n", false, nullptr},
    {"screens-everyObject.stn", "\t\tREGISTER\tFlow, MINIMUM, 100, -50\n", "\t\tREGISTER\tFlow, MINIMUM, 100, @\n", false, nullptr},
    {"screens-everyObject.stn", "\t\tREGISTER\tLevel, 0, 100\n", "\t\tREGISTER\tLevel, @, 100\n", false, nullptr},
    {"screens-everyObject.stn", "\t\t\tARGUMENT\tSpeed, 2.5\n", "\t\t\tARGUMENT\tSpeed, @\n", false, nullptr},
    {"screens-everyObject.stn", "\t\tOFFSET\t\t-2.5\n\t\tFACTOR\t\t2\n", "\t\tOFFSET\t\t@\n\t\tFACTOR\t\t@\n", false, nullptr},
};

// Values as a user may type them into a file, and as a save writes them:
// 15 and 17 significant digits, one unit in the last place from the
// defaults 1 and 0, the ends of the double range, and digits whose 15-digit
// rounding leaves it.
const struct {
    const char* typed;
    const char* written;
} values[] = {
    {"0.333333333333333", "0.333333333333333"},
    {"0.33333333333333331", "0.3333333333333333"},
    {"1.0000000000000002", "1.0000000000000002"},
    {"0.99999999999999989", "0.9999999999999999"},
    {"4.9406564584124654E-324", "4.94065645841247E-324"},
    {"2.2250738585072014E-308", "2.2250738585072014E-308"},
    {"1.7976931348623157E+308", "1.7976931348623157E+308"},
    {"-1.7976931348623157E+308", "-1.7976931348623157E+308"},
    {"1.797693134862315E+308", "1.797693134862315E+308"},
    {"-1.79769313486231e308", "-1.79769313486231E+308"},
    {"123456789012345678", "1.2345678901234568E+17"},
};

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::string withValue(const char* pattern, const std::string& value)
{
    std::string line = pattern;
    for (auto at = line.find('@'); at != std::string::npos; at = line.find('@', at + value.size()))
        line.replace(at, 1, value);
    return line;
}

class realFields : public emptyStation {
protected:
    int load(const std::string& bytes)
    {
        std::string path = folder.path("in.stn");
        putFile(path, bytes);
        return loadObjectFile(gstrSlice(path.c_str()), false, false);
    }
    std::string saved()
    {
        std::string out = folder.path("out.stn");
        EXPECT_EQ(saveObjectFile(gstrSlice(out.c_str()), false), gsaveError::none);
        return fileBytes(out);
    }

    tempFolder folder;
    recordingMessages messages;
};

// Each value loads, saves in a form that reads back to the same double,
// and that file loads and saves to the same bytes again; a value one unit
// from its default is kept, not dropped as the default.
TEST_F(realFields, EveryRealFieldKeepsItsValueThroughSaveAndLoad)
{
    for (const realField& field : fields) {
        std::string original = corpus(field.file);
        for (auto [typed, written] : values) {
            double value = 0;
            ASSERT_EQ(parseDoubleItem(typed, value), itemResult::end) << typed;
            if (field.positiveOnly && !(value > 0))
                continue;
            SCOPED_TRACE(std::string(field.file) + ": " + withValue(field.to, typed));
            emptyAll();
            int loaded = load(replaced(original, field.from, withValue(field.to, typed)));
            if (field.noLimit && std::string(field.noLimit) == typed) {
                EXPECT_EQ(loaded, gloadError::invalidFieldValue);
                continue;
            }
            EXPECT_EQ(loaded, gloadError::none);
            if (loaded != gloadError::none)
                continue;
            std::string first = saved();
            double again = 0;
            EXPECT_EQ(parseDoubleItem(written, again), itemResult::end);
            EXPECT_EQ(again, value);
            EXPECT_NE(first.find(written), std::string::npos) << written << " not in\n" << first;
            emptyAll();
            EXPECT_EQ(load(first), gloadError::none);
            EXPECT_EQ(saved(), first);
        }
    }
}

} // namespace
