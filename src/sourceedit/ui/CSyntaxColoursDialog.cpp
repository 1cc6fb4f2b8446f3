#include "sourceedit/ui/CSyntaxColoursDialog.h"

#include "platform/textCodec.h"
#include "resources/stringTable.h"
#include "sourceedit/sourceColour.h"
#include "sourceedit/ui/CColourCombo.h"

#include <QComboBox>
#include <QListWidget>

namespace {

constexpr uint32_t systemWindow = systemColourRef(sysColourIndexWindow);
constexpr uint32_t systemWindowText = systemColourRef(sysColourIndexWindowText);

gstr tableText(int id)
{
    const char* text = stringTableText(id);
    return gstr(text ? text : "");
}

} // namespace

const std::vector<uint32_t>& CSyntaxColoursDialog::defaultPalette()
{
    static const std::vector<uint32_t> palette = {
        rgbColour(0, 0, 128),     rgbColour(0, 0, 255),     rgbColour(128, 128, 128), rgbColour(0, 255, 255),
        rgbColour(0, 255, 0),     rgbColour(0, 128, 0),     rgbColour(255, 255, 0),   rgbColour(255, 0, 0),
        rgbColour(255, 0, 255),   rgbColour(128, 0, 0),     rgbColour(128, 0, 128),   rgbColour(255, 255, 255),
        rgbColour(192, 192, 192), rgbColour(128, 128, 128), rgbColour(0, 0, 0),       rgbColour(128, 128, 0),
    };
    return palette;
}

CSyntaxColoursDialog::CSyntaxColoursDialog(int templateId, QWidget* parent)
    : CDialog(templateId, parent), background(systemWindow)
{
    setWindowTitle("SCL Syntax Colours");
    setDialogSize(250, 130);
    addLabel(-1, "&Item:", 7, 7, 100, 8);
    addListBox(itemListId, 7, 17, 110, 106);
    addLabel(foregroundLabelId, "&Foreground:", 126, 7, 60, 8);
    foreground_ = addControl(foregroundId, new CColourCombo, 126, 17, 60, 100);
    addLabel(backgroundLabelId, "&Background:", 126, 37, 60, 8);
    background_ = addControl(backgroundId, new CColourCombo, 126, 47, 60, 100);
    addLabel(fontStyleLabelId, "&Font style:", 126, 67, 60, 8);
    fontStyle_ = addControl(fontStyleId, new CFontStyleCombo, 126, 77, 60, 60);
    addButton(IDOK, "OK", 193, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 193, 24, 50, 14);
    addButton(applyId, "&Apply", 193, 41, 50, 14);
    onCommand(applyId, [this] { apply(); });
    QObject::connect(controlAs<QListWidget>(itemListId), &QListWidget::currentRowChanged,
                     [this](int row) { showItem(row); });
    QObject::connect(foreground_, &QComboBox::activated, [this](int entry) { chooseForeground(entry); });
    QObject::connect(background_, &QComboBox::activated, [this](int entry) { chooseBackground(entry); });
    QObject::connect(fontStyle_, &QComboBox::activated, [this](int entry) { chooseFontStyle(entry); });
}

CSyntaxColoursDialog::~CSyntaxColoursDialog() = default;

bool CSyntaxColoursDialog::OnInitDialog()
{
    gstr styles = tableText(401);
    size_t from = 0;
    std::string_view all = styles.view();
    while (from <= all.size()) {
        size_t end = all.find('\n', from);
        std::string_view line = all.substr(from, end == std::string_view::npos ? all.size() - from : end - from);
        fontStyle_->addItem(toUiText(gstrSlice(line.data(), static_cast<int32_t>(line.size()))));
        if (end == std::string_view::npos)
            break;
        from = end + 1;
    }
    windowColourText_ = tableText(402);
    textColourText_ = tableText(403);
    defaultText_ = tableText(404);
    setPalette(defaultPalette().data(), static_cast<int>(defaultPalette().size()));
    return true;
}

void CSyntaxColoursDialog::setItemNames(const gstrSlice& names)
{
    clearItems(itemListId);
    std::string_view all = names.view();
    size_t from = 0;
    while (from <= all.size()) {
        size_t end = all.find('\n', from);
        std::string_view name = all.substr(from, end == std::string_view::npos ? all.size() - from : end - from);
        addItem(itemListId, gstrSlice(name.data(), static_cast<int32_t>(name.size())));
        if (end == std::string_view::npos)
            break;
        from = end + 1;
    }
}

void CSyntaxColoursDialog::setItemMap(const int* entries, int count) { itemMap_.assign(entries, entries + count); }

