#include "screens/editor/CLabelAndLinesDialog.h"

#include "foundation/jhashIterator.h"
#include "platform/modalRun.h"
#include "platform/sortedItems.h"
#include "platform/systemColours.h"
#include "platform/textCodec.h"
#include "registers/gregister.h"
#include "screens/editor/CColorDialog.h"
#include "screens/editor/CMarkerPropertiesPane.h"
#include "screens/model/fscreen.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/gfontName.h"
#include "screens/model/gpreviewValues.h"
#include "shell/CAutoWidthCombo.h"
#include "shell/CColorButton.h"
#include "shell/CFontCombo.h"
#include "shell/CLineStyleCombo.h"
#include "shell/CSpinEdit.h"
#include "store/gstation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

constexpr int sizeMessage = 10332, changeQuestion = 10345, noStringRegisters = 10351;
constexpr int lineWidthMessages[3] = {10333, 10343, 10353};
constexpr int useLineProperty[3] = {gprop::useFirstLine, gprop::useSecondLine, gprop::useThirdLine};
constexpr int widthProperty[3] = {gprop::firstLineWidth, gprop::secondLineWidth, gprop::lineWidth};
constexpr int styleProperty[3] = {gprop::firstLineStyle, gprop::secondLineStyle, gprop::lineStyle};
constexpr int colourProperty[3] = {gprop::firstLineColour, gprop::secondLineColour, gprop::lineColour};

const char* const fontNames[] = {"System font", "Window font", "Monospace font", "MS Sans serif",
                                 "MS Serif",    "Arial",       "Times New Roman", "Courier New"};
const char* const stateNames[] = {"<Static marker>", "Off state", "On state", "Blink state", "Masked state",
                                  "Error state"};

// A three-state box the dialog sets itself.
class dialogCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {}
};

uint32_t refOf(const gcolor& colour)
{
    return uint32_t(colour.red()) | (uint32_t(colour.green()) << 8) | (uint32_t(colour.blue()) << 16);
}

} // namespace

