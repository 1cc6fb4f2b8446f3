#include "registers/sources/ui/CEditIpAddressDialog.h"

#include "platform/textCodec.h"
#include "shell/CIpAddressEdit.h"

#include <QLineEdit>

namespace {

constexpr int addCaption = 10373;
constexpr int badAddress = 10319;

} // namespace

CEditIpAddressDialog::CEditIpAddressDialog(const std::array<uint8_t, 4>* address, bool add, QWidget* parent)
    : CDialog(878, parent), hasAddress_(address != nullptr), add_(add)
{
    if (address)
        address_ = *address;
    setWindowTitle("Edit IP Address");
    setDialogSize(186, 46);
    addLabel(-1, "&IP address:", 7, 9, 44, 8);
    auto* edit = addControl(addressId, new CIpAddressEdit, 54, 7, 70, 12);
    addButton(IDOK, "OK", 129, 7, 50, 14, true);
    addButton(IDCANCEL, "Cancel", 129, 24, 50, 14);
    QObject::connect(edit, &QLineEdit::textChanged, this,
                     [this] { enableControl(IDOK, !controlText(addressId).isEmpty()); });
}

bool CEditIpAddressDialog::OnInitDialog()
{
    if (add_)
        setWindowTitle(toUiText(gstr().loadString(addCaption)));
    auto* edit = dynamic_cast<CIpAddressEdit*>(control(addressId));
    if (hasAddress_) {
        uint8_t bytes[4] = {address_[0], address_[1], address_[2], address_[3]};
        edit->setAddress(bytes);
    }
    enableControl(IDOK, hasAddress_);
    return true;
}

void CEditIpAddressDialog::OnOK()
{
    uint8_t bytes[4];
    if (!dynamic_cast<CIpAddressEdit*>(control(addressId))->getAddress(bytes, true)) {
        refuseField(addressId, badAddress);
        return;
    }
    address_ = {bytes[0], bytes[1], bytes[2], bytes[3]};
    CDialog::OnOK();
}
