// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt_dialogs.h"

#include "ui/contrast.h"
#include "week/sending.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QStringList>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// The manual and the icon, compiled into the program: a static library's resources
// are registered by hand, outside any namespace.
static void initialiseResources()
{
    Q_INIT_RESOURCE(teamtool);
}

namespace teamtool::ui {

using namespace Qt::StringLiterals;

QtDialogs::QtDialogs()
{
    initialiseResources();
}

void QtDialogs::setParent(QWidget* parent, QString title)
{
    m_parent = parent;
    m_title = std::move(title);
}

void QtDialogs::msgBox(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, m_title, QString::fromStdString(text), QMessageBox::Ok, dialogParent());
    box.setObjectName("MsgBox");
    box.exec();
}

QString QtDialogs::qtFilter(const std::string& filter)
{
    // Pairs of description and pattern, all separated by bars; patterns separated by ";".
    const QStringList parts = QString::fromStdString(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts).join(u' ');
        const QString& description = parts[i];
        filters << (description.contains(u'(' + patterns + u')') ? description
                                                                 : description + u" ("_s + patterns + u')');
    }
    return filters.join(u";;"_s);
}

namespace {

// A file dialog as the settings say, named `name`. Qt's own where Windows has none: its
// filter matches names in any letter case; Windows' own dialog, used there, ignores
// letter case by itself.
void setUpFileDialog(QFileDialog& dialog, const FileDialog& settings, const QString& name,
                     QFileDialog::AcceptMode accept, QFileDialog::FileMode mode)
{
    dialog.setWindowTitle(QString::fromStdString(settings.dialogTitle));
    dialog.setDirectory(QString::fromStdString(settings.initDir));
    dialog.setNameFilter(QtDialogs::qtFilter(settings.filter));
    dialog.setObjectName(name);
    dialog.setAcceptMode(accept);
    dialog.setFileMode(mode);
#ifndef Q_OS_WIN
    dialog.setOption(QFileDialog::DontUseNativeDialog);
#endif
}

}  // namespace

QWidget* QtDialogs::dialogParent() const
{
    // A window of the program's own over the main one, the season's, takes its dialogs:
    // one whose parents lead to the main window (isAncestorOf stops at a window's edge).
    QWidget* active = QApplication::activeWindow();
    for (QWidget* up = active ? active->parentWidget() : nullptr; up && m_parent; up = up->parentWidget())
        if (up == m_parent->window())
            return active;
    return m_parent;
}

std::vector<std::string> QtDialogs::showOpenFiles(const FileDialog& settings)
{
    QFileDialog dialog(dialogParent());
    setUpFileDialog(dialog, settings, u"OpenFilesDialog"_s, QFileDialog::AcceptOpen, QFileDialog::ExistingFiles);
    std::vector<std::string> paths;
    if (dialog.exec() == QDialog::Accepted)
        for (const QString& path : dialog.selectedFiles())
            paths.push_back(QDir::toNativeSeparators(path).toStdString());
    return paths;
}

