// The editor on a big station: opening it through the main frame, the list
// windows, a register dialog whose panes list registers, the drawing
// properties bar, a batch dialog's Find All Tags, a screen of thousands of
// objects (opened, repainted, 500 of them dragged), deleting, renaming and
// duplicating one register, Save and Close, each against the model's own
// load of the same file in the same run; and the peak memory of the process
// with the station open in the editor against a process that only loads it.
//
// Run: build/bench/editorStationBench
// The station holds 100,000 registers; KORVEL_BENCH_SIZE=<registers> sets
// another size, KORVEL_BENCH_SHORT=1 a small one (2,000) for a quick run:
//   KORVEL_BENCH_SHORT=1 build/bench/editorStationBench --benchmark_min_time=0.01
#include "stationGenerator.h"

#include "batch/ui/CBatchListDialog.h"
#include "platform/recordingResponder.h"
#include "registers/sources/ui/CSourcePane.h"
#include "registers/sources/ui/CSummarySourcePane.h"
#include "registers/ui/CAddRegistersDialog.h"
#include "registers/ui/CRegisterDialog.h"
#include "platform/settingsStore.h"
#include "foundation/jhashIterator.h"
#include "registers/gregister.h"
#include "screens/editor/CScreenDoc.h"
#include "screens/editor/CScreenView.h"
#include "screens/model/ggraphObject.h"
#include "screens/editor/screenDocuments.h"
#include "screens/model/fscreen.h"
#include "shell/CMainFrame.h"
#include "shell/CObjectListCtrl.h"
#include "shell/CSelectDialog.h"
#include "shell/CStationEditorApp.h"
#include "shell/screenEditorServices.h"
#include "shell/uiMessageService.h"
#include "store/gstation.h"
#include "store/gstationState.h"
#include "store/stationFile.h"

#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int openCommand = 32849;
constexpr int newCommand = 32848;
constexpr int saveCommand = 32852;
constexpr int modifyRegistersCommand = 32878;
constexpr int listToggleCommands[] = {32922, 32898, 32923, 32901, 32902, 32899, 32897, 32910, 32918};
const char* const listNames[] = {"legacyDrivers", "serialPorts", "legacyMasks",     "registers",    "screens",
                                 "sclPrograms",   "parameters",  "sabusRequests", "deviceDrivers"};

int benchSize()
{
    if (const char* size = std::getenv("KORVEL_BENCH_SIZE"))
        return std::max(100, std::atoi(size));
    const char* shortRun = std::getenv("KORVEL_BENCH_SHORT");
    return shortRun && *shortRun && std::strcmp(shortRun, "0") != 0 ? 2000 : 100000;
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

struct benchStation {
    std::filesystem::path dir;
    std::string file;
    stationGenerator::counts made;
    int64_t bytes = 0;

    benchStation()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "korvelEditorBenchXXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        dir = pattern;
        file = (dir / "big.korvel-station").string();
        made = stationGenerator::write(KORVEL_FIXTURE_DIR, file, benchSize());
        bytes = static_cast<int64_t>(std::filesystem::file_size(file));
    }
    ~benchStation() { std::filesystem::remove_all(dir); }
};

benchStation& bigStation()
{
    static benchStation s;
    return s;
}

// The editor, started on first use so that the model's load is measured
// without it.
struct editor {
    recordingResponder user;
    std::unique_ptr<CStationEditorApp> app;
    CMainFrame* frame = nullptr;

    editor()
    {
        app = std::make_unique<CStationEditorApp>();
        if (!app->InitInstance({"-nologo"}))
            std::abort();
        frame = app->mainFrame();
    }

    void open()
    {
        user.chosenFiles.push_back(bigStation().file);
        frame->routeCommand(openCommand);
        if (frame->path().view() != bigStation().file)
            std::abort();
    }

    // New, answering No should a save be asked for.
    void close()
    {
        user.answers.push_back(ganswer::no);
        frame->routeCommand(newCommand);
        user.answers.clear();
    }

    void ensureOpen()
    {
        if (frame->path().view() != bigStation().file)
            open();
    }
};

editor& ui()
{
    static editor e;
    return e;
}

void settle() { QCoreApplication::processEvents(); }

