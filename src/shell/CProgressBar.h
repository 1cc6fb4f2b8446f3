#pragma once

#include <QWidget>
#include <array>

// The bar of the Loading Station dialog: a sunken frame with a filled part
// drawn in eight shades of the system highlight colour. The dialog moves it
// from the loader's progress reports.
class CProgressBar : public QWidget {
public:
    explicit CProgressBar(QWidget* parent = nullptr);

    // A range of 0 is taken as 1. The position is not brought into the new
    // range.
    void setRange(unsigned range);
    // Positions past the range count as the range.
    void setPosition(unsigned position);

    unsigned filled() const { return filled_; }
    unsigned position() const { return position_; }
    unsigned range() const { return range_; }

    // The eight shades of a highlight colour (0xRRGGBB each): its lightness
    // moved by +4500, +9500, +3000, +2000, 0, -2000, -3000, -4500 on the
    // integer hue-lightness-saturation scale of 0 to 30000.
    static std::array<unsigned, 8> shadesOf(unsigned highlight);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int barWidth() const;
    unsigned fillFor(double share) const;

    unsigned cachedHighlight_ = ~0u;
    unsigned filled_ = 0;
    unsigned position_ = 0;
    unsigned range_ = 100;
    std::array<unsigned, 8> shades_{};
};
