#pragma once

#include <optional>

// The program's two informative options, answered on the terminal before anything else starts:
// "-h"/"--help" prints the help, "--version" the name and version; the program then ends with the
// returned status (0, or 1 when the text could not be written). Without either option the result
// is empty and the program starts as always, every other argument being left to Qt (its own
// options such as "-platform") or ignored.
std::optional<int> answerInformationOptions(int argc, char** argv);
