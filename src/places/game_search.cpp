// The breadth-first search for game folders: one queue of folders for all
// places, so that a shallow game in a late place is found before deep
// folders of early places use up the bounds.
#include "places/game_search.h"

#include <deque>
#include <filesystem>
#include <system_error>

#include "common/paths.h"

namespace fs = std::filesystem;

namespace {

struct TQueued {
    fs::path Folder;
    int Depth;
    std::size_t Place;
};

bool IsFolderNoLink(const fs::path& path) {
    std::error_code error;
    return fs::symlink_status(path, error).type() == fs::file_type::directory;
}

// Wine's own system folder, never a game's, holds thousands of folders.
bool IsWindowsFolder(const TQueued& folder) {
    if (folder.Depth != 1) return false;
    std::string name = folder.Folder.filename().string();
    for (char& c : name) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return name == "windows";
}

class TGameSearch {
public:
    TGameSearch(const std::vector<TPlace>& places, const TGameSearchBounds& bounds, std::stop_token stop)
        : places_(places), bounds_(bounds), stop_(std::move(stop)),
          deadline_(std::chrono::steady_clock::now() + bounds.MaxTime) {}

    std::vector<TPlace> Run() {
        for (std::size_t place = 0; place < places_.size(); ++place) queue_.push_back({places_[place].Path, 0, place});
        while (!queue_.empty() && listed_ < bounds_.MaxFolders && !Stopped()) {
            const TQueued folder = std::move(queue_.front());
            queue_.pop_front();
            Visit(folder);
        }
        return std::move(found_);
    }

private:
    bool Stopped() const { return stop_.stop_requested() || std::chrono::steady_clock::now() >= deadline_; }

    void Visit(const TQueued& folder) {
        if (IsGameFolder(folder.Folder.string())) {
            const TPlace& place = places_[folder.Place];
            const std::string own = folder.Depth == 0 ? fs::path(place.Path).filename().string()
                                                      : folder.Folder.filename().string();
            found_.push_back(TPlace{place.Name + " \xE2\x80\x94 " + own, folder.Folder.string()});
            return;
        }
        if (folder.Depth >= bounds_.MaxDepth || IsWindowsFolder(folder)) return;
        ++listed_;
        std::error_code error;
        std::size_t entries = 0;
        for (fs::directory_iterator it(folder.Folder, error), end; !error && it != end && entries < bounds_.MaxEntries;
             it.increment(error), ++entries) {
            if (IsFolderNoLink(it->path())) queue_.push_back({it->path(), folder.Depth + 1, folder.Place});
        }
    }

    const std::vector<TPlace>& places_;
    TGameSearchBounds bounds_;
    std::stop_token stop_;
    std::chrono::steady_clock::time_point deadline_;
    std::deque<TQueued> queue_;
    std::vector<TPlace> found_;
    std::size_t listed_ = 0;
};

}  // namespace

bool IsGameFolder(const std::string& folder) {
    std::error_code error;
    const fs::path game(folder);
    if (!fs::is_regular_file(game / kScenarioFolderName / kOfficerFileName, error)) return false;
    for (int slot = 1; slot <= kSaveSlotCount; ++slot) {
        if (fs::is_directory(game / SaveSlotName(slot), error)) return true;
    }
    return false;
}

std::vector<TPlace> FindGameFolders(const std::vector<TPlace>& places, const TGameSearchBounds& bounds,
                                    std::stop_token stop) {
    return TGameSearch(places, bounds, std::move(stop)).Run();
}
