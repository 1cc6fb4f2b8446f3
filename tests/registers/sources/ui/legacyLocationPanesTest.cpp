#include "legacyPaneFixture.h"

#include "registers/sources/ui/CBitMaskPane.h"
#include "registers/sources/ui/CEditValueMapDialog.h"
#include "registers/sources/ui/CLegacyBitCollectionSourcePane.h"
#include "registers/sources/ui/CLegacyBitMaskSourcePane.h"
#include "registers/sources/ui/CLegacySearchStringSourcePane.h"
#include "registers/sources/ui/CLegacyValueSourcePanes.h"
#include "registers/ui/CEditAnalogRegisterDialog.h"
#include "shell/CByteMaskCtrl.h"

#include <QTreeWidget>

namespace {

using location = CLegacySourcePane;
using typed = CLegacyDataTypeSourcePane;

// A new pane picks the first port, device and data buffer, offset 0, a
// length of 1 not fixed, and decimal numbers; every register of a station
// edited without a change writes the same lines (a bit collection's are
// its own test).
TEST_F(legacyPaneTest, NewPaneDefaultsAndUnchangedEdits)
{
    newRegister(2, 22, [](CDialog&, CSourcePane& p) {
        EXPECT_EQ(p.templateId(), 525);
        EXPECT_EQ(selected(p, location::portId), "Empty");
        EXPECT_EQ(p.itemCount(location::deviceId), 0);
        choose(p, location::portId, "North line");
        EXPECT_EQ(selected(p, location::deviceId), "Meter 12");
        EXPECT_EQ(selected(p, location::dataBufferId), "Alarm");
        EXPECT_EQ(p.controlText(location::offsetId).view(), "0");
        EXPECT_EQ(p.controlText(location::lengthId).view(), "1");
        EXPECT_FALSE(p.isChecked(location::fixedLengthId));
        EXPECT_FALSE(p.isControlEnabled(location::lengthId));
        EXPECT_EQ(selected(p, typed::dataTypeId), "Decimal");
    });
    EXPECT_EQ(writtenRegister(*station::registers().find("R")),
              "DIGITAL_REG R\n\tLEVEL\t\tNONE\n\tNEW_LOG_STRINGS\tYES\n\tSOURCE\t\tDIRECT\n\t\tRESPONSE\tNorth, Meter, Alarm\n"
              "\t\tTYPE\t\tDECIMAL\n\tEND\nEND\n");

    loadFixture("legacySources.stn");
    const std::pair<const char*, int> registers[] = {
        {"Door", 1}, {"Mode", 2}, {"Stage", 2}, {"Alarmed", 2}, {"Level", 3}, {"Text", 4},
        {"Filtered", 4}, {"Computed", 1}, {"ComputedD", 2}, {"ComputedA", 3}, {"ComputedS", 4}};
    for (auto [tag, classCode] : registers) {
        SCOPED_TRACE(tag);
        gregister* reg = station::registers().find(tag);
        std::string before = writtenRegister(*reg);
        EXPECT_EQ(run(classCode, reg, reg, [](CDialog& d) { d.sendCommand(IDOK); }), reg);
        EXPECT_EQ(writtenRegister(*reg), before);
    }
    EXPECT_EQ(prompts(), std::vector<int>{});
}

// Choosing another port keeps the device and the data buffer where the new
// port has them; a port without devices, or devices without responses,
// refuses OK.
TEST_F(legacyPaneTest, PortChoiceKeepsWhatItCan)
{
    gregister* made = newRegister(4, 27, [](CDialog&, CSourcePane& p) {
        choose(p, location::portId, "North line");
        choose(p, location::dataBufferId, "Status");
        choose(p, location::portId, "South");
        EXPECT_EQ(selected(p, location::deviceId), "Meter, legacy");
        EXPECT_EQ(selected(p, location::dataBufferId), "Status");
        choose(p, location::deviceId, "Valve");
        EXPECT_EQ(selected(p, location::dataBufferId), "Position");
        choose(p, location::portId, "North line");
        EXPECT_EQ(selected(p, location::deviceId), "Meter 12");
        EXPECT_EQ(selected(p, location::dataBufferId), "Alarm");
        choose(p, location::portId, "Empty");
    });
    EXPECT_EQ(made, nullptr);
    EXPECT_EQ(prompts(), std::vector<int>{10326});
}

struct fieldCase {
    const char* offset;
    bool fixed;
    const char* length;
    int message; // 0: accepted
};

// The offset and the fixed length as typed; the first refusal names its
// field and keeps the dialog open.
TEST_F(legacyPaneTest, OffsetAndLengthRanges)
{
    const fieldCase cases[] = {
        {"2147483646", false, "", 0}, {"-2147483648", false, "", 0}, {"2147483647", false, "", 10534},
        {"2147483648", false, "", 10534}, {"", false, "", 10534}, {"3", true, "0", 10328},
        {"3", true, "", 10328}, {"3", true, "7", 0},
    };
    for (const fieldCase& c : cases) {
        SCOPED_TRACE(c.offset + std::string(" ") + c.length);
        user.messages.clear();
        gregister* made = newRegister(4, 27, [&](CDialog&, CSourcePane& p) {
            choose(p, location::portId, "South");
            p.setControlText(location::offsetId, c.offset);
            if (c.fixed)
                clickButton(p, location::fixedLengthId);
            p.setControlText(location::lengthId, c.length);
        });
        EXPECT_EQ(made != nullptr, c.message == 0);
        EXPECT_EQ(prompts(), c.message ? std::vector<int>{c.message} : std::vector<int>{});
        emptyRegisters();
    }
}

// The search key is compiled as typed; unchecking the box drops it however
// the field reads.
TEST_F(legacyPaneTest, SearchKeyChecks)
{
    auto key = [this](const char* text, bool use) {
        user.messages.clear();
        gregister* made = newRegister(4, 27, [&](CDialog&, CSourcePane& p) {
            choose(p, location::portId, "South");
            if (use)
                clickButton(p, location::useKeyId);
            p.setControlText(location::keyId, text);
        });
        return made ? writtenRegister(*made) : std::string("refused ") + std::to_string(prompts().at(0));
    };
    EXPECT_EQ(key("", true), "refused 10150");
    EXPECT_EQ(key("(a", true), "refused 10090");
    EXPECT_NE(key(" A, B", true).find("\t\tKEY\t\t\" A, B\"\n"), std::string::npos);
    emptyRegisters();
    EXPECT_EQ(key("V=", false).find("KEY"), std::string::npos);
}

// The data type fixes the length it needs as it is chosen and again on OK.
TEST_F(legacyPaneTest, DataTypeAdjustsTheLength)
{
    newRegister(2, 22, [](CDialog&, CSourcePane& p) {
        choose(p, location::portId, "South");
        choose(p, typed::dataTypeId, "Byte (signed)");
        EXPECT_TRUE(p.isChecked(location::fixedLengthId));
        EXPECT_EQ(p.controlText(location::lengthId).view(), "1");
        choose(p, typed::dataTypeId, "Decimal");
        p.setControlText(location::lengthId, "7");
        choose(p, typed::dataTypeId, "Multibyte (hi-lo, signed)");
        EXPECT_EQ(p.controlText(location::lengthId).view(), "4");
        clickButton(p, location::fixedLengthId);
        p.setControlText(location::lengthId, "");
        choose(p, typed::dataTypeId, "BCD");
        EXPECT_TRUE(p.isChecked(location::fixedLengthId));
        EXPECT_EQ(p.controlText(location::lengthId).view(), "1");
        choose(p, typed::dataTypeId, "Byte (unsigned)");
        p.setControlText(location::lengthId, "2");
    });
    EXPECT_EQ(prompts(), std::vector<int>{10011});
}

// The masks pane refuses an empty AND mask; a loaded inverted source shows
// "In&verted".
TEST_F(legacyPaneTest, BitMaskPane)
{
    gregister* made = run(1, nullptr, nullptr, [](CDialog& d) {
        d.setControlText(CRegisterDialog::tagId, "R");
        chooseType(d, 20);
        CSourcePane& p = pane(d);
        EXPECT_EQ(p.templateId(), 512);
        choose(p, location::portId, "North line");
        auto* masks = p.findChild<CBitMaskPane*>();
        EXPECT_EQ(masks->templateId(), 833);
        EXPECT_TRUE(masks->isChecked(CBitMaskPane::normalId));
        d.sendCommand(IDOK);
        EXPECT_TRUE(masks->hasFocus(CBitMaskPane::andMaskId));
        dynamic_cast<CByteMaskCtrl*>(masks->control(CBitMaskPane::andMaskId))->setMask(0x0F);
        dynamic_cast<CByteMaskCtrl*>(masks->control(CBitMaskPane::xorMaskId))->setMask(0x100);
        clickButton(*masks, CBitMaskPane::invertedId);
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(prompts(), std::vector<int>{10004});
    EXPECT_EQ(writtenRegister(*made), "BISTATE_REG R\n\tLEVEL\t\tNONE\n\tNEW_LOG_STRINGS\tYES\n\tSOURCE\t\tBIT MASK\n"
                                      "\t\tRESPONSE\tNorth, Meter, Alarm\n\t\tTYPE\t\tDECIMAL\n"
                                      "\t\tMASK\t\t15, 256\n\t\tINVERT\t\tYES\n\tEND\nEND\n");
    run(1, made, made, [](CDialog& d) {
        EXPECT_TRUE(pane(d).findChild<CBitMaskPane*>()->isChecked(CBitMaskPane::invertedId));
        d.sendCommand(IDCANCEL);
    });
}

// The location is checked first; the search string is compiled exactly as
// typed, blanks included.
TEST_F(legacyPaneTest, SearchStringPane)
{
    using searchPane = CLegacySearchStringSourcePane;
    gregister* made = run(1, nullptr, nullptr, [this](CDialog& d) {
        d.setControlText(CRegisterDialog::tagId, "R");
        chooseType(d, 21);
        CSourcePane& p = pane(d);
        EXPECT_EQ(p.templateId(), searchPane::templateId);
        EXPECT_TRUE(p.controlText(searchPane::searchId).isEmpty());
        EXPECT_TRUE(p.isChecked(searchPane::normalId));
        choose(p, location::portId, "Empty");
        d.sendCommand(IDOK);
        EXPECT_EQ(prompts().back(), 10326);
        choose(p, location::portId, "North line");
        d.sendCommand(IDOK);
        EXPECT_EQ(prompts().back(), 10409);
        EXPECT_TRUE(p.hasFocus(searchPane::searchId));
        p.setControlText(searchPane::searchId, "(a");
        d.sendCommand(IDOK);
        EXPECT_EQ(prompts().back(), 10408);
        EXPECT_TRUE(p.hasFocus(searchPane::searchId));
        p.setControlText(searchPane::searchId, " a+");
        clickButton(p, searchPane::invertedId);
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(writtenRegister(*made), "BISTATE_REG R\n\tLEVEL\t\tNONE\n\tNEW_LOG_STRINGS\tYES\n"
                                      "\tSOURCE\t\tSEARCH STRING\n\t\tRESPONSE\tNorth, Meter, Alarm\n"
                                      "\t\tSEARCH_STRING\t\" a+\"\n\t\tINVERT\t\tYES\n\tEND\nEND\n");
    run(1, made, made, [](CDialog& d) {
        EXPECT_EQ(pane(d).controlText(searchPane::searchId).view(), " a+");
        EXPECT_TRUE(pane(d).isChecked(searchPane::invertedId));
        d.sendCommand(IDCANCEL);
    });
}

// The value map is edited in its own dialog and stored on OK.
TEST_F(legacyPaneTest, DirectValueMap)
{
    std::vector<std::function<void(CDialog&)>> dialogs;
    dialogs.push_back([](CDialog& map) {
        EXPECT_EQ(map.templateId(), 822);
        map.sendCommand(CEditValueMapDialog::addId);
        map.sendCommand(CEditValueMapDialog::addId);
        map.sendCommand(CEditValueMapDialog::addId);
        map.selectItem(CEditValueMapDialog::listId, 0);
        map.sendCommand(CEditValueMapDialog::modifyId);
        map.sendCommand(IDOK);
    });
    dialogs.push_back([](CDialog& entry) { // 0 -> 0, as proposed
        EXPECT_EQ(entry.controlText(CValueMapEntryDialog::sourceValueId).view(), "0");
        entry.sendCommand(IDOK);
    });
    dialogs.push_back([](CDialog& entry) { // 1 proposed; 5 -> 9
        EXPECT_EQ(entry.controlText(CValueMapEntryDialog::sourceValueId).view(), "1");
        entry.setControlText(CValueMapEntryDialog::sourceValueId, "5");
        entry.setControlText(CValueMapEntryDialog::objectValueId, "9");
        entry.sendCommand(IDOK);
    });
    dialogs.push_back([](CDialog& entry) { // 0 again, the first entry's: replace? No, then Cancel
        entry.setControlText(CValueMapEntryDialog::sourceValueId, "0");
        entry.sendCommand(IDOK);
        EXPECT_FALSE(entry.hasEnded());
        entry.sendCommand(IDCANCEL);
    });
    dialogs.push_back([](CDialog& entry) { // 0 changed to 5: replace? No, then 2
        EXPECT_EQ(entry.windowTitle(), "Change Value Map Entry");
        entry.setControlText(CValueMapEntryDialog::sourceValueId, "5");
        entry.sendCommand(IDOK);
        entry.setControlText(CValueMapEntryDialog::sourceValueId, "2");
        entry.setControlText(CValueMapEntryDialog::objectValueId, "");
        entry.sendCommand(IDOK);
        entry.setControlText(CValueMapEntryDialog::objectValueId, "3");
        entry.sendCommand(IDOK);
    });
    gregister* made = newRegister(2, 22, [&](CDialog&, CSourcePane& p) {
        choose(p, location::portId, "South");
        for (auto& script : dialogs)
            user.scripts.push_back(script);
        p.sendCommand(CLegacyDirectSourcePane::valueMapId);
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(prompts(), (std::vector<int>{10667, 10667, 10669}));
    EXPECT_NE(writtenRegister(*made).find("\t\tVALUE_MAP\t2, 3\n\t\tVALUE_MAP\t5, 9\n\tEND"), std::string::npos);
}

// The level pane gives the analog register one element and refuses a
// factor or offset that is not a number, or one a file could not read back.
TEST_F(legacyPaneTest, LevelFactorAndOffset)
{
    gregister* made = run(3, nullptr, nullptr, [](CDialog& d) {
        d.setControlText(CRegisterDialog::tagId, "R");
        d.setControlText(CEditAnalogRegisterDialog::sizeId, "4");
        chooseType(d, 26);
        EXPECT_EQ(d.controlText(CEditAnalogRegisterDialog::sizeId).view(), "1");
        CSourcePane& p = pane(d);
        EXPECT_FALSE(p.needsOwnElementCount());
        choose(p, location::portId, "North line");
        p.setControlText(CLegacyLevelSourcePane::factorId, "x");
        d.sendCommand(IDOK);
        p.setControlText(CLegacyLevelSourcePane::factorId, "1E999");
        d.sendCommand(IDOK);
        p.setControlText(CLegacyLevelSourcePane::factorId, "2.5");
        p.setControlText(CLegacyLevelSourcePane::valueOffsetId, "");
        d.sendCommand(IDOK);
        p.setControlText(CLegacyLevelSourcePane::valueOffsetId, "-1");
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(prompts(), (std::vector<int>{10006, 10006, 10007}));
    EXPECT_EQ(writtenRegister(*made), "ANALOG_REG R\n\tLEVEL\t\tNONE\n\tNEW_LOG_STRINGS\tYES\n\tSOURCE\t\tLEVEL\n"
                                      "\t\tRESPONSE\tNorth, Meter, Alarm\n\t\tTYPE\t\tDECIMAL\n"
                                      "\t\tVALUE_OFFSET\t-1\n\t\tFACTOR\t\t2.5\n\tEND\nEND\n");
}

// Without ports no legacy pane opens; the type stays.
TEST_F(legacyPaneTest, NoPortsNoPane)
{
    emptyAll();
    recordingMessages loading;
    ASSERT_EQ(loadStationText("DRIVER Meter\nEND\n", loading), 0);
    run(4, nullptr, nullptr, [this](CDialog& d) {
        chooseType(d, 27);
        EXPECT_EQ(static_cast<CRegisterDialog&>(d).sourceTypeCode(), 4);
        EXPECT_EQ(prompts(), std::vector<int>{10186});
        d.sendCommand(IDCANCEL);
    });
}

} // namespace

namespace {

std::string sourceBlock(const std::string& written) { return written.substr(written.find("\tSOURCE")); }

// A duplicate gets a source of its own with the same lines; the objects it
// reads now name both registers.
TEST_F(legacyPaneTest, DuplicateCopiesTheSource)
{
    loadFixture("legacySources.stn");
    for (auto [tag, classCode] : {std::pair{"Door", 1}, {"Mode", 2}, {"Alarmed", 2}, {"Filtered", 4}}) {
        SCOPED_TRACE(tag);
        gregister* from = station::registers().find(tag);
        gregister* copy = run(classCode, from, nullptr, [](CDialog& d) {
            d.setControlText(CRegisterDialog::tagId, "Copy");
            d.sendCommand(IDOK);
        });
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(sourceBlock(writtenRegister(*copy)), sourceBlock(writtenRegister(*from)));
        emptyRegisters();
        loadFixture("legacySources.stn");
    }
    EXPECT_EQ(prompts(), std::vector<int>{});
}

// A file may give a byte type without a length, which the panes ask for
// when one is typed: the unchanged location is confirmed as it was, in every
// pane that reads a data type and in a bit section, while a new one is still
// refused.
TEST_F(legacyPaneTest, ByteTypesWithoutLengthAreConfirmedUnchanged)
{
    const std::pair<const char*, int> registers[] = {
        {"BISTATE_REG R\nSOURCE BIT MASK\nRESPONSE North, Meter, Status\nTYPE BYTE\nMASK 1\nEND\nEND\n", 1},
        {"ANALOG_REG R\nSOURCE LEVEL\nRESPONSE North, Meter, Value\nTYPE SIGNED BYTE\nEND\nEND\n", 3},
        {"DIGITAL_REG R\nSOURCE DIRECT\nRESPONSE North, Meter, Value\nTYPE BYTE\nEND\nEND\n", 2},
        {"DIGITAL_REG R\nSOURCE THRESHOLDS\nRESPONSE North, Meter, Value\nTYPE SIGNED BYTE\nBOTTOM 0\n"
         "THRESHOLD 1, 1\nEND\nEND\n",
         2},
    };
    for (auto [text, classCode] : registers) {
        SCOPED_TRACE(text);
        emptyRegisters();
        auto [before, after] = editUnchanged(text, classCode);
        EXPECT_EQ(after, before);
        EXPECT_EQ(before.find("LENGTH"), std::string::npos);
    }

    emptyRegisters();
    gregister* reg = loadRegister("DIGITAL_REG B\nSOURCE BIT COLLECTION\nSECTION\nRESPONSE South, Meter, Status\n"
                                  "TYPE SIGNED BYTE\nMASK 240, 16\nEND\nEND\nEND\n")
                         .reg;
    const std::string loaded = writtenRegister(*reg);
    run(2, reg, reg, [this](CDialog& d) {
        auto* sections = pane(d).controlAs<QTreeWidget>(CLegacyBitCollectionSourcePane::sectionsId);
        sections->setCurrentItem(sections->topLevelItem(0));
        user.scripts.push_back([](CDialog& s) { s.sendCommand(IDOK); });
        pane(d).sendCommand(CLegacyBitCollectionSourcePane::editId);
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(writtenRegister(*reg), loaded);

    // The fixture's register of such a section: each of its sections and
    // the register confirmed unchanged.
    loadFixture("legacySources.stn");
    gregister* bits = station::registers().find("Bits");
    ASSERT_NE(bits, nullptr);
    const std::string bitsLoaded = writtenRegister(*bits);
    ASSERT_NE(bitsLoaded.find("TYPE\t\tSIGNED BYTE\n"), std::string::npos) << bitsLoaded;
    run(2, bits, bits, [this](CDialog& d) {
        auto* sections = pane(d).controlAs<QTreeWidget>(CLegacyBitCollectionSourcePane::sectionsId);
        EXPECT_EQ(sections->topLevelItemCount(), 2);
        for (int i = 0; i < sections->topLevelItemCount(); ++i) {
            sections->setCurrentItem(sections->topLevelItem(i));
            user.scripts.push_back([](CDialog& s) { s.sendCommand(IDOK); });
            pane(d).sendCommand(CLegacyBitCollectionSourcePane::editId);
        }
        d.sendCommand(IDOK);
    });
    EXPECT_TRUE(user.scripts.empty());
    EXPECT_EQ(writtenRegister(*bits), bitsLoaded);
    EXPECT_EQ(prompts(), std::vector<int>{});

    newRegister(2, 22, [](CDialog&, CSourcePane& p) {
        choose(p, location::portId, "North line");
        choose(p, typed::dataTypeId, "Byte (unsigned)");
        p.setChecked(location::fixedLengthId, false);
    });
    EXPECT_EQ(prompts(), std::vector<int>{10011});
}

} // namespace
