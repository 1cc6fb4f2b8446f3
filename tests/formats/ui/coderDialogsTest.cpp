#include "formats/gdecoder.h"
#include "formats/gencoder.h"
#include "formats/ui/CSelectCoderTypeDialog.h"
#include "formats/ui/CStringMatchPage.h"
#include "formats/ui/coderNumberLists.h"
#include "formats/ui/gcoderEditors.h"
#include "platform/recordingResponder.h"
#include "store/gkeyword.h"
#include "support/model/stationLines.h"
#include "support/ui/pageHost.h"
#include "support/ui/temporarySettings.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// The program coders pane as the dialogs see it: the numbers of its two
// lists and the selected row of the list in use.
struct fakePane final : coderNumberLists {
    std::vector<uint32_t> decoders;
    std::vector<uint32_t> encoders;
    int selected = -1;

    uint32_t nextFreeDecoderNumber() const override { return next(decoders); }
    uint32_t nextFreeEncoderNumber() const override { return next(encoders); }
    int findDecoderRow(uint32_t number, bool skip) const override { return find(decoders, number, skip); }
    int findEncoderRow(uint32_t number, bool skip) const override { return find(encoders, number, skip); }

    uint32_t next(const std::vector<uint32_t>& rows) const
    {
        if (rows.empty())
            return 0;
        size_t row = selected < 0 ? 0 : static_cast<size_t>(selected);
        uint32_t candidate = rows[row] + 1;
        while (++row < rows.size() && rows[row] == candidate)
            ++candidate;
        return candidate;
    }
    int find(const std::vector<uint32_t>& rows, uint32_t number, bool skipSelected) const
    {
        for (int row = static_cast<int>(rows.size()) - 1; row >= 0; --row) {
            if (rows[static_cast<size_t>(row)] == number)
                return skipSelected && row == selected ? -1 : row;
        }
        return -1;
    }
};

template <class Coder>
std::unique_ptr<Coder> loaded(int kindToken, const std::string& lines)
{
    std::unique_ptr<Coder> coder(Coder::create(kindToken));
    feedLines(lines + "END\n", [&](int token, gstr& value) { return coder->loadLine(token, value); });
    return coder;
}

template <class Coder>
std::string fields(const Coder& coder)
{
    return writtenText([&](CObjectFile& file) { coder.writeFields(file, 1); });
}

struct coderDialogs : testing::Test {
    temporarySettings store;
    recordingResponder user;
    fakePane pane;

    void pressOk()
    {
        user.scripts.push_back([](CDialog& d) { d.sendCommand(IDOK); });
    }
};

TEST_F(coderDialogs, TypeChoiceMakesTheDialogOfTheKind)
{
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.templateId(), 885);
        EXPECT_EQ(d.windowTitle(), "Select Decoder Type");
        EXPECT_TRUE(d.isChecked(1944));
        EXPECT_EQ(d.controlText(1944).view(), "&Numerical (floating-point number)");
        d.sendCommand(IDOK);
    });
    gdecoderEditor floatEditor(&pane, 0, nullptr, true);
    ASSERT_NE(floatEditor.dialog(), nullptr);
    EXPECT_EQ(floatEditor.dialog()->templateId(), 882);

    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Select Encoder Type");
        d.checkRadioButton(1944, 1948, 1948);
        d.sendCommand(IDOK);
    });
    gencoderEditor booleanEditor(&pane, 0, nullptr, true);
    ASSERT_NE(booleanEditor.dialog(), nullptr);
    EXPECT_EQ(booleanEditor.dialog()->templateId(), 889);

    user.scripts.push_back([](CDialog& d) { d.sendCommand(IDCANCEL); });
    gdecoderEditor cancelled(&pane, 0, nullptr, true);
    EXPECT_EQ(cancelled.dialog(), nullptr);

    EXPECT_EQ(gdecoderEditor::makeDialog(6, &pane, 0, nullptr, true), nullptr);
    int templates[] = {883, 880, 881, 882, 884};
    int encoderTemplates[] = {889, 888, 887, 890, 886};
    for (int kind = 1; kind <= 5; ++kind) {
        EXPECT_EQ(gdecoderEditor::makeDialog(kind, &pane, 0, nullptr, true)->templateId(), templates[kind - 1]);
        EXPECT_EQ(gencoderEditor::makeDialog(kind, &pane, 0, nullptr, true)->templateId(),
                  encoderTemplates[kind - 1]);
    }
}

