#pragma once

#include "platform/commandTarget.h"
#include "shell/CDocument.h"
#include "sourceedit/CSourceTextDoc.h"

#include <vector>

class CSourceViewMfc;

// The source document of an MDI window: the text-document core joined to the
// program's document. It routes Undo and Redo, passes the core's change
// notifications to its views, asks about long lines and opens and saves plain
// text files. Its lines live in a CSourceLineStore; a derived document may
// supply its own line store and replace opening and emptying.
class CSourceDocMfc : public CDocument, public CSourceTextDoc, public commandTarget {
public:
    static constexpr int undoCommand = 57643;
    static constexpr int redoCommand = 57644;

    CSourceDocMfc();
    ~CSourceDocMfc() override;

    // Empties the document: one empty line, no undo records.
    virtual void DeleteContents();
    // Loads the file (with a wait cursor); a file error is shown as its
    // text. Long lines that were wrapped still count as success.
    virtual int OnOpenDocument(const gstrSlice& path);
    virtual int OnSaveDocument(const gstrSlice& path);

    const gstr& pathName() const { return pathName_; }
    void setPathName(const gstrSlice& path);

    int onLongLine() override;
    // Every view but the sender gets the notification.
    void notifyViews(const void* sender, int hintKind, const CSourceHint& hint) override;

    // The source views showing this document, in the order they came.
    const std::vector<CSourceViewMfc*>& sourceViews() const { return sourceViews_; }
    void addSourceView(CSourceViewMfc* view);
    void removeSourceView(CSourceViewMfc* view);

    bool onCommand(int id) override;
    bool onUpdateCommand(commandState& state) override;

private:
    gstr pathName_;
    std::vector<CSourceViewMfc*> sourceViews_;
};
