// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// Standard values and the tolerance spread through the real dialogs, the
// menu and the chart.
#include "main_window_fixture.h"

#include "model/design_spread.h"
#include "support/element_builders.h"
#include "ui/element_label.h"
#include "ui/dialogs/element_value_dialog.h"
#include "ui/dialogs/match_dialog.h"
#include "ui/dialogs/optimise_dialog.h"
#include "ui/dialogs/standard_values_dialog.h"
#include "ui/dialogs/tolerance_dialog.h"
#include "ui/menu.h"
#include "ui/response_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QTreeWidget>

namespace zelvo::testing {
namespace {

struct ToleranceTest : MainWindowTest {
    // 12 - j20 ohm (a capacitive load) over 2.3 .. 2.5 GHz, matched at
    // 2.4 GHz by a series L of Q 30 (41.35 ohm) and a shunt C (0.0356 S),
    // both off the E24 grid.
    void addMatch()
    {
        for (double f : {2.4e9, 2.3e9, 2.5e9})
            addPoint(12.0, -20.0 * 2.4e9 / f, f);
        Element l = element(ElementKind::IS, 2.74e-9);
        l.loss.q = 30.0;
        l.loss.qFrequency = 2.4e9;
        ASSERT_TRUE(appendElement(design(), l));
        ASSERT_TRUE(appendElement(design(), element(ElementKind::CP, 2.36e-12)));
    }
    double value(int i) const { return state.design.elements[static_cast<std::size_t>(i)].value; }
};

TEST_F(ToleranceTest, StandardValuesShowBeforeAndAfterAndApplyAsOneUndoStep)
{
    addMatch();
    StandardValuesDialog dialog(state, platform, window.get());
    dialog.series()->setCurrentIndex(2); // E24
    ASSERT_EQ(comboSeries(dialog.series()), ESeries::E24);
    ASSERT_EQ(dialog.table()->rowCount(), 2);
    EXPECT_EQ(dialog.table()->item(0, 1)->text(), QStringLiteral("2.740 nH"));
    const StandardChoice& c = dialog.choice();
    const auto either = [](double v, double a, double b) {
        return std::abs(v - a) < 1e-9 * a || std::abs(v - b) < 1e-9 * b;
    };
    EXPECT_TRUE(either(c.values[0], 2.7e-9, 3.0e-9)) << c.values[0];
    EXPECT_TRUE(either(c.values[1], 2.2e-12, 2.4e-12)) << c.values[1];
    EXPECT_EQ(dialog.table()->item(0, 2)->text(),
              partValueText(design().elements[0], ElementPart::Value, c.values[0]));
    EXPECT_TRUE(dialog.summary()->text().startsWith(QStringLiteral("Worst return loss: ")));
    // E12 has other neighbours, and the design takes the series applied.
    dialog.series()->setCurrentIndex(1);
    EXPECT_TRUE(either(dialog.choice().values[1], 2.2e-12, 2.7e-12));
    const int entries = design().historyCount;
    ASSERT_TRUE(dialog.apply());
    EXPECT_EQ(design().partSeries, ESeries::E12);
    EXPECT_EQ(design().historyCount, entries + 1);
    EXPECT_EQ(value(0), dialog.choice().values[0]);
    EXPECT_EQ(value(1), dialog.choice().values[1]);
    // The chain follows: its end is where the new values take it.
    EXPECT_NE(design().elements[1].rEnd, 0.0);
    ASSERT_TRUE(undoLast(design()));
    EXPECT_EQ(value(0), 2.74e-9);
    EXPECT_EQ(value(1), 2.36e-12);
}

TEST_F(ToleranceTest, StandardValuesAreRefusedWithoutAChain)
{
    window->run(Command::StandardValues);
    EXPECT_EQ(lastText(), QStringLiteral("Standard values need at least one data point and one element."));
    window->run(Command::ToleranceAnalysis);
    EXPECT_EQ(lastText(), QStringLiteral("Tolerance analysis needs at least one data point and one element."));
    EXPECT_EQ(window->toleranceWindow(), nullptr);
}

TEST_F(ToleranceTest, AnalysisDrawsTheCloudGivesTheYieldAndFollowsTheDesign)
{
    addMatch();
    window->run(Command::ToleranceAnalysis);
    ToleranceDialog* t = window->toleranceWindow();
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(t->isVisible());
    EXPECT_FALSE(t->isModal());
    const ToleranceResult first = t->result();
    EXPECT_EQ(first.samples, 2000);
    EXPECT_GT(first.yield, 0.0);
    EXPECT_LE(first.yield, 1.0);
    EXPECT_TRUE(t->summary()->text().startsWith(QStringLiteral("Yield: ")));
    EXPECT_TRUE(t->summary()->text().contains(QStringLiteral("Most sensitive: ")));
    // A cloud of 2000 ends at each of the three data points.
    ASSERT_EQ(state.toleranceCloud.ends.size(), 3u);
    EXPECT_EQ(state.toleranceCloud.ends[0].size(), 2000u);
    EXPECT_EQ(state.toleranceCloud.worst.size(), 3u);
    // Both parts listed; the inductor at the design's series tolerance.
    ASSERT_EQ(t->table()->rowCount(), 2);
    EXPECT_EQ(t->table()->item(0, 2)->text(), QStringLiteral("5 % (E24)"));

    // The same seed, the same samples.
    ASSERT_TRUE(t->run());
    EXPECT_EQ(t->result().passing, first.passing);
    EXPECT_EQ(t->result().worstFactors, first.worstFactors);

    // A value tuned: the next timer tick runs again.
    Element tuned = design().elements[1];
    tuned.value *= 1.3;
    ASSERT_TRUE(editElement(design(), 1, tuned));
    t->followDesign();
    EXPECT_NE(t->result().nominalWorstDb, first.nominalWorstDb);
    // Zero tolerance: every sample is the chain's end itself.
    for (int i = 0; i < 2; ++i) {
        Element e = design().elements[static_cast<std::size_t>(i)];
        e.tolerance = 1e-12;
        ASSERT_TRUE(editElement(design(), i, e));
    }
    t->followDesign();
    const Complex end{design().elements[1].rEnd, design().elements[1].xEnd};
    for (const Complex& z : state.toleranceCloud.ends[0]) {
        EXPECT_NEAR(z.re, end.re, 1e-6);
        EXPECT_NEAR(z.im, end.im, 1e-6);
    }

    // A target field that cannot be read is refused with its message.
    t->target()->setText(QStringLiteral("0"));
    EXPECT_FALSE(t->run());
    EXPECT_EQ(recorder.messages.back().title, QStringLiteral("ERROR"));

    t->close();
    QApplication::processEvents();
    EXPECT_EQ(window->toleranceWindow(), nullptr);
    EXPECT_TRUE(state.toleranceCloud.ends.empty());
    // Opened again, its Close button takes the window and its cloud too.
    window->run(Command::ToleranceAnalysis);
    ASSERT_NE(window->toleranceWindow(), nullptr);
    EXPECT_FALSE(state.toleranceCloud.ends.empty());
    window->toleranceWindow()->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->click();
    QApplication::processEvents();
    EXPECT_EQ(window->toleranceWindow(), nullptr);
    EXPECT_TRUE(state.toleranceCloud.ends.empty());
}

TEST_F(ToleranceTest, SeriesChosenInTheAnalysisIsTheDesignsAndCancelKeepsTheSamplesDone)
{
    addMatch();
    window->run(Command::ToleranceAnalysis);
    ToleranceDialog* t = window->toleranceWindow();
    ASSERT_NE(t, nullptr);
    design().modified = false;
    t->series()->setCurrentIndex(0); // E6, 20 %
    EXPECT_EQ(design().partSeries, ESeries::E6);
    EXPECT_TRUE(design().modified);
    t->samples()->setValue(10000);
    t->progressOverride = [](int done, int) { return done == 0; };
    EXPECT_FALSE(t->run());
    EXPECT_TRUE(t->result().cancelled);
    EXPECT_GT(t->result().samples, 0);
    EXPECT_LT(t->result().samples, 10000);
    EXPECT_TRUE(t->summary()->text().contains(QStringLiteral("Cancelled")));
    EXPECT_EQ(state.toleranceCloud.ends[0].size(), static_cast<std::size_t>(t->result().samples));
}

TEST_F(ToleranceTest, TheResponseWindowShowsTheReturnLossBandWhileTheAnalysisIsOpen)
{
    addMatch();
    window->run(Command::FrequencyResponse);
    ResponseWindow* response = window->responseWindow();
    ASSERT_NE(response, nullptr);
    EXPECT_TRUE(response->graph().extras.empty());
    window->run(Command::ToleranceAnalysis);
    ASSERT_NE(window->toleranceWindow(), nullptr);
    const ResponseGraph& g = response->graph();
    ASSERT_EQ(g.extras.size(), 1u);
    const ResponseExtra band = g.extras[0]; // a copy: the window computes its extras anew
    EXPECT_EQ(band.name, "Input RL spread");
    ASSERT_EQ(band.values.size(), g.response.points.size());
    ASSERT_EQ(band.lower.size(), g.response.points.size());
    int inside = 0;
    for (std::size_t i = 0; i < band.values.size(); ++i) {
        // The chain as it is lies within its spread.
        const double rl = g.response.points[i].inputReturnLossDb;
        EXPECT_LE(band.lower[i], rl + 1e-6) << i;
        EXPECT_GE(band.values[i], rl - 1e-6) << i;
        ++inside;
    }
    EXPECT_GT(inside, 100);
    // A tuned value moves the band with the response.
    const double before = band.lower[band.lower.size() / 2];
    Element e = design().elements[1];
    e.value *= 1.2;
    ASSERT_TRUE(editElement(design(), 1, e));
    window->repaintChain();
    EXPECT_NE(response->graph().extras[0].lower[band.lower.size() / 2], before);
    window->toleranceWindow()->close();
    QApplication::processEvents();
    EXPECT_TRUE(response->graph().extras.empty());
}

TEST_F(ToleranceTest, ElementValueDialogEditsTheToleranceAsAnUndoableStep)
{
    addMatch();
    ElementValueDialog dialog(state, platform, elementEditCode(ElementKind::CP, 1), window.get());
    auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("tolerance"));
    ASSERT_NE(field, nullptr);
    EXPECT_TRUE(field->text().isEmpty());
    EXPECT_EQ(field->placeholderText(), QStringLiteral("5 (E24)"));
    field->setText(QStringLiteral("120"));
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_TRUE(lastText().startsWith(QStringLiteral("Value must lie in the range between 0 and 100 %")));
    EXPECT_EQ(design().elements[1].tolerance, 0.0);
    field->setText(QStringLiteral("2"));
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(design().elements[1].tolerance, 0.02);
    EXPECT_EQ(design().elements[1].value, 2.36e-12);
    ASSERT_TRUE(undoLast(design()));
    EXPECT_EQ(design().elements[1].tolerance, 0.0);
    // Lines have no tolerance field.
    ASSERT_TRUE(appendElement(design(), element(ElementKind::LS, 0.1)));
    ElementValueDialog line(state, platform, elementEditCode(ElementKind::LS, 2), window.get());
    EXPECT_EQ(line.findChild<QLineEdit*>(QStringLiteral("tolerance")), nullptr);
}

TEST_F(ToleranceTest, MatchAndOptimiserOfferStandardValues)
{
    for (double f : {2.4e9, 2.3e9, 2.5e9})
        addPoint(12.0, -20.0 * f / 2.4e9, f);
    MatchDialog match(state, platform, window.get());
    match.series()->setCurrentIndex(2); // E24
    match.standardValues()->setChecked(true);
    int lumped = 0;
    for (const MatchSolution& s : match.result().solutions)
        for (const Element& e : s.elements)
            if (hasTolerance(e.kind)) {
                const auto n = standardNeighbours(e.value, ESeries::E24);
                EXPECT_EQ(n->below, n->above) << e.value;
                ++lumped;
            }
    EXPECT_GE(lumped, 4);
    ASSERT_TRUE(match.applySelected());
    ASSERT_GT(design().elementCount, 0);

    OptimiseDialog optimise(state, platform, window.get());
    optimise.standardValues()->setChecked(true);
    optimise.series()->setCurrentIndex(1); // E12
    optimise.progressOverride = [](const OptimiseProgress&) { return true; };
    // Off the grid first, so that the optimiser has something to improve.
    Element e = design().elements[0];
    e.value *= 1.4;
    ASSERT_TRUE(editElement(design(), 0, e));
    if (optimise.run()) {
        for (int i = 0; i < design().elementCount; ++i) {
            const Element& x = design().elements[static_cast<std::size_t>(i)];
            if (!hasTolerance(x.kind))
                continue;
            const auto n = standardNeighbours(x.value, ESeries::E12);
            EXPECT_EQ(n->below, n->above) << i;
        }
    }
}

} // namespace
} // namespace zelvo::testing
