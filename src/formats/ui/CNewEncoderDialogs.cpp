#include "formats/ui/CNewEncoderDialogs.h"

#include "formats/gencoder.h"

#include <memory>

namespace {

// The record of the encoder to show, when it is one of the dialog's kind.
template <class Encoder>
const auto* recordOf(const gencoder* encoder)
{
    const auto* typed = dynamic_cast<const Encoder*>(encoder);
    return typed ? &typed->record() : nullptr;
}

// A new encoder of the kind with the page's values, or null when the page
// refused them.
template <class Encoder, class Page>
gencoder* build(Page& page)
{
    auto encoder = std::make_unique<Encoder>();
    if (!page.apply(encoder->record()))
        return nullptr;
    return encoder.release();
}

} // namespace

CNewBooleanEncoderDialog::CNewBooleanEncoderDialog(coderNumberLists* pane, uint32_t number, const gencoder* encoder,
                                                   bool isNew)
    : CNewCoderDialogBase(889, 10761, "New Boolean Encoder", pane, number, encoder, isNew, 200, 50)
{
}

void CNewBooleanEncoderDialog::loadCoder(const gencoder* encoder)
{
    page_.create(*this, placeholderId, recordOf<gencoderBistate>(encoder), 1);
}

gencoder* CNewBooleanEncoderDialog::buildCoder() { return build<gencoderBistate>(page_); }

CNewIntegerEncoderDialog::CNewIntegerEncoderDialog(coderNumberLists* pane, uint32_t number, const gencoder* encoder,
                                                   bool isNew)
    : CNewCoderDialogBase(888, 10762, "New Numerical Encoder (Unsigned Integer)", pane, number, encoder, isNew, 200,
                          132)
{
}

void CNewIntegerEncoderDialog::loadCoder(const gencoder* encoder)
{
    page_.create(*this, placeholderId, recordOf<gencoderDigitalNumber>(encoder));
}

gencoder* CNewIntegerEncoderDialog::buildCoder() { return build<gencoderDigitalNumber>(page_); }

CNewStringSetEncoderDialog::CNewStringSetEncoderDialog(coderNumberLists* pane, uint32_t number,
                                                       const gencoder* encoder, bool isNew)
    : CNewCoderDialogBase(887, 10763, "New Numerical Encoder (Set of Strings)", pane, number, encoder, isNew, 200,
                          118)
{
}

void CNewStringSetEncoderDialog::loadCoder(const gencoder* encoder)
{
    page_.create(*this, placeholderId, recordOf<gencoderDigitalStrings>(encoder), 1);
}

gencoder* CNewStringSetEncoderDialog::buildCoder() { return build<gencoderDigitalStrings>(page_); }

CNewFloatEncoderDialog::CNewFloatEncoderDialog(coderNumberLists* pane, uint32_t number, const gencoder* encoder,
                                               bool isNew)
    : CNewCoderDialogBase(890, 10764, "New Numerical Encoder (Floating-Point Number)", pane, number, encoder, isNew,
                          360, 168)
{
}

void CNewFloatEncoderDialog::loadCoder(const gencoder* encoder)
{
    page_.create(*this, placeholderId, recordOf<gencoderAnalogNumber>(encoder));
}

gencoder* CNewFloatEncoderDialog::buildCoder() { return build<gencoderAnalogNumber>(page_); }

CNewStringEncoderDialog::CNewStringEncoderDialog(coderNumberLists* pane, uint32_t number, const gencoder* encoder,
                                                 bool isNew)
    : CNewCoderDialogBase(886, 10765, "New String Encoder", pane, number, encoder, isNew, 200, 86)
{
}

void CNewStringEncoderDialog::loadCoder(const gencoder* encoder)
{
    page_.create(*this, placeholderId, recordOf<gencoderString>(encoder));
}

gencoder* CNewStringEncoderDialog::buildCoder() { return build<gencoderString>(page_); }
