#include "g2driver/editor/CDriverCommandsPane.h"
#include "g2driver/editor/CDriverObjectsPage.h"
#include "g2driver/editor/CEditG2DeviceDriverDialog.h"
#include "g2driver/model/g2driver.h"
#include "legacy/glegacyDriver.h"
#include "legacy/glegacyMask.h"
#include "legacy/glegacyParameter.h"
#include "legacy/ui/CEditDataMaskDialog.h"
#include "legacy/ui/CEditLegacyDriverDialog.h"
#include "legacy/ui/CEditLegacyParameterDialog.h"
#include "platform/recordingResponder.h"
#include "ports/gserialPort.h"
#include "ports/ui/CEditSerialPortDialog.h"
#include "registers/gregister.h"
#include "registers/ui/registerWindows.h"
#include "sabus/gsabusRequest.h"
#include "sabus/ui/CEditSabusCommandDialog.h"
#include "sabus/ui/CEditSabusQueryDialog.h"
#include "scl/gsclProgram.h"
#include "scl/ui/CProgramPropertiesDialog.h"
#include "screens/editor/CScreenPropertiesDialog.h"
#include "screens/model/fscreen.h"
#include "store/gstation.h"
#include "store/stationFile.h"
#include "store/storeFiles.h"
#include "store/storeTestSupport.h"
#include "support/ui/temporarySettings.h"

#include <QListWidget>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

// Every station and library fixture of the tests that loads: the files that
// show a load error and the expected outputs are left out.
std::vector<std::filesystem::path> fixtures()
{
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(KORVEL_TEST_DATA_DIR)) {
        const std::filesystem::path& path = entry.path();
        std::string name = path.filename().string();
        bool fileKind = path.extension() == ".stn" || path.extension() == ".kdl";
        if (!entry.is_regular_file() || !fileKind || path.parent_path().filename() != "fixtures"
            || name.rfind("error", 0) == 0 || name.find(".expected.") != std::string::npos)
            continue;
        found.push_back(path);
    }
    std::sort(found.begin(), found.end());
    return found;
}

// Opens every object's Edit dialog of each fixture, presses OK without a
// change and saves: the bytes must be those the fixture saved before.
class editUnchanged : public emptyStation {
protected:
    std::string saved(bool library)
    {
        std::string path = folder.path(library ? "saved.kdl" : "saved.stn");
        EXPECT_EQ(saveObjectFile(gstrSlice(path.c_str()), library), 0);
        return fileBytes(path);
    }

    // Runs the dialog with a bare OK, then compares the save with the one
    // before.
    void confirm(const std::string& what, const std::function<void()>& edit)
    {
        edit();
        EXPECT_EQ(saved(library_), before_) << file_ << ": " << what;
        EXPECT_TRUE(user.messages.empty()) << file_ << ": " << what << " showed message "
                                           << (user.messages.empty() ? 0 : user.messages.back().promptId);
        user.messages.clear();
        user.scripts.clear();
    }

    static std::function<void(CDialog&)> ok()
    {
        return [](CDialog& d) { d.sendCommand(IDOK); };
    }

    // Inside the port dialog: each device and each poll edited with a bare
    // OK, then the port's own OK.
    static void editRows(CDialog& d, int listId, const std::function<void()>& editRow, recordingResponder& user)
    {
        auto* list = d.controlAs<QListWidget>(listId);
        for (int row = 0; row < list->count(); ++row) {
            list->setCurrentRow(row);
            user.scripts.push_back(ok());
            editRow();
        }
    }

