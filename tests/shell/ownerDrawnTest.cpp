#include "g2driver/model/g2driverProgram.h"
#include "platform/textCodec.h"
#include "ports/ui/CResponseElementsList.h"
#include "registers/sources/ui/CColumnListBox.h"
#include "registers/gregister.h"
#include "scl/gsclProgram.h"
#include "screens/editor/CFillComboBox.h"
#include "screens/model/gfontName.h"
#include "shell/CArgumentListBox.h"
#include "shell/CAutoWidthCombo.h"
#include "shell/CColorButton.h"
#include "shell/CFontCombo.h"
#include "shell/CIconListBox.h"
#include "shell/CLineStyleCombo.h"
#include "shell/CProgramCombo.h"
#include "shell/CValueListBox.h"
#include "sourceedit/ui/CColourCombo.h"
#include "store/gobjectType.h"
#include "store/gprocessorCall.h"
#include "store/gstation.h"
#include "store/jhashTypedDatabaseTable.h"

#include "support/ui/controlHost.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <gtest/gtest.h>

namespace {

constexpr uint32_t rgb(int r, int g, int b) { return uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16; }

TEST(colorButton, DarkColoursGetWhiteText)
{
    struct colourCase {
        uint32_t colour;
        bool dark;
    } cases[] = {
        {rgb(0, 0, 255), true},      {rgb(0, 255, 0), true},       {rgb(255, 255, 0), true},
        {rgb(255, 255, 255), false}, {rgb(192, 192, 192), false}, {rgb(0, 0, 0), true},
        {rgb(128, 0, 128), false},
    };
    CColorButton button;
    EXPECT_FALSE(button.hasColor());
    for (const colourCase& c : cases) {
        button.setColor(c.colour);
        EXPECT_TRUE(button.hasColor());
        EXPECT_EQ(button.getColor(), c.colour);
        EXPECT_EQ(button.isDark(), c.dark) << std::hex << c.colour;
    }
    button.clearColor();
    EXPECT_FALSE(button.hasColor());
}

TEST(colorButton, DisabledShowsNoSwatch)
{
    CColorButton button("Fill");
    button.resize(80, 24);
    button.setColor(rgb(0, 0, 255));
    QPoint inSwatch(6, 12);
    EXPECT_EQ(button.grab().toImage().pixelColor(inSwatch), QColor(0, 0, 255));
    button.setEnabled(false);
    EXPECT_NE(button.grab().toImage().pixelColor(inSwatch), QColor(0, 0, 255));
}

TEST(colorButton, FocusMakesItTheDefaultButton)
{
    controlHost host;
    auto* ok = host.add(1, new QPushButton("OK"));
    ok->setDefault(true);
    auto* colour = host.add(1200, new CColorButton("Colour"));
    QFocusEvent focusIn(QEvent::FocusIn);
    QApplication::sendEvent(colour, &focusIn);
    EXPECT_TRUE(colour->isDefault());
    EXPECT_FALSE(ok->isDefault());
}

TEST(autoWidthCombo, DropDownFitsTheWidestEntry)
{
    CAutoWidthCombo combo;
    EXPECT_EQ(combo.fitDropDownWidth(), 0);
    combo.addItem("short");
    combo.addItem("a much longer entry");
    QFontMetrics metrics(combo.font());
    int expected = metrics.horizontalAdvance("a much longer entry")
        + combo.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &combo) + 5;
    EXPECT_EQ(combo.fitDropDownWidth(), expected);
    EXPECT_EQ(combo.view()->minimumWidth(), expected);
}

class programCombo : public testing::Test {
protected:
    void SetUp() override { station::programs().deleteAll(); }
    void TearDown() override { station::programs().deleteAll(); }

    gsclProgram* program(const char* tag, const char* title = nullptr)
    {
        gsclProgram* p = station::programs().define(tag);
        if (title)
            p->setTitle(title);
        return p;
    }

    static std::vector<std::string> entries(const CProgramCombo& combo)
    {
        std::vector<std::string> out;
        for (int i = 0; i < combo.count(); ++i)
            out.push_back(combo.itemText(i).toStdString());
        return out;
    }

    gprocessorCall call;
};

TEST_F(programCombo, StationProgramsByTitleWithNoneFirst)
{
    gsclProgram* pump = program("P1", "Pump");
    program("P2");
    CProgramCombo combo(&call);
    combo.setSorted(true);
    combo.fill(true);
    EXPECT_EQ(entries(combo), (std::vector<std::string>{"<None>", "P2", "Pump"}));
    EXPECT_EQ(combo.currentIndex(), 0);
    EXPECT_EQ(combo.selectedProgram(), nullptr);
    EXPECT_EQ(combo.selectionText().view(), "<None>");

    call.setProgram(pump);
    combo.fill(false);
    EXPECT_EQ(combo.currentText(), "Pump");
    EXPECT_EQ(combo.selectedProgram(), pump);
}

