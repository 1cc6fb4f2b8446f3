#pragma once

#include <memory>

class CSourcePane;
class gregisterSource;

// The source panes by kind. Each kind's own pane takes its place here when
// it is built; until then a kind gets the pane that carries its settings
// unchanged (CCarriedSourcePane).

// An empty pane of the type code for a register of the class; null for a
// code the class does not take.
std::unique_ptr<CSourcePane> createSourcePane(int classCode, int typeCode);
// The pane of a register's source, holding its settings.
std::unique_ptr<CSourcePane> createSourcePaneFor(const gregisterSource& source);
