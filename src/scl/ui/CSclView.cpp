#include "scl/ui/CSclView.h"

#include "foundation/charClasses.h"
#include "platform/helpViewer.h"
#include "platform/modalRun.h"
#include "platform/textCodec.h"
#include "registers/ui/CPasteRegisterTagDialog.h"
#include "scl/gsclTokenizer.h"
#include "scl/ui/CG2DriverProgramEditor.h"
#include "scl/ui/CPasteCascadeTagDialogs.h"
#include "scl/ui/CSclDoc.h"
#include "scl/ui/sclColourTable.h"
#include "scl/ui/sclMenus.h"
#include "shell/CMainFrame.h"
#include "shell/CStationEditorApp.h"
#include "sourceedit/CSourceUndoRecord.h"
#include "sourceedit/sourceColour.h"
#include "sourceedit/sourceEditorSettings.h"
#include "sourceedit/ui/sourceUiColours.h"
#include "store/gstation.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QPrinter>
#include <cstdlib>

namespace {

constexpr int fallbackFontHeight = 10;
constexpr int printFontPoints = 10;
constexpr int marginCells = 2;
constexpr int keyboardMenuOffset = 5;
constexpr int lineTextId = 32857;

// The screen fonts are made once, by the first SCL view that is shown.
bool firstView = true;

CSclView::contextMenuRunner& menuRunner()
{
    static CSclView::contextMenuRunner runner;
    return runner;
}

// Without a display nobody could choose: the menu would wait for ever.
int runMenu(QMenu& menu, const QPoint& at)
{
    if (const CSclView::contextMenuRunner& runner = menuRunner())
        return runner(menu, at);
    if (modalRunsUnattended())
        return 0;
    QAction* chosen = menu.exec(at);
    return chosen ? chosen->data().toInt() : 0;
}

// Letters and digits of any script, as the run-time's classification of the
// user's code page says.
bool isLetterOrDigit(char c)
{
    if (charClass::isAlnum(c))
        return true;
    if (static_cast<unsigned char>(c) < 0x80)
        return false;
    QString text = toUiText(gstrSlice(&c, 1));
    return !text.isEmpty() && text.at(0).isLetterOrNumber();
}

bool isKeywordChar(char c) { return isLetterOrDigit(c) || c == '_' || c == '$' || c == '%' || c == '#'; }

} // namespace

