#pragma once

#include "sabus/ui/COwningList.h"
#include "sabus/ui/CResponseDataDialog.h"
#include "scl/gprogramArgument.h"

class CAutoWidthCombo;

// The dialogs of the three kinds of response data that are not bound to one
// register. Each constructor takes the source item (null: empty fields), the
// target item (null: OK makes a new item) and the parent window.

// BIT FIELD (704): bits 5 down to 0 of the answer byte, each from a
// register's state or always 0 or 1.
class CEditRegisterStatusBitsResponseDataDialog : public CResponseDataDialog {
public:
    static constexpr int templateId = 704;
    // Of bit i: the id plus i.
    static constexpr int registerId = 1400;
    static constexpr int onId = 1410;
    static constexpr int offId = 1420;
    static constexpr int errorId = 1430;
    static constexpr int maskedId = 1440;
    // The entries before the registers.
    static constexpr int alwaysZero = 0;
    static constexpr int alwaysOne = 1;

    CEditRegisterStatusBitsResponseDataDialog(const gsabusResponseData* source, gsabusResponseData* target,
                                              QWidget* parent = nullptr);

protected:
    bool fillFields() override;
    bool checkFields() override { return true; }
    std::unique_ptr<gsabusResponseData> makeItem() const override;
    void storeFields(gsabusResponseData& item) override;

private:
    void addRow(int bit, int y);
    void fillRow(int bit);
    // A register chosen: its row's four buttons are enabled.
    void enableRow(int bit);
    gregister* rowRegister(int bit) const;
};

// FIXED STRING (705): OK only while the string is not empty.
class CEditFixedStringResponseDataDialog : public CResponseDataDialog {
public:
    static constexpr int templateId = 705;
    static constexpr int stringId = 1450;

    CEditFixedStringResponseDataDialog(const gsabusResponseData* source, gsabusResponseData* target,
                                       QWidget* parent = nullptr);

protected:
    bool fillFields() override;
    bool checkFields() override;
    std::unique_ptr<gsabusResponseData> makeItem() const override;
    void storeFields(gsabusResponseData& item) override;
};

// PROCESSOR (708): the program and its arguments, edited on copies through
// the SCL programs' argument dialogs; two arguments never share a name.
class CEditProcessorResponseDataDialog : public CResponseDataDialog {
public:
    static constexpr int templateId = 708;
    static constexpr int programId = 1460;
    static constexpr int argumentsId = 1461;
    static constexpr int editId = 1462;
    static constexpr int deleteId = 1463;
    static constexpr int newId = 1464;

    CEditProcessorResponseDataDialog(const gsabusResponseData* source, gsabusResponseData* target,
                                     QWidget* parent = nullptr);

    void OnEditArgument();
    void OnNewArgument();

protected:
    bool fillFields() override;
    bool checkFields() override { return true; }
    std::unique_ptr<gsabusResponseData> makeItem() const override;
    void storeFields(gsabusResponseData& item) override;

private:
    // Edits the argument until no other entry keeps its name: the user lets
    // each same-named entry go, or edits again. False on Cancel.
    bool editUnique(gprogramArgument& argument, const gprogramArgument* editedEntry);

    CAutoWidthCombo* programs_ = nullptr;
    COwningList<gprogramArgument> arguments_;
};
