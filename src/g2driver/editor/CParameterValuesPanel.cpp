#include "g2driver/editor/CParameterValuesPanel.h"

#include "foundation/jhashIterator.h"
#include "g2driver/editor/showAsPanes.h"
#include "g2driver/model/g2driverParameter.h"
#include "platform/CDialog.h"
#include "platform/modalRun.h"
#include "platform/settingsStore.h"
#include "platform/textCodec.h"
#include "shell/CBistateValueRow.h"
#include "shell/CEscapedStringEdit.h"
#include "shell/CHexDecSpinEdit.h"
#include "shell/CSpinEdit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QStyle>
#include <algorithm>
#include <charconv>
#include <memory>
#include <string>

namespace {

constexpr const char* settingsSection = "Dialogs\\Edit G2Driver";
constexpr int numberRowTemplate = 759;
constexpr int enterUnsigned = 10581;
constexpr int enterNumber = 10579;
constexpr int valueNameRowTemplate = 868;
constexpr int unnamedValue = 10143;
// The label's room beyond its text.
constexpr int labelMargin = 5;

std::unique_ptr<g2driverParameterValue> namedValue(const g2driverParameter& item)
{
    auto value = std::make_unique<g2driverParameterValue>();
    value->setName(item.getName());
    value->setDefined(1);
    return value;
}

// A row whose edit is refused: the user hears why, the edit takes the focus
// with its text selected.
bool refuseRow(QLineEdit& edit, int messageId, bool quiet)
{
    if (quiet)
        return true;
    messageBox(messageId, gbuttons::ok);
    edit.setFocus(Qt::OtherFocusReason);
    edit.selectAll();
    return false;
}

// Whether the text is a number of the base beyond 32 bits, which the edit
// would read as its largest value.
bool beyondUnsigned(const QString& text, int base)
{
    std::string digits = text.trimmed().toStdString();
    if (base == 16 && digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))
        digits.erase(0, 2);
    uint32_t value = 0;
    return std::from_chars(digits.data(), digits.data() + digits.size(), value, base).ec ==
           std::errc::result_out_of_range;
}

// A DIGITAL value without value names: an unsigned number in decimal or
// hexadecimal.
class CDigitalNumberValueRow final : public CValueRowDialog {
public:
    explicit CDigitalNumberValueRow(const g2driverParameter* item)
        : CValueRowDialog(numberRowTemplate, item), edit_(new CHexDecSpinEdit)
    {
    }
    ~CDigitalNumberValueRow() override
    {
        if (!edit_->parent())
            delete edit_;
    }

    bool createRow(QWidget* panel, QWidget*& previousRow, QPoint& position, int labelWidth, int rowWidth) override
    {
        return createRowFrom(panel, previousRow, position, labelWidth, rowWidth, edit_, false);
    }
    bool buildValue(std::unique_ptr<g2driverParameterValue>& out, bool quiet) override
    {
        out.reset();
        if (edit_->text().isEmpty())
            return true;
        uint32_t number = 0;
        if (!edit_->getValue(number) || beyondUnsigned(edit_->text(), edit_->hexMode() ? 16 : 10))
            return refuseRow(*edit_, enterUnsigned, quiet);
        out = namedValue(item());
        out->setDigital(number);
        return true;
    }
    void setNumberHexMode(bool hex) override { edit_->setHexMode(hex ? 1 : 0); }
    void showValue(const g2driverParameterValue& value) override { edit_->setValue(value.getNumber()); }

private:
    CHexDecSpinEdit* edit_;
};

// An ANALOG value: a real number as the user writes it.
class CAnalogValueRow final : public CValueRowDialog {
public:
    explicit CAnalogValueRow(const g2driverParameter* item)
        : CValueRowDialog(numberRowTemplate, item), edit_(new CRealSpinEdit)
    {
    }
    ~CAnalogValueRow() override
    {
        if (!edit_->parent())
            delete edit_;
    }

    bool createRow(QWidget* panel, QWidget*& previousRow, QPoint& position, int labelWidth, int rowWidth) override
    {
        return createRowFrom(panel, previousRow, position, labelWidth, rowWidth, edit_, false);
    }
    bool buildValue(std::unique_ptr<g2driverParameterValue>& out, bool quiet) override
    {
        out.reset();
        if (edit_->text().isEmpty())
            return true;
        double number = 0;
        if (!edit_->getValue(number))
            return refuseRow(*edit_, enterNumber, quiet);
        out = namedValue(item());
        out->setAnalog(number);
        return true;
    }
    void showValue(const g2driverParameterValue& value) override { edit_->setValue(value.getReal()); }

private:
    CRealSpinEdit* edit_;
};

