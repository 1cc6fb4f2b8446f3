#pragma once

#include "sourceedit/ui/CSourceTokenStyle.h"

#include <QFont>
#include <memory>
#include <vector>

// A token style of the user's colour settings that may also hold fonts of its
// own. Without them it takes the shared Courier New font of its font style
// (bold, italic or normal), and without a font style none: the view's default
// style then gives the font.
class CSourceTokenInfo : public CSourceTokenStyle {
public:
    CSourceTokenInfo();
    ~CSourceTokenInfo() override;
    // Copies the style; the fonts stay with their entry.
    CSourceTokenInfo(const CSourceTokenInfo& other);
    CSourceTokenInfo& operator=(const CSourceTokenInfo& other);

    int getFont(QFont& font, int printing) const override;

    std::unique_ptr<QFont> screenFont;
    std::unique_ptr<QFont> printFont;
};

// The token styles of one tokenizer, indexed by token kind, kept in the
// settings under "TokenInfo": values named by a base name and the entry
// index, "Pr" in front for the print variant.
class CSourceTokenInfoArray {
public:
    static constexpr const char* sectionName = "TokenInfo";
    // The most entries a load reads.
    static constexpr int maxEntries = 256;

    // The 11 defaults of the base tokenizer's kinds.
    CSourceTokenInfoArray();

    void setDefaults();
    // Reads the settings over the entries until a value is missing; grows,
    // never shrinks.
    void load();
    void save() const;
    void copyScreenToPrint();

    int size() const { return static_cast<int>(entries_.size()); }
    void resize(int count) { entries_.resize(static_cast<size_t>(count)); }
    CSourceTokenInfo& operator[](int index) { return entries_[static_cast<size_t>(index)]; }
    const CSourceTokenInfo& operator[](int index) const { return entries_[static_cast<size_t>(index)]; }

private:
    std::vector<CSourceTokenInfo> entries_;
};

// The six shared fonts: screen and print, each normal, bold and italic.
// Empty until created; the screen fonts live to the end of the run, the print
// fonts for one print job.
enum class sourceFontVariant { screenNormal, screenBold, screenItalic, printNormal, printBold, printItalic };
const QFont* sourceSharedFont(sourceFontVariant which);

// A Courier New font of size x scale / 72 device pixels, fixed pitch; false
// when that height is not positive.
bool createSourceFont(QFont& font, double size, double scale, bool bold, bool italic);
// Replace the three fonts of the variant; true when all three were made.
bool createScreenFonts(double size, double scale);
bool createPrintFonts(double size, double scale);
void deleteScreenFonts();
void deletePrintFonts();
