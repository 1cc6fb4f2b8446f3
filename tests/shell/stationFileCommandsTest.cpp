#include "mainFrameFixture.h"

#include "g2driver/model/g2driver.h"
#include "platform/textCodec.h"
#include "ports/gserialPort.h"
#include "shell/CLoadingStationDialog.h"
#include "shell/CObjectListCtrl.h"
#include "shell/CProgressBar.h"
#include "shell/CSelectDialog.h"
#include "store/gloadProgress.h"
#include "store/gstation.h"

#include <QUrl>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

const char* const plantText = "PORT COM1\r\n\tTITLE\t\tNorth line\r\n\tDEVICE_PATH\tCOM1\r\n\tSETTINGS\t9600, 8, NONE, 1\r\n\tLINE_TERM\tCR\r\nEND\r\n";

class stationFileCommands : public mainFrameTest {
protected:
    // An open station file, then changed by an edit.
    std::string openModifiedPlant()
    {
        stationState().modified = 0;
        std::string plant = file("plant.korvel-station", plantText);
        open(plant);
        EXPECT_EQ(frame->path().view(), plant);
        station::serialPorts().define("COM2");
        stationState().modified = 1;
        return plant;
    }

    // Temporary files of saves left in the test's folder.
    int strayTemporaries() const
    {
        int n = 0;
        for (const auto& e : fs::directory_iterator(temp.folder()))
            n += e.path().filename().string().rfind("stn", 0) == 0;
        return n;
    }

    void drop(const std::string& dropped)
    {
        frame->dropFiles({QUrl::fromLocalFile(QString::fromStdString(dropped)),
                          QUrl::fromLocalFile(QString::fromStdString(path("second.korvel-station")))});
    }
};

TEST_F(stationFileCommands, CloseQuestionAnswersOnNewOpenAndExit)
{
    struct step {
        const char* name;
        ganswer answer;
        int command;
        bool stationKept;
        bool written;
    };
    const step steps[] = {
        {"cancel new", ganswer::cancel, 32848, true, false},
        {"no to new", ganswer::no, 32848, false, false},
        {"yes to new", ganswer::yes, 32848, false, true},
        {"cancel exit", ganswer::cancel, 57665, true, false},
        {"yes to exit", ganswer::yes, 57665, false, true},
    };
    for (const step& s : steps) {
        SCOPED_TRACE(s.name);
        std::string plant = openModifiedPlant();
        user.messages.clear();
        user.answers.push_back(s.answer);
        frame->routeCommand(s.command);
        ASSERT_EQ(user.messages.size(), 1u);
        EXPECT_EQ(user.lastMessage().text, "Save changes to plant.korvel-station?");
        EXPECT_EQ(user.lastMessage().promptId, 61699);
        EXPECT_EQ(user.lastMessage().buttons, gbuttons::yesNoCancel);
        EXPECT_EQ(bytesOf(plant).find("COM2") != std::string::npos, s.written);
        EXPECT_EQ(frame->untitled(), !s.stationKept && s.command == 32848);
        EXPECT_EQ(stationState().modified != 0, s.stationKept);
        EXPECT_EQ(station::serialPorts().find("COM1") != nullptr, s.stationKept);
        frame->show();
    }
    // Open asks after the file was chosen; an unmodified station goes
    // without a question.
    std::string plant = openModifiedPlant();
    std::string other = file("other.korvel-station", "");
    user.messages.clear();
    user.answers.push_back(ganswer::cancel);
    open(other);
    EXPECT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(frame->path().view(), plant);
    stationState().modified = 0;
    open(other);
    EXPECT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(frame->path().view(), other);
}

