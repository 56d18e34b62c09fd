// The main window: creation from the description, the radio mirror, the
// button and frame events.
#include "ui/qt/main_window.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <functional>

#include "settings/date_settings.h"
#include "settings/date_text.h"
#include "ui/form_scaling.h"
#include "ui/frame.h"
#include "ui/qt/japanese_font.h"
#include "ui/qt/push_button.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/radio_view.h"
#include "ui/qt/undo_menu.h"
#include "ui/window_fit.h"

namespace {

// The designed outer size includes a Windows frame at 96 dpi (a 4-pixel
// border each side and a 19-pixel caption); the window manager adds its own.
constexpr int kDesignFrameWidth = 8;
constexpr int kDesignFrameHeight = 27;

QColor ColourOf(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

// The longest slot label the user's date settings can give: every month, and
// every day name, at 23:59.
QString WidestSlotLabel(const QFontMetrics& metrics) {
    QString widest;
    const auto consider = [&](int month, int day) {
        const TDateStamp date{2026, month, day, 23, 59, 0};
        const QString label = ToQString(kSaveDataItems.back() + SlotDateText(date, CurrentDateSettings()));
        if (metrics.horizontalAdvance(label) > metrics.horizontalAdvance(widest)) widest = label;
    };
    for (int month = 1; month <= 12; ++month) consider(month, 28);
    for (int day = 22; day < 28; ++day) consider(9, day);
    return widest;
}

// The style may draw a group's title above its frame, where Windows draws it
// across the frame's top line: buttons laid out for Windows would then touch
// the frame. Those that begin above the area inside the frame share that
// area evenly instead.
std::vector<TBounds> WithinFrame(std::vector<TBounds> rects, const QGroupBox& box) {
    const QRect inside = box.contentsRect();
    if (rects.empty() || rects.front().Top >= inside.top()) return rects;
    const auto count = static_cast<std::int32_t>(rects.size());
    const std::int32_t height = inside.height() / count;
    std::int32_t top = inside.top() + (inside.height() % count) / 2;
    for (TBounds& r : rects) {
        r.Top = top;
        r.Height = height;
        top += height;
    }
    return rects;
}

// A plain top-level widget reaches screen readers as a filler; the main
// window is announced as the application's frame instead.
QAccessibleInterface* MainWindowAccessible(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->isWindow() || widget->objectName() != QLatin1String("Form1")) return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

TQtMainWindow::TQtMainWindow() {
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(&MainWindowAccessible);
        return true;
    }();
    (void)accessibleInstalled;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ToQString(kForm1Caption));
    setAutoFillBackground(true);
    const int dpi = logicalDpiY() > 0 ? logicalDpiY() : kDesignPixelsPerInch;
    const QFont font = JapaneseGothicFont(std::abs(ScaledFontHeight(dpi)));
    setFont(font);
    textHeight_ = LayoutTextHeight(dpi, QFontMetrics(font).height());
    move(kForm1Bounds.Left, kForm1Bounds.Top);
    const QRect outer = Scaled(kForm1Bounds);
    resize(outer.width() - ScaleToText(kDesignFrameWidth, textHeight_),
           outer.height() - ScaleToText(kDesignFrameHeight, textHeight_));
}

TQtMainWindow::~TQtMainWindow() = default;

QRect TQtMainWindow::Scaled(const TBounds& b) const {
    const TBounds s = ScaleBounds(b, textHeight_);
    return QRect(s.Left, s.Top, s.Width, s.Height);
}

// Where the font draws dates wider than the design's font did, the slot
// group, the Quit button and the window grow by what the widest label lacks.
TSlotLabelFit TQtMainWindow::SlotLabelFit() const {
    QRadioButton probe(WidestSlotLabel(QFontMetrics(font())));
    probe.setFont(font());
    return FitSlotLabels(probe.sizeHint().width(), ScaleBounds(kSaveDataGroup.Bounds, textHeight_),
                         ScaleBounds(kButton3.Bounds, textHeight_), width(), textHeight_);
}

