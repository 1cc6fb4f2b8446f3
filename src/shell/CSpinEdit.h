#pragma once

#include "platform/CDialog.h"
#include "platform/CUpDownCtrl.h"
#include "platform/subclassHook.h"
#include "shell/CFilteredEdit.h"

#include <QPointer>
#include <cstdint>

// What a spin tells its dialog after every step, even when the value did not
// change: code spinStepCode from the edit's control id, then the new value.
// A dialog that reacts to stepping asks for it with
//   onNotify(id, spinStepCode, [](const notifyHeader& h) {
//       double value = static_cast<const spinStepNotify&>(h).value; ... });
constexpr int spinStepCode = -723;
struct spinStepNotify : notifyHeader {
    double value;
};

// The spin of the numeric edits: each step reads the buddy's text as a real
// number, moves it by the step within the limits, writes it back and tells
// the dialog. The number lives only in the buddy's text. An owner may change
// the limits at any time; they apply from the next step on.
class CNumericSpinButton : public CUpDownCtrl {
public:
    CNumericSpinButton();

    int OnDeltaPos(int delta) override;

    double minimum;
    double maximum;
};

// How every spin edit keeps its spin: glued to its right edge once the edit
// sits in its dialog, enabled and shown with it, disabled while read-only.
namespace spinEditLink {
void attach(QLineEdit& edit, CUpDownCtrl& spin);
void setReadOnly(QLineEdit& edit, CUpDownCtrl* spin, bool readOnly);
void followEnabled(const QLineEdit& edit, CUpDownCtrl* spin);
// The end of every step: the text written into the buddy and selected, the
// focus on the buddy, the dialog told.
void showStep(CUpDownCtrl& spin, QLineEdit& buddy, const gstr& text, double value);
} // namespace spinEditLink

// An edit with a spin glued to its right edge, a key filter and a pair of
// conversions between its text and a number; the variants below give the
// domain. Stepping, clamping, rewriting the text and telling the dialog
// happen here: no dialog handles the spin itself. Nothing here shows a
// message: a text that does not read as a number gives false and the
// dialog decides what to say.
class CSpinEdit : public CKeyFilteredEdit, public CSubclassHook {
public:
    CSpinEdit();
    ~CSpinEdit() override;

    CNumericSpinButton& spin() { return *spin_; }
    // The spin is enabled (when the edit is) exactly when the edit is not
    // read-only.
    bool setReadOnly(bool readOnly);

    void PreSubclassWindow() override;
    // A direct show or hide takes the spin along.
    void setVisible(bool visible) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    QPointer<CNumericSpinButton> spin_;
    bool attached_ = false;
};

// Any real number: digits, "+-eE" and the user's decimal separator; written
// with "%.10G". getValue is true when the whole text is one finite number.
// A value shows with fewer digits than it may hold: while the text is the
// one setValue wrote, getValue gives the value itself, so that a field the
// user left alone gives back exactly what it was given.
class CRealSpinEdit : public CSpinEdit {
public:
    bool acceptsChar(unsigned char c) const override;
    bool getValue(double& out) const;
    void setValue(double value);

private:
    QString shownText_;
    double shownValue_ = 0;
};

// 0 to 2147483647: digits only.
class CNonNegativeSpinEdit : public CSpinEdit {
public:
    CNonNegativeSpinEdit();
    bool acceptsChar(unsigned char c) const override;
    bool getValue(int32_t& out) const;
    void setValue(int32_t value);
};

// 0 to 4294967295: digits and '+'. A minus sign, which only a paste can
// bring, makes the text unreadable.
class CUnsignedSpinEdit : public CSpinEdit {
public:
    CUnsignedSpinEdit();
    bool acceptsChar(unsigned char c) const override;
    bool getValue(uint32_t& out) const;
    void setValue(uint32_t value);
};

// -2147483648 to 2147483647: digits and "+-"; beyond the range the nearest
// limit is read.
class CSignedSpinEdit : public CSpinEdit {
public:
    CSignedSpinEdit();
    bool acceptsChar(unsigned char c) const override;
    bool getValue(int32_t& out) const;
    void setValue(int32_t value);
};
