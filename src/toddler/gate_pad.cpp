#include "gate_pad.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace twindle {

namespace {

// Small enough to go unnoticed by a child, large enough for a grown-up's finger; in the corner,
// where no card stands on most screens.
constexpr int kSpotSize = 40;
constexpr int kSpotMargin = 4;
// Large enough for a grown-up's finger, and ten of them fit across a tablet held upright.
constexpr int kButtonSize = 60;
constexpr int kPadMargin = 12;

} // namespace

GateSpot::GateSpot(QWidget& board)
    : QWidget(&board)
{
    setObjectName(QStringLiteral("parentGateSpot"));
    resize(kSpotSize, kSpotSize);
    board.installEventFilter(this);
    placeInCorner();
}

void GateSpot::placeInCorner()
{
    move(parentWidget()->width() - kSpotSize - kSpotMargin, kSpotMargin);
}

// The board grows into the screen after the spot is made.
bool GateSpot::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == parentWidget())
        placeInCorner();
    return false;
}

// A faint ring, filled while it is held so that a grown-up sees the press counts.
void GateSpot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 3));
    painter.setBrush(m_down ? QColor(255, 255, 255, 150) : QColor(40, 40, 40, 60));
    painter.drawEllipse(QRectF(rect()).adjusted(3, 3, -3, -3));
}

// Only a finger: where there is a mouse there are keys, and a child holding the mouse button
// down in the corner should get no nearer to the way out.
void GateSpot::mousePressEvent(QMouseEvent* event)
{
    const QPointingDevice* device = event->pointingDevice();
    if (event->button() != Qt::LeftButton || device == nullptr
        || device->type() != QInputDevice::DeviceType::TouchScreen)
        return;
    m_down = true;
    update();
    emit pressed();
}

void GateSpot::mouseMoveEvent(QMouseEvent* event)
{
    if (m_down && !rect().contains(event->position().toPoint()))
        lift();
}

void GateSpot::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_down)
        lift();
}

void GateSpot::lift()
{
    m_down = false;
    update();
    emit released();
}

GatePad::GatePad(QWidget& board)
    : QFrame(&board)
{
    setObjectName(QStringLiteral("parentGatePad"));
    // A press between the buttons is not a tap on the card beneath.
    setAttribute(Qt::WA_NoMousePropagation);
    setStyleSheet(QStringLiteral("#parentGatePad { background: rgba(40, 40, 40, 190); border-radius: 10px; }"
                                 "QLabel { color: white; font-size: 18px; }"
                                 "QPushButton { font-size: 24px; }"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(kPadMargin, kPadMargin, kPadMargin, kPadMargin);
    m_text = new QLabel;
    m_text->setObjectName(QStringLiteral("parentGatePadText"));
    m_text->setWordWrap(true);
    grid->addWidget(m_text, 0, 0, 1, 10);
    const auto addButton = [&](const QString& name, const QString& text, int row, int column, int span,
                               ParentGate::Key key, int digit) {
        auto* button = new QPushButton(text);
        button->setObjectName(name);
        button->setFocusPolicy(Qt::NoFocus);  // the keyboard stays with the locked window
        button->setMinimumSize(kButtonSize, kButtonSize);
        connect(button, &QPushButton::clicked, this, [this, key, digit] { emit keyPressed(key, digit); });
        grid->addWidget(button, row, column, 1, span);
    };
    for (int digit = 0; digit <= 9; ++digit) {
        addButton(QStringLiteral("gateDigit%1").arg(digit), QString::number(digit), 1, (digit + 9) % 10, 1,
                  ParentGate::Key::Digit, digit);
    }
    addButton(QStringLiteral("gateBack"), QString(), 2, 0, 3, ParentGate::Key::Backspace, 0);
    addButton(QStringLiteral("gateOk"), QString(), 2, 7, 3, ParentGate::Key::Enter, 0);
}

void GatePad::showQuestion(const QString& question, const QString& typed)
{
    // In the windows' language as it is now, which a parent may have changed since the pad was made.
    findChild<QPushButton*>(QStringLiteral("gateBack"))->setText(tr("Back"));
    findChild<QPushButton*>(QStringLiteral("gateOk"))->setText(tr("OK"));
    m_text->setText(tr("Grown-ups: to leave full screen, tap %1 in digits, then OK.%2")
                        .arg(question, typed.isEmpty() ? QString() : QStringLiteral("   ") + typed));
    const QWidget& board = *parentWidget();
    setMaximumWidth(board.width() - 2 * kPadMargin);  // a tablet held upright is narrow
    adjustSize();
    move((board.width() - width()) / 2, board.height() - height() - kPadMargin);
    show();
    raise();
}

} // namespace twindle