CLabelAndLinesDialog::CLabelAndLinesDialog(CMarkerPropertiesPane& pane, QWidget* parent)
    : CDialog(templateNumber, parent), pane_(pane)
{
    setWindowTitle(QStringLiteral("Edit Label and Lines"));
    setDialogSize(300, 220);
    auto* states = addComboBox(stateList, false, 7, 7, 120, 80);
    for (const char* name : stateNames)
        states->addItem(QString::fromLatin1(name));
    QObject::connect(states, &QComboBox::activated, this, [this](int item) { chooseState(item); });

    addGroupBox(labelGroup, "&Label", 7, 24, 140, 150);
    auto* text = addMultiLineEdit(textField, 12, 36, 130, 40);
    QObject::connect(text, &QPlainTextEdit::textChanged, this, [this] { textEdited(); });
    auto* fonts = addControl(fontList, new CFontCombo(0), 12, 80, 130, 12);
    for (const char* name : fontNames)
        fonts->addItem(QString::fromLatin1(name));
    QObject::connect(fonts, &QComboBox::activated, this, [this] { changed(); });
    for (int id : {boldBox, italicBox}) {
        addControl(id, new dialogCheckBox(id == boldBox ? QStringLiteral("&Bold") : QStringLiteral("&Italic")),
                   id == boldBox ? 12 : 60, 96, 45, 10)
            ->setTristate(true);
        onCommand(id, [this, id] { clickThreeState(id); });
    }
    addLabel(sizeLabel, "Si&ze:", 12, 112, 20, 8);
    auto* size = addControl(sizeField, new CNonNegativeSpinEdit, 34, 110, 40, 12);
    QObject::connect(size, &QLineEdit::textEdited, this, [this] { changed(); });
    onNotify(sizeField, spinStepCode, [this](const notifyHeader&) { changed(); });
    addControl(colourButton, new CColorButton(QStringLiteral("Colour...")), 80, 110, 60, 12);
    onCommand(colourButton, [this] { chooseColour(colourButton); });
    addLabel(alignmentLabel, "&Alignment:", 12, 128, 40, 8);
    auto* alignments = addComboBox(alignmentList, false, 54, 126, 86, 40);
    for (const char* name : {"Left", "Center", "Right"})
        alignments->addItem(QString::fromLatin1(name));
    QObject::connect(alignments, &QComboBox::activated, this, [this] { changed(); });

    const char* const groupNames[] = {"&X leader", "&Y leader", "&Trace"};
    for (int line = 0; line < 3; ++line) {
        int y = 24 + line * 40;
        addGroupBox(lineGroups[line], groupNames[line], 152, y, 140, 36);
        addControl(lineBoxes[line], new dialogCheckBox(QStringLiteral("Enable")), 157, y + 10, 40, 10)
            ->setTristate(true);
        onCommand(lineBoxes[line], [this, line] { clickLineBox(line); });
        auto* width = addControl(lineWidths[line], new CNonNegativeSpinEdit, 200, y + 9, 25, 12);
        width->spin().minimum = 1;
        QObject::connect(width, &QLineEdit::textEdited, this, [this] { changed(); });
        onNotify(lineWidths[line], spinStepCode, [this, line](const notifyHeader& h) {
            if (auto* styles = dynamic_cast<CLineStyleCombo*>(control(lineStyles[line])))
                styles->setLineWidth(static_cast<int>(static_cast<const spinStepNotify&>(h).value));
            changed();
        });
        auto* styles = addControl(lineStyles[line], new CLineStyleCombo, 157, y + 22, 100, 12);
        QObject::connect(styles, &QComboBox::activated, this, [this] { changed(); });
        addControl(lineColours[line], new CColorButton(QStringLiteral("C")), 262, y + 22, 25, 12);
        onCommand(lineColours[line], [this, line] { chooseColour(lineColours[line]); });
    }
    addGroupBox(-1, "Substitute % symbols in the label with:", 152, 146, 140, 48);
    auto* title = addRadioButton(titleButton, "The register title (if any)", 157, 156, 130, 10);
    auto* value = addRadioButton(registerButton, "The value of the following register:", 157, 168, 130, 10);
    title->setAutoExclusive(false);
    value->setAutoExclusive(false);
    onCommand(titleButton, [this] { chooseTitle(); });
    onCommand(registerButton, [this] { chooseRegisterButton(); });
    auto* registers = addControl(registerList, new CAutoWidthCombo, 157, 180, 130, 12);
    QObject::connect(registers, &QComboBox::activated, this, [this] {
        checkRadioButton(titleButton, registerButton, registerButton);
        changed();
    });
    addButton(IDOK, "OK", 130, 200, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 186, 200, 50, 14);
    addButton(applyButton, "Apply", 242, 200, 50, 14);
    onCommand(applyButton, [this] { applyChanges(false); });
}

gpropMarkerValues& CLabelAndLinesDialog::edited() { return *pane_.shownRecord(); }

bool CLabelAndLinesDialog::OnInitDialog()
{
    selectItem(stateList, pane_.stateItem());
    const auto& labelReg = pane_.record()->marker.labelReg;
    bool titleOnly = labelReg.hasValue() && labelReg.get() == 0;
    setChecked(titleButton, labelReg.isSet() && titleOnly);
    setChecked(registerButton, labelReg.isSet() && !titleOnly);
    enableControl(titleButton, labelReg.isSet());
    enableControl(registerButton, labelReg.isSet());
    auto* registers = controlAs<QComboBox>(registerList);
    std::vector<listedItem> items;
    jhashTypedIterator<gregister> it(station::registers());
    gregister* reg = nullptr;
    while (it.get(reg)) {
        if (gstringSupplement* part = reg->isDefined() ? reg->getStringSupplement() : nullptr)
            items.push_back({toUiText(reg->getTitle(true)), QVariant::fromValue<void*>(part)});
    }
    sortListedItems(items, listOrder::caseless);
    appendListedItems(*registers, items);
    int selected = -1;
    for (int i = 0; i < registers->count(); ++i) {
        if (labelReg.hasValue() && registers->itemData(i).value<void*>() == referredObject(labelReg))
            selected = i;
    }
    registers->setCurrentIndex(titleOnly ? -1 : selected);
    enableControl(registerList, labelReg.isSet() && !titleOnly);
    loadRecord();
    return true;
}

