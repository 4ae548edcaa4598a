// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "design_builders.h"

#include "model/design_rules.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace zelvo;
using namespace zelvo::test;

namespace {

int entriesOf(const Design& d, HistoryEntry k)
{
    return static_cast<int>(std::count(d.history.begin(), d.history.begin() + d.historyCount, k));
}

} // namespace

TEST(UndoRedo, NothingToDoOnlyReportsIt)
{
    auto d = emptyDesign();
    EXPECT_FALSE(undoLast(*d));
    EXPECT_FALSE(redoNext(*d));
    EXPECT_FALSE(d->modified);
    appendDataPoint(*d, {50, 0, 1e9});
    EXPECT_FALSE(redoNext(*d)); // historyTop equals historyCount
}

TEST(UndoRedo, ItemsStayInTheirSlotsAndComeBack)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {50, 0, 1e9});
    appendElement(*d, element(ElementKind::RS, 10));
    appendStabilityCircle(*d, {});
    d->modified = false;
    ASSERT_TRUE(undoLast(*d));
    EXPECT_EQ(d->stabilityCount, 0);
    EXPECT_TRUE(d->modified);
    ASSERT_TRUE(undoLast(*d));
    ASSERT_TRUE(undoLast(*d));
    EXPECT_EQ(d->dataPointCount, 0);
    EXPECT_EQ(d->elementCount, 0);
    EXPECT_EQ(d->startPoint, 0);
    EXPECT_EQ(d->historyCount, 0);
    EXPECT_EQ(d->historyTop, 3);
    ASSERT_TRUE(redoNext(*d));
    EXPECT_EQ(d->startPoint, 1);
    EXPECT_EQ(d->currentPoint, Complex(50, 0));
    ASSERT_TRUE(redoNext(*d));
    ASSERT_TRUE(redoNext(*d));
    EXPECT_FALSE(redoNext(*d));
    EXPECT_EQ(endOf(*d, 0), Complex(60, 0));
    EXPECT_EQ(d->stabilityCount, 1);
}

TEST(UndoRedo, UndoingTheStartPointMovesTheStartToTheNewLastPoint)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {10, 0, 1e9});
    appendDataPoint(*d, {20, 0, 1e9});
    appendDataPoint(*d, {30, 0, 1e9});
    d->startPoint = 3;
    d->currentPoint = {30, 0};
    undoLast(*d);
    EXPECT_EQ(d->startPoint, 2);
    EXPECT_EQ(d->currentPoint, Complex(20, 0));
}

TEST(UndoRedo, UndoingTheLastElementReturnsToTheStartPoint)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {10, 0, 1e9});
    appendElement(*d, element(ElementKind::RS, 5));
    d->currentPoint = endOf(*d, 0); // the toolbox does this before the next element
    undoLast(*d);
    EXPECT_EQ(d->currentPoint, Complex(10, 0));
}

TEST(UndoRedo, RedoOfTheFirstElementFindsItsStartPoint)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {10, 0, 1e9});
    appendDataPoint(*d, {20, 5, 1e9});
    d->startPoint = 2;
    d->currentPoint = {20, 5};
    appendElement(*d, element(ElementKind::RS, 5));
    undoLast(*d);
    // Another start chosen on the chart after the undo.
    d->startPoint = 1;
    d->currentPoint = {10, 0};
    redoNext(*d);
    EXPECT_EQ(d->startPoint, 2);
    EXPECT_EQ(d->currentPoint, Complex(10, 0)); // not changed by the redo
}

