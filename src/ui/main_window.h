// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// Zelvo's main window: the menu, the chart window with its readouts, the
// "Schematic" and "Data Points" windows, the seven S-Plot windows and the
// toolbox, laid out from the screen size; the mode switch, minimising and
// the save prompt at closing.
#include "ui/main_layout.h"
#include "ui/menu.h"
#include "ui/picture_export.h"
#include "ui/platform.h"
#include "ui/shell.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QMdiArea;
class QMdiSubWindow;

namespace zelvo {

class PointListWindow;
class RecentFilesMenu;
class ReadoutPanel;
class ResponseWindow;
class SchematicWindow;
class Toolbox;
class Tuner;
class TunerDock;
struct CommandContext;

class MainWindow : public QMainWindow, public Shell {
  public:
    // `screen`: the full-screen client area the layout derives from (read
    // from the screen when empty).
    MainWindow(AppState& state, const Platform& platform, QSize screen = {},
               QWidget* parent = nullptr);
    ~MainWindow() override;

    void run(Command command);
    // The file named on the command line.
    void openCommandLine(const QString& argument);

    // While held, the toolbox stays hidden: at start-up it follows the main
    // window's first paint instead of delaying it.
    void holdToolbox(bool hold);

    // Called once the window has closed (settings written): ends the program.
    void setOnClosed(std::function<void()> onClosed) { onClosed_ = std::move(onClosed); }

    MainMenu& menu() { return *menu_; }
    RecentFilesMenu& recentFiles() { return *recent_; }
    // The title as the window system shows it: the "[*]" placeholder becomes
    // "*" while the design has unsaved changes.
    QString shownTitle() const;
    Toolbox* toolbox() const { return toolbox_; }
    SchematicWindow* schematic() const { return schematic_; }
    PointListWindow* pointList() const { return pointList_; }
    ReadoutPanel& readouts() const { return *readouts_; }
    Tuner& tuner() const { return *tuner_; }
    TunerDock* tunerDock() const { return tunerDock_; }
    // Made on first use of "Window > Frequency response".
    ResponseWindow* responseWindow() const { return response_; }
    QMdiSubWindow* schematicFrame() const { return schematicFrame_; }
    QMdiSubWindow* pointListFrame() const { return pointListFrame_; }
    // Created with the first use of S-Plot mode, not at start-up.
    QMdiSubWindow* sPlotFrame(SPlotWindow w);
    QWidget* clientArea() const;
    QSize screenSize() const { return {screenW_, screenH_}; }
    int charWidth() const { return charW_; }
    // How often the chart was asked to repaint (the zoom commands repaint
    // only when the factor changed).
    int chartRepaintRequests() const { return chartRepaints_; }

    // Shell
    QWidget* dialogParent() override { return this; }
    ChartWindow* chartWindow() override { return chart_; }
    void repaintChart() override;
    void repaintSchematic() override;
    void repaintPointList() override;
    void repaintAll() override;
    void repaintChain() override;
    void resetInteraction() override;
    void updateTitle() override;
    void refreshZo() override;
    void refreshMenu() override;
    void switchMode(AppMode mode) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createChildren();
    void createSPlotWindows();
    void layoutChildren();
    void showModeWindows();
    void arrangePlots();
    void showWhole(SPlotWindow w);
    CommandContext context();
    // The S-Plot view whose window is active, as a picture to export.
    std::optional<PictureView> activePictureView() const;

    AppState& state_;
    const Platform& platform_;
    int screenW_ = 0;
    int screenH_ = 0;
    int charW_ = 8;
    QMdiArea* area_ = nullptr;
    ChartWindow* chart_ = nullptr;
    std::unique_ptr<ReadoutPanel> readouts_;
    SchematicWindow* schematic_ = nullptr;
    PointListWindow* pointList_ = nullptr;
    QMdiSubWindow* schematicFrame_ = nullptr;
    QMdiSubWindow* pointListFrame_ = nullptr;
    std::array<QMdiSubWindow*, sPlotWindowCount> sPlotFrames_{};
    Toolbox* toolbox_ = nullptr;
    bool tunerPlaced_ = false; // later, the tuner stays where the user put it
    std::unique_ptr<Tuner> tuner_;
    TunerDock* tunerDock_ = nullptr;
    ResponseWindow* response_ = nullptr;
    std::unique_ptr<MainMenu> menu_;
    std::unique_ptr<RecentFilesMenu> recent_;
    std::function<void()> onClosed_;
    int chartRepaints_ = 0;
    bool toolboxPlaced_ = false;
    bool toolboxHeld_ = false;
};

} // namespace zelvo
