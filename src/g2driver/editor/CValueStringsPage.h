#pragma once

#include "g2driver/editor/CValueListPage.h"

class CEscapedStringEdit;
class gvalueStringTable;

// The page of the strings sent for digital values: one row per value and
// the string for all other values, which shows its bytes escaped or in
// hexadecimal after the shared hex mode. Template 736 (variant 0, "&Strings
// to send for values:") or 891 (any other variant, "&Strings to use for
// values:"). Entries are edited in CEditValueStringDialog.
class CValueStringsPage : public CValueListPage {
public:
    static constexpr int defaultFieldId = 1716;

    // Null leaves the list and the field empty.
    void create(CDialog& host, int placeholderId, const gvalueStringTable* table, int variant);
    bool apply(gvalueStringTable& table);
    // Switches the field's display; false when it cannot read its text.
    bool setHexMode(int mode, bool silent);
    int hexMode() const { return hexMode_; }

protected:
    gstr shownEntry(const gstrSlice& entry) const override;
    bool runEntryDialog(uint32_t& value, gstr& entry, bool isNew) override;

private:
    void switchMode();

    CEscapedStringEdit* default_ = nullptr;
};

// Edit Value String (template 768): a value and the string sent for it.
class CEditValueStringDialog : public CDialog {
public:
    static constexpr int valueId = 1496;
    static constexpr int stringId = 1465;

    CEditValueStringDialog(CValueStringsPage& page, uint32_t value, const gstrSlice& string, bool isNew,
                           QWidget* parent);

    uint32_t value() const { return value_; }
    const gstr& string() const { return string_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void switchMode();
    void enableOk();

    CValueStringsPage& page_;
    uint32_t value_;
    gstr string_;
    bool isNew_;
    CEscapedStringEdit* edit_ = nullptr;
};