void CLabelAndLinesDialog::loadRecord()
{
    loading_ = true;
    gpropMarkerValues& record = edited();
    bool enabled = pane_.isRecordUsable() && (record.enable.isTrue() || record.enable.isMixed());
    const gtriStateString& text = record.labelText;
    if (enabled && text.hasValue()) {
        setControlText(textField, text.getValue());
        textMixed_ = false;
    } else {
        setControlText(textField, "");
        textMixed_ = enabled && text.isMixed();
    }
    auto* field = controlAs<QPlainTextEdit>(textField);
    QPalette look = field->palette();
    look.setColor(QPalette::Base, systemColour(textMixed_ ? sysColour::buttonFace : sysColour::window));
    field->setPalette(look);
    enableControl(textField, enabled && text.isSet());
    enableControl(labelGroup, enabled && text.isSet());
    showLabel(enabled && (textMixed_ || (text.hasValue() && !text.getValue().isEmpty())));
    for (int line = 0; line < 3; ++line) {
        const gtriStateBool& use = record.useLine[line];
        auto* box = controlAs<QCheckBox>(lineBoxes[line]);
        box->setCheckState(use.isMixed() ? Qt::PartiallyChecked : use.isTrue() ? Qt::Checked : Qt::Unchecked);
        box->setEnabled(enabled && use.isSet());
        if (!enabled || !use.isSet())
            box->setCheckState(Qt::Unchecked);
        showLine(line, enabled && use.isSet() && !(use.hasValue() && use.get() == 0));
    }
    loading_ = false;
    changed_ = false;
}

void CLabelAndLinesDialog::showLabel(bool on)
{
    labelOn_ = on;
    const gpropTextValues& values = edited().labelValues;
    auto* fonts = dynamic_cast<CFontCombo*>(control(fontList));
    auto* size = dynamic_cast<CNonNegativeSpinEdit*>(control(sizeField));
    auto* colour = dynamic_cast<CColorButton*>(control(colourButton));
    if (!on) {
        fonts->setCurrentIndex(-1);
        size->setText(QString());
        selectItem(alignmentList, -1);
        colour->clearColor();
        for (int id : {boldBox, italicBox})
            controlAs<QCheckBox>(id)->setCheckState(Qt::Unchecked);
        for (int id : {fontList, boldBox, italicBox, sizeLabel, sizeField, colourButton, alignmentLabel, alignmentList})
            enableControl(id, false);
        return;
    }
    // What the label shows when it comes back: the record's values, else
    // those a new label starts with.
    bool typing = !loading_;
    if (values.font.hasValue())
        fonts->selectFont(reinterpret_cast<const gfontName*>(values.font.get()));
    else
        fonts->selectFont(typing ? alternateFont() : nullptr);
    if (!values.font.hasValue() && !typing)
        fonts->setCurrentIndex(-1);
    enableControl(fontList, typing || values.font.isSet());
    const gtriStateBool* flags[] = {&values.bold, &values.italic};
    int ids[] = {boldBox, italicBox};
    for (int i = 0; i < 2; ++i) {
        auto* box = controlAs<QCheckBox>(ids[i]);
        Qt::CheckState state = flags[i]->isTrue() ? Qt::Checked : Qt::Unchecked;
        if (flags[i]->isMixed() || (typing && !flags[i]->hasValue()))
            state = Qt::PartiallyChecked;
        box->setCheckState(state);
        box->setEnabled(typing || flags[i]->isSet());
    }
    if (values.size.hasValue())
        size->setValue(values.size.get());
    else if (typing)
        size->setValue(14);
    else
        size->setText(QString());
    enableControl(sizeField, typing || values.size.isSet());
    enableControl(sizeLabel, typing || values.size.isSet());
    selectItem(alignmentList, values.alignment.hasValue() ? values.alignment.get() - 1 : -1);
    enableControl(alignmentList, typing || values.alignment.isSet());
    enableControl(alignmentLabel, typing || values.alignment.isSet());
    if (values.colour.isSet())
        colour->setColor(refOf(values.colour));
    else
        colour->clearColor();
    colour->setEnabled(typing || values.colour.hasValue());
}

