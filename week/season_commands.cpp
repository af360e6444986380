// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "week/season_commands.h"

#include "app/form_load.h"
#include "app/frmteamtool.h"
#include "orders/orders.h"
#include "season/season.h"
#include "teamfile/comparison.h"
#include "teamfile/record_reader.h"
#include "teamfile/select_and_load.h"
#include "teamfile/staged_team.h"
#include "teamfile/team_records.h"
#include "textio/encoding.h"
#include "textio/files.h"
#include "textio/fingerprint.h"
#include "textio/trim.h"
#include "week/fill.h"
#include "week/orders_reader.h"
#include "week/sending.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <unordered_map>
#include <utility>

namespace teamtool {

std::filesystem::path teamFolderOf(const FRMTEAMTOOL& f)
{
    const LoadedTeamFile& loaded = f.loadedTeamFile;
    return pathFromUtf8(f.season.folder) / pathFromUtf8(teamFolderName(loaded.abbreviation, loaded.name));
}

namespace {

// A sentence of a file error, ending in a full stop.
std::string sentence(const FileError& error, const FileKind& kind)
{
    std::string text = describeFileError(error, kind);
    if (!text.empty() && text.back() != '.')
        text += '.';
    return text;
}

MenuCommand& command(FRMTEAMTOOL& f, std::string_view name)
{
    return *f.findMenuCommand(name);
}

// What Fill From Last Week's Orders will use, in its tooltip.
void describeFillFromLastWeek(FRMTEAMTOOL& f)
{
    const SeasonState& s = f.season;
    std::string& description = command(f, "actionFillFromLastWeek").description;
    if (!s.keeping())
        description = "Keep Season is off: no orders are kept to fill from";
    else if (!f.teamLoaded())
        description = "Fills the squad and orders from the newest orders kept for the loaded team";
    else if (s.lastOrders.empty())
        description = "No orders are kept for this team yet: Create Orders keeps them";
    else
        description =
            "Fills the squad and orders from " + fileNameOf(s.lastOrders) + ", kept on " + dayOf(s.lastOrdersTime);
}

void addToRecentFiles(FRMTEAMTOOL& f, const std::string& path)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(pathFromUtf8(path), error);
    const std::string entry = error ? path : utf8FromPath(absolute.lexically_normal());
    auto& recent = f.season.recentFiles;
    recent.erase(std::remove(recent.begin(), recent.end(), entry), recent.end());
    recent.insert(recent.begin(), entry);
    if (recent.size() > kMaxRecentFiles)
        recent.resize(kMaxRecentFiles);
}

// The newest orders file kept in `files` (oldest first) that reads as one, into the
// season state; the ones on the way that hold orders but do not read named with why.
void findLastOrders(FRMTEAMTOOL& f, const std::vector<KeptFile>& files)
{
    SeasonState& s = f.season;
    s.lastOrders.clear();
    for (std::size_t k = files.size(); k-- > 0;) {
        const KeptFile& file = files[k];
        if (!mayBeOrdersFile(file))
            continue;
        auto bytes = readWholeFile(utf8FromPath(file.path), kMaxOrdersFileBytes);
        if (!bytes) {
            s.unreadable.push_back({file.name, sentence(bytes.error(), kKeptFileKind)});
            continue;
        }
        if (keptKindOf(*bytes) != KeptKind::OrdersFile)
            continue;
        if (const auto binary = binaryDataError(*bytes, file.name)) {
            s.unreadable.push_back({file.name, sentence(*binary, kOrdersFileKind)});
            continue;
        }
        auto orders = readOrdersText(decodeTextFile(std::move(bytes).value()));
        if (orders) {
            s.lastOrders = utf8FromPath(file.path);
            s.lastOrdersTime = file.time;
            return;
        }
        s.unreadable.push_back({file.name, describeOrdersFileError(orders.error(), file.name)});
    }
}

// How many of the last kRecentWeeks weeks with orders kept each of the loaded team's
// players started: the newest orders after each team file, his name matched as the
// comparison matches names (the nth of a name in the orders is the nth in the file).
void countRecentStarts(FRMTEAMTOOL& f, const std::vector<KeptFile>& files)
{
    SeasonState& s = f.season;
    s.recentOrdersWeeks = 0;
    s.recentStarts.assign(static_cast<std::size_t>(std::max(f.loadedPlayers, 0)), 0);
    std::unordered_map<std::string, std::vector<int>> rowsOf;
    for (int row = 1; row <= f.loadedPlayers; ++row)
        rowsOf[std::string(f.MSFlexGrid1.textMatrix(row, kNameColumn))].push_back(row);
    bool weekHasOrders = false;  // the newer orders of this week are counted already
    for (std::size_t k = files.size(); k-- > 0 && s.recentOrdersWeeks < kRecentWeeks;) {
        const KeptFile& file = files[k];
        auto bytes = mayBeOrdersFile(file) ? readWholeFile(utf8FromPath(file.path), kMaxOrdersFileBytes)
                                           : Result<std::string, FileError>(std::string());
        if (!bytes)
            continue;
        if (keptKindOf(*bytes) != KeptKind::OrdersFile) {
            weekHasOrders = false;  // a team file: the week before it starts
            continue;
        }
        const auto orders = readOrdersText(decodeTextFile(std::move(bytes).value()));
        if (!orders || weekHasOrders)
            continue;
        weekHasOrders = true;
        ++s.recentOrdersWeeks;
        std::unordered_map<std::string, std::size_t> mentioned;
        for (const OrdersSlot& read : orders->mainSide) {
            const std::string name =
                resolvedSlot(read, [&rowsOf](const std::string& form) { return rowsOf.contains(form); }).name;
            const auto rows = rowsOf.find(name);
            if (rows != rowsOf.end() && mentioned[name] < rows->second.size())
                ++s.recentStarts[static_cast<std::size_t>(rows->second[mentioned[name]++] - 1)];
        }
    }
}

// Compares the loaded team with the newest team file kept before files[before] (or
// before all of them) that holds other bytes. The file it compared with, if any; a
// Cancel stops it with nothing compared (`cancelled`).
const KeptFile* compareWithKeptBefore(FRMTEAMTOOL& f, const std::vector<KeptFile>& files, std::size_t before,
                                      Progress* progress, bool& cancelled)
{
    for (std::size_t k = before; k-- > 0;) {
        const KeptFile& file = files[k];
        auto bytes = readWholeFile(utf8FromPath(file.path), kMaxTeamFileBytes, readingProgress(checkOf(progress)));
        if (!bytes) {
            cancelled = bytes.error().code == FileErrorCode::Cancelled;
            if (cancelled)
                return nullptr;
            f.season.unreadable.push_back({file.name, sentence(bytes.error(), kKeptFileKind)});
            continue;
        }
        if (keptKindOf(*bytes) == KeptKind::OrdersFile)
            continue;  // looked at for the orders
        if (bytes->size() == f.loadedFile.size && fingerprintOf(*bytes) == f.loadedFile)
            continue;  // the same week, kept twice
        auto compared = compareWithBytes(f, file.name, std::move(bytes).value(), progress);
        if (compared)
            return &file;
        cancelled = compared.error().code == ReadErrorCode::Cancelled;
        if (cancelled)
            return nullptr;
        f.season.unreadable.push_back({file.name, describeReadError(compared.error(), file.name)});
    }
    return nullptr;
}

// True when one of a season folder's kept files is a team file, looked for newest first.
bool holdsTeamFile(const std::vector<KeptFile>& files)
{
    return std::any_of(files.rbegin(), files.rend(), [](const KeptFile& file) {
        if (!mayBeOrdersFile(file))
            return true;
        const auto bytes = readWholeFile(utf8FromPath(file.path), kMaxOrdersFileBytes);
        return bytes && keptKindOf(*bytes) == KeptKind::TeamFile;
    });
}

void notifyOf(FRMTEAMTOOL& f, const std::vector<std::string>& parts)
{
    std::string note = std::exchange(f.season.settingsNote, {});
    for (const std::string& part : parts)
        if (!part.empty())
            note += (note.empty() ? "" : " ") + part;
    if (!note.empty())
        f.dialogs().notify(note);
}

std::string unreadableNote(const SeasonState& s)
{
    if (s.unreadable.empty())
        return {};
    std::string names;
    std::string reasons;
    for (const UnreadableFile& file : s.unreadable) {
        names += (names.empty() ? "" : ", ") + file.name;
        reasons += " " + file.why;
    }
    return "Left out of the season, as " + std::string(s.unreadable.size() == 1 ? "it cannot" : "they cannot") +
           " be read: " + names + "." + reasons;
}

// The loaded team's bytes as the load read them, or, when the season comes to them
// later (Keep Season switched on), read again; nothing, and why in `why`, when they
// cannot be.
std::optional<std::string> loadedBytes(FRMTEAMTOOL& f, std::string& why)
{
    if (!f.loadedTeamFile.bytes.empty())
        return std::exchange(f.loadedTeamFile.bytes, {});
    auto bytes = readWholeFile(f.loadedTeamFile.path, kMaxTeamFileBytes);
    if (!bytes)
        why = sentence(bytes.error(), kTeamFileKind);
    else if (fingerprintOf(*bytes) != f.loadedFile)
        why = "the file changed while it was loaded.";
    else
        return std::move(bytes).value();
    return std::nullopt;
}

// The loaded team's season: the team file kept, the orders kept looked up and, when
// `compare`, the comparison with the team file kept before it, all reporting to
// progress: a Cancel there leaves the season as it was, and the load as it is.
void keepLoadedTeam(FRMTEAMTOOL& f, bool compare, Progress* progress = nullptr)
{
    SeasonState& s = f.season;
    const std::filesystem::path folder = teamFolderOf(f);
    s.teamFolder = utf8FromPath(folder);
    s.lastOrders.clear();
    s.unreadable.clear();
    s.keptTeamFiles = 0;
    s.recentOrdersWeeks = 0;
    s.recentStarts.clear();
    constexpr std::uint64_t kKeeping = (ProgressPart::kWhole - kSeasonProgressFrom) / 4;
    ProgressPart keeping(progress, kSeasonProgressFrom, kKeeping);
    ProgressPart comparing(progress, kSeasonProgressFrom + kKeeping,
                           ProgressPart::kWhole - kSeasonProgressFrom - kKeeping);
    const std::string cancelledNote =
        "Cancelled after the load: this week's team file was neither kept in the season nor compared with last "
        "week's.";

    // Where this week's file stands among the kept ones: the comparison is with the
    // newest before it.
    std::string notKept;
    std::vector<KeptFile> files;
    std::size_t position = 0;
    // Kept when its bytes are at hand; nothing was tried when they are not (notKept says why).
    std::optional<Result<KeptIn, FileError>> kept;
    if (const auto bytes = loadedBytes(f, notKept))
        kept = keepInFolder(folder, fileNameOf(f.loadedTeamFile.path), *bytes, s.now(), keeping.check());
    if (kept && *kept) {
        files = std::move((*kept)->files);
        position = (*kept)->index;
        s.keptTeamFiles = 1;
    } else {
        if (kept && kept->error().code == FileErrorCode::Cancelled) {
            notifyOf(f, {cancelledNote});
            return;
        }
        if (kept)
            notKept = sentence(kept->error(), kTeamFileKind);
        // The season as it stands, to fill from and compare with all the same.
        auto listed = keptFiles(folder);
        if (!listed) {
            notifyOf(f, {"This week's team file was not kept in the season: " + notKept});
            return;
        }
        files = std::move(listed).value();
        position = files.size();
        s.keptTeamFiles = holdsTeamFile(files) ? 1 : 0;
    }

    findLastOrders(f, files);
    countRecentStarts(f, files);
    std::string compared;
    bool cancelled = false;
    if (compare) {
        if (const KeptFile* earlier =
                compareWithKeptBefore(f, files, position, progress ? &comparing : nullptr, cancelled)) {
            s.keptTeamFiles = 1;
            compared =
                "Compared with the team file kept on " + dayOf(earlier->time) + ": File > Changes Since Last Week...";
        }
    }
    if (cancelled)
        compared = "Cancelled after the load: this week's team file was kept, but not compared with last week's.";
    notifyOf(f, {notKept.empty() ? "" : "This week's team file was not kept in the season: " + notKept, compared,
                 unreadableNote(s)});
}

std::string lastTeamFolder(const FRMTEAMTOOL& f)
{
    if (f.teamLoaded() && !f.Text31.text.empty())
        return utf8FromPath(pathFromUtf8(f.Text31.text).parent_path());
    if (!f.season.recentFiles.empty())
        return utf8FromPath(pathFromUtf8(f.season.recentFiles.front()).parent_path());
    return startingFolder();
}

// Yes when nothing would be lost, or the manager says it may be, asked whether to
// `leave` ("Open another team file") and leave them unwritten.
bool mayLeaveTeam(FRMTEAMTOOL& f, std::string_view leave)
{
    if (!f.teamLoaded() || !holdsUnwrittenWork(f))
        return true;
    return f.dialogs().ask("The squad and orders of " + std::string(f.teamName()) +
                           " have changed since Create Orders last wrote them. " + std::string(leave) +
                           " and leave them unwritten?");
}

// The team file at path in the window, as if the program had been started with it; a
// file that cannot be read changes nothing.
void openAnew(FRMTEAMTOOL& f, const std::string& path)
{
    const bool loaded = loadTeamFile(f, path, [&f, &path] {
        f.restoreDesignTimeState();
        Form_Load(f);
        f.Text31.text = path;
    });
    if (loaded)
        teamFileLoaded(f);
}

}  // namespace

