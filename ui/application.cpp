#include "ui/application.h"

#include "textio/version.h"
#include "ui/form_view.h"
#include "ui/program_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

#include <cstdio>
#include <optional>

namespace teamtool::ui {

namespace {

class QuitOnFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            // The paint goes on; the event loop ends once it is done, before anything
            // the paint itself schedules.
            QCoreApplication::exit(0);
            watched->removeEventFilter(this);
        }
        return false;
    }
};

// Qt's own options, which its application object takes for itself: the parser knows
// them so that a value ("-platform offscreen") is not taken for a team file, and says
// nothing of them in --help.
void addToolkitOptions(QCommandLineParser& parser)
{
    static const char* const kWithValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                                             "display", "geometry", "style", "stylesheet", "name", "title",
                                             "visual", "qmljsdebugger"};
    static const char* const kFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char* name : kWithValue) {
        QCommandLineOption option(name, {}, "value");
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kFlags) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

int commandLineError(const QString& text)
{
    std::fprintf(stderr, "teamtool: %s\n", qPrintable(text));
    return 2;
}

// What the command line asks for: help or the version, a team file to load, or an
// exit status when the program should end at once.
struct CommandLine {
    std::optional<int> exitStatus;
    bool help = false;
    bool version = false;
    std::optional<QString> teamFile;
};

CommandLine readCommandLine(QCommandLineParser& parser, int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    parser.setApplicationDescription(
        "TeamTool prepares the weekly orders of a team in a play-by-mail football league.");
    // "-platform offscreen" is one of Qt's own options, not six letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument("team-file", "A team file to load at start, as Select File then Load Team would.",
                                 "[team-file]");
    addToolkitOptions(parser);

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.exitStatus = commandLineError(parser.errorText());
    } else if (parser.positionalArguments().size() > 1) {
        line.exitStatus = commandLineError("only one team file can be opened at a time");
    } else {
        line.help = parser.isSet(help);
        line.version = parser.isSet(version);
        if (!parser.positionalArguments().isEmpty())
            // The file's whole path, so that the path box says which file it is.
            line.teamFile =
                QDir::toNativeSeparators(QFileInfo(parser.positionalArguments().front()).absoluteFilePath());
    }
    return line;
}

void nameApplication()
{
    QCoreApplication::setApplicationName("TeamTool");
    QCoreApplication::setApplicationVersion(kTeamToolVersion);
}

}  // namespace

void quitAfterFirstPaint(QWidget& widget)
{
    widget.installEventFilter(new QuitOnFirstPaint(&widget));
}

int runApplication(int argc, char** argv, bool quitOnceShown)
{
    // Help, version and a wrong option are answered before the window system is
    // needed, so that they work on any terminal.
    QCommandLineParser parser;
    const CommandLine line = readCommandLine(parser, argc, argv);
    if (line.exitStatus)
        return *line.exitStatus;
    if (line.help || line.version) {
        QCoreApplication core(argc, argv);
        nameApplication();
        if (line.help)
            std::fputs(qPrintable(parser.helpText()), stdout);  // names the program as it was started
        else
            std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                        qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }

    QApplication app(argc, argv);
    nameApplication();
    ProgramWindow program;  // first: its dialogs register the icon
    QApplication::setDesktopFileName(TEAMTOOL_APP_ID);
    QApplication::setWindowIcon(QIcon::fromTheme("teamtool", QIcon(":/icons/teamtool.png")));

    MainWindow& window = program.window;
    if (quitOnceShown)
        quitAfterFirstPaint(window);
    window.show();
    if (line.teamFile) {
        // Loaded once the window shows, so that a failing load's message stands over it.
        QTimer::singleShot(0, &window, [&window, path = line.teamFile->toStdString()] {
            window.formView().openTeamFile(path);
        });
    }
    return QApplication::exec();
}

}  // namespace teamtool::ui
