// Windows: the backups follow LOCALAPPDATA.
#include "support/backup_home.h"

#include <windows.h>

namespace {
constexpr char kVariable[] = "LOCALAPPDATA";
}  // namespace

TScopedBackupHome::TScopedBackupHome(const std::optional<std::string>& folder) {
    char buffer[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA(kVariable, buffer, MAX_PATH);
    if (length > 0 && length < MAX_PATH) previous_ = std::string(buffer, length);
    SetEnvironmentVariableA(kVariable, folder ? folder->c_str() : nullptr);
}

TScopedBackupHome::~TScopedBackupHome() {
    SetEnvironmentVariableA(kVariable, previous_ ? previous_->c_str() : nullptr);
}
