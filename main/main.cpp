#include "main/form1.h"
#include "windows/form2.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

bool hay_pantalla() {
    const auto vacia = [](const char* v) { return !v || !*v; };
    return !vacia(std::getenv("QT_QPA_PLATFORM")) || !vacia(std::getenv("DISPLAY")) ||
           !vacia(std::getenv("WAYLAND_DISPLAY"));
}

} // namespace

int main(int argc, char** argv) {
    if (!hay_pantalla()) {
        std::fprintf(stderr, "ondaris: no display available (DISPLAY is not set); run it under "
                             "a virtual display with: xvfb-run -a ./run\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ondaris"));
    // Data files, "trazo.txt" and the session files live beside the program.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    if (QFontDatabase::families().contains(QStringLiteral("Liberation Sans"))) {
        QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
    }

    Form2 splash;
    std::unique_ptr<Form1> principal(splash.ejecutar());
    return app.exec();
}
