#include "support/mazefile_text.h"

#include <fstream>
#include <sstream>

namespace tarnwick::test {

namespace {

using Lines = std::vector<std::vector<std::string>>;  // the values of each line

Lines valuesOf(const std::string& bytes) {
    Lines lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        std::vector<std::string> values;
        std::istringstream line(bytes.substr(start, end - start) + ",");
        for (std::string v; std::getline(line, v, ',');) values.push_back(v);
        lines.push_back(values);
        start = end + 2;
    }
    return lines;
}

std::string textOf(const Lines& lines) {
    std::string text;
    for (const auto& values : lines) {
        for (std::size_t i = 0; i < values.size(); ++i) text += (i ? "," : "") + values[i];
        text += "\r\n";
    }
    return text;
}

// Where value k of the file (counted over every line) lies, and how it is named.
struct Place {
    std::size_t line = 0, index = 0;
};
Place placeOf(const Lines& lines, std::size_t k) {
    for (std::size_t l = 0; l < lines.size(); ++l) {
        if (k < lines[l].size()) return {l, k};
        k -= lines[l].size();
    }
    return {lines.size() - 1, lines.back().size() - 1};
}
std::string nameOf(const Lines& lines, Place p) {
    if (p.line == 0) return "field " + std::to_string(p.index + 1);
    std::size_t k = p.index + 1;
    for (std::size_t l = 1; l < p.line; ++l) k += lines[l].size();
    return "section value " + std::to_string(k);
}

// A value as a changed file may hold: one the file holds elsewhere, a small
// number, a marker or end code, a colour, nothing, or a few odd bytes.
std::string someValue(const Lines& lines, std::mt19937& rng) {
    switch (rng() % 7) {
        case 0: {
            const Place p = placeOf(lines, rng() % 1000);
            return lines[p.line][p.index];
        }
        case 1: return std::to_string(static_cast<long>(rng() % 23) - 2);
        case 2: return std::to_string(static_cast<long>(rng() % 401));
        case 3: {
            static const char* const codes[] = {"9999", "88", "350", "-1", "0"};
            return codes[rng() % 5];
        }
        case 4: return std::to_string(rng() % 0x1000000);
        case 5: return "";
        default: {
            std::string odd = randomBytes(rng, 4);
            for (char& c : odd)
                if (c == ',' || c == '\r' || c == '\n') c = '7';
            return odd;
        }
    }
}

std::size_t valueCount(const Lines& lines) {
    std::size_t n = 0;
    for (const auto& l : lines) n += l.size();
    return n;
}

}  // namespace

std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFileBytes(const std::string& name, const std::string& bytes) {
    std::ofstream out(name, std::ios::binary);
    out << bytes;
}

std::vector<std::string> recordInFile(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    std::string line;
    std::getline(file, line, '\r');
    std::vector<std::string> fields;
    std::istringstream values(line + ",");
    for (std::string v; std::getline(values, v, ',');) fields.push_back(v);
    return fields;
}

std::string mazefileText(const std::vector<std::string>& record, const std::string& sections) {
    std::string line;
    for (std::size_t i = 0; i < record.size(); ++i) line += (i ? "," : "") + record[i];
    return line + "\r\n" + sections;
}

std::string randomBytes(std::mt19937& rng, std::size_t maxLength) {
    static const std::string likely = "0123456789,,,\r\n\r\n-.e 9999,88";
    std::string bytes(std::uniform_int_distribution<std::size_t>(0, maxLength)(rng), '\0');
    for (char& c : bytes) c = rng() % 3 ? likely[rng() % likely.size()] : static_cast<char>(rng() % 256);
    return bytes;
}

MutatedMazefile mutatedMazefile(const std::string& good, std::mt19937& rng) {
    Lines lines = valuesOf(good);
    std::string what;
    const int changes = 1 + static_cast<int>(rng() % 3);
    for (int i = 0; i < changes && !lines.empty(); ++i) {
        const Place p = placeOf(lines, rng() % valueCount(lines));
        const std::string name = nameOf(lines, p);
        auto& values = lines[p.line];
        if (!what.empty()) what += "; ";
        switch (rng() % 4) {
            case 0: {
                const std::string v = someValue(lines, rng);
                values[p.index] = v;
                what += name + " := \"" + v + "\"";
                break;
            }
            case 1: {
                const std::string v = someValue(lines, rng);
                values.insert(values.begin() + static_cast<long>(p.index), v);
                what += "\"" + v + "\" inserted at " + name;
                break;
            }
            case 2:
                values.erase(values.begin() + static_cast<long>(p.index));
                if (values.empty()) lines.erase(lines.begin() + static_cast<long>(p.line));
                what += name + " removed";
                break;
            default:
                values.resize(p.index + 1);
                lines.resize(p.line + 1);
                what += "cut after " + name;
                const std::string text = textOf(lines);
                return {text.substr(0, text.size() - 2), what};  // nothing is left to change after the cut
        }
    }
    return {textOf(lines), what};
}

}  // namespace tarnwick::test
