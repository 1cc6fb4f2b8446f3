#include "legacyPaneFixture.h"

#include "registers/sources/ui/CColumnListBox.h"
#include "registers/sources/ui/CLegacySourcePane.h"
#include "registers/sources/ui/CThresholdPointsPage.h"

namespace {

using page = CThresholdPointsPage;
using entry = CNewThresholdDialog;

// One New Threshold run: the proposed value checked, then point and value
// typed and OK pressed.
std::function<void(CDialog&)> point(const char* proposed, const char* threshold, const char* value)
{
    return [=](CDialog& d) {
        EXPECT_EQ(d.controlText(entry::valueId).view(), proposed);
        d.setControlText(entry::thresholdId, threshold);
        d.setControlText(entry::valueId, value);
        d.sendCommand(IDOK);
    };
}

std::vector<std::string> rows(CDialog& p)
{
    std::vector<std::string> texts;
    for (int i = 0; i < p.itemCount(page::listId); ++i)
        texts.emplace_back(p.itemText(page::listId, i).view());
    return texts;
}

// Points stay in ascending order and never twice; the next value follows
// the selected point; what the page holds is what the source gets.
TEST_F(legacyPaneTest, ThresholdPointsPage)
{
    gregister* made = newRegister(2, 23, [this](CDialog& d, CSourcePane& p) {
        choose(p, CLegacySourcePane::portId, "North line");
        auto* points = p.findChild<CThresholdPointsPage*>();
        EXPECT_EQ(points->templateId(), 814);
        EXPECT_EQ(points->controlText(page::bottomId).view(), "0");
        EXPECT_EQ(points->findChild<CColumnListBox*>()->columnWidth(),
                  points->findChild<CColumnListBox*>()->contentsRect().width() / 5);
        d.sendCommand(IDOK);
        points->setControlText(page::bottomId, "7");
        for (auto script : {point("8", "10", "3"), point("4", "-2.5", "4"), point("5", "20", "5")}) {
            user.scripts.push_back(script);
            points->sendCommand(page::addId);
        }
        EXPECT_EQ(rows(*points), (std::vector<std::string>{"-2.5:\t 4", "10:\t 3", "20:\t 5"}));
        points->selectItem(page::listId, 1);
        user.scripts.push_back(point("4", "x", "1"));
        points->sendCommand(page::addId);
        // The same point again: No keeps the dialog, Yes replaces the row.
        user.answers = {ganswer::no, ganswer::yes};
        user.scripts.push_back([](CDialog& e) {
            e.setControlText(entry::thresholdId, "10");
            e.setControlText(entry::valueId, "9");
            e.sendCommand(IDOK);
            e.sendCommand(IDOK);
        });
        points->sendCommand(page::addId);
        // Modify to the same point asks nothing.
        points->selectItem(page::listId, 2);
        user.scripts.push_back([](CDialog& e) {
            EXPECT_EQ(e.windowTitle(), "Change Threshold");
            EXPECT_EQ(e.controlText(entry::thresholdId).view(), "20");
            e.setControlText(entry::valueId, "");
            e.sendCommand(IDOK);
            e.setControlText(entry::valueId, "6");
            e.sendCommand(IDOK);
        });
        points->sendCommand(page::modifyId);
        EXPECT_EQ(rows(*points), (std::vector<std::string>{"-2.5:\t 4", "10:\t 9", "20:\t 6"}));
        points->setControlText(page::bottomId, "-1");
        d.sendCommand(IDOK);
        points->setControlText(page::bottomId, "7");
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(prompts(), (std::vector<int>{10153, 10330, 10228, 10228, 10082, 10299}));
    EXPECT_NE(writtenRegister(*made).find("\t\tTYPE\t\tDECIMAL\n\t\tBOTTOM\t\t7\n\t\tTHRESHOLD\t-2.5, 4\n"
                                          "\t\tTHRESHOLD\t10, 9\n\t\tTHRESHOLD\t20, 6\n\tEND"),
              std::string::npos)
        << writtenRegister(*made);
}

// With points of 3, 4 and 5 and the first selected, Add proposes 6;
// removing every point disables Modify and Remove.
TEST_F(legacyPaneTest, ThresholdNextValueAndRemoval)
{
    loadRegister("DIGITAL_REG S\nSOURCE THRESHOLDS\nRESPONSE North, Meter, Value\nTYPE HEX\nBOTTOM 1\n"
                 "THRESHOLD 1, 3\nTHRESHOLD 2, 4\nTHRESHOLD 3, 5\nEND\nEND\n");
    gregister* reg = station::registers().find("S");
    run(2, reg, reg, [](CDialog& d) {
        auto* points = pane(d).findChild<CThresholdPointsPage*>();
        EXPECT_EQ(points->controlText(page::bottomId).view(), "1");
        EXPECT_FALSE(points->isControlEnabled(page::removeId));
        points->selectItem(page::listId, 0);
        EXPECT_EQ(points->nextValue(), 6u);
        for (int i = 0; i < 3; ++i)
            points->sendCommand(page::removeId);
        EXPECT_FALSE(points->isControlEnabled(page::modifyId));
        EXPECT_FALSE(points->isControlEnabled(page::removeId));
        d.sendCommand(IDCANCEL);
    });
}

// Points one unit in the last place apart are two points: Modify and OK
// on either keeps it exactly and asks nothing, and Add keeps neighbours
// that differ only in their 16th digit apart.
TEST_F(legacyPaneTest, ThresholdPointsKeepTheirExactValues)
{
    loadRegister("DIGITAL_REG S\nSOURCE THRESHOLDS\nRESPONSE North, Meter, Value\nTYPE HEX\nBOTTOM 1\n"
                 "THRESHOLD 1, 3\nTHRESHOLD 1.0000000000000002, 4\nEND\nEND\n");
    gregister* reg = station::registers().find("S");
    ASSERT_NE(reg, nullptr);
    std::string before = writtenRegister(*reg);
    run(2, reg, reg, [this](CDialog& d) {
        auto* points = pane(d).findChild<CThresholdPointsPage*>();
        for (int row : {0, 1, 0}) {
            points->selectItem(page::listId, row);
            user.scripts.push_back([](CDialog& e) { e.sendCommand(IDOK); });
            points->sendCommand(page::modifyId);
        }
        EXPECT_EQ(rows(*points), (std::vector<std::string>{"1:\t 3", "1:\t 4"}));
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(writtenRegister(*reg), before);
    EXPECT_NE(before.find("\t\tTHRESHOLD\t1, 3\n\t\tTHRESHOLD\t1.0000000000000002, 4\n"), std::string::npos) << before;

    gregister* made = newRegister(2, 23, [this](CDialog&, CSourcePane& p) {
        choose(p, CLegacySourcePane::portId, "South");
        auto* points = p.findChild<CThresholdPointsPage*>();
        user.scripts.push_back(point("1", "0.1234567890123456", "1"));
        points->sendCommand(page::addId);
        user.scripts.push_back(point("2", "0.1234567890123457", "2"));
        points->sendCommand(page::addId);
    });
    ASSERT_NE(made, nullptr);
    EXPECT_NE(writtenRegister(*made).find("\t\tTHRESHOLD\t0.1234567890123456, 1\n\t\tTHRESHOLD\t0.1234567890123457, 2\n"),
              std::string::npos)
        << writtenRegister(*made);
    EXPECT_EQ(prompts(), std::vector<int>{});
}

} // namespace
