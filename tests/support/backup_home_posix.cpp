// Linux: the backups follow XDG_DATA_HOME.
#include "support/backup_home.h"

#include <cstdlib>

namespace {
constexpr char kVariable[] = "XDG_DATA_HOME";
}  // namespace

TScopedBackupHome::TScopedBackupHome(const std::optional<std::string>& folder) {
    if (const char* value = std::getenv(kVariable)) previous_ = value;  // NOLINT(concurrency-mt-unsafe)
    if (folder) {
        ::setenv(kVariable, folder->c_str(), 1);
    } else {
        ::unsetenv(kVariable);
    }
}

TScopedBackupHome::~TScopedBackupHome() {
    if (previous_) {
        ::setenv(kVariable, previous_->c_str(), 1);
    } else {
        ::unsetenv(kVariable);
    }
}
