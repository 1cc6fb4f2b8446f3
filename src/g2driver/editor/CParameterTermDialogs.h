#pragma once

#include "platform/CDialog.h"

#include <cstdint>

class goffsetParameter;
class parameterTermOwner;

// The entry dialogs of the rotate and offset parameter lists: a digital
// parameter of the data object, (value + 1st offset) * factor + 2nd offset,
// and optionally the range of parameter values the term applies to. Mode as
// the lists pass it: New (no source, no edited term), Duplicate (source
// only), Edit (both). OK writes the edited term, created when there is
// none, which is then the caller's. Each entry dialog brings its own
// factor field, captions and messages.
class CParameterTermDialogBase : public CDialog {
public:
    static constexpr int parameterId = 1704;
    static constexpr int firstOffsetId = 2144;
    static constexpr int factorId = 1259;
    static constexpr int secondOffsetId = 1350;
    static constexpr int rangeId = 1844;
    static constexpr int lowestLabelId = 2036;
    static constexpr int highestLabelId = 2035;
    static constexpr int lowestId = 1237;
    static constexpr int highestId = 1236;

    // The edited (or, after OK, created) term.
    goffsetParameter* term() const { return edited_; }

protected:
    // The string-table texts of one entry dialog.
    struct texts {
        int newCaption;
        int firstOffsetRefused;
        int factorRefused;
        int secondOffsetRefused;
        const char* formula;
    };

    CParameterTermDialogBase(int templateId, const texts& own, QWidget* factorEdit, parameterTermOwner& owner,
                             const goffsetParameter* source, goffsetParameter* edited, QWidget* parent);

    bool OnInitDialog() override;
    void OnOK() override;
    // Shows the factor and 2nd offset of the term (a new one when there is
    // no source).
    virtual void showPair(const goffsetParameter& shown, bool fromSource) = 0;
    // The factor field's value, false when it does not read.
    virtual bool readFactor(int32_t& factor) const = 0;
    // The factor and 2nd offset as the term stores them, from the fields'.
    virtual void storedPair(int32_t& factor, int32_t& secondOffset) const = 0;

private:
    void enableRange();

    texts texts_;
    parameterTermOwner& owner_;
    const goffsetParameter* source_;
    goffsetParameter* edited_;
};

// Edit Offset Parameter (855): any signed factor.
class CEditOffsetParameterDialog : public CParameterTermDialogBase {
public:
    static constexpr int templateId = 855;

    CEditOffsetParameterDialog(parameterTermOwner& owner, const goffsetParameter* source, goffsetParameter* edited,
                               QWidget* parent);

protected:
    void showPair(const goffsetParameter& shown, bool fromSource) override;
    bool readFactor(int32_t& factor) const override;
    void storedPair(int32_t&, int32_t&) const override {}
};

// Edit Rotate Parameter (867): the same term with a direction and a factor
// from 0 to 2147483647; a rotation to the right is stored with the factor
// and 2nd offset negated. A new term rotates to the right.
class CRotateParameterDialog : public CParameterTermDialogBase {
public:
    static constexpr int templateId = 867;
    static constexpr int leftId = 1720;
    static constexpr int rightId = 1721;

    CRotateParameterDialog(parameterTermOwner& owner, const goffsetParameter* source, goffsetParameter* edited,
                           QWidget* parent);

protected:
    void showPair(const goffsetParameter& shown, bool fromSource) override;
    bool readFactor(int32_t& factor) const override;
    void storedPair(int32_t& factor, int32_t& secondOffset) const override;
};
