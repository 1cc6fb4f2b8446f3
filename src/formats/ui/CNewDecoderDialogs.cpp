#include "formats/ui/CNewDecoderDialogs.h"

#include "formats/gdecoder.h"

#include <memory>

namespace {

// The record of the decoder to show, when it is one of the dialog's kind.
template <class Decoder>
const auto* recordOf(const gdecoder* decoder)
{
    const auto* typed = dynamic_cast<const Decoder*>(decoder);
    return typed ? &typed->record() : nullptr;
}

// A new decoder of the kind with the page's values, or null when the page
// refused them.
template <class Decoder, class Page>
gdecoder* build(Page& page)
{
    auto decoder = std::make_unique<Decoder>();
    if (!page.apply(decoder->record()))
        return nullptr;
    return decoder.release();
}

} // namespace

CNewBooleanDecoderDialog::CNewBooleanDecoderDialog(coderNumberLists* pane, uint32_t number, const gdecoder* decoder,
                                                   bool isNew)
    : CNewDecoderDialogBase(883, 10756, "New Boolean Decoder", pane, number, decoder, isNew, 200, 32)
{
}

void CNewBooleanDecoderDialog::loadCoder(const gdecoder* decoder)
{
    page_.create(*this, placeholderId, recordOf<gdecoderBistate>(decoder), -1);
}

gdecoder* CNewBooleanDecoderDialog::buildCoder() { return build<gdecoderBistate>(page_); }

CNewIntegerDecoderDialog::CNewIntegerDecoderDialog(coderNumberLists* pane, uint32_t number, const gdecoder* decoder,
                                                   bool isNew)
    : CNewDecoderDialogBase(880, 10757, "New Numerical Decoder (Unsigned Integer)", pane, number, decoder, isNew, 170,
                            148)
{
}

void CNewIntegerDecoderDialog::loadCoder(const gdecoder* decoder)
{
    page_.create(*this, placeholderId, recordOf<gdecoderDigitalNumber>(decoder), 0);
}

gdecoder* CNewIntegerDecoderDialog::buildCoder() { return build<gdecoderDigitalNumber>(page_); }

CNewStringSetDecoderDialog::CNewStringSetDecoderDialog(coderNumberLists* pane, uint32_t number,
                                                       const gdecoder* decoder, bool isNew)
    : CNewDecoderDialogBase(881, 10758, "New Numerical Decoder (Set of Strings)", pane, number, decoder, isNew, 200,
                            82)
{
}

void CNewStringSetDecoderDialog::loadCoder(const gdecoder* decoder)
{
    page_.create(*this, placeholderId, recordOf<gdecoderDigitalStrings>(decoder), 0);
}

gdecoder* CNewStringSetDecoderDialog::buildCoder() { return build<gdecoderDigitalStrings>(page_); }

CNewFloatDecoderDialog::CNewFloatDecoderDialog(coderNumberLists* pane, uint32_t number, const gdecoder* decoder,
                                               bool isNew)
    : CNewDecoderDialogBase(882, 10759, "New Numerical Decoder (Floating-Point Number)", pane, number, decoder,
                            isNew, 350, 148)
{
}

void CNewFloatDecoderDialog::loadCoder(const gdecoder* decoder)
{
    page_.create(*this, placeholderId, recordOf<gdecoderAnalogNumber>(decoder), 0);
}

gdecoder* CNewFloatDecoderDialog::buildCoder() { return build<gdecoderAnalogNumber>(page_); }

CNewStringDecoderDialog::CNewStringDecoderDialog(coderNumberLists* pane, uint32_t number, const gdecoder* decoder,
                                                 bool isNew)
    : CNewDecoderDialogBase(884, 10760, "New String Decoder", pane, number, decoder, isNew, 200, 50)
{
}

void CNewStringDecoderDialog::loadCoder(const gdecoder* decoder)
{
    page_.create(*this, placeholderId, recordOf<gdecoderString>(decoder), 0);
}

gdecoder* CNewStringDecoderDialog::buildCoder() { return build<gdecoderString>(page_); }
