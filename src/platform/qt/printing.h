#pragma once
#include "platform/platform.h"

namespace tarnwick {

// Prints a picture as one page on the default printer or, with no printer, into
// the first free "tarnwick-print-N.pdf" of the current directory.
PrintResult printPicture(const Picture& page);

// The page as the next free "tarnwick-print-N.pdf" of the current directory.
PrintResult printToPdf(const Picture& page);

}  // namespace tarnwick
