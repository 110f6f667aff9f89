#pragma once

#include "toddler/toddler_setup.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QFormLayout;
class QLayout;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace twindle {

// What a parent sees when toddler mode starts, in the window before it fills the screen: the
// kind of cards, the pairs to start with, whether the game grows with the child, the voice and
// the volumes, and a play time. Large and plain, and keyed as dialogs are: Tab between the
// choices, the arrows within one, Enter starts, Escape stays in the window.
class SetupScreen final : public QDialog {
    Q_OBJECT

public:
    // `familyPairs`: the pairs the family's photos allow; fewer than two offer no family game.
    SetupScreen(const ToddlerSetup& setup, int familyPairs, QWidget* parent = nullptr);

    // After the family cards changed.
    void setFamilyPairs(int pairs);

    // The choices as they stand.
    ToddlerSetup setup() const;

    // The play times offered, in minutes; 0 is no limit.
    static constexpr int kPlayTimes[] = {0, 5, 10, 15, 20, 30, 45, 60};

signals:
    // The parent asks to make or change family cards.
    void familyCardsAsked();

private:
    // A page of choices, its widgets named after the choices' keys (setting_widgets.h).
    void addPage(QWidget* page, const QString& title);
    QFormLayout* buildForm();
    QWidget* buildKinds();
    QRadioButton* kindButton(Integer cardType) const;
    void fitPairsToKind();
    QLayout* buildButtons();
    QWidget* buildVolumes(QCheckBox& voice);

    std::vector<std::pair<QRadioButton*, Integer>> m_kinds;
    QTabWidget* m_pages = nullptr;
    QSpinBox* m_pairs = nullptr;
    int m_familyPairs = 0;
};

} // namespace twindle
