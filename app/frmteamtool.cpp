// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmteamtool.h"

#include "app/design.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <utility>

namespace teamtool {

namespace {

std::unique_ptr<Control> newControl(Kind kind)
{
    switch (kind) {
    case Kind::Form:
        return std::make_unique<Form>();
    case Kind::Frame:
        return std::make_unique<Frame>();
    case Kind::Label:
        return std::make_unique<Label>();
    case Kind::CommandButton:
        return std::make_unique<CommandButton>();
    case Kind::TextBox:
        return std::make_unique<TextBox>();
    case Kind::ComboBox:
        return std::make_unique<ComboBox>();
    case Kind::ListBox:
        return std::make_unique<ListBox>();
    case Kind::CheckBox:
        return std::make_unique<CheckBox>();
    case Kind::OptionButton:
        return std::make_unique<OptionButton>();
    case Kind::TabControl:
        return std::make_unique<TabControl>();
    case Kind::Grid:
        return std::make_unique<Grid>();
    case Kind::FileDialog:
        return std::make_unique<FileDialog>();
    case Kind::MenuCommand:
        return std::make_unique<MenuCommand>();
    }
    throw std::logic_error("a control of no known kind");
}

// Puts control into the design-time state spec gives it; control is of spec's kind.
void configure(Control& control, const ControlSpec& spec)
{
    switch (spec.kind) {
    case Kind::TextBox: {
        auto& box = static_cast<TextBox&>(control);
        box.text = spec.caption;
        box.locked = spec.locked;
        box.maxLength = spec.maxLength;
        box.multiLine = spec.multiLine;
        box.tightMargins = spec.tightMargins;
        break;
    }
    case Kind::ComboBox: {
        auto& combo = static_cast<ComboBox&>(control);
        combo.text = spec.caption;
        combo.items = spec.items;
        combo.locked = spec.locked;
        break;
    }
    case Kind::TabControl:
        static_cast<TabControl&>(control).tabCaptions = spec.tabs;
        break;
    case Kind::Grid: {
        auto& grid = static_cast<Grid&>(control);
        grid.setCols(spec.cols);
        grid.setRows(spec.rows);
        grid.fixedRows = spec.fixedRows;
        grid.fixedCols = spec.fixedCols;
        break;
    }
    default:
        break;
    }
    control.kind = spec.kind;
    control.name = spec.name;
    control.index = spec.index;
    control.container = spec.container;
    control.page = spec.page;
    control.geometry = spec.geometry;
    if (spec.kind != Kind::TextBox && spec.kind != Kind::ComboBox)
        control.caption = spec.caption;
    control.fontSize = spec.fontSize;
    control.bold = spec.bold;
    control.visible = spec.visible;
    control.enabled = spec.enabled;
    control.accessibleName = spec.accessibleName;
    control.passedOverByReaders = spec.passedOverByReaders;
    control.buddy = spec.buddy;
    // A box or button without a caption of its own is named by its frame's caption:
    // "Team Name", "Opponent".
    if (control.accessibleName.empty() && !spec.container.empty() && control.caption.empty())
        for (const ControlSpec& frame : designTimeControls())
            if (frame.kind == Kind::Frame && frame.name == spec.container)
                control.accessibleName = frame.caption;
}

// The controls that are members of FRMTEAMTOOL, in the order FRMTEAMTOOL::member lists them.
constexpr std::string_view kMemberNames[] = {
    "FRMTEAMTOOL", "Frame32", "Text31", "Command4", "Command3", "CommonDialog1", "SSTab1", "MSFlexGrid1",
    "List1",       "List2",   "List3",  "List4",    "List5",    "Text30",        "Text29", "Combo2",
    "Combo3",      "Text32",  "Text33", "Text35",   "Text36",   "Command1"};

// True when control is of the class that kind makes.
bool isOfKind(const Control& control, Kind kind)
{
    const std::unique_ptr<Control> made = newControl(kind);
    const Control& other = *made;
    return typeid(control) == typeid(other);
}

}  // namespace

MenuCommand* FRMTEAMTOOL::findMenuCommand(std::string_view name)
{
    return const_cast<MenuCommand*>(std::as_const(*this).findMenuCommand(name));
}

const MenuCommand* FRMTEAMTOOL::findMenuCommand(std::string_view name) const
{
    for (const MenuCommand* command : m_menuCommands)
        if (command->name == name)
            return command;
    return nullptr;
}

bool FRMTEAMTOOL::applies(const MenuCommand& command) const
{
    // The pages stay once a team is loaded; another is opened with Open Team File.
    const bool loaded = SSTab1.visible;
    switch (command.when) {
    case MenuCommand::When::Always:
        return true;
    case MenuCommand::When::BeforeLoad:
        return !loaded;
    case MenuCommand::When::AfterLoad:
        return loaded;
    case MenuCommand::When::AfterComparison:
        return loaded && comparison.made();
    case MenuCommand::When::WhileKeeping:
        return season.keeping();
    case MenuCommand::When::WithKeptOrders:
        return loaded && season.keeping() && !season.lastOrders.empty();
    case MenuCommand::When::WithKeptTeamFile:
        return loaded && season.keeping() && season.keptTeamFiles > 0;
    }
    return false;
}

std::vector<const Control*> FRMTEAMTOOL::focusOrder(int page) const
{
    struct Placed {
        const Control* control;
        int left;
        int top;
    };
    std::vector<Placed> placed;
    for (const Control* control : m_controls) {
        const Kind kind = control->kind;
        const bool takesFocus = kind == Kind::TextBox || kind == Kind::ComboBox || kind == Kind::ListBox ||
                                kind == Kind::CheckBox || kind == Kind::OptionButton || kind == Kind::CommandButton ||
                                kind == Kind::Grid;
        if (!takesFocus || !control->enabled || control->page != page)
            continue;
        // Where it stands on the page: its own place plus that of the frames it is in.
        int left = control->geometry.left;
        int top = control->geometry.top;
        for (const Control* c = find(control->container); c && c->kind == Kind::Frame; c = find(c->container)) {
            left += c->geometry.left;
            top += c->geometry.top;
        }
        placed.push_back({control, left, top});
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) { return a.top < b.top; });
    // Controls whose tops lie within a box's height of a row's first stand in that row.
    constexpr int kRowTolerance = 150;
    std::vector<const Control*> order;
    for (std::size_t start = 0; start < placed.size();) {
        std::size_t end = start + 1;
        while (end < placed.size() && placed[end].top <= placed[start].top + kRowTolerance)
            ++end;
        std::stable_sort(placed.begin() + static_cast<std::ptrdiff_t>(start),
                         placed.begin() + static_cast<std::ptrdiff_t>(end),
                         [](const Placed& a, const Placed& b) { return a.left < b.left; });
        for (std::size_t k = start; k < end; ++k)
            order.push_back(placed[k].control);
        start = end;
    }
    // The option buttons of one frame are one group to the keyboard (one Tab stop, the
    // arrows within it): they follow one another where the first of them stands.
    std::vector<const Control*> grouped;
    grouped.reserve(order.size());
    std::vector<std::string_view> groups;
    for (const Control* control : order) {
        if (control->kind != Kind::OptionButton) {
            grouped.push_back(control);
            continue;
        }
        if (std::ranges::find(groups, control->container) != groups.end())
            continue;
        groups.push_back(control->container);
        for (const Control* member : order)
            if (member->kind == Kind::OptionButton && member->container == control->container)
                grouped.push_back(member);
    }
    return grouped;
}

