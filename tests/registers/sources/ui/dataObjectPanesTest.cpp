#include "g2driver/editor/CParameterValuesPanel.h"
#include "ports/gdevice.h"
#include "ports/gserialPort.h"
#include "g2driver/model/g2driver.h"
#include "registers/gregisterSupplement.h"
#include "registers/sources/gsourceDataObject.h"
#include "registers/sources/ui/CAllowedStringsPage.h"
#include "registers/sources/ui/CDataObjectSourcePane.h"
#include "registers/sources/ui/sourcePaneTestSupport.h"
#include "store/stationFile.h"

namespace {

using pane = CDataObjectSourcePane;
using analogPane = CDataObjectAnalogSourcePane;

// The station of the data-object register sources: the port COM1 with the
// G2 device M1 of the driver Meter, whose objects are Running, Mode, Flow,
// Label and the internal Secret.
class dataObjectPanesTest : public registerDialogTest {
protected:
    void SetUp() override
    {
        registerDialogTest::SetUp();
        std::string path(KORVEL_TEST_DATA_DIR);
        path.append("/registers/sources/fixtures/dataObjectRegisters.stn");
        ASSERT_EQ(loadObjectFile(gstrSlice(path.c_str()), false, false), gloadError::none);
    }
    static gregister* reg(const char* tag) { return station::registers().find(tag); }
};

TEST_F(dataObjectPanesTest, UnchangedSourcesStayAsTheyWere)
{
    const std::pair<const char*, int> registers[] = {{"B11", 1}, {"B12", 1}, {"D13", 2},
                                                     {"A16", 3}, {"S17", 4}, {"S18", 4}};
    for (const auto& [tag, classCode] : registers) {
        SCOPED_TRACE(tag);
        gregister* r = reg(tag);
        std::string before = sourceLines(*r);
        EXPECT_EQ(run(classCode, r, r, [](CDialog& d) { d.sendCommand(IDOK); }), r);
        EXPECT_EQ(sourceLines(*r), before);
    }
}

TEST_F(dataObjectPanesTest, NewBistateSourceOffersTheObjectsItCanRead)
{
    gregister* made = run(1, nullptr, nullptr, [](CDialog& d) {
        d.setControlText(CRegisterDialog::tagId, "Run");
        ASSERT_TRUE(chooseSourceType(d, 11));
        CSourcePane& p = paneOf(d);
        EXPECT_EQ(items(p, pane::portId), std::vector<std::string>{"COM1"});
        EXPECT_EQ(items(p, pane::deviceId), std::vector<std::string>{"M1"});
        EXPECT_EQ(items(p, pane::dataObjectId), std::vector<std::string>{"Running"});
        p.setChecked(CDataObjectBistateSourcePane::invertId, true);
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(sourceLines(*made), "\tSOURCE\t\tBISTATE\n\t\tDEVICE\t\tCOM1, M1\n\t\tDRIVER\t\tMeter\n"
                                  "\t\t\tOBJECT\t\tRunning\n\t\tEND\n\t\tINVERT\t\tYES\n\tEND\n");
    EXPECT_NE(users(*station::serialPorts().find("COM1")->devices().find("M1")).find("The register Run"),
              std::string::npos);
}

TEST_F(dataObjectPanesTest, AnalogPaneTakesValuesAndChecksFactorFirst)
{
    gregister* a16 = reg("A16");
    run(3, a16, a16, [this](CDialog& d) {
        auto& p = static_cast<analogPane&>(paneOf(d));
        EXPECT_EQ(items(p, pane::dataObjectId), (std::vector<std::string>{"Flow", "Mode"}));
        EXPECT_EQ(p.panel().rowCount(), 2);
        EXPECT_FALSE(p.needsOwnElementCount());
        p.setControlText(analogPane::factorId, "");
        p.setControlText(analogPane::offsetId, "");
        d.sendCommand(IDOK);
        EXPECT_EQ(prompts(), std::vector<int>{10393});
        EXPECT_TRUE(p.hasFocus(analogPane::factorId));
        p.setControlText(analogPane::factorId, "2");
        d.sendCommand(IDOK);
        EXPECT_EQ(prompts(), (std::vector<int>{10393, 10303}));
        p.setControlText(analogPane::offsetId, "0");
        d.sendCommand(IDOK);
    });
    std::string lines = sourceLines(*a16);
    EXPECT_NE(lines.find("\t\tFACTOR\t\t2\n"), std::string::npos) << lines;
    EXPECT_EQ(lines.find("OFFSET"), std::string::npos) << lines;
}

TEST_F(dataObjectPanesTest, AStationWithoutPortsOffersNone)
{
    emptyAll();
    run(4, nullptr, nullptr, [this](CDialog& d) {
        chooseSourceType(d, 17);
        EXPECT_EQ(user.lastMessage().promptId, 10186);
        EXPECT_EQ(dynamic_cast<pane*>(dynamic_cast<CRegisterDialog&>(d).sourcePane()), nullptr);
        d.sendCommand(IDCANCEL);
    });
}

// The filter pane needs an allowed string; the bit-mask pane offers the
// digital objects.
TEST_F(dataObjectPanesTest, FilterAndBitMaskPanesCheckTheirChildPanes)
{
    gregister* s18 = reg("S18");
    run(4, s18, s18, [this](CDialog& d) {
        auto& p = static_cast<CDataObjectFilterSourcePane&>(paneOf(d));
        CAllowedStringsPage& page = p.allowedPage();
        EXPECT_EQ(page.itemCount(CAllowedStringsPage::listId), 2);
        while (page.itemCount(CAllowedStringsPage::listId) > 0) {
            page.selectItem(CAllowedStringsPage::listId, 0);
            page.sendCommand(CAllowedStringsPage::deleteId);
        }
        d.sendCommand(IDOK);
        EXPECT_EQ(prompts(), std::vector<int>{10067});
        d.sendCommand(IDCANCEL);
    });
    EXPECT_NE(sourceLines(*s18).find("ALLOW"), std::string::npos);

    run(1, nullptr, nullptr, [](CDialog& d) {
        d.setControlText(CRegisterDialog::tagId, "Masked");
        ASSERT_TRUE(chooseSourceType(d, 12));
        CSourcePane& p = paneOf(d);
        EXPECT_EQ(items(p, pane::dataObjectId), std::vector<std::string>{"Mode"});
        d.sendCommand(IDCANCEL);
    });
}

// Another port with a device of the same tag keeps the device's and the
// object's names and the values typed.
TEST_F(dataObjectPanesTest, AnotherPortKeepsTheDeviceAndObjectOfTheSameNames)
{
    gserialPort* com2 = station::serialPorts().define("COM2");
    gdevice* twin = com2->addDeviceCopy(*com2->getDevice("M1"));
    twin->setDriver(station::g2Drivers().find("Meter"));
    gregister* d13 = reg("D13");
    run(2, d13, d13, [](CDialog& d) {
        CSourcePane& p = paneOf(d);
        EXPECT_EQ(items(p, pane::portId), (std::vector<std::string>{"COM1", "COM2"}));
        p.controlAs<QComboBox>(pane::portId)->setCurrentIndex(1);
        EXPECT_EQ(items(p, pane::deviceId), std::vector<std::string>{"M1"});
        EXPECT_EQ(textOf(p, pane::dataObjectId), "Mode");
        d.sendCommand(IDOK);
    });
    auto& source = sourceAs<gsourceDataObjectDigital>(d13->getSupplement()->getSource());
    EXPECT_EQ(source.part().getDevice(), twin);
    EXPECT_NE(sourceLines(*d13).find("DEVICE\t\tCOM2, M1"), std::string::npos) << sourceLines(*d13);
    EXPECT_NE(sourceLines(*d13).find("PARAMETER\tChannel, DIGITAL, 1"), std::string::npos);
}

} // namespace
