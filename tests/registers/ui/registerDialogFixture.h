#pragma once

#include "platform/recordingResponder.h"
#include "registers/gregister.h"
#include "registers/registerTestSupport.h"
#include "registers/ui/registerWindows.h"

#include "support/ui/pageHost.h"
#include "support/ui/temporarySettings.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QListWidget>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <functional>
#include <string>
#include <vector>

// A station of its own, settings of its own and a user who answers from the
// test's script. The register dialogs run through the runner the Registers
// window uses.
class registerDialogTest : public registerTest {
protected:
    // Runs the class's dialog (New: start and edited null; Edit: both the
    // register; Duplicate: start alone) with the scripts given; the
    // register the dialog answered.
    gregister* run(int classCode, gregister* start, gregister* edited, std::function<void(CDialog&)> script)
    {
        user.scripts.push_back(std::move(script));
        return runRegisterDialog(classCode, start, edited, nullptr);
    }

    // Loads the register, runs Edit with a bare OK, and answers what a save
    // writes before and after.
    std::pair<std::string, std::string> editUnchanged(const std::string& text, int classCode)
    {
        loadedRegister loaded = loadRegister(text);
        EXPECT_EQ(loaded.last(), gload::finished) << text;
        std::string before = writtenRegister(*loaded.reg);
        gregister* edited = run(classCode, loaded.reg, loaded.reg, [](CDialog& d) { d.sendCommand(IDOK); });
        EXPECT_EQ(edited, loaded.reg);
        return {before, writtenRegister(*loaded.reg)};
    }

    // The texts of a list box or combo box.
    static std::vector<std::string> items(CDialog& d, int id)
    {
        std::vector<std::string> texts;
        for (int i = 0; i < d.itemCount(id); ++i)
            texts.emplace_back(d.itemText(id, i).view());
        return texts;
    }

    std::vector<int> prompts() const
    {
        std::vector<int> ids;
        for (const shownMessage& m : user.messages)
            ids.push_back(m.promptId);
        return ids;
    }

    temporarySettings settingsFolder;
    recordingResponder user;
};

// The text of a control of a dialog or of a pane inside it.
inline std::string textOf(QWidget& host, int id) { return std::string(pageText(host, id).view()); }

// The block of the register fixture that starts with the header line, up to
// its own "END" line.
inline std::string fixtureBlock(const std::string& header)
{
    std::ifstream in(std::string(KORVEL_TEST_DATA_DIR) + "/registers/fixtures/registers.stn", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    size_t start = text.find(header + "\r\n");
    if (start == std::string::npos)
        start = text.find(header + "\n");
    size_t end = text.find("\nEND", start);
    std::string block = text.substr(start, end + 4 - start) + "\n";
    block.erase(std::remove(block.begin(), block.end(), '\r'), block.end());
    return block;
}
