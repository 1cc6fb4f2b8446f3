#include "g2driver/model/g2driverParameter.h"
#include "g2driver/model/g2driverParameterValue.h"
#include "shell/CBistateValueRow.h"
#include "shell/CSpinEdit.h"
#include "shell/CValueRowDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

g2driverParameter* parameter(const char* name, int32_t kind)
{
    auto* p = new g2driverParameter;
    p->setName(name);
    p->setKind(kind);
    return p;
}

// A number row as the driver editor builds them: an unsigned spin edit on
// template 759 that takes the width the row allows.
class numberRow : public CValueRowDialog {
public:
    explicit numberRow(const g2driverParameter* item) : CValueRowDialog(759, item), edit(new CUnsignedSpinEdit) {}

    bool createRow(QWidget* panel, QWidget*& previousRow, QPoint& position, int labelWidth, int rowWidth) override
    {
        return createRowFrom(panel, previousRow, position, labelWidth, rowWidth, edit, true, &valueWidth);
    }
    bool buildValue(std::unique_ptr<g2driverParameterValue>& out, bool) override
    {
        out.reset();
        return true;
    }
    void showValue(const g2driverParameterValue& value) override { edit->setValue(value.getNumber()); }

    CUnsignedSpinEdit* edit;
    int valueWidth = 0;
};

// A parameter row with a plain edit on template 782.
class textRow : public CParameterRowDialog {
public:
    explicit textRow(const g2driverParameter* item) : CParameterRowDialog(782, item), edit(new QLineEdit) {}

    bool createRow(QWidget* panel, QWidget*& previousRow, QPoint& position, int labelWidth, int& widest) override
    {
        return createRowFrom(panel, previousRow, position, labelWidth, widest, edit);
    }
    bool buildValue(std::unique_ptr<g2driverParameterValue>& out, bool) override
    {
        out.reset();
        return true;
    }
    void showValue(const g2driverParameterValue& value) override { edit->setText(QString::number(value.getNumber())); }

    QLineEdit* edit;
};

class valueRows : public testing::Test {
protected:
    // The placeholders of templates 759 and 762 in pixels of a row.
    QRect labelPlace(CRowDialogBase& row) { return row.control(valueRowTemplate::labelId)->geometry(); }

    QWidget panel;
    QWidget* previous = nullptr;
    QPoint position{0, 0};
    std::unique_ptr<g2driverParameter> item{parameter("Speed", g2valueKind::digital)};
};

TEST_F(valueRows, LabelWidthDecidesTheShift)
{
    struct shiftCase {
        int labelGrowth; // pixels beyond the label placeholder's width
        int shift;
    } cases[] = {{0, 0}, {5, 20}, {-10, 0}, {19, 20}, {31, 31}};
    for (const shiftCase& c : cases) {
        numberRow probe(item.get());
        QWidget* none = nullptr;
        QPoint at;
        ASSERT_TRUE(probe.createRow(&panel, none, at, 0, 10000));
        QRect placeholder = labelPlace(probe);
        int wide = placeholder.width() + c.labelGrowth;
        int templateValueX = probe.edit->x();

        auto* row = new numberRow(item.get());
        ASSERT_TRUE(row->createRow(&panel, previous, position, wide, 1000));
        EXPECT_EQ(row->edit->x(), templateValueX + c.shift) << c.labelGrowth;
        EXPECT_EQ(row->label()->text(), "Speed:");
        EXPECT_EQ(row->label()->x(), placeholder.x());
        EXPECT_EQ(row->label()->width(), wide);
    }
}

TEST_F(valueRows, RowsStackAndTakeThePanelWidth)
{
    numberRow first(item.get());
    numberRow second(item.get());
    ASSERT_TRUE(first.createRow(&panel, previous, position, 40, 300));
    EXPECT_EQ(previous, &first);
    EXPECT_EQ(position.y(), first.height());
    ASSERT_TRUE(second.createRow(&panel, previous, position, 40, 300));
    EXPECT_EQ(previous, &second);
    EXPECT_EQ(second.y(), first.height());
    EXPECT_EQ(second.width(), 300);
    EXPECT_EQ(second.parentWidget(), &panel);
    EXPECT_FALSE(second.isWindow());
    // The value control takes what the row allows and its spin sits at the
    // moved place.
    EXPECT_EQ(second.edit->width() + second.edit->spin().width(), second.valueWidth);
    EXPECT_EQ(second.edit->spin().geometry().left(), second.edit->geometry().right() + 1);
}

