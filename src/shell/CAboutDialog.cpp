#include "shell/CAboutDialog.h"

#include <QLabel>
#include <QPainter>

namespace {

constexpr int versionId = 1500;

QPixmap logo()
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 51, 102));
    p.setPen(Qt::NoPen);
    p.drawEllipse(1, 1, 30, 30);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(18);
    f.setBold(true);
    p.setFont(f);
    p.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("K"));
    return picture;
}

} // namespace

CAboutDialog::CAboutDialog(const gstr& version, QWidget* parent) : CDialog(510, parent), version_(version)
{
    setWindowTitle("About K.O.R.V.E.L.");
    setDialogSize(220, 70);
    addLabel(-1, "", 10, 10, 24, 24)->setPixmap(logo());
    addLabel(-1, "K.O.R.V.E.L. Quillane station editor", 45, 10, 170, 8);
    addLabel(versionId, "Version %s", 45, 22, 170, 8);
    addButton(IDOK, "OK", 165, 48, 50, 14, true);
}

// The version line is a format with the version as its one argument.
bool CAboutDialog::OnInitDialog()
{
    gstr text;
    text.format(controlText(versionId), version_);
    setControlText(versionId, text);
    return true;
}
