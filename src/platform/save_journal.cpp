#include "platform/save_journal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string_view>

#include "platform/plain_file.h"

namespace tarnwick {

namespace {

// The journal: this heading, then four lines for each file (its temporary,
// its target, the name its earlier file is set aside under, empty when there
// was none or for the last file, and what the new and the earlier file hold:
// see contentOf), then "end". A save that turned back adds "back", so that a
// later start turns back as well instead of finishing what the save had begun
// to undo. Names are without their directory: the journal lies beside them.
constexpr std::string_view heading = "tarnwick replaces\n";
constexpr std::string_view endLine = "end";
constexpr std::string_view backLine = "back";
constexpr std::size_t journalCap = 16 * 1024;

struct Move {
    std::string temporary;
    std::string target;
    std::string aside;
    std::string newContent, earlierContent;  // see contentOf; the earlier one empty when there was none
};

// What a regular file holds, as its size and a hash of its bytes; empty for
// no such file. Unlike the file's number on the disk, it stays when a stick is
// mounted again.
std::string contentOf(const std::string& name) {
    const FileHandle file(::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info {};
    if (!file || ::fstat(file.fd(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
    std::uint64_t hash = 14695981039346656037ull, size = 0;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.fd(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return {};
        if (n == 0) break;
        size += static_cast<std::uint64_t>(n);
        for (ssize_t i = 0; i < n; ++i) hash = (hash ^ static_cast<unsigned char>(buffer[i])) * 1099511628211ull;
    }
    char text[48];
    std::snprintf(text, sizeof text, "%llx.%016llx", static_cast<unsigned long long>(size),
                  static_cast<unsigned long long>(hash));
    return text;
}

struct Journal {
    std::vector<Move> moves;
    bool complete = false;  // a run killed while it wrote it had moved nothing yet
    bool back = false;
};

std::string lastPart(const std::string& name) { return name.substr(directoryPart(name).size()); }

bool isPlainTarget(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           !isTemporaryName(name) && !isKeptName(name);
}

std::string journalText(const std::vector<Move>& moves) {
    std::string text(heading);
    for (const Move& m : moves)
        text += lastPart(m.temporary) + "\n" + lastPart(m.target) + "\n" + lastPart(m.aside) + "\n" + m.newContent +
                " " + m.earlierContent + "\n";
    return text + std::string(endLine) + "\n";
}

// Nothing when `text` is no journal; the moves' names are put in `directory`
// ("dir/" or empty).
std::optional<Journal> readJournal(std::string_view text, const std::string& directory) {
    if (!text.starts_with(heading)) return std::nullopt;
    text.remove_prefix(heading.size());
    std::vector<std::string> lines;
    for (std::size_t end; (end = text.find('\n')) != std::string_view::npos; text.remove_prefix(end + 1))
        lines.emplace_back(text.substr(0, end));
    Journal journal;
    std::size_t at = 0;
    for (; at + 4 <= lines.size() && lines[at] != endLine; at += 4) {
        const std::string &temporary = lines[at], &target = lines[at + 1], &aside = lines[at + 2];
        const std::size_t space = lines[at + 3].find(' ');
        if (!isTemporaryName(temporary) || !isPlainTarget(target) || (!aside.empty() && !isKeptName(aside)) ||
            space == std::string::npos)
            return Journal{};  // not one this program wrote: a leftover like any other
        journal.moves.push_back({directory + temporary, directory + target, aside.empty() ? "" : directory + aside,
                                 lines[at + 3].substr(0, space), lines[at + 3].substr(space + 1)});
    }
    journal.complete = at < lines.size() && lines[at] == endLine && !journal.moves.empty();
    journal.back = journal.complete && at + 1 < lines.size() && lines[at + 1] == backLine;
    return journal;
}

std::string readStart(int fd) {
    std::string text(journalCap, '\0');
    std::size_t got = 0;
    while (got < text.size()) {
        const ssize_t n = ::pread(fd, text.data() + got, text.size() - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    text.resize(got);
    return text;
}

bool present(const std::string& name) { return !name.empty() && !nameIsFree(name); }

// An earlier file the save set aside is its copy until the end: the set-aside
// name, once it exists, holds the whole earlier file, still under its own name
// too when a link put it there, else moved off it. Another file that took the
// set-aside name first fails the save.
bool setAside(const Move& m) {
    if (m.aside.empty() || !present(m.target)) return true;
    if (present(m.aside)) return sameFile(m.aside, m.target);
    return linkOrMoveToFreeName(m.target, m.aside);
}

// True when every temporary has its name.
bool forward(const std::vector<Move>& moves) {
    for (const Move& m : moves) {
        if (!present(m.temporary)) continue;  // in its place already
        if (!setAside(m) || !replaceName(m.temporary, m.target)) return false;
    }
    return true;
}

// Each earlier file back under its name, the new ones gone. Run again after a
// kill, a step already taken is seen as taken: a set-aside name that is gone
// was put back, and a target that had no earlier file is only removed while
// its temporary is gone, which is once it took the name.
bool back(const std::vector<Move>& moves) {
    for (auto m = moves.rbegin(); m != moves.rend(); ++m) {
        const bool placed = !present(m->temporary);
        if (present(m->aside)) {
            // A link leaves the earlier file under both names until the new one
            // comes; an earlier file still under its name beside another file
            // with the set-aside name was never set aside.
            if (sameFile(m->aside, m->target)) {
                removeFile(m->aside);
            } else if ((placed || !present(m->target)) && !renameFile(m->aside, m->target)) {
                return false;
            }
        } else if (m->aside.empty() && m != moves.rbegin() && placed) {
            removeFile(m->target);
        }
        removeFile(m->temporary);
    }
    return true;
}

void markBack(const std::string& journalName) {
    FileHandle journal(::open(journalName.c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC));
    const std::string line = std::string(backLine) + "\n";
    if (journal && writeAll(journal.fd(), line.data(), line.size())) (void)::fsync(journal.fd());
}

// Forward, else back; the journal goes when either is done. False when neither
// could be done: the journal and all it names stay.
bool settle(const Journal& journal, const std::string& journalName) {
    if (!journal.back) {
        if (forward(journal.moves)) {
            for (const Move& m : journal.moves)
                if (!m.aside.empty()) removeFile(m.aside);
            removeFile(journalName);
            return true;
        }
        markBack(journalName);
    }
    if (!back(journal.moves)) return false;
    removeFile(journalName);
    return false;
}

// A regular file with the name is locked; a link needs no lock, since nothing
// removes a link. A hard link may make two names one file, held once. False
// when another run holds the file.
bool lockIfThere(const std::string& name, std::vector<FileHandle>& held) {
    struct stat info {};
    if (name.empty() || ::lstat(name.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return true;
    for (const FileHandle& h : held) {
        struct stat other {};
        if (::fstat(h.fd(), &other) == 0 && other.st_dev == info.st_dev && other.st_ino == info.st_ino) return true;
    }
    FileHandle lock = lockByName(name);
    if (!lock) return false;
    held.push_back(std::move(lock));
    return true;
}

// Where a file of a left journal stands: its new file still waiting under its
// temporary name, in place, or the earlier one back; or neither, when a later
// save (another run's, perhaps another user's) has put its own file there.
enum class Standing { Waiting, Placed, Back, Overtaken };

Standing standingOf(const Move& m) {
    const std::string temporary = contentOf(m.temporary), target = contentOf(m.target);
    const bool earlierThere = target == m.earlierContent ||
                              (target.empty() && !m.aside.empty() && contentOf(m.aside) == m.earlierContent);
    if (!temporary.empty()) return temporary == m.newContent && earlierThere ? Standing::Waiting : Standing::Overtaken;
    if (target == m.newContent) return Standing::Placed;
    return target == m.earlierContent ? Standing::Back : Standing::Overtaken;
}

// A left journal is settled only with every file it names held, as its save
// held them, and only while its names hold what it left there: a journal that
// a later save overtook gives up, so that the later pair stays whole. Its new
// files that never took their names go with it; a file it set aside stays.
bool settleLeft(Journal journal, const std::string& journalName) {
    std::vector<FileHandle> held;
    for (const Move& m : journal.moves) {
        if (!lockIfThere(m.temporary, held) || !lockIfThere(m.aside, held)) return false;
        if (!m.aside.empty() && !lockIfThere(m.target, held)) return false;
    }
    bool overtaken = false;
    for (const Move& m : journal.moves) {
        const Standing standing = standingOf(m);
        overtaken = overtaken || standing == Standing::Overtaken;
        journal.back = journal.back || standing == Standing::Back;
    }
    if (overtaken) {
        for (const Move& m : journal.moves)
            if (contentOf(m.temporary) == m.newContent) removeFile(m.temporary);
        removeFile(journalName);
        return true;
    }
    // Settled is settled, whichever way: only one that stays keeps its names.
    settle(journal, journalName);
    return !present(journalName);
}

void spare(std::set<std::string>& needed, const std::string& journalName, const Journal& journal) {
    needed.insert(journalName);
    for (const Move& m : journal.moves) {
        needed.insert(m.temporary);
        if (!m.aside.empty()) needed.insert(m.aside);
    }
}

}  // namespace

bool replaceTogether(const std::vector<Replacement>& replacements) {
    const auto giveUp = [&] {
        for (const Replacement& r : replacements) removeFile(r.temporary);
        return false;
    };
    if (replacements.empty()) return true;
    const std::string directory = directoryPart(replacements.front().target);
    std::vector<Move> moves;
    std::vector<FileHandle> earlier;
    for (const Replacement& r : replacements) {
        if (directoryPart(r.temporary) != directory || directoryPart(r.target) != directory ||
            !isTemporaryName(r.temporary) || !isPlainTarget(lastPart(r.target)) ||
            r.target.find('\n') != std::string::npos || existsAsNonRegular(r.target))
            return giveUp();
        Move m{r.temporary, r.target, "", contentOf(r.temporary), contentOf(r.target)};
        if (m.newContent.empty()) return giveUp();
        if (&r != &replacements.back() && present(r.target)) {
            m.aside = freeKeptName(r.target);
            if (m.aside.empty() || !lockIfThere(r.target, earlier)) return giveUp();
        }
        moves.push_back(std::move(m));
    }
    std::string journalName;
    FileHandle journal = createTemporaryBeside(replacements.front().target, journalName);
    if (!journal) return giveUp();
    const std::string text = journalText(moves);
    // On the disk before any name changes, as the files it names are.
    if (!writeAll(journal.fd(), text.data(), text.size()) || ::fsync(journal.fd()) != 0) {
        removeFile(journalName);
        return giveUp();
    }
    return settle(Journal{moves, true, false}, journalName);
}

std::set<std::string> settleLeftSaves(const std::string& directory, const std::vector<std::string>& temporaries) {
    std::set<std::string> needed;
    const std::string prefix = directory + "/";
    for (const std::string& name : temporaries) {
        // Read first without a lock, so that a live run's journal spares its files too.
        const std::optional<std::string> start = readRegularFileStart(name, journalCap);
        std::optional<Journal> journal = start ? readJournal(*start, prefix) : std::nullopt;
        if (!journal) continue;
        const FileHandle lock = lockLeftover(name);
        if (lock) journal = readJournal(readStart(lock.fd()), prefix);
        if (!journal) continue;
        // Written only in part: its run had moved nothing, and it goes with its temporaries.
        if (lock && !journal->complete) continue;
        if (!lock || !settleLeft(*journal, name)) spare(needed, name, *journal);
    }
    return needed;
}

}  // namespace tarnwick
