#include "g2driver/editor/CErrorCodeValuesPanel.h"

#include "foundation/jhashIterator.h"
#include "g2driver/model/g2driverErrorCode.h"
#include "platform/settingsStore.h"
#include "platform/textCodec.h"
#include "ports/gnamedValue.h"
#include "shell/CEscapedStringEdit.h"
#include "shell/CSpinEdit.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

namespace {

constexpr const char* settingsSection = "Dialogs\\Edit G2Driver";
constexpr int numberRefused = 10581;
constexpr int labelMargin = 5;
constexpr int smallestShift = 20;

class CNumberValueEditor final : public CErrorCodeValueRow {
public:
    explicit CNumberValueEditor(const g2driverErrorCode& code) : CNumberValueEditor(code, new CUnsignedSpinEdit) {}

    bool getValue(gnamedValue*& out) override
    {
        out = nullptr;
        if (edit_->text().isEmpty())
            return true;
        uint32_t number = 0;
        if (!edit_->getValue(number))
            return refuseField(valueId, numberRefused);
        out = new gnamedValue(code().getName(), number);
        return true;
    }
    bool setHexMode(int) override { return true; }
    void setValue(const gnamedValue& value) override { edit_->setValue(value.getNumber()); }

private:
    // The row takes the edit before this object exists; the pointer is kept
    // once it does.
    CNumberValueEditor(const g2driverErrorCode& code, CUnsignedSpinEdit* edit)
        : CErrorCodeValueRow(782, code, edit), edit_(edit)
    {
    }

    CUnsignedSpinEdit* edit_;
};

class CTextValueEditor final : public CErrorCodeValueRow {
public:
    explicit CTextValueEditor(const g2driverErrorCode& code) : CTextValueEditor(code, new CEscapedStringEdit) {}

    bool getValue(gnamedValue*& out) override
    {
        out = nullptr;
        if (edit_->text().isEmpty())
            return true;
        gstr bytes;
        if (!edit_->getValue(bytes, false)) {
            edit_->setFocus(Qt::OtherFocusReason);
            edit_->selectAll();
            return false;
        }
        out = new gnamedValue(code().getName(), gstrSlice(bytes));
        return true;
    }
    bool setHexMode(int mode) override { return edit_->setHexMode(mode, false); }
    void setValue(const gnamedValue& value) override { edit_->setValue(value.getText()); }

private:
    CTextValueEditor(const g2driverErrorCode& code, CEscapedStringEdit* edit)
        : CErrorCodeValueRow(783, code, edit), edit_(edit)
    {
    }

    CEscapedStringEdit* edit_;
};

// The text/hex pane: two radio buttons that forward each click to the panel.
class CCodeTextHexPane final : public CDialog {
public:
    CCodeTextHexPane() : CDialog(781)
    {
        setDialogSize(130, 12);
        addRadioButton(CErrorCodeValuesPanel::textButton, "Show as te&xt", 0, 1, 64, 10);
        addRadioButton(CErrorCodeValuesPanel::hexButton, "Show as &hex", 68, 1, 60, 10);
    }
};

QString labelText(const g2driverErrorCode& code)
{
    gstr label(code.getName());
    label.append(':');
    return toUiText(label);
}

} // namespace

CErrorCodeValueRow::CErrorCodeValueRow(int templateId, const g2driverErrorCode& code, QWidget* valueEdit)
    : CDialog(templateId), code_(code)
{
    setDialogSize(150, 14);
    addLabel(labelId, "", 0, 3, 60, 8)->setText(labelText(code));
    addControl(valueId, valueEdit, 62, 1, 86, 12);
}

bool CErrorCodeValueRow::takeValue(const gnamedValue& value)
{
    if (value.getKind() != code_.getKind() || gstrSlice(value.getName()).compare(code_.getName()) != 0)
        return false;
    setValue(value);
    return true;
}

CErrorCodeValuesPanel::CErrorCodeValuesPanel(QWidget* parent)
    : QWidget(parent), hexMode_(profileInt(settingsSection, "HexMode", 0) != 0 ? 1 : 0)
{
}

// The rows are children of the host, which may be gone already.
CErrorCodeValuesPanel::~CErrorCodeValuesPanel()
{
    writeProfileInt(settingsSection, "HexMode", hexMode_);
    for (CErrorCodeValueRow* row : rows_)
        delete row;
    delete pane_.data();
}