bool mayQuit(FRMTEAMTOOL& f)
{
    return mayLeaveTeam(f, "Quit");
}

void restoreSettings(FRMTEAMTOOL& f, RememberedSettings remembered, const std::optional<FileError>& unreadable)
{
    bool& keepSeason = remembered.keepSeason;
    std::vector<std::string>& recentFiles = remembered.recentFiles;
    if (unreadable) {
        remembered = {};
        f.season.settingsNote = sentence(*unreadable, kSettingsFileKind) +
                                " Keep Season is on for this run and no file is listed as recent, as their settings "
                                "could not be read; nothing is remembered until they can be.";
        f.season.toldNotWritten = true;  // said here already
    }
    f.season.keep = keepSeason;
    command(f, "actionKeepSeason").checked = keepSeason;
    if (recentFiles.size() > kMaxRecentFiles)
        recentFiles.resize(kMaxRecentFiles);
    f.season.recentFiles = std::move(recentFiles);
    f.season.leagueAddresses = std::move(remembered.leagueAddresses);
    // A team loaded before the settings came (named at start): in the recent files and
    // the season as if it had loaded now.
    if (f.teamLoaded()) {
        addToRecentFiles(f, f.loadedTeamFile.path);
        if (f.season.keeping())
            keepLoadedTeam(f, !f.comparison.made());
    }
    if (!f.season.keeping())
        f.loadedTeamFile.bytes = {};  // nobody keeps them
    describeFillFromLastWeek(f);
    notifyOf(f, {});  // the settings' note, if the season had none to say it with
}

