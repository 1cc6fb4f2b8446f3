#include "platform/recordingResponder.h"
#include "platform/settingsStore.h"
#include "shell/CChildFrame.h"
#include "shell/CDocument.h"
#include "shell/CMainFrame.h"
#include "shell/CMultiDocTemplate.h"
#include "shell/CObjectPage.h"
#include "shell/CStationEditorApp.h"
#include "store/gstationState.h"

#include "support/ui/temporarySettings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

class documents : public testing::Test {
protected:
    void TearDown() override { stationState() = gstationState{}; }
    temporarySettings temp;
    recordingResponder user;
};

CChildFrame* frameOf(CDocument* d) { return static_cast<CChildFrame*>(d->views().at(0)->parentWidget()); }

// The title as the window system shows it: the toolkit adds the display name
// the program gave it to a title that does not end with it.
QString shownTitle(const QWidget& window)
{
    QString title = window.windowTitle();
    QString name = QGuiApplication::applicationDisplayName();
    bool given = name != QCoreApplication::applicationName();
    return given && !title.endsWith(name) ? title + QStringLiteral(" \u2014 ") + name : title;
}

TEST_F(documents, ChildWindowsOpenAsTheUserLastLeftThem)
{
    {
        CStationEditorApp app;
        ASSERT_TRUE(app.InitInstance({"-nologo"}));
        CMainFrame* frame = app.mainFrame();
        QMdiArea& area = *frame->mdiArea();
        CDocument* first = app.screenTemplate().openDocument(area);
        EXPECT_FALSE(frameOf(first)->isMaximized());
        frameOf(first)->showMaximized();
        EXPECT_TRUE(frame->maximizeDoc());
        frameOf(first)->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(app.screenTemplate().documents().empty());

        CDocument* second = app.screenTemplate().openDocument(area);
        EXPECT_TRUE(frameOf(second)->isMaximized());
        frameOf(second)->showMinimized();
        EXPECT_TRUE(frame->maximizeDoc());
        frameOf(second)->showNormal();
        EXPECT_FALSE(frame->maximizeDoc());
        frameOf(second)->showMaximized();
        frame->close();
    }
    CStationEditorApp app;
    ASSERT_TRUE(app.InitInstance({"-nologo"}));
    EXPECT_TRUE(app.mainFrame()->maximizeDoc());
}

TEST_F(documents, NewWindowsOpenAtAUsableSizeInsideTheArea)
{
    CStationEditorApp app;
    ASSERT_TRUE(app.InitInstance({"-nologo"}));
    CMainFrame* frame = app.mainFrame();
    frame->resize(1000, 700);
    frame->show();
    QMdiArea& area = *frame->mdiArea();
    QRect room = area.viewport()->rect();
    for (CMultiDocTemplate* kind : {&app.screenTemplate(), &app.sclTemplate(), &app.screenTemplate()}) {
        CDocument* document = kind->openDocument(area);
        QRect place = frameOf(document)->geometry();
        EXPECT_TRUE(room.contains(place)) << place.x() << "," << place.y() << " " << place.width() << "x"
                                          << place.height();
        EXPECT_GE(place.width(), room.width() * 2 / 3);
        EXPECT_GE(place.height(), room.height() * 2 / 3);
        // The program's picture, not the toolkit's.
        EXPECT_FALSE(frameOf(document)->windowIcon().isNull());
        EXPECT_EQ(frameOf(document)->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    }
    frame->close();
}

TEST_F(documents, CloseAllClosesEveryDocumentAndTheTitleNamesTheActiveOne)
{
    CStationEditorApp app;
    ASSERT_TRUE(app.InitInstance({"-nologo"}));
    CMainFrame* frame = app.mainFrame();
    app.mainFrame()->setMaximizeDoc(false);
    CDocument* screen = app.screenTemplate().openDocument(*frame->mdiArea());
    screen->setTitle("Main");
    app.sclTemplate().openDocument(*frame->mdiArea());
    frame->mdiArea()->setActiveSubWindow(frameOf(screen));
    frame->updateFrameTitle();
    EXPECT_EQ(shownTitle(*frame), "Untitled - K.O.R.V.E.L. Quillane - Main");
    frameOf(screen)->showMaximized();
    frame->updateFrameTitle();
    EXPECT_EQ(frame->windowTitle(), "Untitled - K.O.R.V.E.L. Quillane");
    frame->routeCommand(32907);
    EXPECT_TRUE(app.screenTemplate().documents().empty());
    EXPECT_TRUE(app.sclTemplate().documents().empty());
}

class countingPage : public CObjectPage {
public:
    countingPage() : CObjectPage(700) {}
    void loadFromObject() override { ++loads; }
    int loads = 0;
};

TEST(objectPage, LoadsOnlyWithAnOwner)
{
    countingPage page;
    int object = 5;
    page.setObject(nullptr, &object);
    EXPECT_EQ(page.loads, 0);
    EXPECT_EQ(page.editedObject<int>(), &object);
    QWidget owner;
    page.setObject(&owner, &object);
    EXPECT_EQ(page.loads, 1);
    EXPECT_EQ(page.owner(), &owner);
}

} // namespace
