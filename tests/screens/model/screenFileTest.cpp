#include "screenTestSupport.h"

#include "screens/model/ggraphControl.h"
#include "screens/model/ggraphDrawings.h"
#include "screens/model/ggraphGroup.h"
#include "screens/model/gindValueIndicators.h"

namespace {

using namespace screenTests;

class screenFile : public screenTest {
protected:
    fscreen* screen(const char* tag) { return station::screens().find(tag); }

    // The kinds of a screen's objects by their header keywords, back to
    // front.
    std::vector<std::string> headers(const fscreen& s)
    {
        std::vector<std::string> out;
        for (ggraphObject* o = s.firstObject(); o; o = o->getNext()) {
            std::string line = writtenText([&](CObjectFile& f) { o->writeHeader(f, 0); });
            out.push_back(line.substr(0, line.find_first_of("\t\n")));
        }
        return out;
    }
};

TEST_F(screenFile, StationWithEveryObjectKindLoadsAndSavesByteForByte)
{
    std::string fixture = fileBytes(fixturePath("screens.stn"));
    ASSERT_EQ(loadText(fixture), gloadError::none) << (messages.messages.empty() ? "" : messages.lastText());
    EXPECT_EQ(savedStation(), fixture);

    fscreen* overview = screen("Overview");
    ASSERT_NE(overview, nullptr);
    EXPECT_EQ(headers(*overview),
              (std::vector<std::string>{
                  "CONTROL2", "LINE", "SPLINE", "RECTANGLE", "ELLIPSE", "TEXT", "BITMAP", "BITMAP", "3D_RECT", "GROUP",
                  "BISTATE_IND", "BISTATE_IND", "MULTISTATE_IND", "DIGITAL_IND", "STRING_IND", "ANALOG_IND", "DIAL",
                  "DIAL", "GRAPH", "GRAPH", "MARKER", "MARKER", "CONTROL2", "CONTROL2", "BISTATE_IND", "BISTATE_IND",
                  "MULTISTATE_IND", "LABEL"}));
    // Every reference made while loading lists the object as a user.
    gregister* pump = station::registers().find("Pump");
    gstr users;
    pump->usedBy().describeUsers(users);
    EXPECT_EQ(std::string(users.view()),
              "\nA bistate indicator on screen Plant overview\nA bistate indicator on screen Plant overview"
              "\nAn X-Y marker on screen Plant overview\nA bistate indicator on screen Plant overview"
              "\nA label on screen Plant overview");
    gstr screenUsers;
    screen("Detail")->describeUsers(screenUsers);
    EXPECT_EQ(std::string(screenUsers.view()), "\nA control with caption \"Details\" on screen Plant overview");
    gstr programUsers;
    station::programs().find("Ack")->describeUsers(programUsers);
    EXPECT_EQ(std::string(programUsers.view()), "\nThe screen Plant overview");

    // The file saved reads back to the same file.
    std::string saved = savedStation();
    closeObjectDatabase();
    ASSERT_EQ(loadText(saved), gloadError::none);
    EXPECT_EQ(savedStation(), fixture);
}

TEST_F(screenFile, OlderFormsLoadAndAreWrittenInTheCurrentOnes)
{
    ASSERT_EQ(loadText("BISTATE_REG B\nEND\nSTRING_REG S\nLEVEL NONE\nEND\nPROGRAM P\nEND\n"
                       "SCREEN S1\nBOUNDS 0, 0, 100, 100\nACK_CONTROL P\n"
                       "RECTANGLE\nBOUNDS 1, 1, 2, 2\nLINE_STYLE SOLID, 1, 00-00-00\nFILL_STYLE EMPTY\nEND\n"
                       "CONTROL PROGRAM\nBOUNDS 5, 5, 9, 9\nPROGRAM P\nSCREEN_COLOR NO\nEND\n"
                       "STRING_IND\nREGISTER S\nBOUNDS 0, 0, 50, 14\nPREFIX 50%\nSUFFIX2 \" %\"\n"
                       "MASKED_STATE\nTEXT 100%\nSTYLE DEFAULT, NORMAL, 8, LEFT, 00-00-00\nEND\n"
                       "OFF_STYLE DEFAULT, NORMAL, 8, LEFT, 00-00-00\nEND\n"
                       "LABEL\nREGISTER B\nBOUNDS 0, 20, 50, 34\nPREFIX 10%\nSUFFIX level\nEND\n"
                       "END\n"),
              gloadError::none);
    EXPECT_EQ(
        savedObjects().substr(savedObjects().find("SCREEN")),
        "SCREEN S1\n"
        "\tBOUNDS\t\t0, 0, 100, 100\n"
        "\tACK_CONTROL\n\t\tPROGRAM\t\tP\n\tEND\n"
        "\tCONTROL2\tPROGRAM\n\t\tBOUNDS\t\t5, 5, 9, 9\n\t\tPROGRAM\n\t\t\tPROGRAM\t\tP\n\t\tEND\n\tEND\n"
        "\tRECTANGLE\n\t\tBOUNDS\t\t1, 1, 2, 2\n\t\tLINE_STYLE\tSOLID, 1, 00-00-00\n\t\tFILL_STYLE\tEMPTY\n\tEND\n"
        "\tSTRING_IND\n\t\tREGISTER\tS\n\t\tPREFIX2\t\t50%%\n\t\tSUFFIX2\t\t\" %\"\n\t\tBOUNDS\t\t0, 0, 50, 14\n"
        "\t\tMASKED_STATE\n\t\t\tTEXT2\t\t100%%\n\t\t\tSTYLE\t\tDEFAULT, NORMAL, 8, LEFT, 00-00-00\n\t\tEND\n"
        "\t\tOFF_STYLE\tDEFAULT, NORMAL, 8, LEFT, 00-00-00\n\tEND\n"
        "\tLABEL\n\t\tREGISTER\tB\n\t\tTEXT\t\t10%%%level\n\t\tBOUNDS\t\t0, 20, 50, 34\n\tEND\n"
        "END\n\n");
}

TEST_F(screenFile, GridLineIsLeftOutOnlyWhenItHoldsTheDefaults)
{
    struct {
        const char* block;
        const char* written; // the GRID line written back, "" for none
        int32_t originX;
        int32_t originY;
        bool shown;
        bool snap;
    } const cases[] = {
        {"BOUNDS 20, 40, 100, 100\n", "", 4, 8, false, false},
        {"BOUNDS -20, -40, 100, 100\n", "\tGRID\t\t12, 8, 16, 16, FALSE, FALSE\n", 12, 8, false, false},
        {"BOUNDS 0, 0, 10, 10\nGRID 3, 5, 16, 16, FALSE, TRUE\n", "\tGRID\t\t3, 5, 16, 16, FALSE, TRUE\n", 3, 5, false,
         true},
        {"GRID 0, 0, 16, 16, TRUE, FALSE\nBOUNDS 0, 0, 10, 10\n", "\tGRID\t\t0, 0, 16, 16, TRUE, FALSE\n", 0, 0, true,
         false},
        {"GRID -3, -1, 4, 6, FALSE, FALSE\nBOUNDS 0, 0, 10, 10\n", "\tGRID\t\t1, 5, 4, 6, FALSE, FALSE\n", 1, 5, false,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.block);
        clean();
        ASSERT_EQ(loadText(std::string("SCREEN S\n") + c.block + "END\n"), gloadError::none);
        fscreen* s = screen("S");
        int32_t x = 0, y = 0;
        s->getGridOrigin(x, y);
        EXPECT_EQ(x, c.originX);
        EXPECT_EQ(y, c.originY);
        EXPECT_EQ(s->isGridShown(), c.shown);
        EXPECT_EQ(s->isSnapOn(), c.snap);
        std::string saved = savedObjects();
        std::string grid = saved.find("GRID") == std::string::npos ? "" : saved.substr(saved.find("\tGRID"));
        EXPECT_EQ(grid.substr(0, grid.find('\n') + (grid.empty() ? 0 : 1)), c.written);
    }
}

TEST_F(screenFile, ScreenFieldsAndTheirRefusals)
{
    struct {
        const char* block;
        int error;
    } const cases[] = {
        {"TITLE x\nEND\n", gloadError::incompleteObject},
        {"BOUNDS 0, 0, 1, 1\nGRID 0, 0, 16, 16, FALSE, FALSE\nGRID 0, 0, 16, 16, FALSE, FALSE\nEND\n",
         gloadError::fieldLoadedTwice},
        {"BOUNDS 0, 0, 1, 1\nGRID 0, 0, 16, 16, MAYBE, FALSE\nEND\n", gloadError::invalidFieldValue},
        {"BOUNDS 0, 0, 1, 1\nGRID 0, 0, 16, 16, FALSE\nEND\n", gloadError::invalidFieldValue},
        {"BOUNDS 0, 0, 1, 1\nBOUNDS 0, 0, 1, 1\nEND\n", gloadError::fieldLoadedTwice},
        {"BOUNDS 0, 0, 1\nEND\n", gloadError::invalidFieldValue},
        {"BOUNDS 0, 0, 1, 1\nBACKGROUND 12-34\nEND\n", gloadError::invalidFieldValue},
        {"BOUNDS 0, 0, 1, 1\nSHOW YES\nSHOW NO\nEND\n", gloadError::fieldLoadedTwice},
        {"BOUNDS 0, 0, 1, 1\nIN_MENU PERHAPS\nEND\n", gloadError::invalidFieldValue},
        {"BOUNDS 0, 0, 1, 1\nBISTATE_IND\nEND\nEND\n", gloadError::missingFieldValue},
        {"BOUNDS 0, 0, 1, 1\nBISTATE_IND TITLE\nEND\nEND\n", gloadError::invalidFieldValue},
        {"BOUNDS 0, 0, 1, 1\nLINE 1\nEND\nEND\n", gloadError::invalidFieldValue},
        {"BOUNDS 0, 0, 1, 1\nCONTROL2 SOMEWHERE\nEND\nEND\n", gloadError::invalidFieldValue},
        {"BOUNDS 0, 0, 1, 1\nGROUP\nRECTANGLE\nBOUNDS 0, 0, 1, 1\nLINE_STYLE SOLID, 1, 00-00-00\n"
         "FILL_STYLE EMPTY\nEND\nEND\nEND\n",
         gloadError::incompleteObject},
        {"BOUNDS 0, 0, 1, 1\nGROUP\nCONTROL PROGRAM\nEND\nEND\nEND\n", gloadError::unknownField},
        {"BOUNDS 0, 0, 1, 1\nLINE\nUSER_LEVEL OPERATOR\nUSER_LEVEL OPERATOR\nEND\nEND\n", gloadError::fieldLoadedTwice},
        {"BOUNDS 0, 0, 1, 1\nLINE\nUSER_LEVEL EVERYONE\nEND\nEND\n", gloadError::invalidFieldValue},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.block);
        clean();
        EXPECT_EQ(loadText(std::string("SCREEN S\n") + c.block), c.error);
    }
}

