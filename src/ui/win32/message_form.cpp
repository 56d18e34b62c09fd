// The box dialog: template, layout from the message font, keys and answers.
#include "ui/win32/message_form.h"

#include <span>
#include <vector>

#include "common/errors.h"
#include "ui/frame.h"
#include "ui/win32/box_layout.h"
#include "ui/win32/win32_handles.h"

namespace {

struct TBoxButton {
    int Id;
    const char* Caption;
};

constexpr TBoxButton kConfirmButtons[] = {{IDYES, "はい(&Y)"}, {IDNO, "いいえ(&N)"}};
constexpr TBoxButton kInformationButtons[] = {{IDOK, "OK"}};

constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kStaticAtom = 0x0082;

// Appends one control with an empty title: texts are set as ANSI text once
// the dialog exists, so the template itself holds no strings.
void AddItem(std::vector<WORD>& t, DWORD style, int id, WORD atom) {
    if (t.size() % 2) t.push_back(0);  // items start on a DWORD boundary
    DLGITEMTEMPLATE item{};
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.x = 0;
    item.y = 0;
    item.cx = 10;
    item.cy = 10;
    item.id = static_cast<WORD>(id);
    const auto* words = reinterpret_cast<const WORD*>(&item);
    t.insert(t.end(), words, words + sizeof item / sizeof(WORD));
    t.push_back(0xFFFF);
    t.push_back(atom);
    t.push_back(0);  // title
    t.push_back(0);  // no creation data
}

std::vector<WORD> BuildTemplate(TBoxKind kind) {
    std::vector<WORD> t;
    DLGTEMPLATE dialog{};
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    dialog.dwExtendedStyle = WS_EX_DLGMODALFRAME;
    const bool confirm = kind == TBoxKind::Confirmation;
    dialog.cdit = static_cast<WORD>(confirm ? 4 : 2);
    const auto* words = reinterpret_cast<const WORD*>(&dialog);
    t.insert(t.end(), words, words + sizeof dialog / sizeof(WORD));
    t.push_back(0);  // no menu
    t.push_back(0);  // the standard dialog class
    t.push_back(0);  // title
    if (confirm) AddItem(t, SS_ICON, kBoxIconId, kStaticAtom);
    AddItem(t, SS_LEFT | SS_NOPREFIX, kBoxTextId, kStaticAtom);
    bool first = true;
    for (const TBoxButton& b : confirm ? std::span<const TBoxButton>(kConfirmButtons)
                                       : std::span<const TBoxButton>(kInformationButtons)) {
        const DWORD style = WS_TABSTOP | (first ? (BS_DEFPUSHBUTTON | WS_GROUP) : BS_PUSHBUTTON);
        AddItem(t, style, b.Id, kButtonAtom);
        first = false;
    }
    return t;
}

class TMessageForm {
public:
    TMessageForm(TBoxKind kind, const std::string& caption, const std::string& text)
        : kind_(kind), caption_(caption), text_(text) {}