TEST_F(programCombo, SelectionFieldShowsTheArguments)
{
    gsclProgram* pump = program("P1", "Pump");
    call.setProgram(pump);
    auto* count = new gprogramArgument();
    count->setName("N");
    count->setNumber(1.5);
    call.addArgument(count, true);
    auto* name = new gprogramArgument();
    name->setName("T$");
    name->setString("a \"b\"");
    call.addArgument(name, true);
    auto* flag = new gprogramArgument();
    flag->setName("F%");
    flag->setBoolean(1);
    call.addArgument(flag, true);
    CProgramCombo combo(&call);
    combo.fill(true);
    EXPECT_EQ(combo.currentText(), "Pump");
    EXPECT_EQ(combo.selectionText().view(), "Pump (F% = TRUE%, T$ = \"a \"b\"\", N = 1.5)");
}

TEST_F(programCombo, DriverCallsListTheDriverPrograms)
{
    program("STATION");
    jhashTypedDatabaseTable<g2driverProgram> programs(7);
    programs.define("INIT");
    g2driverProgram* poll = programs.define("POLL");
    call.setProgramTable(&programs);
    CProgramCombo combo(&call);
    combo.setSorted(true);
    combo.fill(false);
    EXPECT_EQ(entries(combo), (std::vector<std::string>{"INIT", "POLL"}));
    EXPECT_EQ(combo.currentIndex(), 0);
    call.setProgram(poll);
    combo.fill(false);
    EXPECT_EQ(combo.selectedProgram(), poll);
    call.setProgramTable(nullptr);
    call.setProgram(nullptr);
}

