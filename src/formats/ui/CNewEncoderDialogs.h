#pragma once

#include "formats/ui/CIntegerOutputFormatPage.h"
#include "formats/ui/CNewCoderDialogBase.h"
#include "formats/ui/CNumberOutputFormatPage.h"
#include "formats/ui/COnOffStringsDialog.h"
#include "g2driver/editor/CStringOutputFormatPage.h"
#include "g2driver/editor/CValueStringsPage.h"

// The five encoder dialogs, one per kind, each with its data-format page.
// Constructed like the decoder dialogs.

// Kind 1 (template 889): the strings for true and false.
class CNewBooleanEncoderDialog : public CNewCoderDialogBase {
public:
    CNewBooleanEncoderDialog(coderNumberLists* pane, uint32_t number, const gencoder* encoder, bool isNew);

protected:
    void loadCoder(const gencoder* encoder) override;
    gencoder* buildCoder() override;

private:
    COnOffStringsDialog page_;
};

// Kind 2 (template 888): an unsigned integer.
class CNewIntegerEncoderDialog : public CNewCoderDialogBase {
public:
    CNewIntegerEncoderDialog(coderNumberLists* pane, uint32_t number, const gencoder* encoder, bool isNew);

protected:
    void loadCoder(const gencoder* encoder) override;
    gencoder* buildCoder() override;

private:
    CIntegerOutputFormatPage page_;
};

// Kind 3 (template 887): a string per value and one for all others.
class CNewStringSetEncoderDialog : public CNewCoderDialogBase {
public:
    CNewStringSetEncoderDialog(coderNumberLists* pane, uint32_t number, const gencoder* encoder, bool isNew);

protected:
    void loadCoder(const gencoder* encoder) override;
    gencoder* buildCoder() override;

private:
    CValueStringsPage page_;
};

// Kind 4 (template 890): a floating-point number.
class CNewFloatEncoderDialog : public CNewCoderDialogBase {
public:
    CNewFloatEncoderDialog(coderNumberLists* pane, uint32_t number, const gencoder* encoder, bool isNew);

protected:
    void loadCoder(const gencoder* encoder) override;
    gencoder* buildCoder() override;

private:
    CNumberOutputFormatPage page_;
};

// Kind 5 (template 886): a string in a field.
class CNewStringEncoderDialog : public CNewCoderDialogBase {
public:
    CNewStringEncoderDialog(coderNumberLists* pane, uint32_t number, const gencoder* encoder, bool isNew);

protected:
    void loadCoder(const gencoder* encoder) override;
    gencoder* buildCoder() override;

private:
    CStringOutputFormatPage page_;
};
