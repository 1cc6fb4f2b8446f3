#include "foundation/gnumFormat.h"
#include "platform/messageBeep.h"
#include "platform/settingsStore.h"
#include "platform/textCodec.h"
#include "shell/CHexDecSpinEdit.h"
#include "shell/CNumberListEdit.h"
#include "shell/CSpinEdit.h"

#include "support/ui/controlHost.h"
#include "support/ui/temporarySettings.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace {

constexpr int editId = 1010;
constexpr int up = -1;
constexpr int down = 1;

std::string textOf(const QLineEdit& edit) { return edit.text().toStdString(); }

// Counts the dialog's step notifications from the edit and keeps the last
// value.
struct stepLog {
    explicit stepLog(controlHost& host)
    {
        host.onNotify(editId, spinStepCode, [this](const notifyHeader& h) {
            ++count;
            from = h.from;
            value = static_cast<const spinStepNotify&>(h).value;
        });
    }
    int count = 0;
    QWidget* from = nullptr;
    double value = 0;
};

struct stepCase {
    const char* name;
    CSpinEdit* (*make)();
    double minimum; // NaN keeps the variant's limits
    double maximum;
    const char* text;
    int delta;
    const char* shown;
};

CSpinEdit* real() { return new CRealSpinEdit; }
CSpinEdit* nonNegative() { return new CNonNegativeSpinEdit; }
CSpinEdit* unsignedEdit() { return new CUnsignedSpinEdit; }
CSpinEdit* signedEdit() { return new CSignedSpinEdit; }

constexpr double keep = std::numeric_limits<double>::quiet_NaN();

const stepCase stepCases[] = {
    {"real empty up", real, keep, keep, "", up, "0"},
    {"real empty down", real, keep, keep, "", down, "0"},
    {"non-negative empty up", nonNegative, keep, keep, "", up, "0"},
    {"non-negative empty down", nonNegative, keep, keep, "", down, "2147483647"},
    {"unsigned empty down", unsignedEdit, keep, keep, "", down, "4294967295"},
    {"signed empty down", signedEdit, keep, keep, "", down, "0"},
    {"limits 1 and 1, empty up", real, 1, 1, "", up, "1"},
    {"limits 1 and 1, empty down", real, 1, 1, "", down, "1"},
    {"limits 1 and 1, 5 up", real, 1, 1, "5", up, "1"},
    {"limits 1 and 1, 5 down", real, 1, 1, "5", down, "1"},
    {"minimum 5, empty down", real, 5, keep, "", down, "9999999999"},
    {"minimum 5, empty up", real, 5, keep, "", up, "5"},
    {"maximum -3, empty up", real, keep, -3, "", up, "-9999999999"},
    {"leading number counts", signedEdit, keep, keep, "12abc", up, "13"},
    {"held arrow steps by its delta", real, keep, keep, "10", -5, "15"},
    {"at the upper limit", signedEdit, keep, keep, "2147483647", up, "2147483647"},
    {"at the lower limit", signedEdit, keep, keep, "-2147483648", down, "-2147483648"},
    {"fraction", real, keep, keep, "2.5", down, "1.5"},
    {"beyond a double", real, keep, keep, "1e999", down, "1.797693135E+308"},
};

class spinEdit : public testing::TestWithParam<stepCase> {};

TEST_P(spinEdit, StepShowsTheValueAndNotifiesOnce)
{
    const stepCase& c = GetParam();
    controlHost host;
    stepLog log(host);
    CSpinEdit* edit = host.add(editId, c.make());
    if (!std::isnan(c.minimum))
        edit->spin().minimum = c.minimum;
    if (!std::isnan(c.maximum))
        edit->spin().maximum = c.maximum;
    edit->setText(QString::fromLatin1(c.text));
    edit->spin().OnDeltaPos(c.delta);
    EXPECT_EQ(textOf(*edit), c.shown);
    EXPECT_EQ(edit->selectedText(), edit->text());
    EXPECT_EQ(log.count, 1);
    EXPECT_EQ(log.from, edit);
    EXPECT_EQ(log.value, fromUiText(edit->text()) == gstr("1.797693135E+308") ? std::numeric_limits<double>::max()
                                                                                : edit->text().toDouble());
}

