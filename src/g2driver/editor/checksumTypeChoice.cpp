#include "g2driver/editor/checksumTypeChoice.h"

#include "formats/ui/CDataFormatPage.h"
#include "g2driver/editor/CChecksumOptionsPane.h"
#include "platform/CDialog.h"

#include <QComboBox>
#include <algorithm>

namespace {

const char* const kindTexts[] = {"Simple sum", "LRC",        "CRC-16",
                                 "CRC-CCITT",  "CRC-32",     "Modulo 128",
                                 "Modulo 256", "Printable checksum", "Processor"};

} // namespace

void checksumTypeChoice::fillKinds(CDialog& dialog)
{
    for (const char* text : kindTexts)
        dialog.addItem(typeId, text);
}

void checksumTypeChoice::start(CDialog& dialog, CChecksumOptionsPane& options, CDataFormatPage& page, int32_t kind)
{
    dialog_ = &dialog;
    options_ = &options;
    page_ = &page;
    int margin = page.x();
    dialog.resize(std::max(dialog.width(), options.panesRight() + margin), dialog.height());
    startSize_ = dialog.size();
    auto* list = dialog.controlAs<QComboBox>(typeId);
    select(kind);
    QObject::connect(list, &QComboBox::currentIndexChanged, &dialog, [this](int index) {
        if (!restoring_)
            select(index + 1);
    });
}

void checksumTypeChoice::select(int32_t kind)
{
    int height = 0;
    bool accepted = options_->selectType(kind, height);
    // A stored kind refused at opening must not leave the options without
    // a kind: the first entry's pane stands in, so OK stores a valid kind.
    if (!accepted && options_->currentKind() == 0) {
        kind = accepted_ + 1;
        accepted = options_->selectType(kind, height);
    }
    if (accepted) {
        accepted_ = kind - 1;
        if (height) {
            dialog_->resize(startSize_.width(), startSize_.height() + height);
            page_->moveTo(height);
        }
    }
    restoring_ = true;
    dialog_->selectItem(typeId, accepted_);
    restoring_ = false;
}
