// Error kinds, the I/O error texts and the period rule of the error box.
#include "common/errors.h"

#include <cstdio>
#include <new>

#include "common/ascii_text.h"
#include "common/error_codes.h"
#include "common/system_text.h"

EInOutError::EInOutError(std::int32_t code) : Exception(IoErrorMessage(code)), code_(code) {}

EInOutError::EInOutError(std::int32_t code, const std::string& object)
    : EInOutError(code, object, NamedIoErrorMessage(code)) {}

EInOutError::EInOutError(std::int32_t code, const std::string& object, const std::string& reason)
    : Exception(object + ": " + reason, TTextSpan{0, object.size()}), code_(code) {}

Exception PrefixedError(const std::string& prefix, const Exception& cause) {
    const TTextSpan span = cause.SystemText();
    return Exception(prefix + cause.Message(), TTextSpan{span.Offset + prefix.size(), span.Length});
}

void RaiseKeptError(const Exception& error) { throw Exception(error.Message(), error.SystemText()); }

EOutOfMemory::EOutOfMemory() : Exception("メモリが足りません") {}

ESystemError::ESystemError(const std::string& what, std::int32_t code)
    : Exception(what + " (コード " + Number(code, false) + ")"), code_(code) {}

std::string IoErrorMessage(std::int32_t code) {
    switch (code) {
    case kErrorFileNotFound: return "ファイルが見つかりません";
    case kErrorPathNotFound: return "不正なファイル名です";
    case kErrorTooManyOpenFiles: return "オープンしたファイルが多すぎます";
    case kErrorAccessDenied: return "ファイルへのアクセスが拒否されました";
    case kErrorShortRead: return "ファイルの末尾以降を読み込みました";
    case kErrorShortWrite: return "ディスクがいっぱいです";
    case kErrorNotANumber: return "入力値が数値ではありません";
    default: break;
    }
    char text[64];
    std::snprintf(text, sizeof text, "I/O エラー (%d)", static_cast<int>(code));
    return text;
}

std::string NamedIoErrorMessage(std::int32_t code) {
    if (code == kErrorDiskFull || code == kErrorHandleDiskFull) return IoErrorMessage(kErrorShortWrite);
    return IoErrorMessage(code);
}

std::string ErrorBoxText(const std::string& message) {
    if (message.empty()) return message;
    // Compare the whole last character (both bytes of a double-byte one) with
    // "." as unsigned bytes, as a string comparison would.
    const std::string last = message.substr(LastCharacterStart(message));
    if (last.compare(".") > 0) return message + ".";
    return message;
}

Exception CurrentExceptionAsError() {
    try {
        throw;
    } catch (const Exception& e) {
        return e;
    } catch (const std::bad_alloc&) {
        return EOutOfMemory();
    } catch (const std::exception& e) {
        return Exception(e.what());
    } catch (...) {
        return Exception("");
    }
}
