// The frame operations on a terminal: boxes become lines of text.
#pragma once

#include <iosfwd>

#include "common/frame.h"

class TConsoleFrame : public IFrame {
public:
    // assumeYes answers every confirmation with はい without asking.
    TConsoleFrame(std::istream& in, std::ostream& out, std::ostream& err, bool assumeYes);

    std::int32_t AskConfirmation(const std::string& text) override;
    void ShowInformationBox(const std::string& text) override;
    void DefaultBeep() override;
    void ReportError(const Exception& error) override;
    // Nothing to end: the command ends when its work is done.
    void RequestQuit() override;

private:
    std::istream& in_;
    std::ostream& out_;
    std::ostream& err_;
    bool assumeYes_;
};