// A STRING value: bytes, escaped or in hexadecimal; the edit takes the row's
// whole width.
class CStringValueEditor final : public CValueRowDialog {
public:
    explicit CStringValueEditor(const g2driverParameter* item)
        : CValueRowDialog(numberRowTemplate, item), edit_(new CEscapedStringEdit)
    {
    }
    ~CStringValueEditor() override
    {
        if (!edit_->parent())
            delete edit_;
    }

    bool createRow(QWidget* panel, QWidget*& previousRow, QPoint& position, int labelWidth, int rowWidth) override
    {
        return createRowFrom(panel, previousRow, position, labelWidth, rowWidth, edit_, true);
    }
    bool buildValue(std::unique_ptr<g2driverParameterValue>& out, bool quiet) override
    {
        out.reset();
        if (edit_->text().isEmpty())
            return true;
        gstr bytes;
        if (!edit_->getValue(bytes, quiet)) {
            if (quiet)
                return true;
            edit_->setFocus(Qt::OtherFocusReason);
            edit_->selectAll();
            return false;
        }
        out = namedValue(item());
        out->setString(bytes);
        return true;
    }
    bool setStringHexMode(bool hex) override { return edit_->setHexMode(hex ? 1 : 0, false); }
    void showValue(const g2driverParameterValue& value) override { edit_->setValue(value.getText()); }

private:
    CEscapedStringEdit* edit_;
};

// A DIGITAL value with value names: one entry per name in value order
// after an empty one; a value without a name gets an entry of its own.
class CValueNameComboRow final : public CValueRowDialog {
public:
    explicit CValueNameComboRow(const g2driverParameter* item)
        : CValueRowDialog(valueNameRowTemplate, item), combo_(new QComboBox)
    {
        combo_->addItem(QString());
        for (const auto& [value, name] : item->valueNames())
            combo_->addItem(toUiText(name), QVariant::fromValue(value));
    }
    ~CValueNameComboRow() override
    {
        if (!combo_->parent())
            delete combo_;
    }

    bool createRow(QWidget* panel, QWidget*& previousRow, QPoint& position, int labelWidth, int rowWidth) override
    {
        if (!createRowFrom(panel, previousRow, position, labelWidth, rowWidth, combo_, false))
            return false;
        combo_->setCurrentIndex(0);
        widenToEntries();
        return true;
    }
    bool buildValue(std::unique_ptr<g2driverParameterValue>& out, bool) override
    {
        out.reset();
        int chosen = combo_->currentIndex();
        if (chosen <= 0)
            return true;
        out = namedValue(item());
        out->setDigital(combo_->itemData(chosen).value<uint32_t>());
        return true;
    }
    void showValue(const g2driverParameterValue& value) override
    {
        uint32_t number = value.getNumber();
        int at = 1;
        for (; at < combo_->count(); ++at) {
            uint32_t entry = combo_->itemData(at).value<uint32_t>();
            if (entry == number) {
                combo_->setCurrentIndex(at);
                return;
            }
            if (entry > number)
                break;
        }
        gstr text;
        combo_->insertItem(at, toUiText(text.format(unnamedValue, number)), QVariant::fromValue(number));
        combo_->setCurrentIndex(at);
    }

private:
    // As wide as the widest entry with the list's frame and scroll bar, but
    // not past the row's right edge.
    void widenToEntries()
    {
        QFontMetrics metrics(combo_->font());
        int widest = 0;
        for (int i = 0; i < combo_->count(); ++i)
            widest = std::max(widest, metrics.horizontalAdvance(combo_->itemText(i)));
        QStyle* style = combo_->style();
        int wanted = widest + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth) +
                     style->pixelMetric(QStyle::PM_ScrollBarExtent) + 5;
        int room = width() - combo_->x();
        if (wanted > combo_->width())
            combo_->resize(std::min(wanted, room), combo_->height());
    }

    QComboBox* combo_;
};

bool hasValueNames(const g2driverParameter& parameter) { return !parameter.valueNames().empty(); }

CValueRowDialog* makeRow(const g2driverParameter& parameter)
{
    switch (parameter.getKind()) {
    case g2valueKind::bistate: return new CBistateValueRow(&parameter);
    case g2valueKind::digital:
        if (hasValueNames(parameter))
            return new CValueNameComboRow(&parameter);
        return new CDigitalNumberValueRow(&parameter);
    case g2valueKind::analog: return new CAnalogValueRow(&parameter);
    case g2valueKind::string: return new CStringValueEditor(&parameter);
    default: return nullptr;
    }
}

} // namespace

