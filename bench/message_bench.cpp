// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// A message translated as a message box shows it, in Chinese: a design file
// refusal (two lines, values nested three deep) and, the worst case, a long
// text that fits no entry of the catalogue.
#include "ui/language.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace zelvo;

QCoreApplication& application()
{
    static int argc = 1;
    static char name[] = "message_bench";
    static char* argv[] = {name, nullptr};
    // Never destroyed, as in the other benchmarks with an application.
    static QCoreApplication* app = [] {
        auto* a = new QCoreApplication(argc, argv);
        installTranslations(*a, UiLanguage::Chinese);
        return a;
    }();
    return *app;
}

void run(benchmark::State& state, const QString& text)
{
    application();
    translatedMessage(text); // the catalogue's patterns are built once
    for (auto _ : state)
        benchmark::DoNotOptimize(translatedMessage(text));
}

void BM_DesignValueMessage(benchmark::State& state)
{
    run(state, QStringLiteral("Error while reading file '/home/ham/match.ZVC'\n\rElement 3, key "
                              "\"IMP\" (index 2): 0 is outside the accepted range (> 0 and <= "
                              "1E+06)."));
}
BENCHMARK(BM_DesignValueMessage);

void BM_UnknownLongText(benchmark::State& state)
{
    QString text;
    while (text.size() < 2000)
        text += QStringLiteral("Line 12, key and <= value ");
    run(state, text);
}
BENCHMARK(BM_UnknownLongText);

} // namespace
