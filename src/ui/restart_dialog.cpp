#include "restart_dialog.h"

#include "assets/fonts.h"
#include "assets/window_pictures.h"
#include "toolkit/forms.h"
#include "ui/picture_box.h"
#include "ui/twips_geometry.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace twindle {

namespace {

constexpr int kCounts[] = {8, 10, 12, 14, 16, 18};

// One row of samples for each kind of cards: a background, a left card, an arrow, a right card.
struct SampleRow {
    int backgroundTop;
    int cardTop;
    int arrowLeft;
    int arrowTop;
    SamplePicture left;
    SamplePicture right;
};

constexpr SampleRow kSampleRows[] = {
    {990, 1065, 1320, 1260, SamplePicture::PictureCard, SamplePicture::PictureCard},
    {1830, 1890, 1320, 2085, SamplePicture::CapitalA, SamplePicture::CapitalA},
    {2670, 2715, 1335, 2910, SamplePicture::CapitalA, SamplePicture::SmallA},
};

constexpr int kKindButtonTops[] = {1170, 1995, 2820};

} // namespace

RestartDialog::RestartDialog(const Game& game, Dealer deal, QWidget* parent)
    : QDialog(parent, kToolWindowFlags)
    , m_deal(std::move(deal))
{
    setObjectName(QStringLiteral("restartDialog"));
    setWindowTitle(QStringLiteral("Start New Game"));
    setFixedSize(twipsToPixels(5850), twipsToPixels(3675));

    buildLabels();
    buildSampleRows();
    buildKindButtons();
    buildCountButtons();

    load(game);
    m_countButtons.at(8)->setFocus();
    centreOnScreen(*this);
}

void RestartDialog::buildLabels()
{
    const auto addLabel = [&](const QString& text, int left) {
        auto* label = new QLabel(text, this);
        label->setFont(arialFont(12));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        placeInTwips(*label, left, 225, 2370, 705);
    };
    addLabel(QStringLiteral("What kind of cards do you want to match?"), 285);
    addLabel(QStringLiteral("How many cards do you want to match?"), 3285);
}

// The backgrounds go first so that the samples stand on them; every picture of a row selects
// that row's kind when clicked.
void RestartDialog::buildSampleRows()
{
    const qreal ratio = devicePixelRatioF();
    const auto addPicture = [&](QPixmap picture, PictureBox::Fit fit, int kind) {
        auto* box = new PictureBox(std::move(picture), fit, this);
        connect(box, &PictureBox::clicked, this, [this, kind] { m_kindButtons[std::size_t(kind)]->setChecked(true); });
        return box;
    };
    for (int kind = 0; kind < 3; ++kind) {
        auto* background = addPicture(samplePicture(SamplePicture::RowBackground, ratio),
                                      PictureBox::Fit::Stretch, kind);
        background->setFrameStyle(QFrame::Box | QFrame::Plain);
        placeInTwips(*background, 315, kSampleRows[kind].backgroundTop, 2340, 795);
    }
    for (int kind = 0; kind < 3; ++kind) {
        const SampleRow& row = kSampleRows[kind];
        placeInTwips(*addPicture(samplePicture(row.left, ratio), PictureBox::Fit::OwnSize, kind),
                     810, row.cardTop, 510, 675);
        placeInTwips(*addPicture(samplePicture(SamplePicture::Arrow, ratio),
                                 PictureBox::Fit::OwnSize, kind),
                     row.arrowLeft, row.arrowTop, 525, 285);
        placeInTwips(*addPicture(samplePicture(row.right, ratio), PictureBox::Fit::OwnSize, kind),
                     1890, row.cardTop, 510, 675);
    }
}

