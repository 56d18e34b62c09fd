// The folder chooser's side bar of places: the game folders found at the
// top, then the dialog's own places, then the Wine prefixes' drive_c, each
// named by where it comes from. They are found on a thread of their own, so
// that the chooser never waits long for thousands of prefixes.
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "places/wine_prefixes.h"

class QFileDialog;

// How long the chooser waits for the search before it opens: what is
// found later joins the open side bar.
inline constexpr std::chrono::milliseconds kPlacesWait{100};
// How many game folders and how many prefixes the side bar shows at most.
inline constexpr int kMaxSideBarPlaces = 40;

class TChooserPlaces final : public QObject {
public:
    // openOnOnlyGame: the chooser opens on the game folder when the search
    // finds exactly one (the first start, with no folder to start in).
    // changed runs whenever the side bar has changed.
    TChooserPlaces(QFileDialog& dialog, bool openOnOnlyGame, std::function<void()> changed);
    // Stops the search and waits for it.
    ~TChooserPlaces() override;
    TChooserPlaces(const TChooserPlaces&) = delete;
    TChooserPlaces& operator=(const TChooserPlaces&) = delete;

private:
    struct TFound {
        std::mutex Lock;
        std::condition_variable Done;
        std::vector<TPlace> Places;
        std::vector<TPlace> Games;
        bool Finished = false;
    };
    void Search(std::stop_token stop);
    // Shows what the search has found so far; again and again, the same.
    void Show();
    void Rename();

    QFileDialog& dialog_;
    QList<QUrl> own_;
    QHash<QUrl, QString> names_;
    QString startFolder_;
    bool openOnOnlyGame_;
    std::function<void()> changed_;
    std::shared_ptr<TFound> found_ = std::make_shared<TFound>();
    std::jthread search_;
};
