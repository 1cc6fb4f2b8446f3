// Opens every window the editor shows: the object-list windows and, through
// them, every dialog the station's objects open (the dialogs their "..."
// buttons open on each tab with the first row of each list selected, and
// each source kind's pane), the screen and program windows with the dialogs
// of their commands and their Find and Replace, the driver program editor,
// the menus' tools, Import Device Drivers, Insert Symbol, Enter Text, the
// warning lists and the drawing properties bar at each of its tabs. Then it
// checks the layout widget by widget: no visible control overlaps a sibling
// (group boxes and helpers that draw nothing excepted), every button, check
// box, radio button and label shows its whole text and every tab strip its
// whole tabs, every control lies inside its dialog (a window's with a
// margin), a combo box shows its current text, a label stands beside or
// above its own field and a unit stays after its field, a column of buttons
// stays straight, the fullest tab of a dialog leaves little empty above its
// buttons, a window fits a 1024x768 screen (scaled with the font), no
// picture shows its mask colour and each run of program text takes no more
// than the cells its characters stand in.
// Each runs at the default font and at one a quarter larger, and leaves a
// picture of every window in build/tests/screenshots/.
#include "shell/mainFrameFixture.h"

#include "foundation/gmessageService.h"
#include "g2driver/editor/CSourceTypeHostPane.h"
#include "platform/textCodec.h"
#include "platform/textRoom.h"
#include "screens/editor/CColorDialog.h"
#include "screens/editor/CDrawingPropertiesBar.h"
#include "scl/gsclTokenizer.h"
#include "scl/ui/CG2DriverProgramEditor.h"
#include "scl/ui/CG2DriverProgramEditorThread.h"
#include "scl/ui/sclColourTable.h"
#include "shell/CColorButton.h"
#include "shell/CObjectListCtrl.h"
#include "shell/CSelectDialog.h"
#include "sourceedit/CSourceDoc.h"
#include "sourceedit/CSourceTokenizer.h"
#include "sourceedit/ui/CColourCombo.h"
#include "sourceedit/ui/CFindReplaceDialog.h"
#include "sourceedit/ui/CSourceTokenInfo.h"
#include "sourceedit/ui/CSourceViewMfc.h"
#include "support/ui/screenshots.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QSizeGrip>
#include <QStyle>
#include <QTabBar>

#include <functional>
#include <map>
#include <set>