TEST_F(screenFile, ControlOfTheOlderKeywordGoesBehindWhatWasReadBefore)
{
    ASSERT_EQ(loadText("SCREEN T\nBOUNDS 0, 0, 9, 9\nEND\nSCREEN S\nBOUNDS 0, 0, 100, 100\n"
                       "LINE\nPOINTS 0, 0, 5, 5\nLINE_STYLE SOLID, 1, 00-00-00\nEND\n"
                       "CONTROL SCREEN\nBOUNDS 0, 0, 9, 9\nSCREEN T\nEND\n"
                       "CONTROL2 SCREEN\nBOUNDS 0, 0, 9, 9\nSCREEN T\nEND\nEND\n"),
              gloadError::none);
    EXPECT_EQ(headers(*screen("S")), (std::vector<std::string>{"CONTROL2", "LINE", "CONTROL2"}));
}

TEST_F(screenFile, UserLevelsOneAndNoneAreNotWritten)
{
    ASSERT_EQ(loadText("SCREEN S\nBOUNDS 0, 0, 100, 100\n"
                       "LINE\nPOINTS 0, 0, 5, 5\nLINE_STYLE SOLID, 1, 00-00-00\nEND\n"
                       "LINE\nUSER_LEVEL NONE\nPOINTS 0, 0, 5, 5\nLINE_STYLE SOLID, 1, 00-00-00\nEND\n"
                       "LINE\nUSER_LEVEL mask\nPOINTS 0, 0, 5, 5\nLINE_STYLE SOLID, 1, 00-00-00\nEND\n"
                       "LINE\nUSER_LEVEL SET TITLE\nPOINTS 0, 0, 5, 5\nLINE_STYLE SOLID, 1, 00-00-00\nEND\nEND\n"),
              gloadError::none);
    std::vector<int> levels;
    for (ggraphObject* o = screen("S")->firstObject(); o; o = o->getNext())
        levels.push_back(o->getUserLevel());
    EXPECT_EQ(levels, (std::vector<int>{0, 1, 12, 13}));
    std::string saved = savedObjects();
    EXPECT_EQ(saved.find("NONE"), std::string::npos);
    EXPECT_NE(saved.find("\t\tUSER_LEVEL\tMASK\n"), std::string::npos);
    EXPECT_NE(saved.find("\t\tUSER_LEVEL\tSET TITLE\n"), std::string::npos);
}

