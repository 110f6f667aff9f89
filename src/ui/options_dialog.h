#pragma once

#include "game/board_records.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QPushButton;

namespace twindle {

// The game's two options as check boxes. Nothing is chosen until OK; the close box cancels.
// Once a pair of the game has been found, "Cards disappear" can no longer change.
class OptionsDialog : public QDialog {
    Q_OBJECT

public:
    explicit OptionsDialog(const GlobalVars& options, QWidget* parent = nullptr);

    // What the boxes say; the caller hands them to the game when the dialog was accepted.
    bool cardsDisappear() const;
    bool pairSound() const;

    QCheckBox* checkBox(int index) const { return m_checkBoxes.at(std::size_t(index)); }
    QPushButton* okButton() const { return m_okButton; }

private:
    void load(const GlobalVars& options);

    std::array<QCheckBox*, 2> m_checkBoxes{};
    QPushButton* m_okButton = nullptr;
};

} // namespace twindle
