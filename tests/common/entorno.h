#pragma once

// What the stories of the program share: a working folder, message boxes and
// modal windows answered, the main window in a known state, and the user's
// gestures on it (typing into a box, clicking, choosing from a menu, dragging).

#include "main/ventana_principal.h"
#include "model/curva.h"
#include "model/parametros.h"
#include "toolkit/mapa.h"
#include "toolkit/mensaje.h"

#include <QDir>
#include <QLocale>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <utility>

class EntradaValores;
class Grafica;
class PictureBox;
class VentanaZoom;

// A fresh working folder for one test, with the start-up files a case needs;
// the previous working folder comes back when it goes.
class CarpetaTrabajo {
public:
    // The shipped start-up values unless a test writes its own.
    static const char* const inic_normal;

    explicit CarpetaTrabajo(const QString& inic = QString::fromUtf8(inic_normal),
                            const QString& trazo = QStringLiteral(" 0 \r\n"));
    ~CarpetaTrabajo() { QDir::setCurrent(anterior_); }
    QString ruta(const QString& nombre) const { return dir_.filePath(nombre); }
    void escribir(const QString& nombre, const QByteArray& contenido) const;
    QByteArray leer(const QString& nombre) const;

private:
    QTemporaryDir dir_;
    QString anterior_;
};

// The shipped "inic.dat" with some records replaced: {record, "value, lowest, highest"}.
QString inic_con(std::initializer_list<std::pair<int, const char*>> registros);

// Answers every message box at once and keeps its text.
class Mensajes {
public:
    Mensajes() {
        set_contestador([this](const QString& texto) { textos << texto; });
    }
    ~Mensajes() { set_contestador(nullptr); }
    QStringList textos;
};

// Answers every modal window with `m` (which works its controls) while it lives.
class Modal {
public:
    explicit Modal(ManejadorModal m) { set_manejador_modal(std::move(m)); }
    ~Modal() { set_manejador_modal(nullptr); }
};

// The default locale for the life of a test.
class LocalePrueba {
public:
    explicit LocalePrueba(const QLocale& l) : anterior_(QLocale()) { QLocale::setDefault(l); }
    ~LocalePrueba() { QLocale::setDefault(anterior_); }

private:
    QLocale anterior_;
};

inline QLocale locale_coma() {
    return QLocale(QLocale::Spanish, QLocale::Argentina);
}
inline QLocale locale_punto() {
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

// The object named `nombre` among the descendants of `raiz`; the test program
// stops when there is none, since every story needs its controls.
template <class T = QWidget> T* buscar(const QObject* raiz, const QString& nombre) {
    T* o = raiz->findChild<T*>(nombre);
    if (o == nullptr) {
        qFatal("no %s", qPrintable(nombre));
    }
    return o;
}

// A pointer move over `w` at a position that may fall between pixels, as a
// fine pointer reports it (QTest moves by whole pixels only)...
void mover_raton(QWidget* w, QPointF pixel);
// ...and the same over a picture box, at a point of its user coordinates.
void mover_sobre(PictureBox* p, QPointF usuario);
QPoint pixel_de(const PictureBox* p, QPointF usuario);
void clic(QWidget* w);

// The main window after its load step in a fresh working folder, its messages
// answered and kept, shown at 1000 x 700 and active (so that the focus moves
// as it does for a user), with the spin pause shortened.
struct Escena {
    explicit Escena(const QString& inic = QString::fromUtf8(CarpetaTrabajo::inic_normal),
                    const QString& trazo = QStringLiteral(" 0 \r\n"));
    VentanaPrincipal* operator->() const { return ventana.get(); }

    template <class T = QWidget> T* control(const char* nombre) const {
        return buscar<T>(ventana.get(), QString::fromLatin1(nombre));
    }
    const Parametros& parametros() const { return ventana->parametros(); }
    const Grafica& grafica() const;
    EntradaValores& entrada() const;
    int curvas() const;

    void graficar() const { clic(control("boton_graficar")); }
    void limpiar() const { clic(control("boton_limpiar")); }
    // Types `texto` into the box of `m` as a user does (a click selects it, so
    // the first key replaces its value) and leaves it with Tab.
    void escribir(Magnitud m, const QString& texto) const;
    // N, a, d and L typed into their boxes, then "Graficar".
    void graficar_caso(int N, double a, double d, double L) const;
    // Opens the menu `menu` (object name) and clicks its entry `entrada`, with the mouse.
    void elegir(const char* menu, const QString& entrada) const;
    // Drags a rectangle on the graph from `desde` to `hasta` (user coordinates);
    // if the zoom window opens, `operar` works it before it is hidden. Returns
    // whether it opened.
    bool seleccionar(QPointF desde, QPointF hasta,
                     const std::function<void(VentanaZoom&)>& operar = {}) const;

    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    std::unique_ptr<VentanaPrincipal> ventana;
};

// The object name of the box of `m` ("caja_ranuras"...).
QString nombre_caja(Magnitud m);

// Where the drawing in `color` on picture `p` departs from the intensity `I`,
// drawn at 0.98 (alto - I) over the sines s0..s1 on the scale `e` (the
// picture's own unless given): in each pixel column in sight the drawing must
// reach the lowest and highest point of `I` over the sines the column spans
// (found on a grid of 16 points to a `franja`), and light nothing beyond the
// reach of that column and its neighbours, which a polyline joins; a pixel of
// slack either way, a stroke's width beyond the neighbours' reach. Empty when
// the drawing is faithful.
QString infidelidad(PictureBox* p, const std::function<double(double)>& I, double alto,
                    double franja, Color color, double s0, double s1,
                    std::optional<Escala> e = std::nullopt);
// The same for curve `c` against its model.
QString infidelidad(PictureBox* p, const Curva& c, Color color, double s0, double s1);
// The same for the preview of `c` on what the graph shows, in the preview's tone
// and on its own scale.
QString infidelidad_previa(PictureBox* p, const Curva& c);
