#pragma once

#include <string>

// The reasons of a failed save, opening or printing, in the window's language (French first):
// the system's errors too, never in the system's English.

// "Le fichier « path » n’a pas pu être enregistré : <reason>" for an error of the writer (an errno
// value, or one of WriterProtocol.h).
std::string saveErrorText(const std::string& path, int error);

// "L’impression sur « printer » a échoué : <reason>".
std::string printErrorText(const std::string& printer, int error);

// The reason alone, for any of those errors: "trop de liens symboliques", ...
std::string errorReason(int error);
