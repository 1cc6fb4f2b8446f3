#include "platform/waitCursor.h"

#include <QApplication>

waitCursor::waitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

waitCursor::~waitCursor() { QApplication::restoreOverrideCursor(); }
