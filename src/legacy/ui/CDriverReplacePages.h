#pragma once

#include "foundation/gstr.h"
#include "platform/CDialog.h"

class CDriverReplaceDialog;
class CEscapedStringEdit;
class CUnsignedSpinEdit;

// A tab page of the Search and Replace dialog: a caption-less child dialog
// that loads its settings when created, decides whether "Replace &All" may be
// pressed while it is shown, applies its change to the working entries and
// reports how many it changed.
class CDriverReplacePage : public CDialog {
public:
    CDriverReplacePage(int templateId, CDriverReplaceDialog& owner);

    // Loads the page's settings into its controls.
    virtual void create() = 0;
    // Enables or disables "Replace &All" for this page.
    virtual void activate() = 0;
    virtual void replaceAll() = 0;
    // Writes the page's settings.
    virtual void save() = 0;

    // Enter and Escape belong to the owner.
    void accept() override;
    void reject() override;

protected:
    void enableReplaceAll(bool enable);
    // The report of a count with one of three texts (none, one, "%d"),
    // subject filling a "%s" first; the information icon for a count of one
    // or more.
    void report(const int (&texts)[3], int count, const gstrSlice& subject = gstrSlice::null);

    CDriverReplaceDialog& owner_;
};

// Writes a device address over every command string from a byte offset on.
class CReplaceAddressPage : public CDriverReplacePage {
public:
    static constexpr int addressId = 1005;
    static constexpr int offsetId = 1006;

    explicit CReplaceAddressPage(CDriverReplaceDialog& owner);

    void create() override;
    void activate() override;
    void replaceAll() override;
    void save() override;

private:
    CEscapedStringEdit* address_;
    CUnsignedSpinEdit* offset_;
};

// Replaces a byte sequence in every command string, the first occurrence or
// all of them.
class CReplaceStringPage : public CDriverReplacePage {
public:
    static constexpr int searchId = 1466;
    static constexpr int replacementId = 1467;
    static constexpr int onlyFirstId = 1363;

    explicit CReplaceStringPage(CDriverReplaceDialog& owner);

    void create() override;
    void activate() override;
    void replaceAll() override;
    void save() override;

private:
    CEscapedStringEdit* search_;
    CEscapedStringEdit* replacement_;
};

// The three pages that exchange one referred entry for another: two
// drop-down lists of the candidates, each item carrying its entry.
class CReplaceReferencePage : public CDriverReplacePage {
public:
    CReplaceReferencePage(int templateId, CDriverReplaceDialog& owner, int searchId, int replacementId,
                          const char* searchSetting, const char* replacementSetting);

    // Fills both lists and selects the saved choices (the first item where
    // the saved key names none).
    void create() override;
    void save() override;

protected:
    virtual void fillLists() = 0;
    // The key an entry's item is saved under; empty for none.
    virtual gstr keyOf(void* entry) const = 0;

    void* chosen(int id) const;
    gstr chosenText(int id) const;

    int searchId_;
    int replacementId_;

private:
    void selectSaved(int id, const char* setting);

    const char* searchSetting_;
    const char* replacementSetting_;
};

// The response named by commands.
class CReplaceResponsePage : public CReplaceReferencePage {
public:
    explicit CReplaceResponsePage(CDriverReplaceDialog& owner);

    void activate() override;
    void replaceAll() override;

protected:
    void fillLists() override;
    gstr keyOf(void* entry) const override;
};

// The mask of responses and messages.
class CReplaceMaskPage : public CReplaceReferencePage {
public:
    explicit CReplaceMaskPage(CDriverReplaceDialog& owner);

    void activate() override;
    void replaceAll() override;

protected:
    void fillLists() override;
    gstr keyOf(void* entry) const override;
};

// The reply of messages.
class CReplaceReplyPage : public CReplaceReferencePage {
public:
    explicit CReplaceReplyPage(CDriverReplaceDialog& owner);

    void activate() override;
    void replaceAll() override;

protected:
    void fillLists() override;
    gstr keyOf(void* entry) const override;
};
