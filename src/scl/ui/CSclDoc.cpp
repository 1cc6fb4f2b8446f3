#include "scl/ui/CSclDoc.h"

#include "platform/textCodec.h"
#include "scl/gsclProgram.h"
#include "scl/gsclProgramBody.h"
#include "scl/gsclTokenizer.h"
#include "scl/ui/CG2DriverProgramEditorThread.h"
#include "scl/ui/CProgramPropertiesDialog.h"
#include "scl/ui/CSclProgramsDialog.h"
#include "shell/CMainFrame.h"
#include "shell/CMultiDocTemplate.h"
#include "shell/CStationEditorApp.h"
#include "sourceedit/ui/CSourceViewMfc.h"
#include "store/gstationState.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <cstring>

namespace {

constexpr char lineSeparator = '\r';

CMultiDocTemplate* stationTemplate()
{
    CStationEditorApp* app = CStationEditorApp::instance();
    return app ? &app->sclTemplate() : nullptr;
}

} // namespace

// --- CSclDoc ---

CSclDoc::CSclDoc() { maxLineLength = maximumLineLength; }

CSclDoc::~CSclDoc() = default;

void CSclDoc::readProgramText(const gsclProgramBody& body)
{
    clear();
    const gstr& code = body.code();
    const char* piece = code.data();
    const char* end = piece + code.length();
    for (int32_t line = 0;; ++line) {
        // An empty program has no text buffer at all: nothing to search or copy.
        const char* stop = piece == end ? nullptr
                                        : static_cast<const char*>(std::memchr(piece, lineSeparator, end - piece));
        auto length = static_cast<int32_t>((stop ? stop : end) - piece);
        char* buffer = lockLineBuffer(line, length);
        if (length > 0)
            std::memcpy(buffer, piece, static_cast<size_t>(length));
        releaseLineBuffer(line, length);
        if (!stop)
            break;
        piece = stop + 1;
        insertLine(line + 1);
    }
    updateAllViews();
}

int CSclDoc::writeProgramText(gsclProgramBody& body) const
{
    gstr code("");
    int32_t count = getLineCount();
    for (int32_t line = 0; line < count; ++line) {
        if (line > 0)
            code.append(lineSeparator);
        code.append(gstrSlice(lineText(line), getLineLength(line)));
    }
    body.setCode(code);
    return 1;
}

void CSclDoc::updateAllViews()
{
    for (CSourceViewMfc* view : sourceViews())
        view->OnUpdate(nullptr, 0, nullptr);
}

void CSclDoc::retitle(const gstrSlice& title)
{
    setTitle(title);
    for (QWidget* view : views()) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(view->parentWidget()))
            frame->setWindowTitle(toUiText(title));
    }
}

// --- CSclGlobalDoc ---

CSclGlobalDoc::CSclGlobalDoc() = default;

CSclGlobalDoc::~CSclGlobalDoc() = default;

void CSclGlobalDoc::openProgram(gsclProgram* program)
{
    program_ = program;
    if (program)
        readProgramText(program->body());
    else
        DeleteContents();
    setPathName(program);
}

void CSclGlobalDoc::setPathName(gsclProgram* program)
{
    program_ = program;
    if (program)
        retitle(program->getTitle(true));
}

void CSclGlobalDoc::DeleteContents()
{
    program_ = nullptr;
    CSclDoc::DeleteContents();
}

bool CSclGlobalDoc::saveModified()
{
    if (program_)
        writeProgramText(program_->body());
    return true;
}

void CSclGlobalDoc::reloadFromObjects() { reloadProgramText(); }

void CSclGlobalDoc::reloadProgramText()
{
    if (program_)
        readProgramText(program_->body());
}

CSourceTokenizer* CSclGlobalDoc::getTokenizer() { return &sclStationTokenizer(); }

// An edit of a station program is an edit of the station.
void CSclGlobalDoc::setModified(int flag)
{
    if (flag)
        stationState().modified = 1;
    CSclDoc::setModified(flag);
}

bool CSclGlobalDoc::onCommand(int id)
{
    if (id != propertiesCommand)
        return CSclDoc::onCommand(id);
    OnProperties();
    return true;
}

bool CSclGlobalDoc::onUpdateCommand(commandState& state)
{
    if (state.id != propertiesCommand)
        return CSclDoc::onUpdateCommand(state);
    state.enable(program_ != nullptr);
    return true;
}

