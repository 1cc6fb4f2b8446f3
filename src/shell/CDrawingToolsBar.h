#pragma once

#include <QToolBar>
#include <array>
#include <cstddef>
#include <vector>

class QAction;
class QToolButton;

// The Drawing Tools toolbar: twenty tool buttons and a separator at position
// 14. The buttons of the tool categories (positions 2 to 13) show a second
// image while the active screen's tool is locked on them. Docked left or
// right, or floating, it lays its buttons out two in a row.
class CDrawingToolsBar : public QToolBar {
public:
    static constexpr int positionCount = 21;
    static constexpr int separatorPosition = 14;
    // The command of each position, 0 for the separator.
    static const std::array<int, positionCount> commands;

    explicit CDrawingToolsBar(QWidget* parent = nullptr);

    // Sets the buttons from the frame's actions (by command); false when one
    // is missing. Every lock mark is cleared.
    bool create(const std::array<QAction*, positionCount>& actions);

    // Locked when a screen is given, its current tool is locked, and that
    // tool is this position.
    template <class Screen>
    void setCategoryState(int position, const Screen* screen)
    {
        setCategoryLocked(position, screen && screen->isToolLocked() && screen->getTool() == position);
    }
    void setCategoryState(int position, std::nullptr_t) { setCategoryLocked(position, false); }
    void setCategoryLocked(int position, bool locked);

    bool isLocked(int position) const;
    // The image a position shows: its own, or position + 18 while locked.
    int imageIndex(int position) const;

    // The positions row by row: one row when horizontal; otherwise a row
    // ends after positions 1, 3, 5, 7, 9, 11, 14, 16 and 18.
    static std::vector<std::vector<int>> rows(bool horizontal);
    std::vector<std::vector<int>> currentRows() const;

private:
    void layOut(Qt::Orientation orientation);

    std::array<unsigned char, positionCount> locked_{};
    std::array<QToolButton*, positionCount> buttons_{};
    QWidget* grid_ = nullptr;
    std::vector<std::vector<int>> laidOut_;
};
