#include "g2driver/editor/CParameterValuesPanel.h"

#include "foundation/jhashIterator.h"
#include "g2driver/model/g2driverParameter.h"
#include "platform/CDialog.h"
#include "platform/modalRun.h"
#include "platform/settingsStore.h"
#include "platform/textCodec.h"
#include "shell/CBistateValueRow.h"
#include "shell/CEscapedStringEdit.h"
#include "shell/CHexDecSpinEdit.h"
#include "shell/CSpinEdit.h"

#include <QFontMetrics>
#include <QRadioButton>
#include <algorithm>
#include <charconv>
#include <memory>
#include <string>

namespace {

constexpr const char* settingsSection = "Dialogs\\Edit G2Driver";
constexpr int numberRowTemplate = 759;
constexpr int enterUnsigned = 10581;
constexpr int enterNumber = 10579;
constexpr int hexButton = 1434;
constexpr int textButton = 1435;
constexpr int decimalButton = 2065;
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

CValueRowDialog* makeRow(const g2driverParameter& parameter)
{
    switch (parameter.getKind()) {
    case g2valueKind::bistate: return new CBistateValueRow(&parameter);
    case g2valueKind::digital: return new CDigitalNumberValueRow(&parameter);
    case g2valueKind::analog: return new CAnalogValueRow(&parameter);
    case g2valueKind::string: return new CStringValueEditor(&parameter);
    default: return nullptr;
    }
}

// A show-as pane: two radio buttons that forward each click to the panel.
class showAsPane final : public CDialog {
public:
    showAsPane(int templateId, int firstId, const char* firstText) : CDialog(templateId)
    {
        setDialogSize(122, 12);
        addRadioButton(firstId, firstText, 0, 1, 60, 10);
        addRadioButton(hexButton, "Show as &hex", 64, 1, 58, 10);
    }
};

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
        hasNumber = hasNumber || p->getKind() == g2valueKind::digital;
    }
    if (hasString)
        textHexPane_ = makePane(763, textButton, "Show as te&xt", textHexMode_, previous, position);
    if (hasNumber)
        decimalHexPane_ = makePane(869, decimalButton, "Show as &decimal", decimalHexMode_, previous, position);
    setValues(entered);
    return std::max(0, position.y() - geometry().bottom() - 1);
}

CDialog* CParameterValuesPanel::makePane(int templateId, int firstId, const char* firstText, int mode,
                                         QWidget*& previous, QPoint& position)
{
    auto* pane = new showAsPane(templateId, firstId, firstText);
    pane->setParent(parentWidget(), Qt::Widget);
    pane->checkRadioButton(std::min(firstId, hexButton), std::max(firstId, hexButton), mode ? hexButton : firstId);
    pane->move(geometry().left() + width() - pane->width(), position.y());
    pane->stackUnder(previous);
    pane->show();
    position.ry() += pane->height();
    previous = pane;
    bool text = firstId == textButton;
    auto clicked = [this, pane, text, firstId] {
        int wanted = pane->isChecked(hexButton) ? 1 : 0;
        if (!text) {
            setDecimalHexMode(wanted);
            return;
        }
        if (!setTextHexMode(wanted))
            pane->checkRadioButton(std::min(firstId, hexButton), std::max(firstId, hexButton),
                                   wanted ? firstId : hexButton);
    };
    pane->onCommand(firstId, clicked);
    pane->onCommand(hexButton, clicked);
    return pane;
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
