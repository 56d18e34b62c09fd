// The main window: creation from the description, the radio mirror, the
// button and frame events, colours and focus.
#include "ui/win32/main_window.h"

#include <algorithm>
#include <string>

#include "common/wide_text.h"
#include "settings/date_settings.h"
#include "ui/form_scaling.h"
#include "ui/frame.h"
#include "ui/main_form_layout.h"
#include "ui/win32/default_button.h"
#include "ui/win32/slot_group_layout.h"
#include "ui/win32/undo_menu.h"
#include "ui/win32/window_class.h"
#include "ui/win32/window_font.h"

// The window description names the font's character set by its Windows number.
static_assert(kShiftJisCharset == SHIFTJIS_CHARSET);

namespace {

constexpr int kScenarioFirstId = 110;
constexpr int kSaveDataFirstId = 210;
constexpr int kButton1Id = 301;
constexpr int kButton2Id = 302;
constexpr int kButton3Id = 303;
constexpr int kLabel1Id = 400;

COLORREF ColourOf(std::uint32_t bgr) { return static_cast<COLORREF>(bgr); }

}  // namespace

TMainWindow::TMainWindow(HINSTANCE instance, HWND owner) : instance_(instance), owner_(owner) {
    RegisterWindowClass(instance, kMainWindowClass, &TMainWindow::WindowProc,
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));

    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kDesignPixelsPerInch;
    if (screen) ReleaseDC(nullptr, screen);
    font_ = CreateWindowFont(ScaledFontHeight(dpi));
    {
        // Measured on the screen, as the window's own DC would: the window
        // is then made once at the size its text height gives.
        TMeasureDc dc(nullptr, font_.Get());
        SIZE extent{};
        GetTextExtentPoint32W(dc.Get(), L"0", 1, &extent);
        textHeight_ = LayoutTextHeight(dpi, extent.cy);
    }
    // Left and top stay at the designed screen place; the size follows the text height.
    const TBounds size = ScaleBounds(kForm1Bounds, textHeight_);
    window_ = TWindow(CreateWindowExW(0, kMainWindowClass, ProgramText(kForm1Caption).c_str(), WS_OVERLAPPEDWINDOW,
                                      kForm1Bounds.Left, kForm1Bounds.Top, size.Width, size.Height, owner, nullptr,
                                      instance, nullptr));
    if (!window_.Get()) RaiseWindowNotCreated();
    SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

// The models may already be gone here (the form is destroyed first when an
// error unwinds the start), so only the window itself is touched.
TMainWindow::~TMainWindow() {
    if (window_.Get()) SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, 0);
}

void TMainWindow::Destroy() {
    if (scenario_.Model) scenario_.Model->OnChange = nullptr;
    if (saveData_.Model) saveData_.Model->OnChange = nullptr;
    scenario_ = TRadioView{};
    saveData_ = TRadioView{};
    form_ = nullptr;
    label_ = nullptr;
    focused_ = nullptr;
    if (window_.Get()) SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, 0);
    window_.Reset();
}

HWND TMainWindow::CreateControl(const wchar_t* className, const std::wstring& text, DWORD style, const TBounds& b,
                                int id) {
    HWND control = CreateWindowExW(0, className, text.c_str(), style | WS_CHILD | WS_VISIBLE, b.Left, b.Top, b.Width,
                                   b.Height, window_.Get(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   instance_, nullptr);
    if (!control) RaiseWindowNotCreated();
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    return control;
}

void TMainWindow::CreateRadioGroup(TRadioView& view, const TBounds& group, TRadioGroup& model, int firstId) {
    view.Model = &model;
    view.FirstId = firstId;
    view.Box = CreateControl(L"Button", ProgramText(model.Caption()), BS_GROUPBOX | WS_GROUP, group, firstId - 10);
    // The buttons are laid out on the group's scaled size with the real text height.
    const std::vector<TBounds> rects = RadioButtonRects(group.Width, group.Height, textHeight_, model.Count());
    for (std::int32_t i = 0; i < model.Count(); ++i) {
        const TBounds& r = rects[static_cast<std::size_t>(i)];
        // Placed in window coordinates. The labels are the system's text
        // (names and dates).
        HWND button = CreateWindowExW(0, L"Button", SystemText(model.Item(i)).c_str(),
                                      BS_RADIOBUTTON | WS_CHILD | WS_VISIBLE | (i == 0 ? WS_GROUP : 0),
                                      group.Left + r.Left, group.Top + r.Top, r.Width, r.Height, window_.Get(),
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstId + i)), instance_, nullptr);
        if (!button) RaiseWindowNotCreated();
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
        view.Buttons.push_back(button);
    }
    model.OnChange = [this, &view] { Mirror(view); };
    Mirror(view);
}

