#include "formats/ui/CNewCoderDialogBase.h"

#include "formats/gdecoder.h"
#include "formats/gencoder.h"
#include "formats/ui/coderNumberLists.h"
#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "shell/CSpinEdit.h"

#include <QFrame>
#include <QLabel>
#include <algorithm>
#include <type_traits>

namespace {

constexpr int numberMessage = 10082;
// One question for both kinds.
constexpr int numberInUseQuestion = 10377;

constexpr bool isDecoder(const gdecoder*) { return true; }
constexpr bool isDecoder(const gencoder*) { return false; }

} // namespace

template <class Coder>
CCoderDialog<Coder>::CCoderDialog(int templateId, int captionId, const char* caption, coderNumberLists* pane,
                                  uint32_t number, const Coder* coder, bool isNew, int pageCx, int pageCy)
    : CDialog(templateId, nullptr), captionId_(captionId), number_(number), coder_(coder), isNew_(isNew),
      pane_(pane)
{
    setWindowTitle(toUiText(caption));
    int cx = std::max(pageCx + 14, 170);
    int buttonsY = 44 + pageCy + 8;
    setDialogSize(cx, buttonsY + 21);
    addLabel(-1, isDecoder(static_cast<const Coder*>(nullptr)) ? "Decoder number:" : "Encoder number:", 7, 9, 60, 8);
    addControl(numberId, new CUnsignedSpinEdit, 70, 7, 70, 12);
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    addControl(-1, line, 7, 25, cx - 14, 2);
    addLabel(-1, "Data Format", 7, 31, 60, 8);
    addLabel(placeholderId, "", 7, 44, pageCx, 8)->hide();
    addButton(IDOK, "OK", cx - 114, buttonsY, 50, 14, true);
    addButton(IDCANCEL, "Cancel", cx - 57, buttonsY, 50, 14);
}

template <class Coder>
CCoderDialog<Coder>::~CCoderDialog() = default;

template <class Coder>
uint32_t CCoderDialog<Coder>::nextNumber() const
{
    if (!pane_)
        return 0;
    return isDecoder(static_cast<const Coder*>(nullptr)) ? pane_->nextFreeDecoderNumber()
                                                        : pane_->nextFreeEncoderNumber();
}

template <class Coder>
int CCoderDialog<Coder>::findRow(uint32_t number, bool skipSelected) const
{
    if (!pane_)
        return -1;
    return isDecoder(static_cast<const Coder*>(nullptr)) ? pane_->findDecoderRow(number, skipSelected)
                                                        : pane_->findEncoderRow(number, skipSelected);
}

template <class Coder>
bool CCoderDialog<Coder>::OnInitDialog()
{
    loadCoder(coder_);
    auto* field = dynamic_cast<CUnsignedSpinEdit*>(control(numberId));
    if (isNew_) {
        field->setValue(nextNumber());
        return true;
    }
    field->setValue(number_);
    setWindowTitle(toUiText(gstr().loadString(captionId_)));
    return true;
}

template <class Coder>
void CCoderDialog<Coder>::OnOK()
{
    uint32_t number = 0;
    if (!dynamic_cast<CUnsignedSpinEdit*>(control(numberId))->getValue(number))
        return (void)refuseField(numberId, numberMessage);
    built_.reset(buildCoder());
    if (!built_)
        return;
    if (findRow(number, !isNew_) != -1 && messageBox(numberInUseQuestion, gbuttons::yesNo) != ganswer::yes)
        return;
    number_ = number;
    EndDialog(IDOK);
}

template class CCoderDialog<gdecoder>;
template class CCoderDialog<gencoder>;
