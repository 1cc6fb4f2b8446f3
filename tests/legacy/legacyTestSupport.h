#pragma once

#include "legacy/glegacyDriver.h"
#include "legacy/glegacyMask.h"
#include "legacy/glegacyParameter.h"
#include "ports/portTestSupport.h"
#include "store/gstation.h"
#include "store/stationFile.h"
#include "support/model/recordingMessages.h"

#include <string>

inline std::string legacyFixture(const std::string& name)
{
    return std::string(KORVEL_TEST_DATA_DIR) + "/legacy/fixtures/" + name;
}

inline std::string usersOf(const gusedByList& list)
{
    gstr text("");
    list.describeUsers(text);
    return std::string(text.view());
}

// An empty station with files of its own and a recorder for the messages.
class legacyStation : public emptyStation {
protected:
    int load(const std::string& path, bool libraryMode = false, bool intoLibrary = false)
    {
        return loadObjectFile(gstrSlice(path.c_str()), libraryMode, intoLibrary);
    }
    int loadText(const std::string& text, bool libraryMode = false)
    {
        std::string path = folder.path(libraryMode ? "in.kdl" : "in.stn");
        putFile(path, text);
        return load(path, libraryMode);
    }
    std::string saved(bool driversOnly = false)
    {
        std::string out = folder.path("out.stn");
        EXPECT_EQ(saveObjectFile(gstrSlice(out.c_str()), driversOnly), gsaveError::none);
        return fileBytes(out);
    }
    // A complete station mask.
    static glegacyMask* mask(const char* tag)
    {
        glegacyMask* m = station::legacyMasks().define(tag);
        EXPECT_EQ(feedLines(*m, "PATTERN2 #\nBUFFER_SIZE 8\nTIMEOUT 1"), gload::accepted);
        return m;
    }

    tempFolder folder;
    recordingMessages messages;
};
