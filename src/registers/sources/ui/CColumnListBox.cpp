#include "registers/sources/ui/CColumnListBox.h"

#include "platform/systemColours.h"
#include "shell/ownerDrawItems.h"

#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr int tabWidthInCharacters = 12;

// The item: its ground, its text 2 pixels in and centred on one line, the
// grey line at its right edge, the focus rectangle.
class columnItemDelegate : public QStyledItemDelegate {
public:
    explicit columnItemDelegate(CColumnListBox& list) : QStyledItemDelegate(&list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        itemColours colours = itemColoursFor(isSelectedItem(option));
        painter->fillRect(option.rect, colours.background);
        painter->setPen(colours.text);
        QFont font = list_.font();
        painter->setFont(font);
        QTextOption text(Qt::AlignLeft | Qt::AlignVCenter);
        text.setWrapMode(QTextOption::NoWrap);
        text.setTabStopDistance(QFontMetricsF(font).averageCharWidth() * tabWidthInCharacters);
        painter->drawText(QRectF(option.rect.adjusted(2, 0, 0, 0)), index.data(Qt::DisplayRole).toString(), text);
        painter->setPen(systemColour(sysColour::grayText));
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        if (option.state & QStyle::State_HasFocus)
            drawItemFocus(*painter, option.rect);
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return {list_.columnWidth(), list_.itemHeight()};
    }

private:
    const CColumnListBox& list_;
};

} // namespace

CColumnListBox::CColumnListBox(QWidget* parent) : QListWidget(parent), itemHeight_(measuredTextHeight() + 2)
{
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setItemDelegate(new columnItemDelegate(*this));
    setGridSize({columnWidth_, itemHeight_});
}

void CColumnListBox::setColumnWidth(int width)
{
    columnWidth_ = width;
    setGridSize({columnWidth_, itemHeight_});
}

// The columns' ground in the window colour, each with its last pixel
// column grey, then the items.
void CColumnListBox::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(viewport());
        QRect area = viewport()->rect();
        painter.fillRect(area, systemColour(sysColour::window));
        painter.setPen(systemColour(sysColour::grayText));
        int offset = horizontalOffset();
        for (int x = columnWidth_ - 1 - offset % columnWidth_; x < area.width(); x += columnWidth_)
            painter.drawLine(x, 0, x, area.height());
    }
    QListWidget::paintEvent(event);
}