INSTANTIATE_TEST_SUITE_P(cases, spinEdit, testing::ValuesIn(stepCases),
                         [](const testing::TestParamInfo<stepCase>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

TEST(spinEditValue, ReadsOnlyWholeNumbersOfTheDomain)
{
    CNonNegativeSpinEdit nonNegative;
    int32_t n = 77;
    nonNegative.setValue(-5);
    EXPECT_EQ(textOf(nonNegative), "-5");
    EXPECT_FALSE(nonNegative.getValue(n));
    nonNegative.setText("");
    n = 77;
    EXPECT_FALSE(nonNegative.getValue(n));
    EXPECT_EQ(n, 77);
    nonNegative.setText(" 42");
    EXPECT_TRUE(nonNegative.getValue(n));
    EXPECT_EQ(n, 42);

    CUnsignedSpinEdit unsignedEdit;
    uint32_t u = 0;
    unsignedEdit.setText("99999999999");
    EXPECT_TRUE(unsignedEdit.getValue(u));
    EXPECT_EQ(u, 4294967295u);
    // A pasted minus is no unsigned number.
    unsignedEdit.setText("-5");
    EXPECT_FALSE(unsignedEdit.getValue(u));
    unsignedEdit.setValue(4294967295u);
    EXPECT_EQ(textOf(unsignedEdit), "4294967295");

    CSignedSpinEdit signedEdit;
    int32_t s = 0;
    signedEdit.setText("99999999999");
    EXPECT_TRUE(signedEdit.getValue(s));
    EXPECT_EQ(s, 2147483647);
    signedEdit.setText("-99999999999");
    EXPECT_TRUE(signedEdit.getValue(s));
    EXPECT_EQ(s, -2147483647 - 1);
    signedEdit.setText("12abc");
    EXPECT_FALSE(signedEdit.getValue(s));
}

TEST(spinEditValue, RealNumbersUseTheUserDecimalSeparator)
{
    setUserDecimalSeparator(',');
    CRealSpinEdit edit;
    double x = 0;
    edit.setText("1,5e3");
    EXPECT_TRUE(edit.getValue(x));
    EXPECT_EQ(x, 1500);
    edit.setText("1.5");
    EXPECT_FALSE(edit.getValue(x));
    edit.setValue(0.25);
    EXPECT_EQ(textOf(edit), "0,25");
    edit.setValue(2147483647);
    EXPECT_EQ(textOf(edit), "2147483647");
    setUserDecimalSeparator('.');

    // A number beyond the range of a double is no value.
    edit.setText("1e999");
    EXPECT_FALSE(edit.getValue(x));
    for (const char* refused : {"", "e5", ".", "1e", "inf", "0x10", "1 "}) {
        edit.setText(QString::fromLatin1(refused));
        EXPECT_FALSE(edit.getValue(x)) << refused;
    }
    for (const char* taken : {" 1", "+.5", "-3.", "1E-2"}) {
        edit.setText(QString::fromLatin1(taken));
        EXPECT_TRUE(edit.getValue(x)) << taken;
    }
}

// A real shows ten digits but gives back the value it was given while its
// text is the one shown (also when it is typed back); another text is read
// as typed.
TEST(spinEditValue, RealsShownGiveBackTheirExactValue)
{
    const double values[] = {1.0 / 3.0,
                             0.123456789012345,
                             1.0000000000000002,
                             -1.79769313486231e308,
                             std::numeric_limits<double>::max(),
                             -std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::denorm_min(),
                             2147483647};
    for (double value : values) {
        CRealSpinEdit edit;
        edit.setValue(value);
        double read = 0;
        EXPECT_TRUE(edit.getValue(read)) << textOf(edit);
        EXPECT_EQ(read, value) << textOf(edit);
    }
    CRealSpinEdit edit;
    double read = 0;
    edit.setValue(1.0 / 3.0);
    EXPECT_EQ(textOf(edit), "0.3333333333");
    edit.setText("0.25");
    ASSERT_TRUE(edit.getValue(read));
    EXPECT_EQ(read, 0.25);
    edit.setText("0.3333333333");
    ASSERT_TRUE(edit.getValue(read));
    EXPECT_EQ(read, 1.0 / 3.0);
    edit.setText("");
    EXPECT_FALSE(edit.getValue(read));
    edit.setValue(std::numeric_limits<double>::infinity());
    EXPECT_FALSE(edit.getValue(read));
}

TEST(spinEditKeys, RefusedCharactersBeepAndStayOut)
{
    controlHost host;
    auto* real = host.add(1, new CRealSpinEdit);
    auto* count = host.add(2, new CNonNegativeSpinEdit);
    auto* signedEdit = host.add(3, new CSignedSpinEdit);
    int beeps = messageBeepCount();
    typeText(real, "-1.5e+3x");
    EXPECT_EQ(textOf(*real), "-1.5e+3");
    EXPECT_EQ(messageBeepCount(), beeps + 1);
    typeText(count, "+-12");
    EXPECT_EQ(textOf(*count), "12");
    EXPECT_EQ(messageBeepCount(), beeps + 3);
    typeText(signedEdit, QString::fromUtf8("-7\u00e9"));
    EXPECT_EQ(textOf(*signedEdit), "-7");
    // Backspace is a control character and always passes.
    QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    QApplication::sendEvent(signedEdit, &backspace);
    EXPECT_EQ(textOf(*signedEdit), "-");
    EXPECT_EQ(messageBeepCount(), beeps + 4);
}

TEST(spinEditSpin, GluedToTheEditAndFollowsIt)
{
    controlHost host;
    auto* edit = host.add(editId, new CUnsignedSpinEdit, 10, 10, 80, 14);
    QRect placed = host.dialogUnits(10, 10, 80, 14);
    CNumericSpinButton& spin = edit->spin();
    EXPECT_EQ(spin.parentWidget(), &host);
    EXPECT_EQ(spin.buddy(), edit);
    EXPECT_EQ(edit->geometry().left(), placed.left());
    EXPECT_EQ(spin.geometry().right(), placed.right());
    EXPECT_EQ(edit->geometry().right() + 1, spin.geometry().left());
    EXPECT_EQ(spin.geometry().height(), placed.height());

    host.enableControl(editId, false);
    EXPECT_FALSE(spin.isEnabled());
    host.enableControl(editId, true);
    EXPECT_TRUE(spin.isEnabled());

    edit->setReadOnly(true);
    EXPECT_FALSE(spin.isEnabled());
    host.enableControl(editId, false);
    host.enableControl(editId, true);
    EXPECT_FALSE(spin.isEnabled());
    edit->setReadOnly(false);
    EXPECT_TRUE(spin.isEnabled());

    host.showControl(editId, false);
    EXPECT_TRUE(spin.isHidden());
    host.showControl(editId, true);
    EXPECT_FALSE(spin.isHidden());
}

TEST(spinEditSpin, PressOnTheArrowsSteps)
{
    controlHost host;
    stepLog log(host);
    auto* edit = host.add(editId, new CSignedSpinEdit);
    edit->setValue(7);
    CNumericSpinButton& spin = edit->spin();
    click(&spin, QPoint(spin.width() / 2, 1));
    EXPECT_EQ(textOf(*edit), "8");
    click(&spin, QPoint(spin.width() / 2, spin.height() - 2));
    click(&spin, QPoint(spin.width() / 2, spin.height() - 2));
    EXPECT_EQ(textOf(*edit), "6");
    EXPECT_EQ(log.count, 3);

    // Without a buddy a step does nothing.
    CNumericSpinButton alone;
    EXPECT_EQ(alone.OnDeltaPos(up), 0);
}

TEST(hexDecSpinEdit, StepsByOneInItsBase)
{
    controlHost host;
    stepLog log(host);
    auto* edit = host.add(editId, new CHexDecSpinEdit);
    edit->setHexMode(1);
    edit->setText("FFFFFFFF");
    edit->spin().OnDeltaPos(-20);
    EXPECT_EQ(textOf(*edit), "FFFFFFFF");
    edit->spin().OnDeltaPos(20);
    EXPECT_EQ(textOf(*edit), "FFFFFFFE");
    EXPECT_EQ(log.count, 2);
    EXPECT_EQ(log.value, 4294967294.0);
    edit->setHexMode(0);
    EXPECT_EQ(textOf(*edit), "4294967294");
    edit->setHexMode(1);
    EXPECT_EQ(textOf(*edit), "FFFFFFFE");

    edit->setText("0x1g");
    edit->setHexMode(0);
    EXPECT_EQ(textOf(*edit), "0x1g");

    edit->spin().minimum = 10;
    edit->spin().maximum = 12;
    edit->setText("");
    edit->spin().OnDeltaPos(up);
    EXPECT_EQ(textOf(*edit), "10");
    edit->setText("");
    edit->spin().OnDeltaPos(down);
    EXPECT_EQ(textOf(*edit), "12");
}

TEST(hexDecSpinEdit, KeysAndValuesFollowTheMode)
{
    controlHost host;
    auto* edit = host.add(editId, new CHexDecSpinEdit);
    int beeps = messageBeepCount();
    typeText(edit, "1a");
    EXPECT_EQ(textOf(*edit), "1");
    EXPECT_EQ(messageBeepCount(), beeps + 1);
    edit->setHexMode(1);
    typeText(edit, "aF");
    EXPECT_EQ(textOf(*edit), "1aF");
    uint32_t v = 0;
    EXPECT_TRUE(edit->getValue(v));
    EXPECT_EQ(v, 0x1AFu);
    edit->setValue(0xBEEF);
    EXPECT_EQ(textOf(*edit), "BEEF");
    edit->setText("-1");
    EXPECT_FALSE(edit->getValue(v));
}

class numberListEdit : public testing::Test {
protected:
    void useListSeparator(const char* separator)
    {
        settings().writeString(settingsHive::currentUser, "Control Panel\\International", "sList", separator);
    }

    static std::vector<uint32_t> items(const garrayVariable<uint32_t>& list)
    {
        std::vector<uint32_t> out;
        for (int32_t i = 0; i < list.size(); ++i)
            out.push_back(list[i]);
        return out;
    }

    temporarySettings temp;
    CNumberListEdit edit;
    garrayVariable<uint32_t> list;
};

TEST_F(numberListEdit, ReadsNumbersBetweenSeparators)
{
    useListSeparator(";");
    struct readCase {
        const char* text;
        bool ok;
        std::vector<uint32_t> numbers;
    } cases[] = {
        {"3 ;4", true, {3, 4}},
        {" 1;2 ; 3 ", true, {1, 2, 3}},
        {"", true, {}},
        {"3;", false, {3}},
        {"3;;4", false, {3}},
        {"   ", false, {}},
        {"3,4", false, {}},
        {"5;-6", false, {5}},
    };
    for (const readCase& c : cases) {
        edit.setText(QString::fromLatin1(c.text));
        EXPECT_EQ(edit.getValues(list), c.ok) << c.text;
        EXPECT_EQ(items(list), c.numbers) << c.text;
    }
}

TEST_F(numberListEdit, WritesTheSeparatorAndASpace)
{
    useListSeparator(",");
    edit.setText("kept");
    edit.setValues(list);
    EXPECT_EQ(textOf(edit), "kept");
    list.append(1);
    list.append(20);
    list.append(300);
    edit.setValues(list);
    EXPECT_EQ(textOf(edit), "1, 20, 300");
    EXPECT_TRUE(edit.getValues(list));
    EXPECT_EQ(items(list), (std::vector<uint32_t>{1, 20, 300}));

    int beeps = messageBeepCount();
    edit.clear();
    typeText(&edit, "4, 5;x");
    EXPECT_EQ(textOf(edit), "4, 5");
    EXPECT_EQ(messageBeepCount(), beeps + 2);
}

} // namespace