// The program holds the current text before its properties are shown; the
// text is not read again afterwards, whatever the dialog ends with.
void CSclGlobalDoc::OnProperties()
{
    if (!program_)
        return;
    saveModified();
    CProgramPropertiesDialog dialog(program_, program_, CMainFrame::instance());
    if (dialog.DoModal() != IDOK)
        return;
    stationState().modified = 1;
    retitle(program_->getTitle(true));
    updateAllViews();
    if (CSclProgramsDialog* list = CSclProgramsDialog::instance())
        list->updateProgramRow(program_);
}

CSclGlobalDoc* CSclGlobalDoc::find(const gsclProgram* program)
{
    CMultiDocTemplate* docs = stationTemplate();
    if (!docs || !program)
        return nullptr;
    for (CDocument* d : docs->documents()) {
        auto* doc = dynamic_cast<CSclGlobalDoc*>(d);
        if (doc && doc->getProgram() == program)
            return doc;
    }
    return nullptr;
}

CSclGlobalDoc* CSclGlobalDoc::openWindow(gsclProgram& program)
{
    CMultiDocTemplate* docs = stationTemplate();
    CMainFrame* frame = CMainFrame::instance();
    if (!docs || !frame || !frame->mdiArea())
        return nullptr;
    CDocument* opened = docs->openDocument(*frame->mdiArea(), [&program](CDocument& d) {
        if (auto* doc = dynamic_cast<CSclGlobalDoc*>(&d))
            doc->openProgram(&program);
    });
    return dynamic_cast<CSclGlobalDoc*>(opened);
}

void CSclGlobalDoc::show(gsclProgram& program)
{
    CSclGlobalDoc* doc = find(&program);
    if (!doc) {
        openWindow(program);
        return;
    }
    if (doc->views().empty())
        return;
    auto* frame = qobject_cast<QMdiSubWindow*>(doc->views().front()->parentWidget());
    if (!frame)
        return;
    if (frame->isMinimized())
        frame->showNormal();
    if (QMdiArea* area = frame->mdiArea())
        area->setActiveSubWindow(frame);
    frame->window()->raise();
    frame->window()->activateWindow();
}

void CSclGlobalDoc::closeWindow(const gsclProgram* program)
{
    CMultiDocTemplate* docs = stationTemplate();
    if (CSclGlobalDoc* doc = find(program))
        docs->closeDocument(doc);
}

void CSclGlobalDoc::writeBackAll()
{
    if (CMultiDocTemplate* docs = stationTemplate())
        docs->saveAllModified();
}

void CSclGlobalDoc::writeBack(const gsclProgram* program)
{
    if (CSclGlobalDoc* doc = find(program))
        doc->saveModified();
}

// --- CSclLocalDoc ---

CSclLocalDoc::CSclLocalDoc() = default;

CSclLocalDoc::~CSclLocalDoc() = default;

void CSclLocalDoc::openProgram(gsclProgramBody* program)
{
    program_ = program;
    if (program)
        readProgramText(*program);
    else
        DeleteContents();
    setPathName(program);
}

void CSclLocalDoc::setPathName(gsclProgramBody* program)
{
    program_ = program;
    if (program)
        retitle(program->programTag());
}

void CSclLocalDoc::DeleteContents()
{
    program_ = nullptr;
    CSclDoc::DeleteContents();
}

bool CSclLocalDoc::saveModified()
{
    if (program_)
        writeProgramText(*program_);
    return true;
}

CSourceTokenizer* CSclLocalDoc::getTokenizer() { return &sclDriverTokenizer(); }

bool CSclLocalDoc::onCommand(int id)
{
    if (id != propertiesCommand)
        return CSclDoc::onCommand(id);
    if (CG2DriverProgramEditorThread* editor = CG2DriverProgramEditorThread::current(); editor && program_)
        editor->requestProperties(program_);
    return true;
}

bool CSclLocalDoc::onUpdateCommand(commandState& state)
{
    if (state.id != propertiesCommand)
        return CSclDoc::onUpdateCommand(state);
    CG2DriverProgramEditorThread* editor = CG2DriverProgramEditorThread::current();
    state.enable(program_ && editor && editor->isOwnerActive());
    return true;
}
