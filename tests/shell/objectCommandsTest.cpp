#include "mainFrameFixture.h"

#include "g2driver/model/g2driver.h"
#include "legacy/glegacyDriver.h"
#include "screens/model/gimageLibrary.h"
#include "shell/CImportDriversDialog.h"
#include "shell/CObjectListCtrl.h"
#include "shell/CSelectDialog.h"
#include "platform/settingsStore.h"
#include "ports/gserialPort.h"
#include "store/gstation.h"

#include <QListWidget>

namespace {

const char* const libraryText = "G2DRIVER PLC\n\tTITLE\t\tbeta\nEND\n"
                                "G2DRIVER Alpha\nEND\n"
                                "DRIVER Old\n\tTITLE\t\tGamma\nEND\n"
                                "MASK M9\n\tPATTERN2\t#\n\tBUFFER_SIZE\t8\n\tTIMEOUT\t\t1\nEND\n";

class objectCommands : public mainFrameTest {
protected:
    void SetUp() override
    {
        mainFrameTest::SetUp();
        library = file("drivers.korvel-drivers", libraryText);
    }

    static std::vector<std::string> itemsOf(CDialog& d)
    {
        std::vector<std::string> items;
        for (int i = 0; i < d.itemCount(CImportDriversDialog::listId); ++i)
            items.push_back(std::string(d.itemText(CImportDriversDialog::listId, i).view()));
        return items;
    }

    static QListWidget& listOf(CDialog& d) { return *d.controlAs<QListWidget>(CImportDriversDialog::listId); }

    int libraryEntries() const
    {
        return driverLibrary::g2Drivers().count() + driverLibrary::legacyDrivers().count() +
               driverLibrary::legacyMasks().count();
    }

    std::string library;
};

TEST_F(objectCommands, ImportMovesTheSelectedDriversUnderFreeTags)
{
    station::g2Drivers().define("PLC");
    EXPECT_TRUE(enabled(32881));
    user.chosenFiles.push_back(library);
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Import Device Drivers");
        EXPECT_EQ(itemsOf(d), (std::vector<std::string>{"Alpha", "beta", "Gamma"}));
        EXPECT_FALSE(d.isControlEnabled(IDOK));
        listOf(d).item(1)->setSelected(true);
        listOf(d).item(2)->setSelected(true);
        EXPECT_TRUE(d.isControlEnabled(IDOK));
        d.sendCommand(IDOK);
    });
    frame->routeCommand(32881);
    ASSERT_EQ(user.dialogs.size(), 1u);
    EXPECT_EQ(user.dialogs[0].result, IDOK);
    const fileDialogRequest& asked = user.fileDialogs.at(0);
    EXPECT_EQ(asked.mode, fileDialogMode::openExisting);
    EXPECT_EQ(asked.filter, "Device Driver Libraries|*.korvel-drivers;*.kdl|All Files|*.*||");

    ASSERT_NE(station::g2Drivers().find("PLC-2"), nullptr);
    EXPECT_EQ(station::g2Drivers().find("PLC-2")->getTitle(false).view(), "beta");
    EXPECT_NE(station::legacyDrivers().find("Old"), nullptr);
    EXPECT_EQ(station::g2Drivers().find("Alpha"), nullptr);
    EXPECT_EQ(libraryEntries(), 0);
    EXPECT_EQ(stationState().modified, 1);
    EXPECT_EQ(frame->listWindowAt(CMainFrame::deviceDrivers)->list().rowCount(), 2);
    EXPECT_EQ(frame->listWindowAt(CMainFrame::legacyDeviceDrivers)->list().rowCount(), 1);
    EXPECT_EQ(frame->lastLibraryPath().view(), library);

    // The next import starts from that library.
    frame->routeCommand(32881);
    EXPECT_EQ(user.fileDialogs.at(1).folder, temp.folder());
    EXPECT_EQ(user.fileDialogs.at(1).fileName, "drivers");
}

