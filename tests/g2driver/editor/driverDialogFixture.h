#pragma once

#include "g2driver/editor/CEditG2DeviceDriverDialog.h"
#include "g2driver/model/g2driverTestSupport.h"
#include "platform/CDialog.h"
#include "platform/recordingResponder.h"
#include "platform/settingsStore.h"
#include "store/stationFile.h"
#include "support/ui/temporarySettings.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// The meter station of the model tests loaded into an empty station, with
// settings of the test's own and a user who answers from the test's scripts.
class driverDialogTest : public emptyStation {
protected:
    void SetUp() override
    {
        emptyStation::SetUp();
        ASSERT_EQ(loadObjectFile(gstrSlice(g2Fixture("meter.stn").c_str()), false, false), gloadError::none);
        stationState().modified = 0;
    }

    g2driver* meter() const { return station::g2Drivers().find("Meter"); }
    std::string saved()
    {
        std::string out = folder.path("out.stn");
        EXPECT_EQ(saveObjectFile(gstrSlice(out.c_str()), false), gsaveError::none);
        return fileBytes(out);
    }
    static std::string expected() { return fileBytes(g2Fixture("meter.expected.stn")); }

    // Runs the driver dialog; the script drives it after it has opened.
    int runDriverDialog(g2driver* source, g2driver* target, std::function<void(CEditG2DeviceDriverDialog&)> script)
    {
        user.scripts.push_back([script](CDialog& d) { script(static_cast<CEditG2DeviceDriverDialog&>(d)); });
        CEditG2DeviceDriverDialog dialog(source, target, nullptr);
        return dialog.DoModal();
    }

    static std::vector<std::string> items(const CDialog& d, int id)
    {
        std::vector<std::string> out;
        for (int i = 0; i < d.itemCount(id); ++i)
            out.emplace_back(d.itemText(id, i).view());
        return out;
    }
    static int indexOf(const CDialog& d, int id, const char* text)
    {
        for (int i = 0; i < d.itemCount(id); ++i) {
            if (d.itemText(id, i).view() == text)
                return i;
        }
        return -1;
    }
    static void select(CDialog& d, int id, const char* text)
    {
        int index = indexOf(d, id, text);
        ASSERT_GE(index, 0) << text;
        d.selectItem(id, index);
    }
    std::vector<std::string> messageTexts() const
    {
        std::vector<std::string> out;
        for (const shownMessage& m : user.messages)
            out.push_back(m.text);
        return out;
    }

    temporarySettings temp;
    recordingResponder user;
    tempFolder folder;
};