QSize CErrorCodeValuesPanel::setErrorCodes(const g2driverErrorCodeTable& codes)
{
    std::vector<const g2driverErrorCode*> sorted;
    jhashTypedIterator<g2driverErrorCode> it(codes);
    g2driverErrorCode* code = nullptr;
    while (it.get(code)) {
        if (code->getKind() == g2driverErrorCode::numerical || code->getKind() == g2driverErrorCode::text)
            sorted.push_back(code);
    }
    if (sorted.empty())
        return {};
    std::sort(sorted.begin(), sorted.end(), [](const g2driverErrorCode* a, const g2driverErrorCode* b) {
        return gstrSlice(a->getName()).compare(b->getName()) < 0;
    });
    QFontMetrics metrics(font());
    int labelWidth = 0;
    for (const g2driverErrorCode* c : sorted)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(labelText(*c)));
    labelWidth += labelMargin;

    QPoint position = geometry().topLeft();
    int width = this->width();
    bool anyText = false;
    for (const g2driverErrorCode* c : sorted) {
        bool text = c->getKind() == g2driverErrorCode::text;
        anyText = anyText || text;
        CErrorCodeValueRow* row = text ? static_cast<CErrorCodeValueRow*>(new CTextValueEditor(*c))
                                       : static_cast<CErrorCodeValueRow*>(new CNumberValueEditor(*c));
        row->setParent(parentWidget(), Qt::Widget);
        QLabel* label = row->controlAs<QLabel>(CErrorCodeValueRow::labelId);
        QWidget* value = row->control(CErrorCodeValueRow::valueId);
        int grow = labelWidth - label->width();
        int shift = grow <= 0 ? 0 : std::max(grow, smallestShift);
        label->resize(std::max(label->width(), labelWidth), label->height());
        value->move(value->x() + shift, value->y());
        row->resize(row->width() + shift, row->height());
        row->setHexMode(hexMode_);
        row->move(position);
        row->show();
        position.ry() += row->height();
        width = std::max(width, row->width());
        rows_.push_back(row);
    }
    if (anyText)
        makePane(position, width);
    int extraHeight = std::max(0, position.y() - 1 - geometry().bottom());
    return {width - this->width(), extraHeight};
}

void CErrorCodeValuesPanel::makePane(QPoint& position, int& width)
{
    auto* pane = new CCodeTextHexPane;
    pane->setParent(parentWidget(), Qt::Widget);
    pane->checkRadioButton(hexButton, textButton, hexMode_ ? hexButton : textButton);
    width = std::max(width, pane->width());
    pane->move(geometry().left() + width - pane->width(), position.y());
    pane->show();
    position.ry() += pane->height();
    auto clicked = [this, pane] {
        int wanted = pane->isChecked(hexButton) ? 1 : 0;
        if (!setHexMode(wanted))
            pane->checkRadioButton(hexButton, textButton, wanted ? textButton : hexButton);
    };
    pane->onCommand(textButton, clicked);
    pane->onCommand(hexButton, clicked);
    pane_ = pane;
}

void CErrorCodeValuesPanel::setValues(const jhashNamedObjectTable& defaults)
{
    jhashTypedIterator<gnamedValue> it(defaults);
    gnamedValue* value = nullptr;
    while (it.get(value)) {
        for (CErrorCodeValueRow* row : rows_) {
            if (row && row->takeValue(*value))
                break;
        }
    }
}

bool CErrorCodeValuesPanel::getValues(jhashNamedObjectTable& defaults)
{
    for (CErrorCodeValueRow* row : rows_) {
        gnamedValue* value = nullptr;
        if (row && !row->getValue(value))
            return false;
        if (value && !defaults.insert(value))
            delete value;
    }
    return true;
}

bool CErrorCodeValuesPanel::setHexMode(int mode)
{
    if (mode == hexMode_)
        return true;
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (!rows_[i] || rows_[i]->setHexMode(mode))
            continue;
        for (size_t j = 0; j < i; ++j) {
            if (rows_[j])
                rows_[j]->setHexMode(hexMode_);
        }
        return false;
    }
    hexMode_ = mode;
    return true;
}
