#include "assets/fonts.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    twindle::useOnlyBuiltInFonts();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("twindle"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));

    // The same look on every desktop: one style, and the program's own fonts.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(twindle::arialFont(9));

    twindle::MainWindow window;
    window.show();
    return QApplication::exec();
}
