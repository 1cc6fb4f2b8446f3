#include "platform/textRoom.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>

#include <algorithm>

namespace {

constexpr char placementProperty[] = "korvelPlacement";

} // namespace

QSize textRoom(const QWidget& widget)
{
    if (auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return {};
        QSize hint = label->sizeHint();
        if (!label->wordWrap())
            return hint;
        return {std::min(hint.width(), label->width()), label->heightForWidth(label->width())};
    }
    // A tab strip shows every tab whole, without scroll arrows.
    if (auto* tabs = qobject_cast<const QTabBar*>(&widget))
        return tabs->count() > 0 ? tabs->sizeHint() : QSize();
    auto* button = qobject_cast<const QAbstractButton*>(&widget);
    if (!button || button->text().isEmpty())
        return {};
    QSize hint = button->sizeHint();
    if (!qobject_cast<const QPushButton*>(button))
        return hint;
    // The text, the margin around it and the frame on either side.
    const QStyle* style = button->style();
    int text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
    int width = text + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    if (!button->icon().isNull())
        width += button->iconSize().width() + 4;
    return {std::min(width, hint.width()), hint.height()};
}

QRect placement(const QWidget& widget) { return widget.property(placementProperty).toRect(); }

int placedWidth(const QWidget& widget) { return placement(widget).width(); }

void rememberPlacement(QWidget& widget, const QRect& place) { widget.setProperty(placementProperty, place); }
