#include "registers/ui/CCalibrationDataDialog.h"
#include "registers/ui/CSetCalibrationPointDialog.h"

#include "platform/recordingResponder.h"
#include "registers/gcalibration.h"
#include "support/model/memoryRegisterDataStore.h"
#include "support/ui/controlHost.h"

#include <QCheckBox>
#include <QListWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int listId = 1373;
constexpr int newId = 1004;
constexpr int deleteId = 1202;
constexpr int importId = 1282;
constexpr int fitId = 1844;
constexpr int fitYId = 2051;
constexpr int fitLogYId = 2050;
constexpr int degreeId = 1718;
constexpr int forceId = 2048;

std::vector<std::string> lines(CDialog& d)
{
    std::vector<std::string> texts;
    for (int i = 0; i < d.itemCount(listId); ++i)
        texts.push_back(std::string(d.itemText(listId, i).view()));
    return texts;
}

std::vector<std::pair<double, double>> pointsOf(const gcalibration& calibration)
{
    std::vector<std::pair<double, double>> points;
    for (const gcalibrationPoint* p = calibration.points().first(); p; p = p->next)
        points.emplace_back(p->key, p->calibrated);
    return points;
}

// Answers the Set Calibration Point dialog with the two texts and OK.
std::function<void(CDialog&)> setPoint(const char* raw, const char* calibrated)
{
    return [raw, calibrated](CDialog& d) {
        EXPECT_EQ(d.templateId(), 516);
        d.setControlText(1247, raw);
        d.setControlText(1248, calibrated);
        d.sendCommand(IDOK);
    };
}

class calibrationDialog : public testing::Test {
protected:
    int run(std::function<void(CDialog&)> script)
    {
        user.scripts.push_back(std::move(script));
        CCalibrationDataDialog dialog(record, "FLOW", "/stations/plant.stn");
        return dialog.DoModal();
    }

    recordingResponder user;
    gcalibration record;
};

TEST_F(calibrationDialog, OpensOnTheRecord)
{
    record.addPoint(2, 8);
    record.addPoint(-1.25, 1.0 / 3);
    record.setDegree(4);
    record.setLogY(1);
    record.setForceZeroOffset(1);
    run([](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Calibration Data");
        EXPECT_EQ(lines(d), (std::vector<std::string>{"-1.25\t0.3333333333", "2\t8"}));
        EXPECT_TRUE(d.isChecked(fitId));
        EXPECT_TRUE(d.isChecked(fitLogYId));
        EXPECT_FALSE(d.isChecked(fitYId));
        EXPECT_EQ(d.controlText(degreeId).view(), "4");
        EXPECT_TRUE(d.isChecked(forceId));
        EXPECT_TRUE(d.isControlEnabled(degreeId));
        EXPECT_FALSE(d.isControlEnabled(deleteId));
        d.sendCommand(IDCANCEL);
    });

    gcalibration plain;
    plain.addPoint(1, 1);
    record.transferFrom(plain);
    record.setDegree(0);
    run([](CDialog& d) {
        EXPECT_FALSE(d.isChecked(fitId));
        EXPECT_TRUE(d.isChecked(fitYId));
        EXPECT_EQ(d.controlText(degreeId).view(), "1");
        for (int id : {fitYId, fitLogYId, degreeId, forceId})
            EXPECT_FALSE(d.isControlEnabled(id)) << id;
        d.controlAs<QCheckBox>(fitId)->click();
        EXPECT_TRUE(d.isControlEnabled(forceId));
        d.sendCommand(IDCANCEL);
    });
}

