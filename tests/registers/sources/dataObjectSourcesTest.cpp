#include "g2driver/model/g2driverTestSupport.h"
#include "registers/sources/g2driverMultipleSource.h"
#include "registers/sources/g2driverProcessorSource.h"
#include "store/stationFile.h"
#include "support/model/recordingMessages.h"

#include <string>

namespace {

std::string sourcesFixture()
{
    std::string path(KORVEL_TEST_DATA_DIR);
    path.append("/registers/sources/fixtures/dataObjectSources.stn");
    return path;
}

// A driver with a template T (response data Values and Tail), a command C
// (Count digital, Label internal), a program P and the objects Mode
// (digital, parameter Channel), Text (string) and Level (analog).
class sourceLines : public g2driverTest {
protected:
    static constexpr const char* base = "CR_TEMPLATE T\nDELAY 1\nBUFFER_SIZE 64\n"
                                        "RESPONSE_ELEMENT DATA\nNAME Values\nPATTERN .*\nEND\n"
                                        "RESPONSE_ELEMENT DATA\nNAME Tail\nPATTERN .\nEND\nEND\n"
                                        "COMMAND C\nPARAMETER Count, DIGITAL\nINTERNAL_PARAM Label, STRING\n"
                                        "CR_TEMPLATE T\nEND\nPROGRAM P\nEND\n"
                                        "OBJECT Mode, DIGITAL\nPARAMETER Channel, DIGITAL\nSOURCE PARAMETER\nEND\nEND\n"
                                        "OBJECT Text, STRING\nSOURCE PARAMETER\nEND\nEND\n"
                                        "OBJECT Level, ANALOG\nSOURCE PARAMETER\nEND\nEND\n";

