#pragma once

#include "game/game.h"

#include <QDialog>

#include <array>
#include <functional>
#include <map>

class QPushButton;
class QRadioButton;

namespace twindle {

// frmRestart, the new game dialog: the player picks the kind of cards with an option button (or
// by clicking a sample picture of its row) and starts the game with a number button, which is
// the count of cards. When a game is in progress the player is asked first.
class RestartDialog : public QDialog {
    Q_OBJECT

public:
    using Dealer = std::function<void(Integer numcards)>;

    RestartDialog(Game& game, Dealer deal, QWidget* parent = nullptr);

    QPushButton* countButton(int count) const { return btnOK.at(count); }
    QRadioButton* kindButton(int kind) const { return optType.at(std::size_t(kind)); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLabels();
    void buildSampleRows();
    void buildKindButtons();
    void buildCountButtons();
    void followSelectionWithTabStop();

    void Form_Load();
    void optType_Click(int Index);
    void Image1_Click(int Index);
    void btnOK_Click(int Index);

    Game& m_game;
    Dealer m_deal;

    std::array<QRadioButton*, 3> optType{};
    std::map<int, QPushButton*> btnOK;

    bool GameInProgress = false;
    Integer NewCardType = kPictureCards;
};

} // namespace twindle
