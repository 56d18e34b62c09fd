// Drives the real widgets while the program's event loops run: steps run in
// order from a timer, each waiting until the window or box it needs is up.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

class QAbstractButton;

class TUiScript {
public:
    TUiScript();
    TUiScript(const TUiScript&) = delete;
    TUiScript& operator=(const TUiScript&) = delete;

    // act runs from the event loop once ready() holds and the previous steps ran.
    void Then(std::function<bool()> ready, std::function<void()> act);
    // The main window is shown and no box is open.
    void OnMainWindow(const std::function<void(QWidget&)>& act);
    // A modal box or dialog of class T is the active one.
    template <typename T>
    void OnModal(std::function<void(T&)> act) {
        Then([] { return qobject_cast<T*>(QApplication::activeModalWidget()) != nullptr; },
             [act] { act(*qobject_cast<T*>(QApplication::activeModalWidget())); });
    }
    bool Finished() const { return steps_.empty(); }

private:
    struct TStep {
        std::function<bool()> Ready;
        std::function<void()> Act;
    };
    void Tick();

    std::deque<TStep> steps_;
    QTimer timer_;
    int ticks_ = 0;
};

// The program's main window, or nullptr.
QWidget* MainWindow();
// A person's click: only on a button that is shown and enabled.
void Press(QAbstractButton* button);
// The named control of the main window.
template <typename T>
T* Control(const char* name) {
    QWidget* window = MainWindow();
    return window ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}
