// Boxes on a terminal: information on standard output, errors on standard error.
#include "cli/console_frame.h"

#include <iostream>

#include "cli/console_output.h"

TConsoleFrame::TConsoleFrame(std::istream& in, std::ostream& out, std::ostream& err, bool assumeYes)
    : in_(in), out_(out), err_(err), assumeYes_(assumeYes) {}

std::int32_t TConsoleFrame::AskConfirmation(const std::string& text) {
    if (assumeYes_) return mrYes;
    WriteText(out_, text, TTextOrigin::Program);
    out_ << " [y/N] " << std::flush;
    std::string answer;
    if (!std::getline(in_, answer)) return mrCancel;
    return (answer == "y" || answer == "Y") ? mrYes : mrNo;
}

void TConsoleFrame::ShowInformationBox(const std::string& text) {
    WriteText(out_, text, TTextOrigin::Program);
    out_ << '\n' << std::flush;
}

void TConsoleFrame::DefaultBeep() { err_ << '\a' << std::flush; }

void TConsoleFrame::ReportError(const Exception& error) {
    WriteErrorLine(err_, error);
    err_ << std::flush;
}

void TConsoleFrame::RequestQuit() {}
