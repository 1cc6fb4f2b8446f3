#include "screens/editor/CAppearancePane.h"

#include "platform/textCodec.h"
#include "screens/editor/CFillComboBox.h"
#include "screens/model/gbitmap.h"
#include "screens/model/gfontName.h"
#include "screens/model/gimageLibrary.h"
#include "screens/model/gpropStates.h"
#include "shell/CAutoWidthCombo.h"
#include "shell/CColorButton.h"
#include "shell/CFontCombo.h"
#include "shell/CImagePreviewCtrl.h"
#include "shell/CLineStyleCombo.h"
#include "shell/CSpinEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <algorithm>

namespace {

constexpr int textLabel = 1478, sizeLabel = 1437, alignmentLabel = 1012;
constexpr int lineWidthMessage = 10091, sizeMessage = 10109;

const char* const fontNames[] = {"System font", "Window font", "Monospace font", "MS Sans serif",
                                 "MS Serif",    "Arial",       "Times New Roman", "Courier New"};

// The pane reacts to what the user picks, never to the program's own
// changes of a list.
template <class Combo>
Combo* onPick(Combo* list, CDialog* pane, std::function<void(int)> handler)
{
    QObject::connect(list, &QComboBox::activated, pane, [handler](int item) {
        if (item >= 0)
            handler(item);
    });
    return list;
}

} // namespace

CAppearancePane::CAppearancePane(int templateId, int mask, QWidget* parent) : CDrawingPane(templateId, mask, parent)
{
}

gpropLineValues* CAppearancePane::editedLine() { return nullptr; }
gpropFillValues* CAppearancePane::editedFill() { return nullptr; }
gpropTextValues* CAppearancePane::editedText() { return nullptr; }
gpropImageValue* CAppearancePane::editedImage() { return nullptr; }

void CAppearancePane::addLineControls(int y, int labelId, const char* labelText)
{
    hasLine_ = true;
    lineLabel_ = labelId;
    if (labelId > 0)
        addLabel(labelId, labelText, 2, y, 50, 8);
    auto* styles = addControl(lineStyleList, new CLineStyleCombo, 2, y + 10, 46, 12);
    onPick(styles, this, [this](int item) { chooseLineStyle(item); });
    doubleDropDownWidth(lineStyleList);
    addNumberField(lineWidthField, 1, 50, y + 10, 22, 12);
    addControl(lineColourButton, new CColorButton(QStringLiteral("C")), 74, y + 10, 11, 12);
    onCommand(lineColourButton, [this] { clickColour(lineColourButton); });
}

void CAppearancePane::addFillControls(int y)
{
    hasFill_ = true;
    auto* fills = addControl(fillList, new CFillComboBox, 2, y, 46, 12);
    // Its texts are drawn, not items the placing could measure: it widens
    // itself, and the colour buttons make way when the pane is shown.
    fills->resize(std::max(fills->width(), fills->minimumSizeHint().width()), fills->height());
    onPick(fills, this, [this](int) { chooseFill(); });
    doubleDropDownWidth(fillList);
    addControl(fillForegroundButton, new CColorButton(QStringLiteral("Fg")), 50, y, 17, 12);
    addControl(fillBackgroundButton, new CColorButton(QStringLiteral("Bk")), 68, y, 17, 12);
    onCommand(fillForegroundButton, [this] { clickColour(fillForegroundButton); });
    onCommand(fillBackgroundButton, [this] { clickColour(fillBackgroundButton); });
}

void CAppearancePane::addTextControls(int y, int colourId, const char* colourText)
{
    hasText_ = true;
    textColourId_ = colourId;
    addLabel(textLabel, "&Text", 2, y, 50, 8);
    auto* fonts = addControl(fontList, new CFontCombo(0), 2, y + 10, 83, 12);
    for (const char* name : fontNames)
        fonts->addItem(QString::fromLatin1(name));
    onPick(fonts, this, [this](int item) { chooseFont(item); });
    addTriStateBox(boldBox, "&Bold", 2, y + 25, 40, 10);
    addTriStateBox(italicBox, "&Italic", 44, y + 25, 40, 10);
    onCommand(boldBox, [this] { clickBox(boldBox, gprop::bold); });
    onCommand(italicBox, [this] { clickBox(italicBox, gprop::italic); });
    addLabel(sizeLabel, "Si&ze:", 2, y + 40, 20, 8);
    addNumberField(sizeField, 7, 24, y + 38, 28, 12);
    addControl(colourId, new CColorButton(toUiText(colourText)), 55, y + 38, 30, 12);
    onCommand(colourId, [this, colourId] { clickColour(colourId); });
    addLabel(alignmentLabel, "&Alignment:", 2, y + 54, 40, 8);
    auto* alignments = addComboBox(alignmentList, false, 44, y + 52, 41, 40);
    for (const char* name : {"Left", "Center", "Right"})
        alignments->addItem(QString::fromLatin1(name));
    onPick(alignments, this, [this](int item) { chooseAlignment(item); });
}