namespace {

std::string nameOf(const QWidget* w)
{
    QString text;
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        text = b->text();
    else if (auto* l = qobject_cast<const QLabel*>(w))
        text = l->text();
    else if (auto* c = qobject_cast<const QComboBox*>(w))
        text = c->currentText();
    return (w->objectName() + " " + w->metaObject()->className() + " \"" + text + "\"").toStdString();
}

std::string rectText(const QRect& r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

// Whether the whole text of a button or label fits its place.
bool textFits(const QWidget* w)
{
    QSize room = textRoom(*w);
    return !room.isValid() || (room.width() <= w->width() && room.height() <= w->height());
}

// A label names the field after it: it stands on the field's row to its
// left, or above it.
bool standsBy(const QRect& label, const QRect& field)
{
    bool beside = label.center().y() >= field.top() && label.center().y() <= field.bottom() &&
                  label.center().x() < field.left();
    bool above = label.bottom() <= field.top() + field.height() / 2 && label.left() < field.right() &&
                 label.right() > field.left() - label.height();
    return beside || above;
}

// A label the template set right after a field on its row (a unit) stays
// there.
bool leftItsField(const QWidget& label, const QWidget& field)
{
    QRect was = placement(label);
    QRect fieldWas = placement(field);
    if (was.isEmpty() || fieldWas.isEmpty() || was.left() <= fieldWas.right() ||
        was.left() - fieldWas.right() > label.fontMetrics().averageCharWidth() * 2 ||
        was.center().y() < fieldWas.top() || was.center().y() > fieldWas.bottom())
        return false;
    QRect now = label.geometry();
    QRect fieldNow = field.geometry();
    return now.left() <= fieldNow.right() || now.center().y() < fieldNow.top() || now.center().y() > fieldNow.bottom();
}

// A tab strip shows every tab whole, without scrolling.
bool tabsFit(const QTabBar& tabs) { return tabs.count() == 0 || tabs.sizeHint().width() <= tabs.width(); }

// A closed combo box as high as its font needs, so that its current text
// shows (a template gives it the height of its open list).
bool comboShowsText(const QComboBox* c) { return c->height() >= c->sizeHint().height(); }

// Push buttons the template stacked at one left edge with one width are a
// column: one that grew for its text and left the others narrower sticks
// out of it.
void collectRaggedColumns(const std::vector<QWidget*>& shown, const std::string& where,
                          std::vector<std::string>& faults)
{
    std::map<std::pair<int, int>, std::vector<QWidget*>> columns;
    for (QWidget* w : shown) {
        if (qobject_cast<QPushButton*>(w))
            columns[{w->x(), placedWidth(*w)}].push_back(w);
    }
    for (const auto& [left, buttons] : columns) {
        for (QWidget* b : buttons) {
            if (b->width() != buttons.front()->width())
                faults.push_back(where + ": " + nameOf(b) + " " + rectText(b->geometry()) + " is not as wide as " +
                                 nameOf(buttons.front()) + " " + rectText(buttons.front()->geometry()));
        }
    }
}

// Helpers that draw nothing (an empty label a row was placed over, the
// marker of a panel's rows) cover nothing.
bool drawsNothing(const QWidget* w)
{
    if (auto* l = qobject_cast<const QLabel*>(w))
        return l->text().isEmpty() && l->pixmap().isNull();
    return std::string_view(w->metaObject()->className()) == "QWidget" && w->children().isEmpty();
}

// The layout faults of one dialog or page and the pages inside it.
void collectFaults(const QWidget& dialog, const std::string& where, std::vector<std::string>& faults)
{
    std::vector<QWidget*> shown;
    for (QObject* o : dialog.children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isWindow() && w->isVisibleTo(&dialog) && !qobject_cast<QSizeGrip*>(w))
            shown.push_back(w);
    }
    // A window keeps a margin around its controls; a page placed on a
    // dialog may reach its own edges, and a sizeable window lays out its
    // controls itself.
    auto* asDialog = qobject_cast<const QDialog*>(&dialog);
    bool sizeable = asDialog && asDialog->isSizeGripEnabled();
    int margin = dialog.isWindow() && !sizeable ? dialog.fontMetrics().height() / 4 : 0;
    QRect inside = dialog.rect().adjusted(margin, margin, -margin, -margin);
    for (size_t i = 0; i < shown.size(); ++i) {
        QWidget* w = shown[i];
        if (!inside.contains(w->geometry()))
            faults.push_back(where + ": " + nameOf(w) + " " + rectText(w->geometry()) + " outside " + rectText(inside));
        if (!textFits(w))
            faults.push_back(where + ": " + nameOf(w) + " " + rectText(w->geometry()) + " cuts its text, needs " +
                             rectText(QRect(QPoint(), textRoom(*w))));
        if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy() && l->buddy()->parentWidget() == &dialog &&
                                                 !l->buddy()->isHidden() &&
                                                 !standsBy(l->geometry(), l->buddy()->geometry()))
            faults.push_back(where + ": " + nameOf(w) + " " + rectText(w->geometry()) +
                             " stands neither beside nor above " + nameOf(l->buddy()) + " " +
                             rectText(l->buddy()->geometry()));

        for (QWidget* field : shown) {
            if (qobject_cast<QLabel*>(w) && !qobject_cast<QLabel*>(field) && field != w && leftItsField(*w, *field))
                faults.push_back(where + ": " + nameOf(w) + " " + rectText(w->geometry()) + " no longer follows " +
                                 nameOf(field) + " " + rectText(field->geometry()) + " on its row");
        }
        if (auto* c = qobject_cast<QComboBox*>(w); c && !comboShowsText(c))
            faults.push_back(where + ": " + nameOf(w) + " " + rectText(w->geometry()) + " hides its text");
        if (qobject_cast<QGroupBox*>(w) || drawsNothing(w))
            continue;
        for (size_t j = i + 1; j < shown.size(); ++j) {
            QWidget* other = shown[j];
            if (qobject_cast<QGroupBox*>(other) || drawsNothing(other) ||
                !w->geometry().intersects(other->geometry()))
                continue;
            faults.push_back(where + ": " + nameOf(w) + " " + rectText(w->geometry()) + " overlaps " + nameOf(other) +
                             " " + rectText(other->geometry()));
        }
        if (dynamic_cast<CDialog*>(w))
            collectFaults(*w, where + " > " + w->metaObject()->className(), faults);
    }
    collectRaggedColumns(shown, where, faults);
}

