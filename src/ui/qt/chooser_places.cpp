// TChooserPlaces: the search on a std::jthread, its results handed to the
// window's thread by queued calls; the side bar's model renamed by URL.
#include "ui/qt/chooser_places.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFileDialog>
#include <QListView>

#include "places/game_search.h"
#include "ui/qt/qt_text.h"

namespace {

// A Wine place or a game folder in one, left in Qt's saved side bar by an
// earlier run: such places are found afresh (some may be gone).
bool IsWinePlace(const QUrl& url) {
    const QString path = url.toLocalFile();
    return path.endsWith(QLatin1String("/drive_c")) || path.contains(QLatin1String("/drive_c/"));
}

void AddPlaces(const std::vector<TPlace>& places, QList<QUrl>& urls, QHash<QUrl, QString>& names) {
    for (std::size_t i = 0; i < places.size() && i < static_cast<std::size_t>(kMaxSideBarPlaces); ++i) {
        const QUrl url = QUrl::fromLocalFile(ToQString(places[i].Path));
        urls.append(url);
        names.insert(url, ToQString(places[i].Name));
    }
}

}  // namespace

TChooserPlaces::TChooserPlaces(QFileDialog& dialog, bool openOnOnlyGame, std::function<void()> changed)
    : dialog_(dialog), own_(dialog.sidebarUrls()), startFolder_(dialog.directory().absolutePath()),
      openOnOnlyGame_(openOnOnlyGame), changed_(std::move(changed)) {
    own_.removeIf(IsWinePlace);
    // The side bar names a place by its folder's name, which is "drive_c"
    // for every prefix; each place is renamed by its origin instead, again
    // whenever the side bar refreshes or re-adds a place.
    if (auto* sidebar = dialog.findChild<QListView*>(QStringLiteral("sidebar")); sidebar && sidebar->model()) {
        QAbstractItemModel* model = sidebar->model();
        connect(model, &QAbstractItemModel::dataChanged, this, &TChooserPlaces::Rename);
        connect(model, &QAbstractItemModel::rowsInserted, this, &TChooserPlaces::Rename);
        connect(model, &QAbstractItemModel::modelReset, this, &TChooserPlaces::Rename);
    }
    search_ = std::jthread([this](std::stop_token stop) { Search(std::move(stop)); });
    std::unique_lock lock(found_->Lock);
    found_->Done.wait_for(lock, kPlacesWait, [this] { return found_->Finished; });
    lock.unlock();
    Show();
}

TChooserPlaces::~TChooserPlaces() {
    search_.request_stop();
    search_.join();
}

void TChooserPlaces::Search(std::stop_token stop) {
    std::vector<TPlace> places = UserPlaces();
    {
        const std::lock_guard lock(found_->Lock);
        found_->Places = places;
    }
    QMetaObject::invokeMethod(this, &TChooserPlaces::Show, Qt::QueuedConnection);
    std::vector<TPlace> games = FindGameFolders(places, {}, std::move(stop));
    {
        const std::lock_guard lock(found_->Lock);
        found_->Games = std::move(games);
        found_->Finished = true;
    }
    found_->Done.notify_all();
    QMetaObject::invokeMethod(this, &TChooserPlaces::Show, Qt::QueuedConnection);
}

void TChooserPlaces::Show() {
    std::vector<TPlace> places;
    std::vector<TPlace> games;
    bool finished = false;
    {
        const std::lock_guard lock(found_->Lock);
        places = found_->Places;
        games = found_->Games;
        finished = found_->Finished;
    }
    QList<QUrl> urls;
    names_.clear();
    AddPlaces(games, urls, names_);
    urls.append(own_);
    AddPlaces(places, urls, names_);
    // Qt may have restored the same places, named by their folders, from its settings.
    if (urls != dialog_.sidebarUrls()) dialog_.setSidebarUrls(urls);
    Rename();
    if (changed_) changed_();
    // Opens on the one game folder, unless the player has moved on meanwhile.
    if (finished && openOnOnlyGame_ && games.size() == 1 && dialog_.directory().absolutePath() == startFolder_) {
        dialog_.setDirectory(ToQString(games.front().Path));
        openOnOnlyGame_ = false;
    }
}

void TChooserPlaces::Rename() {
    auto* sidebar = dialog_.findChild<QListView*>(QStringLiteral("sidebar"));
    QAbstractItemModel* model = sidebar ? sidebar->model() : nullptr;
    if (!model) return;
    // Its model keeps each entry's URL in the role after Qt::UserRole.
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        const QUrl url = index.data(Qt::UserRole + 1).toUrl();
        const auto name = names_.constFind(url);
        const QString wanted = name != names_.constEnd()                          ? *name
                               : url.isLocalFile() && url.toLocalFile().isEmpty() ? QStringLiteral("コンピュータ")
                                                                                  : index.data().toString();
        if (index.data().toString() != wanted) model->setData(index, wanted);
        // A narrow side bar cuts long names: the whole name shows on hover.
        if (index.data(Qt::ToolTipRole).toString() != wanted) model->setData(index, wanted, Qt::ToolTipRole);
    }
}
