// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "Broadband match": the load (the design's data points through the chain,
// or a one-port file), the source, the band and the networks to try; the
// search's best ladder for each number of elements with its worst return
// loss, its distance from the Bode-Fano limit and its loaded Q; a plot of
// the chosen one's return loss over the band; the chosen one previewed on
// the chart and applied as one undo step.
#include "model/broadband_load.h"
#include "optimise/broadband_rows.h"
#include "ui/dialogs/dialog_support.h"

#include <functional>
#include <memory>
#include <optional>

#include "render/return_loss_plot.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QSpinBox;
class QTreeWidget;

namespace zelvo {

// The return loss plot of the dialog.
class ReturnLossPlotWidget : public QWidget {
  public:
    explicit ReturnLossPlotWidget(QWidget* parent);
    void setData(ReturnLossPlot data);
    const ReturnLossPlot& data() const { return data_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ReturnLossPlot data_;
};


class BroadbandDialog : public ZelvoDialog {
  public:
    BroadbandDialog(AppState& state, const Platform& platform, QWidget* parent = nullptr);
    ~BroadbandDialog() override;

    // Called after the preview or the design changed.
    std::function<void()> onRepaint;
    // For tests: replaces the progress dialog; false cancels.
    std::function<bool(const BroadbandProgress&)> progressOverride;

    enum LoadSource { LoadDataPoints = 0, LoadFile = 1 };
    void setLoadSource(LoadSource source);
    // Reads the file as the load; false (with a message) when it cannot.
    bool loadFile(const QString& path);
    void setBand(double f1, double f2);
    void setMaxElements(int n);
    void setLines(bool on);

    // Runs the search with the fields as they stand; false after a message.
    bool search();
    // Appends the selected network; false (with a message) when refused.
    bool applySelected();

    QTreeWidget* list() const { return list_; }
    QLabel* messageLabel() const { return message_; }
    QLabel* limitLabel() const { return limit_; }
    // Whether the network is shown and applied with the losses of Options >
    // Part Losses; its result with them.
    QCheckBox* lossesBox() const { return losses_; }
    QLabel* lossyResultLabel() const { return lossyResult_; }
    const BroadbandSummary& summary() const { return summary_; }
    const ReturnLossPlotWidget* plot() const { return plot_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    std::optional<LoadSamples> currentLoad(QString* problem);
    void showLoadSpan();
    void showResults();
    void preview();
    int selectedRow() const; // index into summary_.rows, -1 for none
    std::vector<Element> networkAt(int row, double f0) const;

    QButtonGroup* loadGroup_ = nullptr;
    QLabel* pointsLabel_ = nullptr;
    QLineEdit* filePath_ = nullptr;
    QButtonGroup* sourceGroup_ = nullptr;
    QLineEdit* sourceR_ = nullptr;
    QLineEdit* f1_ = nullptr;
    QLineEdit* f2_ = nullptr;
    QComboBox* unit_ = nullptr;
    QButtonGroup* spacingGroup_ = nullptr;
    QSpinBox* count_ = nullptr;
    QLineEdit* weight1_ = nullptr;
    QLineEdit* weight2_ = nullptr;
    QSpinBox* elements_ = nullptr;
    QCheckBox* lines_ = nullptr;
    QLineEdit* zcMin_ = nullptr;
    QLineEdit* zcMax_ = nullptr;
    QTreeWidget* list_ = nullptr;
    ReturnLossPlotWidget* plot_ = nullptr;
    QLabel* limit_ = nullptr;
    QLabel* message_ = nullptr;
    QCheckBox* losses_ = nullptr;
    QLabel* lossyResult_ = nullptr;

    std::optional<OnePortData> file_;
    // The last search: its band, result and rows, the load it was for, and
    // the frequency its lines' lengths refer to.
    BandProblem problem_;
    BroadbandResult result_;
    BroadbandSummary summary_;
    LoadSource searchedLoad_ = LoadDataPoints;
    double f0_ = 0.0;
};

} // namespace zelvo
