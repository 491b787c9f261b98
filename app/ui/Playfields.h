#pragma once
#include "Define.h"

class QWidget;

// Game windows register the playfields that follow the background colour;
// a playfield leaves the list by itself when it is destroyed.
void RegisterPlayfield(QWidget* playfield);
void PaintPlayfieldBackground(QWidget* playfield, TColor color);

// Takes a newly chosen background colour: every registered playfield shows
// it at once, and it is written to the program INI (a message when the file
// is missing; the colour still applies for the rest of the run).
void ApplyBackgroundColor(TColor color);
