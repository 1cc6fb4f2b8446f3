#pragma once

#include "screens/editor/CScreenDoc.h"
#include "screens/editor/CScreenView.h"
#include "screens/editor/screenDocuments.h"
#include "screens/model/fscreen.h"
#include "shell/CMultiDocTemplate.h"
#include "shell/mainFrameFixture.h"
#include "store/gstation.h"
#include "support/ui/controlHost.h"
#include "support/ui/screenshots.h"

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <string>

// A started editor with the screens fixture open.
class screenEditorTest : public mainFrameTest {
protected:
    void SetUp() override
    {
        mainFrameTest::SetUp();
        ASSERT_EQ(frame->openFile(fixtureFile()), 0);
        // Commands reach the active window of an active frame.
        frame->show();
        frame->activateWindow();
        stationState().modified = 0;
    }

    static gfileName fixtureFile()
    {
        gfileName file;
        file.fullPath = gstr(KORVEL_TEST_DATA_DIR "/screens/model/fixtures/screens.stn");
        return file;
    }

    static fscreen& screenOf(const char* tag)
    {
        fscreen* s = station::screens().find(tag);
        EXPECT_NE(s, nullptr);
        return *s;
    }

    // Opens the screen's window and answers its view.
    CScreenView& openView(fscreen& screen)
    {
        CScreenDoc* doc = openScreenDocument(screen);
        EXPECT_NE(doc, nullptr);
        auto* view = dynamic_cast<CScreenView*>(doc->views().front());
        auto* child = qobject_cast<QMdiSubWindow*>(view->parentWidget());
        child->showNormal();
        child->resize(500, 400);
        frame->mdiArea()->setActiveSubWindow(child);
        QApplication::processEvents();
        return *view;
    }

    static int objectCount(const fscreen& screen)
    {
        int n = 0;
        for (ggraphObject* o = screen.firstObject(); o; o = o->getNext())
            ++n;
        return n;
    }


    // A press, a drag over several moves and a release in client points.
    static void drag(CScreenView& view, QPoint from, QPoint to)
    {
        QWidget* port = view.viewport();
        sendMouse(port, QEvent::MouseButtonPress, from);
        for (int i = 1; i <= 4; ++i)
            sendMouse(port, QEvent::MouseMove, from + (to - from) * i / 4);
        sendMouse(port, QEvent::MouseButtonRelease, to);
    }
};
