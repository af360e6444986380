// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/control_bindings.h"

#include "app/grid_order.h"
#include "teamfile/comparison.h"
#include "teamfile/team_records.h"
#include "ui/accessible_factory.h"
#include "ui/contrast.h"
#include "ui/framed_text_edit.h"
#include "ui/frozen_columns_table_view.h"
#include "ui/indicator_buttons.h"
#include "ui/item_models.h"
#include "ui/model_combo_box.h"
#include "ui/page_tabs_accessible.h"
#include "ui/player_list_accessible.h"
#include "ui/player_list_view.h"
#include "week/season_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>

#include <array>

namespace teamtool::ui {

using namespace Qt::StringLiterals;

namespace {

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

// Kinds whose widget only shows where it stands: the form and the file dialog have
// none of their own, frames and labels show their caption from the start.
class NoBinding : public ControlBinding {
public:
    QWidget* create(Control&, QWidget*, BindingHost&) const override { return nullptr; }
    void show(const Control&, QWidget*, const FRMTEAMTOOL&) const override {}
};

// A frame a reader passes over tells a reader nothing of itself: a container with
// no name, which Orca does not announce.
QAccessibleInterface* unsaidFrameInterface(const QString& className, QObject* object)
{
    if (className != QLatin1String("QGroupBox") || !object->property("teamtoolPassedOver").toBool())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Client);
}

class FrameBinding : public NoBinding {
public:
    QWidget* create(Control& control, QWidget* parent, BindingHost&) const override
    {
        installAccessibleFactory<&unsaidFrameInterface>();
        auto* frame = new QGroupBox(parent);
        // Before the title, whose change is the first a reader is told of the frame.
        frame->setProperty("teamtoolPassedOver", control.passedOverByReaders);
        frame->setTitle(qt(control.caption));
        return frame;
    }
};

class LabelBinding : public NoBinding {
public:
    QWidget* create(Control& control, QWidget* parent, BindingHost&) const override
    {
        return new QLabel(qt(control.caption), parent);
    }
};

class CommandButtonBinding : public NoBinding {
public:
    QWidget* create(Control& control, QWidget* parent, BindingHost& host) const override
    {
        auto& button = static_cast<CommandButton&>(control);
        auto* widget = new QPushButton(qt(control.caption), parent);
        QObject::connect(widget, &QPushButton::clicked, widget,
                         [&host, &button] { host.act([&] { button.click(); }); });
        return widget;
    }
};

// A box whose text differs from an earlier team file's says what it was, in its tooltip
// and to a screen reader, and is slightly tinted.
void showNote(QLineEdit* line, const QString& note)
{
    if (line->toolTip() == note)
        return;
    line->setToolTip(note);
    line->setAccessibleDescription(note);
    // Only the base colour is the box's own: the rest follows the window's palette.
    QPalette palette;
    if (!note.isEmpty())
        palette.setColor(QPalette::Base, changedBase(line->palette()));
    line->setPalette(palette);
}

// A box that is empty or holds only blanks (a slot's name holds one by design) is
// read out as blank ("Slot 3 name, blank"), not as the blank it holds; its text stays.
void nameBlankness(QLineEdit* line)
{
    QVariant base = line->property("teamtoolAccessibleName");
    if (!base.isValid()) {
        // The name the box was given, or the one its label lends it.
        const QAccessibleInterface* face = QAccessible::queryAccessibleInterface(line);
        base = line->accessibleName().isEmpty() && face ? face->text(QAccessible::Name) : line->accessibleName();
        line->setProperty("teamtoolAccessibleName", base);
    }
    const QString name = base.toString();
    if (name.isEmpty())
        return;
    const QString said = line->text().trimmed().isEmpty() ? name + u", blank"_s : name;
    if (line->accessibleName() != said)
        line->setAccessibleName(said);
}

// A one-line box is a QLineEdit, a multi-line one (Press, Comments) a QPlainTextEdit.
class TextBoxBinding : public ControlBinding {
public:
    QWidget* create(Control& control, QWidget* parent, BindingHost& host) const override
    {
        auto& box = static_cast<TextBox&>(control);
        if (box.multiLine) {
            auto* edit = new FramedTextEdit(parent);
            edit->setReadOnly(box.locked);
            edit->setTabChangesFocus(true);  // Tab moves on, as in any form; Ctrl+Tab types one
            QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [&host, &box, edit] {
                if (!host.refreshing())
                    box.text = edit->toPlainText().toStdString();
            });
            return edit;
        }
        auto* edit = new QLineEdit(parent);
        edit->setReadOnly(box.locked);
        if (box.tightMargins)
            edit->setTextMargins(-2, 0, -2, 0);  // Qt's own two pixels each side go to the text
        if (box.maxLength > 0)
            edit->setMaxLength(box.maxLength);
        QObject::connect(edit, &QLineEdit::textEdited, edit, [&box, edit](const QString& text) {
            box.text = text.toStdString();
            nameBlankness(edit);  // "blank" no longer, once something is typed
        });
        return edit;
    }