CSclView::CSclView(CSclDoc* document, QWidget* parent) : CSourceViewMfc(document, parent)
{
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

CSclView::~CSclView() = default;

CSclDoc* CSclView::sclDocument() const { return static_cast<CSclDoc*>(document()); }

void CSclView::setContextMenuRunner(contextMenuRunner runner) { menuRunner() = std::move(runner); }

void CSclView::OnInitialUpdate()
{
    if (firstView) {
        int height = QFontInfo(QApplication::font()).pixelSize();
        createScreenFonts(height != 0 ? std::abs(height) : fallbackFontHeight, 72);
        firstView = false;
    }
    CSourceViewMfc::OnInitialUpdate();
    marginColumns = marginCells;
    recalcMetrics();
}

void CSclView::OnBeginPrinting(QPrinter& printer)
{
    createPrintFonts(printFontPoints, printer.logicalDpiY());
    CSourceViewMfc::OnBeginPrinting(printer);
}

void CSclView::OnEndPrinting()
{
    CSourceViewMfc::OnEndPrinting();
    deletePrintFonts();
}

// Margins take the colour of scroll bars.
void CSclView::beginDraw(int32_t firstLine, const QRect& clip, QPainter& dc, CSourceDrawState& state)
{
    state.marginSet = true;
    state.marginBrush = sourceColour(systemColourRef(sysColourIndexScrollBar));
    CSourceViewMfc::beginDraw(firstLine, clip, dc, state);
}

const CSourceTokenStyle* CSclView::getTokenStyle(int kind)
{
    CSourceTokenInfoArray& table = sclColourTable();
    return kind >= 0 && kind < table.size() ? &table[kind] : nullptr;
}

// The source editor's default with what the user chose for plain text (the
// first entry of the table), in the shared Courier New fonts.
const CSourceTokenStyle& CSclView::getDefaultStyle()
{
    static_cast<CSourceTokenStyle&>(defaultStyle_) = sourceBaseDefaultStyle();
    CSourceTokenInfoArray& table = sclColourTable();
    if (table.size() > 0) {
        const CSourceTokenInfo& plain = table[0];
        uint32_t colour = 0;
        if (plain.getForeground(colour, 0))
            defaultStyle_.setColour(CSourceTokenStyle::screenForegroundColour, colour, 1);
        if (plain.getBackground(colour, 0))
            defaultStyle_.setColour(CSourceTokenStyle::screenBackgroundColour, colour, 1);
    }
    defaultStyle_.setFontStyle(CSourceTokenStyle::fontNormal, 0);
    defaultStyle_.setFontStyle(CSourceTokenStyle::fontNormal, 1);
    return defaultStyle_;
}

int CSclView::isWordChar(char c) { return isKeywordChar(c) || c == '&'; }

// --- commands ---

bool CSclView::onCommand(int id)
{
    switch (id) {
    case findKeywordCommand: OnFindKeyword(); return true;
    case goToLineCommand: goToLine(); return true;
    case selectAllCommand: OnSelectAll(); return true;
    default: return CSourceViewMfc::onCommand(id);
    }
}

bool CSclView::onUpdateCommand(commandState& state)
{
    CSclDoc* doc = sclDocument();
    switch (state.id) {
    case findKeywordCommand: state.enable(canFindKeyword()); return true;
    case goToLineCommand: state.enable(); return true;
    case selectAllCommand:
        state.enable(doc && (doc->getLineCount() > 1 || doc->getLineLength(0) > 0));
        return true;
    case overwriteIndicator:
    case frameOverwriteIndicator: state.enable(sourceEditorOverwrite); return true;
    case lineIndicator: {
        gstr text;
        text.format(lineTextId, caret.line + 1);
        state.enable();
        state.setText(text);
        return true;
    }
    default: return CSourceViewMfc::onUpdateCommand(state);
    }
}

bool CSclView::canFindKeyword() const
{
    return !hasSelection() || (selStart.line == selEnd.line && !blockSelection);
}

gstr CSclView::keywordAtCaret()
{
    CSclDoc* doc = sclDocument();
    if (!doc)
        return gstr("");
    if (hasSelection())
        return doc->getText(selStart, selEnd);
    const char* text = doc->lineText(caret.line);
    int32_t length = doc->getLineLength(caret.line);
    if (length == 0 || caret.column > length)
        return gstr("");
    int32_t start = caret.column;
    while (start > 0 && isKeywordChar(text[start - 1]))
        --start;
    int32_t end = caret.column;
    while (end < length && isKeywordChar(text[end]))
        ++end;
    return gstr(gstrSlice(text + start, end - start));
}

void CSclView::OnFindKeyword()
{
    if (!canFindKeyword())
        return;
    gstr keyword = keywordAtCaret();
    CStationEditorApp* app = CStationEditorApp::instance();
    if (app)
        setHelpFile(app->sclHelpPath());
    showHelp(helpCommand::keyword, 0, keyword);
    if (app)
        setHelpFile(app->mainHelpPath());
}

void CSclView::OnSelectAll()
{
    CSclDoc* doc = sclDocument();
    if (!doc)
        return;
    int32_t last = doc->lastLine();
    setSelectionPoint(0, 0);
    extendSelection(doc->getLineLength(last), last);
    setCaretPosition(doc->getLineLength(last), last);
    ensureCaretVisible();
    viewport()->update();
}

void CSclView::insertText(const gstrSlice& text)
{
    bool selection = hasSelection() && !blockSelection;
    CSourcePosition at = selection ? selStart : caret;
    auto record = std::make_unique<CSourceUndoInsert>(at.column, at.line, text);
    if (selection)
        record->setReplaceRange(selEnd);
    if (!execute(std::move(record), opEditing))
        return;
    if (selection)
        clearSelection();
    selStart = anchor = caret;
}

// --- routing, keys and the context menu ---

commandTarget* CSclView::frameCommands() const
{
    QWidget* top = window();
    if (auto* main = dynamic_cast<CMainFrame*>(top))
        return &main->commands();
    if (auto* editor = dynamic_cast<CG2DriverProgramEditor*>(top))
        return &editor->commands();
    return nullptr;
}

void CSclView::routeCommand(int id)
{
    CStationEditorApp* app = CStationEditorApp::instance();
    commandTarget* targets[] = {this, document(), frameCommands(), app ? &app->commands() : nullptr};
    for (commandTarget* t : targets) {
        if (t && t->onCommand(id))
            return;
    }
}

commandState CSclView::commandStateOf(int id)
{
    commandState state;
    state.id = id;
    CStationEditorApp* app = CStationEditorApp::instance();
    commandTarget* targets[] = {this, document(), frameCommands(), app ? &app->commands() : nullptr};
    for (commandTarget* t : targets) {
        if (t && t->onUpdateCommand(state))
            return state;
    }
    return state;
}

void CSclView::keyPressEvent(QKeyEvent* event)
{
    bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (shiftF10 || event->key() == Qt::Key_Menu) {
        openContextMenu(viewport()->mapToGlobal(QPoint(keyboardMenuOffset, keyboardMenuOffset)));
        return;
    }
    if (int command = sclMenus::acceleratorCommand(event->key(), static_cast<int>(event->modifiers()))) {
        routeCommand(command);
        return;
    }
    CSourceViewMfc::keyPressEvent(event);
}

void CSclView::contextMenuEvent(QContextMenuEvent* event)
{
    QPoint at = event->reason() == QContextMenuEvent::Mouse
                    ? event->globalPos()
                    : viewport()->mapToGlobal(QPoint(keyboardMenuOffset, keyboardMenuOffset));
    openContextMenu(at);
}

void CSclView::openContextMenu(const QPoint& globalPosition)
{
    QMenu menu(this);
    sclMenus::fillMenu(menu, sclMenus::contextMenu(getContextMenuId()), [this](QMenu& owner, int id, const char* text) {
        QAction* action = owner.addAction(QString::fromLatin1(text));
        action->setData(id);
        action->setEnabled(commandStateOf(id).enabled);
    });
    if (int chosen = runMenu(menu, globalPosition))
        routeCommand(chosen);
}

// --- the two views ---

CSclLocalView::CSclLocalView(CSclDoc* document, QWidget* parent) : CSclView(document, parent) {}

int CSclLocalView::getContextMenuId() const { return sclMenus::driverContextMenu; }

// --- the station program view and its Paste Special commands ---

namespace {

enum pasteCommand : int {
    pastePortTag = 32836,
    pasteRegisterTag = 32838,
    pasteProgramTag = 32837,
    pasteDeviceTag = 32833,
    pasteCommandTag = 32832,
    pasteDataObjectTag = 32927,
    pasteDriverProgramTag = 32929,
    pasteResponseTag = 32839,
    pasteMessageTag = 32908,
    pasteReplyTag = 32909,
    pasteParameterTag = 32835,
};

template <class Table>
bool holdsObjects(const Table& table)
{
    return table.count() > 0;
}

// Whether the station has what the picker of the command offers.
bool pasteEnabled(int command)
{
    bool ports = holdsObjects(station::serialPorts());
    bool g2 = holdsObjects(station::g2Drivers());
    bool legacy = holdsObjects(station::legacyDrivers());
    switch (command) {
    case pastePortTag: return ports;
    case pasteRegisterTag: return holdsObjects(station::registers());
    case pasteProgramTag: return holdsObjects(station::programs());
    case pasteDeviceTag:
    case pasteCommandTag: return ports && (g2 || legacy);
    case pasteDataObjectTag:
    case pasteDriverProgramTag: return ports && g2;
    case pasteResponseTag:
    case pasteMessageTag:
    case pasteReplyTag: return ports && legacy;
    case pasteParameterTag: return holdsObjects(station::legacyParameters());
    default: return false;
    }
}

// The picker of the command, made without a parent; null for another
// command.
std::unique_ptr<CPasteTagDialog> makePasteDialog(int command)
{
    switch (command) {
    case pastePortTag: return std::make_unique<CPasteSerialPortTagDialog>();
    case pasteProgramTag: return std::make_unique<CPasteProgramTagDialog>();
    case pasteParameterTag: return std::make_unique<CPasteLegacyParameterTagDialog>();
    case pasteDeviceTag: return std::make_unique<CPasteSerialDeviceTagDialog>();
    case pasteCommandTag: return std::make_unique<CPasteCommandTagDialog>(false);
    case pasteReplyTag: return std::make_unique<CPasteCommandTagDialog>(true);
    case pasteResponseTag: return std::make_unique<CPasteLegacyResponseTagDialog>(false);
    case pasteMessageTag: return std::make_unique<CPasteLegacyResponseTagDialog>(true);
    case pasteDataObjectTag: return std::make_unique<CPasteDataObjectTagDialog>();
    case pasteDriverProgramTag: return std::make_unique<CPasteDriverProgramTagDialog>();
    default: return nullptr;
    }
}

bool isPasteCommand(int id)
{
    switch (id) {
    case pastePortTag: case pasteRegisterTag: case pasteProgramTag: case pasteDeviceTag: case pasteCommandTag:
    case pasteDataObjectTag: case pasteDriverProgramTag: case pasteResponseTag: case pasteMessageTag:
    case pasteReplyTag: case pasteParameterTag: return true;
    default: return false;
    }
}

} // namespace

CSclGlobalView::CSclGlobalView(CSclDoc* document, QWidget* parent) : CSclView(document, parent) {}

int CSclGlobalView::getContextMenuId() const { return sclMenus::stationContextMenu; }

bool CSclGlobalView::onCommand(int id)
{
    if (!isPasteCommand(id))
        return CSclView::onCommand(id);
    pasteTag(id);
    return true;
}

bool CSclGlobalView::onUpdateCommand(commandState& state)
{
    if (!isPasteCommand(state.id))
        return CSclView::onUpdateCommand(state);
    state.enable(pasteEnabled(state.id));
    return true;
}

void CSclGlobalView::pasteTag(int command)
{
    if (command == pasteRegisterTag) {
        CPasteRegisterTagDialog dialog;
        if (dialog.DoModal() == IDOK)
            insertText(dialog.result());
        return;
    }
    std::unique_ptr<CPasteTagDialog> dialog = makePasteDialog(command);
    if (dialog && dialog->DoModal() == IDOK)
        insertText(dialog->result());
}
