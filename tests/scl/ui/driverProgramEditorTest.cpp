#include "sclUiFixture.h"

#include "g2driver/model/g2driverProgram.h"
#include "platform/settingsStore.h"
#include "scl/gsclTokenizer.h"
#include "scl/ui/CG2DriverProgramEditor.h"
#include "scl/ui/CG2DriverProgramEditorThread.h"
#include "scl/ui/CSclDoc.h"
#include "scl/ui/CSclView.h"
#include "shell/CMultiDocTemplate.h"
#include "store/jhashTypedDatabaseTable.h"
#include "support/ui/controlHost.h"
#include "support/ui/screenshots.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

namespace {

// The objects page of a driver dialog as the editor sees it.
struct objectsPage final : driverProgramEditorOwner {
    objectsPage()
    {
        page.onCommand(propertiesCommand, [this] { asked.push_back(pendingProperties); });
    }
    CDialog& ownerPage() override { return page; }

    controlHost page;
    std::vector<gsclProgramBody*> asked;
};

struct driverProgramEditor : sclUiTest {
    void TearDown() override
    {
        if (CG2DriverProgramEditorThread* editor = CG2DriverProgramEditorThread::current())
            editor->frame().close();
        settle();
        sclUiTest::TearDown();
    }

    // Posted requests and deferred deletions run.
    static void settle()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    g2driverProgram* driverProgram(const char* tag, const char* code)
    {
        g2driverProgram* p = programs.define(tag);
        p->setCode(code);
        return p;
    }
    static QMdiSubWindow* windowOf(CSclDoc* doc)
    {
        return qobject_cast<QMdiSubWindow*>(doc->views().at(0)->parentWidget());
    }