    void show(const Control& control, QWidget* widget, const FRMTEAMTOOL& form) const override
    {
        const QString text = qt(static_cast<const TextBox&>(control).text);
        if (auto* line = qobject_cast<QLineEdit*>(widget)) {
            if (line->text() != text) {
                line->setText(text);
                if (!line->hasFocus())
                    line->setCursorPosition(0);  // a long value shows from its start
            }
            showNote(line, qt(teamBoxNote(form, control)));
            nameBlankness(line);
        } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
            if (edit->toPlainText() != text)
                edit->setPlainText(text);
        }
    }
};

class ComboBoxBinding : public ControlBinding {
public:
    QWidget* create(Control& control, QWidget* parent, BindingHost& host) const override
    {
        auto& combo = static_cast<ComboBox&>(control);
        auto* widget = new ModelComboBox(parent);
        widget->setLocked(combo.locked);
        QObject::connect(widget, &QComboBox::activated, widget,
                         [&host, &combo](int item) { host.act([&] { combo.pick(item); }); });
        widget->onKeyPress = [&host, &combo](int& keyAscii) { host.act([&] { combo.keyPress(keyAscii); }); };
        return widget;
    }

    void show(const Control& control, QWidget* widget, const FRMTEAMTOOL&) const override
    {
        const auto& combo = static_cast<const ComboBox&>(control);
        auto* comboWidget = static_cast<ModelComboBox*>(widget);
        if (comboWidget->count() != static_cast<int>(combo.items.size())) {
            QSignalBlocker blocker(comboWidget);
            comboWidget->clear();
            for (const std::string& item : combo.items)
                comboWidget->addItem(qt(item));
        }
        comboWidget->setShownText(qt(combo.text));
    }
};

class ListBoxBinding : public ControlBinding {
public:
    QWidget* create(Control& control, QWidget* parent, BindingHost& host) const override
    {
        auto& list = static_cast<ListBox&>(control);
        auto* view = new PlayerListView(parent);
        auto* model = new ListModel(list, view);
        int number = 1;  // which of List1 to List5
        while (number < 5 && &host.form().list(number) != &list)
            ++number;
        // The five lists are one Tab stop, the Name list; Left and Right go across.
        view->setFocusPolicy(number == 2 ? Qt::StrongFocus : Qt::ClickFocus);
        if (number != 2)
            describeAsColumnOfRows(view);  // a reader hears "NSL 19.3", not the list again
        model->setNotes({
            [&host, number](int item, int) { return listItemNote(host.form(), number, item); },
            [&host, number](int item, int) { return listItemMark(host.form(), number, item); },
            {},
            [&host] { return host.form().comparison.revision; },
        });
        view->setModel(model);
        QObject::connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, view,
                         [&host, &list, view](const QModelIndex& current) {
                             if (host.refreshing() || !current.isValid())
                                 return;
                             host.act([&] {
                                 list.topIndex = view->verticalScrollBar()->value();
                                 list.click(current.row());
                             });
                         });
        QObject::connect(view, &QAbstractItemView::doubleClicked, view, [&host, &list](const QModelIndex& index) {
            host.act([&] { list.doubleClick(index.row()); });
        });
        QObject::connect(view, &PlayerListView::pickRequested, view,
                         [&host, &list] { host.act([&] { list.pressEnter(); }); });
        QObject::connect(view->verticalScrollBar(), &QAbstractSlider::valueChanged, view, [&host, &list](int value) {
            if (!host.refreshing())
                host.act([&] { list.scroll(value); });
        });
        return view;
    }

    void show(const Control& control, QWidget* widget, const FRMTEAMTOOL&) const override
    {
        const auto& list = static_cast<const ListBox&>(control);
        auto* view = static_cast<PlayerListView*>(widget);
        static_cast<ListModel*>(view->model())->sync();
        const QModelIndex selected = view->model()->index(list.listIndex, 0);
        if (view->currentIndex() != selected)
            view->selectionModel()->setCurrentIndex(selected, QItemSelectionModel::ClearAndSelect);
        if (view->verticalScrollBar()->value() != list.topIndex)
            view->verticalScrollBar()->setValue(list.topIndex);
    }
};

class CheckBoxBinding : public ControlBinding {
public:
    QWidget* create(Control& control, QWidget* parent, BindingHost& host) const override
    {
        auto& box = static_cast<CheckBox&>(control);
        auto* widget = new OutlinedCheckBox(parent);
        QObject::connect(widget, &QCheckBox::clicked, widget,
                         [&host, &box](bool checked) { host.act([&] { box.setValue(checked ? 1 : 0); }); });
        return widget;
    }

    void show(const Control& control, QWidget* widget, const FRMTEAMTOOL&) const override
    {
        auto* box = static_cast<QCheckBox*>(widget);
        const bool checked = static_cast<const CheckBox&>(control).value() == 1;
        if (box->isChecked() != checked) {
            QSignalBlocker blocker(box);
            box->setChecked(checked);
        }
    }
};

