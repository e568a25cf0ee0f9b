#pragma once

#include <QString>

class QWidget;

// The program's one report of an error: a modal message box with the error icon, the application
// title as caption and the error text with a full stop added. While one is open, a further report
// is not shown.
void showErrorReport(const QString& text, QWidget* parent = nullptr);

// "Velmora v2".
QString applicationTitle();
