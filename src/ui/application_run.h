// The program's start and stop, written once for every front end: the title
// before any window, FormCreate while the main window is still hidden, the
// window shown, the one event loop, then the window hidden and FormDestroy.
#pragma once

#include <functional>

#include "ui/frame.h"

class TForm1;

// The steps that each toolkit takes its own way.
struct TApplicationSteps {
    // Shows the main window once FormCreate has run, as the start asks for.
    std::function<void()> ShowMainWindow;
    // Runs the one event loop until a quit request ends it.
    std::function<void()> RunEventLoop;
    std::function<void()> HideMainWindow;
};

// One run of the main form, from FormCreate to FormDestroy.
class TApplicationRun {
public:
    TApplicationRun(TForm1& form, TApplicationSteps steps);
    TApplicationRun(const TApplicationRun&) = delete;
    TApplicationRun& operator=(const TApplicationRun&) = delete;

    // FormCreate (it may show the folder chooser and boxes before the window
    // appears; an error is reported and the start goes on), the window shown,
    // the event loop, then the stop.
    void Run();
    // The desktop session ends: the stop runs now, for the process may be
    // ended at any moment after, and the event loop is asked to end.
    void EndSession();

private:
    void Stop();

    TForm1& form_;
    TApplicationSteps steps_;
    bool stopped_ = false;
};

// The whole program around a front end's windows: computes the application
// title, runs prepare (the toolkit's own set-up), then runWindows with the
// frame installed, reporting any error that escapes it. Returns the exit code, 0.
int RunApplicationProgram(IFrame& frame, const std::function<void()>& prepare, const std::function<void()>& runWindows);
