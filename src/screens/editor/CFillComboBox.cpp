#include "screens/editor/CFillComboBox.h"

#include "platform/patternTables.h"
#include "resources/stringTable.h"
#include "shell/ownerDrawItems.h"

#include <QPainter>
#include <algorithm>
#include <QStyledItemDelegate>
#include <QStylePainter>

namespace {

constexpr int noFillText = 10057;
constexpr int solidColourText = 10265;
constexpr int firstHatch = 2;
constexpr int firstColourPattern = 24;

class fillDelegate : public QStyledItemDelegate {
public:
    explicit fillDelegate(CFillComboBox& combo) : QStyledItemDelegate(&combo), combo_(combo) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        combo_.drawItem(*painter, option.rect, index.row(), isSelectedItem(option));
        if (option.state & QStyle::State_HasFocus)
            drawItemFocus(*painter, option.rect);
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return {combo_.width(), measuredTextHeight() + 2};
    }

private:
    const CFillComboBox& combo_;
};

// A pattern brush in the item's text colour where the hatch sets its bits,
// on the item's ground elsewhere.
QBrush hatchBrush(int pattern, const QColor& text, const QColor& ground)
{
    patternEntry entry = fillPattern(pattern);
    if (!entry.bitmap)
        return QBrush(text);
    QImage swatch = entry.bitmap->convertToFormat(QImage::Format_Mono);
    swatch.setColorCount(2);
    swatch.setColor(0, ground.rgb());
    swatch.setColor(1, text.rgb());
    return QBrush(swatch);
}

} // namespace

CFillComboBox::CFillComboBox(QWidget* parent)
    : QComboBox(parent), noFill_(QString::fromLatin1(stringTableText(noFillText))),
      solidColour_(QString::fromLatin1(stringTableText(solidColourText)))
{
    for (int i = 0; i < itemCount; ++i)
        addItem(QString());
    // Nothing is chosen until a pane shows a fill.
    setCurrentIndex(-1);
    setItemDelegate(new fillDelegate(*this));
}

int CFillComboBox::getKind() const
{
    int item = currentIndex();
    if (item < 0)
        return 0;
    if (item < firstHatch)
        return item + 1;
    return item < firstColourPattern ? 3 : 4;
}

int CFillComboBox::getPattern() const
{
    int item = currentIndex();
    if (item < firstHatch)
        return 0;
    return item < firstColourPattern ? item - firstHatch : item - firstColourPattern;
}

void CFillComboBox::select(int kind, int pattern)
{
    int item = -1;
    if (kind == 1 || kind == 2)
        item = kind - 1;
    else if (kind == 3 && pattern >= 0 && pattern < firstColourPattern - firstHatch)
        item = pattern + firstHatch;
    else if (kind == 4 && pattern >= 0 && pattern < itemCount - firstColourPattern)
        item = pattern + firstColourPattern;
    setCurrentIndex(item);
}

void CFillComboBox::drawItem(QPainter& painter, const QRect& rect, int index, bool selected) const
{
    if (index < 0 || index >= itemCount)
        return;
    itemColours colours = itemColoursFor(selected);
    painter.save();
    painter.fillRect(rect, colours.background);
    if (index < firstHatch) {
        painter.setPen(colours.text);
        painter.drawText(rect.adjusted(1, 0, -1, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         index == 0 ? noFill_ : solidColour_);
    } else {
        QRect swatch = rect.adjusted(1, 1, -1, -1);
        QBrush brush;
        if (index < firstColourPattern) {
            brush = hatchBrush(index - firstHatch, colours.text, colours.background);
        } else {
            patternEntry entry = colourPattern(index - firstColourPattern);
            brush = entry.brush ? *entry.brush : QBrush(colours.text);
        }
        painter.setBrushOrigin(swatch.topLeft());
        painter.fillRect(swatch, brush);
        painter.setPen(QPen(colours.text, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

QSize CFillComboBox::minimumSizeHint() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QFontMetrics& metrics = fontMetrics();
    // drawItem keeps a pixel clear on either side of the text.
    QSize text(std::max(metrics.horizontalAdvance(noFill_), metrics.horizontalAdvance(solidColour_)) + 2,
               metrics.height());
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, this);
}

void CFillComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    drawItem(painter, field, currentIndex(), hasFocus());
}
