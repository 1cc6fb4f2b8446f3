#include "foundation/goffsetParameter.h"
#include "g2driver/model/g2driverParameterTable.h"
#include "platform/recordingResponder.h"
#include "registers/sources/ui/CMovableChildWnd.h"
#include "registers/sources/ui/CRotateParameterDialog.h"
#include "support/ui/pageHost.h"
#include "support/ui/temporarySettings.h"

#include <gtest/gtest.h>

namespace {

using dialog = CRotateParameterDialog;

class rotateParameterDialog : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* line : {"Bank, DIGITAL", "Scale, ANALOG", "Shift, DIGITAL"})
            ASSERT_EQ(parameters.readLine(gstr(line), 2, 0), 0);
    }

    // Runs the dialog over the template and target with the script.
    int run(const goffsetParameter* fillFrom, goffsetParameter* target, std::function<void(CDialog&)> script)
    {
        user.scripts.push_back(std::move(script));
        dialog d(parameters, fillFrom, target, nullptr);
        result = d.DoModal();
        made = d.takeMade();
        return result;
    }

    std::vector<int> prompts() const
    {
        std::vector<int> ids;
        for (const shownMessage& m : user.messages)
            ids.push_back(m.promptId);
        return ids;
    }

    temporarySettings settingsFolder;
    recordingResponder user;
    g2driverParameterTable parameters;
    int result = 0;
    std::unique_ptr<goffsetParameter> made;
};

// A new record: digital parameters only, 0, 1, 0, to the right, the whole
// range; OK negates factor and 2nd offset for a right rotation.
TEST_F(rotateParameterDialog, NewRecord)
{
    run(nullptr, nullptr, [](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "New Rotate Parameter");
        EXPECT_EQ(d.itemCount(dialog::parameterId), 2);
        EXPECT_EQ(d.itemText(dialog::parameterId, 1).view(), "Shift");
        EXPECT_EQ(d.controlText(dialog::factorId).view(), "1");
        EXPECT_TRUE(d.isChecked(dialog::rightId));
        EXPECT_FALSE(d.isChecked(dialog::rangeId));
        EXPECT_FALSE(d.isControlEnabled(dialog::lowestId));
        EXPECT_EQ(d.controlText(dialog::highestId).view(), "4294967295");
        d.selectItem(dialog::parameterId, 1);
        d.setControlText(dialog::factorId, "2");
        d.setControlText(dialog::secondOffsetId, "1");
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->getParameter()->getName().view(), "Shift");
    EXPECT_EQ(made->getFactor(), -2);
    EXPECT_EQ(made->getSecondOffset(), -1);
    EXPECT_FALSE(made->isRanged());
}

// The direction a template opens with, and its values shown as the user
// enters them.
TEST_F(rotateParameterDialog, TemplateDirection)
{
    struct {
        int factor;
        int second;
        bool right;
        const char* shownFactor;
        const char* shownSecond;
    } cases[] = {{3, -2, false, "3", "-2"}, {-3, 2, true, "3", "-2"}, {0, 0, true, "0", "0"}};
    for (auto c : cases) {
        goffsetParameter record;
        record.setParameter(parameters.find("Shift"));
        record.setTerms(4, c.factor, c.second);
        record.setRange(2, 9);
        run(&record, &record, [&](CDialog& d) {
            EXPECT_EQ(d.windowTitle(), "Edit Rotate Parameter");
            EXPECT_EQ(d.selectedItem(dialog::parameterId), 1);
            EXPECT_EQ(d.isChecked(dialog::rightId), c.right);
            EXPECT_EQ(d.controlText(dialog::factorId).view(), c.shownFactor);
            EXPECT_EQ(d.controlText(dialog::secondOffsetId).view(), c.shownSecond);
            EXPECT_TRUE(d.isChecked(dialog::rangeId));
            EXPECT_TRUE(d.isControlEnabled(dialog::highestId));
            d.sendCommand(IDOK);
        });
        EXPECT_EQ(record.getFactor(), c.factor);
        EXPECT_EQ(record.getSecondOffset(), c.second);
        EXPECT_EQ(record.getLowest(), 2u);
    }
}

// The checks in their order, each keeping the dialog open.
TEST_F(rotateParameterDialog, Refusals)
{
    run(nullptr, nullptr, [](CDialog& d) {
        d.setControlText(dialog::firstOffsetId, "");
        d.sendCommand(IDOK);
        d.setControlText(dialog::firstOffsetId, "-7");
        d.setControlText(dialog::factorId, "-1");
        d.sendCommand(IDOK);
        d.setControlText(dialog::factorId, "1");
        d.setControlText(dialog::secondOffsetId, "x");
        d.sendCommand(IDOK);
        d.setControlText(dialog::secondOffsetId, "-2147483648");
        d.sendCommand(IDOK);
        d.setControlText(dialog::secondOffsetId, "0");
        clickButton(d, dialog::rangeId);
        d.setControlText(dialog::lowestId, "");
        d.sendCommand(IDOK);
        d.setControlText(dialog::lowestId, "5");
        d.setControlText(dialog::highestId, "-1");
        d.sendCommand(IDOK);
        d.setControlText(dialog::highestId, "4");
        d.sendCommand(IDOK);
        d.setControlText(dialog::highestId, "5");
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(prompts(), (std::vector<int>{10739, 10738, 10749, 10749, 10357, 10359, 10361}));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->getFirstOffset(), -7);
    EXPECT_EQ(made->getFactor(), -1);
    EXPECT_EQ(made->getLowest(), 5u);
    EXPECT_EQ(made->getHighest(), 5u);
}

// Without a digital parameter nothing can be stored.
TEST_F(rotateParameterDialog, NoDigitalParameter)
{
    g2driverParameterTable analogOnly;
    ASSERT_EQ(analogOnly.readLine(gstr("Scale, ANALOG"), 2, 0), 0);
    user.scripts.push_back([](CDialog& d) {
        d.sendCommand(IDOK);
        d.sendCommand(IDCANCEL);
    });
    dialog d(analogOnly, nullptr, nullptr, nullptr);
    EXPECT_EQ(d.DoModal(), IDCANCEL);
    EXPECT_EQ(prompts(), std::vector<int>{10151});
}

// The button goes back to where it was placed, lowered by the distance.
TEST(movableChildWnd, FollowsItsPlace)
{
    controlHost host;
    auto* button = host.add(1993, new CMovableChildWnd("&Value Map..."), 10, 40, 60, 14);
    QPoint origin = button->pos();
    EXPECT_EQ(button->origin(), origin);
    button->moveBy(25);
    EXPECT_EQ(button->pos(), origin + QPoint(0, 25));
    button->moveBy(0);
    EXPECT_EQ(button->pos(), origin);
}

} // namespace
