#include "files/name_rule.h"

#include <algorithm>

#include "directionpatterns/pattern_files.h"
#include "shell/snapshot_store.h"

namespace tarnwick {

namespace {

std::vector<std::string> buildProgramFileNames() {
    std::vector<std::string> names;
    for (long kind = 0; kind <= 2; ++kind)
        for (long pattern = 1; pattern <= 4; ++pattern) {
            names.push_back(patternfilename(kind, pattern));
            names.push_back(patterncopyname(kind, pattern));
        }
    for (const char* snapshot : {snapshot::cleandrawing, snapshot::basepicture, snapshot::placedmaze,
                                 snapshot::finishedmaze, snapshot::editorbackdrop})
        names.emplace_back(snapshot);
    names.emplace_back("title.bmp");
    for (const char* example : {"temple", "space-station", "diamond", "christmas-tree"}) {
        names.push_back(std::string(example) + ".bmp");
        names.push_back(std::string(example) + ".maze");
    }
    for (int slide = 1; slide <= 11; ++slide) names.push_back("example" + std::to_string(slide) + ".bmp");
    for (int credit = 1; credit <= 2; ++credit) names.push_back("credit" + std::to_string(credit) + ".bmp");
    return names;
}

std::string_view stemOf(std::string_view fileName) { return fileName.substr(0, fileName.find('.')); }

}  // namespace

const std::vector<std::string>& programFileNames() {
    static const std::vector<std::string> names = buildProgramFileNames();
    return names;
}

bool isReservedName(std::string_view name) {
    const auto& names = programFileNames();
    return std::any_of(names.begin(), names.end(),
                       [name](const std::string& file) { return stemOf(file) == name; });
}

}  // namespace tarnwick
