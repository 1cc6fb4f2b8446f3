#include "driverDialogFixture.h"
#include "g2driver/editor/CInitializationSequenceDialog.h"
#include "ports/ui/CCommandsToSendPage.h"

#include <QTabBar>
#include <functional>

namespace {

using D = CEditG2DeviceDriverDialog;
using S = CInitializationSequenceDialog;
using Page = CCommandsToSendPageBase;

class initSequenceTest : public driverDialogTest {
protected:
    void runSequences(std::function<void(S&)> script, int driverEnd = IDOK)
    {
        runDriverDialog(meter(), meter(), [&](D& d) {
            user.scripts.push_back([&](CDialog& s) {
                EXPECT_EQ(s.templateId(), S::templateId);
                script(static_cast<S&>(s));
                if (!s.hasEnded())
                    s.sendCommand(IDCANCEL);
            });
            d.sendCommand(D::initSequenceId);
            d.sendCommand(driverEnd);
        });
    }
    static void deleteFirst(Page& page)
    {
        page.selectItem(Page::listId, 0);
        page.sendCommand(Page::deleteId);
    }
};

TEST_F(initSequenceTest, PagesShowTheWorkingSequencesAndOkWritesThem)
{
    runSequences([](S& s) {
        EXPECT_EQ(s.windowTitle(), "Initialization Sequence");
        auto* tabs = s.controlAs<QTabBar>(S::tabId);
        ASSERT_EQ(tabs->count(), 3);
        EXPECT_EQ(tabs->tabText(1), "Reinitialization after timeout");
        EXPECT_EQ(s.page(0).controlText(Page::descriptionId).view(), "(Sent when the port is opened)");
        EXPECT_EQ(s.page(0).rowCount(), 1);
        EXPECT_EQ(s.page(1).rowCount(), 0);
        EXPECT_EQ(s.page(2).rowCount(), 1);
        EXPECT_TRUE(s.page(0).isVisibleTo(&s));
        EXPECT_FALSE(s.page(2).isVisibleTo(&s));
        tabs->setCurrentIndex(2);
        EXPECT_TRUE(s.page(2).isVisibleTo(&s));
        deleteFirst(s.page(0));
        s.sendCommand(IDOK);
    });
    EXPECT_EQ(meter()->firstTimeSequence().count(), 0);
    EXPECT_EQ(meter()->commonSequence().count(), 1);
    EXPECT_EQ(profileInt("Dialogs\\Edit G2Driver", "InitSequenceActivePane", 0), 2);
    std::string all = saved();
    EXPECT_EQ(all.find("INIT_SEQUENCE\tFIRST TIME"), std::string::npos);
    EXPECT_NE(all.find("INIT_SEQUENCE\tCOMMON"), std::string::npos);
}

TEST_F(initSequenceTest, CancelHereOrInTheDriverDialogLeavesTheSequences)
{
    runSequences([](S& s) {
        deleteFirst(s.page(0));
        deleteFirst(s.page(2));
        s.sendCommand(IDCANCEL);
    });
    runSequences(
        [](S& s) {
            deleteFirst(s.page(0));
            s.sendCommand(IDOK);
        },
        IDCANCEL);
    EXPECT_EQ(saved(), expected());
}

TEST_F(initSequenceTest, TheTabShownLastIsShownFirst)
{
    runSequences([](S& s) { s.controlAs<QTabBar>(S::tabId)->setCurrentIndex(1); });
    runSequences([](S& s) {
        EXPECT_EQ(s.controlAs<QTabBar>(S::tabId)->currentIndex(), 1);
        EXPECT_TRUE(s.page(1).isVisibleTo(&s));
    });
    writeProfileInt("Dialogs\\Edit G2Driver", "InitSequenceActivePane", 7);
    runSequences([](S& s) {
        for (int i = 0; i < 3; ++i)
            EXPECT_FALSE(s.page(i).isVisibleTo(&s));
    });
}

} // namespace
