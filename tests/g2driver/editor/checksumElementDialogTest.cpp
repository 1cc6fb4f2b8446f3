#include "g2editFixture.h"

#include "g2driver/editor/CEditChecksumCommandElementDialog.h"
#include "g2driver/model/g2driverChecksumCommandElement.h"
#include "g2driver/model/g2driverProgram.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

using dialog = CEditChecksumCommandElementDialog;

// A command dialog of a driver that has no programs yet.
class programlessDialog : public fakeCommandDialog {
public:
    using fakeCommandDialog::fakeCommandDialog;
    g2driverProgramTable* driverPrograms() override { return &none; }
    g2driverProgramTable none{1};
};

class checksumElementDialog : public g2edit {
protected:
    void SetUp() override
    {
        g2edit::SetUp();
        host = std::make_unique<fakeCommandDialog>(*meter, read->parameters(), read->dataNames(), true);
    }

    g2driverChecksumCommandElement& element(int index) const
    {
        return static_cast<g2driverChecksumCommandElement&>(*read->elements()[index]);
    }
    static std::string kindShown(const dialog& d)
    {
        return std::string(d.itemText(dialog::typeId, d.selectedItem(dialog::typeId)).view());
    }
    static void chooseKind(dialog& d, const char* kind) { choose(d.controlAs<QComboBox>(dialog::typeId), kind); }
    static std::string crcText(dialog& d, int id) { return text(d.options().crcPane().controlText(id)); }

    std::unique_ptr<fakeCommandDialog> host;
};

TEST_F(checksumElementDialog, StoredElementsWriteTheSameLinesAfterAnUnchangedOk)
{
    for (int index : {10, 11}) {
        std::string before = written(element(index));
        auto d = opened<dialog>(*host, &element(index), &element(index), nullptr);
        EXPECT_EQ(refusal(*d), 0) << before;
        EXPECT_EQ(written(element(index)), before);
    }
}

TEST_F(checksumElementDialog, NewElementOpensAsAnLrcOfBytes)
{
    auto d = opened<dialog>(*host, nullptr, nullptr, nullptr);
    EXPECT_EQ(title(*d), "New Checksum Element");
    EXPECT_EQ(kindShown(*d), "LRC");
    EXPECT_EQ(text(d->controlText(dialog::skipFirstId)), "0");
    EXPECT_EQ(text(d->controlText(dialog::skipLastId)), "0");
    CCharSizeOptionsPane& sizes = d->options().charSizePane();
    EXPECT_TRUE(sizes.isHidden() == false);
    EXPECT_FALSE(d->options().crcPane().isHidden() == false);
    EXPECT_EQ(text(sizes.itemText(CCharSizeOptionsPane::charSizeId, sizes.charSize())), "8 bits");
    EXPECT_EQ(sizes.postProcessing(), 0);

    d->setControlText(dialog::skipFirstId, "1");
    d->setControlText(dialog::skipLastId, "2");
    EXPECT_EQ(refusal(*d), 0);
    std::unique_ptr<g2driverCommandElement> made(d->element());
    auto& checksum = static_cast<g2driverChecksumCommandElement&>(*made);
    EXPECT_EQ(checksum.checksum().kind(), g2driverChecksum::lrc);
    EXPECT_EQ(checksum.skipFirst(), 1);
    EXPECT_EQ(checksum.skipLast(), 2);
}

TEST_F(checksumElementDialog, ExclusionCountsAreRefusedOutOfRange)
{
    std::string before = written(element(10));
    auto d = opened<dialog>(*host, &element(10), &element(10), nullptr);
    d->setControlText(dialog::skipFirstId, "-1");
    EXPECT_EQ(refusal(*d), 10532);
    EXPECT_TRUE(d->hasFocus(dialog::skipFirstId));
    d->setControlText(dialog::skipFirstId, "0");
    d->setControlText(dialog::skipLastId, "x");
    EXPECT_EQ(refusal(*d), 10533);
    EXPECT_TRUE(d->hasFocus(dialog::skipLastId));
    EXPECT_EQ(written(element(10)), before);
}

