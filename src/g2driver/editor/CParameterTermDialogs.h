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
// none, which is then the caller's.
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
    CParameterTermDialogBase(int templateId, int newCaptionId, const char* formula, parameterTermOwner& owner,
                             const goffsetParameter* source, goffsetParameter* edited, QWidget* parent);

    bool OnInitDialog() override;
    void OnOK() override;
    // The factor and 2nd offset as the term stores them, from the fields'.
    virtual void storedPair(int32_t& factor, int32_t& secondOffset) const = 0;
    // The factor and 2nd offset the fields show for the term's.
    virtual void shownPair(int32_t& factor, int32_t& secondOffset) = 0;

    const goffsetParameter* source() const { return source_; }

private:
    void enableRange();

    int newCaptionId_;
    parameterTermOwner& owner_;
    const goffsetParameter* source_;
    goffsetParameter* edited_;
};

// Edit Offset Parameter (855).
class CEditOffsetParameterDialog : public CParameterTermDialogBase {
public:
    static constexpr int templateId = 855;

    CEditOffsetParameterDialog(parameterTermOwner& owner, const goffsetParameter* source, goffsetParameter* edited,
                               QWidget* parent);

protected:
    void storedPair(int32_t&, int32_t&) const override {}
    void shownPair(int32_t&, int32_t&) override {}
};

// Edit Rotate Parameter (867): the same term with a direction; a rotation
// to the right is stored with the factor and 2nd offset negated.
class CRotateParameterDialog : public CParameterTermDialogBase {
public:
    static constexpr int templateId = 867;
    static constexpr int leftId = 2082;
    static constexpr int rightId = 2083;

    CRotateParameterDialog(parameterTermOwner& owner, const goffsetParameter* source, goffsetParameter* edited,
                           QWidget* parent);

protected:
    void storedPair(int32_t& factor, int32_t& secondOffset) const override;
    void shownPair(int32_t& factor, int32_t& secondOffset) override;
};
