#pragma once

#include "platform/subclassHook.h"
#include "shell/byteGridLayout.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

// A read-only picture of the 32 bit positions of a value before (lower
// half) and after (upper half) rotating it left by 0 to 31 positions. The
// layout is measured once, when the control takes its place in its dialog.
class CByteRotateCtrl : public QWidget, public CSubclassHook {
public:
    // One drawn cell; shaded cells are filled with the button face.
    struct cell {
        QRect rect;
        QString text;
        bool shaded;
    };
    enum row { rotatedLabels, rotatedBits, plainLabels, plainBits };

    explicit CByteRotateCtrl(QWidget* parent = nullptr);

    // Keeps n mod 32.
    void setRotation(int n);
    int getRotation() const { return rotation_; }

    void PreSubclassWindow() override;

    // The cells of a row from left to right: four labels (five in the upper
    // row when the rotation is not a whole number of bytes) or 32 bits.
    std::vector<cell> cells(row which) const;
    const byteGridLayout& layout() const { return columns_; }
    // The font of the cells: the program's, smaller where the rows are
    // lower than its lines, so that a label does not run into its bits.
    QFont cellFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The full label, or only its number where the full text does not fit.
    QString labelText(int byteNumber, int cellWidth) const;
    std::vector<cell> labels(row which) const;
    std::vector<cell> bits(row which) const;

    int rotation_ = 0;
    byteGridLayout columns_;
    int rowTop_[4] = {};
    int rowHeight_[4] = {};
    bool laidOut_ = false;
};
