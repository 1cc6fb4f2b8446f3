#pragma once

#include <QSplitter>

// The splitter of source windows: panes of views of one document.
class CSourceSplitterWnd : public QSplitter {
public:
    using QSplitter::QSplitter;
};
