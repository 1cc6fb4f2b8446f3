#include "g2driver/editor/CParameterValuesPanel.h"
#include "registers/sources/ui/CDataObjectThresholdsSourcePane.h"
#include "registers/sources/ui/sourcePaneTestSupport.h"
#include "store/stationFile.h"

#include <algorithm>

namespace {

using thresholdsPane = CDataObjectThresholdsSourcePane;
using pointsPage = CThresholdPointsPage;

// The station of the data-object register sources: the G2 device M1 on
// COM1 with the driver Meter, whose Mode is digital and Flow analog.
class dataObjectThresholdsPane : public registerDialogTest {
protected:
    void SetUp() override
    {
        registerDialogTest::SetUp();
        std::string path(KORVEL_TEST_DATA_DIR);
        path.append("/registers/sources/fixtures/dataObjectRegisters.stn");
        ASSERT_EQ(loadObjectFile(gstrSlice(path.c_str()), false, false), gloadError::none);
    }
    static void chooseObject(CSourcePane& p, const char* tag)
    {
        std::vector<std::string> names = items(p, thresholdsPane::dataObjectId);
        auto at = std::find(names.begin(), names.end(), tag);
        ASSERT_NE(at, names.end()) << tag;
        p.selectItem(thresholdsPane::dataObjectId, static_cast<int>(at - names.begin()));
    }
};

// A digital object has only its current value; an analog one offers the
// lowest and the highest too.
TEST_F(dataObjectThresholdsPane, ValueChoiceFollowsTheObject)
{
    gregister* made = run(2, nullptr, nullptr, [this](CDialog& d) {
        d.setControlText(CRegisterDialog::tagId, "Steps");
        ASSERT_TRUE(chooseSourceType(d, 14));
        auto& p = static_cast<thresholdsPane&>(paneOf(d));
        EXPECT_EQ(items(p, thresholdsPane::dataObjectId), (std::vector<std::string>{"Flow", "Mode"}));
        chooseObject(p, "Mode");
        EXPECT_FALSE(p.isControlEnabled(thresholdsPane::valueId));
        EXPECT_EQ(p.selectedItem(thresholdsPane::valueId), 0);
        d.sendCommand(IDOK);
        EXPECT_EQ(prompts().back(), 10153);
        chooseObject(p, "Flow");
        EXPECT_TRUE(p.isControlEnabled(thresholdsPane::valueId));
        p.selectItem(thresholdsPane::valueId, 2);
        user.scripts.push_back([](CDialog& point) {
            point.setControlText(CNewThresholdDialog::thresholdId, "2.5");
            point.sendCommand(IDOK);
        });
        p.pointsPage().sendCommand(pointsPage::addId);
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    std::string lines = sourceLines(*made);
    EXPECT_EQ(lines.substr(0, lines.find("\t\tDEVICE")),
              "\tSOURCE\t\tG2D THRESHOLDS\n\t\tBOTTOM\t\t0\n\t\tTHRESHOLD\t2.5, 1\n");
    EXPECT_NE(lines.find("\t\tVALUE\t\tMAXIMUM\n\tEND\n"), std::string::npos) << lines;

    // Edited again the pane shows what was saved, and OK keeps it.
    run(2, made, made, [](CDialog& d) {
        auto& p = static_cast<thresholdsPane&>(paneOf(d));
        EXPECT_EQ(p.selectedItem(thresholdsPane::valueId), 2);
        EXPECT_EQ(p.pointsPage().itemCount(pointsPage::listId), 1);
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(sourceLines(*made), lines);
}

} // namespace
