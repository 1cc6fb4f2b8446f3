#include "sourceedit/ui/CSourceTokenInfo.h"

#include "platform/settingsStore.h"
#include "sourceedit/sourceColour.h"

#include <array>
#include <optional>
#include <string>

CSourceTokenInfo::CSourceTokenInfo() = default;
CSourceTokenInfo::~CSourceTokenInfo() = default;

CSourceTokenInfo::CSourceTokenInfo(const CSourceTokenInfo& other) : CSourceTokenStyle(other) {}

CSourceTokenInfo& CSourceTokenInfo::operator=(const CSourceTokenInfo& other)
{
    CSourceTokenStyle::operator=(other);
    return *this;
}

namespace {

std::array<std::optional<QFont>, 6>& sharedFonts()
{
    static std::array<std::optional<QFont>, 6> fonts;
    return fonts;
}

sourceFontVariant variantFor(int style, bool printing)
{
    int base = printing ? 3 : 0;
    int offset = style == CSourceTokenStyle::fontBold ? 1 : style == CSourceTokenStyle::fontItalic ? 2 : 0;
    return static_cast<sourceFontVariant>(base + offset);
}

bool createThree(int base, double size, double scale)
{
    auto& fonts = sharedFonts();
    bool all = true;
    for (int i = 0; i < 3; ++i) {
        QFont font;
        fonts[size_t(base + i)].reset();
        if (createSourceFont(font, size, scale, i == 1, i == 2))
            fonts[size_t(base + i)] = font;
        else
            all = false;
    }
    return all;
}

} // namespace

int CSourceTokenInfo::getFont(QFont& font, int printing) const
{
    const std::unique_ptr<QFont>& own = printing ? printFont : screenFont;
    if (own) {
        font = *own;
        return 1;
    }
    int style = getFontStyle(printing);
    if (style == 0)
        return 0;
    const QFont* shared = sourceSharedFont(variantFor(style, printing != 0));
    if (!shared)
        return 0;
    font = *shared;
    return 1;
}

const QFont* sourceSharedFont(sourceFontVariant which)
{
    const std::optional<QFont>& font = sharedFonts()[static_cast<size_t>(which)];
    return font ? &*font : nullptr;
}

bool createSourceFont(QFont& font, double size, double scale, bool bold, bool italic)
{
    int height = static_cast<int>(size * scale / 72);
    if (height <= 0)
        return false;
    font = QFont("Courier New");
    font.setPixelSize(height);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(italic);
    font.setFixedPitch(true);
    font.setStyleHint(QFont::TypeWriter);
    // Whole-pixel advances: a run of n characters is n cells wide in every
    // style, so the background of the run after it never covers its last
    // letter.
    font.setHintingPreference(QFont::PreferFullHinting);
    return true;
}

bool createScreenFonts(double size, double scale) { return createThree(0, size, scale); }
bool createPrintFonts(double size, double scale) { return createThree(3, size, scale); }

void deleteScreenFonts()
{
    for (int i = 0; i < 3; ++i)
        sharedFonts()[size_t(i)].reset();
}

void deletePrintFonts()
{
    for (int i = 3; i < 6; ++i)
        sharedFonts()[size_t(i)].reset();
}

// --- the array ---

CSourceTokenInfoArray::CSourceTokenInfoArray() { setDefaults(); }

void CSourceTokenInfoArray::setDefaults()
{
    entries_.assign(11, CSourceTokenInfo());
    using style = CSourceTokenStyle;
    auto both = [this](int entry, uint32_t colour) {
        entries_[size_t(entry)].setColour(style::screenForegroundColour, colour, 1);
        entries_[size_t(entry)].setColour(style::printForegroundColour, colour, 1);
    };
    CSourceTokenInfo& base = entries_[0];
    base.setColour(style::screenForegroundColour, systemColourRef(sysColourIndexWindowText), 1);
    base.setColour(style::screenBackgroundColour, systemColourRef(sysColourIndexWindow), 1);
    base.setColour(style::printForegroundColour, rgbColour(0, 0, 0), 1);
    base.setColour(style::printBackgroundColour, rgbColour(255, 255, 255), 1);
    base.setFontStyle(style::fontNormal, 0);
    base.setFontStyle(style::fontNormal, 1);
    both(3, rgbColour(128, 128, 128));
    both(4, rgbColour(128, 128, 0));
    both(6, rgbColour(128, 0, 0));
    both(7, rgbColour(0, 128, 0));
    entries_[7].setFontStyle(style::fontItalic, 0);
    both(8, rgbColour(128, 128, 128));
    both(9, rgbColour(128, 0, 128));
    both(10, rgbColour(0, 0, 255));
    entries_[10].setFontStyle(style::fontBold, 0);
}

