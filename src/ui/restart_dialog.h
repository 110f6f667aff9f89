#pragma once

#include "game/game.h"

#include <QDialog>

#include <vector>
#include <functional>
#include <map>

class QPushButton;
class QRadioButton;

namespace twindle {

// The new game dialog: the player picks the kind of cards with an option button (or by clicking
// a sample picture of its row) and starts the game with a number button, which is the count of
// cards. When a game is in progress the player is asked first. The dialog has neither a default
// nor a cancel button.
class RestartDialog : public QDialog {
    Q_OBJECT

public:
    // Deals the chosen game; the dialog is still open meanwhile.
    using Dealer = std::function<void(Integer cardType, Integer numcards)>;

    RestartDialog(const Game& game, Dealer deal, QWidget* parent = nullptr);

    QPushButton* countButton(int count) const { return m_countButtons.at(count); }
    // The option button of a kind's row; its rows are the kinds the dialog offers, in order.
    QRadioButton* kindButton(int row) const { return m_kindButtons.at(std::size_t(row)); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLabels();
    void buildSampleRows();
    void buildKindButtons();
    void buildCountButtons();

    void load(const Game& game);
    void followSelectionWithTabStop();
    void onCountPressed(int count);

    Dealer m_deal;
    std::vector<const CardKind*> m_kinds;
    std::vector<QRadioButton*> m_kindButtons;
    std::map<int, QPushButton*> m_countButtons;
    bool m_gameInProgress = false;
    Integer m_newCardType = kPictureCards;
};

} // namespace twindle
