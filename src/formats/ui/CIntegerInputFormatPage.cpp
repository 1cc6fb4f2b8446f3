#include "formats/ui/CIntegerInputFormatPage.h"

#include "formats/gintegerInputFormat.h"
#include "formats/gintegerType.h"

#include <iterator>

namespace {

// The unsigned encodings in the order of the combo.
constexpr int32_t encodings[] = {gintegerType::byte,    gintegerType::multibyteLoHi, gintegerType::multibyteHiLo,
                                 gintegerType::bcd,     gintegerType::decimal,       gintegerType::hex,
                                 gintegerType::binary,  gintegerType::octal};
const char* const encodingNames[] = {"Byte",    "Multibyte (lo-hi)", "Multibyte (hi-lo)", "BCD",
                                     "Decimal", "Hexadecimal",       "Binary",            "Octal"};

// No coder holds a signed TYPE; a format from elsewhere that does shows the
// unsigned encoding of the same bytes rather than no encoding at all, so
// that apply always has one.
int32_t unsignedTwin(int32_t type)
{
    switch (type) {
    case gintegerType::signedByte: return gintegerType::byte;
    case gintegerType::signedMultibyteLoHi: return gintegerType::multibyteLoHi;
    case gintegerType::signedMultibyteHiLo: return gintegerType::multibyteHiLo;
    default: return type;
    }
}

} // namespace

int32_t CIntegerInputFormatPage::typeAt(int position)
{
    return position >= 0 && position < static_cast<int>(std::size(encodings)) ? encodings[position] : 0;
}

int CIntegerInputFormatPage::positionOf(int32_t type)
{
    int32_t wanted = unsignedTwin(type);
    for (int i = 0; i < static_cast<int>(std::size(encodings)); ++i) {
        if (encodings[i] == wanted)
            return i;
    }
    return -1;
}

int32_t CIntegerInputFormatPage::selectedType() const { return typeAt(selectedItem(encodingId)); }

void CIntegerInputFormatPage::create(CDialog& host, int placeholderId, const gintegerInputFormat* format, int variant)
{
    bool wide = variant != 0;
    beginPage(wide ? 794 : 740, wide ? 330 : 170, wide ? 72 : 148);
    addLabel(-1, "Encoding:", 0, 2, 40, 8);
    addComboBox(encodingId, false, 42, 0, 90, 12);
    for (const char* name : encodingNames)
        addItem(encodingId, name);
    if (wide)
        addCharacterGroups(0, 18, 170, 2);
    else
        addCharacterGroups(0, 18, 0, 72);
    placeOver(host, placeholderId);

    filling_ = true;
    // A format without a TYPE yet shows Decimal like the defaults.
    int32_t type = format && format->type() != 0 ? format->type() : gintegerType::decimal;
    selectItem(encodingId, positionOf(type));
    showWidth(format ? format->width() : 0);
    if (format && gintegerType::isTextType(type))
        showCharacterSets(*format);
    else
        showSpacesOnly();
    setWidthRange(type);
    filling_ = false;
    connectCharacterGroups();
    enableControls();
}

bool CIntegerInputFormatPage::apply(gintegerInputFormat& format)
{
    int32_t type = selectedType();
    format.setType(type);
    if (!applyCharacterGroups(format, type))
        return false;
    return checkWidthFits(type, format.width());
}
