// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#pragma once
// "PRINT": what of the design to print, and the printer; the same dialog in
// its short S-Plot form; and the modeless "Printing" progress with Cancel.
#include "ui/dialogs/dialog_support.h"
#include "ui/printing.h"

#include <QDialog>
#include <cstdint>
#include <map>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QRadioButton;

namespace zelvo {

inline constexpr const char* nothingToPrintText =
    "Nothing to print.\n\rCheck Zelvo Chart, Schematic or Comments.";
inline constexpr const char* noSPlotFileText =
    "No s-Parameter file opened.\n\rOpen a file to print its plots.";

// Control ids of the check boxes, which are also their object names
// ("control1008").
inline constexpr std::pair<std::uint16_t, int> printControls[] = {
    {printChart, 1008},       {printZGrid, 1010},        {printYGrid, 1011},
    {printElements, 1013},    {printQCircles, 1012},     {printStabilityCircles, 1015},
    {printGainCircles, 1040}, {printNoiseCircles, 1094}, {printSchematic, 1009},
    {printLabels, 1059},      {printVswrCircles, 1063},  {printWideband, 1064},
    {printComments, 1014},    {printTurnText, 1101},
};

// Modeless; its Cancel sets the flag, calls onCancel and closes the window.
class PrintProgressDialog : public QDialog {
  public:
    PrintProgressDialog(const QString& fileName, const QString& printer, QWidget* parent);

    bool cancelled() const { return cancelled_; }
    std::function<void()> onCancel;

  private:
    bool cancelled_ = false;
};

// The chart print dialog. OK stores the flags and prints; the dialog closes
// when the job has ended (or stays open when the PDF file choice is cancelled).
class PrintDialog : public ZelvoDialog {
  public:
    PrintDialog(AppState& state, const Platform& platform, QWidget* parent);

    std::uint16_t workingFlags() const { return working_; }

  protected:
    void accept() override;

  private:
    void toggle(std::uint16_t bit, bool on);
    void enableDependents();
    void setupPrinter();

    std::uint16_t working_ = 0;
    std::map<std::uint16_t, QCheckBox*> boxes_;
    QWidget* body_ = nullptr;
    QLabel* printer_ = nullptr;
};

// "Print ... to:" with the printer, Setup..., OK and Cancel: the short form
// of the print dialog for views that have nothing to choose.
class ShortPrintDialog : public ZelvoDialog {
  public:
    ShortPrintDialog(AppState& state, const Platform& platform, const QString& caption,
                     QWidget* parent);

  protected:
    QWidget* body_ = nullptr;
    QLabel* printer_ = nullptr;
};

// "Print s-plots to:".
class SPlotPrintDialog : public ShortPrintDialog {
  public:
    SPlotPrintDialog(AppState& state, const Platform& platform, QWidget* parent);

  protected:
    void accept() override;
};

// "Print frequency response to:" the graph as the window shows it.
class ResponsePrintDialog : public ShortPrintDialog {
  public:
    ResponsePrintDialog(AppState& state, const Platform& platform, const ResponseGraph& graph,
                        QWidget* parent);

  protected:
    void accept() override;

  private:
    const ResponseGraph& graph_;
};

// Printer set-up from the menu and the dialogs' "Setup..." buttons.
void setupPrinter(AppState& state, const Platform& platform, QWidget* parent);

} // namespace zelvo
