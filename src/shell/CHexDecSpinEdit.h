#pragma once

#include "platform/CUpDownCtrl.h"
#include "platform/subclassHook.h"
#include "shell/CFilteredEdit.h"

#include <QPointer>
#include <cstdint>

// The spin of CHexDecSpinEdit: steps its buddy's unsigned number by exactly
// one, in base 16 in hex mode and base 10 otherwise, within its limits.
class CHexDecSpinButton : public CUpDownCtrl {
public:
    CHexDecSpinButton();

    int OnDeltaPos(int delta) override;

    uint32_t minimum = 0;
    uint32_t maximum = 4294967295u;
    int hexMode = 0;
};

// An unsigned 32-bit number shown in hexadecimal ("%lX", no prefix) or in
// decimal. The base is the spin's hexMode, so edit and spin always agree.
// Apart from its spin, key filter and conversions it behaves as CSpinEdit.
class CHexDecSpinEdit : public CKeyFilteredEdit, public CSubclassHook {
public:
    CHexDecSpinEdit();
    ~CHexDecSpinEdit() override;

    CHexDecSpinButton& spin() { return *spin_; }
    int hexMode() const { return spin_ ? spin_->hexMode : 0; }
    // Switches the base; a text that reads completely as a number is
    // rewritten in the new base, any other text is left as it is.
    void setHexMode(int mode);

    bool acceptsChar(unsigned char c) const override;
    // True when the whole text is one number of the current base; a minus
    // sign, which only a paste can bring, makes it unreadable.
    bool getValue(uint32_t& out) const;
    void setValue(uint32_t value);

    bool setReadOnly(bool readOnly);
    void PreSubclassWindow() override;
    void setVisible(bool visible) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    QPointer<CHexDecSpinButton> spin_;
    bool attached_ = false;
};
