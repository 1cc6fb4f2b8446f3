// The driver dialog runs its real modal loop here, as the user meets it: the
// windows it opens for typing take keys and clicks, every other window stays
// blocked.
#include "driverDialogFixture.h"
#include "g2driver/editor/CDriverObjectsPage.h"
#include "scl/ui/CG2DriverProgramEditor.h"
#include "scl/ui/CG2DriverProgramEditorThread.h"
#include "scl/ui/CSclDoc.h"
#include "scl/ui/CSclView.h"
#include "sourceedit/ui/CFindReplaceDialog.h"
#include "support/ui/realModalRun.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace {

using D = CEditG2DeviceDriverDialog;
using Page = CDriverObjectsPage;

class programEditorModality : public driverDialogTest {
protected:
    void TearDown() override
    {
        // The editor closes once its dialog has gone.
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        EXPECT_EQ(CG2DriverProgramEditorThread::current(), nullptr);
        driverDialogTest::TearDown();
    }
};

TEST_F(programEditorModality, TheProgramEditorAndItsFindTakeInputWhileTheDriverDialogIsModal)
{
    // Stands for the main frame, which the dialog keeps blocked.
    QLineEdit mainWindow;
    mainWindow.show();
    realModalRun real;
    real.scripts.push_back([&](CDialog& d) {
        auto& dialog = static_cast<D&>(d);
        Page& page = dialog.objectsPage();
        select(page, Page::programListId, "Crc");
        page.sendCommand(Page::editProgramId);
        CG2DriverProgramEditorThread* editor = CG2DriverProgramEditorThread::current();
        g2driverProgram* crc = dialog.workingPrograms().find("Crc");
        CSclLocalDoc* doc = editor ? editor->findDocument(crc) : nullptr;
        if (!doc) {
            ADD_FAILURE() << "no program window";
            return d.EndDialog(IDCANCEL);
        }
        auto* view = dynamic_cast<CSclView*>(doc->views().at(0));

        // A click on the last line puts the caret there; typed keys go in.
        view->setCaretPosition(0, 3);
        QPoint lastLine = view->caretPoint() + QPoint(1, 1);
        view->setCaretPosition(0, 0);
        clickAt(*view->viewport(), lastLine);
        EXPECT_EQ(view->caret.line, 3);
        typeKeys(*view, "Z");
        editor->saveAllModified();
        EXPECT_NE(crc->code().view().find("Z30 PRINT"), std::string_view::npos) << crc->code().view();
        // Its message boxes open over it, not over the dialog behind it.
        editor->frame().activateWindow();
        QCoreApplication::processEvents();
        EXPECT_EQ(windowInFront(), &editor->frame());

        // Find, opened from the editor, takes what it is to look for.
        view->onCommand(CSourceViewMfc::findCommand);
        CFindReplaceDialog* find = CSourceViewMfc::findDialog();
        if (!find) {
            ADD_FAILURE() << "no Find window";
            return d.EndDialog(IDCANCEL);
        }
        auto* findWhat = find->controlAs<QLineEdit>(CFindReplaceDialog::findWhatId);
        findWhat->clear();
        typeKeys(*findWhat, "SUM");
        EXPECT_EQ(find->controlText(CFindReplaceDialog::findWhatId).view(), "SUM");
        find->sendCommand(IDCANCEL);

        typeKeys(mainWindow, "x");
        EXPECT_EQ(mainWindow.text(), "");
        d.EndDialog(IDCANCEL);
    });
    CEditG2DeviceDriverDialog dialog(meter(), meter(), nullptr);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    // The dialog's working programs are its own: nothing reached the station.
    EXPECT_EQ(meter()->programs().find("Crc")->code().view().find('Z'), std::string_view::npos);
}

} // namespace
