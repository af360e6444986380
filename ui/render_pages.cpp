// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the window to PNG files, for the README's pictures:
//   teamtool_render_pages [--dark] OUTDIR [TEAMFILE]
// Without a team file it renders the start; with one it loads it, picks the first
// sixteen selectable players, makes the week's other choices and renders each of the
// four pages. With --dark, in the Fusion style with a dark palette, as a dark desktop
// shows it, and only the Select Team page (select-team-dark.png).

#include "app/recorded_dialogs.h"
#include "ui/form_view.h"
#include "window/window.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QPixmap>
#include <QStyleFactory>

#include <cstdio>
#include <string>

using namespace Qt::StringLiterals;

namespace {

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
    const bool dark = argc > 1 && std::string(argv[1]) == "--dark";
    if (dark) {
        --argc;
        ++argv;
        QApplication::setStyle(QStyleFactory::create(u"Fusion"_s));
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(45, 45, 48));
        palette.setColor(QPalette::WindowText, QColor(230, 230, 230));
        palette.setColor(QPalette::Base, QColor(30, 30, 32));
        palette.setColor(QPalette::AlternateBase, QColor(45, 45, 48));
        palette.setColor(QPalette::Text, QColor(230, 230, 230));
        palette.setColor(QPalette::Button, QColor(55, 55, 58));
        palette.setColor(QPalette::ButtonText, QColor(230, 230, 230));
        palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
        palette.setColor(QPalette::HighlightedText, Qt::white);
        palette.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
        palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
        QApplication::setPalette(palette);
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s [--dark] OUTDIR [TEAMFILE]\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(u"."_s))
        return 1;

    teamtool::RecordedDialogs dialogs;
    auto form = teamtool::createMainWindow(dialogs);
    teamtool::FRMTEAMTOOL& f = *form;
    teamtool::ui::FormView window(f);
    window.show();
    window.buildTabbedPages();
    if (argc < 3)
        return save(window, out.filePath(u"start.png"_s)) ? 0 : 1;

    f.Text31.text = argv[2];
    f.Command3.click();
    for (const std::string& message : dialogs.messages)
        std::fprintf(stderr, "message: %s\n", message.c_str());
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
    if (dark) {
        f.SSTab1.tab = 2;
        window.refresh();
        return save(window, out.filePath(u"select-team-dark.png"_s)) ? 0 : 1;
    }
    for (int page = 0; page < 4; ++page) {
        f.SSTab1.tab = page;
        window.refresh();
        if (!save(window, out.filePath(QString::fromLatin1(pages[page]))))
            return 1;
    }
    return 0;
}
