#include "shell/CLineStyleCombo.h"

#include "platform/gdiCaches.h"
#include "platform/systemColours.h"
#include "shell/ownerDrawItems.h"

#include <QPainter>
#include <QStyledItemDelegate>
#include <QStylePainter>

namespace {

// Lines start this many widths (less one) left of the item, so that every
// width starts its dashes at the same phase.
int dashOffset(int style) { return style == 0 ? 0 : style == 1 ? 4 : 6; }

class lineStyleDelegate : public QStyledItemDelegate {
public:
    explicit lineStyleDelegate(CLineStyleCombo& combo) : QStyledItemDelegate(&combo), combo_(combo) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        combo_.drawStyle(*painter, option.rect, index.row(), isSelectedItem(option));
        if (option.state & QStyle::State_HasFocus)
            drawItemFocus(*painter, option.rect);
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return {combo_.width(), measuredTextHeight() + 2};
    }

private:
    const CLineStyleCombo& combo_;
};

} // namespace

CLineStyleCombo::CLineStyleCombo(QWidget* parent) : QComboBox(parent)
{
    for (int i = 0; i < styleCount; ++i)
        addItem(QString());
    setItemDelegate(new lineStyleDelegate(*this));
}

void CLineStyleCombo::setLineWidth(int width)
{
    lineWidth_ = width < 1 ? 1 : width;
    repaint();
}

void CLineStyleCombo::drawStyle(QPainter& painter, const QRect& rect, int style, bool selected) const
{
    if (style < 0 || style >= styleCount)
        return;
    itemColours colours = itemColoursFor(selected);
    painter.save();
    painter.fillRect(rect, colours.background);
    painter.setClipRect(rect);
    painter.setPen(getLinePen(style, lineWidth_, refFromColour(colours.text)));
    int y = (rect.top() + rect.bottom() + 1) / 2;
    painter.drawLine(rect.left() - dashOffset(style) * (lineWidth_ - 1), y, rect.right(), y);
    painter.restore();
}

void CLineStyleCombo::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    drawStyle(painter, field, currentIndex(), hasFocus());
}
