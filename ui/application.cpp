// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/application.h"

#include "textio/version.h"
#include "ui/form_view.h"
#include "ui/program_window.h"
#include "ui/system_paths.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>

#ifdef _WIN32
#include <windows.h>
#endif

namespace teamtool::ui {

using namespace Qt::StringLiterals;

namespace {

// Runs an action once the watched window has been painted for the first time: then
// it stands where the window manager put it.
class OnFirstPaint : public QObject {
public:
    OnFirstPaint(QObject* parent, std::function<void()> action) : QObject(parent), m_action(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            qApp->removeEventFilter(this);
            m_action();
        }
        return false;
    }

private:
    std::function<void()> m_action;
};

// Qt's own options, which its application object takes for itself: the parser knows
// them so that a value ("-platform offscreen") is not taken for a team file, and says
// nothing of them in --help.
void addToolkitOptions(QCommandLineParser& parser)
{
    static const char* const kWithValue[] = {
        "platform",     "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
        "qwindowicon",  "qwindowtitle",       "session",       "display", "geometry",
        "style",        "stylesheet",         "name",          "title",   "visual",
        "qmljsdebugger"};
    static const char* const kFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char* name : kWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), {}, u"value"_s);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

#ifdef _WIN32
// A program built for the Windows desktop starts without a console: what the command
// line asks it to print goes to the console it was started from, where there is one,
// unless its output is already redirected to a file or pipe.
void printToStartingConsole()
{
    static const bool attached = [] {
        const auto redirected = [](DWORD which) {
            const HANDLE handle = GetStdHandle(which);
            return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
        };
        if (redirected(STD_OUTPUT_HANDLE) || !AttachConsole(ATTACH_PARENT_PROCESS))
            return false;
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
        return true;
    }();
    Q_UNUSED(attached);
}
#else
void printToStartingConsole()
{}
#endif

int commandLineError(const QString& text)
{
    printToStartingConsole();
    std::fprintf(stderr, "teamtool: %s\n", qPrintable(text));
    return 2;
}

// What the command line asks for: help or the version, a team file to load, or an
// exit status when the program should end at once.
struct CommandLine {
    std::optional<int> exitStatus;
    bool help = false;
    bool version = false;
    std::optional<std::string> teamFile;
};

CommandLine readCommandLine(QCommandLineParser& parser, int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    parser.setApplicationDescription(
        u"TeamTool prepares the weekly orders of a team in a play-by-mail football league."_s);
    // "-platform offscreen" is one of Qt's own options, not six letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        u"team-file"_s, u"A team file to load at start, as Select File then Load Team would."_s, u"[team-file]"_s);
    addToolkitOptions(parser);

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.exitStatus = commandLineError(parser.errorText());
    } else if (parser.positionalArguments().size() > 1) {
        line.exitStatus = commandLineError(u"only one team file can be opened at a time"_s);
    } else {
        line.help = parser.isSet(help);
        line.version = parser.isSet(version);
        if (!parser.positionalArguments().isEmpty()) {
            // The argument as the system gave it: a name that is not UTF-8 keeps its bytes.
            const QString decoded = parser.positionalArguments().front();
            const char* given = nullptr;
            for (int i = argc; i-- > 1 && !given;)
                if (arguments[i] == decoded)
                    given = argv[i];
            line.teamFile = pathOfArgument(given ? given : "", decoded);
        }
    }
    return line;
}

void nameApplication()
{
    QCoreApplication::setApplicationName(u"TeamTool"_s);
    QCoreApplication::setApplicationVersion(QString::fromUtf8(kTeamToolVersion));
}

}  // namespace

void afterFirstPaint(QObject& watched, std::function<void()> action)
{
    watched.installEventFilter(new OnFirstPaint(&watched, std::move(action)));
}

int runApplication(int argc, char** argv, StartupProbe* probe)
{
    // Help, version and a wrong option are answered before the window system is
    // needed, so that they work on any terminal.
    QCommandLineParser parser;
    const CommandLine line = readCommandLine(parser, argc, argv);
    if (line.exitStatus)
        return *line.exitStatus;
    if (line.help || line.version) {
        printToStartingConsole();
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
    QApplication::setDesktopFileName(QStringLiteral(TEAMTOOL_APP_ID));

    MainWindow& window = program.window;
    if (probe)
        probe->windowMade(window);
    // A team file named at start that reads is in the window when it first shows; one
    // that does not, or a large one, is loaded once the window is painted where it
    // stands, so that its message or its progress is centred over it.
    std::optional<std::string> laterFile;
    if (line.teamFile && !window.formView().openTeamFileBeforeShown(*line.teamFile))
        laterFile = *line.teamFile;
    window.show();
    // The season and the remembered settings once the window is painted, then the
    // icon: it is not needed for the first paint, and decoding it is a good part of
    // starting.
    afterFirstPaint(window, [&program, &window, laterFile, probe] {
        QTimer::singleShot(0, &window, [&program, &window, laterFile, probe] {
            program.startSeason();
            if (laterFile)
                window.formView().openTeamFile(*laterFile);
            if (probe)
                probe->startedWhole(window);
            QTimer::singleShot(0, [] {
                QIcon icon;
                for (const int size : {16, 32, 64, 256})
                    icon.addFile(u":/icons/teamtool-%1.png"_s.arg(size), QSize(size, size));
                QApplication::setWindowIcon(icon);
            });
        });
    });
    const int status = QApplication::exec();
    if (probe)
        probe->finished(status);
    return status;
}

}  // namespace teamtool::ui
