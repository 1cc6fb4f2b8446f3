#pragma once

#include "foundation/gstr.h"
#include "registers/ui/CValueLogPane.h"

#include <QLabel>
#include <cstdint>
#include <vector>

class CEditDigitalRegisterDialog;
class QListWidget;

// The "Value Log Strings" page of digital registers: the log strings of
// single values (items "%u\t%s" in value order) and how every other value
// is logged: which values, and a prefix, the value in a base with a least
// number of digits (or its name) and a suffix, with a sample.
class CValueLogStringsPane : public CValueLogPane {
public:
    static constexpr int listId = 1640;
    static constexpr int editId = 1641;
    static constexpr int deleteId = 1642;
    static constexpr int duplicateId = 1643;
    static constexpr int newId = 1644;
    static constexpr int otherValuesId = 2038;
    static constexpr int valuesId = 1532;
    static constexpr int prefixId = 1380;
    static constexpr int suffixId = 1468;
    static constexpr int baseId = 1034;
    static constexpr int digitsId = 1211;
    static constexpr int useNamesId = 2017;
    static constexpr int sampleId = 1659;

    explicit CValueLogStringsPane(CEditDigitalRegisterDialog& registerDialog);

    bool hasSettings() const override;
    void createPane(QWidget* parent) override;
    bool storeSettings() override;

    uint32_t nextFreeValue() const;
    int findValue(uint32_t value, bool editing) const;
    int insertItem(uint32_t value, const gstrSlice& text);
    void updateSample();
    const gstr& sampleName() const;

private:
    void buildControls();
    void load();
    void modeChanged();
    void enableFormat(bool enable);
    void enableButtons(bool enable);
    void onNew();
    void onEdit();
    void onDuplicate();
    void onDelete();
    // Runs the entry dialog; true after OK with its value and text.
    bool runEntry(uint32_t& value, gstr& text, bool isNew);
    // The entry's result: the item of its value goes, the new item is
    // inserted and selected.
    void placeEntry(uint32_t value, const gstrSlice& text);
    QListWidget& list() const;

    CEditDigitalRegisterDialog& digitalDialog_;
    std::vector<QLabel*> formatLabels_;
    bool loaded_ = false;
};