TEST_F(coderDialogs, EveryKindShowsItsCoderAndBuildsAnEqualOne)
{
    struct coderCase {
        int kindToken;
        const char* lines;
    };
    const coderCase decoders[] = {
        {kw::BISTATE, "\tON_STRING\tON\n\tOFF_STRING\tOFF\n"},
        {kw::V_DIGITAL_NUMBER, "\tLEADING\t\t\n\tWIDTH\t\t4, \n\tTYPE\t\tDECIMAL\n"},
        {kw::V_DIGITAL_STRINGS, "\tVALUE_STRING\t0, OFF\n\tVALUE_STRING\t1, \"O[Nn],\"\n"},
        {kw::V_ANALOG_NUMBER, "\tWIDTH\t\t2\n\tTYPE\t\tSIGNED MULTIBYTE HI-LO\n\tDECIMALS\t1\n"},
        {kw::V_ANALOG_NUMBER, "\tTYPE\t\tDECIMAL\n\tSYMBOLS\t\t+, -, NONE, .\n\tEXPONENT\tE, e\n"},
        {kw::STRING, "\tPREFIX\t\tV=\n\tPATTERN\t\t.*\n"},
    };
    for (const auto& c : decoders) {
        auto coder = loaded<gdecoder>(c.kindToken, c.lines);
        ASSERT_EQ(fields(*coder), c.lines);
        pressOk();
        gdecoderEditor editor(&pane, 7, coder.get(), false);
        ASSERT_EQ(editor.dialog()->DoModal(), IDOK) << c.lines;
        EXPECT_EQ(editor.dialog()->number(), 7u);
        auto built = editor.dialog()->takeCoder();
        ASSERT_NE(built, nullptr);
        EXPECT_EQ(built->getKind(), coder->getKind());
        EXPECT_EQ(fields(*built), c.lines);
        EXPECT_TRUE(built->isComplete()) << c.lines;
    }
    const coderCase encoders[] = {
        {kw::BISTATE, "\tON_STRING\tON\n"},
        {kw::V_DIGITAL_NUMBER, "\tWIDTH\t\t4, RIGHT, 0\n\tTYPE\t\tHEX, a\n"},
        {kw::V_DIGITAL_STRINGS, "\tDEFAULT_STRING\t?\n\tVALUE_STRING\t0, OFF\n\tVALUE_STRING\t1, ON\n"},
        {kw::V_ANALOG_NUMBER, "\tTYPE\t\tDECIMAL\n\tSYMBOLS\t\tNONE, -, NONE\n\tDECIMALS\t1, .\n"},
        {kw::V_ANALOG_NUMBER, "\tWIDTH\t\t1\n\tTYPE\t\tSIGNED BYTE\n"},
        {kw::STRING, "\tWIDTH\t\t8, LEFT, \" \"\n\tREPLACEMENT\t?\n"},
        {kw::STRING, ""},
    };
    for (const auto& c : encoders) {
        auto coder = loaded<gencoder>(c.kindToken, c.lines);
        ASSERT_EQ(fields(*coder), c.lines);
        pressOk();
        gencoderEditor editor(&pane, 3, coder.get(), false);
        ASSERT_EQ(editor.dialog()->DoModal(), IDOK) << c.lines;
        auto built = editor.dialog()->takeCoder();
        ASSERT_NE(built, nullptr);
        EXPECT_EQ(fields(*built), c.lines);
        EXPECT_TRUE(built->isComplete()) << c.lines;
    }
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(coderDialogs, NewProposesTheNextNumberAndAsksBeforeReplacing)
{
    std::string proposed;
    user.scripts.push_back([&](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "New String Decoder");
        proposed = d.controlText(1496).view();
        setPageText(d, CStringMatchPage::patternId, "#+");
        d.sendCommand(IDOK);
    });
    auto* dialog = gdecoderEditor::makeDialog(5, &pane, 0, nullptr, true).release();
    std::unique_ptr<CNewDecoderDialogBase> owned(dialog);
    ASSERT_EQ(owned->DoModal(), IDOK);
    EXPECT_EQ(proposed, "0");
    EXPECT_EQ(owned->number(), 0u);

    pane.decoders = {0, 1, 5};
    pane.selected = 0;
    user.answers.push_back(ganswer::no);
    user.scripts.push_back([&](CDialog& d) {
        proposed = d.controlText(1496).view();
        setPageText(d, CStringMatchPage::patternId, "x");
        d.setControlText(1496, "5");
        d.sendCommand(IDOK);
        EXPECT_FALSE(d.hasEnded());
        d.sendCommand(IDOK);
    });
    user.answers.push_back(ganswer::yes);
    auto again = gdecoderEditor::makeDialog(5, &pane, 0, nullptr, true);
    ASSERT_EQ(again->DoModal(), IDOK);
    EXPECT_EQ(proposed, "2");
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_EQ(user.messages[0].promptId, 10377);
    EXPECT_EQ(user.messages[0].buttons, gbuttons::yesNo);
    EXPECT_EQ(again->number(), 5u);
}

