#include "qt/command_line.h"

#include "common/application.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <vector>

namespace tavrel {

std::optional<int> AnswerCommandLine(int argc, char *argv[])
{
    // A core application loads no platform plugin: the answers need no
    // display. Named tavrel, however started, for the usage line.
    std::vector<char *> arguments(argv, argv + argc);
    char name[] = "tavrel";
    arguments.empty() ? arguments.push_back(name) : void(arguments[0] = name);
    int count = int(arguments.size());
    const QCoreApplication app(count, arguments.data());
    QCoreApplication::setApplicationName("tavrel");
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Computes the ground distance in nautical miles that a descent covers,\n"
        "from its altitudes, vertical speed, airspeed, heading and wind.");
    const QCommandLineOption help({"h", "help"}, "Show this help and exit.");
    const QCommandLineOption version({"v", "version"}, "Show the version and exit.");
    parser.addOptions({help, version});

    const auto refuse = [&parser](const QString &what) {
        std::fprintf(stderr, "tavrel: %s\n\n%s", qPrintable(what), qPrintable(parser.helpText()));
        return 2;
    };
    if (!parser.parse(QCoreApplication::arguments()))
        return refuse(parser.errorText());
    if (const QStringList stray = parser.positionalArguments(); !stray.isEmpty())
        return refuse(QString("Unexpected argument '%1'.").arg(stray.first()));
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("Tavrel %s\n", kPackageVersion);
        return 0;
    }
    return std::nullopt;
}

} // namespace tavrel
