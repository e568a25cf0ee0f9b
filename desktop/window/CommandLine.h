#pragma once

#include <optional>
#include <string>

// The program's two informative options, answered on the terminal before anything else starts:
// "-h"/"--help" prints the help, "--version" the name and version; the program then ends with the
// returned status (0, or 1 when the text could not be written). Without either option the result
// is empty and the program starts as always, every other argument being left to Qt (its own
// options such as "-platform") or ignored.
std::optional<int> answerInformationOptions(int argc, char** argv);

// The experiment file named on the command line ("velmora2 FILE", as the file manager starts it
// with %f), made absolute from the current folder; empty when none is named. Qt's own options and
// their values are not files.
std::string fileArgument(int argc, char** argv);
