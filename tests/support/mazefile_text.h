#pragma once
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace tarnwick::test {

// Mazefiles as text, for the tests and the bench's fuzz.

// Reads a whole file as bytes; empty when it cannot be read.
std::string fileBytes(const std::filesystem::path& file);

// Writes bytes to a file in the current directory.
void writeFileBytes(const std::string& name, const std::string& bytes);

// The settings record on the first line of a mazefile, one text a field.
std::vector<std::string> recordInFile(const std::string& name);

// One mazefile: a record line, then the given text (the pattern sections).
std::string mazefileText(const std::vector<std::string>& record, const std::string& sections);

// Bytes that look a little like a mazefile: digits, signs, commas and line ends
// mixed with anything; at most `maxLength` of them.
std::string randomBytes(std::mt19937& rng, std::size_t maxLength);

// A good mazefile with one to three of its values changed, inserted or removed,
// or cut short after a value; `what` says which, by the value's place (field k
// of the record, or value k of the pattern sections).
struct MutatedMazefile {
    std::string bytes;
    std::string what;
};
MutatedMazefile mutatedMazefile(const std::string& good, std::mt19937& rng);

}  // namespace tarnwick::test
