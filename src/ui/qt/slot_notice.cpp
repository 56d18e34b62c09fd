// The heading's text is chosen again whenever the slot list changes (a new
// folder rebuilds it), and the heading stays centred over the window.
#include "ui/qt/slot_notice.h"

#include <QFileInfo>
#include <QLabel>

#include <algorithm>

#include "common/paths.h"
#include "ui/main_form.h"
#include "ui/qt/qt_text.h"

namespace {

bool HoldsNoSlot(const std::string& gameFolder) {
    if (gameFolder.empty()) return false;
    for (int slot = 1; slot <= kSaveSlotCount; ++slot) {
        if (QFileInfo(ToQString(SaveFolderOf(gameFolder, SaveSlotName(slot)))).isDir()) return false;
    }
    return true;
}

void ShowNotice(QWidget& window, QLabel& label, const QString& designed) {
    const QString text = HoldsNoSlot(BaseDir) ? QString::fromUtf8(kNoSlotsText) : designed;
    if (label.text() == text) return;
    label.setText(text);
    const int width = std::min(std::max(label.width(), label.sizeHint().width()), window.width());
    label.setGeometry((window.width() - width) / 2, label.y(), width, label.height());
}

}  // namespace

void FollowSlotNotice(QWidget& window, TRadioGroup& slotList) {
    auto* label = window.findChild<QLabel*>(QStringLiteral("Label1"));
    if (!label) return;
    const QString designed = label->text();
    slotList.OnChange = [mirror = slotList.OnChange, &window, label, designed] {
        if (mirror) mirror();
        ShowNotice(window, *label, designed);
    };
    ShowNotice(window, *label, designed);
}
