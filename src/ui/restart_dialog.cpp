#include "restart_dialog.h"

#include "assets/fonts.h"
#include "assets/window_pictures.h"
#include "toolkit/window/forms.h"
#include "ui/picture_box.h"
#include "ui/qt_colour.h"
#include "ui/twips_geometry.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace twindle {

namespace {

constexpr int kCounts[] = {8, 10, 12, 14, 16, 18};

// Where each row of samples stands: a background, a left card, an arrow, a right card. The rows
// show the kinds the dialog offers, in the order of the kinds.
struct SampleRow {
    int backgroundTop;
    int cardTop;
    int arrowLeft;
    int arrowTop;
};

constexpr SampleRow kSampleRows[] = {
    {990, 1065, 1320, 1260},
    {1830, 1890, 1320, 2085},
    {2670, 2715, 1335, 2910},
};

constexpr int kKindButtonTops[] = {1170, 1995, 2820};

} // namespace

RestartDialog::RestartDialog(const Game& game, Dealer deal, QWidget* parent)
    : QDialog(parent, kToolWindowFlags)
    , m_deal(std::move(deal))
{
    for (const CardKind& kind : cardKinds()) {
        if (kind.inNewGameDialog && m_kinds.size() < std::size(kSampleRows))
            m_kinds.push_back(&kind);
    }
    setObjectName(QStringLiteral("restartDialog"));
    setWindowTitle(tr("Start New Game"));
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
    addLabel(tr("What kind of cards do you want to match?"), 285);
    addLabel(tr("How many cards do you want to match?"), 3285);
}

// The backgrounds go first so that the samples stand on them; every picture of a row selects
// that row's kind when clicked.
void RestartDialog::buildSampleRows()
{
    const qreal ratio = devicePixelRatioF();
    const auto addPicture = [&](QPixmap picture, PictureBox::Fit fit, int row) {
        auto* box = new PictureBox(std::move(picture), fit, this);
        connect(box, &PictureBox::clicked, this, [this, row] { m_kindButtons[std::size_t(row)]->setChecked(true); });
        return box;
    };
    const int rows = int(m_kinds.size());
    for (int row = 0; row < rows; ++row) {
        auto* background = addPicture(samplePicture(SamplePicture::RowBackground, ratio),
                                      PictureBox::Fit::Stretch, row);
        background->setFrameStyle(QFrame::Box | QFrame::Plain);
        placeInTwips(*background, 315, kSampleRows[row].backgroundTop, 2340, 795);
    }
    for (int row = 0; row < rows; ++row) {
        const SampleRow& place = kSampleRows[row];
        const CardKind& kind = *m_kinds[std::size_t(row)];
        const auto addSample = [&](int face) {
            QPixmap sample = kind.look.art == CardArt::Letter ? sampleLetterCard(QChar(face), ratio)
                                                              : samplePictureCard(ratio);
            return addPicture(std::move(sample), PictureBox::Fit::OwnSize, row);
        };
        placeInTwips(*addSample(kind.sample[0]), 810, place.cardTop, 510, 675);
        placeInTwips(*addPicture(samplePicture(SamplePicture::Arrow, ratio), PictureBox::Fit::OwnSize, row),
                     place.arrowLeft, place.arrowTop, 525, 285);
        placeInTwips(*addSample(kind.sample[1]), 1890, place.cardTop, 510, 675);
    }
}

void RestartDialog::buildKindButtons()
{
    for (std::size_t row = 0; row < m_kinds.size(); ++row) {
        const Integer kind = m_kinds[row]->cardType;
        auto* button = new QRadioButton(this);
        button->setObjectName(QStringLiteral("kindButton%1").arg(kind));
        button->setAutoFillBackground(true);
        QPalette palette = button->palette();
        palette.setColor(button->backgroundRole(), Qt::white);
        button->setPalette(palette);
        placeInTwips(*button, 405, kKindButtonTops[row], 345, 525);
        connect(button, &QRadioButton::toggled, this, [this, kind](bool selected) {
            if (selected)
                m_newCardType = kind;
            followSelectionWithTabStop();
        });
        button->installEventFilter(this);
        m_kindButtons.push_back(button);
    }
    m_kindButtons.front()->setChecked(true);
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
    palette.setColor(QPalette::Button, toQColor(colourFromName("cyan")));
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
                          static_cast<QWidget*>(m_countButtons.at(18))}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (auto kind = m_kindButtons.rbegin(); kind != m_kindButtons.rend(); ++kind) {
        setTabOrder(previous, *kind);
        previous = *kind;
    }
}

// The dialog opens showing, and holding, the kind of the current game, and works out whether that
// game is still being played.
void RestartDialog::load(const Game& game)
{
    const auto current = std::ranges::find(m_kinds, &game.kind());
    if (current != m_kinds.end())
        m_kindButtons[std::size_t(current - m_kinds.begin())]->setChecked(true);
    m_gameInProgress = game.isGameInProgress();
}

void RestartDialog::onCountPressed(int count)
{
    if (m_gameInProgress
        && !askYesNo(tr("Start new Game?"), tr("You have a game in progress!\nDo you want to restart?"),
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