// Each colour combo: its first text entry, then one entry per colour.
void CSyntaxColoursDialog::setPalette(const uint32_t* colours, int count)
{
    palette_.assign(colours, colours + count);
    for (CColourCombo* combo : {foreground_, background_}) {
        combo->resetColours();
        combo->addItem(QString());
        combo->addColours(colours, count);
    }
}

void CSyntaxColoursDialog::selectItem(int item) { CDialog::selectItem(itemListId, item); }

int CSyntaxColoursDialog::currentItem() const { return selectedItem(itemListId); }

void CSyntaxColoursDialog::apply() {}

void CSyntaxColoursDialog::OnOK()
{
    apply();
    CDialog::OnOK();
}

CSourceTokenInfo* CSyntaxColoursDialog::itemEntry(int item)
{
    if (item == 1)
        return table.size() > 0 ? &table[0] : nullptr;
    if (item < 2 || size_t(item) >= itemMap_.size())
        return nullptr;
    int entry = itemMap_[size_t(item)];
    return entry >= 0 && entry < table.size() ? &table[entry] : nullptr;
}

void CSyntaxColoursDialog::enableColours(bool foreground, bool backgroundToo, bool style)
{
    enableControl(foregroundId, foreground);
    enableControl(foregroundLabelId, foreground);
    enableControl(backgroundId, backgroundToo);
    enableControl(backgroundLabelId, backgroundToo);
    enableControl(fontStyleId, style);
    enableControl(fontStyleLabelId, style);
}

// The palette entry of a set colour, else the first entry; a colour outside
// the palette leaves the selection as it was.
void CSyntaxColoursDialog::showColour(CColourCombo& combo, uint32_t colour, bool set)
{
    if (!set) {
        combo.setCurrentIndex(0);
        return;
    }
    combo.selectColour(colour, palette_.data(), static_cast<int>(palette_.size()), 1);
}

void CSyntaxColoursDialog::showItem(int item)
{
    if (item < 0)
        return;
    if (item == 0) {
        enableColours(false, true, false);
        background_->setItemText(0, toUiText(windowColourText_));
        showColour(*background_, background, background != systemWindow);
        return;
    }
    CSourceTokenInfo* info = itemEntry(item);
    if (!info)
        return;
    uint32_t colour = 0;
    if (item == 1) {
        enableColours(true, true, false);
        foreground_->setItemText(0, toUiText(textColourText_));
        background_->setItemText(0, toUiText(windowColourText_));
        info->getForeground(colour, 0);
        showColour(*foreground_, colour, !isSystemColour(colour));
        colour = 0;
        info->getBackground(colour, 0);
        showColour(*background_, colour, !isSystemColour(colour));
        return;
    }
    enableColours(true, true, true);
    foreground_->setItemText(0, toUiText(defaultText_));
    background_->setItemText(0, toUiText(defaultText_));
    bool set = info->getForeground(colour, 0);
    showColour(*foreground_, colour, set);
    colour = 0;
    set = info->getBackground(colour, 0);
    showColour(*background_, colour, set);
    int style = info->getFontStyle(0);
    fontStyle_->setCurrentIndex(style >= 1 && style <= 3 ? style : 0);
}

void CSyntaxColoursDialog::chooseForeground(int entry)
{
    int item = currentItem();
    CSourceTokenInfo* info = itemEntry(item);
    if (!info || item < 1)
        return;
    uint32_t colour = foreground_->entryColour(entry);
    if (item == 1)
        info->setColour(CSourceTokenStyle::screenForegroundColour, entry == 0 ? systemWindowText : colour, 1);
    else
        info->setColour(CSourceTokenStyle::screenForegroundColour, colour, entry != 0);
}

void CSyntaxColoursDialog::chooseBackground(int entry)
{
    int item = currentItem();
    uint32_t colour = background_->entryColour(entry);
    if (item == 0) {
        background = entry == 0 ? systemWindow : colour;
        return;
    }
    CSourceTokenInfo* info = itemEntry(item);
    if (!info)
        return;
    if (item == 1)
        info->setColour(CSourceTokenStyle::screenBackgroundColour, entry == 0 ? systemWindow : colour, 1);
    else
        info->setColour(CSourceTokenStyle::screenBackgroundColour, colour, entry != 0);
}

void CSyntaxColoursDialog::chooseFontStyle(int entry)
{
    CSourceTokenInfo* info = itemEntry(currentItem());
    if (!info || currentItem() < 2)
        return;
    info->setFontStyle(static_cast<uint8_t>(entry), 0, entry != 0);
}
