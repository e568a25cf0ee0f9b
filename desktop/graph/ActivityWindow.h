#pragma once

#include "lab/ActivityCurves.h"
#include "lab/ExperimentFile.h"
#include "lab/MichaelisMenten.h"
#include "plot/Chart.h"
#include "plot/ChartWords.h"

#include <QDialog>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QToolButton;

// An activity curve in a window of its own, beside the main window, which runs on: the sweep of
// lab/ActivityCurves.h, computed on threads of its own with a progress bar and a button to cancel,
// then drawn by the plot module as velmora2-batch draws it, with the current setting marked; for
// the substrate, the Michaelis-Menten fit with Km and Vmax (and the competitive model's Ki with
// thiolactose), and the Lineweaver-Burk view on demand. The measure (initial rate, over a share of
// the substrate, or half-time) and the experiments per point are chosen in it. Its table (one line
// per point, or one column per curve with the fits) and picture are copied and saved as the
// graph's are; the equivalent velmora2-batch command shows on demand. Esc closes it.
class ActivityWindow : public QDialog
{
    Q_OBJECT
public:
    ActivityWindow(velmora::ActivityCurve curve, const velmora::ExperimentSettings& settings,
                   QWidget* parent = nullptr);
    ~ActivityWindow() override; // stops the computing and waits for it (within 20 ticks)

    const velmora::SweepPlan& plan() const { return plan_; }
    bool isComputing() const { return worker_.joinable() && !result_; }
    // The sweep once computed (not cancelled), else null.
    const velmora::SweepResult* result() const { return result_.get(); }
    // The curve as the student report keeps it: the points of the first series (without
    // thiolactose), with Km and Vmax when fitted; empty until computed.
    std::optional<velmora::ActivityCurveRecord> curveRecord() const;
    // The velmora2-batch command that gives the same figures.
    QString batchCommandText() const;

    // The table as a CSV file for a spreadsheet of the window's language (semicolons and decimal
    // commas in French; velmora2-batch's --table has the same numbers), and for the clipboard.
    QByteArray tableCsv() const;
    QString tableText() const;
    // The chart shown: the curve, or the Lineweaver-Burk view.
    velmora::Chart shownChart() const;

    // How the sweep is run, on the window's worker thread: runSweep, unless a test puts a function
    // of its own in between (an empty one gives runSweep back).
    using SweepRunner =
        std::function<velmora::SweepResult(const velmora::SweepPlan&, const velmora::SweepControl&)>;
    static void setSweepRunner(SweepRunner runner);

signals:
    void computed(); // the sweep is done, cancelled or failed

public slots:
    void cancel();
    void compute(); // (again) from the start
    void copyData();
    void saveData();
    void saveImage();
    void choicesChanged(); // the measure, share or experiments chosen: computed anew

protected:
    void resizeEvent(QResizeEvent* event) override;
    void reject() override;

private:
    velmora::Measure measure() const;
    void showProgress(std::size_t done, std::size_t total);
    void finish(std::shared_ptr<velmora::SweepResult> result, QString failure);
    void showChart();
    void stopWorker();

    velmora::ActivityCurve curve_;
    velmora::SweepPlan plan_;
    velmora::ChartWords words_; // of the window's language
    std::int32_t current_ = 0;  // the setting marked
    std::shared_ptr<const velmora::SweepResult> result_;
    velmora::SweepFits fits_;
    std::thread worker_;
    std::atomic<bool> cancel_{false};

    QLabel* intro_ = nullptr;
    QComboBox* measureChoice_ = nullptr;
    QSpinBox* shareChoice_ = nullptr;
    QComboBox* repeatsChoice_ = nullptr;
    QComboBox* tableForm_ = nullptr;
    QToolButton* commandShown_ = nullptr;
    QLabel* command_ = nullptr;
    QLabel* picture_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* fitText_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* computeButton_ = nullptr;
    QCheckBox* lineweaverBurk_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* saveDataButton_ = nullptr;
    QPushButton* saveImageButton_ = nullptr;
};