TEST_F(stationFileCommands, UntitledStationIsSavedUnderANameWhenTheUserSaysYes)
{
    station::serialPorts().define("COM1");
    stationState().modified = 1;
    // Cancel in the save dialog keeps the station.
    user.answers.push_back(ganswer::yes);
    frame->routeCommand(32848);
    EXPECT_EQ(station::serialPorts().count(), 1);
    ASSERT_EQ(user.fileDialogs.size(), 1u);
    EXPECT_EQ(user.lastMessage().text, "Save changes to Untitled?");

    std::string saved = path("first.korvel-station");
    user.answers.push_back(ganswer::yes);
    user.chosenFiles.push_back(saved);
    frame->routeCommand(32848);
    EXPECT_NE(bytesOf(saved).find("PORT COM1"), std::string::npos);
    EXPECT_EQ(station::serialPorts().count(), 0);
    EXPECT_TRUE(frame->untitled());
    EXPECT_EQ(app->recentFiles().at(0).view(), saved);
}

TEST_F(stationFileCommands, SaveAsToANewNameThenSave)
{
    EXPECT_FALSE(enabled(32852));
    EXPECT_TRUE(enabled(32853));
    station::serialPorts().define("COM1");
    stationState().modified = 1;
    EXPECT_TRUE(enabled(32852));

    // Save of an untitled station is Save As.
    std::string target = path("plant.korvel-station");
    user.chosenFiles.push_back(target);
    frame->routeCommand(32852);
    ASSERT_EQ(user.fileDialogs.size(), 1u);
    const fileDialogRequest& asked = user.fileDialogs[0];
    EXPECT_EQ(asked.mode, fileDialogMode::save);
    EXPECT_EQ(asked.filter, "Station File|*.korvel-station;*.stn||");
    EXPECT_EQ(asked.defaultExtension, "korvel-station");
    EXPECT_EQ(asked.fileName, "Untitled");
    EXPECT_EQ(asked.folder, "");
    EXPECT_EQ(frame->path().view(), target);
    EXPECT_FALSE(frame->untitled());
    EXPECT_EQ(stationState().modified, 0);
    EXPECT_EQ(frame->windowTitle(), "plant.korvel-station - K.O.R.V.E.L. Quillane");
    EXPECT_FALSE(enabled(32852));
    EXPECT_EQ(app->recentFiles().at(0).view(), target);

    station::serialPorts().define("COM2");
    stationState().modified = 1;
    frame->routeCommand(32852);
    EXPECT_EQ(user.fileDialogs.size(), 1u);
    EXPECT_NE(bytesOf(target).find("PORT COM2"), std::string::npos);
    EXPECT_EQ(stationState().modified, 0);
    EXPECT_EQ(strayTemporaries(), 0);
    EXPECT_TRUE(user.messages.empty());

    // Save As starts in the station's folder; a station of drivers only is
    // offered both kinds, a library the library first.
    closeObjectDatabase();
    frame->newStation();
    station::g2Drivers().define("G1");
    frame->routeCommand(32853);
    EXPECT_EQ(user.fileDialogs.back().filter,
              "Station File|*.korvel-station;*.stn|Device Driver Library|*.korvel-drivers;*.kdl||");
    user.chosenFiles.push_back(path("drivers.kdl"));
    frame->routeCommand(32853);
    EXPECT_TRUE(frame->libraryMode());
    frame->routeCommand(32853);
    EXPECT_EQ(user.fileDialogs.back().filter,
              "Device Driver Library|*.korvel-drivers;*.kdl|Station File|*.korvel-station;*.stn||");
    EXPECT_EQ(user.fileDialogs.back().folder, temp.folder());
    EXPECT_EQ(user.fileDialogs.back().fileName, "drivers");
}

// Root writes into read-only folders, so the failures are made otherwise: a
// file-size limit (with SIGXFSZ ignored) stops the write of the temporary
// file, and a folder that is a plain file stops its creation.
TEST_F(stationFileCommands, FailedSaveKeepsTheOldFileAndTheModifiedFlag)
{
    std::string plant = openModifiedPlant();
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small{200, old.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    frame->routeCommand(32852);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(bytesOf(plant), plantText);
    EXPECT_EQ(stationState().modified, 1);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.lastMessage().text.find("The file \"" + plant + "\" could not be saved"), 0u);
    EXPECT_NE(user.lastMessage().text.find("File too large"), std::string::npos);
    EXPECT_EQ(strayTemporaries(), 0);

    file("notAFolder", "x");
    user.chosenFiles.push_back(path("notAFolder/plant.korvel-station"));
    EXPECT_FALSE(frame->saveAs());
    EXPECT_EQ(frame->path().view(), plant);
    EXPECT_EQ(stationState().modified, 1);
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_NE(user.lastMessage().text.find("notAFolder/plant.korvel-station"), std::string::npos);
    EXPECT_EQ(app->recentFiles().size(), 1u);
}

