#include "legacyPaneFixture.h"

#include "registers/sources/ui/CAllowedStringsPage.h"
#include "registers/sources/ui/CLegacyProcessorSourcePane.h"
#include "registers/sources/ui/CLegacyStringsSourcePane.h"
#include "registers/sources/ui/CTriggerListBox.h"
#include "registers/ui/CRegexpEntryDialog.h"

#include <QListWidget>

namespace {

using location = CLegacySourcePane;
using triggers = CTriggerListBox;
using entry = CNewTriggerDialog;

// The dialog scripts of one New Trigger run: the value it proposes is
// checked, then the value and trigger typed and OK pressed as often as
// the values list says.
std::function<void(CDialog&)> trigger(const char* proposed, std::vector<const char*> values, const char* text)
{
    return [=](CDialog& d) {
        EXPECT_EQ(d.controlText(entry::valueId).view(), proposed);
        d.setControlText(entry::triggerId, text);
        for (const char* value : values) {
            d.setControlText(entry::valueId, value);
            d.sendCommand(IDOK);
        }
    };
}

std::vector<std::string> rows(CDialog& p, int id)
{
    std::vector<std::string> texts;
    for (int i = 0; i < p.itemCount(id); ++i)
        texts.emplace_back(p.itemText(id, i).view());
    return texts;
}

// New proposes the next free value after the selected row; a value taken
// already asks before it replaces; editing a row to its own value asks
// nothing.
TEST_F(legacyPaneTest, TriggerList)
{
    loadRegister("DIGITAL_REG Taken\nEND\n");
    gregister* made = newRegister(2, 24, [this](CDialog& d, CSourcePane& p) {
        choose(p, location::portId, "North line");
        EXPECT_FALSE(p.isControlEnabled(triggers::editId));
        for (auto script : {trigger("0", {"0"}, "A"), trigger("1", {"1"}, "B"), trigger("2", {"2"}, "C"),
                            trigger("3", {"5"}, "F")}) {
            user.scripts.push_back(script);
            p.sendCommand(triggers::newId);
        }
        EXPECT_EQ(rows(p, CLegacyStringsSourcePane::triggersId),
                  (std::vector<std::string>{"0\tA", "1\tB", "2\tC", "5\tF"}));
        p.selectItem(CLegacyStringsSourcePane::triggersId, 0);
        user.scripts.push_back(trigger("3", {}, "x"));
        p.sendCommand(triggers::newId);
        p.selectItem(CLegacyStringsSourcePane::triggersId, 3);
        user.scripts.push_back(trigger("6", {}, "x"));
        p.sendCommand(triggers::newId);

        // Duplicate of 1 proposes 3; 1 asks, No keeps the dialog, Yes replaces.
        p.selectItem(CLegacyStringsSourcePane::triggersId, 1);
        user.answers = {ganswer::no, ganswer::yes};
        user.scripts.push_back(trigger("3", {"1", "1"}, "B2"));
        p.sendCommand(triggers::duplicateId);
        // Editing 2 to its own value asks nothing; to 5 it asks.
        p.selectItem(CLegacyStringsSourcePane::triggersId, 2);
        user.scripts.push_back([](CDialog& e) {
            EXPECT_EQ(e.windowTitle(), "Edit Trigger");
            e.sendCommand(IDOK);
        });
        p.sendCommand(triggers::editId);
        user.answers = {ganswer::yes};
        user.scripts.push_back(trigger("2", {"5"}, "C"));
        p.sendCommand(triggers::editId);
        EXPECT_EQ(rows(p, CLegacyStringsSourcePane::triggersId),
                  (std::vector<std::string>{"0\tA", "1\tB2", "5\tC"}));
        // An empty value and the largest one.
        user.scripts.push_back(trigger("6", {"", "4294967295"}, "Z"));
        p.sendCommand(triggers::newId);
        // A tag already taken refuses OK after the pane's checks; the
        // second OK stores the same triggers.
        d.setControlText(CRegisterDialog::tagId, "Taken");
        d.sendCommand(IDOK);
        d.setControlText(CRegisterDialog::tagId, "R");
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(prompts(), (std::vector<int>{10231, 10231, 10231, 10082, 10226}));
    EXPECT_NE(writtenRegister(*made).find("\t\tTRIGGER\t\t0, A\n\t\tTRIGGER\t\t1, B2\n\t\tTRIGGER\t\t5, C\n"
                                          "\t\tTRIGGER\t\t4294967295, Z\n\tEND"),
              std::string::npos)
        << writtenRegister(*made);
}

// Deleting the only trigger disables the buttons; OK then asks for one.
TEST_F(legacyPaneTest, TriggerListNeedsOneTrigger)
{
    newRegister(2, 24, [this](CDialog&, CSourcePane& p) {
        choose(p, location::portId, "South");
        user.scripts.push_back(trigger("0", {"0"}, "A"));
        p.sendCommand(triggers::newId);
        user.scripts.push_back([](CDialog& e) {
            e.setControlText(entry::triggerId, "x");
            e.setControlText(entry::triggerId, "");
            EXPECT_FALSE(e.isControlEnabled(IDOK));
            e.setControlText(entry::triggerId, "(");
            e.sendCommand(IDOK);
            e.sendCommand(IDCANCEL);
        });
        p.sendCommand(triggers::newId);
        p.sendCommand(triggers::deleteId);
        EXPECT_FALSE(p.isControlEnabled(triggers::editId));
        EXPECT_FALSE(p.isControlEnabled(triggers::deleteId));
        EXPECT_FALSE(p.isControlEnabled(triggers::duplicateId));
    });
    EXPECT_EQ(prompts(), (std::vector<int>{10107, 10154}));
}

// The allowed strings are sorted by their text; Cancel of an edit keeps
// the row; without a row OK is refused.
TEST_F(legacyPaneTest, AllowedStringsPage)
{
    auto allowed = [](const char* text) {
        return [=](CDialog& d) {
            EXPECT_EQ(d.templateId(), CRegexpEntryDialog::allowedStringTemplate);
            d.setControlText(CRegexpEntryDialog::fieldId, text);
            d.sendCommand(IDOK);
        };
    };
    gregister* made = newRegister(4, 28, [&](CDialog& d, CSourcePane& p) {
        choose(p, location::portId, "South");
        auto* page = p.findChild<CAllowedStringsPage*>();
        EXPECT_EQ(page->templateId(), 815);
        d.sendCommand(IDOK);
        for (const char* text : {"z", "b", "m"}) {
            user.scripts.push_back(allowed(text));
            page->sendCommand(CAllowedStringsPage::newId);
        }
        EXPECT_EQ(rows(*page, CAllowedStringsPage::listId), (std::vector<std::string>{"b", "m", "z"}));
        page->selectItem(CAllowedStringsPage::listId, 0);
        user.scripts.push_back([](CDialog& e) {
            EXPECT_EQ(e.windowTitle(), "Edit Allowed String");
            e.setControlText(CRegexpEntryDialog::fieldId, "q");
            e.sendCommand(IDCANCEL);
        });
        page->sendCommand(CAllowedStringsPage::editId);
        user.scripts.push_back([](CDialog& e) {
            EXPECT_EQ(e.windowTitle(), "New Allowed String");
            EXPECT_EQ(e.controlText(CRegexpEntryDialog::fieldId).view(), "b");
            e.sendCommand(IDOK);
        });
        page->sendCommand(CAllowedStringsPage::duplicateId);
        EXPECT_EQ(rows(*page, CAllowedStringsPage::listId), (std::vector<std::string>{"b", "b", "m", "z"}));
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(prompts(), std::vector<int>{10067});
    EXPECT_NE(writtenRegister(*made).find("\t\tALLOW2\t\tb\n\t\tALLOW2\t\tb\n\t\tALLOW2\t\tm\n\t\tALLOW2\t\tz\n"),
              std::string::npos);

    run(4, made, made, [](CDialog& d) {
        auto* page = pane(d).findChild<CAllowedStringsPage*>();
        EXPECT_FALSE(page->isControlEnabled(CAllowedStringsPage::deleteId));
        for (int i = 0; i < 4; ++i) {
            page->selectItem(CAllowedStringsPage::listId, 3 - i);
            page->sendCommand(CAllowedStringsPage::deleteId);
        }
        EXPECT_FALSE(page->isControlEnabled(CAllowedStringsPage::deleteId));
        EXPECT_FALSE(page->isControlEnabled(CAllowedStringsPage::editId));
        d.sendCommand(IDCANCEL);
    });
}

// The processor pane wants ports and programs, and names what is missing.
TEST_F(legacyPaneTest, ProcessorPaneNeedsPortsAndPrograms)
{
    struct {
        const char* station;
        int message;
    } cases[] = {
        {"DRIVER Meter\nEND\nPORT North\nDEVICE_PATH COM1\nSETTINGS 9600, 8, NONE, 1\nLINE_TERM CR\nEND\n", 10180},
        {"DRIVER Meter\nEND\nPROGRAM Scale\nEND\n", 10186},
        {"DRIVER Meter\nEND\n", 10187},
    };
    for (auto c : cases) {
        emptyAll();
        user.messages.clear();
        recordingMessages loading;
        ASSERT_EQ(loadStationText(c.station, loading), 0) << loading.lastText();
        run(4, nullptr, nullptr, [](CDialog& d) {
            chooseType(d, 29);
            EXPECT_EQ(static_cast<CRegisterDialog&>(d).sourceTypeCode(), 4);
            d.sendCommand(IDCANCEL);
        });
        EXPECT_EQ(prompts(), std::vector<int>{c.message});
    }
}

// The program chosen and the call's arguments go into the nested block,
// whatever the register's class.
TEST_F(legacyPaneTest, ProcessorPaneOfEveryClass)
{
    for (int classCode = 1; classCode <= 4; ++classCode) {
        gregister* made = newRegister(classCode, 29, [this](CDialog&, CSourcePane& p) {
            choose(p, location::portId, "South");
            EXPECT_EQ(selected(p, CLegacyProcessorSourcePane::programId), "PUMP_1");
            choose(p, CLegacyProcessorSourcePane::programId, "Scale");
            user.scripts.push_back([](CDialog& args) {
                EXPECT_EQ(args.templateId(), 579);
                args.sendCommand(IDCANCEL);
            });
            p.sendCommand(CLegacyProcessorSourcePane::argumentsId);
        });
        ASSERT_NE(made, nullptr);
        std::string written = writtenRegister(*made);
        EXPECT_NE(written.find("\tSOURCE\t\tPROCESSOR\n\t\tRESPONSE\tSouth, Meter, Alarm\n\t\tPROGRAM\n"
                               "\t\t\tPROGRAM\t\tScale\n\t\tEND\n\tEND\n"),
                  std::string::npos)
            << written;
        EXPECT_EQ(users(*station::programs().find("Scale")), "\nThe register R");
        emptyRegisters();
    }
}

} // namespace
