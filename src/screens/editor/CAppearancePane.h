#pragma once

#include "screens/editor/CDrawingPane.h"
#include "screens/editor/previewPicture.h"

struct gpropFillValues;
struct gpropImageValue;
struct gpropLineValues;
struct gpropTextValues;
struct gstateAppearance;

// A pane that edits looks: lines, fills, text attributes and images, each a
// group of controls that a pane adds as it needs them. The groups show the
// values the pane currently edits and write the user's changes into them;
// the pane says how a change is applied.
class CAppearancePane : public CDrawingPane {
public:
    static constexpr int lineStyleList = 1301, lineWidthField = 1510, lineColourButton = 1297;
    static constexpr int fillList = 1261, fillForegroundButton = 1269, fillBackgroundButton = 1033;
    static constexpr int fontList = 1268, boldBox = 1039, italicBox = 1292, sizeField = 1477;
    static constexpr int alignmentList = 1011;
    static constexpr int imageList = 1279, imagePreview = 1383;

    CAppearancePane(int templateId, int mask, QWidget* parent = nullptr);

    // The size field, then the line width field.
    void commitEdits() override;
    void paletteChanged(int foreground) override;
    void refillImageList() override;

protected:
    // Each group at the given height, in dialog units.
    // The line and image groups have a caption of their own in some panes,
    // none (label 0) in others.
    void addLineControls(int y, int labelId = 1431, const char* labelText = "&Shapes");
    void addFillControls(int y);
    // colourId and its text: the text colour button of the pane.
    void addTextControls(int y, int colourId, const char* colourText);
    void addImageControls(int y, int labelId = 1280, const char* labelText = "I&mages");

    // The values the groups edit now; null when there are none.
    virtual gpropLineValues* editedLine();
    virtual gpropFillValues* editedFill();
    virtual gpropTextValues* editedText();
    virtual gpropImageValue* editedImage();
    // A value of an edited group changed: property id.
    virtual void applyChange(int id) = 0;

    void loadLine(const gpropLineValues& line);
    void loadFill(const gpropFillValues& fill);
    void loadText(const gpropTextValues& text);
    void loadImage(const gpropImageValue& image);
    // Every look control empty and disabled, with its label.
    void clearAppearance();
    // A state of an indicator shape: its enable box, then its look and its
    // text button, or nothing of either while the state is off.
    void loadStateAppearance(const gstateAppearance& state, int enableBoxId, int textButtonId);

    void numberStepped(int id, int32_t value) override;

private:
    void chooseLineStyle(int item);
    void chooseFill();
    void chooseFont(int item);
    void chooseAlignment(int item);
    void chooseImage(int item);
    void clickBox(int id, int property);
    void clickColour(int id);
    // The rule of the drawing defaults: the fill kind the list shows
    // enables the two fill colours.
    void enableFillColoursByKind();
    void tellLineWidth(const gtriInt& width);

    bool hasLine_ = false;
    bool hasFill_ = false;
    bool hasText_ = false;
    bool hasImage_ = false;
    int textColourId_ = 0;
    int lineLabel_ = 0;
    int imageLabel_ = 0;
    previewPicture picture_;
};