namespace {

gstr valueName(const char* base, int entry, bool printing)
{
    std::string name = std::string(printing ? "Pr" : "") + base + std::to_string(entry);
    return gstr(name.c_str());
}

int readValue(const char* base, int entry, bool printing, int fallback)
{
    return profileInt(CSourceTokenInfoArray::sectionName, valueName(base, entry, printing), fallback);
}

void writeValue(const char* base, int entry, bool printing, int value)
{
    writeProfileInt(CSourceTokenInfoArray::sectionName, valueName(base, entry, printing), value);
}

// One variant of one entry; false at the first missing flag.
bool loadVariant(CSourceTokenInfo& info, int entry, bool printing)
{
    using style = CSourceTokenStyle;
    int foreground = readValue("ForeDef", entry, printing, -1);
    if (foreground == -1)
        return false;
    info.setColour(printing ? style::printForegroundColour : style::screenForegroundColour,
                   static_cast<uint32_t>(readValue("ForeClr", entry, printing, 0)), foreground != 0);
    int background = readValue("BackDef", entry, printing, -1);
    if (background == -1)
        return false;
    info.setColour(printing ? style::printBackgroundColour : style::screenBackgroundColour,
                   static_cast<uint32_t>(readValue("BackClr", entry, printing, 0)), background != 0);
    int styleSet = readValue("StyleDef", entry, printing, -1);
    if (styleSet == -1)
        return false;
    info.setFontStyle(static_cast<uint8_t>(readValue("Style", entry, printing, style::fontNormal)), printing,
                      styleSet != 0);
    return true;
}

void saveVariant(const CSourceTokenInfo& info, int entry, bool printing)
{
    uint32_t colour = 0;
    int set = info.getForeground(colour, printing);
    writeValue("ForeDef", entry, printing, set);
    writeValue("ForeClr", entry, printing, set ? static_cast<int>(colour) : 0);
    colour = 0;
    set = info.getBackground(colour, printing);
    writeValue("BackDef", entry, printing, set);
    writeValue("BackClr", entry, printing, set ? static_cast<int>(colour) : 0);
    int style = info.getFontStyle(printing);
    writeValue("StyleDef", entry, printing, style != 0);
    writeValue("Style", entry, printing, style != 0 ? style : CSourceTokenStyle::fontNormal);
}

} // namespace

void CSourceTokenInfoArray::load()
{
    for (int entry = 0; entry < maxEntries; ++entry) {
        for (bool printing : {false, true}) {
            if (readValue("ForeDef", entry, printing, -1) == -1)
                return;
            if (size() < entry + 1)
                resize(entry + 1);
            if (!loadVariant(entries_[size_t(entry)], entry, printing))
                return;
        }
    }
}

void CSourceTokenInfoArray::save() const
{
    for (int entry = 0; entry < size(); ++entry) {
        saveVariant(entries_[size_t(entry)], entry, false);
        saveVariant(entries_[size_t(entry)], entry, true);
    }
}

void CSourceTokenInfoArray::copyScreenToPrint()
{
    using style = CSourceTokenStyle;
    for (CSourceTokenInfo& info : entries_) {
        uint32_t colour = 0;
        int set = info.getForeground(colour, 0);
        info.setColour(style::printForegroundColour, colour, set);
        colour = 0;
        set = info.getBackground(colour, 0);
        info.setColour(style::printBackgroundColour, colour, set);
        int fontStyle = info.getFontStyle(0);
        info.setFontStyle(static_cast<uint8_t>(fontStyle), 1, fontStyle != 0);
    }
}
