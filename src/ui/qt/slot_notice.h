// The main window's heading, which says so when the stored game folder holds
// none of the save slots LOG1.DAT to LOG5.DAT (a folder that is not the game's).
#pragma once

#include "ui/radio_group.h"

class QWidget;

// The heading (the label Label1 of window) follows the slot list: the
// designed text while the folder holds a slot or none is stored yet, else
// kNoSlotsText. Call after the window is bound to the form.
void FollowSlotNotice(QWidget& window, TRadioGroup& slotList);

inline constexpr char kNoSlotsText[] = "このフォルダにセーブデータはありません: 設定で選び直して下さい";
