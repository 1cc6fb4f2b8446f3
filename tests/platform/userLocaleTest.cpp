#include "foundation/gnumFormat.h"
#include "platform/settingsStore.h"
#include "platform/userLocale.h"

#include "support/ui/temporarySettings.h"

#include <gtest/gtest.h>

namespace {

const char* const international = "Control Panel\\International";

TEST(userLocale, SeparatorsFollowTheLocaleUnlessSet)
{
    temporarySettings temp;
    // The system locale decides the default decimal point; the tests run
    // under C.UTF-8.
    char point = readUserDecimalSeparator();
    EXPECT_EQ(getUserListSeparator(), point == ',' ? ';' : ',');

    settings().writeString(settingsHive::currentUser, international, "sDecimal", ",");
    EXPECT_EQ(readUserDecimalSeparator(), ',');
    EXPECT_EQ(getUserListSeparator(), ';');
    // The model takes it over at start-up.
    applyUserNumberConventions();
    EXPECT_EQ(getUserDecimalSeparator(), ',');
    setUserDecimalSeparator('.');
    settings().writeString(settingsHive::currentUser, international, "sList", "|");
    EXPECT_EQ(getUserListSeparator(), '|');
}

} // namespace
