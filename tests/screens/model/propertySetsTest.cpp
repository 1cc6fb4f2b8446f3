#include "screenTestSupport.h"

#include "registers/ganalogSupplement.h"
#include "registers/gdigitalSupplement.h"
#include "registers/gstringSupplement.h"
#include "screens/model/gfontName.h"

namespace {

using namespace screenTests;

class propertySets : public screenTest {};

TEST_F(propertySets, StateKindsGiveTheirDefaults)
{
    struct {
        int kind;
        int enable;
        gcolor line;
        int fillKind;
        int pattern;
        gcolor fill;
        gcolor text;
    } const kinds[] = {
        {0, 1, gcolor(128, 128, 128), 1, 0, gcolor(128, 128, 128), gcolor(128, 128, 128)},
        {1, 1, gcolor(0, 0, 0), 3, 1, gcolor(255, 128, 128), gcolor(255, 0, 0)},
        {2, 0, gcolor(0, 0, 0), 1, 0, gcolor(0, 0, 0), gcolor(128, 128, 128)},
        {3, 1, gcolor(0, 0, 0), 2, 0, gcolor(255, 0, 0), gcolor(0, 0, 0)},
        {4, 1, gcolor(0, 0, 0), 2, 0, gcolor(0, 255, 0), gcolor(0, 0, 0)},
        {11, 0, gcolor(0, 0, 0), 2, 0, gcolor(0, 0, 255), gcolor(0, 0, 0)},
        {12, 1, gcolor(0, 0, 0), 1, 0, gcolor(0, 0, 0), gcolor(0, 0, 0)},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.kind);
        gstateAppearance state;
        state.setStateDefault(k.kind);
        EXPECT_EQ(state.enable.get(), k.enable);
        EXPECT_EQ(state.values.line.colour, k.line);
        EXPECT_EQ(state.values.line.style.get(), 1);
        EXPECT_EQ(state.values.fill.kind.get(), k.fillKind);
        EXPECT_EQ(state.values.fill.pattern.get(), k.pattern);
        EXPECT_EQ(state.values.fill.foreground, k.fill);
        EXPECT_EQ(state.values.fill.background, gcolor(255, 255, 255));
        EXPECT_EQ(state.values.textValues.colour, k.text);
        EXPECT_EQ(state.values.textValues.font.get(), reinterpret_cast<intptr_t>(alternateFont()));
        EXPECT_EQ(state.values.image.name.getValue(), noImageName());
    }
    gstateText on;
    on.setStateDefault(3);
    EXPECT_EQ(on.enable.get(), 0);
    gpropMarkerValues label;
    label.setStateDefault(3);
    EXPECT_EQ(label.enable.get(), 1);
    EXPECT_TRUE(label.labelText.hasValue());
    EXPECT_TRUE(label.labelText.getValue().isNull());
}

TEST_F(propertySets, NewlyEnabledStatesCopyTheShapeOfTheirNeighbours)
{
    gpropBistate set;
    set.setDefault();
    set.states[gstate::on].values.line.width.set(3);
    set.states[gstate::on].values.line.style.set(2);
    set.states[gstate::on].values.textValues.size.set(20);
    set.states[gstate::on].values.text.set("running");
    set.states[gstate::masked].enable.set(0);
    set.states[gstate::error].enable.set(0);
    set.states[gstate::off].enable.set(0);

    int mode = 9;
    const gstateAppearance* from = set.pickState(gstate::off, mode);
    ASSERT_EQ(from, &set.states[gstate::on]);
    EXPECT_EQ(mode, gmergeMode::noColours);
    gstateAppearance off;
    off.setStateDefault(gstate::off);
    off.merge(*from, mode);
    EXPECT_EQ(off.values.line.width.get(), 3);
    EXPECT_EQ(off.values.line.style.get(), 2);
    EXPECT_EQ(off.values.fill.foreground, gcolor(0, 255, 0));
    EXPECT_EQ(std::string(off.values.text.getValue().view()), "running");

    from = set.pickState(gstate::masked, mode);
    ASSERT_EQ(from, &set.states[gstate::on]);
    EXPECT_EQ(mode, gmergeMode::shapeOnly);
    gstateAppearance masked;
    masked.setStateDefault(gstate::masked);
    masked.merge(*from, mode);
    EXPECT_EQ(masked.values.line.width.get(), 3);
    EXPECT_EQ(masked.values.line.style.get(), 1);
    EXPECT_EQ(masked.values.textValues.size.get(), 20);
    EXPECT_TRUE(masked.values.text.getValue().isEmpty());

    gpropDial dial;
    dial.setDefault();
    EXPECT_EQ(dial.pickState(gstate::on, mode), &dial.states[gstate::off]);
    EXPECT_EQ(mode, gmergeMode::noColours);
    EXPECT_EQ(dial.pickState(gstate::markerOn, mode), nullptr);
    EXPECT_EQ(dial.pickState(12, mode), nullptr);

    gpropMultistate multi;
    multi.setDefault();
    gstateAppearance& fresh = multi.ensureState(7, false);
    EXPECT_EQ(fresh.enable.get(), 0);
    EXPECT_EQ(fresh.values.fill.foreground, gcolor(0, 0, 255));
    EXPECT_EQ(fresh.values.fill.kind.get(), 2);
    multi.ensureState(9, true);
    EXPECT_EQ(multi.pickState(gstate::numbered, 7, mode), multi.findState(9));
    EXPECT_EQ(mode, 2);
    EXPECT_EQ(multi.pickState(gstate::numbered, 9, mode), &multi.states[gstate::masked]);
    EXPECT_EQ(mode, gmergeMode::shapeOnly);
}

