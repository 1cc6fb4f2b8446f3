#include "shell/CDrawingToolsBar.h"

#include "shell/toolbarImages.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QToolButton>

const std::array<int, CDrawingToolsBar::positionCount> CDrawingToolsBar::commands = {
    32818, 32816, 32814, 32937, 32794, 32812, 32801, 32791, 32824, 32930, 32931,
    32936, 32798, 32807, 0,     32808, 32821, 32815, 32803, 32825, 32805,
};

namespace {

constexpr int firstCategory = 2;
constexpr int lastCategory = 13;

bool isCategory(int position) { return position >= firstCategory && position <= lastCategory; }

bool wrapsWhenVertical(int position)
{
    switch (position) {
    case 1: case 3: case 5: case 7: case 9: case 11: case 14: case 16: case 18: return true;
    default: return false;
    }
}

} // namespace

CDrawingToolsBar::CDrawingToolsBar(QWidget* parent) : QToolBar(parent)
{
    grid_ = new QWidget(this);
    addWidget(grid_);
    QObject::connect(this, &QToolBar::orientationChanged, this, [this](Qt::Orientation o) { layOut(o); });
    QObject::connect(this, &QToolBar::topLevelChanged, this, [this](bool) { layOut(orientation()); });
}

bool CDrawingToolsBar::create(const std::array<QAction*, positionCount>& actions)
{
    locked_.fill(0);
    for (int p = 0; p < positionCount; ++p) {
        if (p == separatorPosition)
            continue;
        if (!actions[p])
            return false;
        buttons_[p] = new QToolButton(grid_);
        buttons_[p]->setDefaultAction(actions[p]);
        buttons_[p]->setAutoRaise(true);
        buttons_[p]->setIcon(drawingToolImage(p, false));
    }
    layOut(orientation());
    return true;
}

void CDrawingToolsBar::setCategoryLocked(int position, bool locked)
{
    if (!isCategory(position) || locked_[position] == locked)
        return;
    locked_[position] = locked;
    buttons_[position]->setIcon(drawingToolImage(position, locked));
}

bool CDrawingToolsBar::isLocked(int position) const { return isCategory(position) && locked_[position]; }

int CDrawingToolsBar::imageIndex(int position) const { return position + 18 * (isLocked(position) ? 1 : 0); }

std::vector<std::vector<int>> CDrawingToolsBar::rows(bool horizontal)
{
    std::vector<std::vector<int>> out(1);
    for (int p = 0; p < positionCount; ++p) {
        out.back().push_back(p);
        if (!horizontal && wrapsWhenVertical(p) && p + 1 < positionCount)
            out.emplace_back();
    }
    return out;
}

std::vector<std::vector<int>> CDrawingToolsBar::currentRows() const { return laidOut_; }

void CDrawingToolsBar::layOut(Qt::Orientation orientation)
{
    delete grid_->layout();
    auto* layout = new QGridLayout(grid_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    bool horizontal = orientation == Qt::Horizontal && !isFloating();
    laidOut_ = rows(horizontal);
    for (int r = 0; r < static_cast<int>(laidOut_.size()); ++r) {
        int column = 0;
        for (int p : laidOut_[r]) {
            if (p == separatorPosition) {
                // Across a row the separator is a gap; down a column none.
                if (horizontal) {
                    auto* line = new QFrame(grid_);
                    line->setFrameShape(QFrame::VLine);
                    line->setFrameShadow(QFrame::Sunken);
                    layout->addWidget(line, r, column++);
                }
                continue;
            }
            layout->addWidget(buttons_[p] ? static_cast<QWidget*>(buttons_[p]) : new QWidget(grid_), r, column++);
        }
    }
    grid_->adjustSize();
}
