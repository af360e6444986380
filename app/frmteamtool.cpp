#include "app/frmteamtool.h"

#include "app/design.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace teamtool {

namespace {

std::unique_ptr<Control> makeControl(const ControlSpec& spec)
{
    std::unique_ptr<Control> control;
    switch (spec.kind) {
    case Kind::Form:
        control = std::make_unique<Form>();
        break;
    case Kind::Frame:
        control = std::make_unique<Frame>();
        break;
    case Kind::Label:
        control = std::make_unique<Label>();
        break;
    case Kind::CommandButton:
        control = std::make_unique<CommandButton>();
        break;
    case Kind::TextBox: {
        auto box = std::make_unique<TextBox>();
        box->text = spec.caption;
        box->locked = spec.locked;
        box->maxLength = spec.maxLength;
        box->multiLine = spec.multiLine;
        box->tightMargins = spec.tightMargins;
        control = std::move(box);
        break;
    }
    case Kind::ComboBox: {
        auto combo = std::make_unique<ComboBox>();
        combo->text = spec.caption;
        combo->items = spec.items;
        combo->locked = spec.locked;
        control = std::move(combo);
        break;
    }
    case Kind::ListBox:
        control = std::make_unique<ListBox>();
        break;
    case Kind::CheckBox:
        control = std::make_unique<CheckBox>();
        break;
    case Kind::OptionButton:
        control = std::make_unique<OptionButton>();
        break;
    case Kind::TabControl: {
        auto tab = std::make_unique<TabControl>();
        tab->tabCaptions = spec.tabs;
        control = std::move(tab);
        break;
    }
    case Kind::Grid: {
        auto grid = std::make_unique<Grid>();
        grid->setCols(spec.cols);
        grid->setRows(spec.rows);
        grid->fixedRows = spec.fixedRows;
        grid->fixedCols = spec.fixedCols;
        control = std::move(grid);
        break;
    }
    case Kind::FileDialog:
        control = std::make_unique<FileDialog>();
        break;
    case Kind::MenuCommand:
        control = std::make_unique<MenuCommand>();
        break;
    }
    control->kind = spec.kind;
    control->name = spec.name;
    control->index = spec.index;
    control->container = spec.container;
    control->page = spec.page;
    control->geometry = spec.geometry;
    if (spec.kind != Kind::TextBox && spec.kind != Kind::ComboBox)
        control->caption = spec.caption;
    control->fontSize = spec.fontSize;
    control->bold = spec.bold;
    control->visible = spec.visible;
    control->enabled = spec.enabled;
    control->accessibleName = spec.accessibleName;
    control->buddy = spec.buddy;
    // A box or button without a caption of its own is named by its frame's caption:
    // "Team Name", "Opponent".
    if (control->accessibleName.empty() && !spec.container.empty() && control->caption.empty())
        for (const ControlSpec& frame : designTimeControls())
            if (frame.kind == Kind::Frame && frame.name == spec.container)
                control->accessibleName = frame.caption;
    return control;
}

std::vector<std::unique_ptr<Control>> buildControls()
{
    std::vector<std::unique_ptr<Control>> controls;
    for (const ControlSpec& spec : designTimeControls())
        controls.push_back(makeControl(spec));
    return controls;
}

}  // namespace

MenuCommand* FRMTEAMTOOL::findMenuCommand(std::string_view name) const
{
    for (const auto& command : m_menuCommands)
        if (command->name == name)
            return command.get();
    return nullptr;
}

bool FRMTEAMTOOL::applies(const MenuCommand& command) const
{
    // One run handles one team file: the pages stay once a team is loaded.
    const bool loaded = SSTab1.visible;
    switch (command.when) {
    case MenuCommand::When::Always:
        return true;
    case MenuCommand::When::BeforeLoad:
        return !loaded;
    case MenuCommand::When::AfterLoad:
        return loaded;
    }
    return false;
}

