#include "tests/estres/acciones.h"

#include <QKeySequence>
#include <QStringList>

#include <rapidcheck.h>

#include <array>
#include <utility>

QString flecha(int cual) {
    static const char* const cajas[] = {"inferior",  "superior", "ranuras",        "ancho",
                                        "distancia", "onda",     "onda_centesima", "onda_milesima"};
    return QLatin1String(cual % 2 == 0 ? "subir_" : "bajar_") + QLatin1String(cajas[cual / 2]);
}

namespace {

// Values drawn by rapidcheck, which shrinks each of them towards `desde`.
int entero(int desde, int hasta) {
    return *rc::gen::inRange(desde, hasta + 1);
}

double real(double desde, double hasta) {
    return desde + (hasta - desde) * entero(0, 1 << 20) / double(1 << 20);
}

// Pieces of what a user types or pastes: numbers mostly, in both decimal marks,
// with what a keyboard or another program may bring along.
QString trozo() {
    static const char* const sueltos[] = {".", ",", "-", "+", "e",      "E",      "d", " ",
                                          "x", "ñ", "−", "٣", "\u200F", "\u00A0", "0", "00"};
    static const QStringList numeros =
        QStringLiteral("1e999 -1e999 1e99999999999999999999 nan inf 0x10 1e-999 "
                       "99999999999999999999 0,0001 -0.55 2.5e1 3D2 1. .5")
            .split(QLatin1Char(' '));
    switch (entero(0, 9)) {
    case 0:
    case 1:
        return QString::fromUtf8(sueltos[entero(0, std::size(sueltos) - 1)]);
    case 2:
        return numeros[entero(0, numeros.size() - 1)];
    default: {
        QString cifras;
        for (int i = entero(1, 4); i > 0; --i) {
            cifras += QChar(u'0' + entero(0, 9));
        }
        return cifras;
    }
    }
}

QString texto_al_azar(int trozos) {
    QString t;
    for (int i = 0; i < trozos; ++i) {
        t += trozo();
    }
    return t;
}

// A number a user means for box `caja` (1..6), mostly within the shipped
// limits, in either decimal mark.
QString plausible(int caja) {
    const std::array<std::pair<double, double>, 7> rangos{
        {{0, 0}, {-0.95, 0.95}, {-0.95, 0.95}, {1, 60}, {0.1, 20}, {1, 100}, {0.38, 0.78}}};
    const auto [desde, hasta] = rangos[caja];
    double x = real(desde, hasta);
    if (entero(0, 9) == 0) {
        x *= 10; // past the limits now and then
    }
    const int decimales = caja == 3 ? 0 : entero(0, 3);
    QString t = QString::number(x, 'f', decimales);
    if (entero(0, 1) == 0) {
        t.replace(QLatin1Char('.'), QLatin1Char(','));
    }
    return t;
}

constexpr int ctrl = Qt::ControlModifier;
constexpr int shift = Qt::ShiftModifier;
// Keys that edit, move, accept or leave; never one that ends the program.
const int teclas_control[] = {Qt::Key_Backspace,    Qt::Key_Delete,
                              Qt::Key_Left,         Qt::Key_Right,
                              Qt::Key_Home,         Qt::Key_End,
                              Qt::Key_Escape,       Qt::Key_Return,
                              Qt::Key_Enter,        Qt::Key_Tab,
                              Qt::Key_Backtab,      Qt::Key_Up,
                              Qt::Key_Down,         Qt::Key_PageUp,
                              Qt::Key_Space,        Qt::Key_F1,
                              ctrl | Qt::Key_A,     ctrl | Qt::Key_C,
                              ctrl | Qt::Key_X,     ctrl | Qt::Key_V,
                              ctrl | Qt::Key_Z,     ctrl | shift | Qt::Key_Z,
                              shift | Qt::Key_Left, shift | Qt::Key_End};

Tecla tecla_al_azar() {
    Tecla t;
    t.tecla = teclas_control[entero(0, std::size(teclas_control) - 1)];
    if (t.tecla == tecla_pegar) {
        t.texto = texto_al_azar(entero(0, 4));
        if (entero(0, 5) == 0) {
            t.texto += QStringLiteral("\n") + texto_al_azar(2);
        }
    }
    return t;
}

// A window worked up to `pasos` times by operations 0..`ops`, then closed one
// of `cierres` + 1 ways.
std::vector<int> plan(int pasos, int ops, int cierres) {
    std::vector<int> v;
    for (int i = entero(0, pasos); i > 0; --i) {
        v.push_back(entero(0, ops) * 1000 + entero(0, 999));
    }
    v.push_back(entero(0, cierres) * 1000);
    return v;
}

} // namespace

