// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/line_edit_accessible.h"

#include "ui/accessible_factory.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>

namespace teamtool::ui {

namespace {

class LineEditAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
public:
    explicit LineEditAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText)
    {
        addControllingSignal(QStringLiteral("textChanged(const QString&)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    QString text(QAccessible::Text kind) const override
    {
        QString said;
        if (kind == QAccessible::Value && box()->echoMode() == QLineEdit::Normal)
            said = box()->text();
        if (said.isEmpty())
            said = QAccessibleWidget::text(kind);
        if (said.isEmpty() && kind == QAccessible::Description)
            said = box()->placeholderText();
        return said;
    }

    void setText(QAccessible::Text kind, const QString& text) override
    {
        if (kind != QAccessible::Value) {
            QAccessibleWidget::setText(kind, text);
            return;
        }
        editAsTyped(text);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.readOnly = box()->isReadOnly();
        state.passwordEdit = box()->echoMode() != QLineEdit::Normal;
        state.selectableText = true;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // QAccessibleTextInterface
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        // One run, the whole text: a reader that builds its line from the runs gets it all.
        const int count = characterCount();
        *startOffset = offset < 0 || offset > count ? offset : 0;
        *endOffset = offset < 0 || offset > count ? offset : count;
        return {};
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    QRect characterRect(int offset) const override
    {
        const QString character = text(offset, offset + 1);
        if (character.isEmpty())
            return {};
        const QFontMetrics metrics(box()->font());
        const QRect contents = box()->contentsRect();
        const int before = metrics.horizontalAdvance(box()->displayText().left(offset));
        const QRect rect(contents.left() + before, box()->textMargins().top(), metrics.horizontalAdvance(character),
                         metrics.height());
        return rect.translated(box()->mapToGlobal(QPoint(0, 0)));
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    int offsetAtPoint(const QPoint& point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || !box()->hasSelectedText())
            return;
        *startOffset = box()->selectionStart();
        *endOffset = box()->selectionEnd();
    }
    QString text(int startOffset, int endOffset) const override
    {
        if (endOffset < 0)
            endOffset = characterCount();  // -1: to the end, as readers ask
        if (startOffset > endOffset || box()->echoMode() != QLineEdit::Normal)
            return {};
        return box()->text().mid(startOffset, endOffset - startOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override
    {
        return showsText(offset, startOffset, endOffset)
                   ? QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset)
                   : QString();
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override
    {
        return showsText(offset, startOffset, endOffset)
                   ? QAccessibleTextInterface::textBeforeOffset(offset, boundaryType, startOffset, endOffset)
                   : QString();
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override
    {
        return showsText(offset, startOffset, endOffset)
                   ? QAccessibleTextInterface::textAfterOffset(offset, boundaryType, startOffset, endOffset)
                   : QString();
    }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            box()->deselect();
    }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0)
            box()->setSelection(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(box()->text().size()); }
    void scrollToSubstring(int startIndex, int) override { box()->setCursorPosition(startIndex); }

    // QAccessibleEditableTextInterface: as typing would, so a locked box stays as it is.
    void deleteText(int startOffset, int endOffset) override
    {
        editAsTyped(box()->text().remove(startOffset, endOffset - startOffset));
    }
    void insertText(int offset, const QString& text) override { editAsTyped(box()->text().insert(offset, text)); }
    void replaceText(int startOffset, int endOffset, const QString& text) override
    {
        editAsTyped(box()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }

    // Whether a lookup of the text around offset may answer: not for a hidden text (a
    // password's), which says nothing. Offset -2, the caret, becomes its position.
    bool showsText(int& offset, int* startOffset, int* endOffset) const
    {
        if (box()->echoMode() != QLineEdit::Normal) {
            *startOffset = *endOffset = -1;
            return false;
        }
        if (offset == -2)
            offset = cursorPosition();
        return true;
    }

    // A reader's edit is the user's: a locked box refuses it, and the program hears of
    // it as of typing (Qt's own interface sets the text without a word).
    void editAsTyped(const QString& text)
    {
        if (box()->isReadOnly() || text == box()->text())
            return;
        const QString kept = text.left(box()->maxLength());
        box()->setText(kept);
        Q_EMIT box()->textEdited(kept);
    }
};

}  // namespace

void describeLineEdits()
{
    describeWith<QLineEdit, LineEditAccessible>();
}

}  // namespace teamtool::ui
