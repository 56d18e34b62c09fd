// The Linux window's way back at any time: a menu bar with 編集 → 元に戻す
// (Ctrl+Z) and バックアップの一覧..., greyed while the selected slot has
// nothing to undo.
#pragma once

#include <QObject>

#include <functional>
#include <string>

class QAction;
class QMenuBar;
class QWidget;

inline constexpr char kEditMenuText[] = "編集(&E)";
inline constexpr char kUndoActionText[] = "元に戻す(&U)";
inline constexpr char kBackupListActionText[] = "バックアップの一覧(&B)...";

class TUndoMenu final : public QObject {
public:
    // The menu bar, made a child of window; selectedSlot gives the selected
    // slot's folder name, "" when none is selected.
    TUndoMenu(QWidget& window, std::function<std::string()> selectedSlot);

    QMenuBar* Bar() const { return bar_; }
    // Greys the items by the store's state: 元に戻す while the slot has no
    // rewrite to undo, the list while no slot is selected.
    void Refresh();

private:
    void Undo();
    void ShowList();

    std::function<std::string()> selectedSlot_;
    QWidget& window_;
    QMenuBar* bar_;
    QAction* undo_;
    QAction* list_;
};
