#pragma once

#include "foundation/gregexp.h"
#include "platform/CDialog.h"
#include "sabus/ui/CValueStringList.h"

#include <memory>

class gsabusParameter;

// The base of the dialogs that make and change one parameter of a command.
// It shows the source parameter's values (none: the defaults) and on OK,
// once every check has passed, stores the fields into the target; without a
// target it makes a new parameter of the dialog's kind, which the caller
// takes. Cancel changes and makes nothing.
class CSabusParameterDialogBase : public CDialog {
public:
    gsabusParameter* target() const { return target_; }
    // The parameter OK made when there was no target; null otherwise.
    std::unique_ptr<gsabusParameter> takeCreated() { return std::move(created_); }

protected:
    CSabusParameterDialogBase(int templateId, const char* caption, int newCaptionId, const gsabusParameter* source,
                              gsabusParameter* target, QWidget* parent);

    bool OnInitDialog() override;
    void OnOK() override;

    virtual void fillFields() = 0;
    // The checks of OK in their order; false after a refusal.
    virtual bool checkFields() = 0;
    virtual std::unique_ptr<gsabusParameter> makeParameter() const = 0;
    virtual void storeFields(gsabusParameter& parameter) = 0;

    template <class T>
    const T* sourceAs() const
    {
        return static_cast<const T*>(source_);
    }
    // The name in the field is an SCL variable name of the type
    // (sclVariableType); else 10483 for an empty field or notNameId.
    bool checkVariable(int fieldId, int type, int notNameId);

private:
    int newCaptionId_;
    const gsabusParameter* source_;
    gsabusParameter* target_;
    std::unique_ptr<gsabusParameter> created_;
};

// STRING (711): the optional string variable and the data pattern.
class CEditSabusStringParameterDialog : public CSabusParameterDialogBase {
public:
    static constexpr int templateId = 711;
    static constexpr int placeId = 1613;
    static constexpr int nameLabelId = 1614;
    static constexpr int nameId = 1615;
    static constexpr int patternId = 1616;

    CEditSabusStringParameterDialog(const gsabusParameter* source, gsabusParameter* target,
                                    QWidget* parent = nullptr);

protected:
    void fillFields() override;
    bool checkFields() override;
    std::unique_ptr<gsabusParameter> makeParameter() const override;
    void storeFields(gsabusParameter& parameter) override;

private:
    // The pattern OK compiled, moved into the parameter.
    std::unique_ptr<gregexp> compiled_;
};

// NUMBER (712): the numerical variable, base, factor and offset, sign and
// decimals (base 10 only) and the fixed width.
class CEditSabusNumberParameterDialog : public CSabusParameterDialogBase {
public:
    static constexpr int templateId = 712;
    static constexpr int variableId = 1600;
    static constexpr int binaryId = 1601;
    static constexpr int octalId = 1602;
    static constexpr int decimalId = 1603;
    static constexpr int hexadecimalId = 1604;
    static constexpr int factorId = 1605;
    static constexpr int offsetId = 1606;
    static constexpr int signedId = 1607;
    static constexpr int unsignedId = 1608;
    static constexpr int allowDecimalsId = 1609;
    static constexpr int fixedWidthId = 1610;
    static constexpr int widthLabelId = 1611;
    static constexpr int widthId = 1612;

    CEditSabusNumberParameterDialog(const gsabusParameter* source, gsabusParameter* target,
                                    QWidget* parent = nullptr);

protected:
    void fillFields() override;
    bool checkFields() override;
    std::unique_ptr<gsabusParameter> makeParameter() const override;
    void storeFields(gsabusParameter& parameter) override;

private:
    void enableDecimalChoices();
    int32_t checkedBase() const;

    double factor_ = 1;
    double offset_ = 0;
    int32_t width_ = 0;
};

// BOOLEAN (713): the boolean variable and the data strings for true and
// false.
class CEditSabusBooleanParameterDialog : public CSabusParameterDialogBase {
public:
    static constexpr int templateId = 713;
    static constexpr int variableId = 1600;
    static constexpr int trueId = 1617;
    static constexpr int falseId = 1618;

    CEditSabusBooleanParameterDialog(const gsabusParameter* source, gsabusParameter* target,
                                     QWidget* parent = nullptr);

protected:
    void fillFields() override;
    bool checkFields() override;
    std::unique_ptr<gsabusParameter> makeParameter() const override;
    void storeFields(gsabusParameter& parameter) override;
};

// BIT FIELD (714): a boolean variable for each of bits 0 to 5 that is placed
// in one.
class CEditSabusBitsParameterDialog : public CSabusParameterDialogBase {
public:
    static constexpr int templateId = 714;
    // Of bit i: the id plus i.
    static constexpr int placeId = 1620;
    static constexpr int labelId = 1630;
    static constexpr int nameId = 1640;

    CEditSabusBitsParameterDialog(const gsabusParameter* source, gsabusParameter* target,
                                  QWidget* parent = nullptr);

protected:
    void fillFields() override;
    bool checkFields() override;
    std::unique_ptr<gsabusParameter> makeParameter() const override;
    void storeFields(gsabusParameter& parameter) override;

private:
    void addRow(int bit, int y);
};

// STRINGS (715): the numerical variable and the data string of each value.
class CEditSabusStringSetParameterDialog : public CSabusParameterDialogBase {
public:
    static constexpr int templateId = 715;
    static constexpr int variableId = 1600;

    CEditSabusStringSetParameterDialog(const gsabusParameter* source, gsabusParameter* target,
                                       QWidget* parent = nullptr);

    CValueStringList& values() { return values_; }

protected:
    void fillFields() override;
    bool checkFields() override;
    std::unique_ptr<gsabusParameter> makeParameter() const override;
    void storeFields(gsabusParameter& parameter) override;

private:
    CValueStringList values_;
};