    void editStation()
    {
        for (gregister* reg : entriesOf(station::registers())) {
            confirm("register " + std::string(reg->getTag().view()), [&] {
                user.scripts.push_back(ok());
                runRegisterDialog(gregister::classCode(*reg), reg, reg, nullptr);
            });
        }
        for (gserialPort* port : entriesOf(station::serialPorts())) {
            confirm("port " + std::string(port->getTag().view()), [&] {
                user.scripts.push_back([this](CDialog& d) {
                    auto& dialog = static_cast<CEditSerialPortDialog&>(d);
                    editRows(d, CEditSerialPortDialog::devicesId, [&] { dialog.OnEditDevice(); }, user);
                    editRows(d, CEditSerialPortDialog::pollsId, [&] { dialog.OnEditPoll(); }, user);
                    d.sendCommand(IDOK);
                });
                CEditSerialPortDialog(port, port).DoModal();
            });
        }
        for (gsabusRequest* request : entriesOf(station::requests())) {
            confirm("request " + std::string(request->getTag().view()), [&] {
                user.scripts.push_back(ok());
                if (request->getKind() == 1)
                    CEditSabusQueryDialog(request, request).DoModal();
                else if (request->getKind() == 2)
                    CEditSabusCommandDialog(request, request).DoModal();
            });
        }
        for (gsclProgram* program : entriesOf(station::programs())) {
            confirm("program " + std::string(program->getTag().view()), [&] {
                user.scripts.push_back(ok());
                CProgramPropertiesDialog(program, program).DoModal();
            });
        }
        for (glegacyParameter* parameter : entriesOf(station::legacyParameters())) {
            confirm("legacy parameter " + std::string(parameter->getTag().view()), [&] {
                user.scripts.push_back(ok());
                CEditLegacyParameterDialog(parameter, parameter, nullptr).DoModal();
            });
        }
        for (fscreen* screen : entriesOf(station::screens())) {
            confirm("screen " + std::string(screen->getTag().view()), [&] {
                user.scripts.push_back(ok());
                CScreenPropertiesDialog(screen, screen).DoModal();
            });
        }
        editLegacyDrivers(station::legacyDrivers(), station::legacyMasks());
        for (g2driver* driver : entriesOf(station::g2Drivers())) {
            confirm("driver " + std::string(driver->getTag().view()), [&] {
                user.scripts.push_back([this](CDialog& d) {
                    editDriverEntries(static_cast<CEditG2DeviceDriverDialog&>(d));
                    d.sendCommand(IDOK);
                });
                CEditG2DeviceDriverDialog(driver, driver, nullptr).DoModal();
            });
        }
    }

    // Inside the driver dialog: each command template, command and data
    // object edited with a bare OK.
    void editDriverEntries(CEditG2DeviceDriverDialog& dialog)
    {
        CDriverCommandsPane& commands = dialog.commandsPane();
        commands.ensureInitialized();
        editRows(commands, CDriverCommandsPane::templateListId,
                 [&] { commands.sendCommand(CDriverCommandsPane::editTemplateId); }, user);
        editRows(commands, CDriverCommandsPane::commandListId,
                 [&] { commands.sendCommand(CDriverCommandsPane::editCommandId); }, user);
        CDriverObjectsPage& objects = dialog.objectsPage();
        objects.ensureInitialized();
        auto* tree = objects.controlAs<QTreeWidget>(CDriverObjectsPage::objectListId);
        for (int row = 0; row < tree->topLevelItemCount(); ++row) {
            tree->setCurrentItem(tree->topLevelItem(row));
            user.scripts.push_back(ok());
            objects.sendCommand(CDriverObjectsPage::editObjectId);
        }
    }

    void editLegacyDrivers(jhashTypedDatabaseTable<glegacyDriver>& drivers, jhashTypedDatabaseTable<glegacyMask>& masks)
    {
        for (glegacyMask* mask : entriesOf(masks)) {
            confirm("legacy mask " + std::string(mask->getTag().view()), [&] {
                user.scripts.push_back(ok());
                CEditDataMaskDialog(mask, mask, nullptr).DoModal();
            });
        }
        for (glegacyDriver* driver : entriesOf(drivers)) {
            confirm("legacy driver " + std::string(driver->getTag().view()), [&] {
                user.scripts.push_back(ok());
                CEditLegacyDriverDialog(driver, driver, nullptr).DoModal();
            });
        }
    }

    void check(const std::filesystem::path& fixture)
    {
        emptyAll();
        file_ = fixture.string();
        library_ = fixture.extension() == ".kdl";
        int loaded = loadObjectFile(gstrSlice(file_.c_str()), library_, false);
        // A fixture whose references stay undefined still loads.
        ASSERT_TRUE(loaded == gloadError::none || loaded == gloadError::undefinedObjects) << file_ << ": " << loaded;
        user.messages.clear();
        before_ = saved(library_);
        editStation();
    }

    tempFolder folder;
    temporarySettings settings;
    recordingResponder user;
    std::string file_;
    bool library_ = false;
    std::string before_;
};

TEST_F(editUnchanged, EveryFixtureSavesAsItWasAfterBareOks)
{
    std::vector<std::filesystem::path> files = fixtures();
    ASSERT_GE(files.size(), 10u);
    for (const auto& file : files)
        check(file);
}

} // namespace
