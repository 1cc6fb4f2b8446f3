#include "screenEditorFixture.h"

#include "screens/editor/CScreenPropertiesDialog.h"
#include "screens/editor/CScreensDialog.h"
#include "scl/gsclProgram.h"
#include "screens/model/gdrawingProperties.h"
#include "shell/CObjectListCtrl.h"
#include "shell/screenEditorServices.h"

#include <QLineEdit>

class screensWindow : public screenEditorTest {
protected:
    void SetUp() override
    {
        screenEditorTest::SetUp();
        window = dynamic_cast<CScreensDialog*>(frame->listWindowAt(CMainFrame::screens));
        ASSERT_NE(window, nullptr);
    }

    void selectRow(const fscreen& screen) { window->list().selectRow(window->list().indexOf(&screen)); }

    CScreensDialog* window = nullptr;
};

TEST_F(screensWindow, ListsEveryScreenAndOpensTheSelectedOne)
{
    ASSERT_EQ(window->list().rowCount(), 2);
    EXPECT_EQ(window->list().nameAt(0), gstr("Detail"));
    EXPECT_EQ(window->list().nameAt(1), gstr("Plant overview"));
    fscreen& detail = screenOf("Detail");
    selectRow(detail);
    window->sendCommand(CSelectDialog::editId);
    CScreenDoc* doc = findScreenDocument(detail);
    ASSERT_NE(doc, nullptr);
    auto* child = qobject_cast<QMdiSubWindow*>(doc->views().front()->parentWidget());
    child->showMinimized();
    window->sendCommand(CSelectDialog::editId);
    EXPECT_FALSE(child->isMinimized());
    EXPECT_EQ(app->screenTemplate().documents().size(), 1u);
}

TEST_F(screensWindow, NewAndDuplicateAddTheirRowSelected)
{
    user.scripts.push_back([](CDialog& d) {
        d.setControlText(CScreenPropertiesDialog::tagId, "Alarms");
        d.sendCommand(IDOK);
    });
    frame->routeCommand(32866);
    fscreen* made = station::screens().find("Alarms");
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(window->list().getSelectedObject(), made);
    EXPECT_EQ(stationState().modified, 1);
    EXPECT_NE(findScreenDocument(*made), nullptr);

    user.scripts.push_back([](CDialog& d) {
        d.setControlText(CScreenPropertiesDialog::tagId, "Alarms 2");
        d.sendCommand(IDOK);
    });
    window->sendCommand(CSelectDialog::duplicateId);
    EXPECT_EQ(window->list().rowCount(), 4);
    EXPECT_EQ(window->list().getSelectedObject(), station::screens().find("Alarms 2"));

    // Cancel changes nothing.
    stationState().modified = 0;
    window->sendCommand(CSelectDialog::duplicateId);
    EXPECT_EQ(window->list().rowCount(), 4);
    EXPECT_EQ(stationState().modified, 0);
}

TEST_F(screensWindow, PropertiesRenamesTheRowAndTheOpenWindow)
{
    fscreen& detail = screenOf("Detail");
    CScreenView& view = openView(detail);
    selectRow(detail);
    user.scripts.push_back([](CDialog& d) {
        EXPECT_TRUE(d.controlAs<QLineEdit>(CScreenPropertiesDialog::tagId)->isReadOnly());
        d.setControlText(CScreenPropertiesDialog::nameId, "Zoomed detail");
        d.sendCommand(IDOK);
    });
    window->sendCommand(CScreensDialog::propertiesId);
    EXPECT_EQ(detail.getTitle(false), gstr("Zoomed detail"));
    EXPECT_EQ(window->list().nameAt(window->list().indexOf(&detail)), gstr("Zoomed detail"));
    EXPECT_EQ(view.parentWidget()->windowTitle(), "Zoomed detail");
}

TEST_F(screensWindow, DeletingRefusesUsedScreensAndEmptiesAClipboardThatOpensIt)
{
    fscreen& detail = screenOf("Detail");
    fscreen& overview = screenOf("Overview");
    openView(detail);
    selectRow(detail);
    window->sendCommand(CSelectDialog::deleteId);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].promptId, 20024);
    EXPECT_EQ(station::screens().find("Detail"), &detail);

    // The control that opens Detail goes to the clipboard and leaves Overview.
    ggraphObject* opener = nullptr;
    for (ggraphObject* o = overview.firstObject(); o; o = o->getNext()) {
        if (o->getPropertyMask() == ggraphObject::maskControl && o->getBounds().left == 100)
            opener = o;
    }
    ASSERT_NE(opener, nullptr);
    overview.emptySelection();
    overview.selectObject(opener);
    overview.gatherSelection();
    overview.cutSelection();
    ASSERT_TRUE(clipboardScreen().usesScreen(&detail));

    window->sendCommand(CSelectDialog::deleteId);
    EXPECT_EQ(station::screens().find("Detail"), nullptr);
    EXPECT_EQ(clipboardScreen().firstObject(), nullptr);
    EXPECT_EQ(app->screenTemplate().documents().size(), 0u);
    EXPECT_EQ(window->list().rowCount(), 1);
    EXPECT_TRUE(window->isControlEnabled(CScreensDialog::propertiesId));

    // The last screen: the list empties and the row buttons go grey.
    window->sendCommand(CSelectDialog::deleteId);
    EXPECT_EQ(window->list().rowCount(), 0);
    for (int id : {CSelectDialog::editId, CSelectDialog::deleteId, CSelectDialog::duplicateId,
                   CScreensDialog::propertiesId})
        EXPECT_FALSE(window->isControlEnabled(id)) << id;
}

TEST_F(screensWindow, TheEditorAnswersForProgramsAndRegistersBeingDeleted)
{
    screenEditorServices* editor = screenEditor();
    ASSERT_NE(editor, nullptr);
    fscreen& overview = screenOf("Overview");
    gsclProgram* start = station::programs().find("Start");
    ASSERT_NE(start, nullptr);
    EXPECT_FALSE(editor->clipboardUsesProgram(*start));
    overview.emptySelection();
    overview.selectObject(overview.firstObject());
    overview.gatherSelection();
    drawingDefaults().mergeFrom(overview.getSelectionProperties());
    overview.copySelection();
    EXPECT_TRUE(editor->clipboardUsesProgram(*start));
    EXPECT_TRUE(drawingDefaults().isComplete(fscreen::toolControl));
    editor->forgetProgram(*start);
    EXPECT_FALSE(drawingDefaults().isComplete(fscreen::toolControl));
    editor->emptyClipboard();
    EXPECT_EQ(clipboardScreen().firstObject(), nullptr);
    drawingDefaults().reset();
}