TEST(lineStyleCombo, DrawsItsStylesAtItsWidth)
{
    CLineStyleCombo combo;
    EXPECT_EQ(combo.count(), 5);
    combo.setLineWidth(0);
    EXPECT_EQ(combo.lineWidth(), 1);
    combo.setLineWidth(3);
    EXPECT_EQ(combo.lineWidth(), 3);

    auto changesOnMiddleRow = [&combo](int style) {
        QImage image(60, 12, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter p(&image);
        combo.drawStyle(p, image.rect(), style, false);
        p.end();
        int changes = 0;
        for (int x = 1; x < image.width(); ++x)
            changes += image.pixel(x, 6) != image.pixel(x - 1, 6);
        EXPECT_NE(image.pixel(0, 0), QColor(Qt::magenta).rgb());
        return changes;
    };
    EXPECT_EQ(changesOnMiddleRow(0), 0);
    EXPECT_GT(changesOnMiddleRow(1), 2);
}

TEST(fontCombo, DefaultEntryStandsForNoFont)
{
    CFontCombo withDefault(1);
    withDefault.addItem("<Same as mantissa>");
    for (const char* face : {"System font", "Window font", "Monospace font", "MS Sans serif", "MS Serif", "Arial",
                             "Times New Roman", "Courier New"})
        withDefault.addItem(face);
    const gfontName* courier = symbolicFont(7);
    withDefault.setCurrentIndex(-1);
    EXPECT_EQ(withDefault.getFont(courier), courier);
    withDefault.selectFont(symbolicFont(3));
    EXPECT_EQ(withDefault.currentText(), "MS Sans serif");
    EXPECT_EQ(withDefault.getFont(nullptr), symbolicFont(3));
    EXPECT_STREQ(symbolicFont(3)->name(), "SANS SERIF");
    withDefault.selectFont(nullptr);
    EXPECT_EQ(withDefault.currentIndex(), 0);
    EXPECT_EQ(withDefault.getFont(courier), nullptr);

    CFontCombo plain(0);
    for (int i = 0; i < symbolicFontCount; ++i)
        plain.addItem(symbolicFont(i)->name());
    plain.selectFont(symbolicFont(0));
    EXPECT_EQ(plain.currentText(), "DEFAULT");
    plain.selectFont(nullptr);
    EXPECT_EQ(plain.currentIndex(), -1);
}

TEST(iconListBox, RegistersShowTheirClassAndAlarm)
{
    gregister latching, status, digital, none;
    latching.setObjectType(objectTypes::bistateRegister());
    latching.setLevel(4);
    status.setObjectType(objectTypes::bistateRegister());
    status.setLevel(2);
    digital.setObjectType(objectTypes::digitalRegister());
    CRegisterListBox list(0);
    list.addEntry("L", &latching);
    list.addEntry("S", &status);
    list.addEntry("D", &digital);
    list.addEntry("N", &none);
    EXPECT_EQ(list.iconOf(0), 0);
    EXPECT_EQ(list.iconOf(1), 1);
    EXPECT_EQ(list.iconOf(2), 2);
    EXPECT_EQ(list.iconOf(3), 0);
    EXPECT_EQ(list.entryObject(2), &digital);
    EXPECT_EQ(list.images().count(), 5);
    EXPECT_GE(list.itemHeight(), 9);
    EXPECT_EQ(list.iconTop(), (list.itemHeight() - 7) / 2);

    // Data objects and summary elements: their owner tells the type.
    int types[] = {3, 4};
    CRegisterListBox objects(1, [](const void* o) { return *static_cast<const int*>(o); });
    objects.addEntry("A", &types[0]);
    EXPECT_EQ(objects.iconOf(0), 3);
    CIconListBox summary([](const void* o) { return *static_cast<const int*>(o); });
    summary.addEntry("S", &types[1]);
    EXPECT_EQ(summary.iconOf(0), 4);
    types[1] = 2;
    EXPECT_EQ(summary.iconOf(0), 2);
}

// The rows are not measured one by one; a long name after a short first
// row still gets a row wide enough for it, or the list's whole width.
TEST(iconListBox, LongNamesAfterAShortFirstRowKeepTheirWidth)
{
    CRegisterListBox list(0);
    list.resize(120, 80);
    gregister reg;
    QString longName = "A register with a name far longer than the list is wide";
    list.addEntry("A", &reg);
    list.addEntry(fromUiText(longName), &reg);
    list.show();
    QCoreApplication::processEvents();
    QRect first = list.visualRect(list.model()->index(0, 0));
    QRect second = list.visualRect(list.model()->index(1, 0));
    EXPECT_EQ(first.height(), second.height());
    EXPECT_GE(second.width(), std::min(list.fontMetrics().horizontalAdvance(longName), list.viewport()->width()));
}

TEST(valueListBox, InsertsInNumberOrder)
{
    CValueListBox list;
    for (const char* entry : {"1\tone", "3\tthree", "10\tten"})
        list.insertSorted(entry);
    EXPECT_EQ(list.insertSorted("5\tfive"), 2);
    EXPECT_EQ(list.insertSorted("word"), 0);
    EXPECT_EQ(list.insertSorted("11\televen"), 5);
    EXPECT_EQ(list.insertSorted("0\tzero"), 1);
    EXPECT_EQ(list.item(3)->text(), "3\tthree");
}

TEST(argumentListBox, RecordsAppearOnlyWhenNeeded)
{
    CArgumentListBox list;
    int i = list.addString("A = 1");
    EXPECT_EQ(i, 0);
    EXPECT_TRUE(list.setItemDisabled(i, false));
    EXPECT_FALSE(list.hasRecord(i));
    EXPECT_EQ(list.getItemData(i), 0u);
    EXPECT_EQ(list.setItemData(i, 7), 0);
    EXPECT_EQ(list.getItemData(i), 7u);
    EXPECT_FALSE(list.isItemDisabled(i));

    EXPECT_EQ(list.insertString(0, "B$ = \"x\""), 0);
    EXPECT_TRUE(list.setItemDisabled(0, true));
    EXPECT_TRUE(list.isItemDisabled(0));
    EXPECT_EQ(list.getItemData(0), 0u);
    EXPECT_EQ(list.getItemData(1), 7u);

    EXPECT_FALSE(list.setItemDisabled(5, true));
    EXPECT_EQ(list.setItemData(5, 1), CArgumentListBox::listError);
    EXPECT_EQ(list.getItemData(-1), static_cast<uint32_t>(CArgumentListBox::listError));
    EXPECT_EQ(list.insertString(9, "C"), CArgumentListBox::listError);
    EXPECT_TRUE(list.deleteString(0));
    EXPECT_EQ(list.getItemData(0), 7u);
}

// A list draws its entries with a delegate the view does not own; opening a
// dialog over and over must not leave one behind per list.
template <class List>
bool freesItsDelegate()
{
    auto list = std::make_unique<List>();
    QPointer<QAbstractItemDelegate> delegate = list->itemDelegate();
    list.reset();
    return delegate.isNull();
}

TEST(ownerDrawnLists, FreeTheirDelegateWithThemselves)
{
    struct listCase {
        const char* name;
        bool (*frees)();
    } cases[] = {
        {"CColourCombo", freesItsDelegate<CColourCombo>},
        {"CFontStyleCombo", freesItsDelegate<CFontStyleCombo>},
        {"CLineStyleCombo", freesItsDelegate<CLineStyleCombo>},
        {"CFillComboBox", freesItsDelegate<CFillComboBox>},
        {"CIconListBox", freesItsDelegate<CIconListBox>},
        {"CColumnListBox", freesItsDelegate<CColumnListBox>},
        {"CResponseElementsList", freesItsDelegate<CResponseElementsList>},
        {"CArgumentListBox", freesItsDelegate<CArgumentListBox>},
    };
    for (const listCase& c : cases)
        EXPECT_TRUE(c.frees()) << c.name;
}

} // namespace
