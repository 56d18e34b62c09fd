// The installed frame and the free functions that forward to it.
#include "ui/frame.h"

namespace {

// Stands in while no front end has installed a frame: it confirms nothing,
// shows nothing and never quits, so the core cannot act unasked.
class TSilentFrame final : public IFrame {
public:
    std::int32_t AskConfirmation(const std::string&) override { return mrCancel; }
    void ShowInformationBox(const std::string&) override {}
    void DefaultBeep() override {}
    void ReportError(const Exception&) override {}
    void RequestQuit() override {}
};

IFrame* g_frame = nullptr;

IFrame& Current() {
    static TSilentFrame silent;
    return g_frame ? *g_frame : silent;
}

}  // namespace

TScopedFrame::TScopedFrame(IFrame& frame) : previous_(g_frame) { g_frame = &frame; }

TScopedFrame::~TScopedFrame() { g_frame = previous_; }

std::int32_t AskConfirmation(const std::string& text) { return Current().AskConfirmation(text); }
void ShowInformationBox(const std::string& text) { Current().ShowInformationBox(text); }
void DefaultBeep() { Current().DefaultBeep(); }
void ReportError(const Exception& error) { Current().ReportError(error); }
void RequestQuit() { Current().RequestQuit(); }
std::int32_t AskConfirmationWithPreview(const std::string& text, const TBoxPreview& preview) {
    return Current().AskConfirmationWithPreview(text, preview);
}
std::int32_t ShowUndoableInformationBox(const std::string& text) { return Current().ShowUndoableInformationBox(text); }