TEST_F(calibrationDialog, NewPointsTakeTheirPlaceAndReplaceAnEqualRawValue)
{
    record.addPoint(1, 10);
    record.addPoint(3, 30);
    run([this](CDialog& d) {
        user.scripts.push_back(setPoint("2", "20"));
        d.sendCommand(newId);
        user.scripts.push_back(setPoint("3", "33"));
        d.sendCommand(newId);
        EXPECT_EQ(lines(d), (std::vector<std::string>{"1\t10", "2\t20", "3\t33"}));
        auto* list = d.controlAs<QListWidget>(listId);
        EXPECT_EQ(list->selectedItems().size(), 1);
        EXPECT_EQ(list->row(list->selectedItems().front()), 2);
        EXPECT_TRUE(d.isControlEnabled(deleteId));
        list->item(0)->setSelected(true);
        d.sendCommand(deleteId);
        EXPECT_EQ(lines(d), (std::vector<std::string>{"2\t20"}));
        EXPECT_FALSE(d.isControlEnabled(deleteId));
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(pointsOf(record), (std::vector<std::pair<double, double>>{{2, 20}}));
}

// The list shows ten digits; points OK did not touch keep every digit, so
// two that look alike stay two.
TEST_F(calibrationDialog, OkKeepsUntouchedPointsExactly)
{
    const std::vector<std::pair<double, double>> points{
        {0.123456789012345, 1.00000000001}, {1.00000000001, 2}, {1.00000000002, 2.00000000001}};
    for (auto [raw, calibrated] : points)
        record.addPoint(raw, calibrated);
    run([](CDialog& d) {
        EXPECT_EQ(lines(d), (std::vector<std::string>{"0.123456789\t1", "1\t2", "1\t2"}));
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(pointsOf(record), points);
}

TEST_F(calibrationDialog, LogYWithoutForceSurvivesAndNeedsPositiveValues)
{
    record.addPoint(1, 2);
    run([this](CDialog& d) {
        d.controlAs<QCheckBox>(fitId)->click();
        d.checkRadioButton(fitLogYId, fitYId, fitLogYId);
        d.setControlText(degreeId, "11");
        d.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10719);
        EXPECT_TRUE(d.hasFocus(degreeId));
        d.setControlText(degreeId, "2");
        // The point dialog now wants a positive calibrated value.
        user.scripts.push_back([this](CDialog& point) {
            point.setControlText(1247, "5");
            point.setControlText(1248, "0");
            point.sendCommand(IDOK);
            EXPECT_EQ(user.lastMessage().promptId, 10720);
            point.sendCommand(IDCANCEL);
        });
        d.sendCommand(newId);
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(record.getDegree(), 2);
    EXPECT_EQ(record.getLogY(), 1);
    EXPECT_EQ(record.getForceZeroOffset(), 0);
    EXPECT_EQ(pointsOf(record), (std::vector<std::pair<double, double>>{{1, 2}}));

    // An imported calibrated value of 0 stops OK while log y is chosen.
    memoryRegisterDataStore store;
    gstr key = registerDataKey("plant.stn", "FLOW");
    store.setNumber(std::string(key.view()), "nCalPoints", 1);
    store.setText(std::string(key.view()), "CalPoint0", "(4; 0)");
    run([this](CDialog& d) {
        d.sendCommand(importId);
        d.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10720);
        EXPECT_FALSE(d.hasEnded());
        d.sendCommand(IDCANCEL);
    });
    EXPECT_EQ(pointsOf(record), (std::vector<std::pair<double, double>>{{1, 2}}));

    // Without the fit the polynomial goes.
    run([](CDialog& d) {
        d.controlAs<QCheckBox>(fitId)->click();
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(record.getDegree(), 0);
    EXPECT_EQ(record.getLogY(), -1);
    EXPECT_EQ(record.getForceZeroOffset(), -1);
}

TEST_F(calibrationDialog, ImportReplacesTheListOrSaysThereIsNothing)
{
    memoryRegisterDataStore store;
    record.addPoint(7, 7);
    run([this](CDialog& d) {
        d.sendCommand(importId);
        EXPECT_EQ(user.lastMessage().promptId, 10013);
        EXPECT_EQ(user.lastMessage().text, "This register has never been calibrated. To import calibration data, you "
                                           "must first calibrate the register from within the marrowick.");
        EXPECT_EQ(lines(d), (std::vector<std::string>{"7\t7"}));
        d.sendCommand(IDCANCEL);
    });

    std::string key(registerDataKey("plant.stn", "FLOW").view());
    store.setNumber(key, "nCalPoints", 2);
    store.setText(key, "CalPoint0", "(1.5; 20)");
    store.setText(key, "CalPoint1", "(0.123456789012; 1)");
    run([](CDialog& d) {
        d.sendCommand(importId);
        EXPECT_EQ(lines(d), (std::vector<std::string>{"0.123456789\t1", "1.5\t20"}));
        EXPECT_FALSE(d.isControlEnabled(deleteId));
        d.sendCommand(IDOK);
    });
    // The record keeps the digits shown.
    EXPECT_EQ(pointsOf(record), (std::vector<std::pair<double, double>>{{0.123456789, 1}, {1.5, 20}}));
}

TEST(setCalibrationPoint, OkNeedsTwoNumbers)
{
    recordingResponder user;
    user.scripts.push_back([&user](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Set Calibration Point");
        EXPECT_FALSE(d.isControlEnabled(IDOK));
        d.setControlText(1247, "x");
        EXPECT_FALSE(d.isControlEnabled(IDOK));
        d.setControlText(1248, "-3");
        EXPECT_TRUE(d.isControlEnabled(IDOK));
        d.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10076);
        EXPECT_TRUE(d.hasFocus(1247));
        d.setControlText(1247, "1e999");
        d.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10076);
        d.setControlText(1247, "2.5");
        d.setControlText(1248, "-");
        d.sendCommand(IDOK);
        EXPECT_EQ(user.lastMessage().promptId, 10077);
        d.setControlText(1248, "-3");
        d.sendCommand(IDOK);
    });
    CSetCalibrationPointDialog dialog(false);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.raw, 2.5);
    EXPECT_EQ(dialog.calibrated, -3.0);
}

} // namespace
