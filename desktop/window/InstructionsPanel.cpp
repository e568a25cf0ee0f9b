#include "window/InstructionsPanel.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QVBoxLayout>

InstructionsPanel::InstructionsPanel(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName("instructionsPanel");
    setWindowTitle(tr("Consignes et réponse"));
    auto* layout = new QVBoxLayout(this);
    title_ = new QLabel(this);
    title_->setObjectName("scenarioTitle");
    title_->setWordWrap(true);
    QFont bold = title_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    title_->setFont(bold);
    instructions_ = new QLabel(this);
    instructions_->setObjectName("scenarioInstructions");
    instructions_->setWordWrap(true);
    instructions_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* answerLabel = new QLabel(tr("&Notre réponse\u00a0:"), this);
    answer_ = new QPlainTextEdit(this);
    answer_->setObjectName("answerBox");
    answer_->setAccessibleName(tr("Notre réponse"));
    answer_->setTabChangesFocus(true);
    answerLabel->setBuddy(answer_);
    layout->addWidget(title_);
    layout->addWidget(instructions_);
    layout->addWidget(answerLabel);
    layout->addWidget(answer_, 1);
    connect(answer_, &QPlainTextEdit::textChanged, this,
            [this] { emit answerChanged(answer_->toPlainText()); });
    resize(420, 360);
}

void InstructionsPanel::showDocument(const velmora::Scenario& scenario, const QString& answer)
{
    title_->setText(QString::fromStdString(scenario.title));
    title_->setVisible(!scenario.title.empty());
    instructions_->setText(scenario.instructions.empty() ? tr("Pas de consignes pour cette expérience.")
                                                         : QString::fromStdString(scenario.instructions));
    if (answer_->toPlainText() != answer) {
        const QSignalBlocker quiet(answer_);
        answer_->setPlainText(answer);
    }
}
