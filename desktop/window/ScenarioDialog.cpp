#include "window/ScenarioDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

using namespace velmora;

namespace {

QString controlCaption(PanelControl control)
{
    switch (control) {
    case PanelControl::reaction:
        return ScenarioDialog::tr("Réaction");
    case PanelControl::temperature:
        return ScenarioDialog::tr("Température");
    case PanelControl::ph:
        return ScenarioDialog::tr("pH");
    case PanelControl::enzyme:
        return ScenarioDialog::tr("Enzyme");
    case PanelControl::substrate:
        return ScenarioDialog::tr("Substrat");
    case PanelControl::inhibitor:
        return ScenarioDialog::tr("Thiolactose (inhibiteur)");
    case PanelControl::volume:
        return ScenarioDialog::tr("Volume de la boîte");
    case PanelControl::symbols:
        return ScenarioDialog::tr("Taille des symboles");
    case PanelControl::products:
        return ScenarioDialog::tr("Nombre maximal de produits");
    }
    return {};
}

// The explanations a scenario may open first: the movie's name, and its title.
const std::pair<const char*, const char*> lessons[]{
    {"", QT_TRANSLATE_NOOP("ScenarioDialog", "aucune")},
    {"experiences", QT_TRANSLATE_NOOP("ScenarioDialog", "Expériences guidées")},
    {"hydrolyselactose", QT_TRANSLATE_NOOP("ScenarioDialog", "L’hydrolyse du lactose")},
    {"mecanisme", QT_TRANSLATE_NOOP("ScenarioDialog", "Le mécanisme de la catalyse enzymatique")},
    {"chaudfroid", QT_TRANSLATE_NOOP("ScenarioDialog", "Le chaud et le froid")},
    {"thiolactose", QT_TRANSLATE_NOOP("ScenarioDialog", "Le thiolactose, un inhibiteur")},
    {"maltose", QT_TRANSLATE_NOOP("ScenarioDialog", "L’hydrolyse du maltose")},
    {"amylose", QT_TRANSLATE_NOOP("ScenarioDialog", "L’hydrolyse de l’amylose")},
    {"synthese", QT_TRANSLATE_NOOP("ScenarioDialog", "La synthèse du lactose")},
};

} // namespace

ScenarioDialog::ScenarioDialog(const Scenario& scenario, QWidget* parent) : QDialog(parent)
{
    setObjectName("scenarioDialog");
    setWindowTitle(tr("Préparer un scénario"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    title_ = new QLineEdit(QString::fromStdString(scenario.title), this);
    title_->setObjectName("scenarioTitle");
    instructions_ = new QPlainTextEdit(QString::fromStdString(scenario.instructions), this);
    instructions_->setObjectName("scenarioInstructions");
    instructions_->setTabChangesFocus(true);
    form->addRow(tr("&Titre\u00a0:"), title_);
    form->addRow(tr("&Consignes\u00a0:"), instructions_);
    layout->addLayout(form);

    auto* controls = new QGroupBox(tr("Réglages des élèves (les valeurs sont celles du moment)"), this);
    auto* grid = new QGridLayout(controls);
    grid->addWidget(new QLabel(tr("Fixé"), controls), 0, 1);
    grid->addWidget(new QLabel(tr("Caché"), controls), 0, 2);
    for (std::size_t i = 0; i < panelControlCount; ++i) {
        const PanelControl control = allPanelControls[i];
        const QString caption = controlCaption(control);
        grid->addWidget(new QLabel(caption, controls), static_cast<int>(i) + 1, 0);
        locked_[i] = new QCheckBox(controls);
        locked_[i]->setObjectName(QStringLiteral("locked_%1").arg(panelControlKey(control)));
        locked_[i]->setAccessibleName(tr("%1 fixé").arg(caption));
        locked_[i]->setChecked(scenario.locked.has(control));
        hidden_[i] = new QCheckBox(controls);
        hidden_[i]->setObjectName(QStringLiteral("hidden_%1").arg(panelControlKey(control)));
        hidden_[i]->setAccessibleName(tr("%1 caché").arg(caption));
        hidden_[i]->setChecked(scenario.hidden.has(control));
        grid->addWidget(locked_[i], static_cast<int>(i) + 1, 1);
        grid->addWidget(hidden_[i], static_cast<int>(i) + 1, 2);
    }
    layout->addWidget(controls);

    hideAnswers_ =
        new QCheckBox(tr("Cacher les «\u00a0réponses du modèle\u00a0» des expériences guidées"), this);
    hideAnswers_->setObjectName("hideModelAnswers");
    hideAnswers_->setChecked(scenario.hideModelAnswers);
    layout->addWidget(hideAnswers_);
    auto* lessonRow = new QFormLayout;
    lesson_ = new QComboBox(this);
    lesson_->setObjectName("scenarioLesson");
    for (const auto& [name, title] : lessons) {
        lesson_->addItem(tr(title), QString::fromLatin1(name));
        if (scenario.lesson == name) {
            lesson_->setCurrentIndex(lesson_->count() - 1);
        }
    }
    lessonRow->addRow(tr("&Explication à ouvrir d’abord\u00a0:"), lesson_);
    layout->addLayout(lessonRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

Scenario ScenarioDialog::scenario() const
{
    Scenario scenario;
    scenario.title = title_->text().toStdString();
    scenario.instructions = instructions_->toPlainText().toStdString();
    for (std::size_t i = 0; i < panelControlCount; ++i) {
        if (locked_[i]->isChecked()) {
            scenario.locked.add(allPanelControls[i]);
        }
        if (hidden_[i]->isChecked()) {
            scenario.hidden.add(allPanelControls[i]);
        }
    }
    scenario.hideModelAnswers = hideAnswers_->isChecked();
    scenario.lesson = lesson_->currentData().toString().toStdString();
    return scenario;
}

bool askStudentGroup(QWidget* parent, StudentGroup& group)
{
    QDialog dialog(parent);
    dialog.setObjectName("groupDialog");
    dialog.setWindowTitle(ScenarioDialog::tr("Groupe et classe"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(
        new QLabel(ScenarioDialog::tr("Ces informations figurent sur le compte rendu."), &dialog));
    auto* form = new QFormLayout;
    auto* names = new QLineEdit(QString::fromStdString(group.names), &dialog);
    names->setObjectName("groupNames");
    auto* className = new QLineEdit(QString::fromStdString(group.className), &dialog);
    className->setObjectName("groupClass");
    auto* date = new QLineEdit(QString::fromStdString(group.date), &dialog);
    date->setObjectName("groupDate");
    form->addRow(ScenarioDialog::tr("&Noms des élèves\u00a0:"), names);
    form->addRow(ScenarioDialog::tr("&Classe\u00a0:"), className);
    form->addRow(ScenarioDialog::tr("&Date\u00a0:"), date);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    group = {names->text().toStdString(), className->text().toStdString(), date->text().toStdString()};
    return true;
}
