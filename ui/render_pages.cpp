// Renders the window to PNG files, for the README's pictures:
//   teamtool_render_pages OUTDIR [TEAMFILE]
// Without a team file it renders the start; with one it loads it, picks the first
// sixteen selectable players, makes the week's other choices and renders each of the
// four pages.

#include "app/window.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>
#include <string>

namespace {

// Dialogs that answer nothing: a failure while rendering is printed instead.
class PrintingDialogs : public teamtool::Dialogs {
public:
    void msgBox(const std::string& text) override { std::fprintf(stderr, "message: %s\n", text.c_str()); }
    std::optional<std::string> showOpen(const teamtool::FileDialog&) override { return std::nullopt; }
};

bool save(QWidget& window, const QString& path)
{
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTDIR [TEAMFILE]\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath("."))
        return 1;

    PrintingDialogs dialogs;
    auto form = teamtool::createMainWindow(dialogs);
    teamtool::FRMTEAMTOOL& f = *form;
    teamtool::ui::MainWindow window(f);
    window.show();
    window.buildTabbedPages();
    if (argc < 3)
        return save(window, out.filePath("start.png")) ? 0 : 1;

    f.Text31.text = argv[2];
    f.Command3.click();
    if (f.Frame32.visible)
        return 1;
    for (int row = 0; row < static_cast<int>(f.List1.items.size()) && row < 16; ++row)
        f.List1.doubleClick(row);
    // A week's choices, so the pictures show every part of the page in use.
    f.Option1(5).setValue(true);
    f.Option2(9).setValue(true);
    f.Check1(2).setValue(1);
    f.Text34(2).text = "9";
    f.Text29.text = "CD";
    f.Combo2.text = "LB";
    f.Combo3.text = "MC";
    const char* pages[] = {"game.png", "player-stats.png", "select-team.png", "press-and-comments.png"};
    for (int page = 0; page < 4; ++page) {
        f.SSTab1.tab = page;
        window.refresh();
        if (!save(window, out.filePath(pages[page])))
            return 1;
    }
    return 0;
}