RememberedSettings settingsToRemember(const FRMTEAMTOOL& f)
{
    return {f.season.keep, f.season.recentFiles, f.season.leagueAddresses};
}

FileError settingsFormatError(const std::string& path)
{
    return FileError::reading(FileErrorCode::CannotRead, path, "it is not in the settings' format");
}

void settingsNotWritten(FRMTEAMTOOL& f, const FileError& error)
{
    if (std::exchange(f.season.toldNotWritten, true))
        return;
    notifyOf(f, {"The settings were not written: " + sentence(error, kSettingsFileKind) +
                 " Keep Season and the recent files are not remembered after this run."});
}

void teamFileLoaded(FRMTEAMTOOL& f)
{
    // The load's progress, gone when this is done.
    const std::unique_ptr<Progress> progress = std::move(f.loadProgress);
    addToRecentFiles(f, f.loadedTeamFile.path);
    f.selectionAtLoad = selectionState(f);
    f.written = {};
    SeasonState& s = f.season;
    s.teamFolder.clear();
    s.lastOrders.clear();
    s.unreadable.clear();
    s.recentOrdersWeeks = 0;
    s.recentStarts.clear();
    if (s.keeping())
        keepLoadedTeam(f, true, progress.get());
    else if (!s.keep)
        f.loadedTeamFile.bytes = {};  // nobody keeps them
    describeFillFromLastWeek(f);
}

