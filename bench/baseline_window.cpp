// The yardstick for the start-up and memory figures: the least a Qt Widgets program can do to
// show a window of the board's size, built with the same compiler and flags as the game. It
// paints its window in the board's kaki so that the probe sees both programs' first frame alike.
// With --full-screen it covers the screen instead, the yardstick for toddler mode, whose board
// does the same.
#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(188, 188, 144));
    window.setPalette(palette);
    if (QApplication::arguments().contains(QStringLiteral("--full-screen"))) {
        // The benchmark's display has no window manager to make a window full screen.
        window.setGeometry(window.screen()->geometry());
        window.showFullScreen();
    } else {
        window.setFixedSize(527, 351);
        window.show();
    }
    return QApplication::exec();
}
