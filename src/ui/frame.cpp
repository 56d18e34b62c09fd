// The installed frame and the free functions that forward to it.
#include "ui/frame.h"

#include <iostream>

#include "ui/console_frame.h"

namespace {

IFrame& DefaultFrame() {
    static TConsoleFrame frame(std::cin, std::cout, std::cerr, false);
    return frame;
}

IFrame* g_frame = nullptr;

IFrame& Current() { return g_frame ? *g_frame : DefaultFrame(); }

}  // namespace

TScopedFrame::TScopedFrame(IFrame& frame) : previous_(g_frame) { g_frame = &frame; }

TScopedFrame::~TScopedFrame() { g_frame = previous_; }

std::int32_t AskConfirmation(const std::string& text) { return Current().AskConfirmation(text); }
void ShowInformationBox(const std::string& text) { Current().ShowInformationBox(text); }
void DefaultBeep() { Current().DefaultBeep(); }
void ReportError(const Exception& error) { Current().ReportError(error); }
void RequestQuit() { Current().RequestQuit(); }