void CAppearancePane::addImageControls(int y, int labelId, const char* labelText)
{
    hasImage_ = true;
    imageLabel_ = labelId;
    if (labelId > 0)
        addLabel(labelId, labelText, 2, y, 50, 8);
    auto* images = addControl(imageList, new CAutoWidthCombo, 2, y + 10, 83, 12);
    onPick(images, this, [this](int item) { chooseImage(item); });
    doubleDropDownWidth(imageList);
    addControl(imagePreview, new CImagePreviewCtrl, 2, y + 25, 83, 50);
}

void CAppearancePane::tellLineWidth(const gtriInt& width)
{
    if (auto* styles = controlOf<CLineStyleCombo>(lineStyleList))
        styles->setLineWidth(width.get() > 0 ? width.get() : 1);
}

void CAppearancePane::loadLine(const gpropLineValues& line)
{
    showItem(lineStyleList, line.style.hasValue() ? line.style.get() - 1 : -1);
    enableWithLabel(lineStyleList, lineLabel_, line.style.isSet());
    tellLineWidth(line.width);
    showNumber(lineWidthField, line.width);
    enableControl(lineWidthField, line.width.isSet());
    showColour(lineColourButton, line.colour);
}

void CAppearancePane::loadFill(const gpropFillValues& fill)
{
    auto* fills = controlOf<CFillComboBox>(fillList);
    int kind = fill.kind.hasValue() ? fill.kind.get() : 0;
    if (kind == 3 || kind == 4) {
        if (fill.pattern.hasValue())
            fills->select(kind, fill.pattern.get());
        else
            fills->setCurrentIndex(-1);
        enableControl(fillList, fill.pattern.isSet());
    } else if (kind == 1 || kind == 2) {
        fills->select(kind, 0);
        enableControl(fillList, true);
    } else {
        fills->setCurrentIndex(-1);
        enableControl(fillList, fill.kind.isSet());
    }
    showColour(fillForegroundButton, fill.foreground);
    showColour(fillBackgroundButton, fill.background);
    if (editsDefaults())
        enableFillColoursByKind();
}

void CAppearancePane::enableFillColoursByKind()
{
    int kind = controlOf<CFillComboBox>(fillList)->getKind();
    enableControl(fillForegroundButton, kind == 0 || kind == 2 || kind == 3);
    enableControl(fillBackgroundButton, kind == 0 || kind == 3);
}

void CAppearancePane::loadText(const gpropTextValues& text)
{
    auto* fonts = controlOf<CFontCombo>(fontList);
    if (text.font.hasValue())
        fonts->selectFont(reinterpret_cast<const gfontName*>(text.font.get()));
    else
        fonts->setCurrentIndex(-1);
    enableWithLabel(fontList, textLabel, text.font.isSet());
    showCheck(boldBox, text.bold);
    showCheck(italicBox, text.italic);
    showNumber(sizeField, text.size);
    enableWithLabel(sizeField, sizeLabel, text.size.isSet());
    showItem(alignmentList, text.alignment.hasValue() ? text.alignment.get() - 1 : -1);
    enableWithLabel(alignmentList, alignmentLabel, text.alignment.isSet());
    showColour(textColourId_, text.colour);
}

void CAppearancePane::loadImage(const gpropImageValue& image)
{
    auto* preview = controlOf<CImagePreviewCtrl>(imagePreview);
    gbitmap* found = nullptr;
    gbitmap* shown = nullptr;
    if (image.name.hasValue()) {
        found = imageLibrary().find(image.name.getValue());
        shown = found ? found : imageLibrary().getPlaceholder();
    }
    showItem(imageList, found ? findItemData(imageList, found) : -1);
    picture_.show(*preview, shown);
    enableWithLabel(imageList, imageLabel_, image.name.isSet());
    enableControl(imagePreview, image.name.isSet());
}

void CAppearancePane::clearAppearance()
{
    gpropLineValues line;
    gpropFillValues fill;
    gpropTextValues text;
    gpropImageValue image;
    if (hasLine_)
        loadLine(line);
    if (hasFill_) {
        loadFill(fill);
        enableControl(fillForegroundButton, false);
        enableControl(fillBackgroundButton, false);
    }
    if (hasText_)
        loadText(text);
    if (hasImage_)
        loadImage(image);
}

