#include "screens/editor/CDrawingPropertiesBar.h"

#include "platform/systemColours.h"
#include "screens/editor/drawingPropertiesPanes.h"
#include "screens/model/fscreen.h"
#include "screens/model/gdrawingProperties.h"
#include "screens/model/gpreviewValues.h"
#include "shell/CAutoWidthCombo.h"
#include "screens/editor/CDrawingPane.h"
#include "shell/CStationEditorApp.h"
#include "store/gstationState.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QTabBar>
#include <QTimerEvent>

namespace {

CDrawingPropertiesBar* theBar = nullptr;

constexpr int iconSize = 13;
constexpr int blinkPeriod = 1000;
constexpr const char* userLevelTexts[] = {
    "Show always",
    "Operator clearance",
    "Supervisor clearance",
    "Administrator clearance",
    "Acknowledge privileges",
    "Control privileges",
    "Calibration privileges",
    "Set high/low limits privileges",
    "Set response times privileges",
    "Disable drivers privileges",
    "Port diagnostics privileges",
    "Mask data privileges",
    "Change names privileges",
};

// The tab icons: a small picture of each kind of object, in the 3D colours
// (normal) or as an engraved grey shape (disabled).
QPixmap tabPicture(int tab, bool disabled)
{
    QImage image(iconSize, iconSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    QColor ink = disabled ? systemColour(sysColour::buttonShadow) : QColor(Qt::black);
    QColor fill = disabled ? systemColour(sysColour::buttonShadow) : QColor(0, 128, 0);
    p.setPen(ink);
    QFont font = QApplication::font();
    font.setPixelSize(9);
    p.setFont(font);
    switch (tab) {
    case 0:
        p.drawRect(1, 4, 8, 7);
        p.drawLine(3, 1, 12, 10);
        break;
    case 1: p.setBrush(fill); p.drawEllipse(2, 2, 8, 8); break;
    case 2: p.drawText(QRect(0, 0, iconSize, iconSize), Qt::AlignCenter, QStringLiteral("10")); break;
    case 3: p.drawText(QRect(0, 0, iconSize, iconSize), Qt::AlignCenter, QStringLiteral("A")); break;
    case 4: {
        const QPoint points[] = {{1, 11}, {4, 6}, {7, 8}, {11, 2}};
        p.drawPolyline(points, 4);
        break;
    }
    case 5:
        p.fillRect(1, 3, 11, 7, systemColour(sysColour::buttonFace));
        p.drawRect(1, 3, 10, 6);
        break;
    case 6:
        p.setPen(systemColour(sysColour::buttonHighlight));
        p.drawLine(1, 1, 11, 1);
        p.drawLine(1, 1, 1, 11);
        p.setPen(ink);
        p.drawLine(1, 11, 11, 11);
        p.drawLine(11, 1, 11, 11);
        break;
    case 7:
        p.setBrush(fill);
        p.drawRect(1, 5, 2, 2);
        p.drawRect(5, 5, 2, 2);
        p.drawRect(9, 5, 2, 2);
        break;
    case 8: p.fillRect(2, 2, 4, 9, fill); p.drawRect(2, 2, 8, 8); break;
    case 9:
        p.drawArc(1, 2, 11, 11, 0, 180 * 16);
        p.drawLine(6, 7, 9, 3);
        break;
    case 10:
        p.drawLine(6, 1, 6, 11);
        p.drawLine(1, 6, 11, 6);
        break;
    default: p.drawText(QRect(0, 0, iconSize, iconSize), Qt::AlignCenter, QStringLiteral("L")); break;
    }
    return QPixmap::fromImage(image);
}

} // namespace

CDrawingPropertiesBar* CDrawingPropertiesBar::instance() { return theBar; }

CDrawingPropertiesBar::CDrawingPropertiesBar(QWidget* parent) : CDialog(580, parent), record_(&drawingDefaults())
{
    setWindowFlags(Qt::Widget);
    userLevels_ = addControl(userLevelId, new CAutoWidthCombo, 3, 3, 105, 12);
    for (const char* text : userLevelTexts)
        userLevels_->addItem(QString::fromLatin1(text));
    tabs_ = addControl(tabControlId, new QTabBar, 3, 17, 105, 12);
    tabs_->setIconSize(QSize(iconSize, iconSize));
    tabs_->setExpanding(false);
    tabs_->setUsesScrollButtons(false);
    tabs_->setDrawBase(false);
    // Icon tabs of 22 by 17 pixels, the icon without horizontal room.
    tabs_->setStyleSheet(QStringLiteral("QTabBar::tab { width: 22px; height: 17px; padding: 0px; margin: 0px; }"));
    buildIcons();
    for (int i = 0; i < tabCount; ++i) {
        tabs_->addTab(icons_[i], QString());
        panes_[i] = makeDrawingPropertiesPane(i, this);
        panes_[i]->setWindowFlags(Qt::Widget);
        panes_[i]->hide();
    }
    layOutPanes();
    current_ = 0;
    tabs_->setCurrentIndex(0);
    panes_[0]->show();
    connect(tabs_, &QTabBar::currentChanged, this, [this](int tab) { tabChanged(tab); });
    connect(userLevels_, &QComboBox::activated, this, [this](int item) { userLevelChosen(item); });
    showRecord();
    blinkTimer_.start(blinkPeriod, this);
    theBar = this;
    installDrawingBar(this);
    installDrawingDefaultsHooks(this);
}

CDrawingPropertiesBar::~CDrawingPropertiesBar()
{
    if (theBar == this) {
        theBar = nullptr;
        installDrawingBar(nullptr);
        installDrawingDefaultsHooks(nullptr);
    }
}

void CDrawingPropertiesBar::buildIcons()
{
    for (int i = 0; i < tabCount; ++i) {
        icons_[i] = QIcon(tabPicture(i, false));
        disabledIcons_[i] = QIcon(tabPicture(i, true));
    }
}

// The panes lie below the tabs in the space the largest one needs.
void CDrawingPropertiesBar::layOutPanes()
{
    QSize area(0, 0);
    for (CDrawingPane* p : panes_)
        area = area.expandedTo(p->size());
    int top = tabs_->geometry().bottom() + 1;
    int width = std::max(area.width(), tabs_->sizeHint().width());
    tabs_->setGeometry(tabs_->x(), tabs_->y(), width, tabs_->sizeHint().height());
    top = tabs_->geometry().bottom() + 2;
    userLevels_->setGeometry(userLevels_->x(), userLevels_->y(), width, userLevels_->height());
    for (CDrawingPane* p : panes_)
        p->move(tabs_->x(), top);
    setMinimumSize(tabs_->x() + width + 3, top + area.height() + 3);
}

void CDrawingPropertiesBar::setTabDisabled(int tab, bool disabled)
{
    if ((disabled_[tab] != 0) == disabled)
        return;
    disabled_[tab] = disabled ? 1 : 0;
    tabs_->setTabIcon(tab, disabled ? disabledIcons_[tab] : icons_[tab]);
}

void CDrawingPropertiesBar::showSelection(fscreen& screen)
{
    int mask = screen.getSelectionMask();
    if (mask == 0) {
        showDefaults();
        return;
    }
    screen_ = &screen;
    record_ = &screen.getSelectionProperties();
    for (int i = 0; i < tabCount; ++i)
        setTabDisabled(i, (tabMasks[i] & mask) == 0);
    if ((tabMasks[current_] & mask) == 0) {
        for (int i = 0; i < tabCount; ++i) {
            if (tabMasks[i] & mask) {
                tabs_->setCurrentIndex(i);
                break;
            }
        }
    }
    showRecord();
}

void CDrawingPropertiesBar::showDefaults()
{
    screen_ = nullptr;
    record_ = &drawingDefaults();
    for (int i = 0; i < tabCount; ++i)
        setTabDisabled(i, false);
    showRecord();
}

// The user level and the current pane from the record.
void CDrawingPropertiesBar::showRecord()
{
    const gtriInt& level = record_->userLevel;
    int32_t value = 0;
    level.getOr(value, 0);
    userLevels_->setCurrentIndex(level.hasValue() && value >= 1 && value <= 13 ? value - 1 : -1);
    userLevels_->setEnabled(level.isSet() != 0);
    panes_[current_]->setObject(record_, screen_);
}

void CDrawingPropertiesBar::tabChanged(int tab)
{
    if (tab < 0 || tab >= tabCount || tab == current_)
        return;
    CDrawingPane* leaving = panes_[current_];
    bool hadFocus = leaving->isAncestorOf(QApplication::focusWidget());
    leaving->commitEdits();
    leaving->hide();
    current_ = tab;
    CDrawingPane* coming = panes_[tab];
    coming->setObject(record_, screen_);
    coming->show();
    if (hadFocus)
        coming->setFocus();
}

void CDrawingPropertiesBar::userLevelChosen(int item)
{
    if (item < 0)
        return;
    record_->userLevel.set(item + 1);
    if (!screen_)
        return;
    screen_->applyUserLevelToSelection();
    stationState().modified = 1;
}

void CDrawingPropertiesBar::reset()
{
    record_ = nullptr;
    screen_ = nullptr;
    refreshRegisterLists();
    refreshScreenList();
    refreshProgramList();
    showDefaults();
}

void CDrawingPropertiesBar::refreshRegisterLists()
{
    CDrawingPane::registerListRefill once;
    for (CDrawingPane* p : panes_)
        p->refillRegisterList();
}

void CDrawingPropertiesBar::refreshImageLists()
{
    for (CDrawingPane* p : panes_)
        p->refillImageList();
}

void CDrawingPropertiesBar::refreshScreenList()
{
    for (CDrawingPane* p : panes_)
        p->refillScreenList();
}

void CDrawingPropertiesBar::refreshProgramList()
{
    for (CDrawingPane* p : panes_)
        p->refillProgramList();
}

void CDrawingPropertiesBar::paletteChanged(int foreground) { panes_[current_]->paletteChanged(foreground); }

// The station's registers are about to go: the register lists keep none
// of them rather than all of them once more.
void CDrawingPropertiesBar::resetDefaults()
{
    CDrawingPane::registerListRefill none(true);
    reset();
    refreshImageLists();
}

void CDrawingPropertiesBar::refreshDefaults()
{
    reset();
    refreshImageLists();
}

void CDrawingPropertiesBar::blink()
{
    gpreviewValues& v = previewValues();
    v.blinkPhase ^= 1;
    unsigned mask = 0;
    mask |= v.bistateState == 2 ? 0x004 : 0;
    mask |= v.multistateState == 2 ? 0x008 : 0;
    mask |= v.digitalState == 2 ? 0x080 : 0;
    mask |= v.analogState == 2 ? 0x010 : 0;
    mask |= v.stringState == 2 ? 0x100 : 0;
    mask |= v.dialState == 2 || v.dialState == 5 || v.dialState == 8 ? 0x020 : 0;
    mask |= v.markerState == 2 ? 0x200 : 0;
    CStationEditorApp* app = CStationEditorApp::instance();
    if (mask != 0 && app)
        app->notifyScreenObjects(1, mask);
}

void CDrawingPropertiesBar::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == blinkTimer_.timerId())
        blink();
    else
        CDialog::timerEvent(event);
}

// The system colours changed: the icons follow.
void CDrawingPropertiesBar::changeEvent(QEvent* event)
{
    CDialog::changeEvent(event);
    if (event->type() != QEvent::PaletteChange)
        return;
    buildIcons();
    for (int i = 0; i < tabCount; ++i)
        tabs_->setTabIcon(i, disabled_[i] ? disabledIcons_[i] : icons_[i]);
}
