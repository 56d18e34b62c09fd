// The default-button look following the focus: the button's style, and the
// dialog manager's question for the default button.
#include "ui/win32/default_button.h"

void FollowFocus(HWND button, bool focused) {
    if (!button) return;
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(button, GWL_STYLE));
    const DWORD type = focused ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if ((style & BS_TYPEMASK) == type) return;
    SendMessageW(button, BM_SETSTYLE, (style & ~static_cast<DWORD>(BS_TYPEMASK)) | type, TRUE);
}

LRESULT FocusedPushButtonId(HWND window) {
    HWND focus = GetFocus();
    if (!focus || !IsChild(window, focus)) return 0;
    const auto code = static_cast<UINT>(SendMessageW(focus, WM_GETDLGCODE, 0, 0));
    if ((code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) == 0) return 0;
    return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
}
