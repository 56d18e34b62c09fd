// The box dialog: template, layout from the message font (or a face that
// draws the box's texts where it does not), keys and answers.
#include "ui/win32/message_form.h"

#include <span>
#include <vector>

#include "common/wide_text.h"
#include "ui/box_layout.h"
#include "ui/frame.h"
#include "ui/win32/readable_font.h"
#include "ui/win32/win32_handles.h"
#include "ui/win32/window_class.h"

namespace {

class TMessageForm {
public:
    TMessageForm(TBoxKind kind, const std::wstring& caption, const std::wstring& text)
        : kind_(kind), box_(DescribeBox(kind)), caption_(caption), text_(text) {}

    std::int32_t ShowModal(HWND owner) {
        const std::vector<WORD> dialogTemplate = BuildBoxTemplate(kind_);
        const INT_PTR answer = DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                                                       reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()), owner,
                                                       &TMessageForm::DialogProc, reinterpret_cast<LPARAM>(this));
        if (answer == -1) RaiseWindowNotCreated();
        // Only a button, a key or the close box answers. A box that the quit
        // message ended (the program is stopping) counts as closed.
        if (!answered_) return box_.CloseAnswer;
        return static_cast<std::int32_t>(answer);
    }

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        auto* form = reinterpret_cast<TMessageForm*>(GetWindowLongPtrW(dialog, DWLP_USER));
        if (!form) return FALSE;
        INT_PTR result = FALSE;
        DispatchEvent([&] { result = form->Handle(dialog, message, wParam); });
        return result;
    }

    bool HasIcon() const { return box_.Icon != TBoxIcon::None; }

    // The screen's area without the task bar; the whole screen should the
    // system not say.
    static TBounds WorkArea() {
        RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
        return TBounds{area.left, area.top, area.right - area.left, area.bottom - area.top};
    }

    INT_PTR Handle(HWND dialog, UINT message, WPARAM wParam) {
        switch (message) {
        case WM_INITDIALOG: Build(dialog); return FALSE;  // the focus was put on the default button
        case WM_COMMAND: return Command(dialog, LOWORD(wParam));
        case WM_CLOSE:  // close box, Alt+F4, system menu
            End(dialog, box_.CloseAnswer);
            return TRUE;
        default: return FALSE;
        }
    }

    // A button answers its own code; Esc comes as IDCANCEL.
    INT_PTR Command(HWND dialog, int id) {
        if (id == IDCANCEL) {  // Esc presses the cancel button
            End(dialog, EscapeAnswer(box_));
            return TRUE;
        }
        for (const TBoxButtonDescription& button : box_.Buttons) {
            if (id != button.Answer) continue;
            End(dialog, id);
            return TRUE;
        }
        return FALSE;
    }

    void End(HWND dialog, INT_PTR answer) {
        answered_ = true;
        EndDialog(dialog, answer);
    }

    // Caption, text, icon and button captions (the program's words, CP932);
    // gives back the button captions as shown, for measuring.
    std::vector<std::wstring> SetTexts(HWND dialog) const {
        SetWindowTextW(dialog, caption_.c_str());
        SetDlgItemTextW(dialog, kBoxTextId, text_.c_str());
        std::vector<std::wstring> captions;
        for (const TBoxButtonDescription& button : box_.Buttons) {
            captions.push_back(ProgramText(button.Caption));
            SetDlgItemTextW(dialog, button.Answer, captions.back().c_str());
        }
        if (HasIcon())
            SendDlgItemMessageW(
                dialog, kBoxIconId, STM_SETICON,
                reinterpret_cast<WPARAM>(LoadIconA(nullptr, box_.Icon == TBoxIcon::Stop ? IDI_HAND : IDI_QUESTION)), 0);
        return captions;
    }

    void Build(HWND dialog) {
        const std::vector<std::wstring> captions = SetTexts(dialog);
        std::wstring shown = text_;
        for (const std::wstring& caption : captions) shown += caption;
        font_ = CreateReadableFont(SystemFont(TSystemFont::Message), shown + PrintableAscii());
        HFONT font = font_.Get() ? font_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));

        const std::span<const TBoxButtonDescription> buttons = box_.Buttons;
        const int count = static_cast<int>(buttons.size());

        TBoxLayout layout;
        {
            TMeasureDc dc(dialog, font);
            TEXTMETRICW tm{};
            GetTextMetricsW(dc.Get(), &tm);
            SIZE alphabet{};
            static const wchar_t kAlphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
            GetTextExtentPoint32W(dc.Get(), kAlphabet, 52, &alphabet);
            const TBaseUnits base{std::max<std::int32_t>((alphabet.cx / 26 + 1) / 2, 1),
                                  std::max<std::int32_t>(tm.tmHeight, 1)};

            RECT textRect{0, 0, BoxTextWidthLimit(GetSystemMetrics(SM_CXSCREEN)), 0};
            DrawTextW(dc.Get(), text_.c_str(), -1, &textRect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
            std::int32_t widest = 0;
            for (int i = 0; i < count; ++i) {
                RECT r{0, 0, 0, 0};
                DrawTextW(dc.Get(), captions[static_cast<std::size_t>(i)].c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE);
                widest = std::max<std::int32_t>(widest, r.right - r.left);
            }
            layout = LayoutBox(textRect.right - textRect.left,
                               std::max<LONG>(textRect.bottom - textRect.top, tm.tmHeight), HasIcon(), count,
                               BoxButtonWidth(widest, base), base);
        }

        const auto place = [&](int id, const TBounds& b) {
            HWND control = GetDlgItem(dialog, id);
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
            MoveWindow(control, b.Left, b.Top, b.Width, b.Height, FALSE);
        };
        if (HasIcon()) place(kBoxIconId, layout.Icon);
        place(kBoxTextId, layout.Text);
        for (int i = 0; i < count; ++i) place(buttons[i].Answer, layout.Buttons[static_cast<std::size_t>(i)]);

        RECT outer{0, 0, layout.ClientWidth, layout.ClientHeight};
        AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
        const TBounds at = CentreInArea(outer.right - outer.left, outer.bottom - outer.top, WorkArea());
        SetWindowPos(dialog, nullptr, at.Left, at.Top, at.Width, at.Height, SWP_NOZORDER | SWP_NOACTIVATE);

        const int defaultId = buttons[box_.DefaultButton].Answer;
        SendMessageW(dialog, DM_SETDEFID, static_cast<WPARAM>(defaultId), 0);
        SetFocus(GetDlgItem(dialog, defaultId));
    }

    TBoxKind kind_;
    const TBoxDescription& box_;
    const std::wstring& caption_;
    const std::wstring& text_;
    TFont font_;  // the message font or a face that draws the texts, alive while the box is open
    bool answered_ = false;
};

}  // namespace

std::int32_t ShowMessageForm(HWND owner, TBoxKind kind, const std::wstring& caption, const std::wstring& text) {
    TMessageForm form(kind, caption, text);
    return form.ShowModal(owner);
}

bool MessageFontDraws(const std::wstring& text) {
    const LOGFONTW designed = SystemFont(TSystemFont::Message);
    const TFont font(CreateFontIndirectW(&designed));
    return !font.Get() || FontDrawsAll(font.Get(), text);
}