void modelLoad(benchmark::State& state)
{
    // The first load in a process also pays for the memory the process
    // grows into; every later measure runs in that memory, so the ratios
    // take a load that runs in it too.
    clearObjectDatabase(false);
    if (loadObjectFile(gstrSlice(bigStation().file.c_str()), false, false) != gloadError::none)
        std::abort();
    for (auto _ : state) {
        state.PauseTiming();
        clearObjectDatabase(false);
        state.ResumeTiming();
        if (loadObjectFile(gstrSlice(bigStation().file.c_str()), false, false) != gloadError::none)
            std::abort();
    }
    clearObjectDatabase(false);
}

// The model's save of the loaded station to a file of its own.
void modelSave(benchmark::State& state)
{
    clearObjectDatabase(false);
    if (loadObjectFile(gstrSlice(bigStation().file.c_str()), false, false) != gloadError::none)
        std::abort();
    std::string saved = (bigStation().dir / "saved.korvel-station").string();
    for (auto _ : state) {
        if (saveObjectFile(gstrSlice(saved.c_str()), false) != gsaveError::none)
            std::abort();
    }
    clearObjectDatabase(false);
}

// As the model's load, taken after a first, untimed open: the first open in
// a process is measured against the model's first load in a process of its
// own (runAsChild).
void frameOpen(benchmark::State& state)
{
    editor& e = ui();
    e.ensureOpen();
    for (auto _ : state) {
        state.PauseTiming();
        e.close();
        settle();
        state.ResumeTiming();
        e.open();
        settle();
    }
}

void listWindow(benchmark::State& state)
{
    editor& e = ui();
    e.ensureOpen();
    auto which = static_cast<CMainFrame::listWindow>(state.range(0));
    CSelectDialog* window = e.frame->listWindowAt(which);
    for (auto _ : state) {
        state.PauseTiming();
        if (window->isVisible())
            e.frame->routeCommand(listToggleCommands[which]);
        settle();
        state.ResumeTiming();
        e.frame->routeCommand(listToggleCommands[which]);
        window->repaint();
        settle();
    }
    state.SetLabel(listNames[which]);
    if (window->isVisible())
        e.frame->routeCommand(listToggleCommands[which]);
}

// Add Registers from the summary pane: it lists every register of the
// station but those of the source; all are picked and go into the pane's
// list, selected.
void pickAllRegisters(editor& e, CDialog& registerDialog)
{
    CSourcePane* pane = dynamic_cast<CRegisterDialog&>(registerDialog).sourcePane();
    if (!pane)
        std::abort();
    e.user.scripts.push_back([](CDialog& add) {
        add.show();
        auto* list = add.controlAs<QListWidget>(CAddRegistersDialog::listId);
        list->selectAll();
        add.repaint();
        settle();
        add.sendCommand(IDOK);
    });
    pane->sendCommand(CSummarySourcePane::addId);
    pane->repaint();
    settle();
}

// Edit on the registers window's row of a summary register: its pane lists
// the station's registers.
void registerDialog(benchmark::State& state)
{
    editor& e = ui();
    e.ensureOpen();
    CSelectDialog* window = e.frame->listWindowAt(CMainFrame::registers);
    int row = 0;
    while (row < window->list().rowCount() && window->list().tagAt(row).view().rfind("A7q", 0) != 0)
        ++row;
    for (auto _ : state) {
        state.PauseTiming();
        window->list().selectRow(row);
        e.user.scripts.push_back([&e, addRegisters = state.range(0) != 0](CDialog& d) {
            d.show();
            d.repaint();
            settle();
            if (addRegisters)
                pickAllRegisters(e, d);
            d.sendCommand(IDCANCEL);
        });
        state.ResumeTiming();
        window->sendCommand(CSelectDialog::editId);
    }
    state.SetLabel(state.range(0) ? "and Add Registers" : "");
}

void drawingPanes(benchmark::State& state)
{
    ui().ensureOpen();
    for (auto _ : state)
        refreshDrawingPropertiesBar();
}

// Modify Registers opened, Find All Tags on a text most tags hold, closed.
void batchFindAllTags(benchmark::State& state)
{
    editor& e = ui();
    e.ensureOpen();
    for (auto _ : state) {
        e.user.scripts.push_back([](CDialog& d) {
            d.show();
            settle();
            d.setControlText(CBatchListDialog::findId, "q");
            d.sendCommand(CBatchListDialog::findTagsId);
            d.repaint();
            settle();
            d.sendCommand(IDCANCEL);
        });
        e.frame->routeCommand(modifyRegistersCommand);
    }
}

fscreen* bigScreen()
{
    // The first copy of the screens is the one grown.
    return station::screens().find("Overviewq0");
}

