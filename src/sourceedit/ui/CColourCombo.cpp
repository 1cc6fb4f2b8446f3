#include "sourceedit/ui/CColourCombo.h"

#include "shell/ownerDrawItems.h"
#include "sourceedit/ui/sourceUiColours.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QStylePainter>

namespace {

// The entries of both combos are drawn by their combo; the height is the
// control font's height with its leading.
template <class Combo>
class entryDelegate : public QStyledItemDelegate {
public:
    explicit entryDelegate(Combo& combo) : QStyledItemDelegate(&combo), combo_(combo) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        combo_.drawEntry(*painter, option.rect, index.row(), isSelectedItem(option), true);
        if (option.state & QStyle::State_HasFocus)
            drawItemFocus(*painter, option.rect);
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        QFontMetrics metrics(combo_.font());
        return {combo_.width(), metrics.height() + metrics.leading()};
    }

private:
    const Combo& combo_;
};

void drawTextEntry(QPainter& painter, const QRect& rect, const QString& text, const QFont& font, bool selected,
                   bool inList)
{
    itemColours colours = itemColoursFor(selected);
    painter.fillRect(rect, colours.background);
    painter.setPen(colours.text);
    painter.setFont(font);
    painter.drawText(rect.adjusted(inList ? 2 : 1, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
}

template <class Combo>
void paintCombo(Combo& combo, QStyleOptionComboBox option)
{
    QStylePainter painter(&combo);
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    QRect field = combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo);
    combo.drawEntry(painter, field, combo.currentIndex(), combo.hasFocus(), false);
    if (combo.hasFocus() && combo.isEnabled())
        drawItemFocus(painter, field);
}

} // namespace

CColourCombo::CColourCombo(QWidget* parent) : QComboBox(parent)
{
    setItemDelegate(new entryDelegate<CColourCombo>(*this));
}

void CColourCombo::resetColours()
{
    clear();
    colours_.clear();
}

void CColourCombo::addColours(const uint32_t* colours, int count)
{
    for (int i = 0; i < count; ++i) {
        addItem("*");
        setEntryColour(this->count() - 1, colours[i]);
    }
}

void CColourCombo::setEntryColour(int entry, uint32_t colour)
{
    if (entry < 0)
        return;
    if (colours_.size() <= size_t(entry))
        colours_.resize(size_t(entry) + 1, 0);
    colours_[size_t(entry)] = colour;
}

uint32_t CColourCombo::entryColour(int entry) const
{
    return entry >= 0 && size_t(entry) < colours_.size() ? colours_[size_t(entry)] : 0;
}

bool CColourCombo::selectColour(uint32_t colour, const uint32_t* colours, int count, int first)
{
    for (int i = 0; i < count; ++i) {
        if (colours[i] == colour) {
            setCurrentIndex(first + i);
            return true;
        }
    }
    return false;
}

void CColourCombo::drawEntry(QPainter& painter, const QRect& rect, int entry, bool selected, bool inList) const
{
    if (!isEnabled()) {
        painter.fillRect(rect, QColor(192, 192, 192));
        return;
    }
    if (entry < 0) {
        painter.fillRect(rect, itemColoursFor(selected).background);
        return;
    }
    if (!isColourEntry(entry)) {
        drawTextEntry(painter, rect, itemText(entry), font(), selected, inList);
        return;
    }
    painter.fillRect(rect, itemColoursFor(selected).background);
    painter.fillRect(rect.adjusted(2, 2, -2, -2), sourceColour(entryColour(entry)));
}

void CColourCombo::paintEvent(QPaintEvent*)
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    paintCombo(*this, option);
}

CFontStyleCombo::CFontStyleCombo(QWidget* parent) : QComboBox(parent)
{
    setItemDelegate(new entryDelegate<CFontStyleCombo>(*this));
}

QFont CFontStyleCombo::entryFont(int entry) const
{
    QFont variant = font();
    if (entry == 2)
        variant.setWeight(QFont::Bold);
    if (entry == 3)
        variant.setItalic(true);
    return variant;
}

void CFontStyleCombo::drawEntry(QPainter& painter, const QRect& rect, int entry, bool selected, bool inList) const
{
    if (!isEnabled()) {
        painter.fillRect(rect, QColor(192, 192, 192));
        return;
    }
    drawTextEntry(painter, rect, entry >= 0 ? itemText(entry) : QString(), entryFont(entry), selected, inList);
}

void CFontStyleCombo::paintEvent(QPaintEvent*)
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    paintCombo(*this, option);
}
