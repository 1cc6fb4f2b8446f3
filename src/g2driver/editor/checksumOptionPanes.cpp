#include "g2driver/editor/checksumOptionPanes.h"

#include "g2driver/model/g2driverChecksum.h"
#include "platform/settingsStore.h"
#include "shell/CHexDecSpinEdit.h"

#include <QFrame>
#include <QLabel>

namespace {

constexpr const char* settingsSection = "Dialogs\\Edit G2Driver";
constexpr const char* crcHexModeEntry = "CRCHexMode";

const char* const postProcessingTexts[] = {"None", "1s complement", "2s complement"};
const char* const charSizeTexts[] = {"8 bits",
                                     "16 bits (lo-hi byte ordering)",
                                     "16 bits (hi-lo byte ordering)",
                                     "24 bits (lo-hi byte ordering)",
                                     "24 bits (hi-lo byte ordering)",
                                     "32 bits (lo-hi byte ordering)",
                                     "32 bits (hi-lo byte ordering)"};

struct crcKind {
    uint32_t initial;
    uint32_t finalXor;
    uint32_t highest;
    int initialMessage;
    int finalXorMessage;
};

const crcKind& crcKindOf(int32_t kind)
{
    static const crcKind kinds[] = {
        {0, 0, 65535, 10271, 10273},
        {65535, 0, 65535, 10271, 10273},
        {4294967295u, 4294967295u, 4294967295u, 10275, 10278},
    };
    if (kind < g2driverChecksum::crc16 || kind > g2driverChecksum::crc32)
        return kinds[0];
    return kinds[kind - g2driverChecksum::crc16];
}

int storedPostProcessing(const g2driverChecksum* settings)
{
    int complement = settings ? settings->complement() : 0;
    return complement >= 0 && complement <= 2 ? complement : 0;
}

} // namespace

CChecksumOptionPaneBase::CChecksumOptionPaneBase(int templateId) : CDialog(templateId) {}

void CChecksumOptionPaneBase::createOver(CDialog& host, int placeholderId)
{
    setParent(&host, Qt::Widget);
    QWidget* placeholder = host.control(placeholderId);
    if (placeholder) {
        move(placeholder->mapTo(&host, QPoint(0, 0)));
        stackUnder(placeholder);
    }
    ensureInitialized();
    hide();
}

void CChecksumOptionPaneBase::addSeparator(int y)
{
    addLabel(-1, "Data Format", 0, y, 50, 8);
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    addControl(-1, line, 52, y + 4, 200, 1);
}

// --- post-processing

CPostProcessingPane::CPostProcessingPane() : CChecksumOptionPaneBase(861)
{
    setDialogSize(252, 30);
    addLabel(-1, "&Post-processing:", 0, 2, 60, 8);
    addComboBox(postProcessingId, false, 64, 0, 100, 60);
    for (const char* text : postProcessingTexts)
        addItem(postProcessingId, text);
    addSeparator(18);
}

void CPostProcessingPane::load(const g2driverChecksum* settings) { setPostProcessing(storedPostProcessing(settings)); }

// --- char size

CCharSizeOptionsPane::CCharSizeOptionsPane() : CChecksumOptionPaneBase(865)
{
    setDialogSize(252, 48);
    addLabel(-1, "&Char size:", 0, 2, 60, 8);
    addComboBox(charSizeId, false, 64, 0, 130, 90);
    for (const char* text : charSizeTexts)
        addItem(charSizeId, text);
    addLabel(-1, "&Post-processing:", 0, 20, 60, 8);
    addComboBox(postProcessingId, false, 64, 18, 100, 60);
    for (const char* text : postProcessingTexts)
        addItem(postProcessingId, text);
    addSeparator(36);
}

void CCharSizeOptionsPane::load(const g2driverChecksum* settings)
{
    bool words = settings && (settings->kind() == g2driverChecksum::sum || settings->kind() == g2driverChecksum::lrc);
    int option = words ? settings->wordOption() : 0;
    selectItem(charSizeId, option >= 0 && option < 7 ? option : 0);
    setPostProcessing(storedPostProcessing(settings));
}