const Control* FRMTEAMTOOL::find(std::string_view name, int index) const
{
    for (const Control* control : m_controls)
        if (control->name == name && control->index == index)
            return control;
    return nullptr;
}

Control* FRMTEAMTOOL::find(std::string_view name, int index)
{
    return const_cast<Control*>(std::as_const(*this).find(name, index));
}

Control* FRMTEAMTOOL::member(std::string_view name)
{
    Control* const members[] = {&Me,     &Frame32, &Text31, &Command4, &Command3, &CommonDialog1, &SSTab1, &MSFlexGrid1,
                                &List1,  &List2,   &List3,  &List4,    &List5,    &Text30,        &Text29, &Combo2,
                                &Combo3, &Text32,  &Text33, &Text35,   &Text36,   &Command1};
    static_assert(std::size(kMemberNames) == std::size(members));
    for (std::size_t k = 0; k < std::size(kMemberNames); ++k)
        if (kMemberNames[k] == name)
            return members[k];
    return nullptr;
}

template <class T>
ControlArray<T> FRMTEAMTOOL::array(std::string_view name)
{
    ControlArray<T> elements;
    for (int index = 0;; ++index) {
        auto* element = dynamic_cast<T*>(find(name, index));
        if (!element)
            break;
        elements.add(element);
    }
    if (elements.count() == 0)
        throw std::logic_error("the design has no control array " + std::string(name));
    return elements;
}

