// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QComboBox>

#include <functional>

namespace teamtool::ui {

// A drop-down box whose text changes only by a pick from its list or by the program.
// It shows whatever text the program gives it, listed or not (" ", "XX"), and takes
// no typing: every character key goes to the key-press handler, which discards it.
// Up, Down, Page Up, Page Down, Home and End choose an entry as a click on it would;
// F4 and Alt+Down open the list. A locked box opens no list and changes by no key.
class ModelComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ModelComboBox(QWidget* parent = nullptr);

    QString shownText() const { return m_text; }
    void setShownText(const QString& text);
    void setLocked(bool locked) { m_locked = locked; }

    // Called with the character code of each typed character; a code set to 0 is discarded.
    std::function<void(int& keyAscii)> onKeyPress;

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // The entry Up, Down, Page Up, Page Down, Home or End choose from the shown text,
    // or -1 for any other key.
    int steppedItem(int key) const;

    QString m_text;
    bool m_locked = false;
};

}  // namespace teamtool::ui
