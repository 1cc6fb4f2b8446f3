// Opens every object-list window and, through them, every dialog the
// station's objects open (and the dialogs their "..." buttons open, and
// each tab of a tabbed dialog), then checks the layout widget by widget:
// no visible control overlaps a sibling (group boxes excepted), every
// button, check box, radio button and label shows its whole text, every
// control lies inside its dialog (a window's with a margin), a combo box
// shows its current text, a label does not stand below its control and a
// column of buttons stays straight. The drawing properties bar is looked
// over at each of its tabs.
// Each runs at the default font and at one a quarter larger, and leaves a
// picture of every window in build/tests/screenshots/.
#include "shell/mainFrameFixture.h"

#include "screens/editor/CDrawingPropertiesBar.h"
#include "shell/CSelectDialog.h"
#include "shell/CObjectListCtrl.h"
#include "platform/textRoom.h"
#include "support/ui/screenshots.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSizeGrip>
#include <QTabBar>

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
                                                 l->geometry().center().y() > l->buddy()->geometry().bottom())
            faults.push_back(where + ": " + nameOf(w) + " " + rectText(w->geometry()) + " stands below " +
                             nameOf(l->buddy()) + " " + rectText(l->buddy()->geometry()));
        if (auto* c = qobject_cast<QComboBox*>(w); c && !comboShowsText(c))
            faults.push_back(where + ": " + nameOf(w) + " " + rectText(w->geometry()) + " hides its text");
        if (qobject_cast<QGroupBox*>(w))
            continue;
        for (size_t j = i + 1; j < shown.size(); ++j) {
            QWidget* other = shown[j];
            if (qobject_cast<QGroupBox*>(other) || !w->geometry().intersects(other->geometry()))
                continue;
            faults.push_back(where + ": " + nameOf(w) + " " + rectText(w->geometry()) + " overlaps " + nameOf(other) +
                             " " + rectText(other->geometry()));
        }
        if (dynamic_cast<CDialog*>(w))
            collectFaults(*w, where + " > " + w->metaObject()->className(), faults);
    }
    collectRaggedColumns(shown, where, faults);
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
        case gbuttons::yesNo: return ganswer::no;
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

    // Checks the window as it stands and each tab of its tab strips.
    void inspect(QWidget& window)
    {
        QApplication::processEvents();
        look(window, window.windowTitle());
        for (QTabBar* tabs : window.findChildren<QTabBar*>()) {
            if (!tabs->isVisibleTo(&window) || qobject_cast<QWidget*>(tabs->parent()) != &window)
                continue;
            int was = tabs->currentIndex();
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                QApplication::processEvents();
                look(window, window.windowTitle() + " - " + tabs->tabText(i));
            }
            tabs->setCurrentIndex(was);
        }
    }

    std::deque<std::string> chosenFiles;
    std::vector<std::string> faults;
    std::set<QString> seen;

    void look(QWidget& window, QString title)
    {
        title.remove(QLatin1Char('&'));
        collectFaults(window, title.toStdString(), faults);
        seen.insert(title);
        title.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9 ._()-]")), QStringLiteral("_"));
        saveScreenshot(window.grab(), title + suffix_ + ".png");
    }

private:

    // Presses every enabled button whose text promises a dialog.
    void openSubdialogs(CDialog& dialog)
    {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            int id = CDialog::controlId(button);
            if (id == IDOK || id == IDCANCEL || dialog.hasEnded())
                continue;
            if (!button->isVisibleTo(&dialog) || !button->isEnabled() || !button->text().endsWith(QLatin1String("...")))
                continue;
            button->click();
        }
    }

    QString suffix_;
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
    // The drawing properties bar's page of each tab, as the frame shows it.
    frame->show();
    auto* bar = CDrawingPropertiesBar::instance();
    ASSERT_NE(bar, nullptr);
    for (int tab = 0; tab < bar->tabs().count(); ++tab) {
        bar->tabs().setCurrentIndex(tab);
        QApplication::processEvents();
        inspector.look(*bar, QStringLiteral("Drawing Properties %1").arg(tab));
    }
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
                                         layoutCase{"sabus/fixtures/requests.stn", 100},
                                         layoutCase{"scl/fixtures/programs.stn", 100}),
                         [](const testing::TestParamInfo<layoutCase>& info) {
                             std::string name = info.param.fixture;
                             name = name.substr(name.rfind('/') + 1);
                             name = name.substr(0, name.find('.'));
                             return name + "At" + std::to_string(info.param.percent);
                         });

} // namespace
