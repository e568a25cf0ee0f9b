#pragma once

#include "lab/ExperimentFile.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;

// The scenario's title and instructions, and the box where the group writes its answer: a small
// window of its own beside the main one, opened with a scenario and by Affichage › Consignes et
// réponse. The answer goes into the experiment file and the report.
class InstructionsPanel : public QWidget
{
    Q_OBJECT
public:
    explicit InstructionsPanel(QWidget* parent = nullptr);

    void showDocument(const velmora::Scenario& scenario, const QString& answer);
    QPlainTextEdit* answerBox() const { return answer_; }

signals:
    void answerChanged(const QString& answer);

private:
    QLabel* title_;
    QLabel* instructions_;
    QPlainTextEdit* answer_;
};
