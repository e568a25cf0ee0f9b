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
class QLabel;
class QProgressBar;
class QPushButton;

// An activity curve in a window of its own, beside the main window, which runs on: the sweep of
// lab/ActivityCurves.h, computed on threads of its own with a progress bar and a button to cancel,
// then drawn by the plot module as velmora2-batch draws it, with the current setting marked; for
// the substrate, the Michaelis-Menten fit with Km and Vmax, and the Lineweaver-Burk view on
// demand. Its table and picture are copied and saved as the graph's are. Esc closes it.
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

protected:
    void resizeEvent(QResizeEvent* event) override;
    void reject() override;

private:
    void showProgress(std::size_t done, std::size_t total);
    void finish(std::shared_ptr<velmora::SweepResult> result, QString failure);
    void showChart();
    void stopWorker();

    velmora::ActivityCurve curve_;
    velmora::SweepPlan plan_;
    velmora::ChartWords words_; // of the window's language
    std::int32_t current_ = 0;  // the setting marked
    std::shared_ptr<const velmora::SweepResult> result_;
    std::vector<velmora::MichaelisMentenFit> fits_;
    std::thread worker_;
    std::atomic<bool> cancel_{false};

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
