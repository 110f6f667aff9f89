#include "assets/fonts.h"
#include "ui/application_setup.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char* argv[])
{
    twindle::useOnlyBuiltInFonts();
    QApplication app(argc, argv);
    twindle::setUpApplication();

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("A pairs card game for toddlers."));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption toddler(QStringLiteral("toddler"),
                                     QStringLiteral("Play full screen, locked for a toddler (F11)."));
    options.addOption(toddler);
    const QCommandLineOption quiet(QStringLiteral("quiet"),
                                   QStringLiteral("Cards in toddler mode say nothing."));
    options.addOption(quiet);
    options.process(app);

    twindle::MainWindow window;
    window.setQuiet(options.isSet(quiet));
    window.show();
    if (options.isSet(toddler))
        QTimer::singleShot(0, &window, &twindle::MainWindow::enterToddlerMode);
    return QApplication::exec();
}
