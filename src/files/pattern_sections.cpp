#include "files/pattern_sections.h"

namespace tarnwick {

namespace {

long asDirection(const ReadValue& v) {
    // Values outside any move code still stay in range when kept as a whole number.
    return v.value > 1e9 || v.value < -1e9 ? 0 : static_cast<long>(v.value);
}

}  // namespace

std::string sectionPatternFile(int section) {
    static constexpr long kinds[] = {0, 2, 1};
    if (section < 1 || section > sectionCount) return {};
    return patternfilename(kinds[(section - 1) / 4], (section - 1) % 4 + 1);
}

bool writePatternSection(TextFiles& files, int in, const std::string& patternFile, int out, long& direction) {
    bool written = true;
    if (files.open(in, patternFile, FileMode::Input)) {
        for (;;) {
            const ReadValue v = files.read(in);
            if (v.atEnd) break;
            direction = asDirection(v);
            if (v.value == movesend) break;
            written = files.writeLine(out, {keptValue(v)}) && written;
        }
        files.close(in);
    }
    return files.writeLine(out, {movesend, sectionend}) && written;
}

std::optional<std::vector<ReadValue>> readPatternSection(TextFiles& files, int in, bool last, long& direction) {
    std::vector<ReadValue> values;
    for (;;) {
        const ReadValue v = files.read(in);
        if (v.atEnd) return std::nullopt;
        direction = asDirection(v);
        if (last ? v.value == movesend : v.value == sectionend) return values;
        if (v.value == movesend) continue;
        values.push_back(v);
    }
}

bool writePatternFile(TextFiles& files, int out, const std::string& patternFile,
                      const std::vector<ReadValue>& values) {
    // Every line is written even after a failure: a file served from memory keeps them.
    bool written = files.open(out, patternFile, FileMode::Output);
    for (const ReadValue& v : values) written = files.writeLine(out, {keptValue(v)}) && written;
    written = files.writeLine(out, {movesend, sectionend}) && written;
    return files.close(out) && written;
}

}  // namespace tarnwick