TEST(UndoRedo, RedoOfTheLastPointsRestoresTheStartTheyHad)
{
    // Four points with the last as the start (a file's START 4): undoing
    // points moves the start down, redoing them moves it back.
    auto d = emptyDesign();
    for (double r : {10.0, 20.0, 30.0, 40.0})
        appendDataPoint(*d, {r, 1, 1e9});
    d->startPoint = 4;
    d->currentPoint = {40, 1};
    undoLast(*d);
    undoLast(*d);
    EXPECT_EQ(d->startPoint, 2);
    EXPECT_EQ(d->currentPoint, Complex(20, 1));
    redoNext(*d);
    EXPECT_EQ(d->startPoint, 3);
    redoNext(*d);
    EXPECT_EQ(d->startPoint, 4);
    EXPECT_EQ(d->currentPoint, Complex(40, 1));

    // A start chosen after the undo, or a new action, stays.
    undoLast(*d);
    d->startPoint = 1;
    d->currentPoint = {10, 1};
    redoNext(*d);
    EXPECT_EQ(d->startPoint, 1);
    d->startPoint = 4;
    undoLast(*d);
    appendStabilityCircle(*d, {});
    undoLast(*d);
    redoNext(*d);
    EXPECT_EQ(d->startPoint, 3);
}

TEST(UndoRedo, WidebandUndoReopensTheDesign)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {10, 0, 1e9});
    appendDataPoint(*d, {20, 0, 2e9});
    appendElement(*d, element(ElementKind::CS, 1e-12));
    ASSERT_FALSE(runWideband(*d));
    EXPECT_TRUE(checkDataPointButton(*d));
    undoLast(*d);
    EXPECT_FALSE(d->widebandDone);
    EXPECT_FALSE(checkDataPointButton(*d));
    EXPECT_FALSE(checkElementButton(*d));
    redoNext(*d);
    EXPECT_EQ(checkElementButton(*d)->text, widebandNoElementsText);
}

TEST(UndoRedo, ElevenEditsAndElevenUndosWrapTheRing)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {50, 0, 1e9});
    appendElement(*d, element(ElementKind::RS, 0));
    for (int k = 1; k <= 11; ++k)
        ASSERT_TRUE(editElementValue(*d, 0, k));
    // Undo k restores the value before edit 12 - k; the eleventh reads the
    // slot that edit 11 overwrote.
    const double expected[] = {10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 10};
    int undone = 0;
    for (double v : expected) {
        ASSERT_TRUE(undoLast(*d));
        EXPECT_EQ(d->elements[0].value, v) << "undo " << undone + 1;
        EXPECT_EQ(endOf(*d, 0).re, 50 + v);
        ++undone;
    }
    EXPECT_EQ(undone, 11);
    EXPECT_EQ(d->historyCount, 2);
}

TEST(UndoRedo, EditsRedoThroughTheOtherRing)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {50, 0, 1e9});
    appendElement(*d, element(ElementKind::IS, 1e-9));
    editElementValue(*d, 0, 2e-9);
    editDataPoint(*d, 0, {30, 5, 2e9});
    const Complex edited = endOf(*d, 0);
    undoLast(*d);
    EXPECT_EQ(d->dataPoints[0].f, 1e9);
    EXPECT_EQ(beginOf(*d, 0), Complex(50, 0));
    EXPECT_EQ(d->currentPoint, Complex(50, 0));
    undoLast(*d);
    EXPECT_EQ(d->elements[0].value, 1e-9);
    redoNext(*d);
    EXPECT_EQ(d->elements[0].value, 2e-9);
    redoNext(*d);
    EXPECT_EQ(d->dataPoints[0].r, 30);
    EXPECT_EQ(endOf(*d, 0), edited);
}

TEST(UndoRedo, NewActionAfterUndoKeepsTheOlderRedoEntries)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {1, 0, 1e9});
    appendDataPoint(*d, {2, 0, 1e9});
    appendDataPoint(*d, {3, 0, 1e9});
    undoLast(*d);
    undoLast(*d);
    appendDataPoint(*d, {4, 0, 1e9});
    EXPECT_EQ(d->historyCount, 2);
    EXPECT_EQ(d->historyTop, 3);
    ASSERT_TRUE(redoNext(*d));
    EXPECT_EQ(d->dataPointCount, 3);
    EXPECT_EQ(d->dataPoints[1].r, 4);
    EXPECT_EQ(d->dataPoints[2].r, 3);
}