std::vector<Control*> FRMTEAMTOOL::focusOrder(int page) const
{
    struct Placed {
        Control* control;
        int left;
        int top;
    };
    std::vector<Placed> placed;
    for (const auto& control : m_controls) {
        const Kind kind = control->kind;
        const bool takesFocus = kind == Kind::TextBox || kind == Kind::ComboBox || kind == Kind::ListBox ||
                                kind == Kind::CheckBox || kind == Kind::OptionButton ||
                                kind == Kind::CommandButton || kind == Kind::Grid;
        if (!takesFocus || !control->enabled || control->page != page)
            continue;
        // Where it stands on the page: its own place plus that of the frames it is in.
        int left = control->geometry.left;
        int top = control->geometry.top;
        for (const Control* c = find(control->container); c && c->kind == Kind::Frame; c = find(c->container)) {
            left += c->geometry.left;
            top += c->geometry.top;
        }
        placed.push_back({control.get(), left, top});
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) { return a.top < b.top; });
    // Controls whose tops lie within a box's height of a row's first stand in that row.
    constexpr int kRowTolerance = 150;
    std::vector<Control*> order;
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
    return order;
}

Control* FRMTEAMTOOL::find(std::string_view name, int index) const
{
    for (const auto& control : m_controls)
        if (control->name == name && control->index == index)
            return control.get();
    return nullptr;
}

template <class T>
T& FRMTEAMTOOL::named(std::string_view name)
{
    auto* control = dynamic_cast<T*>(find(name));
    if (!control)
        throw std::logic_error("the design has no control " + std::string(name));
    return *control;
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

FRMTEAMTOOL::FRMTEAMTOOL(Dialogs& dialogs)
    : m_controls(buildControls()),
      m_dialogs(dialogs),
      Me(named<Form>("FRMTEAMTOOL")),
      Frame32(named<Frame>("Frame32")),
      Text31(named<TextBox>("Text31")),
      Command4(named<CommandButton>("Command4")),
      Command3(named<CommandButton>("Command3")),
      CommonDialog1(named<FileDialog>("CommonDialog1")),
      SSTab1(named<TabControl>("SSTab1")),
      MSFlexGrid1(named<Grid>("MSFlexGrid1")),
      List1(named<ListBox>("List1")),
      List2(named<ListBox>("List2")),
      List3(named<ListBox>("List3")),
      List4(named<ListBox>("List4")),
      List5(named<ListBox>("List5")),
      Combo1(array<ComboBox>("Combo1")),
      Text27(array<TextBox>("Text27")),
      Text28(array<TextBox>("Text28")),
      Command2(array<CommandButton>("Command2")),
      Text30(named<TextBox>("Text30")),
      Option1(array<OptionButton>("Option1")),
      Option2(array<OptionButton>("Option2")),
      Check1(array<CheckBox>("Check1")),
      Text34(array<TextBox>("Text34")),
      Text29(named<TextBox>("Text29")),
      Combo2(named<ComboBox>("Combo2")),
      Combo3(named<ComboBox>("Combo3")),
      Text32(named<TextBox>("Text32")),
      Text33(named<TextBox>("Text33")),
      Text35(named<TextBox>("Text35")),
      Text36(named<TextBox>("Text36")),
      Command1(named<CommandButton>("Command1"))
{
    for (int n = 1; n <= 26; ++n)
        m_teamBoxes[static_cast<std::size_t>(n - 1)] = &named<TextBox>("Text" + std::to_string(n));

    for (const MenuCommandSpec& spec : menuBarCommands()) {
        auto command = std::make_unique<MenuCommand>();
        command->kind = Kind::MenuCommand;
        command->name = spec.name;
        command->caption = spec.caption;
        command->menu = spec.menu;
        command->shortcut = spec.shortcut;
        command->when = spec.when;
        command->separatorBefore = spec.separatorBefore;
        command->closesWindow = spec.closesWindow;
        m_menuCommands.push_back(std::move(command));
    }

    // Option buttons are exclusive within their frame.
    for (const auto& control : m_controls) {
        auto* button = dynamic_cast<OptionButton*>(control.get());
        if (!button)
            continue;
        for (const auto& other : m_controls)
            if (auto* peer = dynamic_cast<OptionButton*>(other.get()); peer && peer->container == button->container)
                button->group.push_back(peer);
    }
}

FRMTEAMTOOL::~FRMTEAMTOOL() = default;

ListBox& FRMTEAMTOOL::list(int number)
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

}  // namespace teamtool