QRect TQtMainWindow::Placed(const TControlDescription& description) const {
    const TBounds bounds = &description == &kSaveDataGroup ? slotFit_.Group
                           : &description == &kButton3     ? slotFit_.Quit
                                                           : ScaleBounds(description.Bounds, textHeight_);
    return QRect(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
}

void TQtMainWindow::Bind(TForm1& form) {
    form_ = &form;
    slotFit_ = SlotLabelFit();
    resize(slotFit_.WindowWidth, height());
    CreateMenuBar();
    PlaceOnScreen();
    // Created in tab order, so that Tab walks the designed order.
    CreateRadioGroup(scenario_, kScenarioGroup, form.ScenarioGroup);
    CreateRadioGroup(saveData_, kSaveDataGroup, form.SaveDataGroup);
    QWidget* previous = saveData_.Buttons.back();
    for (QPushButton* button :
         {CreateButton(kButton1, &TForm1::Button1Click), CreateButton(kButton2, &TForm1::Button2Click),
          CreateButton(kButton3, &TForm1::Button3Click)}) {
        setTabOrder(previous, button);
        previous = button;
    }
    CreateLabel();
}

// The menu bar above the designed client area, which keeps its size: the
// window grows by the bar's height, as a Windows menu adds to the frame.
void TQtMainWindow::CreateMenuBar() {
    undoMenu_ = new TUndoMenu(*this, [this] {
        if (!form_ || form_->SaveDataGroup.ItemIndex() < 0) return std::string();
        return form_->SaveDataGroup.ItemName(form_->SaveDataGroup.ItemIndex());
    });
    const int bar = undoMenu_->Bar()->sizeHint().height();
    undoMenu_->Bar()->setGeometry(0, 0, width(), bar);
    body_ = new QWidget(this);
    body_->setObjectName(QStringLiteral("ClientArea"));
    body_->setGeometry(0, bar, width(), height());
    resize(width(), height() + bar);
}

void TQtMainWindow::Refreshed() {
    if (undoMenu_) DispatchEvent([this] { undoMenu_->Refresh(); });
}

// The designed place, unless the window (with a frame as designed, the
// window manager's being unknown before the first show) would reach past
// the available area of the screen it opens on.
void TQtMainWindow::PlaceOnScreen() {
    const QPoint designed(kForm1Bounds.Left, kForm1Bounds.Top);
    const QScreen* screen = QGuiApplication::screenAt(designed);
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const TBounds outer{designed.x(), designed.y(), width() + ScaleToText(kDesignFrameWidth, textHeight_),
                        height() + ScaleToText(kDesignFrameHeight, textHeight_)};
    const TBounds placed = FitWindowToArea(outer, TBounds{area.x(), area.y(), area.width(), area.height()});
    move(placed.Left, placed.Top);
}

void TQtMainWindow::Unbind() {
    for (TRadioView* view : {&scenario_, &saveData_}) {
        if (view->Model) view->Model->OnChange = nullptr;
        view->Model = nullptr;
    }
    form_ = nullptr;
}

// Radio buttons stay auto-exclusive within their group box, so that screen
// readers announce them as radio buttons; the model decides what is checked.
void TQtMainWindow::CreateRadioGroup(TRadioView& view, const TControlDescription& description, TRadioGroup& model) {
    view.Model = &model;
    view.Box = new QGroupBox(ToQString(model.Caption()), body_);
    view.Box->setObjectName(QString::fromLatin1(description.Name));
    const QRect group = Placed(description);
    view.Box->setGeometry(group);
    const std::vector<TBounds> rects = WithinFrame(
        RadioButtonRects(group.width(), group.height(), textHeight_, model.Count()), *view.Box);
    for (std::int32_t i = 0; i < model.Count(); ++i) {
        const TBounds& r = rects[static_cast<std::size_t>(i)];
        auto* button = new TRadioButton(ToQString(model.Item(i)), view.Box);
        button->setObjectName(QStringLiteral("%1.%2").arg(QString::fromLatin1(description.Name)).arg(i));
        button->setGeometry(r.Left, r.Top, r.Width, r.Height);
        connect(button, &QRadioButton::clicked, this, [this, &view, i] {
            DispatchEvent([&] {
                if (view.Model) view.Model->UserClick(i);
            });
            // A refused click leaves the check where the model has it, and
            // the focus follows the check, so that a screen reader names the
            // slot that is now chosen. Queued: an arrow key sets the focus on
            // the button it clicked after the click.
            if (!view.Model) return;
            MirrorRadioView(view);
            Refreshed();
            const std::int32_t checked = view.Model->ItemIndex();
            if (checked < 0 || checked == i) return;
            QRadioButton* target = view.Buttons[static_cast<std::size_t>(checked)];
            QMetaObject::invokeMethod(
                target, [target] { target->setFocus(Qt::OtherFocusReason); }, Qt::QueuedConnection);
        });
        view.Buttons.push_back(button);
    }
    if (&model == &form_->SaveDataGroup) {
        for (std::size_t i = 0; i < view.Buttons.size(); ++i) {
            static_cast<TRadioButton*>(view.Buttons[i])->OnArrowKey = [&view, i](int step) {
                StepOverEmptyItems(view, i, step);
            };
        }
    }
    model.OnChange = [&view] { MirrorRadioView(view); };
    MirrorRadioView(view);
}

QPushButton* TQtMainWindow::CreateButton(const TControlDescription& description, void (TForm1::*handler)(TObject*)) {
    auto* button = new TPushButton(ToQString(description.Caption), body_);
    button->setObjectName(QString::fromLatin1(description.Name));
    button->setGeometry(Placed(description));
    button->setAutoDefault(false);
    // The form is taken out here: GCC's vptr sanitizer takes the closure of
    // a lambda nested in a member's lambda for the object itself.
    connect(button, &QPushButton::clicked, this, [this, button, handler] {
        TForm1* const form = form_;
        DispatchEvent([form, button, handler] {
            if (form) (form->*handler)(button);
        });
        Refreshed();
    });
    return button;
}

void TQtMainWindow::CreateLabel() {
    auto* label = new QLabel(ToQString(kLabel1.Caption), body_);
    label->setObjectName(QString::fromLatin1(kLabel1.Name));
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ColourOf(kLabel1Colour));
    label->setPalette(palette);
    // The label grows to its text, so that another font never cuts it off,
    // and stays centred over the window as designed, also when the window
    // widened for long slot labels.
    const QRect designed = Scaled(kLabel1.Bounds);
    const QSize text = label->sizeHint();
    const int width = std::max(designed.width(), text.width());
    const int left = designed.left() + (slotFit_.Growth - (width - designed.width())) / 2;
    label->setGeometry(std::max(0, left), designed.top(), width, std::max(designed.height(), text.height()));
}

// Close box, Alt+F4, the task bar's Close: all quit, as the Quit button does.
void TQtMainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    DispatchEvent([] { RequestQuit(); });
}

void TQtMainWindow::changeEvent(QEvent* event) {
    // The slot labels' long date follows the user's locale settings.
    if (event->type() == QEvent::LocaleChange) DispatchEvent([] { ReloadDateSettingsForUserLocale(); });
    // Back from the game or another program: the save may have changed.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Refreshed();
    QWidget::changeEvent(event);
}
