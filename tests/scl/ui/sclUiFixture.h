#pragma once

#include "platform/CDialog.h"
#include "platform/recordingResponder.h"
#include "scl/gsclProgram.h"
#include "store/gstation.h"
#include "store/gstationState.h"
#include "store/stationFile.h"
#include "support/model/stationLines.h"
#include "support/ui/temporarySettings.h"

#include <QAbstractButton>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// Settings of the test's own, a user who answers from the test's script, and
// a station emptied again afterwards.
class sclUiTest : public testing::Test {
protected:
    void TearDown() override
    {
        clearObjectDatabase(true);
        closeObjectDatabase();
        stationState() = gstationState{};
    }

    // A station program defined with the fields of a PROGRAM block (one
    // keyword line each, the block's END added).
    static gsclProgram* program(const char* tag, const std::string& fields = "")
    {
        gsclProgram* made = station::programs().define(tag);
        feedLines(fields + "END\n", [made](int token, gstr& value) { return made->loadLine(token, value); });
        return made;
    }

    static void click(CDialog& d, int id) { d.controlAs<QAbstractButton>(id)->click(); }

    std::vector<int> promptIds() const
    {
        std::vector<int> ids;
        for (const shownMessage& m : user.messages)
            ids.push_back(m.promptId);
        return ids;
    }

    temporarySettings store;
    recordingResponder user;
};
