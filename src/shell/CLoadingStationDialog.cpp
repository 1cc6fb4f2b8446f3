#include "shell/CLoadingStationDialog.h"

#include "shell/CProgressBar.h"

#include <algorithm>

CLoadingStationDialog::CLoadingStationDialog(QWidget* parent) : CDialog(templateId, parent)
{
    setWindowTitle(QStringLiteral("Loading Station"));
    setDialogSize(212, 34);
    bar_ = addControl(progressId, new CProgressBar, 7, 7, 198, 20);
    createModeless();
}

CLoadingStationDialog::~CLoadingStationDialog()
{
    if (loadProgress() == this)
        installLoadProgress(nullptr);
}

bool CLoadingStationDialog::OnInitDialog()
{
    installLoadProgress(this);
    return false;
}

void CLoadingStationDialog::setRange(int64_t length)
{
    length = std::max<int64_t>(length, 0);
    shift_ = 0;
    while ((length >> shift_) > 0x7FFFFFFF)
        ++shift_;
    bar_->setRange(static_cast<unsigned>(length >> shift_));
}

void CLoadingStationDialog::setPosition(int64_t position)
{
    bar_->setPosition(static_cast<unsigned>(std::clamp<int64_t>(position >> shift_, 0, 0x7FFFFFFF)));
}