TEST_F(valueRows, NarrowRowMovesTheValueLeft)
{
    numberRow probe(item.get());
    QWidget* none = nullptr;
    QPoint at;
    ASSERT_TRUE(probe.createRow(&panel, none, at, 0, probe.templateSize().width()));
    int templateValueWidth = probe.valueWidth;

    // The label would shift the value 30 pixels, but the row is 10 pixels
    // narrower than its template: the value moves 10 pixels left instead.
    numberRow row(item.get());
    int rowWidth = row.templateSize().width() - 10;
    ASSERT_TRUE(row.createRow(&panel, previous, position, labelPlace(probe).width() + 30, rowWidth));
    EXPECT_EQ(row.edit->x(), probe.edit->x() - 10);
    EXPECT_EQ(row.valueWidth, templateValueWidth);
    EXPECT_EQ(row.width(), rowWidth);
}

TEST_F(valueRows, ParameterRowsGrowByTheShift)
{
    int widest = 0;
    textRow narrow(item.get());
    ASSERT_TRUE(narrow.createRow(&panel, previous, position, 0, widest));
    int templateWidth = narrow.width();
    int templateX = narrow.edit->x();
    EXPECT_EQ(widest, templateWidth);

    textRow wide(item.get());
    ASSERT_TRUE(wide.createRow(&panel, previous, position, labelPlace(narrow).width() + 40, widest));
    EXPECT_EQ(wide.width(), templateWidth + 40);
    EXPECT_EQ(wide.edit->x(), templateX + 40);
    EXPECT_EQ(widest, templateWidth + 40);
    EXPECT_EQ(wide.y(), narrow.height());
}

TEST_F(valueRows, OnlyTheSameItemIsShown)
{
    numberRow row(item.get());
    ASSERT_TRUE(row.createRow(&panel, previous, position, 40, 200));
    g2driverParameterValue other;
    other.setName("Speed");
    other.setBistate(true);
    EXPECT_FALSE(row.updateIfSameItem(other));
    EXPECT_TRUE(row.edit->text().isEmpty());
    g2driverParameterValue renamed;
    renamed.setName("speed");
    renamed.setDigital(9);
    EXPECT_FALSE(row.updateIfSameItem(renamed));
    g2driverParameterValue same;
    same.setName("Speed");
    same.setDigital(42);
    EXPECT_TRUE(row.updateIfSameItem(same));
    EXPECT_EQ(row.edit->text(), "42");
    EXPECT_TRUE(row.setStringHexMode(true));
}

TEST_F(valueRows, BistateRowGivesNothingOffOrOn)
{
    std::unique_ptr<g2driverParameter> pump(parameter("Pump", g2valueKind::bistate));
    CBistateValueRow row(pump.get());
    ASSERT_TRUE(row.createRow(&panel, previous, position, 40, 200));
    QComboBox* combo = row.combo();
    EXPECT_EQ(CDialog::controlId(combo), valueRowTemplate::valueId);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentIndex(), 0);
    std::unique_ptr<g2driverParameterValue> value(new g2driverParameterValue);
    EXPECT_TRUE(row.buildValue(value, false));
    EXPECT_EQ(value, nullptr);

    combo->setCurrentIndex(2);
    EXPECT_TRUE(row.buildValue(value, false));
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->getName().view(), "Pump");
    EXPECT_EQ(value->getKind(), g2valueKind::bistate);
    EXPECT_EQ(value->getNumber(), 1u);
    EXPECT_TRUE(value->isDefined());
    combo->setCurrentIndex(1);
    EXPECT_TRUE(row.buildValue(value, true));
    EXPECT_EQ(value->getNumber(), 0u);

    g2driverParameterValue stored;
    stored.setName("Pump");
    stored.setBistate(true);
    EXPECT_TRUE(row.updateIfSameItem(stored));
    EXPECT_EQ(combo->currentText(), "On");
    stored.setBistate(false);
    row.showValue(stored);
    EXPECT_EQ(combo->currentText(), "Off");
}

} // namespace
