// Where a box window goes: centred over the window it belongs to (or the
// screen, while there is none on it), within the screen's available area.
#pragma once

#include "ui/main_form_layout.h"

class QWidget;

// The available area (without panels) of the screen the box is on.
TBounds BoxArea(const QWidget& box);
// Centres the shown box over its parent's window while that is visible,
// else in the available area, and keeps all of it in that area.
void PlaceBox(QWidget& box);
// Moves a box that changed its size where it stands just enough to stay
// within the available area.
void KeepBoxInArea(QWidget& box);
