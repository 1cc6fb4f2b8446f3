#include "g2driver/editor/g2editFixture.h"

#include "formats/ui/CNumberInputFormatPage.h"
#include "g2driver/editor/CEditDataObjectDialog.h"
#include "g2driver/model/g2driverDataObject.h"
#include "registers/sources/ui/CThresholdPointsPage.h"
#include "registers/sources/ui/CThresholdsDataSourcePane.h"

namespace {

using objectDialog = CEditDataObjectDialog;
using thresholdsPane = CThresholdsDataSourcePane;
using pointsPage = CThresholdPointsPage;

// The driver of every source kind: Stepped reads a decimal number of
// command C (parameter Count) with bottom value 4 and the points -2.5 and
// 10.
class thresholdsDataSourcePane : public g2edit {
protected:
    void SetUp() override
    {
        g2edit::SetUp();
        std::string path(KORVEL_TEST_DATA_DIR);
        path.append("/registers/sources/fixtures/dataObjectSources.stn");
        ASSERT_EQ(loadObjectFile(gstrSlice(path.c_str()), false, false), 0);
        driver = station::g2Drivers().find("Sources");
        ASSERT_NE(driver, nullptr);
    }
    std::unique_ptr<objectDialog> open(g2driverDataObject* object)
    {
        return opened<objectDialog>(g2driverSourceTables{driver->commands(), driver->dataObjects(), driver->programs()},
                                    object, object, nullptr);
    }
    static thresholdsPane& pane(objectDialog& d) { return static_cast<thresholdsPane&>(*d.currentPane()); }

    g2driver* driver = nullptr;
};

TEST_F(thresholdsDataSourcePane, PointsComeBackAndAtLeastOneIsNeeded)
{
    g2driverDataObject* stepped = driver->dataObjects().find("Stepped");
    std::string before = written(*stepped);
    auto d = open(stepped);
    ASSERT_EQ(d->currentType(), g2sourcePane::thresholds);
    pointsPage& points = pane(*d).pointsPage();
    EXPECT_EQ(points.templateId(), 807);
    EXPECT_EQ(points.itemCount(pointsPage::listId), 2);
    EXPECT_EQ(text(points.controlText(pointsPage::bottomId)), "4");
    // The parameter row of C lowers both pages.
    EXPECT_GT(pane(*d).formatPage().pos().y(), pane(*d).control(thresholdsPane::formatPlaceholderId)->pos().y());
    EXPECT_GT(points.pos().y(), pane(*d).formatPage().pos().y());
    EXPECT_EQ(refusal(*d), 0);
    EXPECT_EQ(written(*stepped), before);

    auto again = open(stepped);
    pointsPage& page = pane(*again).pointsPage();
    for (int i = 0; i < 2; ++i) {
        page.selectItem(pointsPage::listId, 0);
        page.sendCommand(pointsPage::removeId);
    }
    EXPECT_FALSE(page.isControlEnabled(pointsPage::removeId));
    EXPECT_EQ(refusal(*again), 10153);
    again->sendCommand(IDCANCEL);
    EXPECT_EQ(written(*stepped), before);
}

// A new point goes into the working list and, on OK, into the new source
// with the format and the command data.
TEST_F(thresholdsDataSourcePane, NewPointReachesTheSource)
{
    g2driverDataObject* stepped = driver->dataObjects().find("Stepped");
    auto d = open(stepped);
    thenOk([](CDialog& point) {
        EXPECT_EQ(text(point.controlText(CNewThresholdDialog::valueId)), "2");
        point.setControlText(CNewThresholdDialog::thresholdId, "20");
    });
    pane(*d).pointsPage().sendCommand(pointsPage::addId);
    pane(*d).pointsPage().setControlText(pointsPage::bottomId, "x");
    EXPECT_EQ(refusal(*d), 10299);
    pane(*d).pointsPage().setControlText(pointsPage::bottomId, "0");
    EXPECT_EQ(refusal(*d), 0);
    std::string lines = written(*stepped);
    EXPECT_NE(lines.find("\t\tDATA\t\tC, Values\n\t\tTYPE\t\tDECIMAL\n\t\tSYMBOLS\t\tNONE, -, NONE, .\n"
                         "\t\tBOTTOM\t\t0\n\t\tTHRESHOLD\t-2.5, 1\n\t\tTHRESHOLD\t10, 3\n\t\tTHRESHOLD\t20, 2\n"),
              std::string::npos)
        << lines;
}

} // namespace
