#include "shell/CFontCombo.h"

#include "screens/model/gfontName.h"

CFontCombo::CFontCombo(int hasDefaultEntry, QWidget* parent)
    : QComboBox(parent), hasDefaultEntry_(hasDefaultEntry ? 1 : 0)
{
}

void CFontCombo::selectFont(const gfontName* font)
{
    setCurrentIndex(symbolicFontIndex(font) + hasDefaultEntry_);
}

const gfontName* CFontCombo::getFont(const gfontName* defaultFont) const
{
    int index = currentIndex();
    if (index < 0)
        return defaultFont;
    return symbolicFont(index - hasDefaultEntry_);
}
