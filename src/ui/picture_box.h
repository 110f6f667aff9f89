#pragma once

#include <QFrame>
#include <QPixmap>

namespace twindle {

// A picture on a dialog that answers clicks: shown at its own size from the top-left corner
// and cut off at the edges, or stretched to fill the box.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    enum class Fit { OwnSize, Stretch };

    explicit PictureBox(QPixmap picture, Fit fit, QWidget* parent = nullptr);

signals:
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    Fit m_fit;
};

} // namespace twindle
