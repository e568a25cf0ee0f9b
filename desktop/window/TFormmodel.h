#pragma once

#include "experiment/PanelValues.h"
#include "model/BoxVolume.h"
#include "model/WindowUpdate.h"
#include "model/World.h"
#include "render/GraphRenderer.h"
#include "render/SceneRenderer.h"

#include <QImage>
#include <QMainWindow>
#include <QSize>

#include <cstdint>
#include <memory>
#include <optional>

class ClassWork;
class DrawingSurface;
class GraphMenu;
class QAction;
class QActionGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QTimer;
class SpriteSet;
class TFormFlash;
class TFormInfo;
class TShockwaveFlash;
class WindowAccessibility;

// The main window: the molecule box (top left), the graph with its header (top right), the legend
// and comment movie (bottom left) and the control-panel movie (bottom right), under the menu bar.
// It owns the World. Its handlers keep the names of the menu items and controls they serve; each
// calls the model, then carries out what the model asks of the window.
class TFormmodel : public QMainWindow
{
    Q_OBJECT
public:
    // Laid out for a screen of the given size; by default the screen the window opens on.
    explicit TFormmodel(QSize screen = {}, QWidget* parent = nullptr);
    ~TFormmodel() override;

    velmora::World& world() { return *world_; }
    TFormFlash* fullScreenViewer() const { return FormFlash; }
    TFormInfo* graphViewer() const { return FormInfo; }
    // The graph's context menu, with the run's record and the kept runs.
    GraphMenu* graphMenu() const { return graphMenu_; }
    // Experiment files, the scenario, the group's work, the report (see ClassWork.h).
    ClassWork* classWork() const { return classWork_; }

    // Opens an experiment file, as Fichier › Ouvrir… does; false when it was refused.
    bool openExperimentFile(const QString& path);
    // Opens an explanation full-screen, as the menu's items do ("experiences.swf").
    void openLesson(const QString& movie);
    // Hides the guided experiments' model answers (a scenario's choice).
    void setModelAnswersHidden(bool hidden);
    // The projector's view: the graph large on white, thick curves, a large legend.
    void setProjectionMode(bool on);
    // How the graph is drawn: its texts' scale on this screen.
    const GraphLook& graphLook() const { return graphLook_; }

    // "Volume de la boîte" in per cent, for the next start; the box of the experiment under way.
    std::int32_t volume() const { return volume_; }
    velmora::SceneSize sceneSize() const;

    // The graph's hint, six lines joined by carriage returns.
    static QString graphHint();
    // The notice shown for the molecule models of the full version (no final full stop).
    static QString advancedFeaturesMessage();

public slots:
    // A later start of the program asked for the window, with a file to open or none.
    void handOffRequested(const QString& fileToOpen);

    // Start-up and the "Fichier" menu.
    void Formctivate();
    void Chargerlesvaleurspardfaut1Click();
    void Quitter1Click();

    // "Modèle".
    void recommencer1Click();
    void Pause1Click();
    void Arrter1Click();
    void Hydrolysedulactose1Click();
    void Synthsedulactose1Click();
    void Hydrolysedumaltose1Click();
    void Hydrolysedelamylose1Click();

    // "Affichage".
    void purger1Click();
    void N101Click();
    void N201Click();
    void N501Click();
    void N1001Click();
    void N2001Click();
    void N4001Click();
    void Grandssymboles1Click();
    void Petitssymboles1Click();
    void changelegende1Click();
    // A volume of the "Volume de la boîte" menu chosen: a change suspends the experiment, as a
    // quantity does; the new box is used from the next start.
    void volumeClick(std::int32_t percent);

    // "Cache".
    void Recalcdenat1Click();
    void recalccharge1Click();
    void afficherfps1Click();
    void effacerecran1Click();
    void affichermenucach1Click();
    void rafrachir1Click();
    void avancedansgraphe1Click();
    void rafraichircommentaire1Click();
    void suspendrexp1Click();

    // "En savoir plus sur".
    void plus1Click();
    void laractiondhydrolysedulactose1Click();
    void lemcanismedelacatalyseenzymatique1Click();

    // Timers, graph header and movies.
    void Timer1Timer();
    void Timer2Timer();
    void CheckBox1Click();
    void Image1Click();
    void FlashButFSCommand(const QString& command, const QString& args);
    void advancedFeaturesNotice();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class ClassWork;
    bool loadSettings(); // false when the file could not be read and applied
    void createControls();
    void createMenu();
    void layOut(QSize screen);
    void selectReaction(std::int32_t reaction);
    void chooseMaxProducts(std::int32_t caption);
    void chooseSymbolSize(bool small);
    void setVolume(std::int32_t percent); // checks its item and shows it beside the graph's title

    // What the window reads from and does for the model.
    velmora::ReactionChoice reactionChoice() const;
    velmora::PanelValues readPanel() const;
    std::optional<std::int32_t> readPanelInteger(const char* variable) const;
    void reportPanelFault(velmora::PanelFault fault);
    void carryOut(const velmora::WindowUpdate& update);

    void openFullScreen(const QString& movie);
    // Once the full-screen viewer is closed: the settings a lesson asked for, if any, on the panel.
    void applyRequestedPreset();
    void createGraphMenu();

    std::unique_ptr<velmora::World> world_;
    QSize screen_;
    std::int32_t volume_ = velmora::defaultVolume;
    GraphLook graphLook_;                     // the graph's texts growing with the screen
    SceneScale sceneScale_;                   // of the sprites below
    std::unique_ptr<SpriteSet> sceneSprites_; // the symbols at the size the box is drawn
    TFormFlash* FormFlash = nullptr;
    TFormInfo* FormInfo = nullptr;
    QImage ice_;

    DrawingSurface* DXDraw1 = nullptr;
    QFrame* PanelFlash = nullptr;
    TShockwaveFlash* FlashLegende = nullptr;
    QFrame* PanelComment = nullptr;
    TShockwaveFlash* FlashBut = nullptr;
    DrawingSurface* EcranSub = nullptr;
    QLabel* LabelPourcent = nullptr;
    QLabel* LabelPourcent0 = nullptr;
    QFrame* Panel3 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* LabelTemps = nullptr;
    QLabel* LabelVolume = nullptr; // the box's volume, when not 100 %
    QCheckBox* CheckBox1 = nullptr;
    QLabel* Imageglace = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    WindowAccessibility* accessibility_ = nullptr; // names, keyboard, what the scene and graph show

    QMenu* Cache1 = nullptr;
    QAction* reactionItems_[5] = {}; // indexed by reaction 1..4
    QAction* Grandssymboles1 = nullptr;
    QAction* Petitssymboles1 = nullptr;
    QAction* volumeItems_[velmora::boxVolumes.size()] = {};
    GraphMenu* graphMenu_ = nullptr;
    ClassWork* classWork_ = nullptr;
    bool modelAnswersHidden_ = false;
    bool projection_ = false; // the projector's mode: the graph larger, on paper's colours
    static constexpr double projectionScale = 1.75;
};
