#pragma once

#include <QString>

#include <string>

class QWidget;

// The program's one report of an error: a modal message box with the error icon, the application
// title as caption and the error text with a full stop added. While one is open, a further report
// is not shown.
void showErrorReport(const QString& text, QWidget* parent = nullptr);

// "Velmora v2".
QString applicationTitle();

// The error of a settings file as the error box shows it: the texts of the settings reader as they
// are ("File not found", "'x' is not a valid integer value"), but a system error ("I/O error 40")
// said in words, in the window's language.
QString settingsErrorText(const std::string& error);