TEST_F(checksumElementDialog, PostProcessingFollowsTheUserBetweenPanes)
{
    auto d = opened<dialog>(*host, nullptr, nullptr, nullptr);
    d->options().charSizePane().setPostProcessing(2);
    chooseKind(*d, "Modulo 256");
    EXPECT_TRUE(d->options().postProcessingPane().isHidden() == false);
    EXPECT_EQ(d->options().postProcessingPane().postProcessing(), 2);
    chooseKind(*d, "Simple sum");
    EXPECT_EQ(d->options().charSizePane().postProcessing(), 2);
    EXPECT_EQ(refusal(*d), 0);
    std::unique_ptr<g2driverCommandElement> made(d->element());
    const g2driverChecksum& settings = static_cast<g2driverChecksumCommandElement&>(*made).checksum();
    EXPECT_EQ(settings.kind(), g2driverChecksum::sum);
    EXPECT_EQ(settings.complement(), 2);
}

TEST_F(checksumElementDialog, CrcStandardPairIsShownReadOnlyAndStored)
{
    auto d = opened<dialog>(*host, nullptr, nullptr, nullptr);
    chooseKind(*d, "CRC-CCITT");
    CCrcOptionsPane& crc = d->options().crcPane();
    EXPECT_TRUE(crc.isHidden() == false);
    EXPECT_FALSE(crc.isChecked(CCrcOptionsPane::customizeId));
    EXPECT_EQ(crcText(*d, CCrcOptionsPane::initialId), "65535");
    EXPECT_EQ(crcText(*d, CCrcOptionsPane::finalXorId), "0");
    EXPECT_TRUE(crc.controlAs<QLineEdit>(CCrcOptionsPane::initialId)->isReadOnly());
    crc.checkRadioButton(CCrcOptionsPane::showAsHexId, CCrcOptionsPane::showAsDecimalId, CCrcOptionsPane::showAsHexId);
    crc.sendCommand(CCrcOptionsPane::showAsHexId);
    EXPECT_EQ(crcText(*d, CCrcOptionsPane::initialId), "FFFF");
    EXPECT_EQ(refusal(*d), 0);
    std::unique_ptr<g2driverCommandElement> made(d->element());
    const g2driverChecksum& settings = static_cast<g2driverChecksumCommandElement&>(*made).checksum();
    EXPECT_EQ(settings.kind(), g2driverChecksum::crcCcitt);
    EXPECT_EQ(settings.initialValue(), 0xFFFFu);
    EXPECT_EQ(settings.finalXor(), 0u);
    d.reset();

    // The display mode is kept for the next checksum dialog.
    auto next = opened<dialog>(*host, &element(10), &element(10), nullptr);
    EXPECT_TRUE(next->options().crcPane().isChecked(CCrcOptionsPane::showAsHexId));
    EXPECT_EQ(crcText(*next, CCrcOptionsPane::initialId), "FFFF");
}

TEST_F(checksumElementDialog, CustomizedCrcValuesAreCheckedAgainstTheKind)
{
    // CRC-16 stored as 65535, 0 is not the standard pair: customized.
    auto d = opened<dialog>(*host, &element(10), &element(10), nullptr);
    CCrcOptionsPane& crc = d->options().crcPane();
    EXPECT_EQ(kindShown(*d), "CRC-16");
    EXPECT_TRUE(crc.isChecked(CCrcOptionsPane::customizeId));
    EXPECT_FALSE(crc.controlAs<QLineEdit>(CCrcOptionsPane::initialId)->isReadOnly());
    crc.setControlText(CCrcOptionsPane::initialId, "65536");
    EXPECT_EQ(refusal(*d), 10271);
    EXPECT_TRUE(crc.hasFocus(CCrcOptionsPane::initialId));
    crc.setControlText(CCrcOptionsPane::initialId, "1");
    crc.setControlText(CCrcOptionsPane::finalXorId, "");
    EXPECT_EQ(refusal(*d), 10273);

    chooseKind(*d, "CRC-32");
    crc.setControlText(CCrcOptionsPane::initialId, "305419896");
    crc.setControlText(CCrcOptionsPane::finalXorId, "-1");
    EXPECT_EQ(refusal(*d), 10278);
    crc.setControlText(CCrcOptionsPane::finalXorId, "4294967295");
    chooseKind(*d, "CRC-16");
    EXPECT_EQ(crcText(*d, CCrcOptionsPane::initialId), "22136");
    EXPECT_EQ(crcText(*d, CCrcOptionsPane::finalXorId), "65535");

    crc.setChecked(CCrcOptionsPane::customizeId, false);
    crc.sendCommand(CCrcOptionsPane::customizeId);
    EXPECT_EQ(crcText(*d, CCrcOptionsPane::initialId), "0");
    EXPECT_TRUE(crc.controlAs<QLineEdit>(CCrcOptionsPane::initialId)->isReadOnly());
    EXPECT_EQ(refusal(*d), 0);
    EXPECT_EQ(element(10).checksum().initialValue(), 0u);

    auto standard = opened<dialog>(*host, &element(10), &element(10), nullptr);
    EXPECT_FALSE(standard->options().crcPane().isChecked(CCrcOptionsPane::customizeId));
}

