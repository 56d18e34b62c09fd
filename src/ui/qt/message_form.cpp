// The box dialog: icon, word-wrapped text, one row of buttons; the default
// and cancel buttons, access keys and answers as on Windows.
#include "ui/qt/message_form.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTreeWidget>

#include <algorithm>
#include <vector>

#include "ui/frame.h"
#include "ui/qt/box_placement.h"
#include "ui/qt/change_list_view.h"
#include "ui/qt/qt_text.h"

namespace {

// Wide enough for the longest of its captions with the style's margin and
// frame on each side: the style's own size hint allows the margin once in
// all, which leaves a long caption nearly touching the edges.
int ButtonWidth(const QPushButton& button, const QStringList& captions) {
    const QStyle& style = *button.style();
    const int edges = 2 * (style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
                           style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button));
    int width = button.sizeHint().width();
    for (const QString& caption : captions)
        width = std::max(width, button.fontMetrics().size(Qt::TextShowMnemonic, caption).width() + edges);
    return width;
}

class TMessageForm final : public QDialog {
public:
    TMessageForm(QWidget* owner, TBoxKind kind, const std::string& caption, const std::string& text,
                 const TBoxPreview& preview)
        : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
          box_(DescribeBox(kind)) {
        setObjectName(QStringLiteral("TMessageForm"));
        setWindowTitle(ToQString(caption));
        setWindowModality(Qt::ApplicationModal);
        auto* grid = new QGridLayout(this);
        grid->setSizeConstraint(QLayout::SetFixedSize);
        if (box_.Icon != TBoxIcon::None) {
            auto* icon = new QLabel(this);
            const QStyle::StandardPixmap pixmap = box_.Icon == TBoxIcon::Stop ? QStyle::SP_MessageBoxCritical
                                                                              : QStyle::SP_MessageBoxQuestion;
            icon->setPixmap(style()->standardIcon(pixmap).pixmap(kBoxIconSize, kBoxIconSize));
            icon->setObjectName(QStringLiteral("Icon"));
            icon->setAccessibleName(box_.Icon == TBoxIcon::Stop ? QStringLiteral("エラー") : QStringLiteral("質問"));
            grid->addWidget(icon, 0, 0, Qt::AlignTop);
        }
        // The text keeps its place beside the icon when the details widen
        // the box: the room they add goes to the right.
        grid->setColumnStretch(1, 1);
        grid->addWidget(TextLabel(text, "Text"), 0, 1, Qt::AlignLeft);
        if (!preview.Informative.empty())
            grid->addWidget(TextLabel(preview.Informative, "InformativeText"), 1, 1, Qt::AlignLeft);
        QHBoxLayout* buttons = ButtonRow();
        grid->addLayout(buttons, 2, 0, 1, 2, Qt::AlignHCenter);
        if (!preview.Rows.empty()) AddDetails(*grid, *buttons, preview.Rows);
    }

    // Only a button, Esc or an access key answers.
    bool Answered() const { return answered_; }
    const TBoxDescription& Box() const { return box_; }

protected:
    // Esc presses the cancel button wherever the focus is.
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
            Answer(EscapeAnswer(box_));
            return;
        }
        QDialog::keyPressEvent(event);
    }
    // The close box gives the close answer.
    void reject() override { done(box_.CloseAnswer); }

    // Opens centred over the main window; when it grows (the details
    // unfold) it moves just enough to stay within the screen's available area.
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        PlaceBox(*this);
    }
    void resizeEvent(QResizeEvent* event) override {
        QDialog::resizeEvent(event);
        if (isVisible()) KeepBoxInArea(*this);
    }

private:
    QLabel* TextLabel(const std::string& text, const char* name) {
        auto* label = new QLabel(ToQString(text), this);
        label->setObjectName(QString::fromLatin1(name));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        // As wide as the text needs, wrapping at half the screen's width;
        // a wrapping label would otherwise break short Japanese lines early.
        const int limit = BoxTextWidthLimit(screen() ? screen()->geometry().width() : 0);
        const int widest =
            label->fontMetrics().boundingRect(QRect(0, 0, limit, 0), Qt::TextWordWrap, label->text()).width();
        label->setMinimumWidth(std::min(widest, limit));
        label->setMaximumWidth(limit);
        return label;
    }

    QHBoxLayout* ButtonRow() {
        auto* row = new QHBoxLayout;
        std::vector<QPushButton*> buttons;
        int widest = 0;
        for (const TBoxButtonDescription& description : box_.Buttons) {
            auto* button = new QPushButton(ToQString(description.Caption), this);
            const std::int32_t answer = description.Answer;
            connect(button, &QPushButton::clicked, this, [this, answer] { Answer(answer); });
            // In a box the access key works without Alt, as on Windows.
            const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
            if (!mnemonic.isEmpty())
                connect(new QShortcut(QKeySequence(mnemonic[0].key()), this), &QShortcut::activated, button,
                        &QPushButton::click);
            widest = std::max(widest, ButtonWidth(*button, {button->text()}));
            buttons.push_back(button);
            row->addWidget(button);
        }
        for (QPushButton* button : buttons) button->setFixedWidth(widest);
        buttons[box_.DefaultButton]->setDefault(true);
        buttons[box_.DefaultButton]->setFocus();
        return row;
    }

    // The details, hidden under the buttons until "詳細を表示..." unfolds them.
    void AddDetails(QGridLayout& grid, QHBoxLayout& buttons, const std::vector<TOfficerNameChange>& rows) {
        auto* view = new QTreeWidget(this);
        view->setObjectName(QStringLiteral("Details"));
        ShowChangeList(*view, rows, QStringLiteral("新しい名前"), QStringLiteral("書き換える名前の一覧"));
        view->hide();
        grid.addWidget(view, 3, 0, 1, 2);
        auto* toggle = new QPushButton(ToQString(kShowDetailsCaption), this);
        toggle->setObjectName(QStringLiteral("DetailsButton"));
        toggle->setAutoDefault(false);
        toggle->setFixedWidth(ButtonWidth(*toggle, {ToQString(kShowDetailsCaption), ToQString(kHideDetailsCaption)}));
        connect(toggle, &QPushButton::clicked, this, [this, &grid, view, toggle] {
            // Unfolded, the box stays within the screen's available area:
            // the details get the height left and scroll.
            if (!view->isVisible()) {
                const int spare = BoxArea(*this).Height - frameGeometry().height() - grid.verticalSpacing();
                view->setMaximumHeight(std::max(spare, view->fontMetrics().lineSpacing() * 3));
            }
            view->setVisible(!view->isVisible());
            toggle->setText(ToQString(view->isVisible() ? kHideDetailsCaption : kShowDetailsCaption));
        });
        buttons.addWidget(toggle);
    }

    void Answer(std::int32_t answer) {
        answered_ = true;
        done(answer);
    }

    const TBoxDescription& box_;
    bool answered_ = false;
};

}  // namespace

std::int32_t ShowMessageForm(QWidget* owner, TBoxKind kind, const std::string& caption, const std::string& text,
                             const TBoxPreview& preview) {
    TMessageForm form(owner, kind, caption, text, preview);
    const int answer = form.exec();
    // A box that the program's quitting ended counts as closed.
    return form.Answered() ? answer : form.Box().CloseAnswer;
}
