#include "assets/fonts.h"
#include "ui/application_setup.h"
#include "ui/main_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    twindle::useOnlyBuiltInFonts();
    QApplication app(argc, argv);
    twindle::setUpApplication();

    twindle::MainWindow window;
    window.show();
    return QApplication::exec();
}
