#pragma once

#include "registers/ui/CValueLogPane.h"

#include <QLabel>
#include <vector>

class CEditAnalogRegisterDialog;

// The "Value Log Strings" page of analog registers: which values are logged
// (eight rules, four of them with limits), the change below which nothing
// is logged, and how a value is written: prefix, units spacer, suffix,
// decimals, plus sign, exponential notation, factor and offset, with a
// sample.
class CAnalogLogFormatPane : public CValueLogPane {
public:
    static constexpr int modeId = 2038;
    static constexpr int fromId = 1237;
    static constexpr int toId = 1236;
    static constexpr int thresholdBoxId = 1844;
    static constexpr int thresholdId = 1718;
    static constexpr int decibelId = 2034;
    static constexpr int prefixId = 1380;
    static constexpr int spacerId = 1468;
    static constexpr int spacerNoteId = 2052;
    static constexpr int suffixId = 1471;
    static constexpr int decimalsId = 1377;
    static constexpr int plusSignId = 1372;
    static constexpr int exponentBoxId = 1802;
    static constexpr int markerId = 2040;
    static constexpr int exponentDigitsId = 1730;
    static constexpr int exponentPlusId = 2042;
    static constexpr int factorId = 1259;
    static constexpr int offsetId = 1349;
    static constexpr int sampleId = 1659;

    explicit CAnalogLogFormatPane(CEditAnalogRegisterDialog& registerDialog);

    bool hasSettings() const override;
    void createPane(QWidget* parent) override;
    bool storeSettings() override;

    void updateSample();
    void enableFormat(bool on);

private:
    void buildControls();
    void load();
    void modeChanged();
    void enableLimits(bool enable);
    void enableThreshold(bool enable);
    void enableExponent(bool enable);
    // The defaults of a page without format: 0 decimals, factor 1, offset
    // 0, the exponent " E" with 2 digits and its plus sign.
    void showFormatDefaults();
    double readReal(int id, double otherwise) const;
    bool readNumber(int id, double& value) const;
    int32_t readCount(int id) const;

    CEditAnalogRegisterDialog& analogDialog_;
    QLabel* fromLabel_ = nullptr;
    QLabel* toLabel_ = nullptr;
    std::vector<QLabel*> formatLabels_;
    std::vector<QLabel*> exponentLabels_;
    bool loaded_ = false;
};
