// The main window on Win32: built from the window description, its radio
// buttons mirroring the two radio-group models both ways, every event handed
// to the form's handlers through DispatchEvent.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/main_form.h"
#include "ui/main_form_layout.h"
#include "ui/radio_group.h"
#include "ui/slot_label_fit.h"
#include "ui/win32/readable_menu_item.h"
#include "ui/win32/win32_handles.h"

class TMainWindow {
public:
    // Creates the window, hidden, at its designed place and size, owned by
    // the application window (which minimises in its place).
    TMainWindow(HINSTANCE instance, HWND owner);
    ~TMainWindow();
    TMainWindow(const TMainWindow&) = delete;
    TMainWindow& operator=(const TMainWindow&) = delete;

    HWND Handle() const { return window_.Get(); }

    // Creates the controls from the form's models as they are now, laid out
    // for their labels, and connects them.
    void Bind(TForm1& form);
    // Runs once when Windows ends the session, so the stop sequence can run
    // before the process is ended.
    std::function<void()> OnEndSession;

    void Show(std::int32_t showCommand);
    void Hide();
    // Disconnects the models and destroys the window; call while the form still exists.
    void Destroy();
    // Tab, arrow keys and access keys between the controls.
    bool PreTranslateMessage(MSG& message);

private:
    struct TRadioView {
        TRadioGroup* Model = nullptr;
        HWND Box = nullptr;
        std::vector<HWND> Buttons;
        int FirstId = 0;
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Command(int id, int code);

    // Bounds are the window's client coordinates, already scaled.
    HWND CreateControl(const wchar_t* className, const std::wstring& text, DWORD style, const TBounds& bounds, int id);
    void CreateRadioGroup(TRadioView& view, const TBounds& group, TRadioGroup& model, int firstId);
    void Mirror(TRadioView& view);
    // Where the slot group, Quit and the window go for the slot labels as they read.
    TSlotLabelFit FitSlotGroup(const TRadioGroup& slots) const;
    // Lays the slot group, Quit and the window out for the slot labels as they
    // now read: each label whole, nothing narrower than designed.
    void LayOutSlotGroup();
    HWND FirstTabControl() const;

    HINSTANCE instance_;
    HWND owner_;
    TWindow window_;
    TFont font_;
    std::int32_t textHeight_ = 12;
    TForm1* form_ = nullptr;
    TRadioView scenario_;
    TRadioView saveData_;
    std::int32_t slotGrowth_ = 0;  // what the slot group is wider than designed
    HWND label_ = nullptr;
    HWND focused_ = nullptr;      // the control to give the focus back to on activation
    TReadableMenuItem undoItem_;  // 元に戻す in the system menu
};
