#include "g2driver/model/g2driverTestSupport.h"
#include "registers/sources/g2driverBitCollectionSource.h"
#include "registers/sources/g2driverThresholdsSource.h"

#include <string>

namespace {

// A driver with a template T (response data Values and Tail), a command C
// (Count digital) and the digital object Mode (parameter Channel).
class stepSources : public g2driverTest {
protected:
    static constexpr const char* base =
        "CR_TEMPLATE T\nDELAY 1\nBUFFER_SIZE 64\n"
        "RESPONSE_ELEMENT DATA\nNAME Values\nPATTERN .*\nEND\n"
        "RESPONSE_ELEMENT DATA\nNAME Tail\nPATTERN .\nEND\nEND\n"
        "COMMAND C\nPARAMETER Count, DIGITAL\nINTERNAL_PARAM Label, STRING\nCR_TEMPLATE T\nEND\n"
        "OBJECT Mode, DIGITAL\nPARAMETER Channel, DIGITAL\nSOURCE PARAMETER\nEND\nEND\n";

    void fresh()
    {
        emptyAll();
        SetUp();
        ASSERT_EQ(load(base), gload::accepted);
    }
    gloadStatus status(const std::string& lines)
    {
        fresh();
        return load(lines);
    }
    std::string finished(const char* object)
    {
        gstr end("");
        EXPECT_EQ(driver->loadLine(kw::END, end), gload::finished);
        return writtenBlock(*driver->dataObjects().find(object));
    }
    template <class T>
    std::string users(const T& referred)
    {
        gstr text("");
        referred.describeUsers(text);
        return std::string(text.view());
    }
};

TEST_F(stepSources, StatusesOfTheLines)
{
    const struct {
        const char* lines;
        gloadStatus status;
    } rows[] = {
        // Both kinds serve digital objects only.
        {"OBJECT O, ANALOG\nSOURCE THRESHOLDS", gload::invalidValue},
        {"OBJECT O, BISTATE\nSOURCE BIT COLLECTION", gload::invalidValue},
        // THRESHOLDS: the list, the number format without its extended
        // lines, the command data.
        {"OBJECT O, DIGITAL\nSOURCE THRESHOLDS\nBOTTOM 1\nBOTTOM 2", gload::alreadyLoaded},
        {"OBJECT O, DIGITAL\nSOURCE THRESHOLDS\nBOTTOM -1", gload::invalidValue},
        {"OBJECT O, DIGITAL\nSOURCE THRESHOLDS\nTHRESHOLD 1.5, 2\nTHRESHOLD 1.5, 3", gload::invalidValue},
        {"OBJECT O, DIGITAL\nSOURCE THRESHOLDS\nTHRESHOLD 1.5", gload::invalidValue},
        {"OBJECT O, DIGITAL\nSOURCE THRESHOLDS\nGREATER_LESS >, <", gload::unknownKeyword},
        {"OBJECT O, DIGITAL\nSOURCE THRESHOLDS\nDATA C, Values\nTYPE DECIMAL\nBOTTOM 0\nEND", gload::incomplete},
        {"OBJECT O, DIGITAL\nSOURCE THRESHOLDS\nDATA C, Values\nTYPE DECIMAL\nTHRESHOLD 1, 1\nEND",
         gload::incomplete},
        {"OBJECT O, DIGITAL\nSOURCE THRESHOLDS\nDATA C, Values\nBOTTOM 0\nTHRESHOLD 1, 1\nEND", gload::incomplete},
        {"OBJECT O, DIGITAL\nSOURCE THRESHOLDS\nDATA C, Values\nTYPE DECIMAL\nSYMBOLS NONE, -, NONE, .\nBOTTOM 0\n"
         "THRESHOLD 1, 1\nEND",
         gload::accepted},
        // BIT COLLECTION: the collection's lines.
        {"OBJECT O, DIGITAL\nSOURCE BIT COLLECTION\nEND", gload::incomplete},
        {"OBJECT O, DIGITAL\nSOURCE BIT COLLECTION\nMASK 0\nMASK 0", gload::alreadyLoaded},
        {"OBJECT O, DIGITAL\nSOURCE BIT COLLECTION\nVALUE_MAP 1, 2\nVALUE_MAP 1, 3", gload::invalidValue},
        {"OBJECT O, DIGITAL\nSOURCE BIT COLLECTION\nSECTION x", gload::invalidValue},
        // A section's lines.
        {"OBJECT O, DIGITAL\nSOURCE BIT COLLECTION\nSECTION\nMASK 0", gload::invalidValue},
        {"OBJECT O, DIGITAL\nSOURCE BIT COLLECTION\nSECTION\nMASK 0, 1", gload::invalidValue},
        {"OBJECT O, DIGITAL\nSOURCE BIT COLLECTION\nSECTION\nMASK 1, 2, 3", gload::invalidValue},
        {"OBJECT O, DIGITAL\nSOURCE BIT COLLECTION\nSECTION\nMASK 1\nMASK 2", gload::alreadyLoaded},
        {"OBJECT O, DIGITAL\nSOURCE BIT COLLECTION\nSECTION\nROTATE_LEFT -31", gload::accepted},
        {"OBJECT O, DIGITAL\nSOURCE BIT COLLECTION\nSECTION\nROTATE_LEFT 32", gload::invalidValue},
        {"OBJECT O, DIGITAL\nSOURCE BIT COLLECTION\nSECTION\nROTATE_LEFT 1\nROTATE_LEFT 2", gload::alreadyLoaded},
        {"OBJECT O, DIGITAL\nSOURCE BIT COLLECTION\nSECTION\nDATA C, Tail\nWIDTH 1\nTYPE BYTE\nEND",
         gload::incomplete},
        {"OBJECT O, DIGITAL\nSOURCE BIT COLLECTION\nSECTION\nDATA C, Tail\nMASK 1\nEND", gload::incomplete},
        {"OBJECT O, DIGITAL\nSOURCE BIT COLLECTION\nSECTION\nMASK 1\nWIDTH 1\nTYPE BYTE\nEND", gload::incomplete},
        {"OBJECT O, DIGITAL\nSOURCE BIT COLLECTION\nSECTION\nDATA C, Tail\nMASK 1\nWIDTH 1\nTYPE BYTE\nEND",
         gload::accepted},
        // ROTATE_PARAM: a digital parameter of the object, 1st offset and
        // factor at least, a whole range.
        {"OBJECT O, DIGITAL\nPARAMETER S, DIGITAL\nSOURCE BIT COLLECTION\nSECTION\nROTATE_PARAM S, 1, 2",
         gload::accepted},
        {"OBJECT O, DIGITAL\nSOURCE BIT COLLECTION\nSECTION\nROTATE_PARAM New, 1, 2", gload::accepted},
        {"OBJECT O, DIGITAL\nPARAMETER S, DIGITAL\nSOURCE BIT COLLECTION\nSECTION\nROTATE_PARAM S, 1",
         gload::invalidValue},
        {"OBJECT O, DIGITAL\nPARAMETER S, DIGITAL\nSOURCE BIT COLLECTION\nSECTION\nROTATE_PARAM S, 1, 2, 3, 4",
         gload::invalidValue},
        {"OBJECT O, DIGITAL\nPARAMETER S, DIGITAL\nSOURCE BIT COLLECTION\nSECTION\nROTATE_PARAM S, 1, 2, 3, 7, 6",
         gload::invalidValue},
        {"OBJECT O, DIGITAL\nPARAMETER S, ANALOG\nSOURCE BIT COLLECTION\nSECTION\nROTATE_PARAM S, 1, 2",
         gload::invalidValue},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.lines);
        EXPECT_EQ(status(row.lines), row.status);
    }
}

