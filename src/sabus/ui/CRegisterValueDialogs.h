#pragma once

#include "sabus/ui/CResponseDataDialog.h"
#include "sabus/ui/CValueStringList.h"

// The dialogs of the five register-bound kinds of response data. Each
// constructor takes the source item (null: empty fields), the target item
// (null: OK makes a new item) and the parent window.

// REGISTER STATUS (692): the data for the off and on states.
class CEditRegisterStateResponseDataDialog : public CRegisterResponseDataDialog {
public:
    static constexpr int templateId = 692;
    static constexpr int offId = 1303;
    static constexpr int onId = 1304;

    CEditRegisterStateResponseDataDialog(const gsabusResponseData* source, gsabusResponseData* target,
                                         QWidget* parent = nullptr);

protected:
    void fillKindFields() override;
    bool checkFields() override;
    std::unique_ptr<gsabusResponseData> makeItem() const override;
    void storeKindFields(gsabusRegisterData& item) override;
};

// DIGITAL NUMBER (702): the base and the fixed width.
class CEditDigitalRegisterNumberResponseDataDialog : public CRegisterResponseDataDialog {
public:
    static constexpr int templateId = 702;
    static constexpr int binaryId = 1310;
    static constexpr int octalId = 1311;
    static constexpr int decimalId = 1312;
    static constexpr int hexadecimalId = 1313;
    static constexpr int fixedWidthId = 1320;
    static constexpr int widthLabelId = 1321;
    static constexpr int widthId = 1322;

    CEditDigitalRegisterNumberResponseDataDialog(const gsabusResponseData* source, gsabusResponseData* target,
                                                 QWidget* parent = nullptr);

protected:
    void fillKindFields() override;
    bool checkFields() override;
    std::unique_ptr<gsabusResponseData> makeItem() const override;
    void storeKindFields(gsabusRegisterData& item) override;

private:
    int32_t width_ = 0;
};

// DIGITAL STRINGS (703): a data string per value and one for the others.
class CEditDigitalRegisterStringsResponseDataDialog : public CRegisterResponseDataDialog {
public:
    static constexpr int templateId = 703;
    static constexpr int otherValuesId = 1305;

    CEditDigitalRegisterStringsResponseDataDialog(const gsabusResponseData* source, gsabusResponseData* target,
                                                  QWidget* parent = nullptr);

    CValueStringList& values() { return values_; }

protected:
    void fillKindFields() override;
    bool checkFields() override;
    std::unique_ptr<gsabusResponseData> makeItem() const override;
    void storeKindFields(gsabusRegisterData& item) override;

private:
    CValueStringList values_;
};

// ANALOG NUMBER (701): which value, factor and offset, sign, decimals, fixed
// width and, for every value, the separator.
class CEditAnalogRegisterResponseDataDialog : public CRegisterResponseDataDialog {
public:
    static constexpr int templateId = 701;
    static constexpr int valueId = 1306;
    static constexpr int factorId = 1307;
    static constexpr int offsetId = 1308;
    static constexpr int signedId = 1314;
    static constexpr int unsignedId = 1315;
    static constexpr int decimalsId = 1316;
    static constexpr int separatorLabelId = 1317;
    static constexpr int separatorId = 1318;
    static constexpr int fixedWidthId = 1320;
    static constexpr int widthLabelId = 1321;
    static constexpr int widthId = 1322;

    CEditAnalogRegisterResponseDataDialog(const gsabusResponseData* source, gsabusResponseData* target,
                                          QWidget* parent = nullptr);

protected:
    void fillKindFields() override;
    bool checkFields() override;
    std::unique_ptr<gsabusResponseData> makeItem() const override;
    void storeKindFields(gsabusRegisterData& item) override;

private:
    void enableSeparator();

    double factor_ = 1;
    double offset_ = 0;
    int32_t decimals_ = 0;
    int32_t width_ = 0;
};

// STRING (700): the padding character, the fixed width and the alignment.
class CEditStringRegisterResponseDataDialog : public CRegisterResponseDataDialog {
public:
    static constexpr int templateId = 700;
    static constexpr int paddingId = 1319;
    static constexpr int fixedWidthId = 1320;
    static constexpr int widthLabelId = 1321;
    static constexpr int widthId = 1322;
    static constexpr int leftId = 1323;
    static constexpr int rightId = 1324;

    CEditStringRegisterResponseDataDialog(const gsabusResponseData* source, gsabusResponseData* target,
                                          QWidget* parent = nullptr);

protected:
    void fillKindFields() override;
    bool checkFields() override;
    std::unique_ptr<gsabusResponseData> makeItem() const override;
    void storeKindFields(gsabusRegisterData& item) override;

private:
    int32_t width_ = 0;
};
