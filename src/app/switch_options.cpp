#include "app/launch_options.h"

#include <cmath>

namespace twindle {

namespace {

QString seconds(int milliseconds)
{
    return QString::number(milliseconds / 1000.0);
}

void declare(QCommandLineParser& parser)
{
    const NumberRange scan = rangeOf(&ToddlerSetup::scanMs);
    parser.addOptions({
        {QStringLiteral("switches"),
         QStringLiteral("Toddler mode is played with switches: 1, the focus steps from card to card by itself "
                        "and the switch turns the card; 2, one switch steps and the other turns; 0, none."),
         QStringLiteral("N")},
        {QStringLiteral("scan-seconds"),
         QStringLiteral("With one switch, the focus steps on every S seconds, %1 to %2.")
             .arg(seconds(scan.low), seconds(scan.high)),
         QStringLiteral("S")},
    });
}

std::optional<QString> readSwitches(const QCommandLineParser& parser, LaunchOptions& launch)
{
    const QString value = parser.value(QStringLiteral("switches"));
    bool ok = false;
    const int switches = value.toInt(&ok);
    if (!ok || !rangeOf(&ToddlerSetup::switches).holds(switches))
        return QStringLiteral("--switches %1: give 1 or 2 switches, or 0 for none").arg(value);
    launch.setupChanges.push_back([switches](ToddlerSetup& setup) { setup.switches = switches; });
    return std::nullopt;
}

std::optional<QString> readScanSeconds(const QCommandLineParser& parser, LaunchOptions& launch)
{
    const QString value = parser.value(QStringLiteral("scan-seconds"));
    const NumberRange range = rangeOf(&ToddlerSetup::scanMs);
    bool ok = false;
    const double milliseconds = value.toDouble(&ok) * 1000;
    if (!ok || !std::isfinite(milliseconds) || milliseconds < range.low || milliseconds > range.high)
        return QStringLiteral("--scan-seconds %1: give a number of seconds from %2 to %3, such as 2.5")
            .arg(value, seconds(range.low), seconds(range.high));
    launch.setupChanges.push_back([scan = int(std::lround(milliseconds))](ToddlerSetup& setup) { setup.scanMs = scan; });
    return std::nullopt;
}

std::optional<QString> read(const QCommandLineParser& parser, LaunchOptions& launch)
{
    if (parser.isSet(QStringLiteral("switches"))) {
        if (auto wrong = readSwitches(parser, launch))
            return wrong;
    }
    if (parser.isSet(QStringLiteral("scan-seconds")))
        return readScanSeconds(parser, launch);
    return std::nullopt;
}

} // namespace

const OptionGroup kSwitchOptions{declare, read};

} // namespace twindle
