// Zelvo: matching networks on the impedance chart.
#include "model/design.h"
#include "ui/app_state.h"
#include "ui/help/help_topics.h"
#include "ui/help/help_window.h"
#include "ui/main_window.h"
#include "ui/single_instance.h"
#include "ui/splash.h"
#include "ui/startup.h"

#include <QApplication>
#include <clocale>
#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // QApplication adopts the user's locale; the design and settings files
    // are written with printf and must keep the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Zelvo"));

    zelvo::Platform platform = zelvo::realPlatform();
    const zelvo::SingleInstanceGuard guard;
    if (!guard.isFirstInstance()) {
        zelvo::showMessage(platform, false, zelvo::secondInstanceMessage());
        return 0;
    }

    auto state = std::make_unique<zelvo::AppState>();
    zelvo::resetDesign(state->design);

    zelvo::initHelpResources();
    zelvo::HelpWindow help;
    zelvo::installHelp(platform, help);

    zelvo::MainWindow window(*state, platform);
    QApplication::setQuitOnLastWindowClosed(false);
    window.setOnClosed([&help] {
        help.close();
        QApplication::quit();
    });
    zelvo::onTerminationSignal([&window] { window.close(); });
    window.showMaximized();

    zelvo::SplashDialog splash(&window);
    splash.present(window.isMinimized());

    zelvo::readStartupSettings(*state);
    window.refreshMenu();
    window.repaintAll();

    const QStringList args = QApplication::arguments();
    if (args.size() > 1)
        window.openCommandLine(args.at(1));
    return QApplication::exec();
}