std::optional<std::string> QtDialogs::showSave(const FileDialog& settings)
{
    QFileDialog dialog(dialogParent());
    setUpFileDialog(dialog, settings, u"SaveDialog"_s, QFileDialog::AcceptSave, QFileDialog::AnyFile);
    dialog.setDefaultSuffix(u"csv"_s);
    if (!settings.fileName.empty())
        dialog.selectFile(QString::fromStdString(settings.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().front()).toStdString();
}

std::optional<std::string> QtDialogs::showOpen(const FileDialog& settings)
{
    QFileDialog dialog(dialogParent());
    setUpFileDialog(dialog, settings, QString::fromStdString(settings.fullName()), QFileDialog::AcceptOpen,
                    QFileDialog::ExistingFile);
    if (settings.dialogTitle.empty())
        dialog.setWindowTitle(m_title);
    dialog.setOption(QFileDialog::ReadOnly, false);
    // The settings' flags ask only to hide the dialog's read-only check box, and Qt's
    // dialog has none. A cancel comes back as no path at all, which is what
    // cancelError asks for: the caller is told, rather than handed an empty name.
    Q_ASSERT((settings.flags & ~cdlOFNHideReadOnly) == 0);
    if (!settings.fileName.empty())
        dialog.selectFile(QString::fromStdString(settings.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().front()).toStdString();
}

bool QtDialogs::ask(const std::string& question)
{
    QMessageBox box(QMessageBox::Question, m_title, QString::fromStdString(question),
                    QMessageBox::Yes | QMessageBox::No, dialogParent());
    box.setObjectName("AskBox");
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

PreviewChoice QtDialogs::showPreview(const OrdersPreview& preview)
{
    QDialog dialog(m_parent);
    dialog.setObjectName("PreviewDialog");
    dialog.setWindowTitle(u"Preview of "_s + QString::fromStdString(preview.fileName));
    auto* layout = new QVBoxLayout(&dialog);
    auto* where =
        new QLabel(u"%1, to be written in %2"_s.arg(QString::fromStdString(preview.fileName),
                                                    QDir::toNativeSeparators(QString::fromStdString(preview.folder))),
                   &dialog);
    where->setObjectName("previewFile");
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QLabel* warnings = nullptr;
    if (!preview.warnings.empty()) {
        warnings = new QLabel(QString::fromStdString(warningLines(preview.warnings)), &dialog);
        warnings->setObjectName("previewWarnings");
        warnings->setWordWrap(true);
        warnings->setTextFormat(Qt::PlainText);
        warnings->setTextInteractionFlags(Qt::TextSelectableByMouse);
        warnings->setFrameShape(QFrame::StyledPanel);
        warnings->setMargin(6);
    }
    auto* text = new QPlainTextEdit(&dialog);
    text->setObjectName("previewText");
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setPlainText(QString::fromStdString(preview.text));
    text->setAccessibleName(u"Orders text"_s);
    text->setMinimumSize(480, 420);
    showWhereTheViewIs(text);
    auto* buttons = new QDialogButtonBox(&dialog);
    auto* create = buttons->addButton(u"C&reate Orders"_s, QDialogButtonBox::AcceptRole);
    auto* copy = buttons->addButton(u"&Copy"_s, QDialogButtonBox::ActionRole);
    auto* close = buttons->addButton(QDialogButtonBox::Close);
    create->setObjectName("previewCreateOrders");
    copy->setObjectName("previewCopy");
    close->setObjectName("previewClose");
    layout->addWidget(where);
    if (warnings)
        layout->addWidget(warnings);
    layout->addWidget(text);
    layout->addWidget(buttons);
    PreviewChoice choice = PreviewChoice::Close;
    QObject::connect(create, &QPushButton::clicked, &dialog, [&] {
        choice = PreviewChoice::CreateOrders;
        dialog.accept();
    });
    QObject::connect(copy, &QPushButton::clicked, &dialog, [&] {
        choice = PreviewChoice::Copy;
        dialog.accept();
    });
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::reject);
    dialog.exec();
    return choice;
}

bool QtDialogs::showChanges(const std::string& text)
{
    QDialog dialog(m_parent);
    dialog.setObjectName("CompareSummary");
    dialog.setWindowTitle(u"Changes Since Last Week"_s);
    auto* layout = new QVBoxLayout(&dialog);
    auto* summary = new QPlainTextEdit(QString::fromStdString(text), &dialog);
    summary->setObjectName("compareSummaryText");
    summary->setReadOnly(true);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    summary->setAccessibleName(u"Changes since the earlier team file"_s);
    summary->setMinimumSize(480, 240);
    showWhereTheViewIs(summary);
    auto* buttons = new QDialogButtonBox(&dialog);
    auto* copy = buttons->addButton(u"&Copy"_s, QDialogButtonBox::ActionRole);
    auto* close = buttons->addButton(QDialogButtonBox::Close);
    copy->setObjectName("compareSummaryCopy");
    close->setObjectName("compareSummaryClose");
    close->setDefault(true);
    layout->addWidget(summary);
    layout->addWidget(buttons);
    bool copied = false;
    QObject::connect(copy, &QPushButton::clicked, &dialog, [&] {
        copied = true;
        dialog.accept();
    });
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::reject);
    dialog.exec();
    return copied;
}

namespace {

// A task's progress: nothing for its first moments, then a window with its text, how
// far it is and Cancel. Each report that comes a frame or more after the last lets the
// program repaint and hear the Cancel button; the window is modal, so nothing else
// can be done meanwhile.
class ProgressWindow : public Progress {
public:
    ProgressWindow(QWidget* parent, QString title, QString text, int delay)
        : m_parent(parent), m_title(std::move(title)), m_text(std::move(text)), m_delay(delay)
    {
        m_clock.start();
    }
    ~ProgressWindow() override { delete m_dialog.data(); }
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    bool advance(std::uint64_t done, std::uint64_t total) override
    {
        const qint64 now = m_clock.elapsed();
        if (now < m_delay)
            return true;
        if (m_made && !m_dialog)
            return true;  // its parent, and the window with it, has gone
        if (!m_made) {
            m_made = true;
            // Owned by its parent, which may go first; deleted here otherwise.
            m_dialog = new QProgressDialog(m_text, u"Cancel"_s, 0, 1000, m_parent);
            m_dialog->setObjectName("ProgressDialog");
            m_dialog->setWindowTitle(m_title);
            m_dialog->setWindowModality(Qt::WindowModal);
            m_dialog->setMinimumDuration(0);
            m_dialog->setAutoClose(false);
            m_dialog->setAutoReset(false);
            m_dialog->show();
        } else if (now - m_shown < kFrame) {
            return !m_dialog->wasCanceled();
        }
        m_shown = now;
        const auto value = total == 0 ? 0 : static_cast<int>(std::min(done, total) * 1000 / total);
        if (m_dialog->value() != value)
            m_dialog->setValue(value);
        QCoreApplication::processEvents();
        return !m_dialog || !m_dialog->wasCanceled();
    }

private:
    static constexpr qint64 kFrame = 16;
    QWidget* m_parent;
    QString m_title;
    QString m_text;
    int m_delay;
    QElapsedTimer m_clock;
    qint64 m_shown = 0;
    QPointer<QProgressDialog> m_dialog;
    bool m_made = false;
};

}  // namespace

std::unique_ptr<Progress> QtDialogs::startProgress(const std::string& text)
{
    return std::make_unique<ProgressWindow>(m_parent, m_title, QString::fromStdString(text), m_progressDelay);
}

void QtDialogs::copyText(const std::string& text)
{
    QString copied = QString::fromStdString(text);
#ifdef Q_OS_WIN
    copied.replace(u'\n', u"\r\n"_s);  // the platform's line ends
#endif
    QGuiApplication::clipboard()->setText(copied);
}

void QtDialogs::notify(const std::string& text)
{
    if (m_noteSink)
        m_noteSink(QString::fromStdString(text));
}

std::optional<std::string> QtDialogs::askText(const TextRequest& request)
{
    QDialog dialog(dialogParent());
    dialog.setObjectName(QString::fromStdString(request.objectName));
    dialog.setWindowTitle(QString::fromStdString(request.title));
    auto* label = new QLabel(QString::fromStdString(request.label), &dialog);
    label->setWordWrap(true);
    auto* box = new QLineEdit(QString::fromStdString(request.text), &dialog);
    box->setObjectName(u"textBox"_s);
    box->selectAll();
    box->setMinimumWidth(box->fontMetrics().averageCharWidth() * 48);
    label->setBuddy(box);  // the box is named by the label, for a screen reader too
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(box);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return box->text().toStdString();
}

void QtDialogs::openUrl(const std::string& url, const std::function<void()>& noneAnswered)
{
    openOnDesktop(QUrl::fromEncoded(QByteArray::fromStdString(url), QUrl::StrictMode), noneAnswered);
}

void QtDialogs::openFolder(const std::string& path, const std::function<void()>& noneAnswered)
{
    openOnDesktop(QUrl::fromLocalFile(QString::fromStdString(path)), noneAnswered);
}

void QtDialogs::openOnDesktop(const QUrl& url, const std::function<void()>& noneAnswered)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Qt hands the address to xdg-open and reports success once it has started, even
    // when it then finds no program for the address. So xdg-open is run here, and its
    // exit says: 0 when a program took the address, anything else when none did. It
    // may keep running while the program it started does (a desktop without its own
    // opener); then there is nothing to say. It outlives the window if it must.
    if (const QString opener = QStandardPaths::findExecutable(u"xdg-open"_s); !opener.isEmpty()) {
        auto* process = new QProcess;
        process->setProgram(opener);
        process->setArguments({url.isLocalFile() ? url.toLocalFile() : QString::fromLatin1(url.toEncoded())});
        process->setStandardOutputFile(QProcess::nullDevice());
        process->setStandardErrorFile(QProcess::nullDevice());
        QObject* context = m_parent ? static_cast<QObject*>(m_parent) : qApp;
        QObject::connect(process, &QProcess::finished, context,
                         [process, noneAnswered](int exitCode, QProcess::ExitStatus status) {
                             process->deleteLater();
                             if (exitCode != 0 || status != QProcess::NormalExit)
                                 noneAnswered();
                         });
        QObject::connect(process, &QProcess::errorOccurred, context,
                         [process, noneAnswered](QProcess::ProcessError error) {
                             if (error != QProcess::FailedToStart)
                                 return;
                             process->deleteLater();
                             noneAnswered();
                         });
        process->start();
        return;
    }
#endif
    if (!QDesktopServices::openUrl(url))
        noneAnswered();
}

