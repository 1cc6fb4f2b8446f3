#include "shell/CMultiValueEdit.h"

#include "platform/systemColours.h"
#include "platform/textCodec.h"

#include <QEvent>

CMultiValueEdit::CMultiValueEdit(QWidget* parent) : QLineEdit(parent) { applyLook(); }

void CMultiValueEdit::setValue(const gstrSlice& text)
{
    hasValue_ = 1;
    setText(toUiText(text));
    setModified(false);
    applyLook();
    repaint();
}

void CMultiValueEdit::setDiffering()
{
    hasValue_ = 0;
    // Unlike clear, setting the text is no edit of the user's.
    setText(QString());
    setModified(false);
    applyLook();
    repaint();
}

void CMultiValueEdit::markEdited()
{
    bool wasDiffering = hasValue_ == 0;
    hasValue_ = 1;
    setModified(false);
    if (wasDiffering)
        applyLook();
}

void CMultiValueEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        applyLook();
}

void CMultiValueEdit::applyLook()
{
    QPalette look = QPalette();
    if (!hasValue_ && isEnabled()) {
        look.setBrush(QPalette::Base, halftoneBrush(systemColour(sysColour::windowText), systemColour(sysColour::buttonFace)));
    }
    setPalette(look);
    update();
}
