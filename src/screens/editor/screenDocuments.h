#pragma once

#include <memory>

class CDocument;
class CScreenDoc;
class QWidget;
class fscreen;

// The screen windows of the application's screen document template.

// The document that shows the screen, null when none.
CScreenDoc* findScreenDocument(const fscreen& screen);
// Activates the screen's window (restoring it when minimised) or opens one
// through the template; null without a main frame.
CScreenDoc* openScreenDocument(fscreen& screen);
// Closes the screen's window when it has one.
void closeScreenDocument(const fscreen& screen);

// What the template makes: the document for the screen being opened, and
// its view.
std::unique_ptr<CDocument> makeScreenDocument();
QWidget* makeScreenView(CDocument& document);
