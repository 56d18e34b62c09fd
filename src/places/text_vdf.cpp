// The text VDF reader: a tokenizer and one recursive descent a level, the
// depth bounded so that a damaged file cannot exhaust the stack.
#include "places/text_vdf.h"

#include <string>

namespace {

enum class TTokenKind { Text, Open, Close, End, Damaged };

struct TToken {
    TTokenKind Kind = TTokenKind::End;
    std::string Text;
};

class TTextVdfReader {
public:
    explicit TTextVdfReader(std::string_view text) : text_(text) {}

    // The entries up to the closing brace (inside an object) or the end.
    bool ReadObject(TVdfObject& object, int depth);

private:
    TToken Next();
    void SkipBlanksAndComments();
    TToken Quoted();

    std::string_view text_;
    std::size_t at_ = 0;
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

void TTextVdfReader::SkipBlanksAndComments() {
    while (at_ < text_.size()) {
        if (IsBlank(text_[at_])) {
            ++at_;
        } else if (text_.substr(at_, 2) == "//") {
            const std::size_t end = text_.find('\n', at_);
            at_ = end == std::string_view::npos ? text_.size() : end;
        } else {
            return;
        }
    }
}

TToken TTextVdfReader::Quoted() {
    std::string value;
    for (++at_; at_ < text_.size(); ++at_) {
        char c = text_[at_];
        if (c == '"') {
            ++at_;
            return {TTokenKind::Text, std::move(value)};
        }
        if (c == '\\' && at_ + 1 < text_.size()) {
            c = text_[++at_];
            if (c == 'n') c = '\n';
            if (c == 't') c = '\t';
        }
        value += c;
    }
    return {TTokenKind::Damaged, {}};
}

TToken TTextVdfReader::Next() {
    for (;;) {
        SkipBlanksAndComments();
        if (at_ == text_.size()) return {TTokenKind::End, {}};
        const char c = text_[at_];
        if (c == '{' || c == '}') {
            ++at_;
            return {c == '{' ? TTokenKind::Open : TTokenKind::Close, {}};
        }
        if (c == '"') return Quoted();
        const std::size_t start = at_;
        while (at_ < text_.size() && !IsBlank(text_[at_]) && text_[at_] != '"' && text_[at_] != '{' &&
               text_[at_] != '}')
            ++at_;
        // A platform condition after a value or key applies to it; every one is kept.
        if (c != '[') return {TTokenKind::Text, std::string(text_.substr(start, at_ - start))};
    }
}

bool TTextVdfReader::ReadObject(TVdfObject& object, int depth) {
    for (;;) {
        TToken key = Next();
        if (key.Kind == TTokenKind::End) return depth == 0;
        if (key.Kind == TTokenKind::Close) return depth > 0;
        if (key.Kind != TTokenKind::Text) return false;
        TToken value = Next();
        if (value.Kind == TTokenKind::Text) {
            object.Values.emplace_back(std::move(key.Text), std::move(value.Text));
        } else if (value.Kind == TTokenKind::Open && depth < kVdfMaxDepth) {
            TVdfObject child;
            if (!ReadObject(child, depth + 1)) return false;
            object.Objects.push_back({std::move(key.Text), std::move(child)});
        } else {
            return false;
        }
    }
}

}  // namespace

std::optional<TVdfObject> ParseTextVdf(std::string_view text) {
    TVdfObject top;
    if (!TTextVdfReader(text).ReadObject(top, 0)) return std::nullopt;
    return top;
}
