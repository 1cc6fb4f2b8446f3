#include "formats/gonOffStrings.h"
#include "formats/ui/COnOffStringsDialog.h"
#include "platform/recordingResponder.h"
#include "platform/settingsStore.h"
#include "support/ui/pageHost.h"
#include "support/ui/temporarySettings.h"

#include <gtest/gtest.h>

namespace {

using page = COnOffStringsDialog;

struct onOffStringsPage : testing::Test {
    temporarySettings store;
    pageHost host;
    recordingResponder user;
};

TEST_F(onOffStringsPage, OneTextMayBeEmptyNotBoth)
{
    page p;
    p.create(host, pageHost::placeholderId, nullptr, 1);
    EXPECT_EQ(p.templateId(), 893);
    gonOffStrings out;
    EXPECT_FALSE(p.apply(out));
    EXPECT_EQ(user.lastMessage().promptId, 10518);
    EXPECT_TRUE(p.hasFocus(page::offFieldId));

    p.setControlText(page::offFieldId, "OFF");
    ASSERT_TRUE(p.apply(out));
    EXPECT_EQ(out.offText().view(), "OFF");
    EXPECT_EQ(out.onText().view(), "");
    EXPECT_TRUE(out.isSet());

    // The escape of byte 0 followed by the letter A is two bytes.
    p.setControlText(page::onFieldId, "\\0A");
    ASSERT_TRUE(p.apply(out));
    EXPECT_EQ(out.onText().view(), std::string_view("\0A", 2));
}

TEST_F(onOffStringsPage, HexModeIsSharedAndKeptWhenAFieldCannotSwitch)
{
    writeProfileInt("Dialogs\\Edit G2Driver", "HexMode", 1);
    gonOffStrings strings;
    strings.setTexts("ON", gstrSlice("\r", 1));
    {
        page p;
        p.create(host, pageHost::placeholderId, &strings, 0);
        EXPECT_EQ(p.templateId(), 743);
        EXPECT_TRUE(p.isChecked(1434));
        EXPECT_EQ(p.controlText(page::onFieldId).view(), "4F 4E");
        EXPECT_EQ(p.controlText(page::offFieldId).view(), "0D");

        clickButton(p, 1435);
        EXPECT_EQ(p.controlText(page::onFieldId).view(), "ON");
        EXPECT_EQ(p.controlText(page::offFieldId).view(), "\\r");

        // The on field cannot be read as text: neither field switches.
        p.setControlText(page::onFieldId, "\\x");
        clickButton(p, 1434);
        EXPECT_EQ(user.lastMessage().promptId, 10051);
        EXPECT_TRUE(p.isChecked(1435));
        EXPECT_FALSE(p.isChecked(1434));
        EXPECT_EQ(p.controlText(page::offFieldId).view(), "\\r");
        EXPECT_EQ(p.controlText(page::onFieldId).view(), "\\x");
    }
    EXPECT_EQ(profileInt("Dialogs\\Edit G2Driver", "HexMode", -1), 0);
}

} // namespace