void CAppearancePane::loadStateAppearance(const gstateAppearance& state, int enableBoxId, int textButtonId)
{
    showCheck(enableBoxId, state.enable);
    if (!state.enable.isTrue() && !state.enable.isMixed()) {
        clearAppearance();
        enableControl(textButtonId, false);
        return;
    }
    const gpropAppearanceValues& values = state.values;
    loadLine(values.line);
    loadFill(values.fill);
    loadText(values.textValues);
    enableControl(textButtonId, values.text.isSet());
    loadImage(values.image);
}

void CAppearancePane::chooseLineStyle(int item)
{
    gpropLineValues* line = editedLine();
    if (!line)
        return;
    line->style.set(item + 1);
    applyChange(gprop::lineStyle);
}

void CAppearancePane::chooseFill()
{
    gpropFillValues* fill = editedFill();
    auto* fills = controlOf<CFillComboBox>(fillList);
    int kind = fills->getKind();
    if (!fill || kind == 0)
        return;
    fill->kind.set(kind);
    fill->pattern.set(fills->getPattern());
    if (editsDefaults())
        enableFillColoursByKind();
    applyChange(gprop::fillKind);
}

void CAppearancePane::chooseFont(int item)
{
    gpropTextValues* text = editedText();
    const gfontName* font = symbolicFont(item);
    if (!text || !font)
        return;
    text->font.set(font);
    applyChange(gprop::font);
}

void CAppearancePane::chooseAlignment(int item)
{
    gpropTextValues* text = editedText();
    if (!text)
        return;
    text->alignment.set(item + 1);
    applyChange(gprop::alignment);
}

void CAppearancePane::chooseImage(int item)
{
    gpropImageValue* image = editedImage();
    auto* bitmap = static_cast<gbitmap*>(itemData(imageList, item));
    if (!image || !bitmap)
        return;
    image->name.set(bitmap->getName());
    picture_.show(*controlOf<CImagePreviewCtrl>(imagePreview), bitmap);
    applyChange(gprop::image);
}

void CAppearancePane::clickBox(int id, int property)
{
    gpropTextValues* text = editedText();
    if (!text)
        return;
    clickedCheck(id, id == boldBox ? text->bold : text->italic);
    applyChange(property);
}

void CAppearancePane::clickColour(int id)
{
    gcolor* field = nullptr;
    int property = gprop::textColour;
    if (id == lineColourButton) {
        gpropLineValues* line = editedLine();
        field = line ? &line->colour : nullptr;
        property = gprop::lineColour;
    } else if (id == fillForegroundButton || id == fillBackgroundButton) {
        gpropFillValues* fill = editedFill();
        field = !fill ? nullptr : id == fillForegroundButton ? &fill->foreground : &fill->background;
        property = id == fillForegroundButton ? gprop::fillForeground : gprop::fillBackground;
    } else {
        gpropTextValues* text = editedText();
        field = text ? &text->colour : nullptr;
    }
    if (field && chooseColour(id, *field))
        applyChange(property);
}

void CAppearancePane::commitEdits()
{
    gpropTextValues* text = hasText_ ? editedText() : nullptr;
    if (text && commitNumber(sizeField, 7, sizeMessage, text->size))
        applyChange(gprop::size);
    gpropLineValues* line = hasLine_ ? editedLine() : nullptr;
    if (!line)
        return;
    bool modified = numberModified(lineWidthField);
    if (commitNumber(lineWidthField, 1, lineWidthMessage, line->width))
        applyChange(gprop::lineWidth);
    // Applying gathers the selection again, which may remake the record.
    line = editedLine();
    if (modified && line)
        tellLineWidth(line->width);
}

void CAppearancePane::numberStepped(int id, int32_t value)
{
    if (id == sizeField) {
        if (gpropTextValues* text = editedText()) {
            text->size.set(value);
            applyChange(gprop::size);
        }
        return;
    }
    gpropLineValues* line = editedLine();
    if (id != lineWidthField || !line)
        return;
    line->width.set(value);
    tellLineWidth(line->width);
    applyChange(gprop::lineWidth);
}

void CAppearancePane::paletteChanged(int foreground)
{
    if (auto* preview = controlOf<CImagePreviewCtrl>(imagePreview))
        preview->paletteChanged(foreground != 0);
}

void CAppearancePane::refillImageList()
{
    if (!hasImage_)
        return;
    gpropImageValue* image = record() ? editedImage() : nullptr;
    bool hasValue = image && image->name.hasValue();
    fillImageList(imageList, hasValue ? static_cast<gstrSlice>(image->name.getValue()) : gstrSlice(), hasValue);
    gbitmap* found = hasValue ? imageLibrary().find(image->name.getValue()) : nullptr;
    picture_.show(*controlOf<CImagePreviewCtrl>(imagePreview), found);
}