TEST(UndoRedo, FileOnlyKindsAndUnknownEntries)
{
    auto d = emptyDesign();
    d->qCount = 1;
    d->history[0] = HistoryEntry::QEllipse;
    d->history[1] = HistoryEntry::None;
    d->historyCount = d->historyTop = 2;
    ASSERT_TRUE(undoLast(*d)); // steps over the entry without a kind
    EXPECT_EQ(d->qCount, 1);
    ASSERT_TRUE(undoLast(*d));
    EXPECT_EQ(d->qCount, 0);
    ASSERT_TRUE(undoLast(*d) == false);
    // A count never drops below zero, whatever the history says.
    d->history[0] = HistoryEntry::DataPoint;
    d->historyCount = 1;
    ASSERT_TRUE(undoLast(*d));
    EXPECT_EQ(d->dataPointCount, 0);
}

TEST(HistoryCapacity, EveryStructuralEntryOfAFullDesignFits)
{
    auto d = emptyDesign();
    for (int i = 0; i < Design::pointCapacity; ++i)
        ASSERT_TRUE(appendDataPoint(*d, {50, 0, 1e9 + i}));
    for (int i = 0; i < Design::elementCapacity; ++i)
        ASSERT_TRUE(appendElement(*d, element(ElementKind::RS, 1)));
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(appendStabilityCircle(*d, {}));
        ASSERT_TRUE(appendGainCircle(*d, {}));
        ASSERT_TRUE(appendNoiseCircle(*d, {}));
    }
    ASSERT_FALSE(runWideband(*d));
    EXPECT_EQ(d->historyCount, 150 + 150 + 60 + 1);
}

TEST(HistoryCapacity, FullHistoryDropsTheOldestEditsAndKeepsEveryPoint)
{
    auto d = emptyDesign();
    for (int i = 0; i < 150; ++i)
        appendDataPoint(*d, {50, 0, 1e9});
    for (int i = 0; i < 150; ++i)
        appendElement(*d, element(ElementKind::RS, 1));
    for (int k = 0; k < 400; ++k)
        ASSERT_TRUE(editElementValue(*d, 149, k + 2)) << k;
    EXPECT_EQ(d->historyCount, Design::historyCapacity);
    EXPECT_EQ(entriesOf(*d, HistoryEntry::DataPoint), 150);
    EXPECT_EQ(entriesOf(*d, HistoryEntry::Element), 150);
    EXPECT_EQ(entriesOf(*d, HistoryEntry::EditElement), Design::historyCapacity - 300);
    // The newest edits still undo through their ring records.
    undoLast(*d);
    EXPECT_EQ(d->elements[149].value, 400);
    undoLast(*d);
    EXPECT_EQ(d->elements[149].value, 399);
}

TEST(HistoryCapacity, DropPrefersEditsWhoseRingRecordIsGone)
{
    auto d = emptyDesign();
    std::fill(d->history.begin(), d->history.end(), HistoryEntry::DataPoint);
    d->history[5] = HistoryEntry::EditDataPoint; // its ring record is still valid
    for (int i = 10; i < 21; ++i)
        d->history[static_cast<std::size_t>(i)] = HistoryEntry::EditElement; // eleven: one is stale
    d->historyCount = d->historyTop = Design::historyCapacity;
    ASSERT_TRUE(pushHistory(*d, HistoryEntry::Element));
    EXPECT_EQ(d->history[5], HistoryEntry::EditDataPoint);
    EXPECT_EQ(entriesOf(*d, HistoryEntry::EditElement), 10);
    EXPECT_EQ(d->history[Design::historyCapacity - 1], HistoryEntry::Element);
    EXPECT_EQ(d->historyCount, Design::historyCapacity);
}

TEST(HistoryCapacity, OnlyStructuralEntriesLeftRefusesWithAMessage)
{
    auto d = emptyDesign();
    std::fill(d->history.begin(), d->history.end(), HistoryEntry::DataPoint);
    d->historyCount = d->historyTop = Design::historyCapacity;
    EXPECT_FALSE(historyHasRoom(*d));
    EXPECT_FALSE(pushHistory(*d, HistoryEntry::DataPoint));
    const auto m = checkHistoryRoom(*d);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->text, "The undo history is full (512 entries).\n\rNo more changes possible.");
    EXPECT_EQ(checkDataPointButton(*d), m);
    EXPECT_FALSE(appendDataPoint(*d, {1, 1, 1}));
    EXPECT_EQ(d->dataPointCount, 0);
    EXPECT_EQ(d->historyCount, Design::historyCapacity);
}

