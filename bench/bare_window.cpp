// The yardstick for Zelvo's start-up: a bare Qt main window with one menu,
// shown maximised, and nothing else. bench/startup_time.sh runs both.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    window.showMaximized();
    return QApplication::exec();
}