void TMainWindow::Bind(TForm1& form) {
    form_ = &form;
    // The slot group, Quit and the window are made at the size the slot
    // labels need as they read now, so that they are laid out once.
    const TSlotLabelFit fit = FitSlotGroup(form.SaveDataGroup);
    const auto scaled = [this](const TControlDescription& control) { return ScaleBounds(control.Bounds, textHeight_); };
    // Created in tab order: the window order is the order Tab walks.
    CreateRadioGroup(scenario_, scaled(kScenarioGroup), form.ScenarioGroup, kScenarioFirstId);
    CreateRadioGroup(saveData_, fit.Group, form.SaveDataGroup, kSaveDataFirstId);
    // The push buttons report their focus (BS_NOTIFY), which the default-button look follows.
    constexpr DWORD kPushButton = BS_PUSHBUTTON | BS_NOTIFY | WS_TABSTOP;
    CreateControl(L"Button", ProgramText(kButton1.Caption), kPushButton | WS_GROUP, scaled(kButton1), kButton1Id);
    CreateControl(L"Button", ProgramText(kButton2.Caption), kPushButton, scaled(kButton2), kButton2Id);
    CreateControl(L"Button", ProgramText(kButton3.Caption), kPushButton, fit.Quit, kButton3Id);
    label_ = CreateControl(L"Static", ProgramText(kLabel1.Caption), SS_LEFT | SS_NOPREFIX | WS_GROUP, scaled(kLabel1),
                           kLabel1Id);
    // The label sizes itself to its text, so another font never cuts it off.
    PlaceHeading(label_, font_.Get(), fit.Group, textHeight_);
    WidenWindow(window_.Get(), fit.Growth);
    slotGrowth_ = fit.Growth;
    // Added greyed; whether there is a rewrite to undo (which reads the slot's
    // backups) is asked when the menu opens (WM_INITMENUPOPUP), not at the start.
    AddUndoMenuItem(window_.Get(), undoItem_);
}

TSlotLabelFit TMainWindow::FitSlotGroup(const TRadioGroup& slots) const {
    return FitSlotLabels(SlotButtonWidthNeeded(window_.Get(), font_.Get(), slots),
                         ScaleBounds(kSaveDataGroup.Bounds, textHeight_), ScaleBounds(kButton3.Bounds, textHeight_), 0,
                         textHeight_);
}

// The slot group and its buttons widen by what the widest label lacks, Quit
// moves along, the heading stays centred over them and the window grows; when the labels get shorter
// again, all go back towards the designed sizes, never below them.
void TMainWindow::LayOutSlotGroup() {
    if (!saveData_.Model || !saveData_.Box) return;
    const TSlotLabelFit fit = FitSlotGroup(*saveData_.Model);
    if (fit.Growth == slotGrowth_) return;
    PlaceSlotGroup(fit, saveData_.Box, saveData_.Buttons, GetDlgItem(window_.Get(), kButton3Id), textHeight_);
    if (label_) PlaceHeading(label_, font_.Get(), fit.Group, textHeight_);
    // The window grows from the size it has now, which the user may have changed.
    WidenWindow(window_.Get(), fit.Growth - slotGrowth_);
    slotGrowth_ = fit.Growth;
}

// Check marks, labels and the tab stop follow the model: only the checked
// button (or the first when none is) takes the focus by Tab.
void TMainWindow::Mirror(TRadioView& view) {
    wchar_t current[256];
    bool relabelled = false;
    for (std::size_t i = 0; i < view.Buttons.size(); ++i) {
        HWND button = view.Buttons[i];
        const auto index = static_cast<std::int32_t>(i);
        const std::wstring label = SystemText(view.Model->Item(index));
        GetWindowTextW(button, current, static_cast<int>(std::size(current)));
        if (label != current) {
            SetWindowTextW(button, label.c_str());
            relabelled = true;
        }
        // Only what differs is sent: each change is a round trip to the
        // window server, and a start mirrors every button.
        const bool checked = view.Model->ItemIndex() == index;
        const WPARAM check = checked ? BST_CHECKED : BST_UNCHECKED;
        if (static_cast<WPARAM>(SendMessageW(button, BM_GETCHECK, 0, 0)) != check)
            SendMessageW(button, BM_SETCHECK, check, 0);
        const bool tabStop = checked || (view.Model->ItemIndex() < 0 && i == 0);
        const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
        const LONG_PTR wanted = tabStop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
        if (wanted != style) SetWindowLongPtrW(button, GWL_STYLE, wanted);
    }
    if (&view == &saveData_ && relabelled) LayOutSlotGroup();
}

