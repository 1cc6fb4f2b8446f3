#pragma once

// The screen model's steps around loading, saving, clearing and closing a
// station, which the station-file loader and writer call.

// After a station file was read: the images of its IMAGE objects go to the
// image table, the drawing defaults find their registers, screens and
// programs again by tag and their images by name, and every graphic object
// finds its images.
void screensAfterStationLoad();
// Before a save: an IMAGE object for each distinct image a screen shows.
void screensBeforeStationSave();
// After a save: the IMAGE objects go, their images stay in the table.
void screensAfterStationSave();
// Before the station is closed: the drawing defaults keep the tags of what
// they refer to, the clipboard and every screen are emptied.
void screensBeforeStationClose();
// After the station's tables were emptied (closing, or a load that
// failed): the clipboard is emptied and the station's images leave the
// image table.
void screensAfterStationClear();
