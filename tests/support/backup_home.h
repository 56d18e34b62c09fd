// Points the program's backup folder into a test's own folder for the life
// of the object (XDG_DATA_HOME on Linux, LOCALAPPDATA on Windows); programs
// started meanwhile inherit it.
#pragma once

#include <optional>
#include <string>

class TScopedBackupHome {
public:
    // nullopt: the variable unset, as on a system that does not set it.
    explicit TScopedBackupHome(const std::optional<std::string>& folder);
    ~TScopedBackupHome();
    TScopedBackupHome(const TScopedBackupHome&) = delete;
    TScopedBackupHome& operator=(const TScopedBackupHome&) = delete;

private:
    std::optional<std::string> previous_;
};
