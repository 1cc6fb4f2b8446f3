#include "shell/CStateIconCtrl.h"

#include "platform/CImageList.h"
#include "platform/systemColours.h"

#include <QEvent>
#include <QPainter>

CStateIconCtrl::CStateIconCtrl(const CImageList* imageList, int enabledIndex, int disabledIndex, QWidget* parent)
    : QWidget(parent), imageList_(imageList), disabledIndex_(disabledIndex), enabledIndex_(enabledIndex)
{
}

void CStateIconCtrl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), systemColour(sysColour::buttonFace));
    // The owner's list has no background colour of its own: its mask
    // colour shows the button face.
    if (imageList_)
        imageList_->draw(p, shownIndex(), 0, 0, true);
}

void CStateIconCtrl::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        repaint();
}
