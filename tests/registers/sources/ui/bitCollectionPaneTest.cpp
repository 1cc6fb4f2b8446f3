#include "legacyPaneFixture.h"

#include "platform/settingsStore.h"
#include "registers/gdigitalSupplement.h"
#include "registers/sources/gsourceLegacyBitCollection.h"
#include "registers/sources/ui/CBitSectionMasksPane.h"
#include "registers/sources/ui/CBitSectionPage.h"
#include "registers/sources/ui/CLegacyBitCollectionSourcePane.h"
#include "registers/sources/ui/bitSectionRows.h"
#include "shell/CByteMaskCtrl.h"
#include "shell/CByteRotateCtrl.h"

#include <QTreeWidget>

namespace {

using collection = CLegacyBitCollectionSourcePane;

const char* const threeSections =
    "DIGITAL_REG B\nSOURCE BIT COLLECTION\nMASK 5\n"
    "SECTION\nRESPONSE South, Meter, Status\nTYPE HEX\nMASK 1\nROTATE_LEFT 29\nEND\n"
    "SECTION\nRESPONSE North, Meter, Value\nTYPE HEX\nMASK 2\nROTATE_LEFT -3\nEND\n"
    "SECTION\nRESPONSE North, Meter, Status\nTYPE HEX\nMASK 3, 8\nEND\nEND\nEND\n";

std::vector<std::string> column(CDialog& p, int c)
{
    auto* list = p.controlAs<QTreeWidget>(collection::sectionsId);
    std::vector<std::string> texts;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        texts.push_back(list->topLevelItem(row)->text(c).toStdString());
    return texts;
}

gsourceLegacyBitCollection& sourceOf(gregister& reg)
{
    return sourceAs<gsourceLegacyBitCollection>(reg.getDigitalSupplement()->getSource());
}

TEST(bitCollectionPane, RotationTexts)
{
    const std::pair<int, const char*> cases[] = {{0, "0"},     {5, "<- 5"},  {16, "16"},
                                                 {17, "15 ->"}, {31, "1 ->"}, {-3, "3 ->"}};
    for (auto [rotate, text] : cases)
        EXPECT_EQ(bitRotationText(rotate).view(), text) << rotate;
}

// The rows sort by description, then by the stored rotate count; a header
// click makes its column the first key.
TEST_F(legacyPaneTest, SectionsSortAndKeys)
{
    gregister* reg = loadRegister(threeSections).reg;
    run(2, reg, reg, [](CDialog& d) {
        auto& p = static_cast<collection&>(pane(d));
        EXPECT_EQ(p.templateId(), 513);
        EXPECT_EQ(column(p, 0), (std::vector<std::string>{"North line - Meter 12 - Status",
                                                          "North line - Meter 12 - Value",
                                                          "South - Meter, legacy - Status"}));
        EXPECT_EQ(column(p, 1), (std::vector<std::string>{"0", "3 ->", "3 ->"}));
        EXPECT_EQ(column(p, 2), (std::vector<std::string>{"$08", "$00", "$00"}));
        EXPECT_EQ(p.spareColumn(), 2);
        p.controlAs<QTreeWidget>(collection::sectionsId)->setCurrentItem(
            p.controlAs<QTreeWidget>(collection::sectionsId)->topLevelItem(2));
        p.headerClicked(3);
        EXPECT_EQ(column(p, 3), (std::vector<std::string>{"$01", "$02", "$03"}));
        EXPECT_EQ(std::vector<int>(p.sortKeys(), p.sortKeys() + 3), (std::vector<int>{3, 0, 1}));
        p.headerClicked(2);
        EXPECT_EQ(std::vector<int>(p.sortKeys(), p.sortKeys() + 3), (std::vector<int>{2, 3, 1}));
        EXPECT_EQ(p.spareColumn(), 1);
        d.sendCommand(IDCANCEL);
    });
    EXPECT_EQ(profileInt("Dialogs\\Edit Bit Collection", "SortColumn1", -1), 2);

    writeProfileInt("Dialogs\\Edit Bit Collection", "SortColumn1", 2);
    writeProfileInt("Dialogs\\Edit Bit Collection", "SortColumn2", 0);
    writeProfileInt("Dialogs\\Edit Bit Collection", "SortColumn3", 1);
    run(2, reg, reg, [](CDialog& d) {
        EXPECT_EQ(static_cast<collection&>(pane(d)).spareColumn(), 3);
        d.sendCommand(IDCANCEL);
    });
}

// OK keeps the sections in the source's order; a second unchanged edit
// writes the same lines. Cancel after changes keeps the source as it was.
TEST_F(legacyPaneTest, SectionsKeepTheSourceOrder)
{
    gregister* reg = loadRegister(threeSections).reg;
    std::string loaded = writtenRegister(*reg);
    run(2, reg, reg, [](CDialog& d) {
        auto& p = pane(d);
        p.controlAs<QTreeWidget>(collection::sectionsId)->setCurrentItem(
            p.controlAs<QTreeWidget>(collection::sectionsId)->topLevelItem(0));
        p.sendCommand(collection::deleteId);
        d.sendCommand(IDCANCEL);
    });
    EXPECT_EQ(writtenRegister(*reg), loaded);

    run(2, reg, reg, [](CDialog& d) { d.sendCommand(IDOK); });
    auto& sections = sourceOf(*reg).collection().sections();
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(sections[0]->location().describe().view(), "South - Meter, legacy - Status");
    EXPECT_EQ(sections[2]->location().describe().view(), "North line - Meter 12 - Status");
    EXPECT_EQ(sections[1]->getOwner(), &sourceOf(*reg));
    EXPECT_EQ(sourceOf(*reg).collection().getXorMask(), 5u);
    std::string once = writtenRegister(*reg);
    run(2, reg, reg, [](CDialog& d) { d.sendCommand(IDOK); });
    EXPECT_EQ(writtenRegister(*reg), once);
}

// Which section a bit comes from depends on their order, which the sorted
// rows do not show; a section edited without changes keeps a rotate count
// outside 0 to 31 as it was written.
TEST_F(legacyPaneTest, UnchangedOkKeepsSectionsAndTheirRotation)
{
    gregister* reg = loadRegister("DIGITAL_REG B\nSOURCE BIT COLLECTION\n"
                                  "SECTION\nRESPONSE North, Meter, Status\nTYPE HEX\nMASK 3, 8\nEND\n"
                                  "SECTION\nRESPONSE South, Meter, Status\nTYPE HEX\nMASK 1\nROTATE_LEFT -4\nEND\n"
                                  "SECTION\nRESPONSE North, Meter, Value\nTYPE HEX\nMASK 2\nEND\nEND\nEND\n")
                         .reg;
    const std::string loaded = writtenRegister(*reg);
    ASSERT_NE(loaded.find("\t\t\tROTATE_LEFT\t-4\n"), std::string::npos) << loaded;
    run(2, reg, reg, [](CDialog& d) { d.sendCommand(IDOK); });
    EXPECT_EQ(writtenRegister(*reg), loaded);

    run(2, reg, reg, [this](CDialog& d) {
        auto& p = pane(d);
        auto* list = p.controlAs<QTreeWidget>(collection::sectionsId);
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            list->setCurrentItem(list->topLevelItem(row));
            user.scripts.push_back([](CDialog& s) { s.sendCommand(IDOK); });
            p.sendCommand(collection::editId);
        }
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(writtenRegister(*reg), loaded);
    EXPECT_TRUE(user.messages.empty());
}

// New, Duplicate, Edit and Delete through the Bit Section dialog.
TEST_F(legacyPaneTest, SectionDialogs)
{
    gregister* made = newRegister(2, 25, [this](CDialog& d, CSourcePane& p) {
        d.sendCommand(IDOK);
        user.scripts.push_back([](CDialog& s) {
            EXPECT_EQ(s.templateId(), 514);
            EXPECT_EQ(s.windowTitle(), "New Bit Section");
            choose(s, CLegacySourcePane::portId, "North line");
            auto* masks = s.findChild<CBitSectionMasksPane*>();
            EXPECT_EQ(masks->templateId(), 818);
            s.sendCommand(IDOK);
            EXPECT_TRUE(masks->hasFocus(CBitSectionMasksPane::andMaskId));
            dynamic_cast<CByteMaskCtrl*>(masks->control(CBitSectionMasksPane::andMaskId))->setMask(0x30);
            masks->spinRotation(1);
            EXPECT_EQ(masks->rotation(), 31);
            masks->spinRotation(-1);
            masks->spinRotation(-1);
            EXPECT_EQ(masks->rotation(), 1);
            s.sendCommand(IDOK);
        });
        p.sendCommand(collection::newId);
        EXPECT_TRUE(p.isControlEnabled(collection::duplicateId));
        user.scripts.push_back([](CDialog& s) {
            EXPECT_EQ(s.windowTitle(), "New Bit Section");
            EXPECT_EQ(selected(s, CLegacySourcePane::portId), "North line");
            choose(s, CLegacySourcePane::portId, "South");
            s.sendCommand(IDOK);
        });
        p.sendCommand(collection::duplicateId);
        EXPECT_EQ(column(p, 0), (std::vector<std::string>{"North line - Meter 12 - Alarm",
                                                          "South - Meter, legacy - Alarm"}));
        user.scripts.push_back([](CDialog& s) {
            EXPECT_EQ(s.windowTitle(), "Bit Section");
            choose(s, CLegacyDataTypeSourcePane::dataTypeId, "Hexadecimal");
            s.sendCommand(IDOK);
        });
        p.sendCommand(collection::editId);
        EXPECT_EQ(column(p, 1), (std::vector<std::string>{"<- 1", "<- 1"}));
        p.sendCommand(collection::deleteId);
        EXPECT_EQ(column(p, 0).size(), 1u);
        EXPECT_TRUE(p.isControlEnabled(collection::deleteId));
        p.sendCommand(collection::deleteId);
        EXPECT_FALSE(p.isControlEnabled(collection::deleteId));
        EXPECT_FALSE(p.isControlEnabled(collection::editId));
        user.scripts.push_back([](CDialog& s) {
            choose(s, CLegacySourcePane::portId, "South");
            dynamic_cast<CByteMaskCtrl*>(s.findChild<CBitSectionMasksPane*>()->control(CBitSectionMasksPane::andMaskId))
                ->setMask(1);
            s.sendCommand(IDOK);
        });
        p.sendCommand(collection::newId);
        dynamic_cast<CByteMaskCtrl*>(p.control(collection::xorMaskId))->setMask(0x81);
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(prompts(), (std::vector<int>{10148, 10004}));
    EXPECT_EQ(writtenRegister(*made), "DIGITAL_REG R\n\tLEVEL\t\tNONE\n\tNEW_LOG_STRINGS\tYES\n"
                                      "\tSOURCE\t\tBIT COLLECTION\n\t\tMASK\t\t129\n\t\tSECTION\n"
                                      "\t\t\tRESPONSE\tSouth, Meter, Alarm\n\t\t\tTYPE\t\tDECIMAL\n"
                                      "\t\t\tMASK\t\t1\n\t\tEND\n\tEND\nEND\n");
}

} // namespace