// The height of the empty band between a dialog's lowest control and its
// row of OK and Cancel; -1 without an OK button.
int emptyBand(QWidget& window)
{
    QWidget* ok = nullptr;
    for (QPushButton* b : window.findChildren<QPushButton*>()) {
        if (CDialog::controlId(b) == IDOK && b->parentWidget() == &window)
            ok = b;
    }
    if (!ok || !ok->isVisibleTo(&window))
        return -1;
    int lowest = 0;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || dynamic_cast<CDialog*>(w) || drawsNothing(w))
            continue;
        QRect place(w->mapTo(&window, QPoint()), w->size());
        if (place.top() < ok->y() - ok->height() / 2)
            lowest = std::max(lowest, place.bottom());
    }
    return ok->y() - lowest;
}

// The screen the editor is made for, 1024x768 at the default font and
// larger with a larger font, a title bar included.
bool fitsSmallScreen(const QWidget& window, int percent)
{
    int titleBar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    return window.width() <= 1024 * percent / 100 && window.height() + titleBar <= 768 * percent / 100;
}

// Controls that show a colour the user chose, which may be the mask colour.
bool showsChosenColour(const QWidget* w)
{
    for (; w; w = w->parentWidget()) {
        if (dynamic_cast<const CColourCombo*>(w) || dynamic_cast<const CColorButton*>(w) ||
            dynamic_cast<const CColorDialog*>(w))
            return true;
    }
    return false;
}

// A picture drawn without its mask shows the mask colour, magenta.
void collectMaskColour(const QWidget& window, const QImage& shot, const std::string& where,
                       std::vector<std::string>& faults)
{
    QImage rgb = shot.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if ((line[x] & 0xFFFFFF) != 0xFF00FF)
                continue;
            QPoint at(x * window.width() / rgb.width(), y * window.height() / rgb.height());
            const QWidget* under = window.childAt(at);
            if (showsChosenColour(under))
                continue;
            faults.push_back(where + ": the mask colour shows at " + std::to_string(at.x()) + "," +
                             std::to_string(at.y()) + " in " + (under ? nameOf(under) : std::string("the window")));
            return;
        }
    }
}

// The font a source view draws a token kind in.
QFont runFont(CSourceView& view, int kind)
{
    QFont font;
    const CSourceTokenStyle* style = view.getTokenStyle(kind);
    if (!style || !style->getFont(font, 0))
        view.getDefaultStyle().getFont(font, 0);
    return font;
}

// Each run of one token kind is drawn in the cells of its characters, the
// next run's background after it: its font's advance of the text must not
// reach past them, or the next run covers its last letter.
void collectCutRuns(CSourceViewMfc& view, const std::string& where, std::vector<std::string>& faults)
{
    CSourceDoc* doc = view.getDocument();
    CSourceTokenizer* tokenizer = doc ? doc->getTokenizer() : nullptr;
    if (!tokenizer)
        return;
    for (int32_t line = 0; line < std::min(doc->getLineCount(), 40); ++line) {
        tokenizer->beginLine(*doc, line);
        int32_t start, length;
        while (int kind = tokenizer->nextToken(start, length)) {
            QString text = toUiText(gstrSlice(doc->lineText(line) + start, length));
            if (text.contains(QLatin1Char('\t')))
                continue;
            int advance = QFontMetrics(runFont(view, kind), view.viewport()).horizontalAdvance(text);
            if (advance > length * view.charWidth)
                faults.push_back(where + ": line " + std::to_string(line + 1) + " \"" + text.toStdString() +
                                 "\" is " + std::to_string(advance) + " pixels wide in " +
                                 std::to_string(length * view.charWidth));
        }
        tokenizer->endLine();
    }
}

// Looks over every dialog it is asked to run, opens those its "..."
// buttons open and cancels each.
class layoutInspector final : public modalResponder {
public:
    layoutInspector(QString suffix) : suffix_(std::move(suffix)), previous_(installedModalResponder())
    {
        installModalResponder(this);
    }
    ~layoutInspector() override { installModalResponder(previous_); }

