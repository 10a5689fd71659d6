#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "core/canvas.h"
#include "core/picture.h"

namespace tarnwick {

// The snapshots the stages hand each other, as files in the current directory.
namespace snapshot {
inline constexpr const char* cleandrawing = "drawing1.bmp";    // the drawing without a maze
inline constexpr const char* basepicture = "drawing1b.bmp";    // what every new maze starts from
inline constexpr const char* placedmaze = "drawing2.bmp";      // the maze with start and finish
inline constexpr const char* finishedmaze = "drawing3.bmp";    // the maze as maze making left it
inline constexpr const char* editorbackdrop = "drawing4.bmp";  // the window under the pattern editor
inline constexpr const char* titlepicture = "title.bmp";       // the title as laid out at start-up
}  // namespace snapshot

// The pictures the program writes and reads back itself, kept in memory as well:
// they are painted back from this copy, which is what the program wrote, so a
// file that cannot be written or is changed or removed later costs nothing, and
// no file is read and decoded at a stage boundary. Copies are shared: names
// written from an unchanged canvas hold one picture.
class SnapshotStore {
public:
    using Shared = std::shared_ptr<const Picture>;

    // The canvas's persistent image; the one taken last while the canvas has not changed since.
    Shared imageOf(const Canvas& canvas) {
        if (Shared last = lastImage_.lock(); last && lastVersion_ == canvas.version()) return last;
        Shared image = std::make_shared<const Picture>(canvas.image());
        lastImage_ = image;
        lastVersion_ = canvas.version();
        return image;
    }

    // Other pictures (the built-in drawings) are read by name like any file the
    // user may have put there, so no copy of them is kept.
    void keep(const std::string& fileName, Shared picture) {
        if (readBack(fileName)) copies_[fileName] = std::move(picture);
    }
    void keep(const std::string& fileName, const Picture& picture) {
        if (readBack(fileName)) copies_[fileName] = std::make_shared<const Picture>(picture);
    }
    Shared copy(const std::string& fileName) const {
        const auto it = copies_.find(fileName);
        return it != copies_.end() ? it->second : nullptr;
    }

    // True the first time only: the user hears about failing files once.
    bool firstFailure() { return !std::exchange(failureReported_, true); }

private:
    static bool readBack(std::string_view fileName) {
        using namespace snapshot;
        for (const char* name : {cleandrawing, basepicture, placedmaze, finishedmaze, editorbackdrop, titlepicture})
            if (fileName == name) return true;
        return false;
    }

    std::map<std::string, Shared> copies_;
    std::weak_ptr<const Picture> lastImage_;  // its pixels go with the last copy that holds them
    std::uint64_t lastVersion_ = 0;
    bool failureReported_ = false;
};

}  // namespace tarnwick
