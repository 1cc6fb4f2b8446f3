#pragma once

#include <QComboBox>
#include <cstdint>
#include <vector>

// A fixed-height combo of text entries and colour entries: a colour entry
// has the text "*" and its colour (a colour reference) in a parallel list.
// Disabled, it shows only a grey field.
class CColourCombo : public QComboBox {
public:
    explicit CColourCombo(QWidget* parent = nullptr);

    void resetColours();
    void addColours(const uint32_t* colours, int count);
    // Records the colour of an entry, growing the list with zeros.
    void setEntryColour(int entry, uint32_t colour);
    // Selects entry first + i for the first i whose colour equals colour;
    // false, and nothing changed, when none does.
    bool selectColour(uint32_t colour, const uint32_t* colours, int count, int first);

    bool isColourEntry(int entry) const { return itemText(entry) == QLatin1String("*"); }
    uint32_t entryColour(int entry) const;
    // Draws one entry; inList tells the list from the edit part.
    void drawEntry(QPainter& painter, const QRect& rect, int entry, bool selected, bool inList) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<uint32_t> colours_;
};

// A combo of font-style names that shows "Bold" (entry 2) in bold and
// "Italic" (entry 3) in italics.
class CFontStyleCombo : public QComboBox {
public:
    explicit CFontStyleCombo(QWidget* parent = nullptr);

    QFont entryFont(int entry) const;
    void drawEntry(QPainter& painter, const QRect& rect, int entry, bool selected, bool inList) const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