    ganswer answerMessage(const shownMessage& message) override
    {
        switch (message.buttons) {
        case gbuttons::ok: return ganswer::ok;
        case gbuttons::yesNo: return switchingKinds_ ? ganswer::yes : ganswer::no;
        case gbuttons::abortRetryIgnore: return ganswer::abort;
        default: return ganswer::cancel;
        }
    }

    std::optional<gstr> answerFileDialog(const fileDialogRequest&) override
    {
        if (chosenFiles.empty())
            return std::nullopt;
        gstr chosen(chosenFiles.front().c_str());
        chosenFiles.pop_front();
        return chosen;
    }

    int runDialog(CDialog& dialog) override
    {
        dialog.show();
        inspect(dialog);
        lookAtSourcePanes(dialog);
        if (depth_ < 2) {
            ++depth_;
            openSubdialogs(dialog);
            --depth_;
        }
        if (!dialog.hasEnded())
            dialog.sendCommand(IDCANCEL);
        if (!dialog.hasEnded())
            dialog.EndDialog(IDCANCEL);
        return IDCANCEL;
    }

    // Checks the window as it stands and each tab of its tab strips; the
    // fullest tab leaves no more than a fifth of it, or a few lines, empty
    // above the buttons.
    void inspect(QWidget& window)
    {
        QApplication::processEvents();
        look(window, window.windowTitle());
        int leastEmpty = emptyBand(window);
        for (QTabBar* tabs : window.findChildren<QTabBar*>()) {
            if (!tabs->isVisibleTo(&window) || qobject_cast<QWidget*>(tabs->parent()) != &window)
                continue;
            int was = tabs->currentIndex();
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                QApplication::processEvents();
                look(window, window.windowTitle() + " - " + tabs->tabText(i));
                leastEmpty = std::min(leastEmpty, emptyBand(window));
            }
            tabs->setCurrentIndex(was);
        }
        if (leastEmpty > 4 * window.fontMetrics().height() && 5 * leastEmpty > window.height())
            faults.push_back(window.windowTitle().toStdString() + ": " + std::to_string(leastEmpty) + " of " +
                             std::to_string(window.height()) + " pixels stand empty above the buttons");
    }

    std::deque<std::string> chosenFiles;
    // The font's size against the default's, in percent.
    int percent = 100;
    std::vector<std::string> faults;
    std::set<QString> seen;

    // A dialog or page: its controls one by one, then the whole window.
    void look(QWidget& window, QString title)
    {
        title.remove(QLatin1Char('&'));
        collectFaults(window, title.toStdString(), faults);
        lookAtWindow(window, title);
    }

    // What any window must show right: its tab strips, its size, its
    // pictures and its program text; and its picture is kept.
    void lookAtWindow(QWidget& window, QString title)
    {
        QApplication::processEvents();
        std::string where = title.toStdString();
        seen.insert(title);
        for (QTabBar* tabs : window.findChildren<QTabBar*>()) {
            if (tabs->isVisibleTo(&window) && !tabsFit(*tabs))
                faults.push_back(where + ": " + nameOf(tabs) + " " + rectText(tabs->geometry()) +
                                 " cuts its tabs, needs " + std::to_string(tabs->sizeHint().width()));
        }
        if (window.isWindow() && !fitsSmallScreen(window, percent))
            faults.push_back(where + ": " + rectText(window.geometry()) + " is larger than a 1024x768 screen at " +
                             std::to_string(percent) + "%");
        QImage shot = window.grab().toImage();
        collectMaskColour(window, shot, where, faults);
        for (QAbstractScrollArea* area : window.findChildren<QAbstractScrollArea*>()) {
            if (auto* view = dynamic_cast<CSourceViewMfc*>(area))
                collectCutRuns(*view, where, faults);
        }
        title.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9 ._()-]")), QStringLiteral("_"));
        saveScreenshot(shot, title + suffix_ + ".png");
    }

    // The windows of an MDI area, the dialogs their commands open (given
    // each window active) and the Find and Replace dialogs of those that
    // show program text.
    void lookAtDocuments(QMdiArea& area, const QString& owner, const std::function<void()>& commands = {})
    {
        for (QMdiSubWindow* window : area.subWindowList()) {
            area.setActiveSubWindow(window);
            lookAtWindow(*window, owner + window->windowTitle());
            if (commands)
                commands();
            auto* view = dynamic_cast<CSourceViewMfc*>(window->widget());
            if (!view)
                continue;
            for (int command : {CSourceViewMfc::findCommand, CSourceViewMfc::replaceCommand}) {
                view->onCommand(command);
                if (CFindReplaceDialog* find = CSourceViewMfc::findDialog()) {
                    inspect(*find);
                    find->close();
                }
            }
        }
    }

