#include "formats/ui/gcoderEditors.h"

#include "formats/gcoderKind.h"
#include "formats/gdecoder.h"
#include "formats/gencoder.h"
#include "formats/ui/CNewDecoderDialogs.h"
#include "formats/ui/CNewEncoderDialogs.h"
#include "formats/ui/CSelectCoderTypeDialog.h"

namespace {

// The coder's kind, or the user's choice; 0 when the choice was cancelled.
template <class Coder>
int kindOf(const Coder* coder, bool encoder, QWidget* parent)
{
    if (coder)
        return coder->getKind();
    CSelectCoderTypeDialog choose(encoder, parent);
    return choose.DoModal() == IDOK ? choose.chosenKind() : 0;
}

} // namespace

gdecoderEditor::gdecoderEditor(coderNumberLists* pane, uint32_t number, const gdecoder* coder, bool isNew,
                               QWidget* parent)
    : dialog_(makeDialog(kindOf(coder, false, parent), pane, number, coder, isNew))
{
}

gdecoderEditor::~gdecoderEditor() = default;

std::unique_ptr<CNewDecoderDialogBase> gdecoderEditor::makeDialog(int kind, coderNumberLists* pane, uint32_t number,
                                                                  const gdecoder* coder, bool isNew)
{
    switch (kind) {
    case gcoderKind::bistate: return std::make_unique<CNewBooleanDecoderDialog>(pane, number, coder, isNew);
    case gcoderKind::digitalNumber: return std::make_unique<CNewIntegerDecoderDialog>(pane, number, coder, isNew);
    case gcoderKind::digitalStrings: return std::make_unique<CNewStringSetDecoderDialog>(pane, number, coder, isNew);
    case gcoderKind::analogNumber: return std::make_unique<CNewFloatDecoderDialog>(pane, number, coder, isNew);
    case gcoderKind::string: return std::make_unique<CNewStringDecoderDialog>(pane, number, coder, isNew);
    default: return nullptr;
    }
}

gencoderEditor::gencoderEditor(coderNumberLists* pane, uint32_t number, const gencoder* coder, bool isNew,
                               QWidget* parent)
    : dialog_(makeDialog(kindOf(coder, true, parent), pane, number, coder, isNew))
{
}

gencoderEditor::~gencoderEditor() = default;

std::unique_ptr<CNewCoderDialogBase> gencoderEditor::makeDialog(int kind, coderNumberLists* pane, uint32_t number,
                                                                const gencoder* coder, bool isNew)
{
    switch (kind) {
    case gcoderKind::bistate: return std::make_unique<CNewBooleanEncoderDialog>(pane, number, coder, isNew);
    case gcoderKind::digitalNumber: return std::make_unique<CNewIntegerEncoderDialog>(pane, number, coder, isNew);
    case gcoderKind::digitalStrings: return std::make_unique<CNewStringSetEncoderDialog>(pane, number, coder, isNew);
    case gcoderKind::analogNumber: return std::make_unique<CNewFloatEncoderDialog>(pane, number, coder, isNew);
    case gcoderKind::string: return std::make_unique<CNewStringEncoderDialog>(pane, number, coder, isNew);
    default: return nullptr;
    }
}