    void fresh()
    {
        emptyAll();
        SetUp();
        ASSERT_EQ(load(base), gload::accepted);
    }
    // The status of the row's last line, read after the base lines.
    gloadStatus status(const std::string& lines)
    {
        fresh();
        return load(lines);
    }
    // The driver's END, then the object's block as written.
    std::string finished(const char* object)
    {
        gstr end("");
        EXPECT_EQ(driver->loadLine(kw::END, end), gload::finished);
        return writtenBlock(*driver->dataObjects().find(object));
    }
    std::string users(const char* object)
    {
        gstr text("");
        driver->dataObjects().find(object)->describeUsers(text);
        return std::string(text.view());
    }
};

TEST_F(sourceLines, StatusesOfTheSourceLines)
{
    const struct {
        const char* lines;
        gloadStatus status;
    } rows[] = {
        // The SOURCE line.
        {"OBJECT O, DIGITAL\nSOURCE BISTATE", gload::invalidValue},
        {"OBJECT O, BISTATE\nSOURCE ANALOG NUMBER", gload::invalidValue},
        {"OBJECT O, STRING\nSOURCE STRING, x", gload::invalidValue},
        {"OBJECT O, BISTATE\nSOURCE NONSENSE", gload::invalidValue},
        {"OBJECT O, BISTATE\nSOURCE MULTIPLE\nSOURCE MULTIPLE", gload::invalidValue},
        {"OBJECT O, BISTATE\nSOURCE MULTIPLE\nSOURCE DIGITAL NUMBER", gload::invalidValue},
        {"OBJECT O, BISTATE\nSOURCE LIMIT", gload::invalidValue},
        {"OBJECT O, BISTATE\nSOURCE LIMIT, TEXT", gload::invalidValue},
        {"OBJECT O, BISTATE\nSOURCE LIMIT, ANALOG, x", gload::invalidValue},
        // The command-data lines.
        {"OBJECT O, STRING\nSOURCE STRING\nDATA C", gload::invalidValue},
        {"OBJECT O, STRING\nSOURCE STRING\nDATA C, Values\nDATA C, Tail", gload::alreadyLoaded},
        {"OBJECT O, STRING\nSOURCE STRING\nKEY a\nKEY b", gload::alreadyLoaded},
        {"OBJECT O, STRING\nSOURCE STRING\nKEY (", gload::invalidValue},
        {"OBJECT O, STRING\nSOURCE STRING\nOFFSET 1\nOFFSET 2", gload::alreadyLoaded},
        {"OBJECT O, STRING\nSOURCE STRING\nOFFSET 2147483647", gload::invalidValue},
        {"OBJECT O, STRING\nSOURCE STRING\nPARAMETER Count, DIGITAL, 1\nPARAMETER Count, DIGITAL, 2",
         gload::alreadyLoaded},
        {"OBJECT O, STRING\nSOURCE STRING\nOFFSET_PARAM Nothing", gload::invalidValue},
        {"OBJECT O, STRING\nSOURCE STRING\nDATA C, Values\nPATTERN .\nOFFSET -4\nEND", gload::incomplete},
        {"OBJECT O, STRING\nSOURCE STRING\nDATA C, Values\nPATTERN .\nOFFSET -4\nKEY x\nEND", gload::accepted},
        {"OBJECT O, STRING\nSOURCE STRING\nDATA C, Values\nPATTERN .\nPARAMETER Count, ANALOG, 1\nEND",
         gload::incomplete},
        {"OBJECT O, STRING\nSOURCE STRING\nDATA C, Values\nPATTERN .\nPARAMETER Label, STRING, x\nEND",
         gload::incomplete},
        {"OBJECT O, STRING\nSOURCE STRING\nDATA Later, Values\nPATTERN .\nEND", gload::accepted},
        // BISTATE, SEARCH STRING, BIT MASK.
        {"OBJECT O, BISTATE\nSOURCE BISTATE\nDATA C, Values\nON_STRING a\nEND", gload::incomplete},
        {"OBJECT O, BISTATE\nSOURCE SEARCH STRING\nLENGTH 0", gload::invalidValue},
        {"OBJECT O, BISTATE\nSOURCE SEARCH STRING\nLENGTH -1", gload::invalidValue},
        {"OBJECT O, BISTATE\nSOURCE SEARCH STRING\nINVERT NO\nINVERT YES", gload::alreadyLoaded},
        {"OBJECT O, BISTATE\nSOURCE SEARCH STRING\nDATA C, Values\nEND", gload::incomplete},
        {"OBJECT O, BISTATE\nSOURCE BIT MASK\nMASK 0", gload::invalidValue},
        {"OBJECT O, BISTATE\nSOURCE BIT MASK\nMASK 0, 3", gload::invalidValue},
        {"OBJECT O, BISTATE\nSOURCE BIT MASK\nDATA C, Values\nWIDTH 1\nTYPE BYTE\nEND", gload::incomplete},
        {"OBJECT O, BISTATE\nPARAMETER Speed, ANALOG\nSOURCE BIT MASK\nROTATE_PARAM Speed, 0, 1", gload::invalidValue},
        // VALUE LIST, PATTERN, LIMIT.
        {"OBJECT O, BISTATE\nSOURCE VALUE LIST\nVALUES 1\nVALUES 2", gload::alreadyLoaded},
        {"OBJECT O, BISTATE\nSOURCE VALUE LIST\nVALUES 1,", gload::invalidValue},
        {"OBJECT O, BISTATE\nSOURCE VALUE LIST\nVALUES 1, x", gload::invalidValue},
        {"OBJECT O, BISTATE\nSOURCE VALUE LIST\nOBJECT Text\nVALUES 1\nEND", gload::incomplete},
        {"OBJECT O, BISTATE\nSOURCE PATTERN\nOBJECT Mode\nPATTERN x\nEND", gload::incomplete},
        {"OBJECT O, BISTATE\nSOURCE PATTERN\nOBJECT Text\nPATTERN x\nPATTERN y", gload::alreadyLoaded},
        {"OBJECT O, BISTATE\nSOURCE PATTERN\nOBJECT Text\nOBJECT Text", gload::alreadyLoaded},
        {"OBJECT O, BISTATE\nSOURCE LIMIT, ANALOG\nMIN_VALUE 10\nMAX_VALUE 5", gload::invalidValue},
        {"OBJECT O, BISTATE\nSOURCE LIMIT, DIGITAL\nMIN_VALUE 5\nMAX_VALUE 5", gload::accepted},
        {"OBJECT O, BISTATE\nSOURCE LIMIT, DIGITAL\nMIN_VALUE -1", gload::invalidValue},
        {"OBJECT O, BISTATE\nSOURCE LIMIT, ANALOG\nMIN_OBJECT\nOBJECT Level\nEND\nMIN_VALUE 1", gload::alreadyLoaded},
        {"OBJECT O, BISTATE\nSOURCE LIMIT, ANALOG\nMAX_OBJECT x", gload::invalidValue},
        {"OBJECT O, BISTATE\nSOURCE LIMIT, ANALOG\nLIMIT_TYPE BESIDE", gload::invalidValue},
        {"OBJECT O, BISTATE\nSOURCE LIMIT, ANALOG\nOBJECT Level\nMIN_VALUE 1\nEND", gload::incomplete},
        {"OBJECT O, BISTATE\nSOURCE LIMIT, ANALOG\nOBJECT Level\nLIMIT_TYPE INSIDE\nLIMIT_TYPE OUTSIDE\n"
         "MAX_VALUE 1\nEND",
         gload::accepted},
        {"OBJECT O, BISTATE\nSOURCE LIMIT, ANALOG\nOBJECT Mode\nLIMIT_TYPE INSIDE\nMAX_VALUE 1\nEND",
         gload::incomplete},
        // A limit object of the wrong kind is refused whether it is defined
        // before the source or after it; so is any object whose own header
        // gives another kind than a source read before it needs.
        {"OBJECT O, BISTATE\nSOURCE LIMIT, ANALOG\nOBJECT Level\nLIMIT_TYPE INSIDE\nMIN_OBJECT\nOBJECT Mode\nEND\n"
         "MAX_VALUE 5\nEND",
         gload::incomplete},
        {"OBJECT O, BISTATE\nSOURCE LIMIT, ANALOG\nOBJECT Level\nLIMIT_TYPE INSIDE\nMIN_VALUE 1\nMAX_OBJECT\n"
         "OBJECT Text\nEND\nEND",
         gload::incomplete},
        {"OBJECT O, BISTATE\nSOURCE LIMIT, ANALOG\nOBJECT Level\nLIMIT_TYPE INSIDE\nMIN_OBJECT\nOBJECT Later\nEND\n"
         "MAX_VALUE 5\nEND\nEND\nOBJECT Later, DIGITAL",
         gload::incomplete},
        {"OBJECT O, BISTATE\nSOURCE LIMIT, DIGITAL\nOBJECT Later\nLIMIT_TYPE INSIDE\nMAX_VALUE 5\nEND\nEND\n"
         "OBJECT Later, ANALOG",
         gload::incomplete},
        {"OBJECT O, BISTATE\nSOURCE PATTERN\nOBJECT Later\nPATTERN a\nEND\nEND\nOBJECT Later, STRING", gload::accepted},
        {"OBJECT O, BISTATE\nSOURCE PATTERN\nOBJECT Later\nPATTERN a\nEND\nEND\nOBJECT Later, DIGITAL",
         gload::incomplete},
        {"OBJECT O, BISTATE\nSOURCE VALUE LIST\nOBJECT Later\nVALUES 1\nEND\nEND\nOBJECT Later, STRING",
         gload::incomplete},
        {"OBJECT O, BISTATE\nSOURCE VALUE LIST\nOBJECT Later\nVALUES 1\nEND\nEND\nOBJECT Later, DIGITAL",
         gload::accepted},
        {"OBJECT O, BISTATE\nSOURCE PATTERN\nOBJECT Later\nPATTERN a\nEND\nEND\n"
         "OBJECT P, BISTATE\nSOURCE VALUE LIST\nOBJECT Later\nVALUES 1\nEND",
         gload::incomplete},
        // The same for a parameter that a value read before it typed.
        {"OBJECT O, BISTATE\nSOURCE PATTERN\nOBJECT Later\nPARAMETER Ch, DIGITAL, 1\nPATTERN a\nEND\nEND\n"
         "OBJECT Later, STRING\nPARAMETER Ch, STRING",
         gload::incomplete},
        {"OBJECT O, BISTATE\nSOURCE PATTERN\nOBJECT Later\nPARAMETER Ch, DIGITAL, 1\nPATTERN a\nEND\nEND\n"
         "OBJECT Later, STRING\nPARAMETER Ch, DIGITAL",
         gload::accepted},
        {"OBJECT O, STRING\nSOURCE STRING\nDATA Later, Values\nPARAMETER Count, DIGITAL, 1\nPATTERN .\nEND\nEND\n"
         "COMMAND Later\nPARAMETER Count, STRING",
         gload::incomplete},
        // Numbers and strings.
        {"OBJECT O, DIGITAL\nSOURCE DIGITAL NUMBER\nVALUE_MAP 1, 2\nVALUE_MAP 1, 3", gload::invalidValue},
        {"OBJECT O, DIGITAL\nSOURCE DIGITAL NUMBER\nVALUE_MAP 1", gload::invalidValue},
        {"OBJECT O, ANALOG\nSOURCE ANALOG NUMBER\nVALUE_FACTOR 2\nVALUE_FACTOR 3", gload::alreadyLoaded},
        {"OBJECT O, ANALOG\nSOURCE ANALOG NUMBER\nVALUE_FACTOR two", gload::invalidValue},
        {"OBJECT O, ANALOG\nSOURCE ANALOG NUMBER\nVALUE_OFFSET inf", gload::invalidValue},
        {"OBJECT O, DIGITAL\nSOURCE DIGITAL STRINGS\nVALUE_STRING 3, a\nVALUE_STRING 3, b", gload::alreadyLoaded},
        {"OBJECT O, DIGITAL\nSOURCE DIGITAL STRINGS\nVALUE_STRING 3", gload::invalidValue},
        {"OBJECT O, STRING\nSOURCE STRING\nDATA C, Values\nPREFIX a\nSUFFIX b\nEND", gload::incomplete},
        {"OBJECT O, STRING\nSOURCE STRING\nPATTERN a\nPATTERN b", gload::alreadyLoaded},
        {"OBJECT O, STRING\nSOURCE FILTER\nDATA C, Values\nPATTERN a\nEND", gload::incomplete},
        {"OBJECT O, STRING\nSOURCE FILTER\nALLOW (", gload::invalidValue},
        // PARAMETER and PROCESSOR.
        {"OBJECT O, BISTATE\nSOURCE PARAMETER\nDEFAULT 7", gload::invalidValue},
        {"OBJECT O, DIGITAL\nSOURCE PARAMETER\nDEFAULT ON", gload::invalidValue},
        {"OBJECT O, DIGITAL\nSOURCE PARAMETER\nDEFAULT 1\nDEFAULT 2", gload::alreadyLoaded},
        {"OBJECT O, ANALOG\nSOURCE PARAMETER\nDEFAULT x", gload::invalidValue},
        {"OBJECT O, STRING\nSOURCE PARAMETER\nPERSISTENT MAYBE", gload::invalidValue},
        {"OBJECT O, STRING\nSOURCE PARAMETER\nPERSISTENT NO\nPERSISTENT NO", gload::alreadyLoaded},
        {"OBJECT O, STRING\nSOURCE PROCESSOR\nDATA C, Values\nEND", gload::incomplete},
        {"OBJECT O, STRING\nSOURCE PROCESSOR\nPROGRAM P", gload::invalidValue},
        {"OBJECT O, STRING\nSOURCE PROCESSOR\nPROGRAM\nPROGRAM P\nEND\nPROGRAM", gload::alreadyLoaded},
        {"OBJECT O, STRING\nSOURCE PROCESSOR\nLENGTH 0", gload::invalidValue},
        {"OBJECT O, STRING\nSOURCE PROCESSOR\nLENGTH 2\nLENGTH 3", gload::alreadyLoaded},
        // SUMMARY and MULTIPLE.
        {"OBJECT O, STRING\nSOURCE SUMMARY\nEND", gload::incomplete},
        {"OBJECT O, STRING\nSOURCE SUMMARY\nOBJECT Mode", gload::invalidValue},
        {"OBJECT O, STRING\nSOURCE SUMMARY\nPROGRAM x", gload::invalidValue},
        {"OBJECT O, STRING\nSOURCE MULTIPLE\nEND", gload::incomplete},
        {"OBJECT O, STRING\nSOURCE MULTIPLE\nAUTO_MASK ALL\nAUTO_MASK SINGLE", gload::alreadyLoaded},
        {"OBJECT O, STRING\nSOURCE MULTIPLE\nAUTO_MASK SOME", gload::invalidValue},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.lines);
        EXPECT_EQ(status(row.lines), row.status);
    }
}

