#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class Form1;

// A fresh working folder for one test, with the start-up files a case needs;
// the previous working folder comes back when it goes.
class CarpetaTrabajo {
public:
    // The shipped start-up values unless a test writes its own.
    static const char* const inic_normal;

    explicit CarpetaTrabajo(const QString& inic = QString::fromUtf8(inic_normal),
                            const QString& trazo = QStringLiteral(" 0 \r\n"));
    ~CarpetaTrabajo();
    QString ruta(const QString& nombre) const;
    void escribir(const QString& nombre, const QByteArray& contenido) const;
    QByteArray leer(const QString& nombre) const;

private:
    QTemporaryDir dir_;
    QString anterior_;
};

// Answers every message box at once and keeps its text.
class Mensajes {
public:
    Mensajes();
    ~Mensajes();
    QStringList textos;
};

// The default locale for the life of a test.
class LocalePrueba {
public:
    explicit LocalePrueba(const QLocale& l);
    ~LocalePrueba();

private:
    QLocale anterior_;
};

inline QLocale locale_coma() { return QLocale(QLocale::Spanish, QLocale::Argentina); }
inline QLocale locale_punto() { return QLocale(QLocale::English, QLocale::UnitedStates); }

// The main window after its load step, shown at a fixed size.
std::unique_ptr<Form1> abrir_form1();
