#pragma once

#include "game/board_records.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QPushButton;

namespace twindle {

// frmOptions: the two options as check boxes. Nothing is written until OK; the close box
// cancels. Once a pair of the game has been found, "Cards disappear" can no longer change.
class OptionsDialog : public QDialog {
    Q_OBJECT

public:
    explicit OptionsDialog(GlobalVars& globals, QWidget* parent = nullptr);

    QCheckBox* checkBox(int index) const { return Check1.at(std::size_t(index)); }
    QPushButton* okButton() const { return btnOk; }

private:
    void Form_Load();
    void btnOk_Click();

    GlobalVars& m_globals;
    std::array<QCheckBox*, 2> Check1{};
    QPushButton* btnOk = nullptr;
};

} // namespace twindle
