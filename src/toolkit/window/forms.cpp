#include "forms.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace twindle {

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect place = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                            screen->availableGeometry());
    window.move(place.topLeft());
}

bool askYesNo(const QString& title, const QString& prompt, QWidget* parent)
{
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace twindle
