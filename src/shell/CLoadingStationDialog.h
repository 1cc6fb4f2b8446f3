#pragma once

#include "platform/CDialog.h"
#include "store/gloadProgress.h"

class CProgressBar;

// The modeless Loading Station window the main frame shows while it reads a
// file. While it exists the loader reports to its bar: the file's length as
// the range, the position before every line.
class CLoadingStationDialog : public CDialog, public gloadProgress {
public:
    static constexpr int templateId = 566;
    static constexpr int progressId = 1387;

    // Shows the window at once.
    explicit CLoadingStationDialog(QWidget* parent);
    ~CLoadingStationDialog() override;

    void setRange(int64_t length) override;
    void setPosition(int64_t position) override;

    CProgressBar& bar() const { return *bar_; }

protected:
    bool OnInitDialog() override;

private:
    CProgressBar* bar_;
    // The bar counts in 32 bits: larger files are counted in units of
    // 2^shift bytes.
    int shift_ = 0;
};
