#include "ui/qt_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace teamtool::ui {

void QtDialogs::setParent(QWidget* parent, QString title)
{
    m_parent = parent;
    m_title = std::move(title);
}

void QtDialogs::msgBox(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, m_title, QString::fromStdString(text), QMessageBox::Ok, m_parent);
    box.setObjectName("MsgBox");
    box.exec();
}

QString QtDialogs::qtFilter(const std::string& filter)
{
    // Pairs of description and pattern, all separated by bars; patterns separated by ";".
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = parts[i + 1].split(';', Qt::SkipEmptyParts).join(' ');
        const QString& description = parts[i];
        filters << (description.contains('(' + patterns + ')') ? description
                                                               : description + " (" + patterns + ')');
    }
    return filters.join(";;");
}

std::optional<std::string> QtDialogs::showOpen(const FileDialog& settings)
{
    QFileDialog dialog(m_parent, m_title, QString::fromStdString(settings.initDir), qtFilter(settings.filter));
    dialog.setObjectName(QString::fromStdString(settings.fullName()));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Qt's own dialog: its filter matches names in any letter case on every platform.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
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

}  // namespace teamtool::ui
