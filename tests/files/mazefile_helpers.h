#pragma once
#include <string>
#include <vector>

#include "shell/form57.h"
#include "support/mazefile_text.h"

namespace tarnwick::test {

// The settings record of a program as the writer would put it, one text a field.
std::vector<std::string> recordTexts(const Form57& form);

// Twelve pattern sections of one move each: section k holds the code (k - 1) % 4 + 1,
// or `code` when given.
std::string plainSections(long code = 0);

// Gives every setting of the record a value that it accepts, that differs from a
// new program's, and, where its range allows, from every other setting's.
void setEverySetting(Form57& form);

// Opens `name` as file 1 of the program and reads and applies it as the load panel does.
void applyMazefile(Form57& form, const std::string& name);

}  // namespace tarnwick::test
