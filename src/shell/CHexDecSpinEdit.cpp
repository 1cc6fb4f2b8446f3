#include "shell/CHexDecSpinEdit.h"

#include "foundation/charClasses.h"
#include "platform/textCodec.h"
#include "shell/CSpinEdit.h"
#include "shell/editNumbers.h"

#include <QEvent>

CHexDecSpinButton::CHexDecSpinButton() : CUpDownCtrl(nullptr) {}

int CHexDecSpinButton::OnDeltaPos(int delta)
{
    auto* buddy = qobject_cast<QLineEdit*>(this->buddy());
    if (!buddy)
        return 0;
    gstr text = fromUiText(buddy->text());
    uint32_t v = 0;
    uint32_t value;
    if (readUnsignedNumber(text.data(), hexMode ? 16 : 10, v) == text.data())
        value = delta < 0 ? minimum : maximum;
    else if (delta < 0)
        value = v < maximum ? v + 1 : maximum;
    else
        value = v > minimum ? v - 1 : minimum;
    spinEditLink::showStep(*this, *buddy, formatUnsigned(value, hexMode != 0), static_cast<double>(value));
    return 0;
}

CHexDecSpinEdit::CHexDecSpinEdit() : spin_(new CHexDecSpinButton) {}

CHexDecSpinEdit::~CHexDecSpinEdit() { delete spin_.data(); }

void CHexDecSpinEdit::setHexMode(int mode)
{
    if (!spin_ || mode == spin_->hexMode)
        return;
    uint32_t value = 0;
    bool remembered = getValue(value);
    spin_->hexMode = mode;
    if (remembered)
        setValue(value);
}

bool CHexDecSpinEdit::acceptsChar(unsigned char c) const
{
    char ch = static_cast<char>(c);
    return hexMode() ? charClass::isHexDigit(ch) : charClass::isDigit(ch);
}

bool CHexDecSpinEdit::getValue(uint32_t& out) const
{
    gstr text = fromUiText(this->text());
    if (text.isEmpty())
        return false;
    bool negative = false;
    const char* end = readUnsignedNumber(text.data(), hexMode() ? 16 : 10, out, &negative);
    return whollyRead(text, end) && !negative;
}

void CHexDecSpinEdit::setValue(uint32_t value) { setText(toUiText(formatUnsigned(value, hexMode() != 0))); }

bool CHexDecSpinEdit::setReadOnly(bool readOnly)
{
    spinEditLink::setReadOnly(*this, spin_, readOnly);
    return true;
}

void CHexDecSpinEdit::PreSubclassWindow()
{
    if (attached_ || !spin_)
        return;
    attached_ = true;
    spinEditLink::attach(*this, *spin_);
}

void CHexDecSpinEdit::setVisible(bool visible)
{
    CKeyFilteredEdit::setVisible(visible);
    if (attached_ && spin_)
        spin_->setVisible(visible);
}

void CHexDecSpinEdit::changeEvent(QEvent* event)
{
    CKeyFilteredEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && attached_)
        spinEditLink::followEnabled(*this, spin_);
}