TEST_F(objectCommands, CancelledOrFailedImportLeavesTheStationAsItWas)
{
    user.chosenFiles.push_back(library);
    user.scripts.push_back([](CDialog& d) {
        listOf(d).selectAll();
        EXPECT_TRUE(d.isControlEnabled(IDOK));
        listOf(d).clearSelection();
        EXPECT_FALSE(d.isControlEnabled(IDOK));
        d.sendCommand(IDCANCEL);
    });
    frame->routeCommand(32881);
    EXPECT_EQ(user.dialogs.at(0).result, IDCANCEL);
    EXPECT_EQ(libraryEntries(), 0);
    EXPECT_EQ(station::g2Drivers().count(), 0);
    EXPECT_EQ(stationState().modified, 0);

    // A library without drivers: nothing to pick, Enter does not import.
    user.chosenFiles.push_back(file("masks.kdl", "MASK M1\n\tPATTERN2\t#\n\tBUFFER_SIZE\t8\n\tTIMEOUT\t\t1\nEND\n"));
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.itemCount(CImportDriversDialog::listId), 0);
        d.sendCommand(IDOK);
        EXPECT_FALSE(d.hasEnded());
    });
    frame->routeCommand(32881);
    EXPECT_EQ(user.dialogs.at(1).result, IDCANCEL);

    // A library that does not load: its message, no dialog.
    user.chosenFiles.push_back(file("bad.kdl", "PORT P1\nEND\n"));
    frame->routeCommand(32881);
    EXPECT_EQ(user.dialogs.size(), 2u);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.lastMessage().text.rfind("Object type not allowed in device driver library on line 1", 0), 0u);
    EXPECT_EQ(libraryEntries(), 0);
    EXPECT_EQ(stationState().modified, 0);
    EXPECT_TRUE(frame->lastLibraryPath().view().ends_with("masks.kdl"));
}

TEST_F(objectCommands, SaveDeviceDriversWritesOnlyTheDrivers)
{
    EXPECT_FALSE(enabled(32882));
    station::serialPorts().define("COM1");
    station::g2Drivers().define("G1");
    stationState().modified = 1;
    EXPECT_TRUE(enabled(32882));
    std::string target = path("out.kdl");
    user.chosenFiles.push_back(target);
    frame->routeCommand(32882);
    EXPECT_EQ(user.fileDialogs.at(0).filter, "Device Driver Library|*.korvel-drivers;*.kdl||");
    std::string written = bytesOf(target);
    EXPECT_NE(written.find("G2DRIVER G1"), std::string::npos);
    EXPECT_EQ(written.find("PORT"), std::string::npos);
    EXPECT_EQ(stationState().modified, 1);
    EXPECT_TRUE(frame->untitled());
    EXPECT_EQ(frame->windowTitle(), "Untitled - K.O.R.V.E.L. Quillane");
    EXPECT_EQ(frame->lastLibraryPath().view(), target);
}

TEST_F(objectCommands, LoadAndReloadImagesKeepTheSetting)
{
    EXPECT_FALSE(enabled(32914));
    // An image library of one placeholder picture of a single pixel.
    const char library[] = {0, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 2, 5, 0};
    std::string images = file("pictures.kil", std::string(library, sizeof library));
    user.chosenFiles.push_back(images);
    frame->routeCommand(32858);
    const fileDialogRequest& asked = user.fileDialogs.at(0);
    EXPECT_EQ(asked.title, "Load Images");
    EXPECT_EQ(asked.filter, "Image Libraries|*.korvel-images;*.kil|All Files|*.*||");
    EXPECT_EQ(profileString("Settings", "Image Library", "").view(), images);
    EXPECT_TRUE(enabled(32914));

    // A library that cannot be read keeps the setting.
    user.chosenFiles.push_back(path("missing.kil"));
    frame->routeCommand(32858);
    EXPECT_EQ(profileString("Settings", "Image Library", "").view(), images);

    frame->routeCommand(32914);
    EXPECT_EQ(profileString("Settings", "Image Library", "").view(), images);
    std::filesystem::remove(images);
    frame->routeCommand(32914);
    EXPECT_TRUE(profileString("Settings", "Image Library", "").isEmpty());
    EXPECT_FALSE(enabled(32914));
    imageLibrary().forget();
}

TEST_F(objectCommands, ToolDialogsFollowTheirRules)
{
    int runs = 0;
    for (int id : {32874, 32878, 32865, 32842})
        frame->setToolDialog(id, [&runs] { ++runs; });
    EXPECT_FALSE(enabled(32878));
    EXPECT_TRUE(enabled(32865));
    EXPECT_TRUE(enabled(32842));
    EXPECT_FALSE(enabled(32913)); // no dialog given

    open(file("one.korvel-station", "BISTATE_REG R1\nEND\n"));
    EXPECT_TRUE(enabled(32878));
    EXPECT_FALSE(enabled(32874));
    open(file("two.korvel-station", "BISTATE_REG R1\nEND\nANALOG_REG R2\nEND\n"));
    EXPECT_TRUE(enabled(32874));
    frame->routeCommand(32874);
    frame->routeCommand(32913);
    EXPECT_EQ(runs, 1);

    // Library mode: the station's New commands and Save and Test go.
    open(library);
    EXPECT_FALSE(enabled(32865));
    EXPECT_TRUE(enabled(32842));
    EXPECT_FALSE(enabled(32880));
    EXPECT_TRUE(enabled(32881));
    // The driver windows make drivers and the mask window masks in a
    // library too.
    for (int id : {32919, 32920, 32921, 32860, 32859})
        EXPECT_TRUE(enabled(id)) << id;
}

} // namespace
