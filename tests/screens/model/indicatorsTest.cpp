#include "screenTestSupport.h"

#include "registers/ganalogSupplement.h"
#include "screens/model/gindBistate.h"
#include "screens/model/gindDial.h"
#include "screens/model/gindFillStyle.h"
#include "screens/model/gindGraph.h"
#include "screens/model/gindLabel.h"
#include "screens/model/gindMarker.h"
#include "screens/model/gindMultistate.h"
#include "screens/model/gindValueIndicators.h"
#include "screens/model/gscreenBatchChange.h"

#include <algorithm>
#include <stdexcept>

namespace {

using namespace screenTests;

const char* registers = "BISTATE_REG Pump\nTITLE Pump 1\nLEVEL ALARM\nEND\n"
                        "BISTATE_REG Quiet\nLEVEL STATUS\nEND\n"
                        "DIGITAL_REG Mode\nLEVEL NONE\nVALUE_NAME 720, Run\nEND\n"
                        "DIGITAL_REG Raw\nLEVEL NONE\nEND\n"
                        "ANALOG_REG Level\nLEVEL NONE\nEND\n"
                        "ANALOG_REG Flow\nLEVEL NONE\nELEMENTS 5\nEND\n"
                        "STRING_REG Text\nLEVEL NONE\nEND\n";

const char* on = "ON_STYLE DEFAULT, NORMAL, 10, LEFT, 00-00-00\n";
// The look of the state the editor starts in.
const char* off = "OFF_STYLE DEFAULT, NORMAL, 10, LEFT, 00-00-00\n";

class indicators : public screenTest {
protected:
    template <class T = ggraphObject>
    T& only(const std::string& object)
    {
        EXPECT_EQ(loadText(std::string(registers) + "SCREEN S\nBOUNDS 0, 0, 400, 300\n" + object + "END\n"),
                  gloadError::none)
            << (messages.messages.empty() ? "" : messages.lastText());
        fscreen* screen = station::screens().find("S");
        if (!screen || !screen->firstObject())
            throw std::runtime_error("the screen or its object did not load");
        return *static_cast<T*>(screen->firstObject());
    }
    std::vector<std::string> drawn(const ggraphObject& o)
    {
        recordingContext dc;
        o.draw(dc);
        return dc.calls;
    }
};

TEST_F(indicators, DigitalValuesInTheirBaseOrByName)
{
    auto& digital = only<gindDigital>(std::string("DIGITAL_IND\nREGISTER Raw\nBOUNDS 0, 0, 100, 14\n") + off
                                      + "BASE 16\nWIDTH 4\nUSE_VALUE_NAMES NO\nEND\n");
    EXPECT_EQ(drawn(digital), (std::vector<std::string>{"text (0,0,100,14) a1 '02D0'"}));
    clean();
    auto& named =
        only<gindDigital>(std::string("DIGITAL_IND\nREGISTER Mode\nBOUNDS 0, 0, 100, 14\n") + off + "WIDTH 6\nEND\n");
    EXPECT_EQ(drawn(named), (std::vector<std::string>{"text (0,0,100,14) a1 'Run'"}));
    previewValues().digitalValue = 5;
    EXPECT_EQ(drawn(named), (std::vector<std::string>{"text (0,0,100,14) a1 '000005'"}));
}

TEST_F(indicators, AnalogValuesScaledAndInExponentialNotation)
{
    std::string block = std::string("ANALOG_IND\nREGISTER Level, MAXIMUM\nBOUNDS 0, 0, 200, 14\n") + off
        + "FACTOR 2\nOFFSET 1\nPRECISION 2\n";
    auto& plain = only<gindAnalog>(block + "END\n");
    EXPECT_EQ(drawn(plain), (std::vector<std::string>{"text (0,0,200,14) a1 '5.48'"}));
    clean();
    auto& exponent = only<gindAnalog>(block + "EXPONENT \" x 10\"\nWIDTH 2\nPLUS_SIGN YES\nEND\nEND\n");
    EXPECT_EQ(drawn(exponent),
              (std::vector<std::string>{"text (0,0,53,14) a1 '5.48 x 10'", "text (54,0,200,14) a1 '+00'"}));
    previewValues().analogValue = -0.5;
    EXPECT_EQ(drawn(exponent)[0], "text (0,0,53,14) a1 '0.00 x 10'");
    EXPECT_EQ(drawn(exponent)[1], "text (54,0,200,14) a1 '+00'");
    // The raised exponent makes room above the box.
    EXPECT_EQ(exponent.getBounds(), (grect{0, -2, 200, 16}));
}

TEST_F(indicators, PrefixSuffixAndMarginColumns)
{
    auto& string = only<gindString>(std::string("STRING_IND\nREGISTER Text\nPREFIX 50%\nSUFFIX2 \" %\"\n"
                                                "BOUNDS 0, 0, 100, 14\n")
                                    + off + "END\n");
    previewValues().stringText = "abc";
    EXPECT_EQ(drawn(string), (std::vector<std::string>{"text (0,0,100,14) a1 '50%abc Text'"}));
    clean();
    auto& columns = only<gindString>(std::string("STRING_IND\nREGISTER Text\nPREFIX2 \"P:\"\nSUFFIX2 S\n"
                                                 "BOUNDS 0, 0, 100, 14\nLEFT_MARGIN 30\nRIGHT_MARGIN 20\n")
                                     + off + "END\n");
    EXPECT_EQ(
        drawn(columns),
        (std::vector<std::string>{"text (0,0,29,14) a3 'P:'", "text (81,0,100,14) a1 'S'", "text (30,0,80,14) a1 ''"}));
    recordingContext dc;
    columns.drawHandles(dc, true);
    EXPECT_EQ(dc.starting("margin"), (std::vector<std::string>{"margin 30,0 30,14", "margin 80,0 80,14"}));
    EXPECT_EQ(columns.hitTest(30, 1, true, false), 8);
    EXPECT_EQ(columns.hitTest(80, 13, true, false), 9);
    columns.moveHandle(9, -200, 0);
    EXPECT_EQ(columns.rightMargin(), 70);
    columns.moveHandle(9, 200, 0);
    EXPECT_EQ(columns.rightMargin(), 0);
}

TEST_F(indicators, StatesShownInTheEditor)
{
    auto& digital = only<gindDigital>(std::string("DIGITAL_IND\nREGISTER Raw\nBOUNDS 0, 0, 100, 14\n") + on + "END\n");
    previewValues().digitalState = gstate::masked;
    EXPECT_TRUE(drawn(digital).empty());
    EXPECT_EQ(digital.hitTest(50, 7, false, true), 1);
    EXPECT_FALSE(digital.hasEditableText());
    previewValues().digitalState = gstate::blink;
    previewValues().blinkPhase = 1;
    EXPECT_EQ(drawn(digital).size(), 1u);
    recordingWindow view;
    station::screens().find("S")->attachWindow(&view, 0, 0);
    digital.refreshPreview(true);
    EXPECT_TRUE(view.invalidated.empty());
    digital.refreshPreview(false);
    EXPECT_EQ(view.invalidated.size(), 1u);
    station::screens().find("S")->detachWindow();

    // The last of the blink, on and off looks stays.
    gpropDigital set;
    set.setDefault();
    set.valueText.states[gstate::on].enable.set(0);
    digital.setProperties(set, gprop::enable, gstate::on);
    EXPECT_NE(digital.styleState(gstate::on), nullptr);
    set.valueText.states[gstate::off].enable.set(1);
    digital.setProperties(set, gprop::enable, gstate::off);
    digital.setProperties(set, gprop::enable, gstate::on);
    EXPECT_EQ(digital.styleState(gstate::on), nullptr);
}

TEST_F(indicators, BistateLooksFollowTheAlarmLevelAndTheBlinkPhase)
{
    auto& bistate =
        only<gindBistate>("BISTATE_IND RECTANGLE\nBOUNDS 0, 0, 50, 50\nREGISTER Pump\n"
                          "ON_STATE\nLINE_STYLE SOLID, 1, 00-00-00\nFILL_STYLE COLOR, FF-00-00\nEND\nEND\n");
    previewValues().bistateState = gstate::blink;
    previewValues().blinkPhase = 0;
    EXPECT_EQ(drawn(bistate).size(), 1u);
    EXPECT_EQ(bistate.hitTest(25, 25, false, true), 1);
    previewValues().blinkPhase = 1;
    EXPECT_TRUE(drawn(bistate).empty());
    EXPECT_EQ(bistate.hitTest(25, 25, false, true), 1);
    previewValues().bistateState = gstate::off;
    EXPECT_EQ(bistate.hitTest(25, 25, false, true), 0);

    clean();
    auto& quiet =
        only<gindBistate>("BISTATE_IND TEXT\nBOUNDS 0, 0, 100, 14\nREGISTER Quiet\n"
                          "ON_STATE\nTEXT2 \"%: 100%%\"\nSTYLE DEFAULT, NORMAL, 8, LEFT, 00-00-00\nEND\nEND\n");
    previewValues().bistateState = gstate::blink;
    previewValues().blinkPhase = 1;
    EXPECT_EQ(drawn(quiet), (std::vector<std::string>{"text (0,0,100,14) a1 'Quiet: 100%'"}));
    EXPECT_TRUE(quiet.hasEditableText());
}

TEST_F(indicators, MultistateLooksByStateNumber)
{
    auto& multi =
        only<gindMultistate>("MULTISTATE_IND ELLIPSE\nBOUNDS 0, 0, 50, 50\nREGISTER Mode\n"
                             "BLINK_STATE\nLINE_STYLE SOLID, 1, 00-00-00\nFILL_STYLE EMPTY\nEND\n"
                             "STATE 1\nLINE_STYLE SOLID, 1, 00-00-00\nFILL_STYLE COLOR, 00-00-FF\nEND\nEND\n");
    previewValues().multistateState = gstate::numbered;
    previewValues().multistateNumber = 1;
    EXPECT_EQ(drawn(multi), (std::vector<std::string>{"ellipse (0,0,50,50)"}));
    previewValues().multistateNumber = 2;
    EXPECT_TRUE(drawn(multi).empty());
    EXPECT_EQ(multi.hitTest(25, 25, false, true), 0);

    // Disabling the only numbered state keeps it; the masked state goes.
    gpropMultistate set;
    set.setDefault();
    set.ensureState(1, false).enable.set(0);
    multi.setProperties(set, gprop::enable, gstate::numbered, 1);
    EXPECT_NE(multi.numberedRecord(1), nullptr);
    set.states[gstate::blink].enable.set(0);
    multi.setProperties(set, gprop::enable, gstate::blink, 0);
    EXPECT_EQ(multi.fixedRecord(gstate::blink), nullptr);
    set.ensureState(4, true);
    multi.setProperties(set, gprop::enable, gstate::numbered, 4);
    EXPECT_EQ(multi.numberedCount(), 2u);
}

TEST_F(indicators, MultistateGatheringMarksStatesSomeObjectsLack)
{
    std::string state = "LINE_STYLE SOLID, 1, 00-00-00\nFILL_STYLE EMPTY\nEND\n";
    only("MULTISTATE_IND RECTANGLE\nBOUNDS 0, 0, 50, 50\nREGISTER Mode\nSTATE 1\n" + state + "STATE 2\n" + state
         + "END\nMULTISTATE_IND RECTANGLE\nBOUNDS 60, 0, 90, 50\nREGISTER Mode\nSTATE 2\n" + state + "END\n");
    fscreen& s = *station::screens().find("S");
    s.selectAll();
    gpropMultistate& set = s.getSelectionProperties().multistate;
    EXPECT_TRUE(set.findState(1)->enable.isMixed());
    EXPECT_EQ(set.findState(2)->enable.get(), 1);
    EXPECT_EQ(referredObject(set.reg), station::registers().find("Mode")->getDigitalSupplement());
    gstateNameMap names;
    s.collectSelectionStateNames(names);
    EXPECT_EQ(names.size(), 1u);
    EXPECT_EQ(std::string(names[720].view()), "Run");
}

TEST_F(indicators, RegisterRenamesKeepTheClassTheIndicatorNeeds)
{
    auto& string = only<gindString>(std::string("STRING_IND\nREGISTER Text\nBOUNDS 0, 0, 100, 14\n") + off + "END\n");
    gscreenBatchChange change;
    change.findText = "Text";
    change.replaceText = "Level";
    change.registers = 1;
    gstr log;
    EXPECT_EQ(string.replaceText(change, log), 0);
    EXPECT_EQ(std::string(log.view()), "\nThe register Level is not a string register: retained register Text");
    change.replaceText = "Nothing";
    log.clear();
    EXPECT_EQ(string.replaceText(change, log), 0);
    EXPECT_EQ(std::string(log.view()), "\nNo register with tag Nothing exists: retained register Text");
    EXPECT_TRUE(string.usesRegister(station::registers().find("Text")));
}

TEST_F(indicators, LabelsNeedARegisterAndTakeTheBarsText)
{
    auto& label = only<gindLabel>("LABEL\nREGISTER Pump\nTEXT \"Pump %\"\nBOUNDS 0, 0, 100, 14\nEND\n");
    EXPECT_EQ(drawn(label), (std::vector<std::string>{"text (0,0,100,14) a1 'Pump Pump 1'"}));
    gpropLabel set;
    set.setDefault();
    set.reg.set(station::registers().find("Quiet"));
    label.setProperties(set, gprop::registerRef);
    EXPECT_EQ(std::string(label.getText().view()), "%");
    EXPECT_EQ(label.getRegister(), station::registers().find("Quiet"));
    EXPECT_TRUE(station::registers().find("Pump")->usedBy().isUnused());
    fscreen& s = *station::screens().find("S");
    s.setTool(13);
    EXPECT_EQ(s.mouseDown(10, 10, false, false), 0);
}

// Five bars over 0..100 with the tops 34, 41, 45, 69, 63: a point's sample
// column is floor(x / 101 * 5), so x = 20, 40 and 60 are the last pixels of
// the first three columns, and a point there is judged by that column's bar
// alone.
TEST_F(indicators, GraphColumnsReachTheirLastPixel)
{
    auto& bars = only<gindGraph>("GRAPH\nBOUNDS 0, 0, 100, 100\nREGISTER Flow, 0, 100\nTYPE BARS\n"
                                 "LINE_STYLE SOLID, 1, 00-00-00\nFILL_STYLE COLOR, 00-00-FF\nEND\n");
    struct {
        int32_t x;
        int32_t y;
        int hit;
    } const points[] = {
        {20, 37, 1}, {40, 43, 1}, {60, 50, 1}, // above the next bar, inside their own
        {21, 37, 0}, {41, 43, 0}, {61, 50, 0}, // the next column's bar is lower
    };
    for (const auto& p : points)
        EXPECT_EQ(bars.hitTest(p.x, p.y, false, true), p.hit) << p.x << ", " << p.y;
}

TEST_F(indicators, GraphPreviewsAWaveOfTheRegistersValues)
{
    auto& line = only<gindGraph>("GRAPH\nBOUNDS 0, 0, 100, 100\nREGISTER Level, 0, 100\nTYPE LINE\n"
                                 "LINE_STYLE SOLID, 1, 00-00-00\nEND\n");
    EXPECT_EQ(drawn(line), (std::vector<std::string>{"polyline 0,34 100,9"}));
    clean();
    auto& bars = only<gindGraph>("GRAPH\nBOUNDS 0, 0, 100, 100\nREGISTER Flow, 0, 100\nTYPE BARS\n"
                                 "LINE_STYLE SOLID, 1, 00-00-00\nFILL_STYLE EMPTY\nEND\n");
    EXPECT_EQ(drawn(bars).size(), 5u);
    EXPECT_EQ(bars.hitTest(0, 60, false, true), 1);
    EXPECT_EQ(bars.hitTest(10, 90, false, true), 0);
    station::registers().find("Flow")->getAnalogSupplement()->setElements(0);
    EXPECT_TRUE(drawn(bars).empty());
    EXPECT_EQ(bars.hitTest(100, 100, false, false), 5);

    // A new type takes what it needs from the bar's values, else from the
    // defaults; only what the type uses is written.
    gpropGraph set;
    set.clear();
    set.type.set(4);
    bars.setProperties(set, gprop::graphType);
    EXPECT_EQ(bars.type(), 4);
    EXPECT_TRUE(bars.isComplete());
    set.type.set(1);
    bars.setProperties(set, gprop::graphType);
    std::string written = writtenText([&](CObjectFile& f) { bars.writeEmbedded(f, 0); });
    EXPECT_EQ(written.find("FILL_STYLE"), std::string::npos);
    EXPECT_EQ(written.find("IMAGE"), std::string::npos);
}

TEST_F(indicators, DialLevelsSitAtTheirSixths)
{
    std::string state = "LINE_STYLE SOLID, 1, 00-00-00\nFILL_STYLE COLOR, FF-00-00\nEND\n";
    auto& dial =
        only<gindDial>("DIAL\nREGISTER Level, VALUE, 0, 100\nBOUNDS 0, 0, 20, 60\nON_STATE\n" + state + "TOP_ON_STATE\n"
                       + state + "MARKER_ON_STATE\nLINE_STYLE SOLID, 1, 00-00-00\nEND\nEND\n");
    EXPECT_EQ(dial.partRect(gstate::on), (grect{0, 20, 20, 60}));
    EXPECT_EQ(dial.partRect(gstate::topOn), (grect{0, 0, 20, 20}));
    EXPECT_EQ(dial.partRect(gstate::markerOn), (grect{0, 20, 20, 20}));
    previewValues().dialState = gstate::on;
    EXPECT_EQ(drawn(dial),
              (std::vector<std::string>{"rectangle (0,0,20,20) fill2", "rectangle (0,20,20,60) fill2",
                                        "line 0,20 20,20 w1"}));
    previewValues().dialState = gstate::blink;
    EXPECT_EQ(dial.hitTest(10, 50, false, true), 1);

    // A turn left makes it horizontal with its scale reversed; right again
    // brings it back.
    dial.transform(INT_MAX, INT_MAX, 1, false, false);
    EXPECT_EQ(dial.horizontal(), 1);
    EXPECT_EQ(dial.minimum(), 100);
    dial.transform(INT_MAX, INT_MAX, -1, false, false);
    EXPECT_EQ(dial.horizontal(), 0);
    EXPECT_EQ(dial.minimum(), 0);
    dial.transform(INT_MAX, INT_MAX, -1, false, false);
    EXPECT_EQ(dial.minimum(), 0);
}

// The blink looks of the top part and the marker: each record keeps its own
// part and kind whatever order the file gives them in, and is written back
// in the dial's record order.
TEST_F(indicators, DialBlinkRecordsOfTopAndMarker)
{
    std::string area = "LINE_STYLE SOLID, 1, 00-00-00\nFILL_STYLE COLOR, FF-00-00\nEND\n";
    auto& dial = only<gindDial>("DIAL\nREGISTER Level, VALUE, 0, 100\nBOUNDS 0, 0, 20, 60\n"
                                "MARKER_BLINK_STATE\nLINE_STYLE SOLID, 2, 00-00-00\nEND\nTOP_BLINK_STATE\n"
                                + area + "MARKER_ON_STATE\nLINE_STYLE SOLID, 1, 00-00-00\nEND\nTOP_ON_STATE\n" + area
                                + "BLINK_STATE\n" + area + "END\n");
    ASSERT_NE(dial.record(gstate::topBlink), nullptr);
    ASSERT_NE(dial.record(gstate::markerBlink), nullptr);
    EXPECT_EQ(dial.record(gstate::topBlink)->kind(), gindFillStyle::kindArea);
    EXPECT_EQ(dial.record(gstate::markerBlink)->kind(), gindFillStyle::kindLine);
    EXPECT_EQ(dial.partRect(gstate::topBlink), (grect{0, 0, 20, 20}));
    EXPECT_EQ(dial.partRect(gstate::markerBlink), (grect{0, 20, 20, 20}));

    std::string written = writtenText([&](CObjectFile& f) { dial.writeEmbedded(f, 0); });
    std::vector<size_t> order;
    for (const char* keyword :
         {"\tBLINK_STATE\n", "\tTOP_BLINK_STATE\n", "\tTOP_ON_STATE\n", "\tMARKER_BLINK_STATE\n", "\tMARKER_ON_STATE\n"}) {
        size_t at = written.find(keyword);
        EXPECT_NE(at, std::string::npos) << keyword;
        order.push_back(at);
    }
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end())) << written;
}

