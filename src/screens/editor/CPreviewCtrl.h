#pragma once

#include <QWidget>

// The painted sample beside each area type of the 3D-area pane: 1
// horizontal divider, 2 vertical divider, 3 group box, 4 raised, 5 sunken,
// 6 recessed, 7 cutout, 8 window colour and 9 dialog colour area.
class CPreviewCtrl : public QWidget {
public:
    explicit CPreviewCtrl(int type, QWidget* parent = nullptr);

    int type() const { return type_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    const int type_;
};
