#pragma once

#include "platform/recordingResponder.h"
#include "sourceedit/CSourceDoc.h"
#include "sourceedit/sourceEditorSettings.h"
#include "sourceedit/ui/CSourceDocMfc.h"
#include "sourceedit/ui/CSourceViewMfc.h"
#include "support/ui/controlHost.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// A document with its text and a view of 40 x 10 characters that has the
// focus, with the shared settings of a plain start: no margin, tab width 4,
// insert mode. Tests change the settings they need; they come back after.
class sourceViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        saved_ = {sourceEditorOptions, sourceEditorMode, sourceEditorOverwrite};
        sourceEditorOptions = 0;
        sourceEditorMode = 4;
        sourceEditorOverwrite = false;
    }
    void TearDown() override
    {
        views_.clear();
        document.reset();
        sourceEditorOptions = saved_.options;
        sourceEditorMode = saved_.tabWidth;
        sourceEditorOverwrite = saved_.overwrite;
    }

    // A new document and one focused view of it; the views of the one
    // before go first, as they still point at it.
    CSourceViewMfc* open(const std::string& text, int columns = 40, int lines = 10)
    {
        views_.clear();
        document = std::make_unique<CSourceDocMfc>();
        setText(text);
        document->setModified(0);
        return addView(columns, lines);
    }
    void setText(const std::string& text)
    {
        document->clear();
        document->insertText({0, 0}, gstrSlice(text.data(), static_cast<int32_t>(text.size())));
    }
    template <class View = CSourceViewMfc>
    View* addView(int columns = 40, int lines = 10, CSourceDocMfc* of = nullptr)
    {
        auto view = std::make_unique<View>(of ? of : document.get());
        View* shown = view.get();
        view->show();
        resize(*view, columns, lines);
        for (auto& other : views_)
            other->onKillFocus();
        view->onSetFocus();
        views_.push_back(std::move(view));
        return shown;
    }
    static void resize(CSourceViewMfc& view, int columns, int lines)
    {
        QSize frame = view.size() - view.viewport()->size();
        view.resize(frame.width() + columns * view.charWidth, frame.height() + lines * view.lineHeight);
        view.updateScrollRanges();
    }

    std::string text() const
    {
        std::string out;
        for (int32_t l = 0; l < document->getLineCount(); ++l) {
            if (l > 0)
                out.push_back('\n');
            out.append(document->lineText(l));
        }
        return out;
    }

    // The point of a display column and line, in the middle of the cell.
    static QPoint cell(CSourceView& view, int32_t displayColumn, int32_t line)
    {
        QPoint p = view.positionToPoint(displayColumn, line);
        return {p.x() + 1, p.y() + view.lineHeight / 2};
    }
    static void type(CSourceViewMfc& view, const char* text) { typeText(&view, QString::fromLatin1(text)); }

    // A second document that outlives the views made of it.
    CSourceDocMfc& anotherDocument() { return *others_.emplace_back(std::make_unique<CSourceDocMfc>()); }

    std::unique_ptr<CSourceDocMfc> document;
    recordingResponder user;

private:
    struct settings {
        unsigned options;
        int tabWidth;
        bool overwrite;
    } saved_{};
    std::vector<std::unique_ptr<CSourceDocMfc>> others_;
    std::vector<std::unique_ptr<CSourceViewMfc>> views_;
};
