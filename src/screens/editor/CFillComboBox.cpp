#include "screens/editor/CFillComboBox.h"

#include "platform/patternTables.h"
#include "platform/textCodec.h"
#include "resources/stringTable.h"
#include "shell/ownerDrawItems.h"

#include <QImage>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>
#include <QStylePainter>

namespace {

constexpr int noFillText = 10057, solidColourText = 10265;
constexpr int firstHatch = 2, firstColourPattern = 24;

class fillDelegate : public QStyledItemDelegate {
public:
    explicit fillDelegate(const CFillComboBox& combo) : QStyledItemDelegate(nullptr), combo_(combo) {}

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

} // namespace

CFillComboBox::CFillComboBox(QWidget* parent)
    : QComboBox(parent), noFill_(toUiText(stringTableText(noFillText))),
      solidColour_(toUiText(stringTableText(solidColourText)))
{
    for (int i = 0; i < itemCount; ++i)
        addItem(QString());
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
    else if (kind == 3 && pattern >= 0 && pattern < fillPatternCount)
        item = pattern + firstHatch;
    else if (kind == 4 && pattern >= 0 && pattern < colourPatternCount)
        item = pattern + firstColourPattern;
    setCurrentIndex(item);
}

void CFillComboBox::drawItem(QPainter& painter, const QRect& rect, int item, bool selected) const
{
    if (item < 0 || item >= itemCount)
        return;
    itemColours colours = itemColoursFor(selected);
    painter.save();
    painter.fillRect(rect, colours.background);
    painter.setPen(colours.text);
    if (item < firstHatch) {
        painter.drawText(rect.adjusted(1, 0, -1, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                         item == 0 ? noFill_ : solidColour_);
        painter.restore();
        return;
    }
    patternEntry pattern = item < firstColourPattern ? fillPattern(item - firstHatch)
                                                     : colourPattern(item - firstColourPattern);
    QRect swatch = rect.adjusted(1, 1, -2, -2);
    if (pattern.bitmap) {
        QBrush brush(*pattern.bitmap);
        if (item < firstColourPattern) {
            // The hatch's set bits in the text colour on the item's ground.
            QImage hatch = pattern.bitmap->convertToFormat(QImage::Format_Mono);
            hatch.setColor(0, colours.background.rgb());
            hatch.setColor(1, colours.text.rgb());
            brush = QBrush(hatch);
        }
        painter.fillRect(swatch, brush);
    }
    painter.drawRect(swatch);
    painter.restore();
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