namespace {

// The orders just written, kept in the season while it is kept; why not, if they
// could not be.
std::optional<std::string> keepWrittenOrders(FRMTEAMTOOL& f)
{
    SeasonState& s = f.season;
    if (!s.keeping() || s.teamFolder.empty())
        return std::nullopt;
    const auto notKept = [](const FileError& error) {
        return "The orders were not kept in the season: " + sentence(error, kOrdersFileKind);
    };
    const std::filesystem::path folder = pathFromUtf8(s.teamFolder);
    const auto kept = keepInFolder(folder, f.written.fileName, f.written.bytes, s.now());
    if (!kept)
        return notKept(kept.error());
    s.unreadable.clear();
    findLastOrders(f, kept->files);
    describeFillFromLastWeek(f);
    return std::nullopt;
}

}  // namespace

void ordersWritten(FRMTEAMTOOL& f)
{
    std::string note = ordersWrittenNote(f, f.written.fileName);
    if (auto notKept = keepWrittenOrders(f))
        note += "\n" + *notKept;
    f.dialogs().notify(note);
}

bool holdsUnwrittenWork(const FRMTEAMTOOL& f)
{
    const std::string now = selectionState(f);
    return now != f.selectionAtLoad && !(f.written.count > 0 && now == f.written.selection);
}

