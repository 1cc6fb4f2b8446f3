#include "g2driver/editor/CEditFixedStringElementDialog.h"

#include "formats/ui/CDataFormatPage.h"
#include "g2driver/model/g2driverFixedStringCommandElement.h"
#include "shell/CEscapedStringEdit.h"

namespace {

// A file cannot hold an empty fixed string; a hex text of blanks gives one.
constexpr int enterString = 12800;

} // namespace

CEditFixedStringElementDialog::CEditFixedStringElementDialog(commandElementHost& host,
                                                             const g2driverCommandElement* source,
                                                             g2driverCommandElement* edited, QWidget* parent)
    : CCommandElementDialogBase(templateId, 10505, host, source, edited, parent), edit_(new CEscapedStringEdit)
{
    setWindowTitle(QStringLiteral("Edit Fixed String Element"));
    setDialogSize(260, 44);
    addLabel(-1, "&String:", 7, 9, 30, 8);
    addControl(stringId, edit_, 40, 7, 150, 12);
    addRadioButton(showAsTextId, "Show as te&xt", 40, 24, 60, 10);
    addRadioButton(showAsHexId, "Show as &hex", 104, 24, 60, 10);
    addButton(IDOK, "OK", 203, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 203, 24, 50, 14);
}

CEditFixedStringElementDialog::~CEditFixedStringElementDialog()
{
    if (initialized_)
        CDataFormatPage::writeHexModeSetting(hexMode_);
}

bool CEditFixedStringElementDialog::OnInitDialog()
{
    CCommandElementDialogBase::OnInitDialog();
    initialized_ = true;
    hexMode_ = CDataFormatPage::readHexModeSetting();
    showMode();
    edit_->setHexMode(hexMode_, true);
    if (const auto* element = sourceAs<g2driverFixedStringCommandElement>())
        edit_->setValue(element->bytes());
    auto enableOk = [this] { enableControl(IDOK, !edit_->text().isEmpty()); };
    QObject::connect(edit_, &QLineEdit::textChanged, this, enableOk);
    enableOk();
    for (int id : {showAsTextId, showAsHexId})
        onCommand(id, [this] { switchMode(); });
    return true;
}

void CEditFixedStringElementDialog::showMode()
{
    checkRadioButton(showAsHexId, showAsTextId, hexMode_ ? showAsHexId : showAsTextId);
}

void CEditFixedStringElementDialog::switchMode()
{
    int wanted = isChecked(showAsHexId) ? 1 : 0;
    if (wanted != hexMode_ && edit_->setHexMode(wanted, false))
        hexMode_ = wanted;
    showMode();
}

bool CEditFixedStringElementDialog::checkFields()
{
    gstr bytes;
    if (!edit_->getValue(bytes, false)) {
        focusControl(stringId);
        return false;
    }
    if (bytes.isEmpty())
        return refuseField(stringId, enterString);
    bytes_ = bytes;
    return true;
}

g2driverCommandElement* CEditFixedStringElementDialog::makeElement() const
{
    return new g2driverFixedStringCommandElement;
}

void CEditFixedStringElementDialog::storeFields(g2driverCommandElement& element)
{
    static_cast<g2driverFixedStringCommandElement&>(element).setBytes(bytes_);
}
