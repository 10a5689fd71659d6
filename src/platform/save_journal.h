#pragma once
#include <set>
#include <string>
#include <vector>

namespace tarnwick {

// A temporary written whole (see createTemporaryBeside) and the name it takes.
struct Replacement {
    std::string temporary;
    std::string target;
};

// Puts every temporary in the place of its target, all of them or none, for
// files that belong together. Before the first name changes, a journal beside
// them (a temporary of its own, locked while the save runs) names the
// temporaries, their targets and the names under which the earlier files of
// all but the last are set aside until the last one is in place. The save runs
// by the journal, and so does the next start when the run is killed in the
// middle (see settleLeftSaves). An earlier file is locked from before it is set
// aside until the end; the caller holds the temporaries' locks. The names all
// lie in one directory and hold no line break. False when anything failed: the
// earlier files are then back under their names and the temporaries gone, or,
// where even the way back failed, the journal and all it names stay for the
// next start to settle.
bool replaceTogether(const std::vector<Replacement>& replacements);

// Settles the journals among `temporaries` (of `directory`) that runs killed in
// the middle of a save left: forward when every new file takes its name, else
// back to the earlier files. Returns the names that must stay: a live run's
// journal, one that cannot be settled now, and every file they name.
std::set<std::string> settleLeftSaves(const std::string& directory, const std::vector<std::string>& temporaries);

}  // namespace tarnwick
