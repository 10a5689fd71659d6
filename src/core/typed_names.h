#pragma once
#include <string>
#include <string_view>

namespace tarnwick {

// The name rule of the file panels, shared by what they read and write and by
// the lists of names they offer, so that the two cannot disagree.

// The name of a drawing as typed into a file panel: leading blanks dropped,
// everything from the first "." on dropped; trailing blanks stay.
std::string drawingName(std::string_view typed);

// A name the panels may use: it names a file in the current directory only, so
// it holds no "/" and no control character, and a visible one, so it is neither
// empty nor dots alone.
bool isPlainFileName(std::string_view name);

// The extension of a pattern set of `mazekind`; empty for no kind. A set is
// offered to its own kind only.
std::string_view patternSetExtension(long mazekind);

// A pattern set's name: a plain one that holds no path separator of any
// platform either, since a set file may be taken to another.
bool isSetName(std::string_view name);

// True when a panel whose list shows `filter` ("*" followed by the extension the
// panel gives its names) may offer `fileName`: the entry, once clicked and taken
// as typed, names a file that the panel may use and that is `fileName` itself.
// Leading blanks, a second dot or a control character fail, and in a list of
// pattern sets a name that is no set name.
bool isOfferedFileName(std::string_view fileName, std::string_view filter);

}  // namespace tarnwick
