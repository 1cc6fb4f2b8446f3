#pragma once

#include "g2driver/editor/CValueListPage.h"

class gvalueStringMap;

// The page of the patterns that recognise digital values: one row per
// value with the pattern's source text. Template 739 (variant 0, narrow) or
// 795 (any other variant, a wide list). Entries are edited in
// CEditValuePatternDialog.
class CValuePatternsPage : public CValueListPage {
public:
    // Null leaves the list empty.
    void create(CDialog& host, int placeholderId, const gvalueStringMap* map, int variant);
    bool apply(gvalueStringMap& map);

protected:
    gstr shownEntry(const gstrSlice& entry) const override { return gstr(entry); }
    bool runEntryDialog(uint32_t& value, gstr& entry, bool isNew) override;
};

// Edit Value Pattern (template 769): a value and the source text of its
// pattern, which may not match nothing.
class CEditValuePatternDialog : public CDialog {
public:
    static constexpr int valueId = 1496;
    static constexpr int patternId = 1465;

    CEditValuePatternDialog(CValuePatternsPage& page, uint32_t value, const gstrSlice& pattern, bool isNew,
                            QWidget* parent);

    uint32_t value() const { return value_; }
    const gstr& pattern() const { return pattern_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    CValuePatternsPage& page_;
    uint32_t value_;
    gstr pattern_;
    bool isNew_;
};
