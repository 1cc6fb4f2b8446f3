#pragma once

#include <memory>

class CSourcePane;
class gregisterSource;

// The source panes by kind: one page-creation function per kind, listed by
// type code in sourcePaneFactory.cpp.

// A kind's page-creation function: the kind's pane holding a copy of the
// source's settings, or the empty pane for a null source. The source is
// one of the kind's classes.
using sourcePaneMaker = std::unique_ptr<CSourcePane> (*)(const gregisterSource* source);

// An empty pane of the type code for a register of the class; null for a
// code the class does not take.
std::unique_ptr<CSourcePane> createSourcePane(int classCode, int typeCode);
// The pane of a register's source, holding its settings (the source's
// createPane).
std::unique_ptr<CSourcePane> createSourcePaneFor(const gregisterSource& source);