HWND TMainWindow::FirstTabControl() const { return GetNextDlgTabItem(window_.Get(), nullptr, FALSE); }

void TMainWindow::Show(std::int32_t showCommand) {
    ShowWindow(window_.Get(), showCommand);
    if (showCommand != SW_SHOWMINNOACTIVE) {
        UpdateWindow(window_.Get());
        SetForegroundWindow(window_.Get());
        if (HWND first = FirstTabControl()) SetFocus(first);
    }
}

void TMainWindow::Hide() { ShowWindow(window_.Get(), SW_HIDE); }

bool TMainWindow::PreTranslateMessage(MSG& message) {
    HWND window = window_.Get();
    if (!window || (message.hwnd != window && !IsChild(window, message.hwnd))) return false;
    return IsDialogMessageW(window, &message) != FALSE;
}

LRESULT CALLBACK TMainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TMainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    LRESULT result = 0;
    bool handled = false;
    DispatchEvent([&] {
        result = self->Handle(message, wParam, lParam);
        handled = true;
    });
    return handled ? result : 0;
}

LRESULT TMainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = window_.Get();
    if (LRESULT drawn = 0; undoItem_.Handle(message, wParam, lParam, drawn)) return drawn;
    switch (message) {
    case WM_COMMAND:
        if (lParam != 0) Command(LOWORD(wParam), HIWORD(wParam));
        return 0;  // Enter and Esc outside a button (IDOK, IDCANCEL) do nothing
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(
            dc, reinterpret_cast<HWND>(lParam) == label_ ? ColourOf(kLabel1Colour) : GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_CTLCOLORBTN: return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case DM_GETDEFID: return FocusedPushButtonId(window);
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(window, focus)) focused_ = focus;
        } else if (!HIWORD(wParam)) {  // not minimised
            HWND target = focused_ && IsWindow(focused_) ? focused_ : FirstTabControl();
            if (target) SetFocus(target);
        }
        return 0;
    case WM_SYSCOMMAND:
        // The program minimises as a whole, to its task-bar entry.
        if ((wParam & 0xFFF0) == SC_MINIMIZE && owner_) {
            ShowWindow(owner_, SW_MINIMIZE);
            return 0;
        }
        if (RunUndoMenuCommand(wParam, form_)) return 0;
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_INITMENUPOPUP:
        // The undo item is right however the last rewrite or undo ended.
        if (HIWORD(lParam)) RefreshUndoMenuItem(window, form_);
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_CLOSE:  // close box, Alt+F4, the task-bar entry's Close: all quit
        RequestQuit();
        return 0;
    case WM_ENDSESSION:
        if (wParam && OnEndSession) {
            auto stop = std::move(OnEndSession);
            OnEndSession = nullptr;
            stop();
        }
        return 0;
    case WM_SETTINGCHANGE:
        // The slot labels' long date picture follows the user's locale
        // settings; the check mark's size may have changed with them.
        ReloadDateSettingsForUserLocale();
        LayOutSlotGroup();
        return DefWindowProcW(window, message, wParam, lParam);
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

void TMainWindow::Command(int id, int code) {
    if (!form_) return;
    for (TRadioView* view : {&scenario_, &saveData_}) {
        const int index = id - view->FirstId;
        if (index >= 0 && index < static_cast<int>(view->Buttons.size())) {
            // A radio button reports the second click of a double-click as
            // BN_DOUBLECLICKED instead of BN_CLICKED: it is a click all the same.
            if (code == BN_CLICKED || code == BN_DOUBLECLICKED) view->Model->UserClick(index);
            return;
        }
    }
    HWND sender = GetDlgItem(window_.Get(), id);
    if (code == BN_SETFOCUS || code == BN_KILLFOCUS) {
        FollowFocus(sender, code == BN_SETFOCUS);
        return;
    }
    if (code != BN_CLICKED) return;
    switch (id) {
    case kButton1Id:
        form_->Button1Click(sender);
        RefreshUndoMenuItem(window_.Get(), form_);
        break;
    case kButton2Id: form_->Button2Click(sender); break;
    case kButton3Id: form_->Button3Click(sender); break;
    default: break;
    }
}