TEST_F(propertySets, DefaultsAllowOnlyTheToolsThatNeedNoTarget)
{
    gdrawingProperties& d = drawingDefaults();
    for (int tool = 0; tool < fscreen::toolCount; ++tool)
        EXPECT_EQ(d.isComplete(tool), tool <= 3) << tool;
    gregister* mode = makeRegister("Mode", objectTypes::digitalRegister());
    d.multistate.reg.set(mode->getDigitalSupplement());
    EXPECT_FALSE(d.isComplete(5));
    d.multistate.ensureState(1, true);
    EXPECT_TRUE(d.isComplete(5));
    gregister* level = makeRegister("Level", objectTypes::analogRegister());
    d.marker.yReg.set(level->getAnalogSupplement());
    EXPECT_FALSE(d.isComplete(11));
    d.marker.xReg.set(level->getAnalogSupplement());
    EXPECT_TRUE(d.isComplete(11));
    d.control.action.set(3);
    EXPECT_TRUE(d.isComplete(12));
    d.control.station.reset();
    EXPECT_FALSE(d.isComplete(12));
}

TEST_F(propertySets, WholeSetMergesTakeValuesButNeverMixedOnes)
{
    gpropDigital defaults;
    defaults.setDefault();
    gpropDigital gathered;
    gathered.clear();
    gathered.base.merge(16);
    gathered.minimumDigits.merge(3);
    gathered.minimumDigits.merge(4);
    gathered.valueText.states[gstate::on].enable.merge(1);
    gathered.valueText.states[gstate::on].textValues.colour = gcolor(1, 2, 3);
    gathered.valueText.states[gstate::on].textValues.size.merge(22);
    gathered.valueText.states[gstate::masked].text.set("masked %");
    gathered.valueText.prefix.set("P: ");
    defaults.merge(gathered);
    EXPECT_EQ(defaults.base.get(), 16);
    EXPECT_EQ(defaults.minimumDigits.get(), 1);
    EXPECT_EQ(defaults.valueText.states[gstate::on].enable.get(), 0);
    EXPECT_EQ(defaults.valueText.states[gstate::on].textValues.colour, gcolor(0, 0, 0));
    EXPECT_EQ(defaults.valueText.states[gstate::on].textValues.size.get(), 22);
    EXPECT_EQ(std::string(defaults.valueText.states[gstate::masked].text.getValue().view()), "masked %");
    EXPECT_EQ(std::string(defaults.valueText.prefix.getValue().view()), "P: ");

    gpropControl control;
    control.setDefault();
    gpropControl network;
    network.clear();
    network.action.set(3);
    network.station.set("North");
    control.merge(network);
    EXPECT_EQ(control.action.get(), 3);
    EXPECT_EQ(std::string(control.station.getValue().view()), "North");
    EXPECT_FALSE(control.networkScreen.getValue().isNull());
    EXPECT_TRUE(control.isComplete());
}

TEST_F(propertySets, ReferencesSurviveClosingAndLoadingByTag)
{
    ASSERT_EQ(loadText("ANALOG_REG X\nLEVEL NONE\nEND\nANALOG_REG Y\nLEVEL NONE\nEND\nBISTATE_REG B\nEND\n"
                       "SCREEN Target\nBOUNDS 0, 0, 9, 9\nEND\n"),
              gloadError::none);
    gdrawingProperties& d = drawingDefaults();
    d.marker.xReg.set(station::registers().find("X")->getAnalogSupplement());
    d.marker.yReg.set(station::registers().find("Y")->getAnalogSupplement());
    d.bistate.reg.set(station::registers().find("B"));
    d.control.action.set(2);
    d.control.screen.set(station::screens().find("Target"));
    closeObjectDatabase();
    EXPECT_FALSE(refersToObject(d.marker.xReg));
    EXPECT_FALSE(refersToObject(d.bistate.reg));
    EXPECT_FALSE(refersToObject(d.control.screen));

    ASSERT_EQ(loadText("ANALOG_REG Y\nLEVEL NONE\nEND\nANALOG_REG X\nLEVEL NONE\nEND\n"
                       "SCREEN Target\nBOUNDS 0, 0, 9, 9\nEND\n"),
              gloadError::none);
    EXPECT_EQ(referredObject(d.marker.xReg), station::registers().find("X")->getAnalogSupplement());
    EXPECT_EQ(referredObject(d.marker.yReg), station::registers().find("Y")->getAnalogSupplement());
    EXPECT_FALSE(refersToObject(d.bistate.reg));
    EXPECT_TRUE(d.bistate.reg.hasValue());
    EXPECT_EQ(referredObject(d.control.screen), station::screens().find("Target"));

    d.forgetRegister(station::registers().find("X"));
    EXPECT_FALSE(refersToObject(d.marker.xReg));
    EXPECT_TRUE(refersToObject(d.marker.yReg));
    d.control.program.set(makeProgram("P"));
    d.forgetScreen(station::screens().find("Target"));
    EXPECT_EQ(d.control.action.get(), 1);
}

TEST_F(propertySets, ImagesAreFoundAgainByNameOrFallToTheFirst)
{
    ASSERT_TRUE(loadLibrary(libraryBytes({{"", 0, 0, 1, 1, 1}, {"a", 0, 0, 1, 1, 2}, {"b", 0, 0, 1, 1, 3}})));
    gpropStatic set;
    set.setDefault();
    EXPECT_EQ(std::string(set.values.image.name.getValue().view()),
              std::string(imageLibrary().first()->getName().view()));
    set.values.image.name.set("B");
    set.resolveImages();
    EXPECT_EQ(std::string(set.values.image.name.getValue().view()), "B");
    set.values.image.name.set("gone");
    set.resolveImages();
    EXPECT_EQ(std::string(set.values.image.name.getValue().view()),
              std::string(imageLibrary().first()->getName().view()));
}

} // namespace
