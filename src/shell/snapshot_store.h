#pragma once
#include <map>
#include <utility>
#include <optional>
#include <string>

#include "core/picture.h"

namespace tarnwick {

// The snapshots the stages hand each other, as files in the current directory.
namespace snapshot {
inline constexpr const char* cleandrawing = "drawing1.bmp";    // the drawing without a maze
inline constexpr const char* basepicture = "drawing1b.bmp";    // what every new maze starts from
inline constexpr const char* placedmaze = "drawing2.bmp";      // the maze with start and finish
inline constexpr const char* finishedmaze = "drawing3.bmp";    // the maze as maze making left it
inline constexpr const char* editorbackdrop = "drawing4.bmp";  // the window under the pattern editor
}  // namespace snapshot

// The pictures the program wrote, kept in memory as well: a snapshot whose file
// cannot be written (read-only directory, full disk) or read back later is
// painted from this copy, so the user's work survives a failing file system.
class SnapshotStore {
public:
    // `written`: the file holds this picture; otherwise the file (if any) is stale.
    void keep(const std::string& fileName, const Picture& picture, bool written) {
        copies_[fileName] = {picture, written};
    }
    std::optional<Picture> copy(const std::string& fileName) const {
        if (auto it = copies_.find(fileName); it != copies_.end()) return it->second.picture;
        return std::nullopt;
    }
    bool fileIsStale(const std::string& fileName) const {
        auto it = copies_.find(fileName);
        return it != copies_.end() && !it->second.written;
    }
    // True the first time only: the user hears about failing files once.
    bool firstFailure() { return !std::exchange(failureReported_, true); }

private:
    struct Copy {
        Picture picture;
        bool written = false;
    };
    std::map<std::string, Copy> copies_;
    bool failureReported_ = false;
};

}  // namespace tarnwick
