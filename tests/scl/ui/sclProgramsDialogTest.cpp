#include "sclUiFixture.h"

#include "foundation/gfileName.h"
#include "scl/ui/CProgramPropertiesDialog.h"
#include "scl/ui/CSclDoc.h"
#include "scl/ui/CSclProgramsDialog.h"
#include "shell/CMainFrame.h"
#include "shell/CMultiDocTemplate.h"
#include "shell/CObjectListCtrl.h"
#include "shell/CStationEditorApp.h"
#include "support/ui/controlHost.h"

#include <QMdiSubWindow>
#include <memory>

namespace {

struct sclProgramsWindow : sclUiTest {
    void SetUp() override
    {
        app = std::make_unique<CStationEditorApp>();
        ASSERT_TRUE(app->InitInstance({"-nologo"}));
        frame = app->mainFrame();
        window = dynamic_cast<CSclProgramsDialog*>(frame->listWindowAt(CMainFrame::sclPrograms));
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override
    {
        app.reset();
        sclUiTest::TearDown();
    }

    void openPlant()
    {
        gfileName file;
        file.fullPath = KORVEL_TEST_DATA_DIR "/ports/fixtures/plant.stn";
        ASSERT_EQ(frame->openFile(file), 0);
    }
    void select(const char* tag)
    {
        for (int row = 0; row < window->list().rowCount(); ++row) {
            if (window->list().tagAt(row).view() == tag)
                window->list().selectRow(row);
        }
    }
    std::vector<std::string> rows() const
    {
        std::vector<std::string> out;
        for (int row = 0; row < window->list().rowCount(); ++row)
            out.emplace_back(window->list().nameAt(row).view());
        return out;
    }
    static QMdiSubWindow* windowOf(CSclDoc* doc)
    {
        return qobject_cast<QMdiSubWindow*>(doc->views().at(0)->parentWidget());
    }

    std::unique_ptr<CStationEditorApp> app;
    CMainFrame* frame = nullptr;
    CSclProgramsDialog* window = nullptr;
};

TEST_F(sclProgramsWindow, NewOpensTheProgramAndListsIt)
{
    EXPECT_EQ(window->windowTitle(), "SCL Programs");
    EXPECT_EQ(CSclProgramsDialog::instance(), window);
    EXPECT_FALSE(window->isControlEnabled(CSclProgramsDialog::propertiesId));
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.templateId(), 547);
        d.setControlText(CProgramPropertiesDialog::tagId, "Start");
        d.sendCommand(IDOK);
    });
    stationState().modified = 0;
    // New > Program... of the main frame is the window's New.
    EXPECT_TRUE(frame->commandStateOf(32864).enabled);
    frame->routeCommand(32864);
    EXPECT_EQ(rows(), std::vector<std::string>{"Start"});
    EXPECT_EQ(window->list().getSelectedIndex(), 0);
    EXPECT_TRUE(window->isControlEnabled(CSclProgramsDialog::propertiesId));
    EXPECT_EQ(stationState().modified, 1);
    gsclProgram* made = station::programs().find("Start");
    ASSERT_NE(made, nullptr);
    EXPECT_NE(CSclGlobalDoc::find(made), nullptr);

    // Duplicate too opens the copy.
    user.scripts.push_back([](CDialog& d) {
        d.setControlText(CProgramPropertiesDialog::tagId, "Again");
        d.sendCommand(IDOK);
    });
    window->sendCommand(CSelectDialog::duplicateId);
    EXPECT_EQ(rows(), (std::vector<std::string>{"Again", "Start"}));
    EXPECT_EQ(app->sclTemplate().documents().size(), 2u);
}

TEST_F(sclProgramsWindow, EditBringsTheOpenWindowBack)
{
    openPlant();
    EXPECT_EQ(rows(), (std::vector<std::string>{"OnEnable", "OnMessage"}));
    select("OnEnable");
    window->sendCommand(CSelectDialog::editId);
    ASSERT_EQ(app->sclTemplate().documents().size(), 1u);
    CSclGlobalDoc* doc = CSclGlobalDoc::find(station::programs().find("OnEnable"));
    windowOf(doc)->showMinimized();
    window->sendCommand(CSelectDialog::editId);
    EXPECT_EQ(app->sclTemplate().documents().size(), 1u);
    EXPECT_FALSE(windowOf(doc)->isMinimized());
}

TEST_F(sclProgramsWindow, PropertiesRenameTheRowAndTheWindow)
{
    openPlant();
    select("OnEnable");
    window->sendCommand(CSelectDialog::editId);
    CSclGlobalDoc* doc = CSclGlobalDoc::find(station::programs().find("OnEnable"));
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Edit Program Properties");
        d.setControlText(CProgramPropertiesDialog::nameId, "Enable all");
        d.sendCommand(IDOK);
    });
    stationState().modified = 0;
    window->sendCommand(CSclProgramsDialog::propertiesId);
    EXPECT_EQ(rows(), (std::vector<std::string>{"Enable all", "OnMessage"}));
    EXPECT_EQ(windowOf(doc)->windowTitle(), "Enable all");
    EXPECT_EQ(stationState().modified, 1);
}

TEST_F(sclProgramsWindow, DeleteRefusesAProgramThatIsCalled)
{
    openPlant();
    select("OnMessage");
    window->sendCommand(CSelectDialog::deleteId);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.lastMessage().text.rfind("You cannot delete this item because it is used by the following:\n", 0), 0u);
    EXPECT_NE(station::programs().find("OnMessage"), nullptr);
    EXPECT_EQ(rows().size(), 2u);
}

TEST_F(sclProgramsWindow, DeleteClosesTheWindowAndEmptiesTheList)
{
    gsclProgram* only = program("Only");
    window->refresh();
    window->sendCommand(CSelectDialog::editId);
    ASSERT_NE(CSclGlobalDoc::find(only), nullptr);
    stationState().modified = 0;
    window->sendCommand(CSelectDialog::deleteId);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_TRUE(app->sclTemplate().documents().empty());
    EXPECT_EQ(station::programs().find("Only"), nullptr);
    EXPECT_EQ(window->list().rowCount(), 0);
    for (int id : {CSelectDialog::editId, CSclProgramsDialog::propertiesId, CSelectDialog::deleteId,
                   CSelectDialog::duplicateId})
        EXPECT_FALSE(window->isControlEnabled(id)) << id;
    EXPECT_EQ(stationState().modified, 1);
}

} // namespace

namespace {

// What a program's open window shows is what Duplicate copies.
TEST_F(sclProgramsWindow, DuplicateCopiesWhatTheOpenWindowShows)
{
    openPlant();
    gsclProgram* original = station::programs().find("OnEnable");
    CSclGlobalDoc* doc = CSclGlobalDoc::openWindow(*original);
    ASSERT_NE(doc, nullptr);
    typeText(doc->views().at(0), "A=1:");
    user.scripts.push_back([](CDialog& d) {
        d.setControlText(CProgramPropertiesDialog::tagId, "Copy");
        d.sendCommand(IDOK);
    });
    select("OnEnable");
    window->sendCommand(CSelectDialog::duplicateId);
    gsclProgram* copy = station::programs().find("Copy");
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(std::string(copy->code().view()).rfind("A=1:", 0), 0u) << copy->code().view();
    EXPECT_EQ(copy->code().view(), original->code().view());
}

} // namespace
