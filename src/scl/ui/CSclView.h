#pragma once

#include "sourceedit/ui/CSourceTokenInfo.h"
#include "sourceedit/ui/CSourceViewMfc.h"

#include <functional>

class CSclDoc;
class QMenu;

// The source view of an SCL program: colours with the SCL colour table,
// counts the characters of SCL names as word characters, looks the word at
// the caret up in the SCL help file, and offers Go To Line, Select All, the
// caret's line in the status bar and a context menu. Commands of its own and
// the keys of the SCL documents' accelerator table go to the window's
// command chain: the view, its document, its frame, the application.
class CSclView : public CSourceViewMfc {
public:
    static constexpr int findKeywordCommand = 32855;
    static constexpr int goToLineCommand = 32829;
    static constexpr int selectAllCommand = 57642;
    static constexpr int overwriteIndicator = 59140;
    static constexpr int lineIndicator = 32856;
    // The main frame's OVR pane.
    static constexpr int frameOverwriteIndicator = 0xE702;

    ~CSclView() override;

    CSclDoc* sclDocument() const;
    // The resource id of the view's context menu.
    virtual int getContextMenuId() const = 0;

    void OnInitialUpdate() override;
    void OnBeginPrinting(QPrinter& printer) override;
    void OnEndPrinting() override;
    void beginDraw(int32_t firstLine, const QRect& clip, QPainter& dc, CSourceDrawState& state) override;
    const CSourceTokenStyle* getTokenStyle(int kind) override;
    const CSourceTokenStyle& getDefaultStyle() override;
    int isWordChar(char c) override;

    bool onCommand(int id) override;
    bool onUpdateCommand(commandState& state) override;

    // Inserts text at the caret as one undoable step, in place of the
    // selection when there is one.
    void insertText(const gstrSlice& text);
    // The word Find Keyword looks up: the selection on one line, else the
    // run of keyword characters around the caret; empty at an empty line or
    // past the line's end.
    gstr keywordAtCaret();
    void OnFindKeyword();
    void OnSelectAll();
    // The context menu with its top-left corner at a point of the screen.
    void openContextMenu(const QPoint& globalPosition);
    // The command through the view, its document, its frame and the
    // application.
    void routeCommand(int id);
    commandState commandStateOf(int id);

    // What runs a context menu: the chosen command, 0 for none. Tests
    // replace it; an empty runner puts the real one back.
    using contextMenuRunner = std::function<int(QMenu& menu, const QPoint& globalPosition)>;
    static void setContextMenuRunner(contextMenuRunner runner);

protected:
    explicit CSclView(CSclDoc* document, QWidget* parent = nullptr);

    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool canFindKeyword() const;
    commandTarget* frameCommands() const;

    CSourceTokenInfo defaultStyle_;
};

// The view of a station program: it adds the Paste Special commands, whose
// pickers insert quoted tags of the station's objects.
class CSclGlobalView : public CSclView {
public:
    explicit CSclGlobalView(CSclDoc* document, QWidget* parent = nullptr);

    int getContextMenuId() const override;
    bool onCommand(int id) override;
    bool onUpdateCommand(commandState& state) override;

private:
    void pasteTag(int command);
};

// The view of a driver program in the driver program editor.
class CSclLocalView : public CSclView {
public:
    explicit CSclLocalView(CSclDoc* document, QWidget* parent = nullptr);

    int getContextMenuId() const override;
};
