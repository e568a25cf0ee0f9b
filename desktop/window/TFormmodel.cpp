#include "window/TFormmodel.h"

#include "window/ModelTexts.h"

#include "experiment/Comment.h"
#include "experiment/Lifecycle.h"
#include "experiment/PanelCommands.h"
#include "experiment/ReactionChoice.h"
#include "experiment/TemperaturePh.h"
#include "files/DataFolder.h"
#include "files/FileWriter.h"
#include "flash/TFormFlash.h"
#include "flash/TFormInfo.h"
#include "flash/TShockwaveFlash.h"
#include "graph/GraphMenu.h"
#include "lab/Experiment.h"
#include "lab/LessonPreset.h"
#include "model/Tick.h"
#include "model/TimeCourse.h"
#include "render/DrawingSurface.h"
#include "render/GeneratedPictures.h"
#include "render/GraphRenderer.h"
#include "render/SceneRenderer.h"
#include "render/SpriteSet.h"
#include "settings/IntegerText.h"
#include "settings/SettingsFile.h"
#include "window/ClassWork.h"
#include "window/ErrorReport.h"
#include "window/ScreenScale.h"
#include "window/WindowAccessibility.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>
#include <functional>
#include <utility>

using namespace velmora;

QString TFormmodel::graphHint()
{
    return tr(
        "Ce module n'est pas conçu pour\rdes exercices de cinétique.\r\rPour faire des calculs de vitesse "
        "initiale,\rcomparer plusieurs courbes, ou imprimer,\rveuillez utiliser le logiciel commercial "
        "Brendole.");
}

QString TFormmodel::advancedFeaturesMessage()
{
    return tr("Ces fonctionnalités avancées n'existent que dans la version commercialisée de Brendole");
}

namespace {

constexpr int timerInterval = 50; // milliseconds
const QColor silver(192, 192, 192);
const QColor moneyGreen(192, 220, 192);

QString fromModel(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Keeps both timers off while a modal window is open, then sets each back to its own earlier
// state: after a settings load during a run the scene timer is on and the tick off, and stays so.
class TimerHold
{
public:
    TimerHold(QTimer* sceneTimer, QTimer* tickTimer)
        : scene_(sceneTimer), tick_(tickTimer), sceneWasOn_(sceneTimer->isActive()),
          tickWasOn_(tickTimer->isActive())
    {
        scene_->stop();
        tick_->stop();
    }
    ~TimerHold()
    {
        if (sceneWasOn_) {
            scene_->start();
        }
        if (tickWasOn_) {
            tick_->start();
        }
    }
    TimerHold(const TimerHold&) = delete;
    TimerHold& operator=(const TimerHold&) = delete;

private:
    QTimer* scene_;
    QTimer* tick_;
    bool sceneWasOn_;
    bool tickWasOn_;
};

// The settings file's requests, carried out on the panel movie and the symbol-size menu.
class WindowSettingsTarget : public SettingsTarget
{
public:
    WindowSettingsTarget(TShockwaveFlash* panel, std::function<void(bool)> chooseSymbolSize,
                         std::function<void(std::int32_t)> chooseVolume)
        : panel_(panel), chooseSymbolSize_(std::move(chooseSymbolSize)),
          chooseVolume_(std::move(chooseVolume))
    {
    }
    void setPanelVariable(std::string_view name, std::string_view text) override
    {
        panel_->SetVariable(fromModel(name), fromModel(text));
    }
    void chooseSymbolSize(bool small) override { chooseSymbolSize_(small); }
    void chooseVolume(std::int32_t percent) override { chooseVolume_(percent); }
    std::string volumeNotAllowed(std::string_view text) override
    {
        return TFormmodel::tr("Volume de la boîte non permis\u00a0: «\u00a0%1\u00a0» (25, 50, 100, 200 ou "
                              "400\u00a0%)")
            .arg(fromModel(text))
            .toStdString();
    }

private:
    TShockwaveFlash* panel_;
    std::function<void(bool)> chooseSymbolSize_;
    std::function<void(std::int32_t)> chooseVolume_;
};

} // namespace

TFormmodel::TFormmodel(QSize screen, QWidget* parent)
    : QMainWindow(parent), world_(std::make_unique<World>()),
      screen_(screen.isValid() ? screen : QGuiApplication::primaryScreen()->geometry().size()),
      ice_(makeIcePicture())
{
    setObjectName("Formmodel");
    setWindowTitle(tr("Modélisation de l'activité enzymatique"));
    setWindowFlag(Qt::FramelessWindowHint);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, silver);
    setPalette(colours);
    setAutoFillBackground(true);
    setFont(QFont("Arial", 8));

