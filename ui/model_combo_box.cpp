// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/model_combo_box.h"

#include "ui/accessible_factory.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include <algorithm>

namespace teamtool::ui {

namespace {

// What assistive technology is told of a ModelComboBox: its value and its text are
// the text it shows, listed or not (a lone blank reads as empty), where Qt's own reads
// the current entry. Screen readers read a drop-down's shown text through its text.
class ModelComboAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ModelComboAccessible(ModelComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return shown();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {showMenuAction()}; }

    void doAction(const QString& action) override
    {
        if (action == showMenuAction())
            combo()->showPopup();
    }

    // QAccessibleTextInterface: the shown text, read-only and selected whole, as in a
    // drop-down's own box; a reader speaks new text that comes selected.
    void selection(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
    }
    int selectionCount() const override { return characterCount() > 0 ? 1 : 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        return shown().mid(startOffset, endOffset < 0 ? -1 : endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    ModelComboBox* combo() const { return static_cast<ModelComboBox*>(widget()); }
    QString shown() const { return combo()->shownText().trimmed(); }
};

}  // namespace

ModelComboBox::ModelComboBox(QWidget* parent) : QComboBox(parent)
{
    describeWith<ModelComboBox, ModelComboAccessible>();
    setEditable(false);
    setFocusPolicy(Qt::StrongFocus);
}

void ModelComboBox::setShownText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    // Qt's current entry follows the text, so that what the box reports to screen
    // readers and opens its list on is what it shows; none for an unlisted text.
    const QSignalBlocker blocker(this);
    setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    update();
    // Told as a new value and as new text (not as text removed, which a reader would
    // announce as a deletion), so that a reader hears the change.
    QAccessibleValueChangeEvent changed(this, text.trimmed());
    QAccessible::updateAccessibility(&changed);
    if (!text.trimmed().isEmpty()) {
        QAccessibleTextInsertEvent inserted(this, 0, text.trimmed());
        QAccessible::updateAccessibility(&inserted);
    }
}

void ModelComboBox::showPopup()
{
    if (m_locked)
        return;
    QComboBox::showPopup();
}

void ModelComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    // Drawn as a button, so in the button's text colour: readable in any palette.
    painter.setPen(palette().color(isEditable() ? QPalette::Text : QPalette::ButtonText));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText = m_text;
    option.currentIcon = {};
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void ModelComboBox::keyPressEvent(QKeyEvent* event)
{
    const bool opensList =
        event->key() == Qt::Key_F4 ||
        ((event->key() == Qt::Key_Down || event->key() == Qt::Key_Up) && (event->modifiers() & Qt::AltModifier));
    if (opensList) {
        showPopup();
        event->accept();
        return;
    }
    if (const int item = steppedItem(event->key()); item >= 0 && !(event->modifiers() & Qt::AltModifier)) {
        // An entry chosen with the keys, as a click on it would choose it.
        if (!m_locked && item != findText(m_text, Qt::MatchExactly | Qt::MatchCaseSensitive))
            Q_EMIT activated(item);
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab || event->key() == Qt::Key_Escape) {
        event->ignore();  // focus moves on; the dialog or window handles Escape
        return;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text.front().unicode() != 0 && onKeyPress) {
        int keyAscii = text.front().unicode();
        onKeyPress(keyAscii);
    }
    // No key reaches Qt's own handling, which would step through the entries.
    event->accept();
}

int ModelComboBox::steppedItem(int key) const
{
    const int last = count() - 1;
    if (last < 0)
        return -1;
    const int at = findText(m_text, Qt::MatchExactly | Qt::MatchCaseSensitive);  // -1: an unlisted text
    constexpr int kPage = 10;                                                    // entries a list shows at once
    switch (key) {
    case Qt::Key_Down:
        return at < 0 ? 0 : std::min(at + 1, last);
    case Qt::Key_Up:
        return at < 0 ? last : std::max(at - 1, 0);
    case Qt::Key_PageDown:
        return at < 0 ? std::min(kPage - 1, last) : std::min(at + kPage, last);
    case Qt::Key_PageUp:
        return at < 0 ? 0 : std::max(at - kPage, 0);
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return last;
    default:
        return -1;
    }
}

void ModelComboBox::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}

}  // namespace teamtool::ui