void screenOpenAndRepaint(benchmark::State& state)
{
    ui().ensureOpen();
    fscreen* screen = bigScreen();
    if (!screen)
        std::abort();
    for (auto _ : state) {
        CScreenDoc* doc = openScreenDocument(*screen);
        if (!doc)
            std::abort();
        for (QWidget* view : doc->views())
            view->repaint();
        settle();
        state.PauseTiming();
        closeScreenDocument(*screen);
        settle();
        state.ResumeTiming();
    }
}

void screenRepaint(benchmark::State& state)
{
    ui().ensureOpen();
    CScreenDoc* doc = openScreenDocument(*bigScreen());
    settle();
    for (auto _ : state) {
        for (QWidget* view : doc->views())
            view->repaint();
    }
    closeScreenDocument(*bigScreen());
}

// The client point of a screen point in the view.
QPoint clientPoint(const CScreenView& view, int32_t x, int32_t y)
{
    const grect& b = view.screen()->getBounds();
    return {x - b.left + CScreenView::margin - view.horizontalScrollBar()->value(),
            y - b.top + CScreenView::margin - view.verticalScrollBar()->value()};
}

// The middle of a selected object that a press there grabs by its body,
// inside the view with room for the drag around it.
bool grabPoint(const CScreenView& view, int room, QPoint& at)
{
    fscreen& screen = *view.screen();
    QRect inside = view.viewport()->rect().adjusted(room, room, -room, -room);
    for (ggraphObject* o = screen.firstSelected(); o; o = screen.nextSelected(o)) {
        const grect& b = o->getBounds();
        int32_t x = b.left + (b.right - b.left) / 2;
        int32_t y = b.top + (b.bottom - b.top) / 2;
        int hit = 0;
        ggraphObject* grabbed = screen.objectAt(x, y, hit, true);
        at = clientPoint(view, x, y);
        if (grabbed && screen.isSelected(grabbed) && hit == 1 && inside.contains(at))
            return true;
    }
    return false;
}

void sendMouse(QWidget* to, QEvent::Type type, const QPoint& at)
{
    Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, to->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(to, &event);
}

// 500 objects of the big screen selected, then dragged with the mouse in
// the view, there and back in turns: press, ten moves, release, repaint.
void screenDrag(benchmark::State& state)
{
    ui().ensureOpen();
    fscreen* screen = bigScreen();
    CScreenDoc* doc = openScreenDocument(*screen);
    settle();
    auto* view = dynamic_cast<CScreenView*>(doc->views().front());
    if (!view)
        std::abort();
    screen->emptySelection();
    int selected = 0;
    for (ggraphObject* o = screen->firstObject(); o && selected < 500; o = o->getNext(), ++selected)
        screen->selectObject(o);
    screen->gatherSelection();
    constexpr int steps = 10;
    constexpr int step = 4;
    int direction = 1;
    for (auto _ : state) {
        QPoint at;
        if (!grabPoint(*view, steps * step + 1, at))
            std::abort();
        sendMouse(view->viewport(), QEvent::MouseButtonPress, at);
        for (int i = 0; i < steps; ++i) {
            at += QPoint(direction * step, direction * step);
            sendMouse(view->viewport(), QEvent::MouseMove, at);
        }
        sendMouse(view->viewport(), QEvent::MouseButtonRelease, at);
        view->viewport()->repaint();
        settle();
        direction = -direction;
    }
    state.SetLabel(std::to_string(selected) + " objects");
    closeScreenDocument(*screen);
    settle();
}

// Defined registers that nothing refers to, from the end of the table.
std::vector<gregister*> unusedRegisters(size_t wanted)
{
    std::vector<gregister*> found;
    jhashTypedIterator<gregister> it(station::registers());
    gregister* reg = nullptr;
    while (it.get(reg)) {
        if (reg->isDefined() && reg->usedBy().isUnused() && gregister::classCode(*reg) != 0)
            found.push_back(reg);
    }
    if (found.size() < wanted)
        std::abort();
    found.erase(found.begin(), found.end() - static_cast<long>(wanted));
    return found;
}

// The registers window's row of the register selected, as the user clicks.
CSelectDialog& selectRegisterRow(editor& e, const gregister* reg)
{
    CSelectDialog* window = e.frame->listWindowAt(CMainFrame::registers);
    int row = window->list().indexOf(reg);
    if (row < 0)
        std::abort();
    window->list().selectRow(row);
    return *window;
}