void RestartDialog::buildKindButtons()
{
    for (int kind = 0; kind < 3; ++kind) {
        auto* button = new QRadioButton(this);
        button->setObjectName(QStringLiteral("kindButton%1").arg(kind));
        button->setAutoFillBackground(true);
        QPalette palette = button->palette();
        palette.setColor(button->backgroundRole(), Qt::white);
        button->setPalette(palette);
        placeInTwips(*button, 405, kKindButtonTops[kind], 345, 525);
        connect(button, &QRadioButton::toggled, this, [this, kind](bool selected) {
            if (selected)
                m_newCardType = Integer(kind);
            followSelectionWithTabStop();
        });
        button->installEventFilter(this);
        m_kindButtons[std::size_t(kind)] = button;
    }
    m_kindButtons[0]->setChecked(true);
}

// The kinds are one group, as option buttons are on every desktop: the keyboard enters it at the
// selected kind, the only one that is a tab stop.
void RestartDialog::followSelectionWithTabStop()
{
    for (QRadioButton* button : m_kindButtons)
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

// Inside the group the arrow keys move the selection, from the last kind round to the first.
bool RestartDialog::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = std::ranges::find(m_kindButtons, watched);
    if (found == m_kindButtons.end() || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    int step = 0;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right: step = 1; break;
    case Qt::Key_Up:
    case Qt::Key_Left: step = -1; break;
    default: return QDialog::eventFilter(watched, event);
    }
    const int kindCount = int(m_kindButtons.size());
    const int next = (int(found - m_kindButtons.begin()) + step + kindCount) % kindCount;
    m_kindButtons[std::size_t(next)]->setChecked(true);
    m_kindButtons[std::size_t(next)]->setFocus(Qt::TabFocusReason);
    return true;
}

void RestartDialog::buildCountButtons()
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Button, QColor(0, 192, 192));
    for (std::size_t i = 0; i < std::size(kCounts); ++i) {
        const int count = kCounts[i];
        auto* button = new QPushButton(QString::number(count), this);
        button->setObjectName(QStringLiteral("countButton%1").arg(count));
        button->setFont(arialFont(27.75));
        button->setPalette(palette);
        // The dialog has no default button: Enter presses only a number that has the focus.
        button->setAutoDefault(false);
        placeInTwips(*button, i % 2 == 0 ? 3105 : 4290, 1050 + 840 * int(i / 2), 1155, 705);
        connect(button, &QPushButton::clicked, this, [this, count] { onCountPressed(count); });
        m_countButtons[count] = button;
    }

    // Keyboard order: the counts in rising order, then the kinds from the bottom row up.
    QWidget* previous = m_countButtons.at(8);
    for (QWidget* next : {static_cast<QWidget*>(m_countButtons.at(10)),
                          static_cast<QWidget*>(m_countButtons.at(12)),
                          static_cast<QWidget*>(m_countButtons.at(14)),
                          static_cast<QWidget*>(m_countButtons.at(16)),
                          static_cast<QWidget*>(m_countButtons.at(18)),
                          static_cast<QWidget*>(m_kindButtons[2]),
                          static_cast<QWidget*>(m_kindButtons[1]),
                          static_cast<QWidget*>(m_kindButtons[0])}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

// The dialog opens showing, and holding, the kind of the current game, and works out whether that
// game is still being played.
void RestartDialog::load(const Game& game)
{
    m_kindButtons[std::size_t(std::clamp<int>(game.globals().CardType, 0, 2))]->setChecked(true);
    m_gameInProgress = game.isGameInProgress();
}

void RestartDialog::onCountPressed(int count)
{
    if (m_gameInProgress
        && !askYesNo(QStringLiteral("Start new Game?"),
                     QStringLiteral("You have a game in progress!\nDo you want to restart?"),
                     this)) {
        reject();
        return;
    }
    m_deal(m_newCardType, Integer(count));
    accept();
}

// The dialog has neither a default nor a cancel button: Enter presses the number that has the
// focus and nothing else, Escape does nothing, and the close box cancels.
void RestartDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
        for (const auto& [count, button] : m_countButtons) {
            if (button->hasFocus())
                button->click();
        }
        event->accept();
        return;
    case Qt::Key_Escape: event->accept(); return;
    default: QDialog::keyPressEvent(event);
    }
}

} // namespace twindle
