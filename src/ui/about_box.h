#pragma once

#include <QDialog>

namespace twindle {

class PictureBox;

// frmAbout: the logo above the title line and the credits. A double-click on the logo closes
// it, as does its close box; it changes nothing in the game.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);

    PictureBox* picture() const { return Picture1; }

private:
    void buildTextLines();

    PictureBox* Picture1 = nullptr;
};

} // namespace twindle
