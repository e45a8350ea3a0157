#include "tests/session/prueba.h"

#include <QDir>

QDateTime a_las(int h, int m, int s) {
    return QDateTime(QDate(2026, 12, 5), QTime(h, m, s));
}

QStringList archivos_log() {
    return QDir::current().entryList({QStringLiteral("*.log")}, QDir::Files, QDir::Name);
}

QString cabecera_es() {
    return QStringLiteral("5_12_26\r\n \r\nAngMin  AngMax   N     a     d   Long_Onda\r\n \r\n");
}

QString linea_ejemplo(const QString& sep) {
    const auto sp = [](int n) { return QString(n, QLatin1Char(' ')); };
    return QStringLiteral("-29") + sep + QStringLiteral("0") + sp(6) + QStringLiteral("30") + sep +
           QStringLiteral("0") + sp(8) + QStringLiteral("5") + sp(6) + QStringLiteral("2") + sep +
           QStringLiteral("0") + sp(3) + QStringLiteral("10") + sep + QStringLiteral("0") + sp(2) +
           QStringLiteral("0") + sep + QStringLiteral("55") + sp(3);
}