Accion accion_al_azar() {
    using T = Accion::Tipo;
    // How often each kind comes, out of 1000.
    static const std::pair<T, int> pesos[] = {
        {T::escribir, 240}, {T::tecla, 60},   {T::enfocar, 80},     {T::flecha, 190},
        {T::graficar, 120}, {T::limpiar, 25}, {T::marcador, 60},    {T::banda, 70},
        {T::menu, 55},      {T::mover, 45},   {T::lupa, 10},        {T::opcion, 15},
        {T::restaurar, 8},  {T::tamano, 7},   {T::mensaje_real, 10}};
    int r = entero(0, 999);
    Accion x;
    for (const auto& [tipo, peso] : pesos) {
        x.tipo = tipo;
        if ((r -= peso) < 0) {
            break;
        }
    }
    switch (x.tipo) {
    case T::escribir:
        x.cual = entero(1, 6);
        if (entero(0, 9) < 7) {
            x.teclas.push_back({plausible(x.cual), 0});
        }
        for (int i = x.teclas.empty() ? entero(1, 4) : entero(0, 1); i > 0; --i) {
            if (entero(0, 3) == 0) {
                x.teclas.push_back(tecla_al_azar());
            } else {
                x.teclas.push_back({texto_al_azar(entero(1, 3)), 0});
            }
        }
        if (entero(0, 2) > 0) { // most often left with Tab
            x.teclas.push_back({QString(), Qt::Key_Tab});
        }
        break;
    case T::tecla:
        x.teclas.push_back(tecla_al_azar());
        break;
    case T::enfocar: // `cual` 1..6 a box, else another window or the picture
    case T::mover:
    case T::tamano:
        x.cual = x.tipo == T::enfocar ? entero(1, 9) : entero(0, x.tipo == T::mover ? 3 : 0);
        x.puntos.push_back({real(0, 1), real(0, 1)});
        break;
    case T::flecha:
        x.cual = entero(0, 15);
        x.veces = entero(1, 3);
        break;
    case T::marcador:
        x.cual = entero(0, 1);
        for (int i = entero(0, 3); i > 0; --i) {
            x.puntos.push_back({entero(0, 4) == 0 ? real(-1, 1) : 0, real(-2.6, 2.6)});
        }
        break;
    case T::banda:
        for (int i = entero(2, 4); i > 0; --i) {
            x.puntos.push_back({real(-0.05, 1.05), real(-0.05, 1.05)});
        }
        x.ventana = plan(5, 7, 4);
        break;
    case T::menu:
        x.cual = entero(0, 11);
        x.ventana = plan(3, 3, 2); // the session viewer's
        break;
    case T::opcion:
        x.cual = entero(0, 1);
        break;
    case T::mensaje_real:
        x.cual = entero(0, 3);
        x.ventana = plan(0, 0, 3);
        break;
    case T::graficar:
    case T::limpiar:
    case T::lupa:
    case T::restaurar:
        break;
    }
    return x;
}

namespace {

QString cita(const QString& s) {
    return QLatin1Char('"') + QString(s).replace(QLatin1Char('\n'), QLatin1String("\\n")) +
           QLatin1Char('"');
}

} // namespace

// Every field an action uses, by name: a shrunk story reads as what to do again.
QString describir(const Accion& a) {
    static const char* const tipos[] = {
        "box",       "key",         "focus",        "spin",       "Graficar",
        "Limpiar",   "marker",      "rubber band",  "menu entry", "pointer over",
        "magnifier", "band option", "restore spot", "resize",     "real message"};
    QStringList t{QLatin1String(tipos[static_cast<int>(a.tipo)]), QString::number(a.cual)};
    if (a.tipo == Accion::Tipo::flecha) {
        t << flecha(a.cual) << QStringLiteral("x%1").arg(a.veces);
    }
    for (const Tecla& k : a.teclas) {
        t << (k.tecla == 0
                  ? cita(k.texto)
                  : QLatin1Char('<') + QKeySequence(k.tecla).toString() +
                        (k.tecla == tecla_pegar ? QLatin1Char(' ') + cita(k.texto) : QString()) +
                        QLatin1Char('>'));
    }
    for (const QPointF& p : a.puntos) {
        t << QStringLiteral("(%1, %2)").arg(p.x(), 0, 'f', 3).arg(p.y(), 0, 'f', 3);
    }
    if (!a.ventana.empty()) {
        t << QStringLiteral("window:");
        for (int x : a.ventana) {
            t << QString::number(x);
        }
    }
    return t.join(QLatin1Char(' '));
}