void CLabelAndLinesDialog::showLine(int line, bool on)
{
    lineOn_[line] = on;
    const gpropLineValues& values = edited().lines[line];
    auto* width = dynamic_cast<CNonNegativeSpinEdit*>(control(lineWidths[line]));
    auto* styles = dynamic_cast<CLineStyleCombo*>(control(lineStyles[line]));
    auto* colour = dynamic_cast<CColorButton*>(control(lineColours[line]));
    bool typing = !loading_;
    if (on && values.width.hasValue() && values.width.get() > 0)
        width->setValue(values.width.get());
    else
        width->setText(QString());
    styles->setLineWidth(on && values.width.hasValue() ? values.width.get() : 1);
    styles->setCurrentIndex(on && values.style.hasValue() ? values.style.get() - 1 : -1);
    if (on && values.colour.isSet())
        colour->setColor(refOf(values.colour));
    else
        colour->clearColor();
    width->setEnabled(on && (typing || values.width.isSet()));
    styles->setEnabled(on && (typing || values.style.isSet()));
    colour->setEnabled(on && (typing || values.colour.hasValue()));
}

void CLabelAndLinesDialog::clickThreeState(int id)
{
    auto* box = controlAs<QCheckBox>(id);
    box->setCheckState(box->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    changed();
}

void CLabelAndLinesDialog::clickLineBox(int line)
{
    clickThreeState(lineBoxes[line]);
    showLine(line, controlAs<QCheckBox>(lineBoxes[line])->checkState() == Qt::Checked);
}

void CLabelAndLinesDialog::textEdited()
{
    if (loading_)
        return;
    changed();
    if (textMixed_) {
        textMixed_ = false;
        auto* field = controlAs<QPlainTextEdit>(textField);
        QPalette look = field->palette();
        look.setColor(QPalette::Base, systemColour(sysColour::window));
        field->setPalette(look);
    }
    bool hasText = !controlText(textField).isEmpty();
    if (hasText != labelOn_)
        showLabel(hasText);
}

void CLabelAndLinesDialog::chooseColour(int id)
{
    auto* button = dynamic_cast<CColorButton*>(control(id));
    CColorDialog dialog(button->hasColor() ? button->getColor() : 0xFFFFFF, this);
    if (dialog.DoModal() != IDOK)
        return;
    button->setColor(dialog.getColor());
    changed();
}

void CLabelAndLinesDialog::chooseTitle()
{
    checkRadioButton(titleButton, registerButton, titleButton);
    selectItem(registerList, -1);
    enableControl(registerList, false);
    changed();
}

void CLabelAndLinesDialog::chooseRegisterButton()
{
    if (itemCount(registerList) == 0) {
        setChecked(registerButton, false);
        messageBox(noStringRegisters, gbuttons::ok);
        return;
    }
    checkRadioButton(titleButton, registerButton, registerButton);
    const auto& labelReg = pane_.record()->marker.labelReg;
    int item = 0;
    if (labelReg.isMixed())
        item = -1;
    else if (labelReg.hasValue() && labelReg.get() != 0) {
        auto* registers = controlAs<QComboBox>(registerList);
        item = registers->findData(QVariant::fromValue<void*>(referredObject(labelReg)));
    }
    selectItem(registerList, item);
    enableControl(registerList, true);
    changed();
}

bool CLabelAndLinesDialog::checkNumber(int id, int minimum, int messageId)
{
    auto* edit = dynamic_cast<CNonNegativeSpinEdit*>(control(id));
    int32_t value = 0;
    if (edit->text().isEmpty() || (edit->getValue(value) && value >= minimum))
        return true;
    return refuseField(id, messageId);
}

void CLabelAndLinesDialog::put(int id)
{
    if (fscreen* screen = pane_.screen())
        screen->setSelectionProperties(pane_.mask(), id, pane_.shownState(), 0);
}

bool CLabelAndLinesDialog::applyChanges(bool ask)
{
    gpropMarkerValues& record = edited();
    if (!changed_ || (record.enable.hasValue() && record.enable.get() == 0))
        return true;
    if (ask) {
        ganswer answer = messageBox(changeQuestion, gbuttons::yesNoCancel);
        if (answer == ganswer::no)
            return true;
        if (answer != ganswer::yes)
            return false;
    }
    if (labelOn_ && !checkNumber(sizeField, 7, sizeMessage))
        return false;
    for (int line = 0; line < 3; ++line) {
        if (lineOn_[line] && !checkNumber(lineWidths[line], 1, lineWidthMessages[line]))
            return false;
    }
    if (!textMixed_) {
        gstr typed = controlText(textField);
        gstr text;
        for (char c : typed.view()) {
            if (c != '\n')
                text.append(c);
        }
        if (text.isEmpty())
            record.labelText.clear();
        else
            record.labelText.set(text);
        put(gprop::text);
    }
    if (labelOn_) {
        gpropTextValues& values = record.labelValues;
        auto* fonts = dynamic_cast<CFontCombo*>(control(fontList));
        if (fonts->currentIndex() >= 0) {
            values.font.set(fonts->getFont(nullptr));
            put(gprop::font);
        }
        const int boxes[] = {boldBox, italicBox};
        gtriStateBool* flags[] = {&values.bold, &values.italic};
        for (int i = 0; i < 2; ++i) {
            Qt::CheckState state = controlAs<QCheckBox>(boxes[i])->checkState();
            if (state != Qt::PartiallyChecked) {
                flags[i]->set(state == Qt::Checked);
                put(i == 0 ? gprop::bold : gprop::italic);
            }
        }
        int32_t size = 0;
        if (dynamic_cast<CNonNegativeSpinEdit*>(control(sizeField))->getValue(size)) {
            values.size.set(size);
            put(gprop::size);
        }
        auto* colour = dynamic_cast<CColorButton*>(control(colourButton));
        if (colour->hasColor()) {
            uint32_t ref = colour->getColor();
            values.colour.set(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF);
            put(gprop::textColour);
        }
        if (selectedItem(alignmentList) >= 0) {
            values.alignment.set(selectedItem(alignmentList) + 1);
            put(gprop::alignment);
        }
    }
    for (int line = 0; line < 3; ++line) {
        Qt::CheckState state = controlAs<QCheckBox>(lineBoxes[line])->checkState();
        if (state != Qt::PartiallyChecked && controlAs<QCheckBox>(lineBoxes[line])->isEnabled()) {
            record.useLine[line].set(state == Qt::Checked);
            put(useLineProperty[line]);
        }
        if (!lineOn_[line])
            continue;
        gpropLineValues& values = record.lines[line];
        int32_t width = 0;
        if (dynamic_cast<CNonNegativeSpinEdit*>(control(lineWidths[line]))->getValue(width)) {
            values.width.set(width);
            put(widthProperty[line]);
        }
        int style = controlAs<QComboBox>(lineStyles[line])->currentIndex();
        if (style >= 0) {
            values.style.set(style + 1);
            put(styleProperty[line]);
        }
        auto* colour = dynamic_cast<CColorButton*>(control(lineColours[line]));
        if (colour->hasColor()) {
            uint32_t ref = colour->getColor();
            values.colour.set(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF);
            put(colourProperty[line]);
        }
    }
    changed_ = false;
    return true;
}

void CLabelAndLinesDialog::OnOK()
{
    if (!applyChanges(false))
        return;
    auto& labelReg = pane_.record()->marker.labelReg;
    if (isChecked(titleButton)) {
        labelReg.set(nullptr);
        pane_.applyMarkerProperty(gprop::labelRegister, gstate::off);
    } else if (isChecked(registerButton) && selectedItem(registerList) >= 0) {
        auto* registers = controlAs<QComboBox>(registerList);
        labelReg.set(static_cast<gstringSupplement*>(registers->currentData().value<void*>()));
        pane_.applyMarkerProperty(gprop::labelRegister, gstate::off);
    }
    CDialog::OnOK();
}

void CLabelAndLinesDialog::chooseState(int item)
{
    if (item < 0)
        return;
    if (!applyChanges(true)) {
        selectItem(stateList, pane_.stateItem());
        return;
    }
    pane_.selectState(item);
    loadRecord();
}