TEST_F(coderDialogs, DuplicateAndEdit)
{
    auto coder = loaded<gencoder>(kw::BISTATE, "\tON_STRING\tON\n\tOFF_STRING\tOFF\n");
    pane.encoders = {4, 5, 9};
    pane.selected = 0;

    // Duplicate: the New caption, the coder's values and the next number.
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "New Boolean Encoder");
        EXPECT_EQ(d.controlText(1496).view(), "6");
        EXPECT_EQ(pageText(d, 1713).view(), "ON");
        d.sendCommand(IDOK);
    });
    gencoderEditor duplicate(&pane, 4, coder.get(), true);
    ASSERT_EQ(duplicate.dialog()->DoModal(), IDOK);
    EXPECT_EQ(duplicate.dialog()->number(), 6u);
    EXPECT_NE(duplicate.dialog()->builtCoder(), coder.get());

    // Edit keeping its number asks nothing; moving onto another asks.
    user.scripts.push_back([](CDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Edit Bistate Encoder");
        EXPECT_EQ(d.controlText(1496).view(), "4");
        d.sendCommand(IDOK);
    });
    gencoderEditor keep(&pane, 4, coder.get(), false);
    ASSERT_EQ(keep.dialog()->DoModal(), IDOK);
    EXPECT_TRUE(user.messages.empty());

    user.answers.push_back(ganswer::yes);
    user.scripts.push_back([](CDialog& d) {
        d.setControlText(1496, "9");
        d.sendCommand(IDOK);
    });
    gencoderEditor move(&pane, 4, coder.get(), false);
    ASSERT_EQ(move.dialog()->DoModal(), IDOK);
    EXPECT_EQ(user.lastMessage().promptId, 10377);
    EXPECT_EQ(move.dialog()->number(), 9u);
}

TEST_F(coderDialogs, RefusedNumberOrPageKeepsTheDialogOpen)
{
    user.scripts.push_back([](CDialog& d) {
        for (const char* bad : {"", "ab", "-1", "4294967296x"}) {
            d.setControlText(1496, bad);
            d.sendCommand(IDOK);
            EXPECT_FALSE(d.hasEnded()) << bad;
        }
        d.setControlText(1496, "4294967295");
        // Both on/off strings empty: the page refuses.
        d.sendCommand(IDOK);
        EXPECT_FALSE(d.hasEnded());
        d.sendCommand(IDCANCEL);
    });
    auto dialog = gencoderEditor::makeDialog(1, &pane, 0, nullptr, true);
    EXPECT_EQ(dialog->DoModal(), IDCANCEL);
    ASSERT_EQ(user.messages.size(), 5u);
    EXPECT_EQ(user.messages[0].promptId, 10082);
    EXPECT_EQ(user.messages[0].text, "Please enter a value between 0 and 4294967295.");
    EXPECT_EQ(user.messages[4].promptId, 10518);
    EXPECT_EQ(dialog->builtCoder(), nullptr);
}

} // namespace
