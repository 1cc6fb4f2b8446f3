#pragma once

#include "foundation/gstr.h"
#include "platform/CDialog.h"

#include <memory>
#include <vector>

class goffsetParameter;
class parameterTermOwner;

// The rotate and offset parameter lists of a data-object source: one row
// per term, sorted by its text, each row owning a copy of its term. OK
// replaces the owner's list in one step (in the reverse of the rows'
// order); Cancel leaves it as it was.
class CEditParameterTermsDialogBase : public CDialog {
public:
    static constexpr int listId = 1750;
    static constexpr int editId = 1223;
    static constexpr int deleteId = 1202;
    static constexpr int duplicateId = 1217;
    static constexpr int newId = 1330;
    static constexpr int parametersId = 2078;

protected:
    CEditParameterTermsDialogBase(int templateId, const char* prompt, parameterTermOwner& owner, QWidget* parent);

    bool OnInitDialog() override;
    void OnOK() override;
    virtual gstr describe(const goffsetParameter& term) const = 0;
    // The entry dialog; the edited or new term after OK, else null.
    virtual goffsetParameter* runEntry(const goffsetParameter* source, goffsetParameter* edited) = 0;

    parameterTermOwner& owner() const { return owner_; }

private:
    goffsetParameter* selectedTerm() const;
    // Adds the row of a term the list owns from now on and selects it.
    void addRow(std::unique_ptr<goffsetParameter> term);
    void addRow(goffsetParameter* owned);
    void enableRowButtons();
    void newTerm();
    void duplicateTerm();
    void editTerm();
    void deleteTerm();

    parameterTermOwner& owner_;
    std::vector<std::unique_ptr<goffsetParameter>> terms_;
};

// Edit Rotate Parameters (866).
class CEditRotateParametersDialog : public CEditParameterTermsDialogBase {
public:
    static constexpr int templateId = 866;
    CEditRotateParametersDialog(parameterTermOwner& owner, QWidget* parent);

protected:
    gstr describe(const goffsetParameter& term) const override;
    goffsetParameter* runEntry(const goffsetParameter* source, goffsetParameter* edited) override;
};

// Edit Offset Parameters (854).
class CEditOffsetParametersDialog : public CEditParameterTermsDialogBase {
public:
    static constexpr int templateId = 854;
    CEditOffsetParametersDialog(parameterTermOwner& owner, QWidget* parent);

protected:
    gstr describe(const goffsetParameter& term) const override;
    goffsetParameter* runEntry(const goffsetParameter* source, goffsetParameter* edited) override;
};
