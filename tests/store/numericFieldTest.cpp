#include "foundation/gstr.h"
#include "store/keywordTokens.h"
#include "store/numericField.h"
#include "support/model/stationLines.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// A timeout the file takes up to the "not set" count, typed up to 2147483.647 s
// and rounded down there; and a retry count the file takes up to the signed
// limit, typed up to one below it.
constexpr gsecondsField timeout{kw::TIMEOUT, anyTimeout, {1, 2147483647}, 10110};
constexpr gsecondsField roundedUp{kw::DELAY, anySeconds, {0, 2147483000}, 10074, gsecondsField::cut::roundUp};
constexpr gintegerField retries{kw::RETRIES, {2, INT32_MAX}, {2, 2147483646}, 10623};

// The dialog's range, and beyond it only the value the dialog was shown,
// provided the file takes it.
TEST(numericField, DialogsTakeTheirRangeAndTheValueTheyShowed)
{
    struct row {
        const gsecondsField& field;
        double typed;
        gmilliseconds shown;
        bool taken;
        uint32_t count;
    } const rows[] = {
        {timeout, 0.0015, gmilliseconds::notSet, true, 1},
        {timeout, 0.0009, gmilliseconds::notSet, false, 0},
        {timeout, 2147483.647, gmilliseconds::notSet, true, 2147483647},
        {timeout, 2147483.648, gmilliseconds::notSet, false, 2147483648},
        {timeout, 4294967.294, gmilliseconds(4294967294), true, 4294967294},
        {timeout, 4294967.293, gmilliseconds(4294967294), false, 4294967293},
        {timeout, 4294967.295, gmilliseconds(4294967294), false, gmilliseconds::notSetCount},
        {roundedUp, 0.0015, gmilliseconds::notSet, true, 2},
        {roundedUp, 2147483.0001, gmilliseconds::notSet, false, 2147483001},
        {roundedUp, 3000000.5, gmilliseconds(3000000500), true, 3000000500},
        {roundedUp, -0.001, gmilliseconds(0), false, 0},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.typed);
        uint32_t count = 0;
        EXPECT_EQ(r.field.confirms(r.typed, r.shown, count), r.taken);
        if (r.typed >= 0) {
            EXPECT_EQ(count, r.count);
        }
    }
    EXPECT_TRUE(retries.confirms(2147483646, 3));
    EXPECT_FALSE(retries.confirms(2147483647, 3));
    EXPECT_TRUE(retries.confirms(2147483647, 2147483647));
    EXPECT_FALSE(retries.confirms(1, 1));
}

TEST(numericField, LoadersTakeTheFileRangeOnce)
{
    gmilliseconds time;
    EXPECT_EQ(timeout.load(gstr("0"), time), gload::invalidValue);
    EXPECT_FALSE(time.isSet());
    EXPECT_EQ(timeout.load(gstr("4294967.294"), time), gload::accepted);
    EXPECT_EQ(time.get(), 4294967294u);
    EXPECT_EQ(timeout.load(gstr("1"), time), gload::alreadyLoaded);
    EXPECT_EQ(writtenText([&](CObjectFile& f) { timeout.write(f, 1, time); }), "\tTIMEOUT\t\t4294967.294\n");

    int32_t count = 0;
    EXPECT_EQ(retries.load(gstr("1"), count, 0), gload::invalidValue);
    EXPECT_EQ(retries.load(gstr("2147483647"), count, 0), gload::accepted);
    EXPECT_EQ(count, INT32_MAX);
    EXPECT_EQ(retries.load(gstr("3"), count, 0), gload::alreadyLoaded);
    EXPECT_EQ(writtenText([&](CObjectFile& f) { retries.write(f, 1, count); }), "\tRETRIES\t\t2147483647\n");
}

} // namespace
