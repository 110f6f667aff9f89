#pragma once

#include <QDialog>

namespace twindle {

class PictureBox;

// The about box: the logo above the title line and the credits. A double-click on the logo closes
// it, as does its close box; it changes nothing in the game.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);

    PictureBox* logo() const { return m_logo; }

private:
    void buildTextLines();

    PictureBox* m_logo = nullptr;
};

} // namespace twindle