// Delete on the registers window: the one register goes after its in-use
// check; a register in use is refused with the list of its users.
void registerDelete(benchmark::State& state)
{
    editor& e = ui();
    e.ensureOpen();
    std::vector<gregister*> going = unusedRegisters(8);
    for (auto _ : state) {
        state.PauseTiming();
        if (going.empty())
            std::abort();
        CSelectDialog& window = selectRegisterRow(e, going.back());
        going.pop_back();
        state.ResumeTiming();
        window.sendCommand(CSelectDialog::deleteId);
        settle();
    }
}

// The register dialog with a text typed in a field: OK, or Cancel should
// OK be refused.
void typeField(editor& e, int id, const std::string& text)
{
    e.user.scripts.push_back([id, text](CDialog& d) {
        d.setControlText(id, text.c_str());
        d.sendCommand(IDOK);
        if (d.isVisible())
            d.sendCommand(IDCANCEL);
    });
}

// Edit on the registers window, a new name typed, OK; back to the old one
// on the next round. The tag of a register stays as it was made.
void registerRename(benchmark::State& state)
{
    editor& e = ui();
    e.ensureOpen();
    gregister* reg = unusedRegisters(1).front();
    std::string names[2] = {std::string(reg->getTitle(true).view()), "Renamed register"};
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        CSelectDialog& window = selectRegisterRow(e, reg);
        typeField(e, CRegisterDialog::nameId, names[++round % 2]);
        state.ResumeTiming();
        window.sendCommand(CSelectDialog::editId);
        settle();
        state.PauseTiming();
        if (reg->getTitle(true).view() != names[round % 2])
            std::abort();
        state.ResumeTiming();
    }
}

// Duplicate on the registers window: the copy's dialog with a new tag, OK.
void registerDuplicate(benchmark::State& state)
{
    editor& e = ui();
    e.ensureOpen();
    gregister* reg = unusedRegisters(1).front();
    int copies = 0;
    for (auto _ : state) {
        state.PauseTiming();
        CSelectDialog& window = selectRegisterRow(e, reg);
        std::string tag = "Copy" + std::to_string(++copies);
        typeField(e, CRegisterDialog::tagId, tag);
        state.ResumeTiming();
        window.sendCommand(CSelectDialog::duplicateId);
        settle();
        state.PauseTiming();
        if (!station::registers().find(tag.c_str()))
            std::abort();
        state.ResumeTiming();
    }
}

void saveAndClose(benchmark::State& state)
{
    editor& e = ui();
    for (auto _ : state) {
        state.PauseTiming();
        e.ensureOpen();
        stationState().modified = 1;
        state.ResumeTiming();
        e.frame->routeCommand(saveCommand);
        e.close();
        settle();
    }
}

// Keeps each benchmark's real time per iteration for the ratios.
class ratioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration)
                continue;
            std::string name = run.benchmark_name();
            seconds[name] = run.GetAdjustedRealTime() / 1000.0;
            if (!run.report_label.empty())
                labels[name] = run.report_label;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
    std::map<std::string, std::string> labels;
};

// A new process of this program that loads the station, through the model
// only or opened in the editor: as a user's first open, it also pays for the
// memory it grows into.
struct childRun {
    long peakKb = 0;
    double seconds = 0;
};

