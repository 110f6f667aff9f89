#include "restart_dialog.h"

#include "assets/fonts.h"
#include "assets/window_pictures.h"
#include "game/game_in_progress.h"
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

RestartDialog::RestartDialog(Game& game, Dealer deal, QWidget* parent)
    : QDialog(parent, kToolWindowFlags)
    , m_game(game)
    , m_deal(std::move(deal))
{
    setObjectName(QStringLiteral("frmRestart"));
    setWindowTitle(QStringLiteral("Start New Game"));
    setFixedSize(twipsToPixels(5850), twipsToPixels(3675));

    buildLabels();
    buildSampleRows();
    buildKindButtons();
    buildCountButtons();

    Form_Load();
    btnOK.at(8)->setFocus();
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
        connect(box, &PictureBox::clicked, this, [this, kind] { Image1_Click(kind); });
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
        button->setObjectName(QStringLiteral("optType%1").arg(kind));
        button->setAutoFillBackground(true);
        QPalette palette = button->palette();
        palette.setColor(button->backgroundRole(), Qt::white);
        button->setPalette(palette);
        placeInTwips(*button, 405, kKindButtonTops[kind], 345, 525);
        connect(button, &QRadioButton::toggled, this, [this, kind](bool selected) {
            if (selected)
                optType_Click(kind);
            followSelectionWithTabStop();
        });
        button->installEventFilter(this);
        optType[std::size_t(kind)] = button;
    }
    optType[0]->setChecked(true);
}

// The kinds are one group, as option buttons are on every desktop: the keyboard enters it at the
// selected kind, the only one that is a tab stop.
void RestartDialog::followSelectionWithTabStop()
{
    for (QRadioButton* button : optType)
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

// Inside the group the arrow keys move the selection, from the last kind round to the first.
bool RestartDialog::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = std::ranges::find(optType, watched);
    if (found == optType.end() || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    int step = 0;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right: step = 1; break;
    case Qt::Key_Up:
    case Qt::Key_Left: step = -1; break;
    default: return QDialog::eventFilter(watched, event);
    }
    const int kindCount = int(optType.size());
    const int next = (int(found - optType.begin()) + step + kindCount) % kindCount;
    optType[std::size_t(next)]->setChecked(true);
    optType[std::size_t(next)]->setFocus(Qt::TabFocusReason);
    return true;
}

void RestartDialog::buildCountButtons()
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Button, QColor(0, 192, 192));
    for (std::size_t i = 0; i < std::size(kCounts); ++i) {
        const int count = kCounts[i];
        auto* button = new QPushButton(QString::number(count), this);
        button->setObjectName(QStringLiteral("btnOK%1").arg(count));
        button->setFont(arialFont(27.75));
        button->setPalette(palette);
        // The dialog has no default button: Enter presses only a number that has the focus.
        button->setAutoDefault(false);
        placeInTwips(*button, i % 2 == 0 ? 3105 : 4290, 1050 + 840 * int(i / 2), 1155, 705);
        connect(button, &QPushButton::clicked, this, [this, count] { btnOK_Click(count); });
        btnOK[count] = button;
    }

    // Keyboard order: the counts in rising order, then the kinds from the bottom row up.
    QWidget* previous = btnOK.at(8);
    for (QWidget* next : {static_cast<QWidget*>(btnOK.at(10)), static_cast<QWidget*>(btnOK.at(12)),
                          static_cast<QWidget*>(btnOK.at(14)), static_cast<QWidget*>(btnOK.at(16)),
                          static_cast<QWidget*>(btnOK.at(18)), static_cast<QWidget*>(optType[2]),
                          static_cast<QWidget*>(optType[1]), static_cast<QWidget*>(optType[0])}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

// The dialog opens showing the kind of the current game, and works out whether that game is
// still being played.
void RestartDialog::Form_Load()
{
    GameInProgress = false;
    optType[std::size_t(std::clamp<int>(m_game.globals().CardType, 0, 2))]->setChecked(true);
    GameInProgress = isGameInProgress(m_game);
}

void RestartDialog::optType_Click(int Index)
{
    NewCardType = Integer(Index);
}

void RestartDialog::Image1_Click(int Index)
{
    optType[std::size_t(Index)]->setChecked(true);
}

void RestartDialog::btnOK_Click(int Index)
{
    if (GameInProgress
        && !askYesNo(QStringLiteral("Start new Game?"),
                     QStringLiteral("You have a game in progress!\nDo you want to restart?"),
                     this)) {
        reject();
        return;
    }
    m_game.globals().CardType = NewCardType;
    m_deal(Integer(Index));
    accept();
}

// The dialog has neither a default nor a cancel button: Enter presses the number that has the
// focus and nothing else, Escape does nothing, and the close box cancels.
void RestartDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
        for (const auto& [count, button] : btnOK) {
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
