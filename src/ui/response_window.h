// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "Window > Frequency response": the finished chain over a continuous sweep
// (return losses, VSWR, GT, K, mu, noise figure), with hover readouts and
// markers, the chain end's impedance as a curve on the chart, picture export,
// printing and CSV export. It follows every change of the design.
#include "model/response.h"
#include "render/response_graph.h"
#include "ui/platform.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace zelvo {

struct AppState;
class HoverLabel;
class Shell;

// The graph: the pointer reads the nearest frequency off, a click pins a
// marker there, a second click on it removes it.
class ResponseView : public QWidget {
  public:
    explicit ResponseView(ResponseGraph& graph, QWidget* parent = nullptr);
    ~ResponseView() override;

    const HoverLabel& hover() const { return *hover_; }
    std::optional<int> indexAt(QPoint client) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    int fontHeight() const;
    ResponseGraph& graph_;
    std::unique_ptr<HoverLabel> hover_;
    // The frame (grid, labels, legend) as last drawn: a tuning step moves
    // the traces, seldom the axes, and the dotted grid costs more to draw
    // than the traces.
    struct FrameKey {
        ResponseLayout layout;
        QSize size;
        qreal devicePixelRatio = 0;
        std::array<bool, responseQuantityCount> showing{};
        LoadModel load = LoadModel::Constant;
        int lineWidth = 0;
        std::vector<std::string> extras;
        friend bool operator==(const FrameKey&, const FrameKey&) = default;
    };
    std::optional<FrameKey> frameKey_;
    QImage frame_;
};

class ResponseWindow : public QWidget {
  public:
    ResponseWindow(AppState& state, const Platform& platform, Shell& shell,
                   QWidget* parent = nullptr);
    ~ResponseWindow() override;

    // The design changed (values, elements, points, undo, a new file): the
    // response is computed again while the window is shown, and the chart's
    // curve with it.
    void designChanged();

    const ResponseGraph& graph() const { return graph_; }
    const Sweep& sweep() const { return sweep_; }
    // A sweep of the user's own; the default one follows the data points.
    void setSweep(const Sweep& s);
    void useDefaultSweep();
    bool followsDataPoints() const { return followDefault_; }
    void setChartCurve(bool on);
    void setShown(ResponseQuantity q, bool on);

    // Extra traces or bands from other tools (a tolerance spread, a
    // network's preview), computed for the window's sweep at every update.
    // An empty function removes the source of that name.
    using ExtraSource = std::function<std::vector<ResponseExtra>(
        const AppState& state, std::span<const double> frequencies)>;
    void setExtraSource(const std::string& name, ExtraSource source);

    ResponseView* view() const { return view_; }
    QLabel* messageLabel() const { return message_; }

    // The window's commands; the file ones ask the platform for a name.
    void exportPicture();
    void exportCsv();
    void print();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void recompute();
    void showSweep();
    // Reads the sweep fields; false (with the reason on the message line)
    // when they do not make a sweep.
    bool readSweep();
    void publishCurve();
    QString fileStem() const;

    AppState& state_;
    const Platform& platform_;
    Shell& shell_;
    ResponseGraph graph_;
    Sweep sweep_;
    bool followDefault_ = true;
    bool chartCurve_ = false;
    std::map<std::string, ExtraSource> extraSources_;

    QLineEdit* start_ = nullptr;
    QLineEdit* stop_ = nullptr;
    QComboBox* unit_ = nullptr;
    QSpinBox* points_ = nullptr;
    QCheckBox* log_ = nullptr;
    QCheckBox* curve_ = nullptr;
    std::map<ResponseQuantity, QCheckBox*> traces_;
    QLabel* load_ = nullptr;
    QLabel* message_ = nullptr;
    ResponseView* view_ = nullptr;
};

// The sweep's points a window takes: 2 at least, and few enough that a
// tuning step stays quick.
inline constexpr int maxResponsePoints = 4001;

} // namespace zelvo
