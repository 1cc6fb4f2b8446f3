#include "store/gtitledObject.h"

#include "foundation/jhashIterator.h"
#include "registers/gregister.h"
#include "scl/gsclProgram.h"
#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gstation.h"
#include "storeTestSupport.h"
#include "support/model/recordingMessages.h"

#include <string>

namespace {

class titledObject : public emptyStation {
protected:
    std::string written(const gtitledObject& object)
    {
        CObjectFile file;
        EXPECT_EQ(file.open(folder.path("out").c_str(), CObjectFile::modeWrite, false), 1);
        object.writeEmbedded(file, 0);
        EXPECT_TRUE(file.close());
        return fileBytes(folder.path("out"));
    }

    // Reads one object back the way a station file is read: the type keyword,
    // the tag as one value, then keyword lines through loadLine until END.
    gtitledObject* readBack(const std::string& bytes)
    {
        putFile(folder.path("in"), bytes);
        CObjectFile file;
        EXPECT_EQ(file.open(folder.path("in").c_str(), CObjectFile::modeRead, false), 1);
        const gobjectType* type = objectTypeRegistry().find(file.readToken());
        if (!type)
            return nullptr;
        gstr tag;
        if (!tag.parseValue(file.readValue().data()))
            return nullptr;
        gtitledObject* object = type->defineObject(tag, false);
        int token = 0;
        gstr value;
        while (object && readKeywordLine(file, token, value) == 0) {
            if (object->loadLine(token, value) == gload::finished)
                return object;
        }
        return nullptr;
    }

    tempFolder folder;
    recordingMessages messages;
};

TEST_F(titledObject, TitleFallsBackToTheTag)
{
    gsclProgram* p = station::programs().define("P1");
    EXPECT_FALSE(p->hasTitle());
    EXPECT_EQ(p->getTitle(true).view(), "P1");
    EXPECT_EQ(p->getTitle(false).view(), "");
    p->setTitle("Pumps");
    EXPECT_EQ(p->getTitle(false).view(), "Pumps");
    p->setTitle("");
    EXPECT_FALSE(p->hasTitle());

    p->setTitle("Pumps of P2");
    p->replaceInTitle("Pumps of P2", "P1", true, false);
    EXPECT_FALSE(p->hasTitle());
    // A title the file gave equal to the tag stays while nothing is
    // replaced in it.
    p->setTitle("P1");
    EXPECT_EQ(p->replaceInTitle("Q", "R", true, false), 0);
    EXPECT_EQ(p->getTitle(false).view(), "P1");
    p->setTitle("Pump A");
    p->replaceInTitle("a", "B", false, true);
    EXPECT_EQ(p->getTitle(false).view(), "Pump B");

    gstr given("Given");
    p->setTitleText(given);
    EXPECT_TRUE(given.isNull());
    EXPECT_EQ(p->getTitle(false).view(), "Given");

    p->setLibraryFlag(1);
    gsclProgram copy(*p);
    EXPECT_TRUE(copy.isDefined());
    EXPECT_EQ(copy.getTag().view(), "P1");
    EXPECT_EQ(copy.getTitle(false).view(), "Given");
    EXPECT_EQ(copy.getLibraryFlag(), 1);

    gsclProgram* other = station::programs().define("P2");
    *other = copy;
    EXPECT_EQ(other->getTag().view(), "P2");
    EXPECT_EQ(other->getTitle(false).view(), "Given");
    EXPECT_EQ(station::programs().find("P2"), other);
}

TEST_F(titledObject, TitleLines)
{
    gsclProgram p;
    auto load = [&](const char* v) {
        gstr value(v);
        return p.loadLine(kw::TITLE, value);
    };
    EXPECT_EQ(load("a, b"), gload::invalidValue);
    EXPECT_EQ(load("\"unterminated"), gload::invalidValue);
    // An empty title is no title, so a later TITLE is not a second one.
    EXPECT_EQ(load("\"\""), gload::accepted);
    EXPECT_FALSE(p.hasTitle());
    EXPECT_EQ(load("\"a, b\""), gload::accepted);
    EXPECT_EQ(p.getTitle(false).view(), "a, b");
    EXPECT_EQ(load("c"), gload::alreadyLoaded);
    gstr value("");
    EXPECT_EQ(p.loadLine(kw::PROGRAM, value), gload::unknownKeyword);
}

TEST_F(titledObject, HeaderAndTitleQuoteWhatNeedsIt)
{
    gsclProgram* p = station::programs().define(" a,b\"");
    p->setTitle("tab\there");
    EXPECT_EQ(written(*p), "PROGRAM \" a,b\\\"\"\r\n\tTITLE\t\t\"tab\\there\"\r\nEND\r\n");
    gsclProgram* plain = station::programs().define("P-1");
    EXPECT_EQ(written(*plain), "PROGRAM P-1\r\nEND\r\n");
}

TEST_F(titledObject, EveryTypeRoundTripsThroughTheStorableProtocol)
{
    for (const gobjectType* type : allTypes()) {
        // A port is complete only with its device and line settings, a
        // legacy mask only with its pattern and limits, a request only with its
        // opcode and body, an image only with its picture and a screen only
        // with its bounds; their own tests cover their round trips.
        if (type == &objectTypes::serialPort() || type == &objectTypes::legacyMask()
            || type == &objectTypes::request() || type == &objectTypes::image()
            || type == &objectTypes::screen())
            continue;
        SCOPED_TRACE(std::string(type->keyword().view()));
        emptyAll();
        // Referred to first, then defined: the placeholder is taken over.
        jhashDatabaseObject* placeholder = type->stationTable().crossReference("T, 1");
        gtitledObject* object = type->defineObject("T, 1", false);
        ASSERT_EQ(object, placeholder);
        EXPECT_EQ(stationState().unresolved, 0);
        object->setTitle("Title \"one\"");
        // A register is written with its alarm level, NONE once loaded.
        std::string level;
        if (auto* reg = dynamic_cast<gregister*>(object)) {
            reg->setLevel(gregister::levelNone);
            level = "\tLEVEL\t\tNONE\r\n";
        }
        std::string bytes = written(*object);
        EXPECT_EQ(bytes, std::string(type->keyword().view()) + " \"T, 1\"\r\n\tTITLE\t\tTitle \"one\"\r\n" + level +
                             "END\r\n");

        emptyAll();
        gtitledObject* back = readBack(bytes);
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->getObjectType(), type);
        EXPECT_EQ(back->getTag().view(), "T, 1");
        EXPECT_EQ(back->getTitle(false).view(), "Title \"one\"");
        // A legacy driver reads back with its delay set, a legacy
        // parameter with its default value; their own tests cover those.
        if (type == &objectTypes::legacyDriver() || type == &objectTypes::legacyParameter())
            continue;
        // A G2 driver read back holds its default of one attempt and writes it.
        std::string expected = bytes;
        if (type == &objectTypes::g2Driver())
            expected.insert(expected.rfind("END"), "\tRETRIES\t\t1\r\n");
        EXPECT_EQ(written(*back), expected);
    }
}

TEST_F(titledObject, LowerCaseTypeKeywordIsAccepted)
{
    gtitledObject* back = readBack("analog_reg R1\nTITLE x\nEND\n");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->getObjectType(), &objectTypes::analogRegister());
}

} // namespace
