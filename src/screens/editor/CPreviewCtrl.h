#pragma once

#include <QWidget>

// The painted sample of one 3D-area type (1 horizontal divider to 9 dialog
// colour area) beside its button in the 3D-area pane.
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