TEST(UndoRedo, EditOfAnRlcGroupOrLineRestoresAllItsValues)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {25, -10, 1e9});
    Element rlc = element(ElementKind::RlcSeries, 0);
    rlc.rlcR = 10;
    rlc.rlcL = 5e-9;
    rlc.rlcC = 2e-12;
    appendElement(*d, rlc);
    Element line = element(ElementKind::LS, 0.1);
    line.lineImpedance = 75;
    line.lineEr = 2.2f;
    appendElement(*d, line);
    const double endBefore = d->elements[1].rEnd;

    // The editor records the element, then stores the new values.
    ASSERT_TRUE(editElementValue(*d, 0, d->elements[0].value));
    d->elements[0].rlcR = 20;
    d->elements[0].rlcL = 7e-9;
    d->elements[0].rlcC = 3e-12;
    recomputeChain(*d, 0);
    ASSERT_TRUE(editElementValue(*d, 1, 0.2));
    d->elements[1].lineImpedance = 50;
    d->elements[1].lineEr = 4;
    recomputeChain(*d, 1);

    ASSERT_TRUE(undoLast(*d));
    EXPECT_EQ(d->elements[1].value, 0.1);
    EXPECT_EQ(d->elements[1].lineImpedance, 75);
    EXPECT_EQ(d->elements[1].lineEr, 2.2f);
    ASSERT_TRUE(undoLast(*d));
    EXPECT_EQ(d->elements[0].rlcR, 10);
    EXPECT_EQ(d->elements[0].rlcL, 5e-9);
    EXPECT_EQ(d->elements[0].rlcC, 2e-12);
    EXPECT_DOUBLE_EQ(d->elements[1].rEnd, endBefore);

    ASSERT_TRUE(redoNext(*d));
    EXPECT_EQ(d->elements[0].rlcR, 20);
    EXPECT_EQ(d->elements[0].rlcC, 3e-12);
    ASSERT_TRUE(redoNext(*d));
    EXPECT_EQ(d->elements[1].value, 0.2);
    EXPECT_EQ(d->elements[1].lineImpedance, 50);
    EXPECT_EQ(d->elements[1].lineEr, 4);
}

TEST(UndoRedo, AGroupIsOneStepBothWays)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {20, -30, 1e9});
    appendElement(*d, element(ElementKind::RS, 5));
    const std::vector<Element> network{element(ElementKind::IS, 10e-9),
                                       element(ElementKind::CP, 2e-12),
                                       element(ElementKind::CS, 5e-12)};
    ASSERT_TRUE(appendAsOneStep(*d, {}, network));
    EXPECT_EQ(d->elementCount, 4);
    // Point, element, the group's beginning, three elements, its end.
    EXPECT_EQ(d->historyCount, 7);
    EXPECT_EQ(groupSize(d->history[2], HistoryEntry::GroupBegin), 3);
    EXPECT_EQ(groupSize(d->history[6], HistoryEntry::GroupEnd), 3);
    EXPECT_EQ(beginOf(*d, 1), endOf(*d, 0));
    const Complex end = endOf(*d, 3);
    ASSERT_TRUE(undoLast(*d));
    EXPECT_EQ(d->elementCount, 1);
    EXPECT_EQ(d->historyCount, 2);
    ASSERT_TRUE(redoNext(*d));
    EXPECT_EQ(d->elementCount, 4);
    EXPECT_EQ(d->historyCount, 7);
    EXPECT_EQ(endOf(*d, 3), end);
    // The element before the group is a step of its own.
    ASSERT_TRUE(undoLast(*d));
    ASSERT_TRUE(undoLast(*d));
    EXPECT_EQ(d->elementCount, 0);
    ASSERT_TRUE(redoNext(*d));
    EXPECT_EQ(d->elementCount, 1);
    ASSERT_TRUE(redoNext(*d));
    EXPECT_EQ(d->elementCount, 4);
    EXPECT_FALSE(redoNext(*d));
}