// Points and value-map entries are written in ascending order; masks,
// counts and ranges that hold their defaults are not written.
TEST_F(stepSources, WrittenForms)
{
    const struct {
        const char* lines;
        const char* written;
    } rows[] = {
        {"OBJECT O, DIGITAL\nSOURCE THRESHOLDS\nTHRESHOLD 10, 3\nTHRESHOLD -2.5, 1\nBOTTOM 0\nDATA C, Values\n"
         "TYPE DECIMAL\nSYMBOLS NONE, -, NONE, .\nTHRESHOLD 0.1234567890123456, 2\nEND\nEND",
         "OBJECT\t\tO, DIGITAL\n\tSOURCE\t\tTHRESHOLDS\n\t\tDATA\t\tC, Values\n\t\tTYPE\t\tDECIMAL\n"
         "\t\tSYMBOLS\t\tNONE, -, NONE, .\n\t\tBOTTOM\t\t0\n\t\tTHRESHOLD\t-2.5, 1\n\t\tTHRESHOLD\t0.1234567890123456, 2\n"
         "\t\tTHRESHOLD\t10, 3\n\tEND\nEND\n"},
        {"OBJECT O, DIGITAL\nPARAMETER S, DIGITAL\nSOURCE BIT COLLECTION\nVALUE_MAP 9, 1\nMASK 0\nVALUE_MAP 2, 5\n"
         "SECTION\nROTATE_PARAM S, 1, 2\nTYPE BYTE\nWIDTH 1\nROTATE_LEFT 0\nMASK 15, 0\nDATA C, Tail\nEND\n"
         "SECTION\nROTATE_PARAM S, -1, 1, 0, 2, 5\nROTATE_LEFT 31\nMASK 1, 6\nPARAMETER Count, DIGITAL, 2\n"
         "DATA C, Values\nWIDTH 2\nTYPE DECIMAL\nKEY ab\nEND\nEND\nEND",
         "OBJECT\t\tO, DIGITAL\n\tPARAMETER\tS, DIGITAL\n\tSOURCE\t\tBIT COLLECTION\n"
         "\t\tVALUE_MAP\t2, 5\n\t\tVALUE_MAP\t9, 1\n"
         "\t\tSECTION\n\t\t\tDATA\t\tC, Tail\n\t\t\tMASK\t\t15\n\t\t\tWIDTH\t\t1\n\t\t\tTYPE\t\tBYTE\n"
         "\t\t\tROTATE_PARAM\tS, 1, 2, 0\n\t\tEND\n"
         "\t\tSECTION\n\t\t\tDATA\t\tC, Values\n\t\t\tPARAMETER\tCount, DIGITAL, 2\n\t\t\tKEY\t\tab\n"
         "\t\t\tMASK\t\t1, 6\n\t\t\tROTATE_LEFT\t31\n\t\t\tWIDTH\t\t2\n\t\t\tTYPE\t\tDECIMAL\n"
         "\t\t\tROTATE_PARAM\tS, -1, 1, 0, 2, 5\n\t\tEND\n\tEND\nEND\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.lines);
        fresh();
        ASSERT_EQ(load(row.lines), gload::accepted);
        EXPECT_EQ(finished("O"), row.written);
    }
}

// A copy for another driver keeps the sections in order, refers to that
// driver's command and binds the rotate parameters to its own object's
// table; the sections keep what they name in use.
TEST_F(stepSources, CopiesAndReferences)
{
    fresh();
    ASSERT_EQ(load("OBJECT O, DIGITAL\nPARAMETER S, DIGITAL\nSOURCE BIT COLLECTION\n"
                   "SECTION\nDATA C, Tail\nMASK 1\nWIDTH 1\nTYPE BYTE\nROTATE_PARAM S, 0, 1\nEND\n"
                   "SECTION\nDATA C, Values\nPARAMETER Count, DIGITAL, 4\nMASK 2\nWIDTH 1\nTYPE BYTE\nEND\nEND\nEND\n"
                   "OBJECT P, DIGITAL\nSOURCE THRESHOLDS\nDATA C, Values\nTYPE DECIMAL\nSYMBOLS NONE, -, NONE, .\n"
                   "BOTTOM 1\nTHRESHOLD 1, 2\n"
                   "END\nEND\nEND"),
              gload::finished);
    g2driverDataObject* object = driver->dataObjects().find("O");
    const char* user = "\nThe data object O in device driver Pump";
    EXPECT_EQ(users(*object->parameters().find("S")), user);
    EXPECT_EQ(users(driver->templates().find("T")->responseDataNames().find("Tail")->usedBy()), user);
    EXPECT_EQ(users(*driver->commands().find("C")->parameters().find("Count")), user);
    EXPECT_EQ(object->getSource()->describe().view(), "2 bit sections");
    EXPECT_EQ(object->getSource()->getKindName().view(), "Bit collection");
    EXPECT_EQ(driver->dataObjects().find("P")->getSource()->describe().view(), "C");
    EXPECT_EQ(driver->dataObjects().find("P")->getSource()->getKindName().view(), "Thresholds");

    g2driver* other = station::g2Drivers().define("Other");
    ASSERT_EQ(feedLines(*other, base), gload::accepted);
    for (const char* tag : {"O", "P"}) {
        g2driverDataObject* copy = other->dataObjects().define(tag);
        copy->copyFrom(*driver->dataObjects().find(tag), {other->commands(), other->dataObjects(), other->programs()},
                       false);
        EXPECT_EQ(writtenBlock(*copy), writtenBlock(*driver->dataObjects().find(tag)));
    }
    auto& copied = static_cast<g2driverBitCollectionSource&>(*other->dataObjects().find("O")->getSource());
    ASSERT_EQ(copied.collection().sections().size(), 2u);
    const gbitSectionItem& first = *copied.collection().sections().front();
    EXPECT_EQ(first.reference().getCommand(), other->commands().find("C"));
    EXPECT_EQ(first.rotateParameters().front().getParameter(), other->dataObjects().find("O")->parameters().find("S"));
    EXPECT_EQ(first.getOwner(), &copied);
    auto& thresholds = static_cast<g2driverThresholdsSource&>(*other->dataObjects().find("P")->getSource());
    EXPECT_EQ(thresholds.reference().getCommand(), other->commands().find("C"));

    // Another source lets the names go.
    object->setSource(nullptr);
    EXPECT_TRUE(object->parameters().find("S")->usedBy().isUnused());
    EXPECT_EQ(users(driver->templates().find("T")->responseDataNames().find("Tail")->usedBy()), "");
}

} // namespace
