#include "platform/messageBeep.h"
#include "platform/recordingResponder.h"
#include "platform/textCodec.h"
#include "shell/CEscapedStringEdit.h"
#include "shell/CFilteredEdit.h"
#include "shell/CIpAddressEdit.h"
#include "shell/CMultiValueEdit.h"

#include "support/ui/controlHost.h"

#include <gtest/gtest.h>

namespace {

std::string textOf(const QLineEdit& edit) { return fromUiText(edit.text()).view().data(); }

TEST(tagNameEdit, SuffixesFollowTheNameKind)
{
    CTagNameEdit edit;
    int beeps = messageBeepCount();
    typeText(&edit, "a_Z9$%");
    EXPECT_EQ(textOf(edit), "a_Z9");
    EXPECT_EQ(messageBeepCount(), beeps + 2);
    edit.nameKind = 2;
    typeText(&edit, "$%");
    EXPECT_EQ(textOf(edit), "a_Z9$");
    edit.nameKind = 3;
    edit.clear();
    typeText(&edit, QString::fromUtf8("x% $\u00e9"));
    EXPECT_EQ(textOf(edit), "x%");
    EXPECT_EQ(messageBeepCount(), beeps + 6);
}

TEST(printableEdit, RefusesWhatIsNotPrintable)
{
    CPrintableEdit edit;
    int beeps = messageBeepCount();
    typeText(&edit, QString::fromUtf8("a ~\u00e9\u20ac\u0151"));
    EXPECT_EQ(textOf(edit), "a ~");
    EXPECT_EQ(messageBeepCount(), beeps + 3);
}

TEST(ipAddressEdit, ReadsFourBytesAndChecksHosts)
{
    struct addressCase {
        const char* text;
        bool host;
        bool any;
    } cases[] = {
        {"127.0.0.1", true, true},   {"127.0.0.2", false, true}, {"0.1.2.3", false, true},
        {"224.0.0.1", false, true},  {"223.255.0.9", true, true}, {"10.1.300.1", false, false},
        {"10.0.0", false, false},    {"10.0.0.1.", false, false}, {"", false, false},
        {"10..0.1", false, false},   {"10.0.0.1 ", false, false}, {"-1.0.0.1", false, false},
        {"4294967296.1.1.1", false, false},
    };
    CIpAddressEdit edit;
    for (const addressCase& c : cases) {
        edit.setText(QString::fromLatin1(c.text));
        uint8_t address[4] = {9, 9, 9, 9};
        EXPECT_EQ(edit.getAddress(address, true), c.host) << c.text;
        EXPECT_EQ(edit.getAddress(address, false), c.any) << c.text;
        if (!c.any) {
            EXPECT_EQ(address[0], 9) << c.text;
        }
    }
    uint8_t address[4] = {192, 168, 0, 17};
    edit.setAddress(address);
    EXPECT_EQ(textOf(edit), "192.168.0.17");
    uint8_t read[4] = {};
    ASSERT_TRUE(edit.getAddress(read, true));
    EXPECT_EQ(read[0], 192);
    EXPECT_EQ(read[3], 17);

    int beeps = messageBeepCount();
    edit.clear();
    typeText(&edit, "1.2a");
    EXPECT_EQ(textOf(edit), "1.2");
    EXPECT_EQ(messageBeepCount(), beeps + 1);
}

class escapedStringEdit : public testing::Test {
protected:
    recordingResponder user;
    CEscapedStringEdit edit;
    gstr out{"untouched"};
};

TEST_F(escapedStringEdit, HexItemsBetweenSpaces)
{
    ASSERT_TRUE(edit.setHexMode(1, false));
    struct hexCase {
        const char* text;
        bool ok;
        const char* bytes;
    } cases[] = {
        {"41 42", true, "AB"},      {"41 42   ", true, "AB"}, {"  41", true, "A"},
        {" ", true, ""},            {"", true, ""},           {"00FF", true, "\xFF"},
        {"4142", false, nullptr},   {"100", false, nullptr},  {"4G", false, nullptr},
    };
    for (const hexCase& c : cases) {
        edit.setText(QString::fromLatin1(c.text));
        out.assign("untouched");
        size_t shown = user.messages.size();
        EXPECT_EQ(edit.getValue(out, false), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(out.view(), c.bytes) << c.text;
            EXPECT_EQ(user.messages.size(), shown);
        } else {
            EXPECT_EQ(out.view(), "untouched") << c.text;
            ASSERT_EQ(user.messages.size(), shown + 1);
            EXPECT_EQ(user.lastMessage().promptId, 10050);
            EXPECT_EQ(user.lastMessage().text, "The string contains a value greater than FF.");
        }
    }
    // The bytes before the fault stay read; quiet shows nothing.
    edit.setText("41 100");
    size_t shown = user.messages.size();
    EXPECT_FALSE(edit.parse(true));
    EXPECT_EQ(edit.value().view(), "A");
    EXPECT_EQ(user.messages.size(), shown);
}

TEST_F(escapedStringEdit, ModesShowTheSameBytes)
{
    edit.setValue(gstrSlice("A\r\n\"\\\0", 6));
    EXPECT_EQ(textOf(edit), "A\\r\\n\"\\\\\\0");
    ASSERT_TRUE(edit.setHexMode(1, false));
    EXPECT_EQ(textOf(edit), "41 0D 0A 22 5C 00");
    ASSERT_TRUE(edit.setHexMode(0, false));
    EXPECT_EQ(textOf(edit), "A\\r\\n\"\\\\\\0");
    ASSERT_TRUE(edit.getValue(out, false));
    EXPECT_EQ(out, gstr(gstrSlice("A\r\n\"\\\0", 6)));
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(escapedStringEdit, UnreadableTextKeepsItsMode)
{
    edit.setText("abc\\");
    EXPECT_FALSE(edit.setHexMode(1, false));
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.lastMessage().promptId, 10051);
    EXPECT_EQ(user.lastMessage().text, "The string entered is not a valid C-Style string.");
    EXPECT_EQ(edit.hexMode(), 0);
    EXPECT_EQ(textOf(edit), "abc\\");
    EXPECT_FALSE(edit.getValue(out, true));
    EXPECT_EQ(out.view(), "untouched");
    EXPECT_EQ(user.messages.size(), 1u);
}

TEST_F(escapedStringEdit, HexModeTypesDigitsAndSpaces)
{
    int beeps = messageBeepCount();
    typeText(&edit, "a\"z");
    EXPECT_EQ(textOf(edit), "a\"z");
    edit.setText("");
    ASSERT_TRUE(edit.setHexMode(1, false));
    typeText(&edit, "0a Fz");
    EXPECT_EQ(textOf(edit), "0a F");
    EXPECT_EQ(messageBeepCount(), beeps + 1);
}

TEST(multiValueEdit, DifferingUntilTheUserTypes)
{
    controlHost host;
    auto* edit = host.add(1, new CMultiValueEdit);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] {
        if (edit->isModified())
            edit->markEdited();
    });
    auto ground = [edit] { return edit->grab().toImage(); };
    auto isDotted = [](const QImage& image) {
        QPoint p(image.width() / 2, image.height() - 4);
        return image.pixel(p) != image.pixel(p + QPoint(1, 0));
    };

    edit->setDiffering();
    EXPECT_FALSE(edit->hasValue());
    EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_TRUE(isDotted(ground()));

    typeText(edit, "x");
    EXPECT_TRUE(edit->hasValue());
    EXPECT_FALSE(edit->isModified());
    EXPECT_FALSE(isDotted(ground()));

    // The program's own change does not count as typing.
    edit->setDiffering();
    edit->setValue("shown");
    EXPECT_TRUE(edit->hasValue());
    EXPECT_FALSE(edit->isModified());
    EXPECT_EQ(textOf(*edit), "shown");

    edit->setDiffering();
    edit->setEnabled(false);
    EXPECT_FALSE(isDotted(ground()));
    edit->setEnabled(true);
    EXPECT_TRUE(isDotted(ground()));
}

} // namespace
