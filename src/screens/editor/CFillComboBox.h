#pragma once

#include <QComboBox>

// The choice of how an area is filled: item 0 no fill, 1 a solid colour, 2 to
// 23 the hatch patterns 0 to 21, 24 to 28 the colour patterns 0 to 4. Each
// item is drawn as its text or as a swatch of its pattern.
class CFillComboBox : public QComboBox {
public:
    static constexpr int itemCount = 29;

    explicit CFillComboBox(QWidget* parent = nullptr);

    // The fill kind of the selected item (gfillInfo: 1 empty, 2 colour, 3
    // pattern, 4 colour pattern); 0 without a selection.
    int getKind() const;
    // The pattern of the selected item, 0 for items 0 and 1.
    int getPattern() const;
    // A kind or pattern outside the list selects nothing.
    void select(int kind, int pattern);

    // Draws item index in rect as the list shows it.
    void drawItem(QPainter& painter, const QRect& rect, int index, bool selected) const;
    // As wide as the closed box needs to show its longest text whole.
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString noFill_;
    QString solidColour_;
};
