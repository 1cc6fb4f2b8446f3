#include "screens/editor/CGraphPropertiesPane.h"

#include "platform/modalRun.h"
#include "platform/systemColours.h"
#include "registers/gregister.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/ggraphObject.h"
#include "shell/CAutoWidthCombo.h"
#include "shell/CSpinEdit.h"
#include "shell/CStateIconCtrl.h"

#include <QComboBox>
#include <QEvent>
#include <QPainter>
#include <QRadioButton>

namespace {

constexpr int topMessage = 10741, bottomMessage = 10742;
constexpr QRgb maskColour = qRgb(255, 0, 255);

void* analogPart(gregister& reg) { return reg.getAnalogSupplement(); }

bool drawsLine(int type) { return type != 7; }
bool isFilled(int type) { return type == 2 || type == 4 || type == 6; }
bool hasMarkers(int type) { return type == 3 || type == 4 || type == 7; }

// One icon of a graph type in the given colours.
void drawTypeIcon(QPainter& p, int x, int type, const QColor& line, const QColor& fill)
{
    const QPoint zigzag[] = {{x + 1, 11}, {x + 6, 5}, {x + 11, 8}, {x + 16, 2}, {x + 22, 6}};
    if (type == 2 || type == 4) {
        QPolygon area;
        area << QPoint(x + 1, 13);
        for (const QPoint& point : zigzag)
            area << point;
        area << QPoint(x + 22, 13);
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawPolygon(area);
    }
    p.setPen(line);
    p.setBrush(Qt::NoBrush);
    if (type >= 1 && type <= 4)
        p.drawPolyline(zigzag, 5);
    if (type == 3 || type == 4 || type == 7) {
        for (const QPoint& point : zigzag)
            p.fillRect(point.x() - 1, point.y() - 1, 3, 3, line);
    }
    for (int i = 0; i < 5 && (type == 5 || type == 6 || type == 8); ++i) {
        int cx = x + 2 + i * 4;
        int top = zigzag[i].y();
        if (type == 5)
            p.drawLine(cx, top, cx, 13);
        else if (type == 6)
            p.fillRect(cx, top, 3, 14 - top, fill);
        else
            p.drawLine(cx - 1, top, cx + 2, top);
    }
}

} // namespace

CGraphPropertiesPane::CGraphPropertiesPane(QWidget* parent)
    : CAppearancePane(templateId, ggraphObject::maskGraph, parent)
{
    setDialogSize(87, 233);
    buildIcons();
    auto* registers = addControl(registerList, new CAutoWidthCombo, 2, 2, 83, 12);
    doubleDropDownWidth(registerList);
    QObject::connect(registers, &QComboBox::activated, this, [this](int item) { chooseRegister(item); });
    addGroupBox(typeGroup, "Graph type", 2, 16, 83, 64);
    for (int i = 0; i < 8; ++i) {
        int x = i < 4 ? 6 : 46;
        int y = 26 + (i % 4) * 13;
        auto* button = addRadioButton(typeButtons[i], "", x, y, 10, 10);
        // The pane checks the buttons: a mixed type checks none.
        button->setAutoExclusive(false);
        addControl(typeIcons[i], new CStateIconCtrl(&icons_, i, i + 8), x + 12, y, 20, 10);
        onCommand(typeButtons[i], [this, i] { chooseType(i + 1); });
    }
    addRealField(topLabel, "&Top:", topField, 84);
    addRealField(bottomLabel, "&Bottom:", bottomField, 98);
    addLineControls(112, graphLabel, "Graph");
    addFillControls(138);
    addImageControls(154, markerLabel, "&Marker");
}

void CGraphPropertiesPane::buildIcons()
{
    QImage strip(24 * 16, 14, QImage::Format_RGB32);
    strip.fill(maskColour);
    QPainter p(&strip);
    QColor shadow = systemColour(sysColour::buttonShadow);
    for (int type = 1; type <= 8; ++type) {
        drawTypeIcon(p, (type - 1) * 24, type, systemColour(sysColour::buttonText), QColor(255, 255, 0));
        drawTypeIcon(p, (type + 7) * 24, type, shadow, shadow);
    }
    p.end();
    icons_ = CImageList(24, 14);
    icons_.addStrip(strip, maskColour);
}

void CGraphPropertiesPane::changeEvent(QEvent* event)
{
    CAppearancePane::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        onSysColorChange();
}

void CGraphPropertiesPane::onSysColorChange()
{
    buildIcons();
    update();
}

void CGraphPropertiesPane::realStepped(int id, double value)
{
    bool top = id == topField;
    (top ? record()->graph.top : record()->graph.bottom).set(value);
    applyChange(top ? gprop::maximum : gprop::minimum);
}

gpropLineValues* CGraphPropertiesPane::editedLine() { return record() ? &record()->graph.line : nullptr; }
gpropFillValues* CGraphPropertiesPane::editedFill() { return record() ? &record()->graph.fill : nullptr; }
gpropImageValue* CGraphPropertiesPane::editedImage() { return record() ? &record()->graph.image : nullptr; }

void CGraphPropertiesPane::applyChange(int id) { applyProperty(id); }

void CGraphPropertiesPane::loadFromObject()
{
    const gpropGraph& set = record()->graph;
    showItem(registerList, set.reg.hasValue() ? findItemData(registerList, referredObject(set.reg)) : -1);
    enableControl(registerList, set.reg.isSet());
    enableControl(typeGroup, set.type.isSet());
    for (int i = 0; i < 8; ++i) {
        setChecked(typeButtons[i], set.type.hasValue() && set.type.get() == i + 1);
        enableControl(typeButtons[i], set.type.isSet());
        enableControl(typeIcons[i], set.type.isSet());
    }
    showReal(topField, topLabel, set.top);
    showReal(bottomField, bottomLabel, set.bottom);
    // A mixed or unset type keeps every section available.
    int type = set.type.hasValue() ? set.type.get() : 0;
    loadLine(type == 0 || drawsLine(type) ? set.line : gpropLineValues{});
    if (type == 0 || isFilled(type)) {
        loadFill(set.fill);
    } else {
        loadFill(gpropFillValues{});
        enableControl(fillForegroundButton, false);
        enableControl(fillBackgroundButton, false);
    }
    loadImage(type == 0 || hasMarkers(type) ? set.image : gpropImageValue{});
}

void CGraphPropertiesPane::commitEdits()
{
    if (!record())
        return;
    if (commitReal(topField, topLabel, topMessage, record()->graph.top))
        applyChange(gprop::maximum);
    if (commitReal(bottomField, bottomLabel, bottomMessage, record()->graph.bottom))
        applyChange(gprop::minimum);
    CAppearancePane::commitEdits();
}

void CGraphPropertiesPane::chooseType(int code)
{
    if (!record())
        return;
    record()->graph.type.set(code);
    if (!applyProperty(gprop::graphType))
        loadFromObject();
}

void CGraphPropertiesPane::chooseRegister(int item)
{
    void* part = itemData(registerList, item);
    if (!part || !record())
        return;
    record()->graph.reg.set(static_cast<ganalogSupplement*>(part));
    applyChange(gprop::registerRef);
}

void CGraphPropertiesPane::refillRegisterList()
{
    fillRegisterList(registerList, record() ? referredObject(record()->graph.reg) : nullptr, analogPart);
}