CParameterValuesPanel::CParameterValuesPanel(bool showFixed, QWidget* parent)
    : QWidget(parent), showFixed_(showFixed), textHexMode_(profileInt(settingsSection, "HexMode", 0) != 0),
      decimalHexMode_(profileInt(settingsSection, "HexMode2", 0) != 0)
{
}

// The modes of the panes that exist are kept for the next panel.
CParameterValuesPanel::~CParameterValuesPanel()
{
    if (textHexPane_)
        writeProfileInt(settingsSection, "HexMode", textHexMode_);
    if (decimalHexPane_)
        writeProfileInt(settingsSection, "HexMode2", decimalHexMode_);
    destroyRows();
}

void CParameterValuesPanel::destroyRows()
{
    for (CValueRowDialog* row : rows_)
        delete row;
    rows_.clear();
}

void CParameterValuesPanel::destroyPanes()
{
    delete textHexPane_.data();
    delete decimalHexPane_.data();
    textHexPane_ = nullptr;
    decimalHexPane_ = nullptr;
}

void CParameterValuesPanel::clear()
{
    destroyRows();
    destroyPanes();
}

int CParameterValuesPanel::setParameters(const garray<g2driverParameter>& parameters)
{
    std::vector<const g2driverParameter*> shown;
    for (int32_t i = 0; i < parameters.size(); ++i) {
        const g2driverParameter* p = parameters[i];
        if (p && (showFixed_ || p->getInternal() != 1) && p->getKind() >= g2valueKind::bistate &&
            p->getKind() <= g2valueKind::string)
            shown.push_back(p);
    }
    g2driverParameterValueTable entered(5);
    getValues(entered, true);
    clear();
    if (shown.empty())
        return 0;

    QWidget* host = parentWidget();
    QFontMetrics metrics(font());
    int labelWidth = 0;
    for (const g2driverParameter* p : shown) {
        gstr label(p->getName());
        label.append(':');
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(toUiText(label)));
    }
    labelWidth = std::min(labelWidth + labelMargin, width());

    QPoint position = geometry().topLeft();
    QWidget* previous = this;
    bool hasString = false;
    bool hasNumber = false;
    for (const g2driverParameter* p : shown) {
        CValueRowDialog* row = makeRow(*p);
        if (!row->createRow(host, previous, position, labelWidth, width())) {
            delete row;
            continue;
        }
        rows_.push_back(row);
        row->setStringHexMode(textHexMode_ != 0);
        row->setNumberHexMode(decimalHexMode_ != 0);
        hasString = hasString || p->getKind() == g2valueKind::string;
        hasNumber = hasNumber || (p->getKind() == g2valueKind::digital && !hasValueNames(*p));
    }
    if (hasString) {
        textHexPane_ = new CTextHexPane(*this);
        textHexPane_->create(host, previous, position, width(), textHexMode_);
        previous = textHexPane_;
    }
    if (hasNumber) {
        decimalHexPane_ = new CDecimalHexPane(*this);
        decimalHexPane_->create(host, previous, position, width(), decimalHexMode_);
    }
    setValues(entered);
    return std::max(0, position.y() - geometry().bottom() - 1);
}

bool CParameterValuesPanel::getValues(g2driverParameterValueTable& table, bool quiet)
{
    for (CValueRowDialog* row : rows_) {
        std::unique_ptr<g2driverParameterValue> value;
        if (row && !row->buildValue(value, quiet))
            return false;
        if (value && !table.find(value->getName()))
            table.insert(value.release());
    }
    return true;
}

void CParameterValuesPanel::setValues(const g2driverParameterValueTable& values)
{
    jhashTypedIterator<g2driverParameterValue> it(values);
    g2driverParameterValue* value = nullptr;
    while (it.get(value)) {
        for (CValueRowDialog* row : rows_) {
            if (row && row->updateIfSameItem(*value))
                break;
        }
    }
}

bool CParameterValuesPanel::setTextHexMode(int mode)
{
    if (mode == textHexMode_)
        return true;
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (!rows_[i] || rows_[i]->setStringHexMode(mode != 0))
            continue;
        while (i-- > 0) {
            if (rows_[i])
                rows_[i]->setStringHexMode(textHexMode_ != 0);
        }
        return false;
    }
    textHexMode_ = mode;
    return true;
}

void CParameterValuesPanel::setDecimalHexMode(int mode)
{
    if (mode == decimalHexMode_)
        return;
    for (CValueRowDialog* row : rows_) {
        if (row)
            row->setNumberHexMode(mode != 0);
    }
    decimalHexMode_ = mode;
}