TEST_F(screenFile, IndicatorRegistersMustHaveTheClassTheyShow)
{
    struct {
        const char* objects;
        int error;
    } const cases[] = {
        {"DIGITAL_IND\nREGISTER A\nEND\n", gloadError::invalidFieldValue},
        {"MULTISTATE_IND LINE\nREGISTER A\nEND\n", gloadError::invalidFieldValue},
        {"STRING_IND\nREGISTER A\nEND\n", gloadError::invalidFieldValue},
        {"ANALOG_IND\nREGISTER A, HIGHEST\nEND\n", gloadError::invalidFieldValue},
        {"GRAPH\nREGISTER A, 0\nEND\n", gloadError::invalidFieldValue},
        {"DIAL\nREGISTER A, VALUE, 0, 1\nOFF_STATE x\nEND\nEND\n", gloadError::invalidFieldValue},
        {"MARKER\nLABEL A\nEND\n", gloadError::invalidFieldValue},
        {"BISTATE_IND LINE\nREGISTER A\nON_STATE\nLINE_STYLE SOLID, 1, 00-00-00\nEND\nON_STATE\n",
         gloadError::fieldLoadedTwice},
        {"MULTISTATE_IND LINE\nREGISTER D\nSTATE 2\nLINE_STYLE SOLID, 1, 00-00-00\nEND\nSTATE 2\n",
         gloadError::fieldLoadedTwice},
        {"DIGITAL_IND\nBASE 12\nEND\n", gloadError::invalidFieldValue},
        {"STRING_IND\nPREFIX a\nPREFIX2 b\nEND\n", gloadError::fieldLoadedTwice},
        {"LABEL\nTEXT a\nPREFIX b\nEND\n", gloadError::fieldLoadedTwice},
        {"LABEL\nPREFIX b\nTEXT a\nEND\n", gloadError::fieldLoadedTwice},
        {"3D_RECT\nBOUNDS 0, 0, 1, 1\nEND\n", gloadError::incompleteObject},
        {"CONTROL2 NETWORK\nBOUNDS 0, 0, 1, 1\nSTATION x\nEND\n", gloadError::incompleteObject},
        {"CONTROL2 PROGRAM\nSTATION x\nEND\n", gloadError::unknownField},
        {"MARKER\nX_COORDINATE A, VALUE, 0, 1\nY_COORDINATE A, VALUE, 0, 1\nBOUNDS 0, 0, 9, 9\n"
         "ON_STATE\nIMAGE x\nEND\nOFF_STATE\nIMAGE x\nEND\nEND\n",
         gloadError::incompleteObject},
        {"GRAPH\nBOUNDS 0, 0, 9, 9\nREGISTER A, 0, 1\nTYPE MARKERS\nIMAGE x\nLINE_STYLE SOLID, 1, 00-00-00\nEND\n",
         gloadError::incompleteObject},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.objects);
        clean();
        EXPECT_EQ(loadText(std::string("BISTATE_REG B\nEND\nANALOG_REG A\nLEVEL NONE\nEND\nDIGITAL_REG D\nLEVEL "
                                       "NONE\nEND\nSCREEN S\nBOUNDS 0, 0, 100, 100\n")
                           + c.objects),
                  c.error);
    }
}

TEST_F(screenFile, PlaceholderRegisterTakesTheClassOfItsFirstIndicator)
{
    ASSERT_EQ(loadText("SCREEN S\nBOUNDS 0, 0, 100, 100\nDIGITAL_IND\nREGISTER Later\nBOUNDS 0, 0, 9, 9\n"
                       "ON_STYLE DEFAULT, NORMAL, 8, LEFT, 00-00-00\nEND\nEND\n"
                       "DIGITAL_REG Later\nLEVEL NONE\nEND\n"),
              gloadError::none);
    EXPECT_EQ(gregister::classCode(*station::registers().find("Later")), 2);
    EXPECT_EQ(loadText("SCREEN S2\nBOUNDS 0, 0, 100, 100\nANALOG_IND\nREGISTER Other\nBOUNDS 0, 0, 9, 9\n"
                       "ON_STYLE DEFAULT, NORMAL, 8, LEFT, 00-00-00\nEND\nEND\nSTRING_REG Other\nEND\n"),
              gloadError::registerKindDiffers);
}

} // namespace
