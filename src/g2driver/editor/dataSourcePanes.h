#pragma once

#include <memory>

class CDataSourcePane;
class CSourceTypeHostPane;

// The pane that edits sources of a pane type (1 to 17): null for another
// number.
std::unique_ptr<CDataSourcePane> makeDataSourcePane(CSourceTypeHostPane& host, int paneType);
