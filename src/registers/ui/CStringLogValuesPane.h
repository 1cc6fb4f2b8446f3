#pragma once

#include "registers/ui/CValueLogPane.h"

#include <QLabel>

class CEditStringRegisterDialog;

// The "Value Log Strings" page of string registers: which texts are logged
// (six rules, two of them with a pattern) and the prefix and suffix around
// them, with a sample.
class CStringLogValuesPane : public CValueLogPane {
public:
    // Radio buttons 2039 to 2044: the mode is the id minus 2038.
    static constexpr int firstModeId = 2039;
    static constexpr int lastModeId = 2044;
    static constexpr int patternId = 1369;
    static constexpr int prefixId = 1380;
    static constexpr int suffixId = 1468;
    static constexpr int sampleId = 1659;

    explicit CStringLogValuesPane(CEditStringRegisterDialog& registerDialog);

    bool hasSettings() const override;
    void createPane(QWidget* parent) override;
    bool storeSettings() override;

private:
    void buildControls();
    void load();
    void modeClicked();
    void enableText(bool enable);
    void updateSample();

    CEditStringRegisterDialog& stringDialog_;
    QLabel* patternLabel_ = nullptr;
    QLabel* prefixLabel_ = nullptr;
    QLabel* suffixLabel_ = nullptr;
    QLabel* sampleLabel_ = nullptr;
};
