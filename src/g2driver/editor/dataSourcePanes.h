#pragma once

#include <memory>

class CDataSourcePane;
class CSourceTypeHostPane;

// The pane that edits sources of a pane type (1 to 17): null for another
// number and for a kind whose sources this editor keeps as they are (see
// keepsSourcesOf).
std::unique_ptr<CDataSourcePane> makeDataSourcePane(CSourceTypeHostPane& host, int paneType);
// Whether the editor only keeps existing sources of the pane type: they are
// shown by CKeptDataSourcePane, and no new source of the kind is offered.
bool keepsSourcesOf(int paneType);
