#include "shell/CAutoWidthCombo.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QStyle>
#include <algorithm>

int CAutoWidthCombo::fitDropDownWidth()
{
    QFontMetrics metrics(font());
    int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(itemText(i)) + scrollBar + 5);
    view()->setMinimumWidth(widest);
    return widest;
}

void CAutoWidthCombo::showPopup()
{
    fitDropDownWidth();
    QComboBox::showPopup();
}