private:
    // Each kind of source the dialog offers, with its pane.
    void lookAtSourcePanes(CDialog& dialog)
    {
        auto* host = dynamic_cast<CSourceTypeHostPane*>(&dialog);
        auto* kinds = host ? host->controlAs<QComboBox>(CSourceTypeHostPane::sourceTypeId) : nullptr;
        if (!kinds)
            return;
        // The pane shown gives way without keeping what it showed.
        switchingKinds_ = true;
        int was = kinds->currentIndex();
        for (int i = 0; i < kinds->count(); ++i) {
            kinds->setCurrentIndex(i);
            QApplication::processEvents();
            look(dialog, dialog.windowTitle() + " - " + kinds->itemText(i));
        }
        kinds->setCurrentIndex(was);
        switchingKinds_ = false;
    }

    // On each tab, with the first row of each list selected, presses every
    // enabled button whose text promises a window.
    void openSubdialogs(CDialog& dialog)
    {
        std::vector<QTabBar*> strips;
        for (QTabBar* tabs : dialog.findChildren<QTabBar*>()) {
            if (tabs->isVisibleTo(&dialog) && qobject_cast<QWidget*>(tabs->parent()) == &dialog)
                strips.push_back(tabs);
        }
        if (strips.empty()) {
            pressButtons(dialog);
            return;
        }
        for (QTabBar* tabs : strips) {
            for (int i = 0; i < tabs->count() && !dialog.hasEnded(); ++i) {
                tabs->setCurrentIndex(i);
                QApplication::processEvents();
                pressButtons(dialog);
            }
        }
    }

    void pressButtons(CDialog& dialog)
    {
        for (QAbstractItemView* list : dialog.findChildren<QAbstractItemView*>()) {
            if (list->isVisibleTo(&dialog) && list->model() && list->model()->rowCount() > 0 &&
                !list->selectionModel()->hasSelection())
                list->setCurrentIndex(list->model()->index(0, 0));
        }
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            int id = CDialog::controlId(button);
            if (id == IDOK || id == IDCANCEL || dialog.hasEnded())
                continue;
            if (!button->isVisibleTo(&dialog) || !button->isEnabled() || !button->text().endsWith(QLatin1String("...")))
                continue;
            button->click();
            // A button may open the driver program editor, a window of its
            // own beside the dialog.
            if (CG2DriverProgramEditorThread* editor = CG2DriverProgramEditorThread::current()) {
                lookAtWindow(editor->frame(), editor->frame().windowTitle());
                lookAtDocuments(*editor->frame().mdiArea(), QStringLiteral("Driver program "));
            }
        }
    }

    QString suffix_;
    bool switchingKinds_ = false;
    modalResponder* previous_;
    int depth_ = 0;
};

struct layoutCase {
    const char* fixture;
    int percent;
};

class dialogLayout : public mainFrameTest, public testing::WithParamInterface<layoutCase> {
protected:
    void SetUp() override
    {
        defaultFont = QApplication::font();
        QFont font = defaultFont;
        font.setPointSizeF(font.pointSizeF() * GetParam().percent / 100.0);
        QApplication::setFont(font);
        mainFrameTest::SetUp();
        frame->resize(1200, 800);
    }

    void TearDown() override
    {
        mainFrameTest::TearDown();
        QApplication::setFont(defaultFont);
    }

    QFont defaultFont;
};

