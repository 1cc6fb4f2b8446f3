#include "g2driver/editor/CChecksumOptionsPane.h"

#include "g2driver/model/g2driverChecksum.h"

#include <algorithm>

namespace {

bool usesWords(int32_t kind) { return kind == g2driverChecksum::sum || kind == g2driverChecksum::lrc; }

bool usesPostProcessing(int32_t kind) { return kind >= g2driverChecksum::mod128 && kind <= g2driverChecksum::printable; }

// Shows or hides the pane; its height when it was hidden and now shows.
void showPane(QWidget& pane, bool show, int& height)
{
    if (show && pane.isHidden())
        height = pane.height();
    pane.setVisible(show);
}

} // namespace

CChecksumOptionsPane::CChecksumOptionsPane() = default;

// The panes go before their host does: they are its children.
CChecksumOptionsPane::~CChecksumOptionsPane() = default;

void CChecksumOptionsPane::create(CDialog& host, gprocessorCall::programTable* programs,
                                  int placeholderId, const g2driverChecksum* settings)
{
    postProcessing_ = std::make_unique<CPostProcessingPane>();
    postProcessing_->createOver(host, placeholderId);
    postProcessing_->load(settings);
    charSize_ = std::make_unique<CCharSizeOptionsPane>();
    charSize_->createOver(host, placeholderId);
    charSize_->load(settings);
    crc_ = std::make_unique<CCrcOptionsPane>();
    crc_->createOver(host, placeholderId);
    crc_->load(settings);
    processor_ = std::make_unique<CProcessorFormatPane>();
    processor_->create(host, programs, placeholderId, settings);
}

bool CChecksumOptionsPane::selectType(int32_t kind, int& height)
{
    if (kind == kind_)
        return true;
    int processorHeight = 0;
    if (!processor_->select(kind, processorHeight))
        return false;
    if (kind == g2driverChecksum::processor && kind_ != g2driverChecksum::processor)
        height = processorHeight;
    if (usesWords(kind_))
        postProcessing_->setPostProcessing(charSize_->postProcessing());
    else if (usesPostProcessing(kind_))
        charSize_->setPostProcessing(postProcessing_->postProcessing());
    if (g2driverChecksum::isCrc(kind))
        crc_->setKind(kind);
    showPane(*crc_, g2driverChecksum::isCrc(kind), height);
    showPane(*charSize_, usesWords(kind), height);
    showPane(*postProcessing_, usesPostProcessing(kind), height);
    kind_ = kind;
    return true;
}

int CChecksumOptionsPane::panesRight() const
{
    return std::max({postProcessing_->geometry().right(), charSize_->geometry().right(), crc_->geometry().right()});
}

bool CChecksumOptionsPane::apply(g2driverChecksum& settings)
{
    settings.setKind(kind_);
    int32_t complement = 0;
    int32_t words = 0;
    uint32_t initial = 0;
    uint32_t finalXor = 0;
    if (usesPostProcessing(kind_)) {
        complement = postProcessing_->postProcessing();
    } else if (usesWords(kind_)) {
        words = charSize_->charSize();
        complement = charSize_->postProcessing();
    } else if (g2driverChecksum::isCrc(kind_) && !crc_->read(initial, finalXor)) {
        return false;
    }
    settings.setOptions(complement, words, initial, finalXor);
    return processor_->apply(settings);
}

void assignChecksum(g2driverChecksum& to, const g2driverChecksum& from)
{
    to.setKind(from.kind());
    to.setOptions(from.complement(), from.wordOption(), from.initialValue(), from.finalXor());
    if (from.kind() == g2driverChecksum::processor)
        to.setProgram(from.program());
}
