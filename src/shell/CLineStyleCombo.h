#pragma once

#include <QComboBox>

// The choice of a line style: entry i draws a line of style i (0 solid, 1 to
// 4 the dash patterns of screens) at the combo's line width.
class CLineStyleCombo : public QComboBox {
public:
    static constexpr int styleCount = 5;

    explicit CLineStyleCombo(QWidget* parent = nullptr);

    // A width below 1 becomes 1; the combo is redrawn at once.
    void setLineWidth(int width);
    int lineWidth() const { return lineWidth_; }
    // Draws entry style as a line across rect in the item colours.
    void drawStyle(QPainter& painter, const QRect& rect, int style, bool selected) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int lineWidth_ = 1;
};
