#include "shell/CByteMaskCtrl.h"
#include "shell/CByteRotateCtrl.h"

#include "support/ui/controlHost.h"

#include <QApplication>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

using look = CByteMaskCtrl::cellLook;
constexpr int label = CByteMaskCtrl::labelCell;

class byteMask : public testing::Test {
protected:
    byteMask()
    {
        mask.resize(300, 48);
        mask.PreSubclassWindow();
    }

    QPoint centre(int group, int cell) const { return mask.cellRect(group, cell).center(); }
    void clickCell(int group, int cell) { click(&mask, centre(group, cell)); }

    CByteMaskCtrl mask;
};

TEST_F(byteMask, MostSignificantByteIsLeftmost)
{
    mask.setMask(0x80000001);
    EXPECT_EQ(mask.getMask(), 0x80000001u);
    EXPECT_EQ(mask.lookOf(0, 0), look::set);
    EXPECT_EQ(mask.lookOf(3, 7), look::set);
    EXPECT_EQ(mask.lookOf(0, 1), look::clear);
    EXPECT_EQ(mask.lookOf(3, 6), look::clear);
    EXPECT_EQ(mask.cellText(0, label), "Byte 3");
    EXPECT_EQ(mask.cellText(3, label), "Byte 0");
    EXPECT_EQ(mask.cellText(0, 0), "7");
    EXPECT_EQ(mask.cellText(3, 7), "0");
    mask.setMask(0x00FF0000);
    EXPECT_EQ(mask.lookOf(1, label), look::set);
    EXPECT_EQ(mask.lookOf(0, label), look::clear);
}

TEST_F(byteMask, ClicksToggleBitsAndWholeBytes)
{
    mask.setMask(0x000F0000);
    clickCell(1, label);
    EXPECT_EQ(mask.getMask(), 0x00FF0000u);
    clickCell(1, label);
    EXPECT_EQ(mask.getMask(), 0u);
    clickCell(2, 0);
    EXPECT_EQ(mask.getMask(), 0x00008000u);
    EXPECT_EQ(mask.focusByte(), 2);
    EXPECT_EQ(mask.focusBit(), 0);
    // A click in the gap between two groups hits nothing.
    QRect first = mask.cellRect(0, 7);
    click(&mask, QPoint(first.right() + 3, first.center().y()));
    EXPECT_EQ(mask.getMask(), 0x00008000u);
}

TEST_F(byteMask, ReleaseOutsideThePressedCellChangesNothing)
{
    mask.setMask(0x12345678);
    QPoint inside = centre(0, 3);
    QPoint outside = centre(2, 3);
    sendMouse(&mask, QEvent::MouseButtonPress, inside);
    EXPECT_EQ(mask.lookOf(0, 3), look::pressed);
    sendMouse(&mask, QEvent::MouseMove, outside);
    EXPECT_EQ(mask.lookOf(0, 3), look::set);
    sendMouse(&mask, QEvent::MouseMove, inside);
    EXPECT_EQ(mask.lookOf(0, 3), look::pressed);
    sendMouse(&mask, QEvent::MouseMove, outside);
    sendMouse(&mask, QEvent::MouseButtonRelease, outside);
    EXPECT_EQ(mask.getMask(), 0x12345678u);

    sendMouse(&mask, QEvent::MouseButtonPress, inside);
    mask.OnCancelMode();
    sendMouse(&mask, QEvent::MouseButtonRelease, inside);
    EXPECT_EQ(mask.getMask(), 0x12345678u);
    EXPECT_EQ(mask.lookOf(0, 3), look::set);
}