void actionOpenTeamFile_Click(FRMTEAMTOOL& f)
{
    if (!mayLeaveTeam(f, "Open another team file"))
        return;
    FileDialog dialog;
    dialog.kind = Kind::FileDialog;
    dialog.name = "OpenTeamFileDialog";
    dialog.dialogTitle = kTeamFileDialogTitle;
    dialog.flags = cdlOFNHideReadOnly;
    dialog.cancelError = true;
    dialog.filter = kTeamFileFilter;
    dialog.initDir = lastTeamFolder(f);
    if (const auto path = f.dialogs().showOpen(dialog))
        openAnew(f, *path);
}

void openRecentFile(FRMTEAMTOOL& f, std::size_t index)
{
    auto& recent = f.season.recentFiles;
    if (index >= recent.size())
        return;
    const std::string path = recent[index];
    std::error_code error;
    if (!std::filesystem::exists(pathFromUtf8(path), error) && !error) {
        recent.erase(recent.begin() + static_cast<std::ptrdiff_t>(index));
        f.msgBox("The team file \"" + path + "\" no longer exists, so it leaves the recent files.");
        return;
    }
    if (mayLeaveTeam(f, "Open another team file"))
        openAnew(f, path);
}

void actionFillFromLastWeek_Click(FRMTEAMTOOL& f)
{
    if (!f.applies(command(f, "actionFillFromLastWeek")))
        return;
    const std::string path = f.season.lastOrders;
    auto bytes = readWholeFile(path, kMaxOrdersFileBytes);
    if (!bytes) {
        f.msgBox(describeFileError(bytes.error(), kOrdersFileKind));
        if (auto files = keptFiles(pathFromUtf8(f.season.teamFolder)))
            findLastOrders(f, *files);
        describeFillFromLastWeek(f);
        return;
    }
    fillFromOrdersBytes(f, path, std::move(bytes).value());
}

void actionKeepSeason_Click(FRMTEAMTOOL& f)
{
    SeasonState& s = f.season;
    s.keep = !s.keep;
    command(f, "actionKeepSeason").checked = s.keep;
    s.teamFolder.clear();
    s.lastOrders.clear();
    s.unreadable.clear();
    if (s.keeping() && f.teamLoaded())
        keepLoadedTeam(f, !f.comparison.made());
    describeFillFromLastWeek(f);
}

void actionOpenSeasonFolder_Click(FRMTEAMTOOL& f)
{
    const SeasonState& s = f.season;
    if (!s.keeping())
        return;
    const std::string folder = f.teamLoaded() && !s.teamFolder.empty() ? s.teamFolder : s.folder;
    std::error_code ignored;
    std::filesystem::create_directories(pathFromUtf8(folder), ignored);
    f.dialogs().openFolder(
        folder, [&f, folder] { f.msgBox("No file manager answered. The season folder is " + folder + "."); });
}

}  // namespace teamtool
