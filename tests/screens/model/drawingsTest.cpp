#include "screenTestSupport.h"

#include "screens/model/ggraphControl.h"
#include "screens/model/ggraphDrawings.h"
#include "screens/model/ggraphGroup.h"
#include "screens/model/gscreenBatchChange.h"

namespace {

using namespace screenTests;

class drawings : public screenTest {
protected:
    ggraphObject& only(const std::string& object)
    {
        EXPECT_EQ(loadText("SCREEN S\nBOUNDS 0, 0, 400, 300\n" + object + "END\n"), gloadError::none);
        return *station::screens().find("S")->firstObject();
    }
    std::string written(const ggraphObject& o)
    {
        return writtenText([&](CObjectFile& f) { o.writeEmbedded(f, 0); });
    }
};

TEST_F(drawings, LinesAreWrittenLeftmostPointFirst)
{
    ggraphObject& line = only("LINE\nPOINTS 30, 20, 10, 50\nLINE_STYLE SOLID, 1, 00-00-00\nEND\n");
    EXPECT_EQ(written(line), "LINE\n\tPOINTS\t\t10, 50, 30, 20\n\tLINE_STYLE\tSOLID, 1, 00-00-00\nEND\n");
    recordingContext dc;
    line.draw(dc);
    line.drawHandles(dc, false);
    EXPECT_EQ(dc.calls, (std::vector<std::string>{"line 10,50 30,20 w1", "handle 10,50", "handle 30,20"}));
    EXPECT_EQ(line.hitTest(10, 50, false, false), 4);
    EXPECT_EQ(line.hitTest(10, 20, false, false), 0);

    // Mirrored, a slanted line runs the other way.
    line.transform(INT_MAX, INT_MAX, 0, true, false);
    line.endGeometryChange();
    EXPECT_EQ(written(line), "LINE\n\tPOINTS\t\t10, 20, 30, 50\n\tLINE_STYLE\tSOLID, 1, 00-00-00\nEND\n");
}

TEST_F(drawings, LinesAreHitWithinHalfTheirWidth)
{
    ggraphObject& flat = only("LINE\nPOINTS 0, 0, 100, 0\nLINE_STYLE SOLID, 1, 00-00-00\nEND\n");
    EXPECT_EQ(flat.hitTest(50, 0, false, true), 1);
    EXPECT_EQ(flat.hitTest(50, 1, false, true), 0);
    clean();
    ggraphObject& slanted = only("LINE\nPOINTS 0, 0, 100, 100\nLINE_STYLE SOLID, 1, 00-00-00\nEND\n");
    EXPECT_EQ(slanted.hitTest(51, 50, false, true), 1);
    EXPECT_EQ(slanted.hitTest(52, 50, false, true), 0);
    EXPECT_EQ(slanted.hitTest(1, 1, false, false), 2);
    EXPECT_EQ(slanted.hitTest(100, 0, false, false), 0);
}

TEST_F(drawings, EmptyFiguresAreHitOnTheirOutlineOnly)
{
    struct {
        const char* object;
        int32_t x;
        int32_t y;
        int hit;
    } const cases[] = {
        {"RECTANGLE\nBOUNDS 0, 0, 100, 100\nLINE_STYLE SOLID, 2, 00-00-00\nFILL_STYLE EMPTY\nEND\n", 50, 50, 0},
        {"RECTANGLE\nBOUNDS 0, 0, 100, 100\nLINE_STYLE SOLID, 2, 00-00-00\nFILL_STYLE EMPTY\nEND\n", 0, 50, 1},
        {"RECTANGLE\nBOUNDS 0, 0, 100, 100\nLINE_STYLE SOLID, 2, 00-00-00\nFILL_STYLE COLOR, 00-00-00\nEND\n", 50, 50,
         1},
        {"ELLIPSE\nBOUNDS 0, 0, 100, 100\nLINE_STYLE SOLID, 1, 00-00-00\nFILL_STYLE COLOR, 00-00-00\nEND\n", 3, 3, 0},
        {"ELLIPSE\nBOUNDS 0, 0, 100, 100\nLINE_STYLE SOLID, 1, 00-00-00\nFILL_STYLE EMPTY\nEND\n", 50, 0, 1},
        {"3D_RECT\nBOUNDS 0, 0, 100, 100\nTYPE RECTANGLE\nEND\n", 50, 50, 0},
        {"3D_RECT\nBOUNDS 0, 0, 100, 100\nTYPE RECTANGLE\nEND\n", 1, 50, 1},
        {"3D_RECT\nBOUNDS 0, 0, 100, 100\nTYPE VLINE\nEND\n", 49, 10, 1},
        {"3D_RECT\nBOUNDS 0, 0, 100, 100\nTYPE VLINE\nEND\n", 47, 10, 0},
        {"3D_RECT\nBOUNDS 0, 0, 100, 100\nTYPE SUNKEN3\nEND\n", 50, 50, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.object);
        clean();
        EXPECT_EQ(only(c.object).hitTest(c.x, c.y, false, true), c.hit);
    }
}

TEST_F(drawings, SplinesShowTheirControlPointsWhenReshaping)
{
    ggraphObject& spline =
        only("SPLINE\nPOINTS 60, 100, 70, 80, 0, 100, 10, 120\nLINE_STYLE SOLID, 1, 00-00-00\nEND\n");
    // End point 2 lies left of end point 1: quadrant 1.
    EXPECT_EQ(spline.hitTest(60, 100, false, false), 3);
    EXPECT_EQ(spline.hitTest(0, 100, false, false), 4);
    EXPECT_EQ(spline.hitTest(10, 120, true, false), 6);
    EXPECT_EQ(spline.hitTest(70, 80, true, false), 7);
    EXPECT_EQ(spline.hitTest(70, 80, false, false), 0);
    spline.moveHandle(6, 5, 0);
    recordingContext dc;
    spline.drawHandles(dc, true);
    EXPECT_EQ(dc.calls, (std::vector<std::string>{"leader 60,100 70,80", "leader 0,100 15,120"}));
    EXPECT_EQ(spline.toolAfterCreate(), 1);
}

TEST_F(drawings, TextsKeepTheirBoxUprightWhenTurned)
{
    ggraphObject& text =
        only("TEXT\nTEXT Hello\nBOUNDS 0, 0, 100, 20\nSTYLE DEFAULT, NORMAL, 8, LEFT, 00-00-00\nEND\n");
    text.transform(0, 0, 1, false, false);
    text.endGeometryChange();
    text.recalcBounds();
    EXPECT_EQ(text.getFrame(), (grect{-40, -60, 60, -40}));
    recordingContext dc;
    text.draw(dc);
    EXPECT_EQ(dc.calls, (std::vector<std::string>{"text (-40,-60,60,-40) a1 'Hello'"}));
    EXPECT_TRUE(text.hasEditableText());
}

TEST_F(drawings, ControlsFillWithTheScreenColourAndPaintTheirFaceLast)
{
    ASSERT_EQ(loadText("SCREEN Target\nBOUNDS 0, 0, 9, 9\nEND\nSCREEN S\nBOUNDS 0, 0, 400, 300\n"
                       "CONTROL2 SCREEN\nBOUNDS 10, 10, 90, 40\nSCREEN_COLOR YES\nSCREEN Target\nEND\n"
                       "RECTANGLE\nBOUNDS 0, 0, 100, 100\nLINE_STYLE SOLID, 1, 00-00-00\nFILL_STYLE EMPTY\nEND\n"
                       "END\n"),
              gloadError::none);
    fscreen& s = *station::screens().find("S");
    recordingContext dc;
    s.draw(dc);
    EXPECT_EQ(dc.calls,
              (std::vector<std::string>{"ground (10,10,90,40) window", "rectangle (0,0,100,100) fill1",
                                        "button (10,10,90,40) ''"}));
    auto* control = static_cast<ggraphControl*>(s.firstObject());
    gstr description;
    control->describeReferrer(description);
    EXPECT_EQ(std::string(description.view()), "A control on screen S");
    EXPECT_TRUE(control->usesScreen(station::screens().find("Target")));
}

TEST_F(drawings, ControlRenamesKeepAProgramThatDoesNotExist)
{
    ASSERT_EQ(loadText("PROGRAM Pump1\nEND\nPROGRAM Pump2\nTITLE Second pump\nEND\n"
                       "SCREEN S\nBOUNDS 0, 0, 400, 300\nCONTROL2 PROGRAM\nBOUNDS 10, 10, 90, 40\nCAPTION Pump\n"
                       "PROGRAM Pump1\nEND\nEND\n"),
              gloadError::none);
    fscreen& s = *station::screens().find("S");
    auto* control = static_cast<ggraphControl*>(s.firstObject());
    gscreenBatchChange change;
    change.findText = "1";
    change.replaceText = "2";
    change.programs = 1;
    gstr log;
    EXPECT_EQ(control->replaceText(change, log), 1);
    EXPECT_EQ(control->call().getProgram(), station::programs().find("Pump2"));
    EXPECT_TRUE(station::programs().find("Pump1")->isUnused());
    change.findText = "2";
    change.replaceText = "3";
    EXPECT_EQ(control->replaceText(change, log), 0);
    EXPECT_EQ(std::string(log.view()), "\nNo program with tag Pump3 exists: retained program Second pump");
    gstr users;
    station::programs().find("Pump2")->describeUsers(users);
    EXPECT_EQ(std::string(users.view()), "\nA control with caption \"Pump\" on screen S");
}

TEST_F(drawings, GroupsAnswerForTheirMembers)
{
    ggraphObject& group =
        only("GROUP\nTEXT\nTEXT a\nBOUNDS 0, 0, 10, 10\nSTYLE DEFAULT, NORMAL, 8, LEFT, 00-00-00\nEND\n"
             "GROUP\nRECTANGLE\nBOUNDS 20, 0, 30, 10\nLINE_STYLE SOLID, 1, 00-00-00\nFILL_STYLE EMPTY\nEND\n"
             "3D_RECT\nBOUNDS 40, 0, 50, 10\nTYPE RAISED\nEND\nEND\nEND\n");
    EXPECT_EQ(group.getPropertyMask(), ggraphObject::maskGroup | ggraphObject::maskStatic | ggraphObject::mask3dRect);
    EXPECT_TRUE(group.hasEditableText());
    EXPECT_EQ(group.getFrame(), (grect{0, 0, 50, 10}));
    EXPECT_EQ(group.getBounds(), (grect{0, -1, 51, 11}));
    EXPECT_THROW(group.beginCreate(0, 0), gfault);
    messages.enteredTexts.push_back("b");
    EXPECT_TRUE(group.editText());
}

TEST_F(drawings, GroupsNestNoDeeperThanTheLimit)
{
    std::string deep;
    for (int i = 0; i <= ggraphGroup::maximumDepth + 1; ++i)
        deep += "GROUP\n";
    // The refused GROUP line has no value: the loader calls it missing.
    EXPECT_EQ(loadText("SCREEN S\nBOUNDS 0, 0, 10, 10\n" + deep), gloadError::missingFieldValue);
}

TEST_F(drawings, BaseHandlesAreNearWithinOneUnit)
{
    ggraphObject& area = only("3D_RECT\nBOUNDS 10, 10, 50, 50\nTYPE DIALOG\nEND\n");
    // The bounds are one wider than the area.
    EXPECT_EQ(area.hitTest(10, 10, false, false), 2);
    EXPECT_EQ(area.hitTest(8, 8, false, false), 2);
    EXPECT_EQ(area.hitTest(7, 7, false, false), 0);
    EXPECT_EQ(area.hitTest(12, 12, false, false), 1);
    EXPECT_THROW(area.setProperties(gpropStatic{}, 0), gfault);
    EXPECT_THROW(area.editText(), gfault);
}

} // namespace
