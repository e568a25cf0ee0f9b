#pragma once

#include "experiment/PanelCommands.h"
#include "lab/ExperimentFile.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

#include "window/InstructionsPanel.h"
class QAction;
class QMenu;
class TFormmodel;

// The work of a class in the window: experiment files opened and saved, the teacher's scenario
// (locked and hidden controls, instructions, timed changes), the group's names, answer and log, the
// student report and its printing, the line of results, the projector mode. It acts on the main
// window, whose operations it calls as the menus do.
class ClassWork : public QObject
{
    Q_OBJECT
public:
    explicit ClassWork(TFormmodel* window);
    ~ClassWork() override;

    // The items of the "Fichier" and "Affichage" menus, with their keys.
    void addFileItems(QMenu* fichier);
    void addViewItems(QMenu* affichage);

    // Opens an experiment file through the writer of the user's files. A file that cannot be read
    // or is faulty is told in a message box and changes nothing. True when it was applied.
    bool openFile(const QString& path);
    // The whole experiment as the window has it now: settings, scenario, group, answer, log, kept
    // runs, the run under way and the curves computed.
    velmora::ExperimentDocument currentDocument() const;
    // Applies a whole document, as Fichier › Ouvrir… does.
    void applyDocument(const velmora::ExperimentDocument& document);

    // Sets the values a lesson asks for, except those of controls that the scenario locks or hides:
    // those stay at the scenario's value. Returns the controls that were left as they were.
    velmora::PanelControls applyPreset(const velmora::PanelPreset& preset);

    // What the window tells. A panel command is first asked for: false when the scenario locks
    // what it would change (the panel is then set back to the locked value).
    bool allowsPanelCommand(velmora::PanelCommand command);
    bool allowsMenuReaction() const;
    void panelCommandDone(velmora::PanelCommand command);
    void experimentAboutToStart(std::uint32_t randomState);
    void experimentStarted();
    void tickDone();
    void curveKept(std::size_t count);
    void curveComputed(const velmora::ActivityCurveRecord& curve);
    void settingsLoaded();

    const velmora::Scenario& scenario() const { return document_.scenario; }
    const velmora::StudentGroup& group() const { return document_.group; }
    QString answer() const;
    void setAnswer(const QString& answer);
    const std::vector<velmora::LogEntry>& log() const { return document_.log; }
    bool projectionMode() const { return projection_; }
    InstructionsPanel* instructionsPanel() const { return panel_; }

    // The student report of the experiment as it stands, as PDF bytes; the line of results.
    QByteArray reportPdf() const;
    QString resultLine() const;

    // A function gives the path to open instead of the dialog (for tests); empty gives it back.
    using OpenPathChooser = std::function<QString()>;
    static void setOpenPathChooser(OpenPathChooser chooser);

public slots:
    void openExperiment();   // Fichier › Ouvrir…
    void saveExperiment();   // Fichier › Enregistrer l'expérience…
    void prepareScenario();  // Fichier › Préparer un scénario…
    void writeReport();      // Fichier › Compte rendu…
    void printReport();      // Fichier › Imprimer…
    void editGroup();        // Fichier › Groupe et classe…
    void copyResultLine();   // Fichier › Copier ma ligne de résultats
    void toggleProjection(); // Affichage › Mode projection
    void showInstructions();
    void toggleInstructions(); // Affichage › Consignes et réponse

private:
    void applySettings(const velmora::ExperimentSettings& settings);
    void applyTimedChanges();
    // A value set on the panel and its command sent ("enz": valeurenz, then changeenz), as the
    // group would, whatever the scenario locks.
    void changeOnPanel(const char* control, std::int32_t value);
    void changeOnPanel(const velmora::PanelEvent& event);
    void restoreRun(const velmora::RunSoFar& run);
    void applyScenario();
    void note(const QString& text);
    bool askGroupOnce();
    void lockedValueBack(velmora::PanelControl control);
    QString panelText(const char* variable) const;

    TFormmodel* window_;
    velmora::ExperimentDocument document_; // the scenario, group, answer, log and curves
    std::uint32_t runSeed_ = 0;
    std::int32_t ticksRun_ = 0;
    bool running_ = false;
    std::vector<velmora::PanelEvent> runEvents_; // the panel changes of the run under way
    bool bypassLocks_ = false;                   // while the window applies a file or a timed change
    bool projection_ = false;
    bool replaying_ = false; // a run of a file is being replayed
    QPointer<InstructionsPanel> panel_;
};