TEST_F(byteMask, ArrowKeysWalkTheCells)
{
    EXPECT_EQ(mask.focusByte(), 3);
    EXPECT_EQ(mask.focusBit(), 7);
    struct step {
        int key;
        int group;
        int cell;
    } walk[] = {
        {Qt::Key_Right, 3, 7},     // nothing right of the last bit
        {Qt::Key_Up, 3, label},    {Qt::Key_Up, 3, label}, {Qt::Key_Right, 3, label},
        {Qt::Key_Left, 2, label},  {Qt::Key_Left, 1, label}, // the label of Byte 2
        {Qt::Key_Down, 1, 7},      {Qt::Key_Down, 1, 7},     // its least significant bit
        {Qt::Key_Up, 1, label},    {Qt::Key_Down, 1, 7},
        {Qt::Key_Left, 1, 6},
        {Qt::Key_Right, 1, 7},     {Qt::Key_Right, 2, 0},    // on to the next byte's first cell
        {Qt::Key_Left, 1, 7},
    };
    for (const step& s : walk) {
        pressKey(&mask, s.key);
        EXPECT_EQ(mask.focusByte(), s.group) << s.key;
        EXPECT_EQ(mask.focusBit(), s.cell) << s.key;
    }
    clickCell(1, 0);
    pressKey(&mask, Qt::Key_Left);
    EXPECT_EQ(mask.focusByte(), 0);
    EXPECT_EQ(mask.focusBit(), 7);
    pressKey(&mask, Qt::Key_Up);
    pressKey(&mask, Qt::Key_Left);
    EXPECT_EQ(mask.focusByte(), 0);
    EXPECT_EQ(mask.focusBit(), label);
    // Alt+arrow is left to the dialog.
    pressKey(&mask, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(mask.focusByte(), 0);
}

TEST_F(byteMask, SpaceTogglesTheFocusCellOnRelease)
{
    mask.setMask(0x0000000F);
    pressKey(&mask, Qt::Key_Space);
    EXPECT_EQ(mask.lookOf(3, 7), look::pressed);
    // No focus move while Space is held.
    pressKey(&mask, Qt::Key_Left);
    EXPECT_EQ(mask.focusBit(), 7);
    releaseKey(&mask, Qt::Key_Space);
    EXPECT_EQ(mask.getMask(), 0x0000000Eu);
    pressKey(&mask, Qt::Key_Up);
    pressKey(&mask, Qt::Key_Space);
    releaseKey(&mask, Qt::Key_Space);
    EXPECT_EQ(mask.getMask(), 0x000000FFu);
    EXPECT_EQ(mask.lookOf(3, 0), look::set);
}

TEST(byteMaskLayout, SparePixelsGoToTheGaps)
{
    // 32 cells of 5 pixels and 37 spare pixels inside the edges.
    CByteMaskCtrl mask;
    mask.resize(32 * 5 + 37 + 2 * (byteGridLayout::edge + 2) + 1, 40);
    mask.PreSubclassWindow();
    const byteGridLayout& l = mask.layout();
    ASSERT_EQ(l.cellWidth, 5);
    EXPECT_EQ(l.groupX[1] - (l.groupX[0] + 40), 12);
    EXPECT_EQ(l.groupX[2] - (l.groupX[1] + 40), 13);
    EXPECT_EQ(l.groupX[3] - (l.groupX[2] + 40), 12);
    // Measured once: resizing later keeps the layout.
    mask.resize(400, 40);
    mask.PreSubclassWindow();
    EXPECT_EQ(mask.layout().cellWidth, 5);
}

TEST(byteMaskLayout, PlacedInADialogItMeasuresItself)
{
    controlHost host;
    auto* mask = host.add(1500, new CByteMaskCtrl, 5, 5, 200, 30);
    EXPECT_GT(mask->layout().cellWidth, 0);
    EXPECT_EQ(mask->layout().groupX[0], byteGridLayout::edge + 2);
}

std::vector<QString> texts(const std::vector<CByteRotateCtrl::cell>& cells)
{
    std::vector<QString> out;
    for (const auto& c : cells)
        out.push_back(c.text);
    return out;
}

class byteRotate : public testing::Test {
protected:
    byteRotate()
    {
        rotate.resize(400, 80);
        rotate.PreSubclassWindow();
    }
    CByteRotateCtrl rotate;
};

TEST_F(byteRotate, WholeBytesRelabelTheUpperRow)
{
    using R = CByteRotateCtrl;
    EXPECT_EQ(texts(rotate.cells(R::plainLabels)), (std::vector<QString>{"Byte 3", "Byte 2", "Byte 1", "Byte 0"}));
    EXPECT_EQ(texts(rotate.cells(R::rotatedLabels)), texts(rotate.cells(R::plainLabels)));
    rotate.setRotation(8);
    EXPECT_EQ(texts(rotate.cells(R::rotatedLabels)), (std::vector<QString>{"Byte 2", "Byte 1", "Byte 0", "Byte 3"}));
    auto plain = rotate.cells(R::plainLabels);
    EXPECT_TRUE(plain[0].shaded);
    EXPECT_FALSE(plain[1].shaded);
}

TEST_F(byteRotate, UpperBitsShowTheLowerBitsRotated)
{
    using R = CByteRotateCtrl;
    for (int n : {0, 1, 5, 8, 13, 31}) {
        rotate.setRotation(n);
        auto upper = rotate.cells(R::rotatedBits);
        auto lower = rotate.cells(R::plainBits);
        ASSERT_EQ(upper.size(), 32u);
        for (int k = 0; k < 32; ++k) {
            EXPECT_EQ(upper[k].text, lower[(k + n) % 32].text) << n << " " << k;
            EXPECT_EQ(upper[k].shaded, lower[(k + n) % 32].shaded) << n << " " << k;
            EXPECT_EQ(upper[k].rect.left(), lower[k].rect.left());
            EXPECT_LT(upper[k].rect.bottom(), lower[k].rect.top());
        }
    }
}

TEST_F(byteRotate, PartBytesSpanTheGaps)
{
    using R = CByteRotateCtrl;
    rotate.setRotation(33);
    EXPECT_EQ(rotate.getRotation(), 1);
    auto labels = rotate.cells(R::rotatedLabels);
    ASSERT_EQ(labels.size(), 5u);
    EXPECT_EQ(texts(labels), (std::vector<QString>{"Byte 3", "Byte 2", "Byte 1", "Byte 0", "3"}));
    const byteGridLayout& l = rotate.layout();
    int w = l.cellWidth;
    EXPECT_EQ(labels[0].rect.left(), l.groupX[0]);
    EXPECT_EQ(labels[0].rect.right(), l.groupX[0] + 7 * w);
    EXPECT_EQ(labels[1].rect.left(), l.groupX[0] + 7 * w);
    EXPECT_EQ(labels[1].rect.right(), l.groupX[1] + 7 * w);
    EXPECT_EQ(labels[4].rect.left(), l.groupX[3] + 7 * w);
    EXPECT_EQ(labels[4].rect.right(), l.groupX[3] + 8 * w);
    EXPECT_TRUE(labels[0].shaded);
    EXPECT_TRUE(labels[4].shaded);
    EXPECT_FALSE(labels[1].shaded);
}

// Rows lower than the program's lines (the control's template height at a
// large font) take a smaller font, so that labels and bits do not overlap.
TEST(byteRotateLayout, LowRowsTakeASmallerFont)
{
    CByteRotateCtrl rotate;
    int line = QFontMetrics(QApplication::font()).height();
    rotate.resize(400, 3 * line);
    rotate.PreSubclassWindow();
    for (auto which : {CByteRotateCtrl::rotatedLabels, CByteRotateCtrl::rotatedBits, CByteRotateCtrl::plainLabels,
                       CByteRotateCtrl::plainBits}) {
        for (const auto& c : rotate.cells(which))
            EXPECT_LE(QFontMetrics(rotate.cellFont()).height(), c.rect.height()) << which;
    }
    CByteRotateCtrl roomy;
    roomy.resize(400, 6 * line);
    roomy.PreSubclassWindow();
    EXPECT_EQ(roomy.cellFont(), QApplication::font());
}

TEST(byteRotateLayout, NarrowLabelsShowBareNumbers)
{
    CByteRotateCtrl rotate;
    rotate.resize(120, 60);
    rotate.PreSubclassWindow();
    rotate.setRotation(0);
    EXPECT_EQ(texts(rotate.cells(CByteRotateCtrl::rotatedLabels)), (std::vector<QString>{"3", "2", "1", "0"}));
}

} // namespace
