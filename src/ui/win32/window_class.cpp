// The window class registration (icons, cursor and background, once per
// class) and the error of a window not created.
#include "ui/win32/window_class.h"

#include <cstdint>

#include "common/errors.h"

void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, HBRUSH background) {
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(instance, name, &wc)) return;
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, L"MAINICON");
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    if (!RegisterClassExW(&wc))
        throw ESystemError("ウィンドウクラスを登録できません", static_cast<std::int32_t>(GetLastError()));
}

void RaiseWindowNotCreated() {
    throw ESystemError("ウィンドウを作成できません", static_cast<std::int32_t>(GetLastError()));
}
