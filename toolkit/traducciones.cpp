#include "toolkit/traducciones.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool cargar_traducciones_qt() {
    static QTranslator* traductor = nullptr;
    if (traductor != nullptr) {
        return true;
    }
    auto* t = new QTranslator(QCoreApplication::instance());
    // The interface is Spanish whatever the user's language: a Spanish locale
    // picks its own variant where Qt has one, any other gets plain Spanish.
    const QLocale local = QLocale::system().language() == QLocale::Spanish
                              ? QLocale::system()
                              : QLocale(QLocale::Spanish);
    if (!t->load(local, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    traductor = t;
    return true;
}
