// The error texts the user reads: the message chosen by I/O code and the period rule.
#include <gtest/gtest.h>

#include <new>

#include "common/errors.h"

namespace {

TEST(IoErrorMessage, ChosenByCode) {
    const struct {
        int code;
        const char* message;
    } cases[] = {
        {2, "ファイルが見つかりません"},
        {3, "不正なファイル名です"},
        {4, "オープンしたファイルが多すぎます"},
        {5, "ファイルへのアクセスが拒否されました"},
        {100, "ファイルの末尾以降を読み込みました"},
        {101, "ディスクがいっぱいです"},
        {106, "入力値が数値ではありません"},
        {1, "I/O エラー (1)"},
        {32, "I/O エラー (32)"},
        {112, "I/O エラー (112)"},
        {-7, "I/O エラー (-7)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IoErrorMessage(c.code), c.message) << c.code;
        const EInOutError error(c.code);
        EXPECT_EQ(error.ErrorCode(), c.code);
        EXPECT_EQ(error.Message(), c.message);
    }
}

TEST(ErrorBoxText, AppendsPeriodAfterCharactersOrderedAfterIt) {
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {
        {"ファイルが見つかりません", "ファイルが見つかりません."},
        {"I/O エラー (32)", "I/O エラー (32)"},  // ")" orders before "."
        {"done.", "done."},
        {"", ""},
        {"abc", "abc."},
        {"9", "9."},
        {"/", "/."},  // "/" is 0x2F, after "."
        {"a ", "a "},
        {"a!", "a!"},
        {"a,", "a,"},
        {"a-", "a-"},
        {"x\x80", "x\x80."},  // bytes compare without sign
    };
    for (const auto& c : cases) EXPECT_EQ(ErrorBoxText(c.message), c.shown) << c.message;
}

TEST(CurrentExceptionAsError, KeepsOurKindsAndTranslatesOthers) {
    auto caught = [](auto thrower) {
        try {
            thrower();
        } catch (...) {
            return CurrentExceptionAsError().Message();
        }
        return std::string("not thrown");
    };
    EXPECT_EQ(caught([] { throw EInOutError(2); }), "ファイルが見つかりません");
    EXPECT_EQ(caught([] { throw std::bad_alloc(); }), "メモリが足りません");
    EXPECT_EQ(caught([] { throw EIniFileException("x に書き込めません"); }), "x に書き込めません");
}

}  // namespace