void QtDialogs::showManual(const std::string& page)
{
    // Every page of the manual in one window, opened at the one asked for.
    struct Page {
        const char* name;
        const char* title;
    };
    static const Page kPages[] = {{"team-file-format", "Team File Format"},
                                  {"orders-file-format", "Orders File Format"},
                                  {"messages", "Messages"},
                                  {"suggest-squad", "Suggest Squad"},
                                  {"since-last-week", "Since Last Week"},
                                  {"season", "The Season"},
                                  {"keyboard", "The Keyboard"},
                                  {"accessibility", "Screen Readers"}};
    QDialog dialog(m_parent);
    dialog.setObjectName("ManualDialog");
    dialog.setWindowTitle(m_title + u" Manual"_s);
    auto* pages = new QListWidget(&dialog);
    pages->setObjectName("manualPages");
    auto* browser = new QTextBrowser(&dialog);
    browser->setObjectName("manualText");
    browser->setOpenLinks(false);
    browser->setMinimumSize(640, 520);
    showWhereTheViewIs(browser);
    int shown = -1;
    for (const Page& each : kPages) {
        auto* item = new QListWidgetItem(QString::fromUtf8(each.title), pages);
        item->setData(Qt::UserRole, u":/manual/"_s + QString::fromLatin1(each.name) + u".md"_s);
        if (page == each.name)
            shown = pages->count() - 1;
    }
    if (shown < 0) {
        msgBox("The manual page " + page + " is missing from this copy of TeamTool.");
        return;
    }
    pages->setFixedWidth(pages->sizeHintForColumn(0) + 2 * pages->frameWidth() + 16);
    QObject::connect(pages, &QListWidget::currentItemChanged, browser, [browser](QListWidgetItem* item) {
        QFile file(item ? item->data(Qt::UserRole).toString() : QString());
        browser->setMarkdown(file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString());
    });
    // A link to another page opens it here; any other goes to the desktop.
    QObject::connect(browser, &QTextBrowser::anchorClicked, pages, [pages](const QUrl& url) {
        for (int row = 0; row < pages->count(); ++row)
            if (pages->item(row)->data(Qt::UserRole).toString().endsWith(u'/' + url.fileName()) && url.isRelative()) {
                pages->setCurrentRow(row);
                return;
            }
        QDesktopServices::openUrl(url);
    });
    pages->setCurrentRow(shown);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    auto* row = new QHBoxLayout;
    row->addWidget(pages);
    row->addWidget(browser, 1);
    layout->addLayout(row);
    layout->addWidget(buttons);
    dialog.exec();
}

