// Wendra, the antenna calculator: starts with the main window and ends when
// the last form is closed.
#include "antenna/forms.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wendra"));
    wendra::Forms forms(wendra::desktopServices());
    forms.showMain();
    return QApplication::exec();
}
