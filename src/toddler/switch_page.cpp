#include "switch_page.h"

#include "toddler/switch_keys.h"
#include "toddler/toddler_setup.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace twindle {

namespace {

SecondsBox* secondsBox(const char* key, int ToddlerSetup::*field, int step)
{
    auto* box = new SecondsBox;
    box->setObjectName(QLatin1String(key));
    box->setRange(rangeOf(field).low, rangeOf(field).high);
    box->setSingleStep(step);
    return box;
}

} // namespace

SwitchPage::SwitchPage(QWidget* parent)
    : QWidget(parent)
{
    auto* form = new QFormLayout(this);
    m_switches = new QComboBox;
    m_switches->setObjectName(QStringLiteral("switches"));
    m_switches->addItem(tr("None: the keys, the mouse and the fingers"), 0);
    m_switches->addItem(tr("One: the focus steps on by itself, the switch turns the card"), 1);
    m_switches->addItem(tr("Two: switch 1 steps on, switch 2 turns the card"), 2);
    connect(m_switches, &QComboBox::currentIndexChanged, this, &SwitchPage::fitToSwitches);
    form->addRow(tr("Switches:"), m_switches);
    form->addRow(tr("Step every:"), secondsBox("scanMs", &ToddlerSetup::scanMs, 500));
    form->addRow(tr("Switch 1 sends:"), keyRow("switchOneKey", tr("The key switch 1 sends")));
    form->addRow(tr("Switch 2 sends:"), keyRow("switchTwoKey", tr("The key switch 2 sends")));
    form->addRow(tr("Ignore a press within:"), secondsBox("repeatMs", &ToddlerSetup::repeatMs, 100));
    m_note = new QLabel;
    m_note->setObjectName(QStringLiteral("switchNote"));
    m_note->setWordWrap(true);
    form->addRow(QString(), m_note);
    fitToSwitches();
}

// The key a switch sends, and the button that learns it from the switch itself.
QWidget* SwitchPage::keyRow(const char* key, const QString& name)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* shown = new QLineEdit;
    shown->setObjectName(QLatin1String(key));
    shown->setReadOnly(true);
    shown->setAccessibleName(name);
    auto* learnButton = new QPushButton(tr("Learn…"));
    learnButton->setObjectName(QStringLiteral("learn_") + QLatin1String(key));
    learnButton->setAutoDefault(false);
    learnButton->setAccessibleDescription(tr("Then press the switch"));
    connect(learnButton, &QPushButton::clicked, this, [this, shown] { learn(shown); });
    layout->addWidget(shown, 1);
    layout->addWidget(learnButton);
    return row;
}

void SwitchPage::fitToSwitches()
{
    const int switches = m_switches->currentData().toInt();
    findChild<QWidget*>(QStringLiteral("scanMs"))->setEnabled(switches == 1);
    findChild<QWidget*>(QStringLiteral("switchOneKey"))->parentWidget()->setEnabled(switches != 0);
    findChild<QWidget*>(QStringLiteral("switchTwoKey"))->parentWidget()->setEnabled(switches == 2);
    findChild<QWidget*>(QStringLiteral("repeatMs"))->setEnabled(switches != 0);
}

// Until the next key, every key is the switch's: none reaches the screen's buttons, so that a
// switch sending Enter does not press Start.
void SwitchPage::learn(QLineEdit* key)
{
    stopLearning();
    m_learning = key;
    m_keyBefore = key->text();
    key->clear();
    key->setPlaceholderText(tr("press the switch now"));
    m_note->setText(tr("Press the switch now."));
    qApp->installEventFilter(this);
}

bool SwitchPage::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride)
        return true;
    if (event->type() != QEvent::KeyPress || m_learning == nullptr)
        return false;
    if (const auto* key = static_cast<QKeyEvent*>(event); !key->isAutoRepeat())
        learnt(key->key());
    return true;
}

void SwitchPage::learnt(int key)
{
    QLineEdit* learning = m_learning;
    stopLearning();
    const bool first = learning->objectName() == QLatin1String("switchOneKey");
    const auto* other = findChild<QLineEdit*>(first ? QStringLiteral("switchTwoKey") : QStringLiteral("switchOneKey"));
    const QString name = switchKeyName(key);
    if (key == Qt::Key_Escape)
        m_note->setText(tr("Escape is the grown-ups' way out: it cannot be a switch."));
    else if (name.isEmpty())
        m_note->setText(tr("That key cannot be a switch: press Learn and another."));
    else if (name == other->text() && m_switches->currentData().toInt() == 2)
        m_note->setText(tr("The other switch sends %1 already.").arg(name));
    else {
        learning->setText(name);
        m_note->setText(tr("Switch %1 sends %2.").arg(first ? 1 : 2).arg(name));
    }
}

void SwitchPage::stopLearning()
{
    qApp->removeEventFilter(this);
    if (m_learning != nullptr) {
        m_learning->setPlaceholderText(QString());
        m_learning->setText(m_keyBefore);
    }
    m_learning = nullptr;
}

void SwitchPage::hideEvent(QHideEvent* event)
{
    stopLearning();
    QWidget::hideEvent(event);
}

SecondsBox::SecondsBox(QWidget* parent)
    : QSpinBox(parent)
{
    setSuffix(tr(" s"));
}

QString SecondsBox::textFromValue(int milliseconds) const
{
    return locale().toString(milliseconds / 1000.0, 'f', 1);
}

int SecondsBox::valueFromText(const QString& text) const
{
    QString number = text;
    number.remove(suffix());
    return int(std::lround(locale().toDouble(number.trimmed()) * 1000));
}

QValidator::State SecondsBox::validate(QString& text, int&) const
{
    QString number = text;
    number.remove(suffix());
    bool ok = false;
    const double seconds = locale().toDouble(number.trimmed(), &ok);
    if (!ok)
        return QValidator::Intermediate;
    const double milliseconds = seconds * 1000;
    return milliseconds >= minimum() && milliseconds <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

} // namespace twindle
