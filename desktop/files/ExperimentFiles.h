#pragma once

#include "lab/ExperimentFile.h"

#include <QString>

// Experiment files from the window: read through the writer of the user's files (the window itself
// may not read them), at most 1 MB, and their problems told in the window's language.

// Reads and checks the file; nothing is applied here.
velmora::ExperimentReading readUserExperimentFile(const QString& path);

// A problem of a file in the window's language (the core keeps the French).
QString problemText(const velmora::FileProblem& problem);