TEST(UndoRedo, AGroupOfPointsAndElementsStartsWhereAsked)
{
    auto d = emptyDesign();
    const std::vector<DataPoint> points{{10, 5, 1e6}, {20, 0, 2e6}, {30, -5, 3e6}};
    ASSERT_TRUE(appendAsOneStep(*d, points, {element(ElementKind::IS, 1e-6)}, 2));
    EXPECT_EQ(d->dataPointCount, 3);
    EXPECT_EQ(d->startPoint, 2);
    EXPECT_EQ(beginOf(*d, 0), (Complex{20, 0}));
    EXPECT_EQ(entriesOf(*d, HistoryEntry::DataPoint), 3);
    ASSERT_TRUE(undoLast(*d));
    EXPECT_EQ(d->dataPointCount, 0);
    EXPECT_EQ(d->elementCount, 0);
    EXPECT_EQ(d->startPoint, 0);
    // Redo finds the start point again from the chain's begin.
    ASSERT_TRUE(redoNext(*d));
    EXPECT_EQ(d->startPoint, 2);
    EXPECT_EQ(d->elementCount, 1);

    // Refused whole: a start point needs an empty design; no room.
    const int entries = d->historyCount;
    EXPECT_FALSE(appendAsOneStep(*d, points, {}, 1));
    d->elementCount = Design::elementCapacity - 1;
    EXPECT_FALSE(appendAsOneStep(*d, {}, {element(ElementKind::RS, 1), element(ElementKind::RS, 2)}));
    EXPECT_EQ(d->historyCount, entries);
    EXPECT_EQ(d->dataPointCount, 3);
}

TEST(UndoRedo, AGroupCutShortByANewActionFallsApartIntoSteps)
{
    auto d = emptyDesign();
    appendDataPoint(*d, {20, -30, 1e9});
    ASSERT_TRUE(appendAsOneStep(*d, {}, {element(ElementKind::RS, 1), element(ElementKind::RS, 2)}));
    ASSERT_TRUE(undoLast(*d));
    // A new action takes the group's first slot; redo walks on over the rest
    // entry by entry.
    appendStabilityCircle(*d, {});
    ASSERT_TRUE(redoNext(*d));
    ASSERT_TRUE(redoNext(*d));
    EXPECT_EQ(d->elementCount, 2);
    ASSERT_TRUE(redoNext(*d)); // the group's end, without its beginning
    EXPECT_EQ(d->historyCount, 5);
    EXPECT_FALSE(redoNext(*d));
    // Undo steps over that end and then takes one entry at a time.
    ASSERT_TRUE(undoLast(*d));
    EXPECT_EQ(d->elementCount, 2);
    ASSERT_TRUE(undoLast(*d));
    EXPECT_EQ(d->elementCount, 1);
    EXPECT_EQ(d->stabilityCount, 1);
}

TEST(UndoRedo, RoomForAWholeNetworkIsCheckedBeforeAnything)
{
    auto d = emptyDesign();
    EXPECT_FALSE(checkRoomFor(*d, 3, 4));
    d->maxItems = 5;
    appendDataPoint(*d, {50, 0, 1e9});
    appendElement(*d, element(ElementKind::RS, 1));
    EXPECT_FALSE(checkRoomFor(*d, 4, 4));
    const auto elements = checkRoomFor(*d, 0, 5);
    ASSERT_TRUE(elements);
    EXPECT_EQ(elements->text, "Max. Number of 5 elements exceeded!");
    const auto points = checkRoomFor(*d, 5, 1);
    ASSERT_TRUE(points);
    EXPECT_EQ(points->title, ""); // a limit, not a refused value
    EXPECT_NE(points->text.find("5 datapoints"), std::string::npos);
    // Seven entries and the group's two against a nearly full history.
    d->maxItems = 150;
    d->historyCount = d->historyTop = Design::historyCapacity - 8;
    EXPECT_TRUE(checkRoomFor(*d, 3, 4));
    EXPECT_FALSE(checkRoomFor(*d, 3, 3));
    EXPECT_FALSE(checkRoomFor(*d, 0, 1));
}
