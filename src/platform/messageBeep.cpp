#include "platform/messageBeep.h"

#include <QApplication>

namespace {

int beeps = 0;

} // namespace

void messageBeep()
{
    ++beeps;
    QApplication::beep();
}

int messageBeepCount() { return beeps; }