    jhashTypedDatabaseTable<g2driverProgram> programs{10};
    objectsPage owner;
};

TEST_F(driverProgramEditor, OneEditorShowsEveryProgramOpened)
{
    g2driverProgram* crc = driverProgram("Crc", "10 A=1");
    g2driverProgram* poll = driverProgram("Poll", "");
    CG2DriverProgramEditorThread& editor = CG2DriverProgramEditorThread::start(owner);
    EXPECT_EQ(&CG2DriverProgramEditorThread::start(owner), &editor);
    EXPECT_EQ(CG2DriverProgramEditorThread::current(), &editor);
    EXPECT_EQ(editor.frame().windowTitle(), "Device Driver Program Editor - K.O.R.V.E.L. Quillane");
    EXPECT_TRUE(editor.frame().isVisible());

    editor.showProgram(*crc);
    editor.showProgram(*poll);
    ASSERT_EQ(editor.frame().mdiArea()->subWindowList().size(), 2);
    CSclLocalDoc* crcDoc = editor.findDocument(crc);
    ASSERT_NE(crcDoc, nullptr);
    EXPECT_EQ(crcDoc->title().view(), "Crc");
    EXPECT_EQ(windowOf(crcDoc)->windowTitle(), "Crc");
    EXPECT_EQ(crcDoc->getTokenizer(), &sclDriverTokenizer());
    EXPECT_NE(dynamic_cast<CSclLocalView*>(crcDoc->views().at(0)), nullptr);

    windowOf(crcDoc)->showMinimized();
    editor.showProgram(*crc);
    EXPECT_EQ(editor.frame().mdiArea()->subWindowList().size(), 2);
    EXPECT_FALSE(windowOf(crcDoc)->isMinimized());
    EXPECT_EQ(editor.frame().mdiArea()->activeSubWindow(), windowOf(crcDoc));

    // The status bar follows the active program's view.
    dynamic_cast<CSclView*>(crcDoc->views().at(0))->setCaretPosition(0, 0);
    editor.frame().updateCommandUi();
    EXPECT_EQ(editor.frame().statusPane(32856)->text(), "Line 1");
    EXPECT_FALSE(editor.frame().statusPane(59140)->isEnabled());
    EXPECT_FALSE(editor.frame().action(32837)->isEnabled());
    EXPECT_TRUE(editor.frame().action(57642)->isEnabled());
    // Its commands carry their status-bar prompts like the main frame's.
    EXPECT_EQ(editor.frame().action(32842)->statusTip(), "Change the colours used in scl editor windows");
    EXPECT_EQ(editor.frame().action(32928)->statusTip(), "Close the device driver program editor");
}

TEST_F(driverProgramEditor, EditsGoBackOnlyWhenTheEditorSavesThem)
{
    g2driverProgram* crc = driverProgram("Crc", "10 A=1");
    CG2DriverProgramEditorThread& editor = CG2DriverProgramEditorThread::start(owner);
    CSclLocalDoc* doc = editor.openProgram(*crc);
    auto* view = dynamic_cast<CSclView*>(doc->views().at(0));
    stationState().modified = 0;
    view->setCaretPosition(6, 0);
    typeText(view, QStringLiteral("2"));
    EXPECT_EQ(stationState().modified, 0);
    EXPECT_EQ(crc->code().view(), "10 A=1");
    editor.saveAllModified();
    EXPECT_EQ(crc->code().view(), "10 A=12");

    // A program being deleted closes without its text going back.
    typeText(view, QStringLiteral("3"));
    editor.closeDocument(crc);
    EXPECT_EQ(editor.findDocument(crc), nullptr);
    EXPECT_EQ(crc->code().view(), "10 A=12");
}

TEST_F(driverProgramEditor, ClosedByHandItWritesBackAndAnotherStarts)
{
    g2driverProgram* crc = driverProgram("Crc", "A");
    CG2DriverProgramEditorThread& first = CG2DriverProgramEditorThread::start(owner);
    CSclLocalDoc* doc = first.openProgram(*crc);
    auto* view = dynamic_cast<CSclView*>(doc->views().at(0));
    view->setCaretPosition(1, 0);
    typeText(view, QStringLiteral("B"));
    first.frame().close();
    EXPECT_EQ(CG2DriverProgramEditorThread::current(), nullptr);
    EXPECT_EQ(crc->code().view(), "AB");
    settle();

    CG2DriverProgramEditorThread& second = CG2DriverProgramEditorThread::start(owner);
    EXPECT_EQ(CG2DriverProgramEditorThread::current(), &second);
    EXPECT_EQ(second.findDocument(crc), nullptr);
}

TEST_F(driverProgramEditor, WhenTheDriverDialogGoesItsProgramsAreLeftAlone)
{
    g2driverProgram* crc = driverProgram("Crc", "A");
    CG2DriverProgramEditorThread& editor = CG2DriverProgramEditorThread::start(owner);
    CSclLocalDoc* doc = editor.openProgram(*crc);
    typeText(doc->views().at(0), QStringLiteral("X"));
    editor.ownerGone();
    // The dialog discards its programs now; the editor closes afterwards.
    crc->setCode("gone");
    EXPECT_EQ(CG2DriverProgramEditorThread::current(), &editor);
    settle();
    EXPECT_EQ(CG2DriverProgramEditorThread::current(), nullptr);
    EXPECT_EQ(crc->code().view(), "gone");
}

TEST_F(driverProgramEditor, PropertiesArePostedToTheDriverDialog)
{
    g2driverProgram* crc = driverProgram("Crc", "");
    CG2DriverProgramEditorThread& editor = CG2DriverProgramEditorThread::start(owner);
    editor.openProgram(*crc);
    EXPECT_FALSE(editor.isOwnerActive());
    EXPECT_FALSE(editor.frame().commandStateOf(CSclDoc::propertiesCommand).enabled);
    editor.frame().routeCommand(CSclDoc::propertiesCommand);
    EXPECT_TRUE(owner.asked.empty());
    settle();
    EXPECT_EQ(owner.asked, std::vector<gsclProgramBody*>{crc});

    editor.ownerGone();
    editor.requestProperties(crc);
    settle();
    EXPECT_EQ(owner.asked.size(), 1u);
}

TEST_F(driverProgramEditor, MaximisedWindowsAreRememberedForTheNextStart)
{
    g2driverProgram* crc = driverProgram("Crc", "");
    {
        CG2DriverProgramEditorThread& editor = CG2DriverProgramEditorThread::start(owner);
        CSclLocalDoc* doc = editor.openProgram(*crc);
        EXPECT_FALSE(windowOf(doc)->isMaximized());
        windowOf(doc)->showMaximized();
        EXPECT_TRUE(editor.frame().maximizeDocuments());
        editor.frame().showMaximized();
        editor.frame().close();
        settle();
    }
    EXPECT_EQ(profileInt("General", "MaximizeProgramEditorDoc", -1), 1);
    EXPECT_EQ(profileInt("General", "MaximizeProgramEditor", -1), 1);
    CG2DriverProgramEditorThread& editor = CG2DriverProgramEditorThread::start(owner);
    EXPECT_TRUE(editor.frame().isMaximized());
    CSclLocalDoc* doc = editor.openProgram(*crc);
    EXPECT_TRUE(windowOf(doc)->isMaximized());
    windowOf(doc)->showNormal();
    EXPECT_FALSE(editor.frame().maximizeDocuments());
}

// The editor fits the screen and a program opens in a window of a usable
// size inside the editor's area, not at the smallest size of its view.
TEST_F(driverProgramEditor, ItAndItsProgramWindowsFitWhereTheyOpen)
{
    g2driverProgram* crc = driverProgram("Crc", "10 A=1");
    CG2DriverProgramEditorThread& editor = CG2DriverProgramEditorThread::start(owner);
    CSclLocalDoc* doc = editor.openProgram(*crc);
    QRect screen = editor.frame().screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(editor.frame().frameGeometry())) << editor.frame().frameGeometry().width();
    QRect area = editor.frame().mdiArea()->viewport()->rect();
    QRect window = windowOf(doc)->geometry();
    EXPECT_TRUE(area.contains(window));
    EXPECT_GE(window.width(), area.width() * 2 / 3);
    EXPECT_GE(window.height(), area.height() * 2 / 3);

    EXPECT_TRUE(saveScreenshot(editor.frame().grab(), "driverProgramEditor.png"));
}

TEST_F(driverProgramEditor, CloseAllKeepsWhatWasTyped)
{
    g2driverProgram* crc = driverProgram("Crc", "A");
    CG2DriverProgramEditorThread& editor = CG2DriverProgramEditorThread::start(owner);
    CSclLocalDoc* doc = editor.openProgram(*crc);
    typeText(doc->views().at(0), QStringLiteral("X"));
    refreshDriverProgramViews();
    EXPECT_TRUE(editor.frame().commandStateOf(32907).enabled);
    editor.frame().routeCommand(32907);
    EXPECT_TRUE(editor.docTemplate().documents().empty());
    EXPECT_EQ(crc->code().view(), "XA");
}

} // namespace