    std::int32_t ShowModal(HWND owner) {
        const std::vector<WORD> dialogTemplate = BuildTemplate(kind_);
        const INT_PTR answer =
            DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(dialogTemplate.data()),
                                    owner, &TMessageForm::DialogProc, reinterpret_cast<LPARAM>(this));
        if (answer <= 0) throw EOutOfMemory();  // the box could not be created
        return static_cast<std::int32_t>(answer);
    }

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        auto* form = reinterpret_cast<TMessageForm*>(GetWindowLongPtrA(dialog, DWLP_USER));
        if (!form) return FALSE;
        INT_PTR result = FALSE;
        DispatchEvent([&] { result = form->Handle(dialog, message, wParam); });
        return result;
    }

    bool Confirm() const { return kind_ == TBoxKind::Confirmation; }

    INT_PTR Handle(HWND dialog, UINT message, WPARAM wParam) {
        switch (message) {
        case WM_INITDIALOG:
            Build(dialog);
            return FALSE;  // the focus was put on the default button
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
            case IDYES:
            case IDNO:
            case IDOK:
                EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            case IDCANCEL:  // Esc presses the cancel button
                EndDialog(dialog, Confirm() ? IDNO : IDOK);
                return TRUE;
            default:
                return FALSE;
            }
        case WM_CLOSE:  // close box, Alt+F4, system menu
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
        }
    }

    void Build(HWND dialog) {
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = sizeof metrics;
        if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
            font_ = TGdiObject(CreateFontIndirectA(&metrics.lfMessageFont));
        HFONT font = font_.Get() ? font_.Font() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));

        SetWindowTextA(dialog, caption_.c_str());
        SetDlgItemTextA(dialog, kBoxTextId, text_.c_str());
        const TBoxButton* buttons = Confirm() ? kConfirmButtons : kInformationButtons;
        const int count = Confirm() ? 2 : 1;
        for (int i = 0; i < count; ++i) SetDlgItemTextA(dialog, buttons[i].Id, buttons[i].Caption);
        if (Confirm())
            SendDlgItemMessageA(dialog, kBoxIconId, STM_SETICON,
                                reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_QUESTION)), 0);

        TBoxLayout layout;
        {
            TMeasureDc dc(dialog, font);
            TEXTMETRICA tm{};
            GetTextMetricsA(dc.Get(), &tm);
            SIZE alphabet{};
            static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
            GetTextExtentPoint32A(dc.Get(), kAlphabet, 52, &alphabet);
            const TBaseUnits base{std::max<std::int32_t>((alphabet.cx / 26 + 1) / 2, 1),
                                  std::max<std::int32_t>(tm.tmHeight, 1)};

            RECT textRect{0, 0, BoxTextWidthLimit(GetSystemMetrics(SM_CXSCREEN)), 0};
            DrawTextA(dc.Get(), text_.c_str(), -1, &textRect,
                      DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
            std::int32_t widest = 0;
            for (int i = 0; i < count; ++i) {
                RECT r{0, 0, 0, 0};
                DrawTextA(dc.Get(), buttons[i].Caption, -1, &r, DT_CALCRECT | DT_SINGLELINE);
                widest = std::max<std::int32_t>(widest, r.right - r.left);
            }
            layout = LayoutBox(textRect.right - textRect.left, std::max<LONG>(textRect.bottom - textRect.top, tm.tmHeight),
                               Confirm(), count, BoxButtonWidth(widest, base), base);
        }

        const auto place = [&](int id, const TBounds& b) {
            HWND control = GetDlgItem(dialog, id);
            SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
            MoveWindow(control, b.Left, b.Top, b.Width, b.Height, FALSE);
        };
        if (Confirm()) place(kBoxIconId, layout.Icon);
        place(kBoxTextId, layout.Text);
        for (int i = 0; i < count; ++i) place(buttons[i].Id, layout.Buttons[static_cast<std::size_t>(i)]);

        RECT outer{0, 0, layout.ClientWidth, layout.ClientHeight};
        AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_EXSTYLE)));
        const TBounds at = CentreOnScreen(outer.right - outer.left, outer.bottom - outer.top,
                                          GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        SetWindowPos(dialog, nullptr, at.Left, at.Top, at.Width, at.Height, SWP_NOZORDER | SWP_NOACTIVATE);

        SendMessageA(dialog, DM_SETDEFID, static_cast<WPARAM>(buttons[0].Id), 0);
        SetFocus(GetDlgItem(dialog, buttons[0].Id));
    }

    TBoxKind kind_;
    const std::string& caption_;
    const std::string& text_;
    TGdiObject font_;  // the message font, alive while the box is open
};

}  // namespace

std::int32_t ShowMessageForm(HWND owner, TBoxKind kind, const std::string& caption, const std::string& text) {
    TMessageForm form(kind, caption, text);
    return form.ShowModal(owner);
}