// Lines that hold their default are not written; what is written reads
// back the same.
TEST_F(sourceLines, DefaultsAreNotWritten)
{
    const struct {
        const char* lines;
        const char* written;
    } rows[] = {
        {"OBJECT O, BISTATE\nSOURCE SEARCH STRING\nDATA C, Values\nSEARCH_STRING x\nINVERT NO\nEND\nEND",
         "OBJECT\t\tO, BISTATE\n\tSOURCE\t\tSEARCH STRING\n\t\tDATA\t\tC, Values\n\t\tSEARCH_STRING\tx\n\tEND\nEND\n"},
        {"OBJECT O, ANALOG\nSOURCE ANALOG NUMBER\nDATA C, Values\nWIDTH 1\nTYPE BYTE\nVALUE_FACTOR 1\n"
         "VALUE_OFFSET -0\nOFFSET 0\nEND\nEND",
         "OBJECT\t\tO, ANALOG\n\tSOURCE\t\tANALOG NUMBER\n\t\tDATA\t\tC, Values\n\t\tWIDTH\t\t1\n"
         "\t\tTYPE\t\tBYTE\n\tEND\nEND\n"},
        {"OBJECT O, BISTATE\nSOURCE PARAMETER\nPERSISTENT NO\nEND\nEND",
         "OBJECT\t\tO, BISTATE\n\tSOURCE\t\tPARAMETER\n\tEND\nEND\n"},
        {"OBJECT O, BISTATE\nSOURCE PARAMETER\nDEFAULT ON\nEND\nEND",
         "OBJECT\t\tO, BISTATE\n\tSOURCE\t\tPARAMETER\n\t\tDEFAULT\t\tON\n\tEND\nEND\n"},
        {"OBJECT O, BISTATE\nSOURCE MULTIPLE\nAUTO_MASK SINGLE\nSOURCE PARAMETER\nEND\nEND\nEND",
         "OBJECT\t\tO, BISTATE\n\tSOURCE\t\tMULTIPLE\n\t\tSOURCE\t\tPARAMETER\n\t\tEND\n\tEND\nEND\n"},
        {"OBJECT O, BISTATE\nSOURCE BIT MASK\nDATA C, Values\nWIDTH 1\nTYPE BYTE\nMASK 255\nINVERT NO\nEND\nEND",
         "OBJECT\t\tO, BISTATE\n\tSOURCE\t\tBIT MASK\n\t\tDATA\t\tC, Values\n\t\tWIDTH\t\t1\n\t\tTYPE\t\tBYTE\n"
         "\t\tMASK\t\t255\n\tEND\nEND\n"},
        {"OBJECT O, DIGITAL\nSOURCE DIGITAL NUMBER\nDATA C, Values\nVALUE_MAP 5, 1\nWIDTH 1\nTYPE BYTE\n"
         "VALUE_MAP 2, 1\nEND\nEND",
         "OBJECT\t\tO, DIGITAL\n\tSOURCE\t\tDIGITAL NUMBER\n\t\tVALUE_MAP\t2, 1\n\t\tVALUE_MAP\t5, 1\n"
         "\t\tDATA\t\tC, Values\n\t\tWIDTH\t\t1\n\t\tTYPE\t\tBYTE\n\tEND\nEND\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.lines);
        fresh();
        ASSERT_EQ(load(row.lines), gload::accepted);
        EXPECT_EQ(finished("O"), row.written);
    }
}

// Names read before their definitions are resolved when the driver's block
// ends; references to objects that are not yet typed give them the kind
// the source needs.
TEST_F(sourceLines, NamesAreResolvedWhenTheDriverEnds)
{
    fresh();
    ASSERT_EQ(load("OBJECT O, STRING\nSOURCE STRING\nDATA Later, Values\nPATTERN .\nEND\nEND\n"
                   "OBJECT P1, BISTATE\nSOURCE PATTERN\nOBJECT Words\nPATTERN a\nEND\nEND\n"
                   "OBJECT P2, BISTATE\nSOURCE VALUE LIST\nOBJECT Number\nVALUES 3\nEND\nEND\n"
                   "OBJECT S, BISTATE\nSOURCE SUMMARY\nOBJECT\nOBJECT Flag\nEND\nEND\nEND\n"
                   "COMMAND Later\nCR_TEMPLATE T\nEND"),
              gload::accepted);
    EXPECT_EQ(driver->dataObjects().find("Words")->getTypeCode(), g2valueKind::string);
    EXPECT_EQ(driver->dataObjects().find("Number")->getTypeCode(), g2valueKind::digital);
    EXPECT_EQ(finished("O"), "OBJECT\t\tO, STRING\n\tSOURCE\t\tSTRING\n\t\tDATA\t\tLater, Values\n"
                             "\t\tPATTERN\t\t.\n\tEND\nEND\n");
    EXPECT_EQ(driver->dataObjects().find("Flag")->getTypeCode(), g2valueKind::bistate);
    gstr text("");
    driver->commands().find("Later")->describeUsers(text);
    EXPECT_EQ(text.view(), "\nThe data object O in device driver Pump");
    text.assign("");
    driver->templates().find("T")->responseDataNames().find("Values")->usedBy().describeUsers(text);
    EXPECT_EQ(text.view(), "\nThe data object O in device driver Pump");
}

TEST_F(sourceLines, DescriptionsAndGreaterLessSymbols)
{
    fresh();
    ASSERT_EQ(load("OBJECT A, ANALOG\nSOURCE ANALOG NUMBER\nDATA C, Values\nPARAMETER Count, DIGITAL, 3\n"
                   "TYPE DECIMAL\nSYMBOLS NONE, -, NONE, .\nGREATER_LESS >, <\nEND\nEND\n"
                   "OBJECT B, ANALOG\nSOURCE MULTIPLE\nSOURCE ANALOG NUMBER\nDATA C, Values\nWIDTH 1\n"
                   "TYPE BYTE\nEND\nEND\nEND\n"
                   "OBJECT M, BISTATE\nSOURCE MULTIPLE\nSOURCE PARAMETER\nEND\nSOURCE PARAMETER\nEND\n"
                   "SOURCE PARAMETER\nEND\nEND\nEND\n"
                   "OBJECT S, BISTATE\nSOURCE SUMMARY\nOBJECT\nOBJECT Mode\nPARAMETER Channel, DIGITAL, 4\nEND\nEND\n"
                   "END"),
              gload::accepted);
    g2driverDataSource* a = driver->dataObjects().find("A")->getSource();
    g2driverDataSource* b = driver->dataObjects().find("B")->getSource();
    EXPECT_EQ(a->describe().view(), "C (Count = 3)");
    EXPECT_EQ(b->describe().view(), "C");
    EXPECT_TRUE(a->hasGreaterLessSymbols());
    EXPECT_FALSE(b->hasGreaterLessSymbols());
    EXPECT_EQ(driver->dataObjects().find("M")->getSource()->describe().view(), "3 sources");
    EXPECT_EQ(driver->dataObjects().find("S")->getSource()->describe().view(), "Mode (Channel = 4)");
    EXPECT_EQ(a->getKindName().view(), "Number");
    EXPECT_EQ(driver->dataObjects().find("M")->getSource()->getKindName().view(), "<Multiple sources>");
}

// A summary without a program over an object of another kind than bistate
// keeps its references, so that it is saved as it was read.
TEST_F(sourceLines, SummaryOverADigitalObjectKeepsItsReferences)
{
    fresh();
    ASSERT_EQ(load("OBJECT S, BISTATE\nSOURCE SUMMARY\nOBJECT\nOBJECT Mode\nEND\nEND\nEND"), gload::accepted);
    EXPECT_EQ(finished("S"), "OBJECT\t\tS, BISTATE\n\tSOURCE\t\tSUMMARY\n\t\tOBJECT\n\t\t\tOBJECT\t\tMode\n"
                             "\t\tEND\n\tEND\nEND\n");
    EXPECT_EQ(users("Mode"), "\nThe data object S in device driver Pump");
}

// A copy into another driver's tables refers to that driver's objects by
// name; a program it lacks is made a placeholder there.
TEST_F(sourceLines, CopiesReferToTheTargetTables)
{
    fresh();
    ASSERT_EQ(load("OBJECT O, STRING\nSOURCE PROCESSOR\nDATA C, Values\nPROGRAM\nPROGRAM P\nARGUMENT A, 1\nEND\n"
                   "END\nEND\nEND"),
              gload::finished);
    g2driverDataObject* object = driver->dataObjects().find("O");
    std::string original = writtenBlock(*object);
    g2driver* other = station::g2Drivers().define("Other");
    ASSERT_EQ(feedLines(*other, base), gload::accepted);
    g2driverDataObject* copy = other->dataObjects().define("O");
    copy->copyFrom(*object, {other->commands(), other->dataObjects(), other->programs()}, false);
    EXPECT_EQ(writtenBlock(*copy), original);
    auto& processor = static_cast<g2driverProcessorSource&>(*copy->getSource());
    EXPECT_EQ(processor.reference().getCommand(), other->commands().find("C"));
    EXPECT_EQ(processor.call().getProgram(), other->programs().find("P"));

    g2driver* bare = station::g2Drivers().define("Bare");
    g2driverDataObject* lonely = bare->dataObjects().define("O");
    lonely->copyFrom(*object, {bare->commands(), bare->dataObjects(), bare->programs()}, false);
    ASSERT_NE(bare->programs().find("P"), nullptr);
    EXPECT_FALSE(bare->programs().find("P")->isDefined());
}

TEST_F(sourceLines, ReferencesKeepTheirObjectsInUse)
{
    fresh();
    ASSERT_EQ(load("OBJECT O, BISTATE\nPARAMETER Index, DIGITAL\nSOURCE MULTIPLE\nSOURCE BIT MASK\nDATA C, Tail\n"
                   "PARAMETER Count, DIGITAL, 1\nOFFSET_PARAM Index, 0, 1\nWIDTH 1\nTYPE BYTE\nMASK 1\nEND\n"
                   "SOURCE VALUE LIST\nOBJECT Mode\nPARAMETER Channel, DIGITAL, 1\nVALUES 1\nEND\nEND\nEND\nEND"),
              gload::finished);
    const char* user = "\nThe data object O in device driver Pump";
    EXPECT_EQ(users("Mode"), user);
    gstr text("");
    driver->commands().find("C")->describeUsers(text);
    EXPECT_EQ(text.view(), user);
    text.assign("");
    driver->commands().find("C")->parameters().find("Count")->describeUsers(text);
    EXPECT_EQ(text.view(), user);
    EXPECT_EQ(driver->commands().find("C")->parameters().find("Count")->getInternal(), -1);
    text.assign("");
    driver->dataObjects().find("O")->parameters().find("Index")->describeUsers(text);
    EXPECT_EQ(text.view(), user);
    text.assign("");
    driver->dataObjects().find("Mode")->parameters().find("Channel")->describeUsers(text);
    EXPECT_EQ(text.view(), user);

    // Another source lets them go.
    driver->dataObjects().find("O")->setSource(nullptr);
    EXPECT_TRUE(driver->dataObjects().find("Mode")->isUnused());
    EXPECT_TRUE(driver->commands().find("C")->isUnused());
}

class dataObjectSources : public emptyStation {
protected:
    int loadFile(const std::string& path) { return loadObjectFile(gstrSlice(path.c_str()), false, false); }
    std::string saved()
    {
        std::string out = folder.path("out.stn");
        EXPECT_EQ(saveObjectFile(gstrSlice(out.c_str()), false), gsaveError::none);
        return fileBytes(out);
    }
    tempFolder folder;
    recordingMessages messages;
};

TEST_F(dataObjectSources, EveryKindLoadsAndSavesByteForByte)
{
    ASSERT_EQ(loadFile(sourcesFixture()), gloadError::none) << messages.lastText();
    EXPECT_EQ(saved(), fileBytes(sourcesFixture()));
}

} // namespace