TEST_F(indicators, DialScalesReversedOrFlat)
{
    std::string state = "LINE_STYLE SOLID, 1, 00-00-00\nFILL_STYLE COLOR, FF-00-00\nEND\n";
    auto& reversed =
        only<gindDial>("DIAL\nREGISTER Level, MINIMUM, 100, 0\nBOUNDS 0, 0, 20, 60\nON_STATE\n" + state + "END\n");
    EXPECT_EQ(reversed.partRect(gstate::on), (grect{0, 0, 20, 20}));
    clean();
    auto& flat =
        only<gindDial>("DIAL\nREGISTER Level, MAXIMUM, 5, 5\nBOUNDS 0, 0, 20, 60\nON_STATE\n" + state + "END\n");
    EXPECT_EQ(flat.partRect(gstate::on), (grect{0, 0, 20, 60}));
    EXPECT_EQ(flat.partRect(gstate::markerOn), (grect{0, 0, 20, 0}));
}

TEST_F(indicators, MarkerPreviewPointsAndTheirLooks)
{
    auto& marker = only<gindMarker>("MARKER\nX_COORDINATE Level, VALUE, 0, 100\nY_COORDINATE Flow, MINIMUM, 0, 100\n"
                                    "BOUNDS 0, 0, 60, 60\nOFF_STATE\nIMAGE valve\nEND\nEND\n");
    int32_t x = 0, y = 0;
    marker.previewPoint(x, y);
    EXPECT_EQ(x, 40);
    EXPECT_EQ(y, 40);
    EXPECT_EQ(marker.labelBox(), (grect{0, 2, 100, 16}));
    // Rotated a quarter turn, the coordinates change places.
    marker.transform(INT_MAX, INT_MAX, 1, false, false);
    EXPECT_EQ(marker.xRegister(), station::registers().find("Flow")->getAnalogSupplement());
    EXPECT_EQ(marker.yRegister(), station::registers().find("Level")->getAnalogSupplement());
    clean();
    auto& reversed = only<gindMarker>("MARKER\nREGISTER Pump\nX_COORDINATE Level, VALUE, 100, 0\n"
                                      "Y_COORDINATE Flow, VALUE, 5, 5\nBOUNDS 0, 0, 60, 60\nON_STATE\nIMAGE valve\n"
                                      "END\nEND\n");
    reversed.previewPoint(x, y);
    EXPECT_EQ(x, 20);
    EXPECT_EQ(y, 60);
    previewValues().markerState = gstate::masked;
    EXPECT_TRUE(drawn(reversed).empty());
    EXPECT_EQ(reversed.hitTest(0, 0, false, false), 2);
    EXPECT_EQ(reversed.hitTest(20, 60, false, true), 0);
}

} // namespace
