#include "graph/ActivityWindow.h"

#include "lab/RunWords.h"
#include "lab/Workbook.h"
#include "model/Catalogue.h"

#include "files/SaveDialog.h"
#include "graph/ActivityTable.h"
#include "graph/GraphExport.h"
#include "lab/BatchCommand.h"
#include "lab/SweepTable.h"
#include "plot/ActivityChart.h"
#include "plot/ChartRenderer.h"
#include "window/ErrorReport.h"
#include "window/ModelTexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <sstream>

using namespace velmora;

namespace {

QString fromCore(const std::string& text)
{
    return QString::fromStdString(text);
}

ActivityWindow::SweepRunner& sweepRunner()
{
    static ActivityWindow::SweepRunner runner;
    return runner;
}

// The size in which the saved pictures are drawn, as velmora2-batch draws them.
constexpr int savedWidth = 960;
constexpr int savedHeight = 640;

} // namespace

ActivityWindow::ActivityWindow(ActivityCurve curve, const ExperimentSettings& settings, QWidget* parent)
    : QDialog(parent), curve_(curve), plan_(activityCurvePlan(curve, settings)),
      words_(translatedChartWords()), current_(currentSetting(curve, settings))
{
    setObjectName("activityWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    QString title;
    switch (curve) {
    case ActivityCurve::temperature:
        title = tr("Courbe d’activité selon la température");
        break;
    case ActivityCurve::ph:
        title = tr("Courbe d’activité selon le pH");
        break;
    case ActivityCurve::substrate:
        title = tr("Courbe d’activité selon la quantité de substrat");
        break;
    case ActivityCurve::inhibitor:
        title = tr("Courbe d’activité selon la quantité d’inhibiteur");
        break;
    }
    setWindowTitle(title);

    auto* column = new QVBoxLayout(this);
    intro_ = new QLabel(this);
    intro_->setObjectName("activityIntro");
    intro_->setWordWrap(true);
    column->addWidget(intro_);

    // What is measured and how: a change computes the curve anew.
    auto* choices = new QHBoxLayout;
    const auto choice = [&](QWidget* widget, const QString& caption, const char* name) {
        widget->setObjectName(name);
        auto* label = new QLabel(caption, this);
        label->setBuddy(widget);
        choices->addWidget(label);
        choices->addWidget(widget);
        choices->addSpacing(12);
    };
    measureChoice_ = new QComboBox(this);
    measureChoice_->addItem(tr("vitesse initiale"), static_cast<int>(Measure::initialRate));
    measureChoice_->addItem(tr("temps de demi-réaction"), static_cast<int>(Measure::halfTime));
    choice(measureChoice_, tr("&Mesure\u00a0:"), "measureChoice");
    shareChoice_ = new QSpinBox(this);
    shareChoice_->setRange(1, largestInitialRateShare);
    shareChoice_->setValue(plan_.measures.initialRateShare);
    shareChoice_->setSuffix(tr("\u00a0%"));
    shareChoice_->setToolTip(
        tr("La vitesse initiale est prise jusqu’à ce que cette part du substrat soit transformée."));
    choice(shareChoice_, tr("&Part transformée\u00a0:"), "shareChoice");
    repeatsChoice_ = new QComboBox(this);
    for (const int repeats : {10, 20, 50}) {
        repeatsChoice_->addItem(QString::number(repeats), repeats);
    }
    choice(repeatsChoice_, tr("E&xpériences par point\u00a0:"), "repeatsChoice");
    choices->addStretch(1);
    column->addLayout(choices);

    picture_ = new QLabel(this);
    picture_->setObjectName("activityPicture");
    picture_->setAccessibleName(title);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setMinimumSize(560, 370);
    picture_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    picture_->setAutoFillBackground(true);
    QPalette white = picture_->palette();
    white.setColor(QPalette::Window, Qt::white);
    picture_->setPalette(white);
    column->addWidget(picture_, 1);

    auto* progressRow = new QHBoxLayout;
    progress_ = new QProgressBar(this);
    progress_->setObjectName("activityProgress");
    progress_->setFormat(tr("%p\u00a0%"));
    progress_->setAccessibleName(tr("Avancement du calcul"));
    progressRow->addWidget(progress_, 1);
    cancelButton_ = new QPushButton(tr("&Annuler le calcul"), this);
    cancelButton_->setObjectName("cancelButton");
    progressRow->addWidget(cancelButton_);
    computeButton_ = new QPushButton(tr("&Recommencer le calcul"), this);
    computeButton_->setObjectName("computeButton");
    progressRow->addWidget(computeButton_);
    column->addLayout(progressRow);
    status_ = new QLabel(this);
    status_->setObjectName("activityStatus");
    status_->setWordWrap(true);
    column->addWidget(status_);

    fitText_ = new QLabel(this);
    fitText_->setObjectName("fitText");
    fitText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fitText_->setWordWrap(true);
    column->addWidget(fitText_);
    lineweaverBurk_ = new QCheckBox(tr("Représentation de &Lineweaver-Burk (1/v selon 1/S)"), this);
    lineweaverBurk_->setObjectName("lineweaverBurk");
    lineweaverBurk_->setVisible(plan_.x.parameter == SweepParameter::substrate);
    column->addWidget(lineweaverBurk_);

    // The equivalent velmora2-batch command, for the teacher, behind a disclosure.
    commandShown_ = new QToolButton(this);
    commandShown_->setObjectName("commandDisclosure");
    commandShown_->setText(tr("Commande é&quivalente"));
    commandShown_->setCheckable(true);
    commandShown_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    commandShown_->setArrowType(Qt::RightArrow);
    commandShown_->setAutoRaise(true);
    column->addWidget(commandShown_);
    command_ = new QLabel(this);
    command_->setObjectName("batchCommand");
    command_->setWordWrap(true);
    command_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette grey = command_->palette();
    grey.setColor(QPalette::WindowText, QColor(90, 90, 90));
    command_->setPalette(grey);
    command_->setVisible(false);
    column->addWidget(command_);

    auto* buttons = new QHBoxLayout;
    tableForm_ = new QComboBox(this);
    tableForm_->setObjectName("tableForm");
    tableForm_->addItem(tr("une ligne par point"));
    tableForm_->addItem(tr("une colonne par courbe, avec Km et Vmax"));
    auto* tableLabel = new QLabel(tr("&Tableau copié\u00a0:"), this);
    tableLabel->setBuddy(tableForm_);
    buttons->addWidget(tableLabel);
    buttons->addWidget(tableForm_);
    copyButton_ = new QPushButton(tr("&Copier les données"), this);
    copyButton_->setObjectName("copyButton");
    saveDataButton_ = new QPushButton(tr("&Enregistrer les données…"), this);
    saveDataButton_->setObjectName("saveDataButton");
    saveImageButton_ = new QPushButton(tr("Enregistrer l’&image…"), this);
    saveImageButton_->setObjectName("saveImageButton");
    auto* closeButton = new QPushButton(tr("&Fermer"), this);
    closeButton->setObjectName("closeButton");
    // For a projector: the curve over the whole screen, and back (F11 too).
    auto* fullScreen = new QPushButton(tr("&Plein écran"), this);
    fullScreen->setObjectName("fullScreenButton");
    fullScreen->setCheckable(true);
    fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    connect(fullScreen, &QPushButton::toggled, this,
            [this](bool on) { on ? showFullScreen() : showNormal(); });
    for (QPushButton* button : {copyButton_, saveDataButton_, saveImageButton_, fullScreen}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    column->addLayout(buttons);
    // Enter presses the button that has the focus, never one chosen in advance.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
    }

    connect(cancelButton_, &QPushButton::clicked, this, &ActivityWindow::cancel);
    connect(computeButton_, &QPushButton::clicked, this, &ActivityWindow::compute);
    connect(lineweaverBurk_, &QCheckBox::toggled, this, &ActivityWindow::showChart);
    connect(copyButton_, &QPushButton::clicked, this, &ActivityWindow::copyData);
    connect(saveDataButton_, &QPushButton::clicked, this, &ActivityWindow::saveData);
    connect(saveImageButton_, &QPushButton::clicked, this, &ActivityWindow::saveImage);
    connect(closeButton, &QPushButton::clicked, this, &ActivityWindow::reject);
    connect(commandShown_, &QToolButton::toggled, this, [this](bool shown) {
        commandShown_->setArrowType(shown ? Qt::DownArrow : Qt::RightArrow);
        command_->setVisible(shown);
    });
    connect(measureChoice_, &QComboBox::currentIndexChanged, this, &ActivityWindow::choicesChanged);
    connect(repeatsChoice_, &QComboBox::currentIndexChanged, this, &ActivityWindow::choicesChanged);
    connect(shareChoice_, &QSpinBox::valueChanged, this, &ActivityWindow::choicesChanged);

    // Large enough for the curve and its legend, larger on a larger screen.
    const QSize room =
        (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry().size();
    resize(std::clamp(room.width() * 11 / 20, std::min(860, room.width()), room.width()),
           std::clamp(room.height() * 17 / 20, std::min(760, room.height()), room.height()));
    choicesChanged();
}

Measure ActivityWindow::measure() const
{
    return static_cast<Measure>(measureChoice_->currentData().toInt());
}

void ActivityWindow::choicesChanged()
{
    const bool rate = measure() == Measure::initialRate;
    plan_.measures.initialRate = rate;
    plan_.measures.halfTime = !rate;
    plan_.measures.initialRateShare = shareChoice_->value();
    plan_.replicates = repeatsChoice_->currentData().toInt();
    shareChoice_->setEnabled(rate);
    lineweaverBurk_->setVisible(rate && plan_.x.parameter == SweepParameter::substrate);
    intro_->setText((rate ? tr("Chaque point est la vitesse initiale moyenne de %1\u00a0"
                               "expériences faites avec les réglages actuels, prise jusqu’à ce que %2\u00a0% "
                               "du substrat de "
                               "départ soit transformé.")
                                .arg(plan_.replicates)
                                .arg(plan_.measures.initialRateShare)
                          : tr("Chaque point est le temps de demi-réaction moyen de %1\u00a0"
                               "expériences faites avec les réglages actuels.")
                                .arg(plan_.replicates)) +
                    ' ' + tr("L’expérience de la fenêtre principale continue pendant le calcul."));
    command_->setText(batchCommandText());
    compute();
}

ActivityWindow::~ActivityWindow()
{
    stopWorker();
}

void ActivityWindow::setSweepRunner(SweepRunner runner)
{
    sweepRunner() = std::move(runner);
}

QString ActivityWindow::batchCommandText() const
{
    return fromCore(batchCommand(sweepArguments(plan_)));
}

void ActivityWindow::stopWorker()
{
    if (worker_.joinable()) {
        cancel_ = true;
        worker_.join();
    }
}

void ActivityWindow::cancel()
{
    cancel_ = true;
    cancelButton_->setEnabled(false);
    status_->setText(tr("Arrêt du calcul…"));
}

void ActivityWindow::compute()
{
    stopWorker();
    result_.reset();
    fits_ = {};
    cancel_ = false;
    progress_->setValue(0);
    progress_->setVisible(true);
    cancelButton_->setVisible(true);
    cancelButton_->setEnabled(true);
    computeButton_->setVisible(false);
    for (QWidget* needsResult :
         std::initializer_list<QWidget*>{copyButton_, saveDataButton_, saveImageButton_, lineweaverBurk_}) {
        needsResult->setEnabled(false);
    }
    fitText_->clear();
    fitText_->setVisible(false);
    status_->setText(tr("Calcul en cours…"));
    picture_->setPixmap({});
    picture_->setText(tr("Calcul en cours…"));
    if (cancelButton_->isVisibleTo(this)) {
        cancelButton_->setFocus();
    }

    const SweepPlan plan = plan_;
    const SweepRunner runner = sweepRunner() ? sweepRunner() : SweepRunner(runSweep);
    worker_ = std::thread([this, plan, runner] {
        auto outcome = std::make_shared<SweepResult>();
        auto fits = std::make_shared<SweepFits>();
        QString failure;
        try {
            SweepControl control;
            // A core is left to the main window, whose experiment runs on.
            const unsigned cores = std::thread::hardware_concurrency();
            control.jobs = cores > 1 ? cores - 1 : 1;
            control.cancel = &cancel_;
            int shownPercent = -1; // the calls never overlap
            control.progress = [this, &shownPercent](SweepProgress progress) {
                const auto percent =
                    static_cast<int>(100 * progress.runsDone / std::max<std::size_t>(progress.runsTotal, 1));
                if (percent != shownPercent) {
                    shownPercent = percent;
                    QMetaObject::invokeMethod(
                        this, [this, progress] { showProgress(progress.runsDone, progress.runsTotal); },
                        Qt::QueuedConnection);
                }
            };
            *outcome = runner(plan, control);
            if (!outcome->cancelled) {
                *fits = sweepFits(*outcome);
            }
        } catch (const std::exception& error) {
            failure = QString::fromLocal8Bit(error.what());
        }
        QMetaObject::invokeMethod(
            this,
            [this, outcome, fits, failure] {
                fits_ = *fits;
                finish(outcome, failure);
            },
            Qt::QueuedConnection);
    });
}

std::optional<ActivityCurveRecord> ActivityWindow::curveRecord() const
{
    if (!result_) {
        return std::nullopt;
    }
    static constexpr const char* variables[]{"temperature", "ph", "substrate", "inhibitor"};
    ActivityCurveRecord record;
    record.variable = variables[static_cast<std::size_t>(curve_)];
    CourseRecord settings;
    settings.start(plan_.base);
    record.description = std::string(reactionName(plan_.base.reaction)) + ", " + shortSettings(settings);
    const std::size_t perSeries = plan_.x.values.size();
    for (std::size_t i = 0; i < result_->points.size() && i < perSeries; ++i) {
        const SweepPoint& point = result_->points[i];
        if (point.initialRate.count > 0) {
            record.points.push_back({static_cast<double>(point.xValue), point.initialRate.mean});
        }
    }
    if (!fits_.empty() && fits_.series.front().verdict == FitVerdict::fitted) {
        record.km = fits_.series.front().km;
        record.vmax = fits_.series.front().vmax;
    }
    return record;
}

void ActivityWindow::showProgress(std::size_t done, std::size_t total)
{
    progress_->setMaximum(static_cast<int>(total));
    progress_->setValue(static_cast<int>(done));
}

void ActivityWindow::finish(std::shared_ptr<SweepResult> result, QString failure)
{
    if (worker_.joinable()) {
        worker_.join();
    }
    progress_->setVisible(false);
    cancelButton_->setVisible(false);
    const bool focusWasOnCancel = !focusWidget() || focusWidget() == cancelButton_;
    if (!failure.isEmpty() || result->cancelled) {
        fits_ = {};
        computeButton_->setVisible(true);
        status_->setText(failure.isEmpty() ? tr("Calcul annulé.")
                                           : tr("Le calcul n’a pas pu aboutir\u00a0: %1.").arg(failure));
        picture_->setText(status_->text());
        if (focusWasOnCancel) {
            computeButton_->setFocus();
        }
        emit computed();
        return;
    }
    result_ = std::move(result);
    for (QWidget* needsResult : {static_cast<QWidget*>(copyButton_), static_cast<QWidget*>(saveDataButton_),
                                 static_cast<QWidget*>(saveImageButton_)}) {
        needsResult->setEnabled(true);
    }
    const bool anyPoint =
        std::any_of(fits_.series.begin(), fits_.series.end(),
                    [](const MichaelisMentenFit& fit) { return !fit.lineweaverBurk.reciprocals.empty(); });
    lineweaverBurk_->setEnabled(anyPoint);
    if (!fits_.empty()) {
        const Chart chart = activityChart(*result_, measure(), fits_, words_);
        QStringList lines;
        for (std::size_t s = 0; s < chart.series.size(); ++s) {
            if (chart.series[s].notes.empty()) {
                continue; // a curve of another model, told with that model
            }
            QStringList notes;
            for (const std::string& note : chart.series[s].notes) {
                notes << fromCore(note);
            }
            const QString joined = notes.join(tr("\u202f; "));
            lines << (chart.series[s].label.empty()
                          ? joined
                          : tr("%1\u00a0: %2").arg(fromCore(chart.series[s].label), joined));
        }
        fitText_->setText(lines.join('\n'));
        fitText_->setVisible(true);
    }
    const std::size_t runs = result_->points.size() * static_cast<std::size_t>(plan_.replicates);
    status_->setText(tr("Calcul terminé\u00a0: %1\u00a0"
                        "expériences.")
                         .arg(runs));
    if (const std::string note = cutShortNote(*result_, words_); !note.empty()) {
        status_->setText(status_->text() + ' ' + fromCore(note));
    }
    showChart();
    if (focusWasOnCancel) {
        copyButton_->setFocus();
    }
    emit computed();
}

Chart ActivityWindow::shownChart() const
{
    if (!result_) {
        return {};
    }
    const std::string value = parameterValueText(plan_.x.parameter, current_, plan_.base.reaction, words_);
    return shownActivityChart(*result_, measure(), fits_, words_, lineweaverBurk_->isChecked(), current_,
                              tr("réglage actuel\u00a0: %1").arg(fromCore(value)).toStdString());
}

void ActivityWindow::showChart()
{
    if (!result_) {
        return;
    }
    const QSize size = picture_->contentsRect().size();
    const qreal ratio = devicePixelRatioF();
    // Texts and lines grow with a window larger than the one they were designed for.
    const double larger = std::clamp(std::min(size.width() / 900.0, size.height() / 620.0), 1.0, 3.0);
    const ChartImage drawn = renderChartImage(shownChart(), qRound(size.width() * ratio),
                                              qRound(size.height() * ratio), ratio * larger);
    if (drawn.pixels.empty()) {
        return;
    }
    QImage image(drawn.pixels.data(), drawn.width, drawn.height, drawn.stride,
                 QImage::Format_ARGB32_Premultiplied);
    QImage owned = image.copy();
    owned.setDevicePixelRatio(ratio);
    picture_->setPixmap(QPixmap::fromImage(owned));
}

void ActivityWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    showChart();
}

void ActivityWindow::reject()
{
    stopWorker();
    QDialog::reject();
}

QByteArray ActivityWindow::tableCsv() const
{
    if (!result_) {
        return {};
    }
    // For a spreadsheet of the window's language: in French, semicolons and decimal commas.
    const bool decimalComma = GraphExport::spreadsheetNumber(0.5, 1).contains(',');
    return tableText().replace('\t', decimalComma ? QChar(';') : QChar(',')).toUtf8();
}

QString ActivityWindow::tableText() const
{
    if (!result_) {
        return {};
    }
    return tableForm_->currentIndex() == 0 ? ActivityTable::longForm(*result_, measure())
                                           : ActivityTable::wideForm(*result_, measure(), fits_, words_);
}

void ActivityWindow::copyData()
{
    QApplication::clipboard()->setText(tableText());
}

namespace {

QString fileBase(ActivityCurve curve)
{
    switch (curve) {
    case ActivityCurve::temperature:
        return ActivityWindow::tr("activite-temperature");
    case ActivityCurve::ph:
        return ActivityWindow::tr("activite-ph");
    case ActivityCurve::substrate:
        return ActivityWindow::tr("activite-substrat");
    case ActivityCurve::inhibitor:
        return ActivityWindow::tr("activite-inhibiteur");
    }
    return {};
}

} // namespace

void ActivityWindow::saveData()
{
    if (!result_) {
        return;
    }
    const QString path = chooseSavePath(this, {tr("Enregistrer les données de la courbe"),
                                               fileBase(curve_) + ".csv",
                                               {tr("Données CSV (*.csv)"), tr("Classeur Excel (*.xlsx)")}});
    if (path.isEmpty()) {
        return;
    }
    if (path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive)) {
        saveWorkbookToPath(this, path, sweepWorkbook(*result_));
    } else {
        saveToPath(this, path, tableCsv());
    }
}

void ActivityWindow::saveImage()
{
    if (!result_) {
        return;
    }
    QString path = chooseSavePath(
        this, {tr("Enregistrer l’image de la courbe"),
               fileBase(curve_) + ".png",
               {tr("Image PNG (*.png)"), tr("Image vectorielle SVG (*.svg)"), tr("Document PDF (*.pdf)")}});
    if (path.isEmpty()) {
        return;
    }
    std::optional<ChartFormat> format = chartFormatFor(QFile::encodeName(path).toStdString());
    if (!format) {
        path += QStringLiteral(".png");
        format = ChartFormat::png;
    }
    std::ostringstream out;
    if (!writeChart(shownChart(), *format, out, savedWidth, savedHeight)) {
        showErrorReport(tr("L’image n’a pas pu être dessinée"), this);
        return;
    }
    const std::string bytes = out.str();
    saveToPath(this, path, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}
