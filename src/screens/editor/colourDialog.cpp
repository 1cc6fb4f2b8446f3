#include "screens/editor/colourDialog.h"

#include "platform/modalRun.h"

#include <QColorDialog>

namespace {

colourResponder& responder()
{
    static colourResponder installed;
    return installed;
}

} // namespace

void installColourResponder(colourResponder answer) { responder() = std::move(answer); }

bool runColourDialog(QWidget* parent, const gcolor& initial, gcolor& chosen)
{
    if (responder()) {
        std::optional<gcolor> answer = responder()(initial);
        if (!answer)
            return false;
        chosen.set(answer->red(), answer->green(), answer->blue());
        return true;
    }
    if (modalRunsUnattended())
        return false;
    QColor start = initial.isSet() ? QColor(initial.red(), initial.green(), initial.blue()) : QColor(Qt::white);
    QColor picked = QColorDialog::getColor(start, parent);
    if (!picked.isValid())
        return false;
    chosen.set(static_cast<uint8_t>(picked.red()), static_cast<uint8_t>(picked.green()),
               static_cast<uint8_t>(picked.blue()));
    return true;
}
