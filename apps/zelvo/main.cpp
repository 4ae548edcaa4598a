// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// Zelvo: matching networks on the impedance chart.
#include "model/design.h"
#include "ui/app_state.h"
#include "ui/command_line.h"
#include "ui/help/help_topics.h"
#include "ui/help/help_window.h"
#include "ui/language.h"
#include "ui/main_window.h"
#include "ui/single_instance.h"
#include "ui/splash.h"
#include "ui/startup.h"

#include <QApplication>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

// The command-line tools need no display: they run on a core application,
// which loads no window-system platform at all, or, when they draw, on the
// offscreen platform, which needs no display either.
int runTool(int argc, char** argv, const zelvo::Arguments& arguments)
{
    // The tools say what went wrong themselves; Qt's notes about the
    // environment (no runtime folder, no display) would only be noise in a
    // script's error output.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    });
    std::unique_ptr<QCoreApplication> app;
    if (zelvo::needsFonts(arguments)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    std::setlocale(LC_NUMERIC, "C");
    // Like other command-line programs, the tools speak the language of the
    // environment (LANG, LC_MESSAGES), not the window's choice.
    zelvo::installTranslations(*app, zelvo::UiLanguage::System);
    // The bytes as given, not Qt's decoded arguments: a file name that is
    // not valid in the locale's encoding must reach the file system intact.
    const zelvo::ToolRun r = zelvo::runTool(arguments);
    std::fwrite(r.out.data(), 1, r.out.size(), stdout);
    std::fwrite(r.err.data(), 1, r.err.size(), stderr);
    return r.exitCode;
}

// Qt ends the program with an abort and several lines of advice when it
// cannot reach the window system (a display that is set but gone). While the
// application is made, its notes are held back; a fatal one becomes a
// single line and exit code 1, otherwise they are passed on afterwards.
struct HeldNote {
    QtMsgType type;
    std::string category;
    QString text;
};
std::vector<HeldNote> heldNotes;

void holdStartupNotes(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        heldNotes.push_back({type, context.category ? context.category : "", text});
        return;
    }
    QString reason = text.section(QLatin1Char('\n'), 0, 0);
    for (const HeldNote& n : heldNotes)
        if (n.category.starts_with("qt.qpa")) {
            reason = n.text.trimmed();
            break;
        }
    std::fprintf(stderr,
                 "zelvo: cannot open the window (%s); the commands work without one, see zelvo "
                 "--help\n",
                 reason.toLocal8Bit().constData());
    std::_Exit(1);
}

void passHeldNotesOn(QtMessageHandler next)
{
    for (const HeldNote& n : heldNotes) {
        const QMessageLogContext context(nullptr, 0, nullptr, n.category.c_str());
        if (next)
            next(n.type, context, n.text);
        else
            std::fprintf(stderr, "%s\n", n.text.toLocal8Bit().constData());
    }
    heldNotes.clear();
}

bool isFile(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    const zelvo::Arguments arguments(argv, argv + argc);
    switch (zelvo::classifyArguments(arguments, isFile)) {
    case zelvo::Invocation::Tool:
        return runTool(argc, argv, arguments);
    case zelvo::Invocation::UnknownCommand: {
        const std::string text = zelvo::unknownCommandText(
            arguments[1], zelvo::textsWithoutApplication(zelvo::UiLanguage::System));
        std::fwrite(text.data(), 1, text.size(), stderr);
        return zelvo::toolBadUsage;
    }
    case zelvo::Invocation::Window:
        break;
    }
    if (const auto why = zelvo::missingDisplayText(
            std::getenv, zelvo::textsWithoutApplication(zelvo::UiLanguage::System))) {
        std::fprintf(stderr, "%s\n", why->c_str());
        return zelvo::toolFailed;
    }
    const QtMessageHandler previous = qInstallMessageHandler(holdStartupNotes);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    passHeldNotesOn(previous);
    // QApplication adopts the user's locale; the design and settings files
    // are written with printf and must keep the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Zelvo"));
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zelvo.Zelvo"));

    zelvo::Platform platform = zelvo::realPlatform();
    const zelvo::SingleInstanceGuard guard;
    auto state = std::make_unique<zelvo::AppState>();
    zelvo::resetDesign(state->design);
    // Before the window exists, so that its first picture already shows the
    // user's options and zoom instead of the defaults for a moment; before
    // the second instance's message too, which speaks the chosen language.
    zelvo::readStartupSettings(*state);
    zelvo::installTranslations(app, state->settings.language);
    if (!guard.isFirstInstance()) {
        zelvo::showMessage(platform, false, zelvo::secondInstanceMessage());
        return 0;
    }

    // Built when help is first asked for: most sessions never open it, and
    // the first window should not wait for it.
    std::unique_ptr<zelvo::HelpWindow> help;
    platform.showHelp = [&help](const QString& keyword) {
        if (!help) {
            zelvo::initHelpResources();
            help = std::make_unique<zelvo::HelpWindow>();
        }
        help->showTopic(keyword);
    };

    zelvo::MainWindow window(*state, platform);
    QApplication::setQuitOnLastWindowClosed(false);
    window.setOnClosed([&help] {
        if (help)
            help->close();
        QApplication::quit();
    });
    zelvo::onTerminationSignal([&window] { window.close(); });
    window.holdToolbox(true);
    window.showMaximized();

    // The toolbox, the splash and the file named on the command line follow
    // the main window's first paint, in that order; they no longer delay it.
    std::unique_ptr<zelvo::SplashDialog> splash;
    zelvo::afterFirstPaint(window, [&window, &splash] {
        window.holdToolbox(false);
        splash = std::make_unique<zelvo::SplashDialog>(&window);
        splash->present(window.isMinimized());
        const QStringList args = QApplication::arguments();
        if (args.size() > 1)
            window.openCommandLine(args.at(1));
    });
    return QApplication::exec();
}
