#include "g2driver/editor/CParameterValuesPanel.h"
#include "registers/gdigitalSupplement.h"
#include "registers/sources/gsourceDataObjectBitCollection.h"
#include "registers/sources/ui/CBitSectionMasksPane.h"
#include "registers/sources/ui/CDataObjectBitCollectionSourcePane.h"
#include "registers/sources/ui/CDataObjectBitSectionPage.h"
#include "registers/sources/ui/sourcePaneTestSupport.h"
#include "shell/CByteMaskCtrl.h"
#include "shell/CValueRowDialog.h"
#include "store/stationFile.h"

#include <QLineEdit>
#include <QTreeWidget>

namespace {

using collection = CDataObjectBitCollectionSourcePane;
using page = CDataObjectBitSectionPage;

// Device M1 on COM1 with the driver Meter: Mode is its one digital object,
// with the parameter Channel.
class dataObjectBitCollectionPaneTest : public registerDialogTest {
protected:
    void SetUp() override
    {
        registerDialogTest::SetUp();
        std::string path(KORVEL_TEST_DATA_DIR);
        path.append("/registers/sources/fixtures/dataObjectRegisters.stn");
        ASSERT_EQ(loadObjectFile(gstrSlice(path.c_str()), false, false), gloadError::none);
    }
    static std::string section(const char* channel, const char* masks)
    {
        return std::string("\t\tSECTION\n\t\t\tDEVICE\t\tCOM1, M1\n\t\t\tDRIVER\t\tMeter\n\t\t\t\tOBJECT\t\tMode\n"
                           "\t\t\t\tPARAMETER\tChannel, DIGITAL, ") +
               channel + "\n\t\t\tEND\n" + masks + "\t\tEND\n";
    }
    static std::vector<std::string> column(CDialog& p, int c)
    {
        auto* list = p.controlAs<QTreeWidget>(collection::sectionsId);
        std::vector<std::string> texts;
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            texts.push_back(list->topLevelItem(row)->text(c).toStdString());
        return texts;
    }
    static void select(CDialog& p, int row)
    {
        auto* list = p.controlAs<QTreeWidget>(collection::sectionsId);
        list->setCurrentItem(list->topLevelItem(row));
    }
    static CBitSectionMasksPane& masksOf(CDialog& s) { return dynamic_cast<page&>(s).masksPane(); }
    static void setChannel(CDialog& s, const char* value)
    {
        auto* panel = static_cast<CParameterValuesPanel*>(s.control(page::panelId));
        panel->row(0)->controlAs<QLineEdit>(1496)->setText(value);
    }
    static void setAndMask(CDialog& s, uint32_t mask)
    {
        dynamic_cast<CByteMaskCtrl*>(masksOf(s).control(CBitSectionMasksPane::andMaskId))->setMask(mask);
    }
};

// The rows sort by description, then rotate count; OK unchanged writes the
// same lines, and Cancel after a delete keeps the source.
TEST_F(dataObjectBitCollectionPaneTest, SectionsListAndComeBackUnchanged)
{
    const std::string text = "DIGITAL_REG B\n\tLEVEL\t\tNONE\n\tSOURCE\t\tG2D BIT COLLECTION\n\t\tMASK\t\t9\n" +
                             section("2", "\t\t\tMASK\t\t255, 1\n\t\t\tROTATE_LEFT\t-3\n") +
                             section("1", "\t\t\tMASK\t\t3\n\t\t\tROTATE_LEFT\t5\n") +
                             section("2", "\t\t\tMASK\t\t4\n\t\t\tROTATE_LEFT\t29\n") + "\tEND\nEND\n";
    gregister* reg = loadRegister(text).reg;
    ASSERT_NE(reg, nullptr);
    std::string before = writtenRegister(*reg);
    run(2, reg, reg, [](CDialog& d) {
        CSourcePane& p = paneOf(d);
        EXPECT_EQ(p.templateId(), 513);
        auto* list = p.controlAs<QTreeWidget>(collection::sectionsId);
        EXPECT_EQ(list->headerItem()->text(0).toStdString(), "Data Object");
        EXPECT_EQ(column(p, 0), (std::vector<std::string>{"COM1 - M1 - Mode (Channel = 1)",
                                                          "COM1 - M1 - Mode (Channel = 2)",
                                                          "COM1 - M1 - Mode (Channel = 2)"}));
        EXPECT_EQ(column(p, 1), (std::vector<std::string>{"<- 5", "3 ->", "3 ->"}));
        EXPECT_EQ(column(p, 3), (std::vector<std::string>{"$03", "$FF", "$04"}));
        // The spare AND mask column becomes the first key.
        auto& pane = static_cast<collection&>(p);
        EXPECT_EQ(pane.spareColumn(), 2);
        pane.headerClicked(3);
        EXPECT_EQ(std::vector<int>(pane.sortKeys(), pane.sortKeys() + 3), (std::vector<int>{3, 0, 1}));
        EXPECT_EQ(column(p, 3), (std::vector<std::string>{"$03", "$04", "$FF"}));
        select(p, 0);
        p.sendCommand(collection::deleteId);
        d.sendCommand(IDCANCEL);
    });
    EXPECT_EQ(writtenRegister(*reg), before);
    run(2, reg, reg, [](CDialog& d) { d.sendCommand(IDOK); });
    std::string once = writtenRegister(*reg);
    run(2, reg, reg, [](CDialog& d) { d.sendCommand(IDOK); });
    EXPECT_EQ(writtenRegister(*reg), once);
    auto& source = sourceAs<gsourceDataObjectBitCollection>(reg->getDigitalSupplement()->getSource());
    ASSERT_EQ(source.collection().sections().size(), 3u);
    EXPECT_EQ(&source.collection().sections()[0]->getOwner(), &source);
    EXPECT_EQ(source.collection().getXorMask(), 9u);
}

// New, Duplicate, Edit and Delete through the Bit Section dialog; an empty
// list and an empty AND mask are refused.
TEST_F(dataObjectBitCollectionPaneTest, SectionDialogs)
{
    gregister* made = run(2, nullptr, nullptr, [this](CDialog& d) {
        d.setControlText(CRegisterDialog::tagId, "Bits");
        ASSERT_TRUE(chooseSourceType(d, 15));
        CSourcePane& p = paneOf(d);
        d.sendCommand(IDOK);
        user.scripts.push_back([](CDialog& s) {
            EXPECT_EQ(s.templateId(), 839);
            EXPECT_EQ(s.windowTitle(), "New Bit Section");
            EXPECT_EQ(registerDialogTest::items(s, page::dataObjectId), std::vector<std::string>{"Mode"});
            setChannel(s, "4");
            s.sendCommand(IDOK);
            EXPECT_TRUE(masksOf(s).hasFocus(CBitSectionMasksPane::andMaskId));
            setAndMask(s, 0x30);
            s.sendCommand(IDOK);
        });
        p.sendCommand(collection::newId);
        EXPECT_TRUE(p.isControlEnabled(collection::duplicateId));
        user.scripts.push_back([](CDialog& s) {
            EXPECT_EQ(s.windowTitle(), "New Bit Section");
            setChannel(s, "3");
            s.sendCommand(IDOK);
        });
        p.sendCommand(collection::duplicateId);
        EXPECT_EQ(column(p, 0), (std::vector<std::string>{"COM1 - M1 - Mode (Channel = 3)",
                                                          "COM1 - M1 - Mode (Channel = 4)"}));
        user.scripts.push_back([](CDialog& s) {
            EXPECT_EQ(s.windowTitle(), "Bit Section");
            masksOf(s).spinRotation(-1);
            s.sendCommand(IDOK);
        });
        p.sendCommand(collection::editId);
        EXPECT_EQ(column(p, 1), (std::vector<std::string>{"<- 1", "0"}));
        select(p, 1);
        p.sendCommand(collection::deleteId);
        EXPECT_EQ(column(p, 0).size(), 1u);
        EXPECT_TRUE(p.isControlEnabled(collection::editId));
        dynamic_cast<CByteMaskCtrl*>(p.control(collection::xorMaskId))->setMask(0x81);
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(prompts(), (std::vector<int>{10148, 10004}));
    EXPECT_EQ(sourceLines(*made), "\tSOURCE\t\tG2D BIT COLLECTION\n\t\tMASK\t\t129\n" +
                                      section("3", "\t\t\tMASK\t\t48\n\t\t\tROTATE_LEFT\t1\n") + "\tEND\n");
}

} // namespace