    createControls();
    accessibility_ = new WindowAccessibility(this, *world_);
    createGraphMenu();
    classWork_ = new ClassWork(this);
    connect(graphMenu_, &GraphMenu::curveKept, classWork_, &ClassWork::curveKept);
    connect(graphMenu_, &GraphMenu::curveComputed, classWork_, &ClassWork::curveComputed);
    connect(graphMenu_, &GraphMenu::activityLessonRequested, this,
            [this] { openFullScreen(QStringLiteral("courbeactivite.swf")); });
    createMenu();
    scaleQtParts(*this, screen_);
    Formctivate();
    setWindowState(Qt::WindowMaximized);

    // The two viewers, hidden until opened.
    const QString movieDir = findMovieFolder();
    FormFlash = new TFormFlash(movieDir, screen_, this);
    FormInfo = new TFormInfo(movieDir, screen_, this);
}

TFormmodel::~TFormmodel() = default;

void TFormmodel::createControls()
{
    auto* client = new QWidget(this);
    setCentralWidget(client);

    DXDraw1 = new DrawingSurface(client);
    DXDraw1->setObjectName("DXDraw1");
    DXDraw1->setGeometry(0, 0, 400, 289);
    DXDraw1->setCursor(Qt::ForbiddenCursor);

    const auto moviePanel = [client](const char* name, TShockwaveFlash*& movie, const char* movieName) {
        auto* panel = new QFrame(client);
        panel->setObjectName(name);
        panel->setFrameShape(QFrame::NoFrame);
        auto* fill = new QVBoxLayout(panel);
        fill->setContentsMargins(0, 0, 0, 0);
        movie = new TShockwaveFlash(panel);
        movie->setObjectName(movieName);
        fill->addWidget(movie);
        return panel;
    };
    PanelFlash = moviePanel("PanelFlash", FlashLegende, "FlashLegende");
    PanelComment = moviePanel("PanelComment", FlashBut, "FlashBut");
    PanelComment->setAutoFillBackground(true);
    QPalette green = PanelComment->palette();
    green.setColor(QPalette::Window, moneyGreen);
    PanelComment->setPalette(green);
    connect(FlashBut, &TShockwaveFlash::FSCommand, this, &TFormmodel::FlashButFSCommand);
    connect(FlashLegende, &TShockwaveFlash::FSCommand, this, &TFormmodel::FlashButFSCommand);

    EcranSub = new DrawingSurface(client);
    EcranSub->setObjectName("EcranSub");
    EcranSub->setGeometry(0, 0, 209, 57);
    EcranSub->setCursor(Qt::CrossCursor);

    const auto label = [](QWidget* parent, const char* name, const QString& caption) {
        auto* l = new QLabel(caption, parent);
        l->setObjectName(name);
        l->adjustSize();
        return l;
    };
    LabelPourcent = label(client, "LabelPourcent", "100 %");
    LabelPourcent0 = label(client, "LabelPourcent0", "0 %");

    Panel3 = new QFrame(client);
    Panel3->setObjectName("Panel3");
    Panel3->setFrameShape(QFrame::NoFrame);
    Panel3->setAutoFillBackground(true);
    QPalette white = Panel3->palette();
    white.setColor(QPalette::Window, Qt::white);
    Panel3->setPalette(white);
    Panel3->resize(Panel3->width(), 49);

    Image1 = new QLabel(Panel3);
    Image1->setObjectName("Image1");
    Image1->setGeometry(4, 4, 32, 32);
    Image1->setPixmap(QPixmap::fromImage(makeInformationIcon()));
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setToolTip(tr("En savoir plus sur ce graphique"));
    Image1->installEventFilter(this);
    Label11 = label(Panel3, "Label11", tr("Graphique : [Substrat] en fonction du temps"));
    Label11->setWordWrap(true);
    Label11->setGeometry(40, 4, 124, Label11->heightForWidth(124));
    Label14 = label(Panel3, "Label14", tr("Temps :"));
    Label14->move(216, 4);
    LabelTemps = label(Panel3, "LabelTemps", QStringLiteral("0 s"));
    LabelTemps->move(263, 4);
    LabelTemps->setMinimumWidth(80);
    LabelVolume = label(Panel3, "LabelVolume", QString());
    LabelVolume->setWordWrap(true);
    LabelVolume->hide();
    CheckBox1 = new QCheckBox(tr("pourcentage"), Panel3);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->setGeometry(216, 20, 161, CheckBox1->sizeHint().height());
    CheckBox1->setCursor(Qt::PointingHandCursor);
    CheckBox1->setChecked(true);
    connect(CheckBox1, &QCheckBox::clicked, this, &TFormmodel::CheckBox1Click);

    Imageglace = new QLabel(client);
    Imageglace->setObjectName("Imageglace");
    Imageglace->setGeometry(0, 0, 256, 256);
    Imageglace->setPixmap(QPixmap::fromImage(ice_));
    Imageglace->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(timerInterval);
    connect(Timer1, &QTimer::timeout, this, &TFormmodel::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(timerInterval);
    connect(Timer2, &QTimer::timeout, this, &TFormmodel::Timer2Timer);
}

void TFormmodel::createGraphMenu()
{
    GraphMenu::Graph graph;
    graph.world = world_.get();
    graph.surface = EcranSub;
    graph.header = Panel3;
    graph.top = LabelPourcent;
    graph.bottom = LabelPourcent0;
    graph.timeTitle = Label14;
    graph.time = LabelTemps;
    graph.percent = CheckBox1;
    graph.settings = [this] {
        const PanelValues panel = readPanel();
        return experimentSettingsFor(*world_, sceneSize(), panel.valeurtemp.value_or(world_->temperature),
                                     panel.valeurph.value_or(world_->ph));
    };
    graph.redraw = [this] { rafrachir1Click(); };
    graphMenu_ = new GraphMenu(graph, this);
}

bool TFormmodel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Image1Click();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFormmodel::layOut(QSize screen)
{
    const auto half = [](int x) { return x / 2; };
    const int w = screen.width();
    const int h = screen.height();
    // The graph's texts grow with the screen from their designed sizes on a 1024 x 768 one, and the
    // graph's margins and header with them.
    // In the projector's mode, larger still, bold, and on paper's colours.
    graphLook_.scale = std::max(1.0, std::min(w / 1024.0, h / 768.0)) * (projection_ ? projectionScale : 1.0);
    graphLook_.onPaper = projection_;
    const auto px = [this](int designed) { return graphLook_.pixels(designed); };
    QFont graphFont = font();
    graphFont.setPointSizeF(font().pointSizeF() * graphLook_.scale);
    graphFont.setBold(projection_);
    for (QWidget* text :
         {static_cast<QWidget*>(Label11), static_cast<QWidget*>(Label14), static_cast<QWidget*>(LabelTemps),
          static_cast<QWidget*>(LabelVolume), static_cast<QWidget*>(CheckBox1),
          static_cast<QWidget*>(LabelPourcent), static_cast<QWidget*>(LabelPourcent0)}) {
        text->setFont(graphFont);
    }
    Panel3->resize(Panel3->width(), px(49));
    Image1->setGeometry(px(4), px(4), px(32), px(32));
    Image1->setScaledContents(true);
    Label11->setGeometry(px(40), px(4), px(124), Label11->heightForWidth(px(124)));
    Label14->move(px(216), px(4));
    Label14->adjustSize();
    LabelTemps->move(px(263), px(4));
    LabelTemps->setMinimumWidth(px(80));
    LabelTemps->adjustSize();
    CheckBox1->setGeometry(px(216), px(20), px(161), CheckBox1->sizeHint().height());
    LabelPourcent->adjustSize();
    LabelPourcent0->adjustSize();

    DXDraw1->setGeometry(0, 0, half(w), half(h));
    PanelComment->setGeometry(DXDraw1->width(), half(h), DXDraw1->width(), half(h));
    Panel3->setGeometry(PanelComment->x(), PanelComment->y() - Panel3->height(), PanelComment->width(),
                        Panel3->height());
    PanelFlash->setGeometry(DXDraw1->x(), DXDraw1->y() + DXDraw1->height(), DXDraw1->width(),
                            DXDraw1->height());
    // The volume, right of the check box.
    const int volumeLeft = CheckBox1->geometry().right() + px(8);
    LabelVolume->setGeometry(volumeLeft, px(4), std::max(0, Panel3->width() - volumeLeft - px(4)),
                             Panel3->height() - px(8));
    LabelVolume->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    EcranSub->setGeometry(PanelComment->x() + px(60), px(10), PanelComment->width() - px(80),
                          half(h) - Panel3->height() - px(20));
    LabelPourcent->move(EcranSub->x() - px(40), EcranSub->y());
    const int labelPoints = static_cast<int>(std::lround(LabelPourcent->font().pointSizeF()));
    LabelPourcent0->move(EcranSub->x() - px(40), EcranSub->y() + EcranSub->height() - labelPoints - px(20));
}

void TFormmodel::Formctivate()
{
    // 1. to 3., 6. and 9.: reaction 1, the sprite table, the data folder, 50 products at most,
    // the welcome pending.
    setWindowCreationDefaults(*world_, findDataFolder().toStdString());
    const QString appDir = findMovieFolder();

    // 4. and 5.
    setGeometry(0, 0, screen_.width(), screen_.height());
    layOut(screen_);

    // 7. and 8.
    FlashBut->setMovie(appDir + "/anims/panelbut.swf");
    FlashBut->Play();
    FlashLegende->setMovie(appDir + "/anims/panellegende.swf");
    FlashLegende->Play();
    // The panel starts from the World's values, so that what the settings file leaves out shows
    // what the model uses.
    for (const PanelVariable& variable : panelVariablesOf(*world_)) {
        FlashBut->SetVariable(fromModel(variable.name), QString::fromStdString(variable.text));
    }

    // 10.
    EcranSub->setToolTip(graphHint().replace('\r', '\n'));

    // 11. and 12. When the settings cannot be read, the reaction choice waits for the first
    // start, reaction or symbol choice.
    suspendrexp1Click();
    if (!loadSettings()) {
        return;
    }
    // 14. The symbols' size is the settings' or the menu's on every screen: a small screen draws
    // the box smaller, and its symbols with it.
    changelegende1Click();
}

bool TFormmodel::loadSettings()
{
    world_->appDir = findDataFolder().toStdString();
    WindowSettingsTarget target(
        FlashBut, [this](bool small) { chooseSymbolSize(small); },
        [this](std::int32_t percent) { setVolume(percent); });
    // Looked for on its own: a class folder may hold a settings file and no movies. Opened by the
    // window itself, within what its sandbox lets it read: a link cannot lead it to a file of the
    // user's that the window may not read.
    const int file = openSettingsFile(findSettingsFolder().toStdString() + "/velmora.ini");
    const std::string error = applySettingsFile(file, *world_, target);
    if (!error.empty()) {
        showErrorReport(settingsErrorText(error), this);
        return false;
    }
    if (classWork_) {
        classWork_->settingsLoaded();
    }
    world_->welcomePending = true;
    suspendrexp1Click();
    FlashBut->Rewind();
    FlashBut->Play();
    return true;
}

void TFormmodel::Chargerlesvaleurspardfaut1Click()
{
    loadSettings();
}

void TFormmodel::Quitter1Click()
{
    setWindowState(Qt::WindowNoState);
    resize(100, 100);
    close();
}

void TFormmodel::recommencer1Click()
{
    const PanelValues panel = readPanel();
    WindowUpdate update;
    classWork_->experimentAboutToStart(world_->random.state);
    const PanelFault fault =
        velmora::recommencer1Click(*world_, reactionChoice(), sceneSize(), panel, update);
    graphMenu_->experimentStarted();
    carryOut(update);
    reportPanelFault(fault);
    if (fault == PanelFault::none) {
        classWork_->experimentStarted();
    }
}

void TFormmodel::Pause1Click()
{
    WindowUpdate update;
    velmora::Pause1Click(*world_, Timer1->isActive(), update);
    carryOut(update);
}

void TFormmodel::Arrter1Click()
{
    WindowUpdate update;
    velmora::Arrter1Click(*world_, update);
    carryOut(update);
}

void TFormmodel::selectReaction(std::int32_t reaction)
{
    if (!classWork_->allowsMenuReaction() && reaction != world_->reactionIndex) {
        reactionItems_[world_->reactionIndex]->setChecked(true);
        return;
    }
    reactionItems_[reaction]->setChecked(true);
    WindowUpdate update;
    velmora::selectReaction(*world_, reactionChoice(), update);
    carryOut(update);
}

void TFormmodel::Hydrolysedulactose1Click()
{
    selectReaction(Reaction::lactoseHydrolysis);
}

void TFormmodel::Synthsedulactose1Click()
{
    selectReaction(Reaction::lactoseSynthesis);
}

void TFormmodel::Hydrolysedumaltose1Click()
{
    selectReaction(Reaction::maltoseHydrolysis);
}

void TFormmodel::Hydrolysedelamylose1Click()
{
    selectReaction(Reaction::amyloseHydrolysis);
}

void TFormmodel::purger1Click()
{
    velmora::purger1Click(*world_);
}

void TFormmodel::chooseMaxProducts(std::int32_t caption)
{
    velmora::chooseMaxProducts(*world_, caption);
}

void TFormmodel::N101Click()
{
    chooseMaxProducts(10);
}

void TFormmodel::N201Click()
{
    chooseMaxProducts(20);
}

void TFormmodel::N501Click()
{
    chooseMaxProducts(50);
}

void TFormmodel::N1001Click()
{
    chooseMaxProducts(100);
}

void TFormmodel::N2001Click()
{
    chooseMaxProducts(200);
}

void TFormmodel::N4001Click()
{
    chooseMaxProducts(400);
}

void TFormmodel::chooseSymbolSize(bool small)
{
    if (small) {
        Petitssymboles1Click();
    } else {
        Grandssymboles1Click();
    }
}

void TFormmodel::Grandssymboles1Click()
{
    Grandssymboles1->setChecked(true);
    changelegende1Click();
}

void TFormmodel::Petitssymboles1Click()
{
    Petitssymboles1->setChecked(true);
    changelegende1Click();
}

void TFormmodel::volumeClick(std::int32_t percent)
{
    if (percent == volume_ || !boxForVolume(percent)) {
        setVolume(volume_);
        return;
    }
    setVolume(percent);
    WindowUpdate update;
    changeVolume(*world_, update);
    carryOut(update);
}

void TFormmodel::setVolume(std::int32_t percent)
{
    if (!boxForVolume(percent)) {
        return;
    }
    volume_ = percent;
    for (std::size_t i = 0; i < boxVolumes.size(); ++i) {
        volumeItems_[i]->setChecked(boxVolumes[i].percent == percent);
    }
    LabelVolume->setText(tr("Volume de la boîte\u00a0: %1\u00a0%").arg(percent));
    LabelVolume->setVisible(percent != defaultVolume);
}

void TFormmodel::changelegende1Click()
{
    WindowUpdate update;
    velmora::changelegende1Click(*world_, reactionChoice(), update);
    carryOut(update);
}

void TFormmodel::Recalcdenat1Click()
{
    reportPanelFault(velmora::Recalcdenat1Click(*world_, readPanel()));
}

void TFormmodel::recalccharge1Click()
{
    reportPanelFault(velmora::recalccharge1Click(*world_, readPanel()));
}

void TFormmodel::afficherfps1Click()
{
    // The item's check mark is its only state, and the menu toggles it; nothing reads it.
}

void TFormmodel::effacerecran1Click()
{
    WindowUpdate update;
    velmora::effacerecran1Click(*world_, update);
    carryOut(update);
}

void TFormmodel::affichermenucach1Click()
{
    Cache1->menuAction()->setVisible(true);
}

void TFormmodel::rafrachir1Click()
{
    drawGraph(*EcranSub, *world_, graphMenu_->keptCurves(), graphLook_);
}

void TFormmodel::avancedansgraphe1Click()
{
    WindowUpdate update;
    velmora::avancedansgraphe1Click(*world_, update);
    carryOut(update);
}

void TFormmodel::rafraichircommentaire1Click()
{
    WindowUpdate update;
    velmora::rafraichircommentaire1Click(*world_, update);
    carryOut(update);
}

void TFormmodel::suspendrexp1Click()
{
    WindowUpdate update;
    velmora::suspendrexp1Click(*world_, update);
    carryOut(update);
}

void TFormmodel::plus1Click()
{
    // A movie may ask again while the viewer is open: it stays the one viewer, as it is.
    if (FormFlash->isVisible()) {
        return;
    }
    FormFlash->Tag = 1;
    {
        const TimerHold hold(Timer1, Timer2);
        FormFlash->movieFile = QStringLiteral("ensavoirplus.swf");
        FormFlash->Activer1Click();
        FormFlash->exec();
    }
    FormFlash->Tag = 0;
    applyRequestedPreset();
}

void TFormmodel::openFullScreen(const QString& movie)
{
    if (FormFlash->isVisible()) {
        return;
    }
    {
        const TimerHold hold(Timer1, Timer2);
        FormFlash->movieFile = movie;
        FormFlash->Activer1Click();
        FormFlash->player()->Play();
        FormFlash->exec();
    }
    applyRequestedPreset();
}

void TFormmodel::applyRequestedPreset()
{
    const QString request = std::exchange(FormFlash->requestedPreset, QString());
    if (request.isEmpty()) {
        return;
    }
    // A movie is code that a user may replace: a faulty request changes nothing.
    const LessonPresetReading reading = readLessonPreset(request.toStdString());
    if (!reading.preset) {
        std::fprintf(stderr, "velmora2: « Essayer dans Velmora » refusé : %s\n", reading.error.c_str());
        return;
    }
    // The values go on the panel as from an experiment file, but for the controls that the class's
    // scenario locks or hides: those keep their value, greyed on the panel with the reason.
    classWork_->applyPreset(*reading.preset);
    const Scenario& scenario = classWork_->scenario();
    if (reading.volume &&
        !(scenario.locked.has(PanelControl::volume) || scenario.hidden.has(PanelControl::volume))) {
        volumeClick(*reading.volume);
    }
}

void TFormmodel::laractiondhydrolysedulactose1Click()
{
    openFullScreen(QStringLiteral("hydrolyselactose.swf"));
}

void TFormmodel::lemcanismedelacatalyseenzymatique1Click()
{
    openFullScreen(QStringLiteral("mecanisme.swf"));
}

void TFormmodel::Timer1Timer()
{
    // The box is drawn as large as the scene allows, its symbols drawn anew at that size.
    const SceneScale scale = sceneScale(DXDraw1->size(), sceneSize());
    if (!sceneSprites_ || scale.numerator != sceneScale_.numerator ||
        scale.denominator != sceneScale_.denominator) {
        sceneSprites_ = std::make_unique<SpriteSet>(SpriteSet::shared(), scale.numerator, scale.denominator);
    }
    sceneScale_ = scale;
    drawSceneFrame(*DXDraw1, *sceneSprites_, ice_, *world_, scale);
}

void TFormmodel::Timer2Timer()
{
    WindowUpdate update;
    velmora::Timer2Timer(*world_, sceneSize(), update);
    graphMenu_->tickDone(update);
    carryOut(update);
    classWork_->tickDone();
}

void TFormmodel::CheckBox1Click()
{
    const AxisLabels labels = axisLabels(world_->substrateAmount, CheckBox1->isChecked(),
                                         translatedModelText("TimeCourse", arbitraryUnit).toStdString());
    LabelPourcent->setText(QString::fromStdString(labels.top));
    LabelPourcent->adjustSize();
    LabelPourcent0->setText(QString::fromStdString(labels.bottom));
    LabelPourcent0->adjustSize();
}

void TFormmodel::Image1Click()
{
    // The graph's explanation: the experiment goes on behind it.
    FormInfo->movieFile = QStringLiteral("infograph.swf");
    FormInfo->Tag = 1;
    FormInfo->Activer1Click();
    FormInfo->exec();
}

void TFormmodel::FlashButFSCommand(const QString& command, const QString&)
{
    const std::optional<PanelCommand> known = panelCommandFor(command.toStdString());
    if (!known) {
        return; // an unknown command does nothing
    }
    // What the scenario fixes is not changed, whatever the movie sends.
    if (!classWork_->allowsPanelCommand(*known)) {
        return;
    }
    if (*known == PanelCommand::recommencer) {
        classWork_->experimentAboutToStart(world_->random.state);
    }
    const auto text = [this](const char* variable) { return FlashBut->GetVariable(variable).toStdString(); };
    const PanelTexts panel{text("valeurtemp"), text("valeurph"), text("valeurenz"), text("valeursub"),
                           text("valeurautre")};
    WindowUpdate update;
    const CommandOutcome outcome =
        handlePanelCommand(*world_, *known, panel, reactionChoice(), sceneSize(), Timer1->isActive(), update);
    if (*known == PanelCommand::recommencer) {
        graphMenu_->experimentStarted();
    }
    if (outcome.fault == PanelFault::none) {
        classWork_->panelCommandDone(*known);
    }
    if (outcome.menuChecks) {
        reactionItems_[outcome.menuChecks->checkedReaction]->setChecked(true);
        (outcome.menuChecks->smallSymbols ? Petitssymboles1 : Grandssymboles1)->setChecked(true);
    }
    carryOut(update);
    reportPanelFault(outcome.fault);
    if (*known == PanelCommand::recommencer && outcome.fault == PanelFault::none) {
        classWork_->experimentStarted();
    }
    if (outcome.advancedFeaturesNotice) {
        advancedFeaturesNotice();
    }
    if (outcome.openMenuMovie) {
        plus1Click();
    }
    if (outcome.quit) {
        Quitter1Click();
    }
}

void TFormmodel::advancedFeaturesNotice()
{
    // While the notice is open, a further request for it is ignored: a movie asking every
    // millisecond would otherwise stack boxes until the program ran out of stack.
    if (findChild<QMessageBox*>("advancedFeaturesNotice", Qt::FindDirectChildrenOnly)) {
        return;
    }
    const TimerHold hold(Timer1, Timer2);
    QMessageBox notice(QMessageBox::Information, applicationTitle(), advancedFeaturesMessage(),
                       QMessageBox::Ok, this);
    notice.setObjectName("advancedFeaturesNotice");
    notice.exec();
}

ReactionChoice TFormmodel::reactionChoice() const
{
    ReactionChoice choice{world_->reactionIndex, Petitssymboles1->isChecked()};
    for (std::int32_t reaction = Reaction::lactoseHydrolysis; reaction <= Reaction::amyloseHydrolysis;
         ++reaction) {
        if (reactionItems_[reaction]->isChecked()) {
            choice.checkedReaction = reaction;
        }
    }
    return choice;
}

SceneSize TFormmodel::sceneSize() const
{
    // The same box on every screen: only the volume changes it, and only between experiments.
    return *boxForVolume(volume_);
}

std::optional<std::int32_t> TFormmodel::readPanelInteger(const char* variable) const
{
    return parseDecimalInteger(FlashBut->GetVariable(variable).toStdString());
}

PanelValues TFormmodel::readPanel() const
{
    return {readPanelInteger("valeurtemp"), readPanelInteger("valeurph")};
}

void TFormmodel::reportPanelFault(PanelFault fault)
{
    if (fault == PanelFault::none) {
        return;
    }
    const QString text = FlashBut->GetVariable(fromModel(panelVariableName(fault)));
    showErrorReport(QString::fromStdString(notAnIntegerMessage(text.toStdString())), this);
}

void TFormmodel::carryOut(const WindowUpdate& update)
{
    if (update.sceneTimer) {
        *update.sceneTimer ? Timer1->start() : Timer1->stop();
    }
    if (update.tickTimer) {
        *update.tickTimer ? Timer2->start() : Timer2->stop();
    }
    if (update.blankScene) {
        DXDraw1->fill(Qt::white);
        DXDraw1->flip();
    }
    if (update.refreshAxisLabels) {
        CheckBox1Click();
    }
    if (update.elapsedSeconds) {
        LabelTemps->setText(QString::fromStdString(timeLabelText(*update.elapsedSeconds)));
    }
    if (update.redrawGraph) {
        rafrachir1Click();
    }
    if (update.smallSymbolBoxes) {
        FlashLegende->TSetProperty("cadre1", 7, *update.smallSymbolBoxes ? "1" : "0");
        FlashLegende->TSetProperty("cadre2", 7, *update.smallSymbolBoxes ? "0" : "1");
    }
    if (update.legendFrame) {
        FlashLegende->TGotoFrame("legende", *update.legendFrame);
    }
    if (update.comment) {
        FlashLegende->SetVariable("texte", translatedModelText("Comment", *update.comment));
    }
    if (update.panelFrame) {
        FlashBut->GotoFrame(*update.panelFrame);
    }
    if (update.reactionName) {
        FlashBut->SetVariable("nomreac", translatedModelText("Catalogue", *update.reactionName));
    }
    accessibility_->followUpdate(update);
}