TEST_P(dialogLayout, EveryWindowFitsItsTexts)
{
    QString suffix = GetParam().percent == 100 ? QString() : QStringLiteral("@%1").arg(GetParam().percent);
    layoutInspector inspector(suffix);
    inspector.percent = GetParam().percent;
    // Remarks in italics, as a user may choose them, show a slanted run.
    CSourceTokenInfo& remarks = sclColourTable()[sclColour::remarks];
    int remarksStyle = remarks.getFontStyle(0);
    remarks.setFontStyle(CSourceTokenStyle::fontItalic, 0);
    inspector.chosenFiles.push_back(std::string(KORVEL_TEST_DATA_DIR) + "/" + GetParam().fixture);
    frame->routeCommand(32849);
    for (int w = 0; w < CMainFrame::listWindowCount; ++w) {
        CSelectDialog* window = frame->listWindowAt(CMainFrame::listWindow(w));
        ASSERT_NE(window, nullptr);
        window->show();
        inspector.inspect(*window);
        for (int row = 0; row < window->list().rowCount(); ++row) {
            window->list().selectRow(row);
            window->sendCommand(CSelectDialog::editId);
        }
        if (window->canCreateObjects())
            window->sendCommand(CSelectDialog::newId);
        window->hide();
    }
    // The screen and program windows the lists opened.
    frame->show();
    // Menu commands that open a dialog about the active window: pasting
    // tags and going to a line in a program, the grid, aligning and
    // changing objects on a screen.
    auto windowCommands = [this] {
        for (int id : {32836, 32838, 32837, 32833, 32832, 32927, 32929, 32839, 32908, 32909, 32835, 32829, 32892,
                       32771, 32840, 32879}) {
            if (enabled(id))
                frame->routeCommand(id);
        }
    };
    inspector.lookAtDocuments(*frame->mdiArea(), QString(), windowCommands);
    // The tools of the menus, the syntax colours, indicator values and About.
    for (int id : {32878, 32877, 32876, 32913, 32874, 32873, 32842, 32893, 57664}) {
        if (enabled(id))
            frame->routeCommand(id);
    }
    // Save Device Drivers writes the station's drivers as a library, which
    // Import Device Drivers offers; Insert Symbol; the warning lists with
    // and without a question.
    if (enabled(32882) && enabled(32881)) {
        inspector.chosenFiles = {path("drivers.kdl"), path("drivers.kdl")};
        frame->routeCommand(32882);
        frame->routeCommand(32881);
        inspector.chosenFiles.clear();
    }
    frame->insertSymbol(nullptr);
    for (bool question : {true, false})
        messageService().warningList(gstrSlice("Pump running is used by:\r\nScreen Main screen"), question);
    for (bool withCancel : {true, false}) {
        gstr text("Tank 1");
        messageService().enterText(text, withCancel);
    }
    // The drawing properties bar's page of each tab, as the frame shows it.
    auto* bar = CDrawingPropertiesBar::instance();
    ASSERT_NE(bar, nullptr);
    for (int tab = 0; tab < bar->tabs().count(); ++tab) {
        bar->tabs().setCurrentIndex(tab);
        QApplication::processEvents();
        inspector.look(*bar, QStringLiteral("Drawing Properties %1").arg(tab));
    }
    remarks.setFontStyle(static_cast<uint8_t>(remarksStyle), 0, remarksStyle != 0);
    EXPECT_GT(inspector.seen.size(), CMainFrame::listWindowCount);
    std::string all;
    for (const std::string& fault : inspector.faults)
        all += fault + "\n";
    EXPECT_TRUE(inspector.faults.empty()) << all;
}

INSTANTIATE_TEST_SUITE_P(fixtures, dialogLayout,
                         testing::Values(layoutCase{"store/fixtures/everyType.stn", 100},
                                         layoutCase{"store/fixtures/everyType.stn", 125},
                                         layoutCase{"registers/fixtures/registers.stn", 100},
                                         layoutCase{"registers/fixtures/registers.stn", 125},
                                         layoutCase{"registers/fixtures/registerSources.stn", 100},
                                         layoutCase{"registers/fixtures/registerSources.stn", 125},
                                         layoutCase{"sabus/fixtures/requests.stn", 100},
                                         layoutCase{"sabus/fixtures/requests.stn", 125},
                                         layoutCase{"scl/fixtures/programs.stn", 100},
                                         layoutCase{"scl/fixtures/programs.stn", 125},
                                         layoutCase{"ports/fixtures/plant.stn", 100},
                                         layoutCase{"ports/fixtures/plant.stn", 125},
                                         layoutCase{"g2driver/model/fixtures/meter.stn", 100},
                                         layoutCase{"g2driver/model/fixtures/meter.stn", 125}),
                         [](const testing::TestParamInfo<layoutCase>& info) {
                             std::string name = info.param.fixture;
                             name = name.substr(name.rfind('/') + 1);
                             name = name.substr(0, name.find('.'));
                             return name + "At" + std::to_string(info.param.percent);
                         });

} // namespace
