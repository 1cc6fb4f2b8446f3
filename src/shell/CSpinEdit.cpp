#include "shell/CSpinEdit.h"

#include "foundation/charClasses.h"
#include "foundation/gnumFormat.h"
#include "platform/textCodec.h"
#include "shell/editNumbers.h"

#include <QEvent>
#include <cmath>
#include <limits>

namespace {

constexpr double mostNegative = -std::numeric_limits<double>::max();
constexpr double largest = std::numeric_limits<double>::max();
// What an empty edit without a limit on that side steps to.
constexpr double farBelow = -9999999999.0;
constexpr double farAbove = 9999999999.0;

gstr editText(const QLineEdit& edit) { return fromUiText(edit.text()); }

// The value an arrow gives when the text holds no number.
double valueFromNothing(int delta, double minimum, double maximum)
{
    if (delta < 0) {
        if (minimum <= 0 && 0 < maximum)
            return 0;
        return minimum == mostNegative ? farBelow : minimum;
    }
    if (minimum < 0 && 0 < maximum)
        return 0;
    return maximum == largest ? farAbove : maximum;
}

} // namespace

CNumericSpinButton::CNumericSpinButton() : CUpDownCtrl(nullptr), minimum(mostNegative), maximum(largest) {}

int CNumericSpinButton::OnDeltaPos(int delta)
{
    auto* buddy = qobject_cast<QLineEdit*>(this->buddy());
    if (!buddy)
        return 0;
    gstr text = editText(*buddy);
    char separator = getUserDecimalSeparator();
    double number = 0;
    double value;
    if (readRealNumber(text.data(), separator, number) != text.data()) {
        value = number - delta;
        if (value < minimum)
            value = minimum;
        if (value > maximum)
            value = maximum;
    } else {
        value = valueFromNothing(delta, minimum, maximum);
    }
    spinEditLink::showStep(*this, *buddy, formatEditReal(value, separator), value);
    return 0;
}

void spinEditLink::attach(QLineEdit& edit, CUpDownCtrl& spin)
{
    spin.setParent(edit.parentWidget());
    spin.setGeometry(0, 0, 10, 10);
    spin.setBuddy(&edit);
    if (edit.isReadOnly())
        spin.setEnabled(false);
    spin.stackUnder(&edit);
    // An edit hidden before it was attached keeps its spin hidden too.
    spin.setVisible(!edit.isHidden());
}

void spinEditLink::setReadOnly(QLineEdit& edit, CUpDownCtrl* spin, bool readOnly)
{
    if (spin && edit.isEnabled())
        spin->setEnabled(!readOnly);
    edit.setReadOnly(readOnly);
}

void spinEditLink::followEnabled(const QLineEdit& edit, CUpDownCtrl* spin)
{
    if (spin && !edit.isReadOnly())
        spin->setEnabled(edit.isEnabled());
}

void spinEditLink::showStep(CUpDownCtrl& spin, QLineEdit& buddy, const gstr& text, double value)
{
    buddy.setText(toUiText(text));
    buddy.selectAll();
    buddy.setFocus(Qt::OtherFocusReason);
    spinStepNotify record;
    record.from = &buddy;
    record.id = CDialog::controlId(&buddy);
    record.code = spinStepCode;
    record.value = value;
    CDialog::notifyParent(spin.parentWidget(), record);
}

CSpinEdit::CSpinEdit() : spin_(new CNumericSpinButton) {}

CSpinEdit::~CSpinEdit() { delete spin_.data(); }

bool CSpinEdit::setReadOnly(bool readOnly)
{
    spinEditLink::setReadOnly(*this, spin_, readOnly);
    return true;
}

void CSpinEdit::PreSubclassWindow()
{
    if (attached_ || !spin_)
        return;
    attached_ = true;
    spinEditLink::attach(*this, *spin_);
}

void CSpinEdit::setVisible(bool visible)
{
    CKeyFilteredEdit::setVisible(visible);
    if (attached_ && spin_)
        spin_->setVisible(visible);
}

void CSpinEdit::changeEvent(QEvent* event)
{
    CKeyFilteredEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && attached_)
        spinEditLink::followEnabled(*this, spin_);
}

bool CRealSpinEdit::acceptsChar(unsigned char c) const
{
    char ch = static_cast<char>(c);
    return charClass::isDigit(ch) || ch == '+' || ch == '-' || ch == 'e' || ch == 'E'
        || ch == getUserDecimalSeparator();
}

// An infinity (a number beyond the range of a double) is no value a field
// may hold.
bool CRealSpinEdit::getValue(double& out) const
{
    if (!shownText_.isEmpty() && text() == shownText_ && std::isfinite(shownValue_)) {
        out = shownValue_;
        return true;
    }
    gstr text = editText(*this);
    if (text.isEmpty())
        return false;
    const char* end = readRealNumber(text.data(), getUserDecimalSeparator(), out);
    return whollyRead(text, end) && std::isfinite(out);
}

void CRealSpinEdit::setValue(double value)
{
    setText(toUiText(formatEditReal(value, getUserDecimalSeparator())));
    shownText_ = text();
    shownValue_ = value;
}

CNonNegativeSpinEdit::CNonNegativeSpinEdit()
{
    spin().minimum = 0;
    spin().maximum = 2147483647.0;
}

bool CNonNegativeSpinEdit::acceptsChar(unsigned char c) const { return charClass::isDigit(static_cast<char>(c)); }

bool CNonNegativeSpinEdit::getValue(int32_t& out) const
{
    gstr text = editText(*this);
    if (text.isEmpty())
        return false;
    const char* end = readSignedNumber(text.data(), out);
    return whollyRead(text, end) && out >= 0;
}

void CNonNegativeSpinEdit::setValue(int32_t value) { setText(toUiText(formatSigned(value))); }

CUnsignedSpinEdit::CUnsignedSpinEdit()
{
    spin().minimum = 0;
    spin().maximum = 4294967295.0;
}

bool CUnsignedSpinEdit::acceptsChar(unsigned char c) const
{
    return charClass::isDigit(static_cast<char>(c)) || c == '+';
}

bool CUnsignedSpinEdit::getValue(uint32_t& out) const
{
    gstr text = editText(*this);
    if (text.isEmpty())
        return false;
    bool negative = false;
    const char* end = readUnsignedNumber(text.data(), 10, out, &negative);
    return whollyRead(text, end) && !negative;
}

void CUnsignedSpinEdit::setValue(uint32_t value) { setText(toUiText(formatUnsigned(value))); }

CSignedSpinEdit::CSignedSpinEdit()
{
    spin().minimum = -2147483648.0;
    spin().maximum = 2147483647.0;
}

bool CSignedSpinEdit::acceptsChar(unsigned char c) const
{
    return charClass::isDigit(static_cast<char>(c)) || c == '+' || c == '-';
}

bool CSignedSpinEdit::getValue(int32_t& out) const
{
    gstr text = editText(*this);
    if (text.isEmpty())
        return false;
    const char* end = readSignedNumber(text.data(), out);
    return whollyRead(text, end);
}

void CSignedSpinEdit::setValue(int32_t value) { setText(toUiText(formatSigned(value))); }