TEST_F(checksumElementDialog, OnlyANewlyShownPaneResizesTheDialog)
{
    auto d = opened<dialog>(*host, nullptr, nullptr, nullptr);
    int lrcHeight = d->height();
    int pageY = d->page().y();
    chooseKind(*d, "CRC-16");
    int crcHeight = d->height();
    int grown = d->options().crcPane().height() - d->options().charSizePane().height();
    EXPECT_EQ(crcHeight - lrcHeight, grown);
    EXPECT_EQ(d->page().y() - pageY, grown);
    chooseKind(*d, "CRC-32");
    EXPECT_EQ(d->height(), crcHeight);
}

TEST_F(checksumElementDialog, ProcessorNeedsADriverProgram)
{
    programlessDialog bare(*meter, read->parameters(), read->dataNames(), true);
    auto d = opened<dialog>(bare, nullptr, nullptr, nullptr);
    user.messages.clear();
    chooseKind(*d, "Processor");
    EXPECT_EQ(messageIds(), std::vector<int>{10537});
    EXPECT_EQ(kindShown(*d), "LRC");
    EXPECT_EQ(d->options().currentKind(), g2driverChecksum::lrc);

    // A stored Processor checksum of a driver without programs falls back on
    // the first kind, whose pane is shown.
    std::string before = written(element(11));
    user.messages.clear();
    auto orphan = opened<dialog>(bare, &element(11), &element(11), nullptr);
    EXPECT_EQ(messageIds(), std::vector<int>{10537});
    EXPECT_EQ(kindShown(*orphan), "Simple sum");
    EXPECT_TRUE(orphan->options().charSizePane().isHidden() == false);
    orphan->sendCommand(IDCANCEL);
    EXPECT_EQ(written(element(11)), before);

    auto stored = opened<dialog>(*host, &element(11), &element(11), nullptr);
    EXPECT_EQ(kindShown(*stored), "Processor");
    EXPECT_TRUE(stored->options().processorPane().isHidden() == false);
    auto* programs = stored->options().processorPane().controlAs<QComboBox>(CProcessorFormatPane::programId);
    EXPECT_EQ(text(fromUiText(programs->currentText())), "Crc");
    chooseKind(*stored, "LRC");
    EXPECT_EQ(refusal(*stored), 0);
    EXPECT_EQ(element(11).checksum().kind(), g2driverChecksum::lrc);
    EXPECT_FALSE(element(11).checksum().program().isSet());
}

TEST_F(checksumElementDialog, ProcessorProgramIsChosenByTagAmongTheWorkingPrograms)
{
    struct workingDialog : fakeCommandDialog {
        using fakeCommandDialog::fakeCommandDialog;
        g2driverProgramTable* driverPrograms() override { return &working; }
        g2driverProgramTable working{5};
    } working(*meter, read->parameters(), read->dataNames(), true);
    working.working.define("Alpha");
    g2driverProgram* crc = working.working.define("Crc");
    auto d = opened<dialog>(working, &element(11), &element(11), nullptr);
    auto* programs = d->options().processorPane().controlAs<QComboBox>(CProcessorFormatPane::programId);
    EXPECT_EQ(text(fromUiText(programs->currentText())), "Crc");
    EXPECT_EQ(refusal(*d), 0);
    EXPECT_EQ(element(11).checksum().program().getProgram(), crc);
    // The working programs go before the driver: unlink from them.
    element(11).checksum().setKind(g2driverChecksum::lrc);
}

} // namespace
