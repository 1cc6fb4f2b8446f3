#pragma once

#include "foundation/gregexp.h"
#include "g2driver/model/g2driverErrorCode.h"
#include "platform/CDialog.h"

#include <cstdint>
#include <vector>

class CEditG2DeviceDriverDialog;
class CNonNegativeSpinEdit;
class CRealSpinEdit;
class QComboBox;
class g2driverErrorValueSet;

// The driver's error codes and what the station does with an error value:
// ignore it, initialize the device again, or send the command again after a
// delay. The dialog works on copies of the driver dialog's working codes
// that report the users of those codes; OK hands the codes and the record
// back, Cancel writes nothing.
class CErrorHandlingDialog : public CDialog {
public:
    static constexpr int templateId = 776;
    static constexpr int codesId = 1764;
    static constexpr int editId = 1223;
    static constexpr int deleteId = 1202;
    static constexpr int duplicateId = 1217;
    static constexpr int newId = 1330;
    static constexpr int mainCodeId = 1925;
    static constexpr int delayLabelId = 1937;
    static constexpr int delayId = 1201;
    static constexpr int delayUnitId = 1780;
    static constexpr int retriesLabelId = 1938;
    static constexpr int retriesId = 1599;
    // Per rule (ignore, reinitialize, retry): its three buttons and its edit.
    static constexpr int noneIds[] = {1926, 1927, 1928};
    static constexpr int onlyIds[] = {1929, 1930, 1931};
    static constexpr int otherIds[] = {1932, 1933, 1934};
    static constexpr int valuesIds[] = {1718, 1719, 1720};

    CErrorHandlingDialog(CEditG2DeviceDriverDialog& owner, QWidget* parent);
    ~CErrorHandlingDialog() override;

    g2driverErrorCodeTable& codes() { return codes_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    struct ruleValues {
        int32_t mode = 0;
        std::vector<uint32_t> numbers;
        gregexp pattern{false};
    };

    void buildControls();
    void showRule(int rule, const g2driverErrorValueSet& set);
    void fillMainCodes(g2driverErrorCode* chosen);
    g2driverErrorCode* chosenMainCode() const;
    void mainCodeChanged();
    void ruleClicked(int rule);
    void enableRetryFields();
    void codeSelected();
    void enableCodeButtons(bool enable);
    void editCode(bool duplicate, bool edit);
    void deleteCode();
    g2driverErrorCode* selectedCode() const;

    bool readRules(ruleValues (&rules)[3]);
    bool readRuleValues(int rule, ruleValues& values, int32_t kind);
    bool readRetries(uint32_t& delay, int32_t& retries);

    CEditG2DeviceDriverDialog& owner_;
    g2driverErrorCodeTable codes_{5};
    std::vector<g2driverErrorCode*> listed_;
    QComboBox* mainCode_ = nullptr;
    CRealSpinEdit* delay_ = nullptr;
    CNonNegativeSpinEdit* retries_ = nullptr;
};
