#pragma once

#include <QSpinBox>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;

namespace twindle {

// The setup screen's page for switches (switch_scan.h): none, one or two; how long the focus
// stays on a card with one; the key each switch sends, learnt by pressing the switch ("press the
// switch now"; Escape cannot be one, and two switches send two keys); and how soon a switch
// pressed again is heard. Its widgets are named after their choices' keys (setting_widgets.h).
class SwitchPage final : public QWidget {
    Q_OBJECT

public:
    explicit SwitchPage(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* keyRow(const char* key, const QString& name);
    void learn(QLineEdit* key);
    void learnt(int key);
    void stopLearning();
    void fitToSwitches();

    QComboBox* m_switches = nullptr;
    QLabel* m_note = nullptr;
    QLineEdit* m_learning = nullptr;
    QString m_keyBefore;
};

// A number of milliseconds shown and typed as seconds: "2.5 s".
class SecondsBox final : public QSpinBox {
    Q_OBJECT

public:
    explicit SecondsBox(QWidget* parent = nullptr);

protected:
    QString textFromValue(int milliseconds) const override;
    int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& position) const override;
};

} // namespace twindle
