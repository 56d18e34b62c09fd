// The start and stop sequence around the event loop, and the program around it.
#include "ui/application_run.h"

#include <utility>

#include "ui/app_title.h"
#include "ui/main_form.h"

TApplicationRun::TApplicationRun(TForm1& form, TApplicationSteps steps) : form_(form), steps_(std::move(steps)) {}

void TApplicationRun::Run() {
    DispatchEvent([&] { form_.FormCreate(&form_); });
    steps_.ShowMainWindow();
    steps_.RunEventLoop();
    Stop();
}

void TApplicationRun::EndSession() {
    Stop();
    DispatchEvent([] { RequestQuit(); });
}

// Hide, then the shut-down handler (its errors shown with no main window on
// screen). Runs once: after the loop, or when the session ends. A box of
// FormDestroy runs its own loop, in which the session's end may come again.
void TApplicationRun::Stop() {
    if (stopped_) return;
    stopped_ = true;
    steps_.HideMainWindow();
    DispatchEvent([&] { form_.FormDestroy(&form_); });
}

int RunApplicationProgram(IFrame& frame, const std::function<void()>& prepare,
                          const std::function<void()>& runWindows) {
    ApplicationTitle();  // computed once, before any window
    prepare();
    const TScopedFrame installed(frame);
    DispatchEvent(runWindows);
    return 0;
}
