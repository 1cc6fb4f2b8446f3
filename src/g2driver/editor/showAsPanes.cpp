#include "g2driver/editor/showAsPanes.h"

#include "g2driver/editor/CParameterValuesPanel.h"

#include <algorithm>

CShowAsPaneBase::CShowAsPaneBase(int templateId, int firstId, const char* firstText, int cx, int hexX)
    : CDialog(templateId), firstId_(firstId)
{
    setDialogSize(cx, 12);
    addRadioButton(firstId, firstText, 0, 1, hexX - 4, 10);
    addRadioButton(hexId, "Show as &hex", hexX, 1, cx - hexX, 10);
}

void CShowAsPaneBase::create(QWidget* host, QWidget* after, QPoint& position, int width, int mode)
{
    setParent(host, Qt::Widget);
    ensureInitialized();
    showMode(mode);
    move(position.x() + width - this->width(), position.y());
    if (after)
        stackUnder(after);
    show();
    position.ry() += height();
    onCommand(firstId_, [this] { clicked(); });
    onCommand(hexId, [this] { clicked(); });
}

void CShowAsPaneBase::showMode(int mode)
{
    checkRadioButton(std::min(firstId_, hexId), std::max(firstId_, hexId), mode ? hexId : firstId_);
}

void CShowAsPaneBase::clicked()
{
    int mode = isChecked(hexId) ? 1 : 0;
    if (!switchTo(mode))
        showMode(mode ? 0 : 1);
}

CDecimalHexPane::CDecimalHexPane(CParameterValuesPanel& panel)
    : CShowAsPaneBase(869, decimalId, "Show as &decimal", 122, 64), panel_(panel)
{
}

bool CDecimalHexPane::switchTo(int mode)
{
    panel_.setDecimalHexMode(mode);
    return true;
}

CTextHexPane::CTextHexPane(CParameterValuesPanel& panel)
    : CShowAsPaneBase(763, textId, "Show as te&xt", 122, 64), panel_(panel)
{
}

bool CTextHexPane::switchTo(int mode) { return panel_.setTextHexMode(mode); }

CCodeTextHexPane::CCodeTextHexPane(std::function<bool(int)> setHexMode)
    : CShowAsPaneBase(781, textId, "Show as te&xt", 150, 80), setHexMode_(std::move(setHexMode))
{
}

void CCodeTextHexPane::create(QWidget* host, QWidget* after, QPoint& position, int& width, int mode)
{
    width = std::max(width, this->width());
    CShowAsPaneBase::create(host, after, position, width, mode);
}

bool CCodeTextHexPane::switchTo(int mode) { return setHexMode_ && setHexMode_(mode); }
