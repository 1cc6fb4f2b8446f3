#include "ports/ui/CResponseElementsList.h"

#include "g2driver/model/g2driverResponseElement.h"
#include "platform/systemColours.h"
#include "platform/textCodec.h"
#include "ports/g2responseMatcher.h"
#include "ports/g2serialTransaction.h"
#include "resources/stringTable.h"

#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {

constexpr int labelFormat = 10607;
constexpr int labelRole = Qt::UserRole + 1;
constexpr int colourRole = Qt::UserRole + 2;
// Room after the widest label, and around each text.
constexpr int labelGap = 10;
constexpr int textInset = 2;

gstr labelText(const gstr& label)
{
    gstr text;
    text.format(labelFormat, label);
    return text;
}

// The error-code elements, which only an error response holds, say which
// error the device reported: their lines stand out.
bool isErrorIndication(const g2driverResponseElement& element)
{
    int type = element.getType();
    return type == g2responseElementType::numericalErrorCode || type == g2responseElementType::stringErrorCode;
}

// A line: the label column on the button face, the value on the window
// colour in the line's colour.
class elementDelegate final : public QStyledItemDelegate {
public:
    explicit elementDelegate(CResponseElementsList& list) : QStyledItemDelegate(&list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QRect line = option.rect;
        int labelRight = line.left() + list_.labelWidth();
        QRect label(line.left(), line.top(), std::max(0, labelRight - line.left()), line.height());
        QRect value(labelRight, line.top(), std::max(0, line.right() + 1 - labelRight), line.height());
        painter->fillRect(label, systemColour(sysColour::buttonFace));
        painter->fillRect(value, systemColour(sysColour::window));
        painter->setPen(systemColour(sysColour::windowText));
        painter->drawText(label.adjusted(textInset, 0, 0, 0), Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data(labelRole).toString());
        painter->setPen(index.data(colourRole).value<QColor>());
        painter->drawText(value.adjusted(textInset, 0, 0, 0), Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        QFontMetrics metrics(list_.font());
        int width = list_.labelWidth() + metrics.horizontalAdvance(index.data(Qt::DisplayRole).toString()) + textInset;
        return {width, list_.itemHeight()};
    }

private:
    const CResponseElementsList& list_;
};

} // namespace

CResponseElementsList::CResponseElementsList(QWidget* parent)
    : QListWidget(parent), skipped_(stringTableText(10604)), badElement_(stringTableText(10605)),
      notFound_(stringTableText(10606)),
      itemHeight_(QFontMetrics(font()).boundingRect(QStringLiteral("Bogus")).height() + 2)
{
    setItemDelegate(new elementDelegate(*this));
    setSelectionMode(QAbstractItemView::NoSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, systemColour(sysColour::buttonFace));
    setPalette(colours);
}

void CResponseElementsList::resetList()
{
    clear();
    transaction_ = nullptr;
    labelWidth_ = 32767;
}

void CResponseElementsList::setTransaction(const g2serialTransaction* transaction)
{
    transaction_ = transaction;
    const g2responseMatcher* matcher = transaction ? transaction->currentMatcher() : nullptr;
    QFontMetrics metrics(font());
    int widest = -1;
    for (int32_t i = 0; matcher && i < matcher->count(); ++i) {
        if (!matcher->label(i).isEmpty())
            widest = std::max(widest, metrics.horizontalAdvance(toUiText(labelText(matcher->label(i)))));
    }
    labelWidth_ = widest < 0 ? 0 : widest + labelGap;
    refill();
    scrollToTop();
}

void CResponseElementsList::setHexMode(int hexMode)
{
    if (hexMode == hexMode_)
        return;
    hexMode_ = hexMode;
    if (!transaction_)
        return;
    int top = verticalScrollBar()->value();
    refill();
    verticalScrollBar()->setValue(top);
}

void CResponseElementsList::refill()
{
    setUpdatesEnabled(false);
    clear();
    const g2responseMatcher* matcher = transaction_ ? transaction_->currentMatcher() : nullptr;
    for (int32_t i = 0; matcher && i < matcher->count(); ++i) {
        int32_t end = matcher->position(i + 1);
        gstr text;
        QColor colour = systemColour(sysColour::windowText);
        if (end == g2responseMatcher::skipped) {
            text = skipped_;
            colour = systemColour(sysColour::grayText);
        } else if (end == g2responseMatcher::badElement || end == g2responseMatcher::notFound) {
            text = end == g2responseMatcher::badElement ? badElement_ : notFound_;
            colour = QColor(255, 0, 0);
        } else {
            int32_t start = matcher->lastPosition(i);
            gstrSlice bytes(transaction_->windowStart() + start, std::max(0, end - start));
            if (hexMode_)
                text.assignHexDump(bytes);
            else
                text.assignQuoted(bytes, true, false);
            if (isErrorIndication(matcher->element(i)))
                colour = QColor(255, 0, 0);
        }
        auto* item = new QListWidgetItem(toUiText(text));
        item->setData(labelRole, toUiText(labelText(matcher->label(i))));
        item->setData(colourRole, colour);
        addItem(item);
    }
    setUpdatesEnabled(true);
}

gstr CResponseElementsList::lineLabel(int line) const
{
    QListWidgetItem* it = item(line);
    return it ? fromUiText(it->data(labelRole).toString()) : gstr("");
}

gstr CResponseElementsList::lineText(int line) const
{
    QListWidgetItem* it = item(line);
    return it ? fromUiText(it->text()) : gstr("");
}

QColor CResponseElementsList::lineColour(int line) const
{
    QListWidgetItem* it = item(line);
    return it ? it->data(colourRole).value<QColor>() : QColor();
}
