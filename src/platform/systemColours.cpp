#include "platform/systemColours.h"

#include <QApplication>
#include <QBrush>
#include <QImage>
#include <QPalette>

QColor systemColour(sysColour which)
{
    const QPalette palette = QApplication::palette();
    switch (which) {
    case sysColour::window: return palette.color(QPalette::Active, QPalette::Base);
    case sysColour::windowText: return palette.color(QPalette::Active, QPalette::Text);
    case sysColour::windowFrame: return palette.color(QPalette::Active, QPalette::Shadow);
    case sysColour::buttonFace: return palette.color(QPalette::Active, QPalette::Button);
    case sysColour::buttonShadow: return palette.color(QPalette::Active, QPalette::Dark);
    case sysColour::buttonHighlight: return palette.color(QPalette::Active, QPalette::Light);
    case sysColour::buttonText: return palette.color(QPalette::Active, QPalette::ButtonText);
    case sysColour::grayText: return palette.color(QPalette::Disabled, QPalette::Text);
    case sysColour::highlight: return palette.color(QPalette::Active, QPalette::Highlight);
    case sysColour::highlightText: return palette.color(QPalette::Active, QPalette::HighlightedText);
    }
    return {};
}

QBrush halftoneBrush(const QColor& fore, const QColor& back)
{
    QImage dither(2, 2, QImage::Format_RGB32);
    dither.setPixel(0, 0, fore.rgb());
    dither.setPixel(1, 1, fore.rgb());
    dither.setPixel(1, 0, back.rgb());
    dither.setPixel(0, 1, back.rgb());
    return QBrush(dither);
}

QColor colourFromRef(uint32_t colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

uint32_t refFromColour(const QColor& colour)
{
    return static_cast<uint32_t>(colour.red()) | static_cast<uint32_t>(colour.green()) << 8
        | static_cast<uint32_t>(colour.blue()) << 16;
}