FRMTEAMTOOL::FRMTEAMTOOL(Dialogs& dialogs) : m_dialogs(dialogs)
{
    std::size_t members = 0;
    for (const ControlSpec& spec : designTimeControls()) {
        Control* control = spec.index < 0 ? member(spec.name) : nullptr;
        if (control) {
            if (!isOfKind(*control, spec.kind))
                throw std::logic_error("the design's " + spec.name + " is of another kind than the window's");
            ++members;
        } else {
            control = m_others.emplace_back(newControl(spec.kind)).get();
        }
        configure(*control, spec);
        m_controls.push_back(control);
    }
    if (members != std::size(kMemberNames))
        throw std::logic_error("the design lacks a control the window has");
    m_constControls.assign(m_controls.begin(), m_controls.end());

    Combo1 = array<ComboBox>("Combo1");
    Text27 = array<TextBox>("Text27");
    Text28 = array<TextBox>("Text28");
    Command2 = array<CommandButton>("Command2");
    Option1 = array<OptionButton>("Option1");
    Option2 = array<OptionButton>("Option2");
    Check1 = array<CheckBox>("Check1");
    Text34 = array<TextBox>("Text34");
    for (int n = 1; n <= 26; ++n) {
        auto* box = dynamic_cast<TextBox*>(find("Text" + std::to_string(n)));
        if (!box)
            throw std::logic_error("the design has no team box Text" + std::to_string(n));
        m_teamBoxes[static_cast<std::size_t>(n - 1)] = box;
    }

    for (const MenuCommandSpec& spec : menuBarCommands()) {
        auto command = std::make_unique<MenuCommand>();
        command->kind = Kind::MenuCommand;
        command->name = spec.name;
        command->caption = spec.caption;
        command->menu = spec.menu;
        command->shortcut = spec.shortcut;
        command->when = spec.when;
        command->separatorBefore = spec.options.separatorBefore;
        command->closesWindow = spec.options.closesWindow;
        command->checkable = spec.options.checkable;
        command->checked = spec.options.checkable;
        command->recentFiles = spec.options.recentFiles;
        command->description = spec.options.description;
        m_menuCommands.push_back(m_ownedMenuCommands.emplace_back(std::move(command)).get());
    }
    m_constMenuCommands.assign(m_menuCommands.begin(), m_menuCommands.end());

    // Option buttons are exclusive within their frame.
    for (Control* control : m_controls) {
        auto* button = dynamic_cast<OptionButton*>(control);
        if (!button)
            continue;
        for (Control* other : m_controls)
            if (auto* peer = dynamic_cast<OptionButton*>(other); peer && peer->container == button->container)
                button->group.push_back(peer);
    }
}

FRMTEAMTOOL::~FRMTEAMTOOL() = default;

void FRMTEAMTOOL::restoreDesignTimeState()
{
    const std::span<const ControlSpec> specs = designTimeControls();
    for (std::size_t k = 0; k < m_controls.size(); ++k) {
        Control& control = *m_controls[k];
        switch (control.kind) {
        case Kind::ListBox: {
            auto& list = static_cast<ListBox&>(control);
            list.items.clear();
            list.listIndex = -1;
            list.topIndex = 0;
            break;
        }
        case Kind::CheckBox:
            static_cast<CheckBox&>(control).resetValue();
            break;
        case Kind::OptionButton:
            static_cast<OptionButton&>(control).resetValue();
            break;
        case Kind::TabControl:
            static_cast<TabControl&>(control).tab = 0;
            break;
        case Kind::Grid: {
            // Every cell emptied, then the design's shape.
            auto& grid = static_cast<Grid&>(control);
            grid.setRows(0);
            grid.setCols(0);
            break;
        }
        case Kind::FileDialog: {
            auto& dialog = static_cast<FileDialog&>(control);
            dialog.dialogTitle.clear();
            dialog.fileName.clear();
            dialog.initDir.clear();
            dialog.filter.clear();
            dialog.flags = 0;
            dialog.cancelError = false;
            break;
        }
        default:
            break;
        }
        configure(control, specs[k]);
    }
    loadedPlayers = 0;
    loadedFile = {};
    const unsigned revision = comparison.revision;
    comparison = Comparison();
    comparison.revision = revision + 1;
    selectionAtLoad.clear();
    written = {};
    shownGridRows.clear();
    const unsigned shown = seasonView.revision;
    seasonView = SeasonView();
    seasonView.revision = shown + 1;
}

ListBox& FRMTEAMTOOL::list(int number)
{
    return const_cast<ListBox&>(std::as_const(*this).list(number));
}

const ListBox& FRMTEAMTOOL::list(int number) const
{
    switch (number) {
    case 1:
        return List1;
    case 2:
        return List2;
    case 3:
        return List3;
    case 4:
        return List4;
    case 5:
        return List5;
    default:
        throw std::out_of_range("there is no List" + std::to_string(number));
    }
}

void FRMTEAMTOOL::moveFocusTo(const Control& control)
{
    if (control.page >= 0 && SSTab1.visible)
        SSTab1.tab = control.page;
    focusRequest = control.fullName();
}

}  // namespace teamtool
