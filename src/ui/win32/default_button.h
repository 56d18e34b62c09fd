// The default-button look of a plain window's push buttons following the
// focus, as a dialog manager has it follow the focus in a dialog.
#pragma once

#include <windows.h>

// The focused push button is the default one, so that Enter (which the
// dialog manager gives to the default button) presses it however the focus
// came there, by Tab, a click or a box closing; with the focus elsewhere no
// button is. Called with the button's BN_SETFOCUS (focused) and BN_KILLFOCUS.
void FollowFocus(HWND button, bool focused);

// The answer to DM_GETDEFID, which the dialog manager asks before it moves
// the default-button look or passes on Enter: the focused push button of
// window, or none.
LRESULT FocusedPushButtonId(HWND window);