namespace {

// The third-party notices installed with the program: beside it on Windows, in its
// documentation folder on other systems. Nothing when run from where it was built.
QString thirdPartyNotices()
{
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString& place :
         {QStringLiteral("THIRD-PARTY-NOTICES.txt"), QStringLiteral("../share/doc/teamtool/THIRD-PARTY-NOTICES.txt")})
        if (QFileInfo file(program.filePath(place)); file.isFile())
            return file.canonicalFilePath();
    return {};
}

}  // namespace

void QtDialogs::about(const std::string& title, const std::string& text)
{
    // Paragraphs as the text has them, and a link to the notices where they are.
    QString html;
    for (const QString& paragraph : QString::fromStdString(text).split(QStringLiteral("\n\n")))
        html += QStringLiteral("<p>") + paragraph.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")) +
                QStringLiteral("</p>");
    if (const QString notices = thirdPartyNotices(); !notices.isEmpty())
        html += QStringLiteral("<p><a href=\"%1\">Third-party notices</a>: what TeamTool ships of others' "
                               "software, under which licences, and where its source is.</p>")
                    .arg(QUrl::fromLocalFile(notices).toString(QUrl::FullyEncoded));
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), html, QMessageBox::Ok, m_parent);
    box.setObjectName(QStringLiteral("AboutBox"));
    box.setTextFormat(Qt::RichText);
    box.setTextInteractionFlags(Qt::TextBrowserInteraction);
    box.setIconPixmap(QApplication::windowIcon().pixmap(64, 64));
    box.exec();
}

void QtDialogs::aboutToolkit()
{
    QMessageBox::aboutQt(m_parent);
}

}  // namespace teamtool::ui
