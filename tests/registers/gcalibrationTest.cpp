#include "registers/gcalibration.h"

#include "store/CObjectFile.h"
#include "support/model/memoryRegisterDataStore.h"
#include "support/model/stationLines.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<std::pair<double, double>> pointsOf(const gcalibration& calibration)
{
    std::vector<std::pair<double, double>> points;
    for (const gcalibrationPoint* p = calibration.points().first(); p; p = p->next)
        points.emplace_back(p->key, p->calibrated);
    return points;
}

gloadStatus feed(gcalibration& calibration, const std::string& lines)
{
    std::vector<gloadStatus> answers =
        feedUntilRefused(lines, [&](int token, gstr& value) { return calibration.loadLine(token, value); });
    return answers.empty() ? -1 : answers.back();
}

TEST(gcalibration, LinesStatusesAndWrittenForms)
{
    struct {
        const char* lines;
        gloadStatus last;
        const char* written;
    } cases[] = {
        {"SMOOTHING 0, 3, YES\nPOINT 1, 2\nPOINT 0.5, 0.25\nEND\n", gload::finished,
         "SMOOTHING\t0, 3, YES\nPOINT\t\t0.5, 0.25\nPOINT\t\t1, 2\n"},
        {"SMOOTHING 1, 10, NO\nEND\n", gload::finished, "SMOOTHING\t1, 10, NO\n"},
        {"POINT 3, -1\nPOINT -2, 0\nEND\n", gload::finished, "POINT\t\t-2, 0\nPOINT\t\t3, -1\n"},
        // Fitting log y needs calibrated values above 0.
        {"SMOOTHING 0, 3, YES\nPOINT 1, 2\nPOINT 2, 0\nEND\n", gload::incomplete, nullptr},
        {"SMOOTHING 0, 3, NO\nPOINT 2, 0\nEND\n", gload::finished, nullptr},
        {"SMOOTHING 2, 3, NO\n", gload::invalidValue, nullptr},
        {"SMOOTHING 0, 11, NO\n", gload::invalidValue, nullptr},
        {"SMOOTHING 0, 0, NO\n", gload::invalidValue, nullptr},
        {"SMOOTHING 0, 3, MAYBE\n", gload::invalidValue, nullptr},
        {"SMOOTHING 0, 3\n", gload::invalidValue, nullptr},
        {"SMOOTHING 0, 3, NO\nSMOOTHING 0, 3, NO\n", gload::alreadyLoaded, nullptr},
        {"POINT 1, 2\nPOINT 1, 3\n", gload::invalidValue, nullptr},
        {"POINT 1\n", gload::invalidValue, nullptr},
        {"POINT 1, 2, 3\n", gload::invalidValue, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        gcalibration calibration;
        EXPECT_EQ(feed(calibration, c.lines), c.last);
        if (c.written) {
            EXPECT_EQ(writtenText([&](CObjectFile& file) { calibration.writeFields(file, 0); }), c.written);
        }
    }
}

TEST(gcalibration, TransferTakesThePoints)
{
    gcalibration edited;
    ASSERT_EQ(feed(edited, "SMOOTHING 0, 2, YES\nPOINT 1, 2\nEND\n"), gload::finished);
    gcalibration copy(edited);
    EXPECT_EQ(pointsOf(copy), pointsOf(edited));

    gcalibration target;
    target.addPoint(9, 9);
    target.transferFrom(edited);
    EXPECT_EQ(pointsOf(target), (std::vector<std::pair<double, double>>{{1, 2}}));
    EXPECT_EQ(target.getDegree(), 2);
    EXPECT_EQ(target.getLogY(), 1);
    EXPECT_EQ(target.getForceZeroOffset(), 0);
    EXPECT_FALSE(edited.hasPoints());
    EXPECT_FALSE(target.addPoint(1, 5));
}

class calibrationImport : public testing::Test {
protected:
    static constexpr const char* key =
        "SOFTWARE\\Korvel Viziveridizuva Inc.\\K.O.R.V.E.L.\\Register Data\\plant.stn\\FLOW";

    bool import(gcalibration& calibration)
    {
        return calibration.importPoints("/home/op/stations/plant.stn", "FLOW");
    }

    memoryRegisterDataStore store;
};

TEST_F(calibrationImport, ReadsThePointsOfTheStationsRegister)
{
    store.setNumber(key, "nCalPoints", 2);
    store.setText(key, "CalPoint0", "(1.5; 20)");
    store.setText(key, "CalPoint1", "(-3e1; 0.25)");
    gcalibration calibration;
    calibration.addPoint(7, 7);
    EXPECT_TRUE(import(calibration));
    EXPECT_EQ(pointsOf(calibration), (std::vector<std::pair<double, double>>{{-30, 0.25}, {1.5, 20}}));

    // A Windows path names the same station file.
    EXPECT_TRUE(calibration.importPoints("C:\\Stations\\plant.stn", "FLOW"));
    EXPECT_EQ(registerDataKey("plant.stn", "FLOW").view(), key);
}

TEST_F(calibrationImport, FailsOnAnythingElse)
{
    gcalibration calibration;
    EXPECT_FALSE(import(calibration));
    store.createKey(key);
    EXPECT_FALSE(import(calibration));
    store.setText(key, "nCalPoints", "1");
    EXPECT_FALSE(import(calibration));

    store.setNumber(key, "nCalPoints", 1);
    const char* refused[] = {"(1.5;20)", "(1.5; 20", "(1.5; 20) ", "1.5; 20)", "(; 20)", "(1.5; )", "(x; 20)",
                             "(1.5;  20x)"};
    for (const char* text : refused) {
        SCOPED_TRACE(text);
        store.setText(key, "CalPoint0", text);
        EXPECT_FALSE(import(calibration));
    }
    // At most 100 bytes with the terminator.
    store.setText(key, "CalPoint0", "(1; " + std::string(94, '0') + "2)");
    EXPECT_FALSE(import(calibration));
    store.setText(key, "CalPoint0", "(1; " + std::string(93, '0') + "2)");
    EXPECT_TRUE(import(calibration));

    // A repeated raw value ends the import; what was read before stays.
    store.setNumber(key, "nCalPoints", 3);
    store.setText(key, "CalPoint1", "(1; 3)");
    EXPECT_FALSE(import(calibration));
    EXPECT_EQ(pointsOf(calibration), (std::vector<std::pair<double, double>>{{1, 2}}));

    // A count beyond the values there stops at the first missing one.
    store.setNumber(key, "nCalPoints", 4000000000u);
    EXPECT_FALSE(import(calibration));
    store.setNumber(key, "nCalPoints", 0);
    EXPECT_TRUE(import(calibration));
    EXPECT_FALSE(calibration.hasPoints());
}

} // namespace