// Save As onto a pipe would block or replace it with a plain file; it is
// refused with the reason, and the pipe stays.
TEST_F(stationFileCommands, SaveAsOntoAPipeIsRefused)
{
    std::string plant = openModifiedPlant();
    std::string pipe = path("pipe.korvel-station");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    user.chosenFiles.push_back(pipe);
    EXPECT_FALSE(frame->saveAs());
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(frame->path().view(), plant);
    EXPECT_EQ(stationState().modified, 1);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.lastMessage().text, "The file \"" + pipe + "\" could not be saved; it is left as it was.\n\n"
                                       "Could not replace " + pipe + ": Not a regular file");
    EXPECT_EQ(strayTemporaries(), 0);
}

// A folder and a file named in Latin-1 bytes: the path stays bytes from the
// dialog, the command line and the recent files to the disk and back; only
// the title shows the byte that is not UTF-8, as a replacement character.
TEST_F(stationFileCommands, PathThatIsNotUtf8OpensSavesAndIsRemembered)
{
    fs::create_directory(path("caf\xE9"));
    std::string plant = file("caf\xE9/b\xE9t.korvel-station", plantText);
    open(plant);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(frame->path().view(), plant);
    EXPECT_EQ(frame->windowTitle(), QString::fromUtf8("b\uFFFDt.korvel-station - K.O.R.V.E.L. Quillane"));
    // A whole port, so that the saved station loads again.
    gserialPort* port = station::serialPorts().define("COM2");
    port->setDevicePath("COM2");
    port->setSettings(9600, 8, 0, 1);
    port->setLineTermination(1);
    stationState().modified = 1;
    frame->routeCommand(32852);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_NE(bytesOf(plant).find("PORT COM2"), std::string::npos);

    // Started again with the file on its command line, as main hands it over.
    app.reset();
    clearObjectDatabase(false);
    stationState() = gstationState{};
    app = std::make_unique<CStationEditorApp>();
    ASSERT_TRUE(app->InitInstance({"-nologo", toUiPath(gstrSlice(plant.c_str()))}));
    frame = app->mainFrame();
    EXPECT_EQ(frame->path().view(), plant);
    EXPECT_TRUE(stationState().open);
    ASSERT_FALSE(app->recentFiles().empty());
    EXPECT_EQ(app->recentFiles().at(0).view(), plant);

    // And from the recent files.
    ASSERT_TRUE(frame->closeStation());
    frame->routeCommand(57616);
    EXPECT_EQ(frame->path().view(), plant);
    EXPECT_TRUE(stationState().open);
    EXPECT_TRUE(user.messages.empty());
}

// A name in UTF-8 and one in Latin-1 bytes show as the names they are in
// the recent-file menu and in a failed save's message, not as 8-bit text.
TEST_F(stationFileCommands, PathsShowAsPathsInTheMenuAndInMessages)
{
    struct nameCase {
        std::string folder, file;
        QString menu;        // after "&1 " and the test's folder
        std::string message; // the failed target in the message, model text
    };
    const nameCase cases[] = {
        {"caf\xC3\xA9", "\xC3\x81rea.korvel-station", QString::fromUtf8("caf\u00E9/\u00C1rea.korvel-station"),
         "caf\xE9/\xC1rea.korvel-station/x.korvel-station"},
        {"caf\xE9", "b\xE9t.korvel-station", QString::fromUtf8("caf\uFFFD/b\uFFFDt.korvel-station"),
         "caf?/b?t.korvel-station/x.korvel-station"},
    };
    for (const nameCase& c : cases) {
        fs::create_directory(path(c.folder));
        std::string plant = file(c.folder + "/" + c.file, plantText);
        open(plant);
        frame->updateCommandUi();
        EXPECT_EQ(frame->action(57616)->text().toStdString(),
                  ("&1 " + QString::fromStdString(temp.folder()) + "/" + c.menu).toStdString());

        // The station file itself stands where a folder should be.
        user.chosenFiles.push_back(plant + "/x.korvel-station");
        EXPECT_FALSE(frame->saveAs());
        ASSERT_FALSE(user.messages.empty());
        EXPECT_NE(user.lastMessage().text.find(c.message), std::string::npos) << user.lastMessage().text;
    }
}