class OptionButtonBinding : public ControlBinding {
public:
    QWidget* create(Control& control, QWidget* parent, BindingHost& host) const override
    {
        auto& button = static_cast<OptionButton&>(control);
        // The window model keeps the buttons of a frame exclusive.
        auto* widget = new SolidRadioButton(parent);
        widget->setAutoExclusive(false);
        QObject::connect(widget, &QRadioButton::clicked, widget,
                         [&host, &button] { host.act([&] { button.setValue(true); }); });
        return widget;
    }

    void show(const Control& control, QWidget* widget, const FRMTEAMTOOL&) const override
    {
        auto* button = static_cast<SolidRadioButton*>(widget);
        const bool on = static_cast<const OptionButton&>(control).value();
        if (button->isChecked() != on) {
            QSignalBlocker blocker(button);
            button->setChecked(on);
        }
        button->updateGroupTabStop();
    }
};

class TabControlBinding : public ControlBinding {
public:
    QWidget* create(Control& control, QWidget* parent, BindingHost& host) const override
    {
        auto& tabs = static_cast<TabControl&>(control);
        auto* widget = new QTabWidget(parent);
        for (const std::string& caption : tabs.tabCaptions)
            widget->addTab(new QWidget(widget), qt(caption));
        describePageTabs(widget->tabBar());
        QObject::connect(widget, &QTabWidget::currentChanged, widget, [&host, &tabs](int page) {
            if (!host.refreshing())
                tabs.tab = page;
        });
        return widget;
    }

    void show(const Control& control, QWidget* widget, const FRMTEAMTOOL&) const override
    {
        auto* tabs = static_cast<QTabWidget*>(widget);
        if (const int tab = static_cast<const TabControl&>(control).tab; tabs->currentIndex() != tab)
            tabs->setCurrentIndex(tab);
    }
};

class GridBinding : public ControlBinding {
public:
    QWidget* create(Control& control, QWidget* parent, BindingHost& host) const override
    {
        const auto& grid = static_cast<const Grid&>(control);
        auto* view = new FrozenColumnsTableView(parent);
        auto* model = new GridModel(grid, view);
        model->setNotes({
            [&host](int row, int col) { return gridCellNote(host.form(), row, col); },
            [&host](int row, int col) { return gridCellMark(host.form(), row, col); },
            [&host](int row) { return !gridRowNote(host.form(), row).empty(); },
            [&host] { return host.form().comparison.revision; },
        });
        view->setModel(model);
        QObject::connect(view, &FrozenColumnsTableView::fileOrderRequested, model, &GridModel::unsort);
        QObject::connect(view, &FrozenColumnsTableView::sortChanged, view,
                         [&host, &grid, model](int column, Qt::SortOrder order) {
                             host.tell(sortNote(grid, column, order == Qt::DescendingOrder));
                             std::vector<int> rows;
                             for (int row = 0; column >= 0 && row < model->rowCount(); ++row)
                                 rows.push_back(model->gridRow(row));
                             host.showGridRows(std::move(rows));
                         });
        QObject::connect(view, &FrozenColumnsTableView::copyRequested, view, [&host, &grid, view, model] {
            auto [rows, columns] = view->selectedRowsAndColumns();
            if (rows.empty())
                return;
            for (int& row : rows)
                row = model->gridRow(row);
            host.copy(copiedCells(grid, rows, columns));
        });
        view->setFrozenColumns(grid.fixedCols);
        view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
        view->frozenView()->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
        return view;
    }

    void show(const Control& control, QWidget* widget, const FRMTEAMTOOL&) const override
    {
        const auto& grid = static_cast<const Grid&>(control);
        auto* view = static_cast<FrozenColumnsTableView*>(widget);
        static_cast<GridModel*>(view->model())->sync();
        for (int column = 0; column < grid.cols(); ++column)
            if (view->columnWidth(column) != pixels(grid.colWidth(column)))
                view->setColumnWidthPixels(column, pixels(grid.colWidth(column)));
    }
};

}  // namespace

const ControlBinding& bindingFor(Kind kind)
{
    static const NoBinding none;
    static const FrameBinding frame;
    static const LabelBinding label;
    static const CommandButtonBinding commandButton;
    static const TextBoxBinding textBox;
    static const ComboBoxBinding comboBox;
    static const ListBoxBinding listBox;
    static const CheckBoxBinding checkBox;
    static const OptionButtonBinding optionButton;
    static const TabControlBinding tabControl;
    static const GridBinding grid;
    switch (kind) {
    case Kind::Frame:
        return frame;
    case Kind::Label:
        return label;
    case Kind::CommandButton:
        return commandButton;
    case Kind::TextBox:
        return textBox;
    case Kind::ComboBox:
        return comboBox;
    case Kind::ListBox:
        return listBox;
    case Kind::CheckBox:
        return checkBox;
    case Kind::OptionButton:
        return optionButton;
    case Kind::TabControl:
        return tabControl;
    case Kind::Grid:
        return grid;
    case Kind::Form:
    case Kind::FileDialog:
    case Kind::MenuCommand:
        break;
    }
    return none;
}

}  // namespace teamtool::ui
