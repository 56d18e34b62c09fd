// The slot group's layout on Win32: what the slot labels need of their
// buttons, and the group, its buttons, Quit, the heading and the window
// placed for it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "ui/radio_group.h"
#include "ui/slot_label_fit.h"

// The width the widest label of the slots needs of its radio button in this
// font: the check mark, the text and the gaps the button leaves around it.
std::int32_t SlotButtonWidthNeeded(HWND window, HFONT font, const TRadioGroup& slots);

// Moves the group box, its radio buttons (laid out on the group) and Quit to
// the places of the fit; quit may be null while the window is being built.
void PlaceSlotGroup(const TSlotLabelFit& fit, HWND box, const std::vector<HWND>& buttons, HWND quit,
                    std::int32_t textHeight);

// Sizes the heading to its text in this font, never below its designed size,
// and places it: where designed while the slot group has its designed width;
// once the group has grown, with its text centred between the scenario
// group's left edge and the slot group's right edge, as it is by design.
void PlaceHeading(HWND heading, HFONT font, const TBounds& slotGroup, std::int32_t textHeight);

// Widens the window by change pixels (narrows it for a negative change).
void WidenWindow(HWND window, std::int32_t change);
