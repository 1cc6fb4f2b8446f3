#pragma once

#include <QWidget>

class CImageList;

// An icon of the owner's image list that greys out with its control: one
// image while enabled, another while disabled, on the button face.
class CStateIconCtrl : public QWidget {
public:
    // The image list stays the owner's.
    CStateIconCtrl(const CImageList* imageList, int enabledIndex, int disabledIndex, QWidget* parent = nullptr);

    int shownIndex() const { return isEnabled() ? enabledIndex_ : disabledIndex_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    const CImageList* imageList_;
    int disabledIndex_;
    int enabledIndex_;
};
