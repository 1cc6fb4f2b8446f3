#pragma once

#include "formats/ui/CIntegerInputFormatPage.h"
#include "formats/ui/CNewCoderDialogBase.h"
#include "formats/ui/CNumberInputFormatPage.h"
#include "formats/ui/CStringMatchPage.h"
#include "g2driver/editor/CValuePatternsPage.h"
#include "registers/sources/ui/COnOffPatternPane.h"

// The five decoder dialogs, one per kind, each with its data-format page.
// Constructed with (pane, number, decoder or null, new flag): New passes
// no decoder and the new flag, Duplicate the decoder and the new flag, Edit
// the decoder alone.

// Kind 1 (template 883): the patterns for true and false.
class CNewBooleanDecoderDialog : public CNewDecoderDialogBase {
public:
    CNewBooleanDecoderDialog(coderNumberLists* pane, uint32_t number, const gdecoder* decoder, bool isNew);

protected:
    void loadCoder(const gdecoder* decoder) override;
    gdecoder* buildCoder() override;

private:
    COnOffPatternPane page_;
};

// Kind 2 (template 880): an unsigned integer.
class CNewIntegerDecoderDialog : public CNewDecoderDialogBase {
public:
    CNewIntegerDecoderDialog(coderNumberLists* pane, uint32_t number, const gdecoder* decoder, bool isNew);

protected:
    void loadCoder(const gdecoder* decoder) override;
    gdecoder* buildCoder() override;

private:
    CIntegerInputFormatPage page_;
};

// Kind 3 (template 881): a pattern per value.
class CNewStringSetDecoderDialog : public CNewDecoderDialogBase {
public:
    CNewStringSetDecoderDialog(coderNumberLists* pane, uint32_t number, const gdecoder* decoder, bool isNew);

protected:
    void loadCoder(const gdecoder* decoder) override;
    gdecoder* buildCoder() override;

private:
    CValuePatternsPage page_;
};

// Kind 4 (template 882): a floating-point number.
class CNewFloatDecoderDialog : public CNewDecoderDialogBase {
public:
    CNewFloatDecoderDialog(coderNumberLists* pane, uint32_t number, const gdecoder* decoder, bool isNew);

protected:
    void loadCoder(const gdecoder* decoder) override;
    gdecoder* buildCoder() override;

private:
    CNumberInputFormatPage page_;
};

// Kind 5 (template 884): a string found by prefix, pattern and suffix.
class CNewStringDecoderDialog : public CNewDecoderDialogBase {
public:
    CNewStringDecoderDialog(coderNumberLists* pane, uint32_t number, const gdecoder* decoder, bool isNew);

protected:
    void loadCoder(const gdecoder* decoder) override;
    gdecoder* buildCoder() override;

private:
    CStringMatchPage page_;
};
