#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <filesystem>
#include <fstream>
#include <string>

// The pictures the tests leave of windows, in build/tests/screenshots/. The
// build's path is bytes that need not be UTF-8, and a QString path cannot
// carry such bytes: the PNG is made in memory and written by the byte path.
inline std::filesystem::path screenshotPath(const QString& name)
{
    std::filesystem::path folder = std::filesystem::path(KORVEL_TEST_BINARY_DIR) / "screenshots";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder / name.toStdString();
}

inline bool saveScreenshot(const QImage& picture, const QString& name)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        return false;
    std::ofstream out(screenshotPath(name), std::ios::binary);
    out.write(png.constData(), png.size());
    return static_cast<bool>(out.flush());
}

inline bool saveScreenshot(const QPixmap& picture, const QString& name)
{
    return saveScreenshot(picture.toImage(), name);
}
