#pragma once

#include "lab/ExperimentFile.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

// Fichier › Préparer un scénario… : the title, the instructions, for each control whether it is
// locked or hidden, whether the model's answers are hidden, and the explanation to open first. The
// settings are the window's own at that moment.
class ScenarioDialog : public QDialog
{
    Q_OBJECT
public:
    ScenarioDialog(const velmora::Scenario& scenario, QWidget* parent = nullptr);
    velmora::Scenario scenario() const;

private:
    QLineEdit* title_;
    QPlainTextEdit* instructions_;
    std::array<QCheckBox*, velmora::panelControlCount> locked_{};
    std::array<QCheckBox*, velmora::panelControlCount> hidden_{};
    QCheckBox* hideAnswers_;
    QComboBox* lesson_;
};

// Asks the group's names, class and date; false when cancelled.
bool askStudentGroup(QWidget* parent, velmora::StudentGroup& group);
