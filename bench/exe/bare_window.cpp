// The floor Kasumiro.exe's start is timed against: one window with one
// Japanese static label, built and manifested as Kasumiro.exe is. Built as
// controls-window.exe (KASUMIRO_BENCH_CONTROLS), it also carries the main
// window's other standard controls in their designed places and font, with
// no settings, slots or font search: what those controls alone cost.
#include <windows.h>

namespace {

#ifdef KASUMIRO_BENCH_CONTROLS
HWND AddControl(HWND window, HFONT font, const wchar_t* text, DWORD style, RECT r) {
    HWND control = CreateWindowExW(0, L"Button", text, style | WS_CHILD | WS_VISIBLE, r.left, r.top, r.right, r.bottom,
                                   window, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

// The two groups with their six radio buttons (the scenario checked, dated
// slot labels) and the three push buttons; left, top, width, height.
void AddMainWindowControls(HWND window, HWND label) {
    LOGFONTW designed{};
    designed.lfHeight = -12;
    designed.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpyW(designed.lfFaceName, L"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF");
    HFONT font = CreateFontIndirectW(&designed);  // lives as long as the process
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    AddControl(window, font, L"\u30B7\u30CA\u30EA\u30AA", BS_GROUPBOX, {32, 48, 129, 156});
    SendMessageW(AddControl(window, font, L"NEW.DAT", BS_RADIOBUTTON, {40, 61, 119, 139}), BM_SETCHECK, BST_CHECKED, 0);
    AddControl(window, font, L"\u30BB\u30FC\u30D6\u30C7\u30FC\u30BF", BS_GROUPBOX, {184, 48, 209, 156});
    for (int slot = 0; slot < 5; ++slot) {
        wchar_t text[64];
        wsprintfW(text, L"LOG%d.DAT  2026\u5E7412\u6708%d\u65E5 10:%02d", slot + 1, slot + 1, slot * 7);
        AddControl(window, font, text, BS_RADIOBUTTON, {192, 63 + 27 * slot, 199, 27});
    }
    AddControl(window, font, L"\u5B9F\u884C", BS_PUSHBUTTON, {208, 224, 75, 25});
    AddControl(window, font, L"\u8A2D\u5B9A", BS_PUSHBUTTON, {32, 224, 75, 25});
    AddControl(window, font, L"\u7D42\u4E86", BS_PUSHBUTTON, {320, 224, 75, 25});
}
#endif

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &BareWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"BareWindow";
    if (!RegisterClassExW(&wc)) return 1;
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"Bare window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 400, 200, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    HWND label = CreateWindowExW(0, L"Static", L"\u6B66\u5C06\u540D\u306E\u66F8\u304D\u63DB\u3048",
                                 WS_CHILD | WS_VISIBLE | SS_LEFT, 16, 16, 300, 24, window, nullptr, instance, nullptr);
#ifdef KASUMIRO_BENCH_CONTROLS
    SetWindowPos(window, nullptr, 0, 0, 434, 297, SWP_NOMOVE | SWP_NOZORDER);
    AddMainWindowControls(window, label);
#else
    (void)label;
#endif
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
