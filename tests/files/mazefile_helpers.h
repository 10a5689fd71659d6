#pragma once
#include <string>
#include <vector>

#include "shell/form57.h"

namespace tarnwick::test {

// Writes bytes to a file in the current directory.
void writeFileBytes(const std::string& name, const std::string& bytes);

// The settings record of a program as the writer would put it, one text a field.
std::vector<std::string> recordTexts(const Form57& form);

// The settings record on the first line of a mazefile, one text a field.
std::vector<std::string> recordInFile(const std::string& name);

// One mazefile: a record line, then the given text (the pattern sections).
std::string mazefileText(const std::vector<std::string>& record, const std::string& sections);

// Twelve pattern sections of one move each: section k holds the code (k - 1) % 4 + 1,
// or `code` when given.
std::string plainSections(long code = 0);

// Gives every setting of the record a value that it accepts, that differs from a
// new program's, and, where its range allows, from every other setting's.
void setEverySetting(Form57& form);

// Opens `name` as file 1 of the program and reads and applies it as the load panel does.
void applyMazefile(Form57& form, const std::string& name);

}  // namespace tarnwick::test
