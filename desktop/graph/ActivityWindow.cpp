#include "graph/ActivityWindow.h"

#include "lab/RunWords.h"
#include "lab/Workbook.h"
#include "model/Catalogue.h"

#include "files/SaveDialog.h"
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
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
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
    auto* intro = new QLabel(tr("Chaque point est la vitesse initiale moyenne de %1\u00a0"
                                "expériences faites avec les réglages "
                                "actuels. L’expérience de la fenêtre principale continue pendant le calcul.")
                                 .arg(plan_.replicates),
                             this);
    intro->setWordWrap(true);
    column->addWidget(intro);

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
    column->addWidget(fitText_);
    lineweaverBurk_ = new QCheckBox(tr("Représentation de &Lineweaver-Burk (1/v selon 1/S)"), this);
    lineweaverBurk_->setObjectName("lineweaverBurk");
    lineweaverBurk_->setVisible(plan_.x.parameter == SweepParameter::substrate);
    column->addWidget(lineweaverBurk_);

    auto* command = new QLabel(tr("Le même calcul sans fenêtre\u00a0: %1").arg(batchCommandText()), this);
    command->setObjectName("batchCommand");
    command->setWordWrap(true);
    command->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette grey = command->palette();
    grey.setColor(QPalette::WindowText, QColor(90, 90, 90));
    command->setPalette(grey);
    column->addWidget(command);

    auto* buttons = new QHBoxLayout;
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

    resize(820, 680);
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
    fits_.clear();
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
        auto fits = std::make_shared<std::vector<MichaelisMentenFit>>();
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
                *fits = fitSweep(*outcome);
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
    if (!fits_.empty() && fits_.front().verdict == FitVerdict::fitted) {
        record.km = fits_.front().km;
        record.vmax = fits_.front().vmax;
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
        fits_.clear();
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
    const bool anyLine = std::any_of(
        fits_.begin(), fits_.end(), [](const MichaelisMentenFit& fit) { return fit.lineweaverBurk.hasLine; });
    lineweaverBurk_->setEnabled(anyLine);
    if (!fits_.empty()) {
        const Chart chart = activityChart(*result_, Measure::initialRate, fits_, words_);
        QStringList lines;
        for (std::size_t s = 0; s < chart.series.size(); ++s) {
            QStringList notes;
            for (const std::string& note : chart.series[s].notes) {
                notes << fromCore(note);
            }
            const QString joined = notes.join(tr(" ; "));
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
    const Chart curve = activityChart(*result_, Measure::initialRate, fits_, words_);
    if (lineweaverBurk_->isChecked() && !fits_.empty()) {
        Chart view = lineweaverBurkChart(fits_, words_);
        view.subtitle = curve.title + (curve.subtitle.empty() ? "" : words_.listComma + curve.subtitle);
        for (std::size_t s = 0; s < view.series.size() && s < curve.series.size(); ++s) {
            view.series[s].label = curve.series[s].label;
        }
        return view;
    }
    Chart chart = curve;
    chart.inset.reset(); // the Lineweaver-Burk view is shown on demand, full size
    const std::string value = parameterValueText(plan_.x.parameter, current_, plan_.base.reaction, words_);
    chart.mark = ChartMark{static_cast<double>(current_),
                           tr("réglage actuel\u00a0: %1").arg(fromCore(value)).toStdString()};
    return chart;
}

void ActivityWindow::showChart()
{
    if (!result_) {
        return;
    }
    const QSize size = picture_->contentsRect().size();
    const qreal ratio = devicePixelRatioF();
    const ChartImage drawn =
        renderChartImage(shownChart(), qRound(size.width() * ratio), qRound(size.height() * ratio), ratio);
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
    const auto heading = [](SweepParameter parameter) {
        switch (parameter) {
        case SweepParameter::temperature:
            return tr("température (°C)");
        case SweepParameter::ph:
            return tr("pH");
        case SweepParameter::enzyme:
            return tr("enzyme (molécules)");
        case SweepParameter::substrate:
            return tr("substrat (molécules)");
        case SweepParameter::other:
            return tr("thiolactose (molécules)");
        }
        return QString();
    };
    QStringList header;
    if (plan_.series) {
        header << heading(plan_.series->parameter);
    }
    const bool cutShortColumn = !plan_.measures.initialRateOverSeconds();
    header << heading(plan_.x.parameter) << tr("vitesse initiale (molécules/s)")
           << tr("écart type (molécules/s)") << tr("minimum (molécules/s)") << tr("maximum (molécules/s)");
    if (cutShortColumn) {
        header << tr("mesure écourtée (expériences)");
    }
    QString table = header.join('\t') + '\n';
    for (const SweepPoint& point : result_->points) {
        QStringList cells;
        if (plan_.series) {
            cells << QString::number(point.seriesValue);
        }
        const Statistic& rate = point.initialRate;
        const auto figure = [&rate](double value, std::int32_t fewest) {
            return rate.count >= fewest ? GraphExport::spreadsheetNumber(value, 3) : QString();
        };
        cells << QString::number(point.xValue) << figure(rate.mean, 1) << figure(rate.standardDeviation, 2)
              << figure(rate.minimum, 1) << figure(rate.maximum, 1);
        if (cutShortColumn) {
            cells << QString::number(point.initialRateCutShort);
        }
        table += cells.join('\t') + '\n';
    }
    return table;
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
