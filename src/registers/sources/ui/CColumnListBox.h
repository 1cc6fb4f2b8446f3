#pragma once

#include <QListWidget>

// An owner-drawn list box of fixed-height items in several columns: the
// items run down a column and on into the next, each column drawn with a
// grey line at its right edge, tabs in the texts expanded at 12 average
// character widths.
class CColumnListBox : public QListWidget {
public:
    explicit CColumnListBox(QWidget* parent = nullptr);

    // "Bogus" in the default GUI font, plus 2 pixels.
    int itemHeight() const { return itemHeight_; }
    int columnWidth() const { return columnWidth_; }
    void setColumnWidth(int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int itemHeight_;
    int columnWidth_ = 100;
};
