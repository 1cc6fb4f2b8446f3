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
    char point = getUserDecimalSeparator();
    EXPECT_EQ(getUserListSeparator(), point == ',' ? ';' : ',');

    settings().writeString(settingsHive::currentUser, international, "sDecimal", ",");
    EXPECT_EQ(getUserDecimalSeparator(), ',');
    EXPECT_EQ(getUserListSeparator(), ';');
    settings().writeString(settingsHive::currentUser, international, "sList", "|");
    EXPECT_EQ(getUserListSeparator(), '|');
}

} // namespace