// Zero figures when the child failed.
childRun runChild(const char* argv0, const char* how)
{
    std::string command = "'";
    command.append(argv0).append("' --child ").append(how).append(" '").append(bigStation().file).append("'");
    FILE* child = ::popen(command.c_str(), "r");
    if (!child)
        return {};
    childRun run;
    if (std::fscanf(child, "%ld %lf", &run.peakKb, &run.seconds) != 2)
        run = {};
    ::pclose(child);
    return run;
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int runAsChild(const std::string& how, const char* file)
{
    if (how == "model") {
        auto start = std::chrono::steady_clock::now();
        if (loadObjectFile(gstrSlice(file), false, false) != gloadError::none)
            return 1;
        double seconds = secondsSince(start);
        std::printf("%ld %f\n", peakKilobytes(), seconds);
        return 0;
    }
    recordingResponder user;
    CStationEditorApp app;
    if (!app.InitInstance({"-nologo"}))
        return 1;
    user.chosenFiles.push_back(file);
    auto start = std::chrono::steady_clock::now();
    app.mainFrame()->routeCommand(openCommand);
    settle();
    double seconds = secondsSince(start);
    std::printf("%ld %f\n", peakKilobytes(), seconds);
    std::fflush(stdout);
    std::_Exit(0);
}

void printRatios(const ratioReporter& reporter, const childRun& model, const childRun& editor)
{
    auto find = [&](const std::string& name) {
        for (const auto& [key, value] : reporter.seconds) {
            if (key.rfind(name, 0) == 0)
                return value;
        }
        return 0.0;
    };
    double load = find("modelLoad");
    const stationGenerator::counts& made = bigStation().made;
    std::printf("\nstation: %d registers, %d screens (one of %d objects), %d programs, %d devices; %.1f MB\n",
                made.registers, made.screens, made.screenObjects, made.programs, made.devices, bigStation().bytes / 1e6);
    std::printf("model load: %.3f s\n", load);
    if (load <= 0)
        return;
    for (const auto& [name, seconds] : reporter.seconds) {
        std::string shown = name;
        if (auto label = reporter.labels.find(name); label != reporter.labels.end())
            shown.append(" ").append(label->second);
        std::printf("%-40s %9.3f s  %7.2f x the model's load\n", shown.c_str(), seconds, seconds / load);
    }
    double save = find("modelSave");
    double open = find("frameOpen");
    if (save > 0 && open > 0)
        std::printf("frame open: %.2f x the model's load and save (%.3f s)\n", open / (load + save), load + save);
    if (model.seconds > 0 && editor.seconds > 0)
        std::printf("first open in a new process: editor %.3f s, model %.3f s: %.2f x\n", editor.seconds,
                    model.seconds, editor.seconds / model.seconds);
    if (model.peakKb > 0 && editor.peakKb > 0)
        std::printf("peak memory: editor %.1f MB, model only %.1f MB: %.2f x\n", editor.peakKb / 1024.0,
                    model.peakKb / 1024.0, static_cast<double>(editor.peakKb) / static_cast<double>(model.peakKb));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    settings().setFolders({}, {});
    if (argc == 4 && std::strcmp(argv[1], "--child") == 0) {
        if (std::strcmp(argv[2], "model") == 0)
            return runAsChild(argv[2], argv[3]);
        QApplication app(argc, argv);
        installMessageService(&theUiMessageService());
        return runAsChild(argv[2], argv[3]);
    }
    QApplication app(argc, argv);
    installMessageService(&theUiMessageService());
    benchmark::Initialize(&argc, argv);
    bigStation();
    auto unit = [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMillisecond)->UseRealTime(); };
    unit(benchmark::RegisterBenchmark("modelLoad", modelLoad));
    unit(benchmark::RegisterBenchmark("modelSave", modelSave));
    unit(benchmark::RegisterBenchmark("frameOpen", frameOpen));
    for (int which = 0; which < CMainFrame::listWindowCount; ++which)
        unit(benchmark::RegisterBenchmark("listWindow", listWindow)->Arg(which));
    unit(benchmark::RegisterBenchmark("registerDialog", registerDialog)->Arg(0));
    unit(benchmark::RegisterBenchmark("registerDialog", registerDialog)->Arg(1));
    unit(benchmark::RegisterBenchmark("drawingPanes", drawingPanes));
    unit(benchmark::RegisterBenchmark("batchFindAllTags", batchFindAllTags));
    unit(benchmark::RegisterBenchmark("screenOpenAndRepaint", screenOpenAndRepaint));
    unit(benchmark::RegisterBenchmark("screenRepaint", screenRepaint));
    unit(benchmark::RegisterBenchmark("screenDrag", screenDrag));
    // Each round changes the station: a fixed number of them.
    unit(benchmark::RegisterBenchmark("registerDelete", registerDelete)->Iterations(8));
    unit(benchmark::RegisterBenchmark("registerRename", registerRename)->Iterations(8));
    unit(benchmark::RegisterBenchmark("registerDuplicate", registerDuplicate)->Iterations(8));
    unit(benchmark::RegisterBenchmark("saveAndClose", saveAndClose));
    ratioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    childRun model = runChild(argv[0], "model");
    childRun editor = runChild(argv[0], "editor");
    printRatios(reporter, model, editor);
    std::filesystem::remove_all(bigStation().dir);
    // The editor goes before the application it lives in, and the station's
    // folder is gone already; _Exit drops what stdout still buffers, the ratios with it when it is not a terminal.
    std::fflush(stdout);
    std::_Exit(0);
}
