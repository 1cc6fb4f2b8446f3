#pragma once

#include "formats/ui/CNewCoderDialogBase.h"

#include <cstdint>
#include <memory>

class QWidget;

// What New, Duplicate and Edit of the coders pane go through: the kind is
// the coder's, or asked with the Select Decoder (Encoder) Type dialog when
// there is none, and the dialog of that kind is made for the pane to run.
// No dialog means the user cancelled the choice. The editor lives for one
// command and deletes its dialog, and with it any coder the pane did not
// take.
//
//   gdecoderEditor editor(pane, number, coder, isNew, paneWindow);
//   if (auto* dialog = editor.dialog(); dialog && dialog->DoModal() == IDOK)
//       pane.insert(dialog->number(), dialog->takeCoder());
class gdecoderEditor {
public:
    gdecoderEditor(coderNumberLists* pane, uint32_t number, const gdecoder* coder, bool isNew,
                   QWidget* parent = nullptr);
    ~gdecoderEditor();

    CNewDecoderDialogBase* dialog() const { return dialog_.get(); }

    // The dialog of a kind (1 to 5); null for any other.
    static std::unique_ptr<CNewDecoderDialogBase> makeDialog(int kind, coderNumberLists* pane, uint32_t number,
                                                             const gdecoder* coder, bool isNew);

private:
    std::unique_ptr<CNewDecoderDialogBase> dialog_;
};

class gencoderEditor {
public:
    gencoderEditor(coderNumberLists* pane, uint32_t number, const gencoder* coder, bool isNew,
                   QWidget* parent = nullptr);
    ~gencoderEditor();

    CNewCoderDialogBase* dialog() const { return dialog_.get(); }

    static std::unique_ptr<CNewCoderDialogBase> makeDialog(int kind, coderNumberLists* pane, uint32_t number,
                                                           const gencoder* coder, bool isNew);

private:
    std::unique_ptr<CNewCoderDialogBase> dialog_;
};
