// The box's place over its window, kept in the screen's available area.
#include "ui/qt/box_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "ui/box_layout.h"

namespace {

TBounds BoundsOf(const QRect& rect) { return TBounds{rect.x(), rect.y(), rect.width(), rect.height()}; }

void MoveTo(QWidget& box, const TBounds& at) {
    if (at.Left != box.x() || at.Top != box.y()) box.move(at.Left, at.Top);
}

const QWidget* ShownOwner(const QWidget& box) {
    const QWidget* parent = box.parentWidget();
    return parent && parent->window()->isVisible() ? parent->window() : nullptr;
}

}  // namespace

TBounds BoxArea(const QWidget& box) {
    const QWidget* owner = ShownOwner(box);
    const QScreen* screen = owner ? owner->screen() : box.screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return BoundsOf(box.frameGeometry());
    return BoundsOf(screen->availableGeometry());
}

void PlaceBox(QWidget& box) {
    const QRect outer = box.frameGeometry();
    const TBounds area = BoxArea(box);
    const QWidget* owner = ShownOwner(box);
    MoveTo(box, CentreOver(outer.width(), outer.height(), owner ? BoundsOf(owner->frameGeometry()) : area, area));
}

void KeepBoxInArea(QWidget& box) { MoveTo(box, KeepInArea(BoundsOf(box.frameGeometry()), BoxArea(box))); }
