#pragma once

#include "platform/CDialog.h"
#include "platform/recordingResponder.h"
#include "platform/textCodec.h"
#include "ports/gserialPort.h"
#include "store/gstation.h"
#include "store/stationFile.h"
#include "store/storeTestSupport.h"
#include "support/ui/temporarySettings.h"

#include <QComboBox>
#include <QListWidget>
#include <functional>
#include <string>
#include <vector>

// A station with two legacy drivers, two G2 drivers and a port "North" with
// two G2 devices, a legacy device and a polling sequence. Its timeouts are
// short: the Test Port tests wait for them. Pump's ReadFlow sends "Q" and a
// CR and is answered with "OK", two digits of flow and a CR; its error response is "ER" and one byte of
// error code.
inline const char* const portsStation = R"(PROGRAM OnMessage
END
PROGRAM OnEnable
END
MASK Reading
	PREFIX		"\x02"
	PATTERN2	#+
	SUFFIX		"\x03"
	BUFFER_SIZE	32
	TIMEOUT		0.3
END
DRIVER Meter
	TITLE		"Meter, legacy"
	DELAY		0.02
	ERROR_PATTERN2	NAK
	RESPONSE	Value, Reading
	COMMAND		Read, "R\r", Value
	COMMAND		Reset, "X\r"
	REPLY		Ack, "\x06"
END
DRIVER Gauge
	COMMAND		Read, "G\r"
END
G2DRIVER Pump
	TITLE		Pump controller
	PARAMETER	Address, DIGITAL
	DELAY		0.05
	ERROR_CODE	code, NUMERICAL VALUE
	CR_TEMPLATE	Query
		DELAY		0.3
		BUFFER_SIZE	64
		COMMAND_ELEMENT	FIXED STRING
			STRING	"Q\r"
		END
		RESPONSE_ELEMENT	REGEXP
			PATTERN	OK
		END
		RESPONSE_ELEMENT	NUMERICAL VALUE
			NAME	flow
			TYPE	DECIMAL
			WIDTH	2
		END
		RESPONSE_ELEMENT	REGEXP
			PATTERN	"\r"
		END
		ERROR_ELEMENT	REGEXP
			PATTERN	ER
		END
		ERROR_ELEMENT	NUMERICAL ERROR CODE
			NAME	code
			TYPE	BYTE
			WIDTH	1
		END
	END
	CR_TEMPLATE	Set
		DELAY		0.02
	END
	COMMAND		ReadFlow
		PARAMETER	Channel, DIGITAL
		PARAMETER	Scale, ANALOG
		CR_TEMPLATE	Query
		TIMEOUT		0.3
		BUFFER_SIZE	16
	END
	COMMAND		Start
		PARAMETER	On, BISTATE
		CR_TEMPLATE	Set
	END
END
G2DRIVER Valve
	DELAY		3
	CR_TEMPLATE	Move
		DELAY		0.01
	END
	COMMAND		Start
		CR_TEMPLATE	Move
	END
	COMMAND		Close
		PARAMETER	Label, STRING
		CR_TEMPLATE	Move
	END
END
PORT North
	TITLE		"North line"
	DEVICE_PATH	COM1
	SETTINGS	9600, 8, NONE, 1
	FLOW_CONTROL	RTS/CTS
	LINE_TERM	CR+LF
	DELAY		0.25
	G2DEVICE	P1
		TITLE		"Pump one"
		DRIVER		Pump
		PARAMETER	Address, DIGITAL, 7
		RETRIES		4
		INIT_SEQUENCE	COMMON
			COMMAND		P1, Pump, ReadFlow
				PARAMETER	Channel, DIGITAL, 3
			END
		END
	END
	DEVICE		Meter
		TITLE		"Meter 12"
		TOLERANCE	3
		INIT_SEQUENCE
			POLL		Meter, Reset, 2
		END
	END
	G2DEVICE	"P 2"
		DRIVER		Pump
	END
	POLLING_SEQUENCE
		COMMAND		P1, Pump, ReadFlow
			PARAMETER	Channel, DIGITAL, 1
		END
		POLL		Meter, Read
		COMMAND		"P 2", Pump, Start
			PARAMETER	On, BISTATE, OFF
		END
	END
END
)";

// What every test of the port dialogs starts from: settings of its own, a
// user that answers from scripts, and the station above.
class portsUi : public emptyStation {
protected:
    void SetUp() override
    {
        emptyStation::SetUp();
        loadStation(portsStation);
    }

    void loadStation(const std::string& text)
    {
        emptyAll();
        std::string path = folder.path("station.stn");
        putFile(path, text);
        ASSERT_EQ(loadObjectFile(gstrSlice(path.c_str()), false, false), 0);
        stationState().modified = 0;
    }

    std::string savedStation()
    {
        std::string path = folder.path("saved.stn");
        EXPECT_EQ(saveObjectFile(gstrSlice(path.c_str()), false), 0);
        return fileBytes(path);
    }

    gserialPort* north() { return station::serialPorts().find("North"); }

    // The next modal run: the script, then OK unless the script ended it.
    void thenOk(std::function<void(CDialog&)> script = {})
    {
        user.scripts.push_back([script](CDialog& d) {
            if (script)
                script(d);
            if (!d.hasEnded())
                d.sendCommand(IDOK);
        });
    }
    void thenCancel() { user.scripts.push_back([](CDialog& d) { d.sendCommand(IDCANCEL); }); }

    std::vector<int> messageIds() const
    {
        std::vector<int> ids;
        for (const shownMessage& m : user.messages)
            ids.push_back(m.promptId);
        return ids;
    }

    tempFolder folder;
    temporarySettings settingsFolder;
    recordingResponder user;
};

// What the user's choice in a combo does: the selection changes and the
// dialog hears of it.
inline void choose(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

inline void chooseText(QComboBox* combo, const char* text)
{
    choose(combo, combo->findText(QString::fromLatin1(text)));
}

inline std::vector<std::string> itemTexts(const QComboBox* combo)
{
    std::vector<std::string> texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.push_back(combo->itemText(i).toStdString());
    return texts;
}

inline std::vector<std::string> rowTexts(const QListWidget* list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list->count(); ++i)
        texts.push_back(list->item(i)->text().toStdString());
    return texts;
}

inline std::string text(const gstrSlice& bytes) { return std::string(bytes.view()); }
