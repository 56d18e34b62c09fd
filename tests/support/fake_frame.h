// A frame for the tests: records beeps, boxes, error reports and quit
// requests, and answers confirmations from a script.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "ui/frame.h"

class TFakeFrame : public IFrame {
public:
    // Answers given in turn; No once the script is used up.
    std::deque<std::int32_t> Answers;

    int Beeps = 0;
    int QuitRequests = 0;
    std::vector<std::string> Questions;
    std::vector<std::string> Informations;
    std::vector<std::string> Errors;
    std::vector<TBoxPreview> Previews;
    // Answers of the information boxes with an undo button, in turn; OK once used up.
    std::deque<std::int32_t> InformationAnswers;

    std::int32_t AskConfirmation(const std::string& text) override {
        Questions.push_back(text);
        if (Answers.empty()) return mrNo;
        const std::int32_t answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    void ShowInformationBox(const std::string& text) override { Informations.push_back(text); }
    void DefaultBeep() override { ++Beeps; }
    void ReportError(const Exception& error) override { Errors.push_back(error.Message()); }
    void RequestQuit() override { ++QuitRequests; }
    std::int32_t AskConfirmationWithPreview(const std::string& text, const TBoxPreview& preview) override {
        Previews.push_back(preview);
        return AskConfirmation(text);
    }
    std::int32_t ShowUndoableInformationBox(const std::string& text) override {
        Informations.push_back(text);
        if (InformationAnswers.empty()) return mrOk;
        const std::int32_t answer = InformationAnswers.front();
        InformationAnswers.pop_front();
        return answer;
    }
};
