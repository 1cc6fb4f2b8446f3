#include "g2driver/editor/CDriverCommandsPane.h"
#include "g2driver/editor/CDriverObjectsPage.h"
#include "g2driver/editor/CEditG2DeviceDriverDialog.h"
#include "g2driver/model/g2driver.h"
#include "legacy/glegacyMask.h"
#include "legacy/ui/CEditDataMaskDialog.h"
#include "platform/recordingResponder.h"
#include "ports/gserialPort.h"
#include "ports/ui/CEditSerialPortDialog.h"
#include "registers/gregister.h"
#include "registers/ui/registerWindows.h"
#include "store/gstation.h"
#include "store/stationFile.h"
#include "store/storeFiles.h"
#include "store/storeTestSupport.h"
#include "support/ui/temporarySettings.h"

#include <QListWidget>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// Values the file takes beyond what the dialogs take for a typed value: a
// delay one millisecond below the "not set" count, times above 2147483 s,
// retry counts of 2147483647, and a summary without a program over objects
// that are not bistate.
const char* const wideStation = R"(MASK Slow
	PATTERN2	#+
	BUFFER_SIZE	32
	TIMEOUT		3000000.5
END
G2DRIVER Pump
	DELAY		4294967.294
	RETRIES		2147483647
	ERROR_CODE	Fault, NUMERICAL VALUE
	ERROR_HANDLING	Fault, NUMERICAL VALUE
		IGNORE_ERRORS	NONE
		REINIT_ERRORS	NONE
		RETRY_ERRORS	DEFAULT
		DELAY		4294967.294
		RETRIES		2147483647
	END
	CR_TEMPLATE	Query
		DELAY		3000000.5
		BUFFER_SIZE	16
		RESPONSE_ELEMENT	REGEXP
			PATTERN	OK
		END
	END
	CR_TEMPLATE	Set
		DELAY		4294967.294
	END
	COMMAND		Read
		CR_TEMPLATE	Query
		TIMEOUT		4294967.294
		RETRIES		2147483647
	END
	OBJECT	Count, DIGITAL
		SOURCE	PARAMETER
		END
	END
	OBJECT	Label, STRING
		SOURCE	PARAMETER
		END
	END
	OBJECT	Total, DIGITAL
		SOURCE	SUMMARY
			OBJECT
				OBJECT	Count
			END
			OBJECT
				OBJECT	Label
			END
		END
	END
END
PORT North
	DEVICE_PATH	COM1
	SETTINGS	9600, 8, NONE, 1
	LINE_TERM	CR
	DELAY		4294967.294
	G2DEVICE	P1
		DRIVER		Pump
		RETRIES		2147483647
	END
END
BISTATE_REG Door
	LEVEL		NONE
	DELAY		3000000.5
	SOURCE		G2 PARAMETER
	END
END
)";

// Every dialog that shows one of those values, confirmed with a bare OK:
// no message, and the station saves as it was.
class loadedFields : public emptyStation {
protected:
    void SetUp() override
    {
        emptyStation::SetUp();
        std::string path = folder.path("wide.stn");
        putFile(path, wideStation);
        ASSERT_EQ(loadObjectFile(gstrSlice(path.c_str()), false, false), 0);
        before_ = saved();
    }

    std::string saved()
    {
        std::string path = folder.path("saved.stn");
        EXPECT_EQ(saveObjectFile(gstrSlice(path.c_str()), false), 0);
        return fileBytes(path);
    }

    void pushOk() { user.scripts.push_back([](CDialog& d) { d.sendCommand(IDOK); }); }

    // Each row of the list edited with a bare OK through the command.
    void editRows(CDialog& host, int listId, int editId)
    {
        auto* list = host.controlAs<QListWidget>(listId);
        for (int row = 0; row < list->count(); ++row) {
            list->setCurrentRow(row);
            pushOk();
            host.sendCommand(editId);
        }
    }

    void editDriver(CEditG2DeviceDriverDialog& d)
    {
        CDriverCommandsPane& commands = d.commandsPane();
        commands.ensureInitialized();
        editRows(commands, CDriverCommandsPane::templateListId, CDriverCommandsPane::editTemplateId);
        editRows(commands, CDriverCommandsPane::commandListId, CDriverCommandsPane::editCommandId);
        pushOk();
        d.sendCommand(CEditG2DeviceDriverDialog::errorHandlingId);
        CDriverObjectsPage& objects = d.objectsPage();
        objects.ensureInitialized();
        auto* tree = objects.controlAs<QTreeWidget>(CDriverObjectsPage::objectListId);
        for (int row = 0; row < tree->topLevelItemCount(); ++row) {
            tree->setCurrentItem(tree->topLevelItem(row));
            pushOk();
            objects.sendCommand(CDriverObjectsPage::editObjectId);
        }
        d.sendCommand(IDOK);
    }

    tempFolder folder;
    temporarySettings settings;
    recordingResponder user;
    std::string before_;
};

TEST_F(loadedFields, BareOksConfirmWhatTheFileHolds)
{
    const std::pair<const char*, std::function<int()>> dialogs[] = {
        {"port and device",
         [this] {
             gserialPort* port = station::serialPorts().find("North");
             user.scripts.push_back([this](CDialog& d) {
                 auto& dialog = static_cast<CEditSerialPortDialog&>(d);
                 d.controlAs<QListWidget>(CEditSerialPortDialog::devicesId)->setCurrentRow(0);
                 pushOk();
                 dialog.OnEditDevice();
                 d.sendCommand(IDOK);
             });
             return CEditSerialPortDialog(port, port).DoModal();
         }},
        {"driver, templates, commands, error handling and data objects",
         [this] {
             g2driver* driver = station::g2Drivers().find("Pump");
             user.scripts.push_back([this](CDialog& d) { editDriver(static_cast<CEditG2DeviceDriverDialog&>(d)); });
             return CEditG2DeviceDriverDialog(driver, driver, nullptr).DoModal();
         }},
        {"data mask",
         [this] {
             glegacyMask* mask = station::legacyMasks().find("Slow");
             pushOk();
             return CEditDataMaskDialog(mask, mask, nullptr).DoModal();
         }},
        {"bistate register",
         [this] {
             gregister* reg = station::registers().find("Door");
             pushOk();
             return runRegisterDialog(gregister::classCode(*reg), reg, reg, nullptr) == reg ? IDOK : IDCANCEL;
         }},
    };
    for (const auto& [what, run] : dialogs) {
        SCOPED_TRACE(what);
        EXPECT_EQ(run(), IDOK);
        EXPECT_EQ(user.messages.size(), 0u) << user.lastMessage().text;
        EXPECT_EQ(saved(), before_);
        user.messages.clear();
    }
}

} // namespace
