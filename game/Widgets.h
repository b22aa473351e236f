// The game's own user interface: mouse state, bevelled boxes, shadowed text, buttons
// and the modal message dialog. Every widget draws itself in the current frame.
#pragma once

#include "Globals.h"

namespace pindrake {

// Reads the mouse into the mouse globals, confined to the rectangle.
void UpdateMouse(double minX, double minY, double maxX, double maxY);
void DrawBevelBox(double x, double y, double w, double h, double colour, double pressed);
void DrawBevelFrame(double x, double y, double w, double h, double sunken);
void DrawSpriteCentred(double sprite, double x, double y);
// The sprite repeated over the whole screen; a sprite that did not load draws nothing.
void TileSprite(double sprite);
void PrintCentred(const DynString& text, double x, double y);
// The text centred in font f1, then again in font f2 moved by d pixels.
void PrintShadowed(const DynString& text, double x, double y, double f1, double f2, double d);
// 1 in the frame a press on the button is released over it.
double TextButton(const DynString& text, double x, double y, double w, double h, double colour,
                  double font);
double ImageButton(const DynString& text, double x, double y, double w, double h, double colour,
                   double sprite, double offset);
// A modal dialog; "|" separates lines. Kind 2 asks "Ja"/"Nein" (1/0); every other kind
// has an "OK" button (1).
double MessageDialog(const DynString& text, double kind, double font);
DynString RepeatText(const DynString& text, double n);
// Mode 0 or 1 removes leading spaces, 0 or 2 trailing ones; a text of spaces stays.
DynString TrimText(const DynString& text, double mode);

}  // namespace pindrake