// --- CRC

CCrcOptionsPane::CCrcOptionsPane()
    : CChecksumOptionPaneBase(860), initial_(new CHexDecSpinEdit), finalXor_(new CHexDecSpinEdit)
{
    setDialogSize(252, 62);
    addLabel(-1, "&Initial value:", 0, 2, 60, 8);
    addControl(initialId, initial_, 64, 0, 70, 12);
    addLabel(-1, "&Final xor mask:", 0, 18, 60, 8);
    addControl(finalXorId, finalXor_, 64, 16, 70, 12);
    addRadioButton(showAsDecimalId, "Show as &decimal", 142, 0, 70, 10);
    addRadioButton(showAsHexId, "Show as &hex", 142, 13, 70, 10);
    addCheckBox(customizeId, "Customize algorithm", 0, 34, 100, 10);
    addSeparator(50);
}

CCrcOptionsPane::~CCrcOptionsPane()
{
    if (loaded_)
        writeProfileInt(settingsSection, crcHexModeEntry, isChecked(showAsHexId) ? 1 : 0);
}

void CCrcOptionsPane::load(const g2driverChecksum* settings)
{
    loaded_ = true;
    int hex = profileInt(settingsSection, crcHexModeEntry, 0) != 0 ? 1 : 0;
    checkRadioButton(showAsHexId, showAsDecimalId, hex ? showAsHexId : showAsDecimalId);
    initial_->setHexMode(hex);
    finalXor_->setHexMode(hex);
    bool customized = false;
    if (settings && g2driverChecksum::isCrc(settings->kind())) {
        kind_ = settings->kind();
        initial_->setValue(settings->initialValue());
        finalXor_->setValue(settings->finalXor());
        const crcKind& standard = crcKindOf(kind_);
        customized = settings->initialValue() != standard.initial || settings->finalXor() != standard.finalXor;
    }
    setChecked(customizeId, customized);
    if (!customized)
        showStandard();
    initial_->setReadOnly(!customized);
    finalXor_->setReadOnly(!customized);
    onCommand(customizeId, [this] { customizeClicked(); });
    for (int id : {showAsDecimalId, showAsHexId})
        onCommand(id, [this] { displayClicked(); });
}

void CCrcOptionsPane::showStandard()
{
    const crcKind& standard = crcKindOf(kind_);
    initial_->setValue(standard.initial);
    finalXor_->setValue(standard.finalXor);
}

void CCrcOptionsPane::setKind(int32_t kind)
{
    kind_ = kind;
    const crcKind& standard = crcKindOf(kind);
    initial_->spin().maximum = standard.highest;
    finalXor_->spin().maximum = standard.highest;
    if (!isChecked(customizeId)) {
        showStandard();
        return;
    }
    for (CHexDecSpinEdit* edit : {initial_, finalXor_}) {
        uint32_t value = 0;
        if (edit->getValue(value) && value > standard.highest)
            edit->setValue(value & standard.highest);
    }
}

void CCrcOptionsPane::customizeClicked()
{
    bool customized = isChecked(customizeId);
    if (!customized)
        showStandard();
    initial_->setReadOnly(!customized);
    finalXor_->setReadOnly(!customized);
}

void CCrcOptionsPane::displayClicked()
{
    int hex = isChecked(showAsHexId) ? 1 : 0;
    initial_->setHexMode(hex);
    finalXor_->setHexMode(hex);
}

bool CCrcOptionsPane::read(uint32_t& initial, uint32_t& finalXor)
{
    const crcKind& standard = crcKindOf(kind_);
    if (!isChecked(customizeId)) {
        initial = standard.initial;
        finalXor = standard.finalXor;
        return true;
    }
    if (!initial_->getValue(initial) || initial > standard.highest)
        return refuseField(initialId, standard.initialMessage);
    if (!finalXor_->getValue(finalXor) || finalXor > standard.highest)
        return refuseField(finalXorId, standard.finalXorMessage);
    return true;
}
