#include "registers/sources/ui/CPingSourcePane.h"
#include "registers/sources/ui/sourcePaneTestSupport.h"

namespace {

using base = CRegisterDialog;
using ping = CPingSourcePane;

TEST_F(registerDialogTest, PingPaneChecksInOrder)
{
    gregister* made = run(1, nullptr, nullptr, [this](CDialog& d) {
        d.setControlText(base::tagId, "P");
        ASSERT_TRUE(chooseSourceType(d, 10));
        CSourcePane& p = paneOf(d);
        EXPECT_EQ(p.templateId(), 679);
        EXPECT_EQ(p.controlText(ping::intervalId).view(), "30");
        EXPECT_EQ(p.controlText(ping::timeoutId).view(), "0.5");
        EXPECT_EQ(p.controlText(ping::retriesId).view(), "1");
        struct {
            int field;
            const char* text;
            int message;
        } steps[] = {
            {ping::addressId, "", 10438},
            {ping::addressId, "0.1.2.3", 10319},
            {ping::addressId, "127.0.0.2", 10319},
            {ping::addressId, "10.1.2.3", 0},
            {ping::intervalId, "0.499", 10404},
            {ping::intervalId, "2147483.648", 10404},
            {ping::intervalId, "x", 10404},
            {ping::intervalId, "1", 0},
            {ping::retriesId, "0", 10403},
            {ping::retriesId, "4294967296", 10403},
            {ping::retriesId, "2", 0},
            {ping::timeoutId, "0.0005", 10110},
            {ping::timeoutId, "", 10110},
            {ping::timeoutId, "0.5", 0},
        };
        for (auto [field, text, message] : steps) {
            p.setControlText(field, text);
            if (message == 0)
                continue;
            d.sendCommand(IDOK);
            EXPECT_EQ(user.lastMessage().promptId, message) << text;
            EXPECT_TRUE(p.hasFocus(field)) << text;
            EXPECT_FALSE(d.hasEnded());
        }
        // 1 s does not cover two tries of 0.5 s and 0.5 s more.
        d.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10405);
        EXPECT_EQ(user.lastMessage().text,
                  "The interval must be at least 0.5s more than the timeout multiplied by the number of retries.");
        EXPECT_TRUE(p.hasFocus(ping::intervalId));
        p.setControlText(ping::retriesId, "1");
        clickButton(p, ping::errorsId);
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(sourceLines(*made),
              "\tSOURCE\t\tPING\n\t\tADDRESS\t\t10.1.2.3\n\t\tINTERVAL\t1\n\t\tERROR_AS_ALARM\tYES\n\tEND\n");
}

// What the pane accepts reads back as a complete source.
TEST_F(registerDialogTest, PingPaneSourceReadsBack)
{
    gregister* made = run(1, nullptr, nullptr, [](CDialog& d) {
        d.setControlText(base::tagId, "P");
        ASSERT_TRUE(chooseSourceType(d, 10));
        CSourcePane& p = paneOf(d);
        p.setControlText(ping::addressId, "192.168.0.1");
        p.setControlText(ping::intervalId, "0.6");
        p.setControlText(ping::timeoutId, "0.05");
        d.sendCommand(IDOK);
    });
    ASSERT_NE(made, nullptr);
    std::string text = writtenRegister(*made);
    EXPECT_EQ(sourceLines(*made),
              "\tSOURCE\t\tPING\n\t\tADDRESS\t\t192.168.0.1\n\t\tINTERVAL\t0.6\n\t\tTIMEOUT\t\t0.05\n\tEND\n");
    emptyAll();
    EXPECT_EQ(roundTrip(text), text);

    loadRegister(text);
    gregister* reg = station::registers().find("P");
    run(1, reg, reg, [](CDialog& d) {
        CSourcePane& p = paneOf(d);
        EXPECT_EQ(p.controlText(ping::addressId).view(), "192.168.0.1");
        EXPECT_EQ(p.controlText(ping::intervalId).view(), "0.6");
        EXPECT_EQ(p.controlText(ping::timeoutId).view(), "0.05");
        d.sendCommand(IDCANCEL);
    });
}

// Times are cut to milliseconds on the digits shown, so an unchanged OK
// keeps them, also beyond the range a typed time has; the interval check
// works on those milliseconds.
TEST_F(registerDialogTest, PingPaneKeepsTimesAnUnchangedOkShows)
{
    const char* const times[] = {
        "INTERVAL 1.005\nTIMEOUT 0.25\n",
        "INTERVAL 1.001\nTIMEOUT 0.501\n",
        "INTERVAL 2147483.647\nTIMEOUT 0.001\nRETRIES 3\n",
        // Beyond what a typed value may be, as the file allows.
        "INTERVAL 4294967.294\nTIMEOUT 3000000.5\n",
    };
    for (const char* time : times) {
        auto [before, after] =
            editUnchanged("BISTATE_REG P\nSOURCE PING\nADDRESS 10.1.2.3\n" + std::string(time) + "END\nEND\n", 1);
        EXPECT_EQ(after, before) << time;
        EXPECT_NE(before.find("\t\tINTERVAL\t"), std::string::npos) << before;
        emptyAll();
    }
    EXPECT_TRUE(user.messages.empty());
}

} // namespace
