#pragma once

#include "platform/recordingResponder.h"
#include "shell/CMainFrame.h"
#include "shell/CStationEditorApp.h"
#include "store/gstationState.h"
#include "store/stationFile.h"

#include "support/ui/temporarySettings.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>

// A started editor with an untitled station, settings in a folder of the
// test's own and a user who answers from the test's script.
class mainFrameTest : public testing::Test {
protected:
    void SetUp() override
    {
        app = std::make_unique<CStationEditorApp>();
        ASSERT_TRUE(app->InitInstance({"-nologo"}));
        frame = app->mainFrame();
    }

    void TearDown() override
    {
        app.reset();
        clearObjectDatabase(true);
        closeObjectDatabase();
        stationState() = gstationState{};
    }

    std::string path(const std::string& name) const { return temp.folder() + "/" + name; }

    std::string file(const std::string& name, const std::string& text) const
    {
        std::ofstream(path(name), std::ios::binary) << text;
        return path(name);
    }

    static std::string bytesOf(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    // What the command's menu item and buttons would show.
    bool enabled(int id) { return frame->commandStateOf(id).enabled; }

    // Opens a file as File > Open does, the dialog answered with it.
    void open(const std::string& chosen)
    {
        user.chosenFiles.push_back(chosen);
        frame->routeCommand(32849);
    }

    temporarySettings temp;
    recordingResponder user;
    std::unique_ptr<CStationEditorApp> app;
    CMainFrame* frame = nullptr;
};
