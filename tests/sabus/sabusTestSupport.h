#pragma once

#include "foundation/gstr.h"
#include "store/gstation.h"
#include "store/stationFile.h"
#include "store/storeTestSupport.h"
#include "support/model/recordingMessages.h"
#include "support/model/stationLines.h"

#include <string>
#include <vector>

// The registers and programs the request tests name.
inline const std::string sabusObjects = "BISTATE_REG Pump\n\tTITLE\t\t\"Pump running\"\nEND\n"
                                        "DIGITAL_REG Mode\nEND\n"
                                        "ANALOG_REG Level\n\tTITLE\t\tTank level\nEND\n"
                                        "STRING_REG Label\nEND\n"
                                        "PROGRAM SetLevel\nEND\n"
                                        "PROGRAM Report\n\tTITLE\t\tDaily report\nEND\n";

// What the tests of the SABus requests start from: an empty station, a
// folder, a recorder for messages, and a way to load a station text.
class sabusStation : public emptyStation {
protected:
    static std::string fixture(const std::string& name)
    {
        return std::string(KORVEL_TEST_DATA_DIR) + "/sabus/fixtures/" + name;
    }

    // Each load starts from an empty station.
    int loadText(const std::string& text)
    {
        emptyAll();
        std::string path = folder.path("station.stn");
        putFile(path, text);
        return loadObjectFile(gstrSlice(path.c_str()), false, false);
    }
    int loadWithObjects(const std::string& text) { return loadText(sabusObjects + text); }
    int loadFile(const std::string& path)
    {
        emptyAll();
        return loadObjectFile(gstrSlice(path.c_str()), false, false);
    }

    std::string savedStation()
    {
        std::string path = folder.path("saved.stn");
        EXPECT_EQ(saveObjectFile(gstrSlice(path.c_str()), false), gsaveError::none);
        return fileBytes(path);
    }

    // The users of a register or program as the in-use message lists them.
    template <class T>
    static std::string usersOf(const T& listOwner)
    {
        gstr text("");
        listOwner.describeUsers(text);
        return std::string(text.view());
    }

    tempFolder folder;
    recordingMessages messages;
};

inline std::string text(const gstrSlice& bytes) { return std::string(bytes.view()); }