TEST_F(stationFileCommands, OpenOfABrokenFileLeavesNoStation)
{
    std::string plant = file("plant.korvel-station", plantText);
    open(plant);
    CSelectDialog* ports = frame->listWindowAt(CMainFrame::serialPorts);
    EXPECT_EQ(ports->list().rowCount(), 1);
    EXPECT_EQ(frame->windowTitle(), "plant.korvel-station - K.O.R.V.E.L. Quillane");

    std::string broken = file("broken.korvel-station", "PORT COM1\n\nNOSUCHKEYWORD 1\nEND\n");
    open(broken);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.lastMessage().text, "Unknown field identifier on line 3 of file " + broken + ".");
    EXPECT_EQ(ports->list().rowCount(), 0);
    EXPECT_EQ(station::serialPorts().count(), 0);
    EXPECT_EQ(stationState().open, 0);
    EXPECT_EQ(frame->windowTitle(), "K.O.R.V.E.L. Quillane");
    EXPECT_EQ(app->recentFiles().size(), 1u);
    EXPECT_EQ(loadProgress(), nullptr);
    EXPECT_FALSE(enabled(32853));
    EXPECT_EQ(user.fileDialogs.at(1).mode, fileDialogMode::openAny);
    EXPECT_EQ(user.fileDialogs.at(1).filter.rfind("Station Files|*.korvel-station;*.stn|Device Driver Libraries|", 0),
              0u);
}

TEST_F(stationFileCommands, DroppedLibraryOpensInLibraryMode)
{
    openModifiedPlant();
    std::string library = file("drivers.KDL", "G2DRIVER G1\nEND\nMASK M1\n\tPATTERN2\t#\n\tBUFFER_SIZE\t8\n\tTIMEOUT\t\t1\nEND\n");
    user.answers.push_back(ganswer::cancel);
    drop(library);
    EXPECT_EQ(frame->windowTitle(), "plant.korvel-station - K.O.R.V.E.L. Quillane");

    user.answers.push_back(ganswer::no);
    drop(library);
    EXPECT_TRUE(frame->libraryMode());
    EXPECT_EQ(frame->windowTitle(), "drivers.KDL - K.O.R.V.E.L. Quillane");
    EXPECT_EQ(frame->listWindowAt(CMainFrame::deviceDrivers)->list().rowCount(), 1);
    EXPECT_EQ(frame->listWindowAt(CMainFrame::legacyDataMasks)->list().rowCount(), 1);
    EXPECT_EQ(frame->listWindowAt(CMainFrame::serialPorts)->list().rowCount(), 0);
    EXPECT_EQ(app->recentFiles().at(0).view(), library);
    EXPECT_FALSE(enabled(32880));
    EXPECT_FALSE(enabled(32852));
}

TEST_F(stationFileCommands, LoadingStationWindowShowsTheShareRead)
{
    std::string plant = file("plant.korvel-station", plantText);
    {
        CLoadingStationDialog loading(frame);
        EXPECT_TRUE(loading.isVisible());
        EXPECT_EQ(loading.windowTitle(), "Loading Station");
        EXPECT_EQ(loadProgress(), &loading);
        EXPECT_EQ(loadObjectFile(gstrSlice(plant.c_str()), false, false), 0);
        EXPECT_EQ(loading.bar().range(), std::string(plantText).size());
        EXPECT_EQ(loading.bar().position(), loading.bar().range());
        loading.setRange(int64_t{1} << 40);
        loading.setPosition(int64_t{1} << 39);
        EXPECT_EQ(loading.bar().position() * 2, loading.bar().range());
    }
    EXPECT_EQ(loadProgress(), nullptr);
}

} // namespace
