#include "informe/composicion.h"

#include "informe/contraste.h"
#include "model/muestreo.h"
#include "model/ordenes.h"
#include "toolkit/colores.h"
#include "toolkit/marcas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double mm_por_punto = 25.4 / 72;
// Text sizes, in points.
constexpr double letra_numeros = 8;
constexpr double letra_titulos = 9;
constexpr double letra_leyenda = 8;
constexpr double letra_ordenes = 7;
constexpr double letra_notas = 7.5;
// Lengths, in millimetres.
constexpr double marca = 1.5;           // a tick, outside the frame
constexpr double hueco = 0.8;           // between a tick and its number, a number and a title
constexpr double margen_izquierdo = 18; // the intensity numbers and title
constexpr double margen_derecho = 6;
constexpr double margen_superior = 12.5; // the angle numbers and title
constexpr double fila_leyenda = 4.2;
const QColor gris_grilla = QColor(128, 128, 128);

double alto_linea(double puntos) {
    return puntos * mm_por_punto * 1.3;
}

// About the width of a text in a sans-serif face.
double ancho_estimado(const QString& t, double puntos) {
    return double(t.size()) * 0.62 * puntos * mm_por_punto;
}

// Each curve's line in turn: solid, dashed, dotted, dash-dot, dash-dot-dot, long dash.
const std::vector<double>& trazos_curva(std::size_t k) {
    static const std::vector<double> trazos[] = {
        {},        {2.4, 1.2}, {0.45, 0.9}, {2.4, 0.9, 0.45, 0.9}, {2.4, 0.9, 0.45, 0.9, 0.45, 0.9},
        {5.0, 1.5}};
    return trazos[k % std::size(trazos)];
}

// Marks of one order closer than this (mm) share one label; of different
// orders only when drawn over each other.
constexpr double juntas = 1.5;
constexpr double encima = 0.3;

const QString separador_leyenda = QStringLiteral("    ");

// `piezas` joined by `separador` into lines no wider than `ancho` (a piece
// wider than that alone on its line).
QStringList partir(const QStringList& piezas, const QString& separador, double ancho, double puntos,
                   const Medida& medir) {
    QStringList lineas;
    for (const QString& p : piezas) {
        if (!lineas.isEmpty() && medir(lineas.last() + separador + p, puntos) <= ancho) {
            lineas.last() += separador + p;
        } else {
            lineas << p;
        }
    }
    return lineas;
}

// A box of `ancho` centred on `centro`, moved inside 0..`limite` if it can be.
QRectF centrada(double centro, double ancho, double y, double alto, double limite) {
    const double x = std::clamp(centro - ancho / 2, 1.0, std::max(1.0, limite - 1 - ancho));
    return QRectF(x, y, ancho, alto);
}

class Armado {
public:
    std::vector<Primitiva> v;

    void linea(QPointF a, QPointF b, const QColor& color, double grosor) {
        Primitiva p;
        p.tipo = Primitiva::Tipo::linea;
        p.color = color;
        p.grosor = grosor;
        p.puntos << a << b;
        v.push_back(std::move(p));
    }
    void rectangulo(const QRectF& r, const QColor& relleno, const QColor& borde, double grosor) {
        Primitiva p;
        p.tipo = Primitiva::Tipo::rectangulo;
        p.caja = r;
        p.relleno = relleno;
        p.color = borde;
        p.grosor = grosor;
        v.push_back(std::move(p));
    }
    void texto(const QRectF& caja, const QString& t, int alineacion, double letra,
               const QColor& color = Qt::black, bool vertical = false) {
        Primitiva p;
        p.tipo = Primitiva::Tipo::texto;
        p.caja = caja;
        p.texto = t;
        p.alineacion = alineacion;
        p.letra = letra;
        p.color = color;
        p.vertical = vertical;
        v.push_back(std::move(p));
    }
    // A small triangle pointing down at `punta`: filled, or outlined by a line
    // (so that a drawing keeps paths in a curve's colour for its curves alone).
    void triangulo(QPointF punta, const QColor& color, bool lleno) {
        Primitiva p;
        p.tipo = lleno ? Primitiva::Tipo::poligono : Primitiva::Tipo::linea;
        p.color = color;
        p.relleno = lleno ? color : QColor();
        p.grosor = lleno ? 0 : 0.2;
        p.puntos << punta << punta + QPointF(-0.75, -1.3) << punta + QPointF(0.75, -1.3);
        if (!lleno) {
            p.puntos << punta;
        }
        v.push_back(std::move(p));
    }
};

// The sector's sines across the frame, and each curve's relative intensity up
// it as the graph draws it: I / N² = 1 at the top of the curves' area and 0 at
// 0.98 of its height.
struct Ejes {
    QRectF marco;  // the frame: the sine range across
    QRectF curvas; // the curves' area: the frame less the room for the orders above
    double s0;
    double s1;
    std::optional<double> pantalla_cm;
    // The horizontal quantity at sine s: the sine, or the position on the screen in mm.
    double u(double s) const {
        return pantalla_cm ? 10 * *pantalla_cm * s / std::sqrt(std::max(1e-12, 1 - s * s)) : s;
    }
    double x(double s) const { return x_de_u(u(s)); }
    double x_de_u(double v) const {
        const double u0 = u(s0), u1 = u(s1);
        return marco.left() + (v - u0) / (u1 > u0 ? u1 - u0 : 1) * marco.width();
    }
    double y(double relativa) const {
        return curvas.top() + 0.98 * (1 - relativa) * curvas.height();
    }
};

// Curve `c` sampled as the graph samples it, one bin to each of the frame's
// columns, each sample where the figure's axes put it.
QPolygonF puntos_curva(const Curva& c, const Ejes& e, double columnas_por_mm) {
    // On the screen's scale the sine's columns widen away from the centre:
    // enough of them that the widest is still one column of the figure.
    double estiramiento = 1;
    if (e.pantalla_cm && e.s1 > e.s0) {
        const double c = std::sqrt(1 - std::pow(std::max(std::fabs(e.s0), std::fabs(e.s1)), 2));
        const double medio = (e.u(e.s1) - e.u(e.s0)) / (e.s1 - e.s0);
        estiramiento =
            std::clamp(10 * *e.pantalla_cm / std::max(1e-6, c * c * c) / medio, 1.0, 64.0);
    }
    const auto columnas =
        std::max(1, static_cast<int>(std::ceil(e.marco.width() * columnas_por_mm * estiramiento)));
    const Muestras muestras =
        muestrear_tramo(c, e.s0, e.s1, Columnas{e.s0, e.s1 - e.s0, columnas, 1});
    QPolygonF puntos;
    puntos.reserve(static_cast<qsizetype>(muestras.size()));
    for (const Muestra& m : muestras) {
        puntos << QPointF(e.x(m.seno), e.y(m.I / c.alto()));
    }
    return puntos;
}

// The orders of every curve above their maxima, as many as have room: every
// k-th order where neighbours would touch, one label for the marks of several
// curves that fall together, a label moved up past those already placed, and
// left out where it would leave the frame.
void marcar_ordenes(Armado& a, const std::vector<Curva>& curvas, const Ejes& e, const QLocale& l,
                    const Medida& medir, const QColor& fondo) {
    struct Marca {
        double x;
        double y; // the top of its mark
        QString texto;
        std::size_t curva;
    };
    std::vector<QRectF> ocupadas;
    std::vector<Marca> puestas;
    for (std::size_t k = 0; k < curvas.size(); ++k) {
        const Curva& c = curvas[k];
        const std::vector<Orden> ordenes = ordenes_principales(c);
        if (ordenes.empty()) {
            continue;
        }
        const auto etiqueta = [&](const Orden& o) {
            return o.ausente ? QStringLiteral("(%1)").arg(l.toString(o.m)) : l.toString(o.m);
        };
        double ancho = 0;
        for (const Orden& o : ordenes) {
            ancho = std::max(ancho, medir(etiqueta(o), letra_ordenes));
        }
        const double entre =
            ordenes.size() > 1 ? e.x(ordenes[1].seno) - e.x(ordenes[0].seno) : e.marco.width();
        int cada = 1;
        for (const int n : {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000}) {
            cada = n;
            if (n * entre >= ancho + 1) {
                break;
            }
        }
        const Red red = c.red();
        for (const Orden& o : ordenes) {
            if (o.m % cada != 0) {
                continue;
            }
            const double x = e.x(o.seno);
            const double y = e.y(o.ausente ? 0 : red(o.seno) / c.alto()) - 0.4;
            a.triangulo(QPointF(x, y), a_qcolor(c.color), !o.ausente);
            ocupadas.push_back(QRectF(x - 0.75, y - 1.3, 1.5, 1.3));
            puestas.push_back({x, y - 1.3, etiqueta(o), k});
        }
    }
    std::stable_sort(puestas.begin(), puestas.end(),
                     [](const Marca& p, const Marca& q) { return p.x < q.x; });
    struct Rotulo {
        double x;
        double y;
        QString texto;
        std::size_t curva; // the first of its curves
        QColor color;
    };
    std::vector<Rotulo> rotulos;
    for (std::size_t i = 0; i < puestas.size();) {
        std::size_t j = i;
        std::vector<const Marca*> grupo;
        while (j < puestas.size() && puestas[j].x - puestas[i].x <
                                         (puestas[j].texto == puestas[i].texto ? juntas : encima)) {
            grupo.push_back(&puestas[j++]);
        }
        std::stable_sort(grupo.begin(), grupo.end(),
                         [](const Marca* p, const Marca* q) { return p->curva < q->curva; });
        QStringList textos;
        double y = grupo[0]->y;
        bool una_curva = true;
        for (const Marca* m : grupo) {
            if (!textos.contains(m->texto)) {
                textos << m->texto;
            }
            y = std::min(y, m->y);
            una_curva = una_curva && m->curva == grupo[0]->curva;
        }
        const QColor color = una_curva ? a_qcolor(curvas[grupo[0]->curva].color) : Qt::black;
        rotulos.push_back({(puestas[i].x + puestas[j - 1].x) / 2, y, textos.join(QLatin1Char('/')),
                           grupo[0]->curva, legible(color, fondo)});
        i = j;
    }
    std::stable_sort(rotulos.begin(), rotulos.end(),
                     [](const Rotulo& p, const Rotulo& q) { return p.curva < q.curva; });
    const double alto = alto_linea(letra_ordenes) * 0.85;
    for (const Rotulo& o : rotulos) {
        const double ancho = medir(o.texto, letra_ordenes) + 0.4;
        QRectF r(o.x - ancho / 2, o.y - alto, ancho, alto);
        for (bool choca = true; choca && r.top() >= e.marco.top();) {
            choca = false;
            for (const QRectF& otra : ocupadas) {
                if (r.intersects(otra)) {
                    r.moveBottom(otra.top());
                    choca = true;
                }
            }
        }
        if (r.top() < e.marco.top()) {
            continue;
        }
        ocupadas.push_back(r);
        a.texto(r, o.texto, Qt::AlignHCenter | Qt::AlignBottom, letra_ordenes, o.color);
    }
}

void ejes(Armado& a, const Ejes& e, const QLocale& l, const Medida& medir, double ancho_figura) {
    const QRectF& m = e.marco;
    const double h_num = alto_linea(letra_numeros), h_tit = alto_linea(letra_titulos);
    const int cuantas = std::clamp(static_cast<int>(m.width() / 16), 4, 12);

    const Marcas senos = marcas(e.u(e.s0), e.u(e.s1), cuantas);
    for (const double s : senos.valores) {
        const double x = e.x_de_u(s);
        a.linea({x, m.bottom()}, {x, m.bottom() + marca}, Qt::black, 0.2);
        a.texto({x - 10, m.bottom() + marca + hueco / 2, 20, h_num},
                texto_marca(s, senos.decimales, l), Qt::AlignHCenter | Qt::AlignTop, letra_numeros);
    }
    // Titles centred on the frame, or as near as the figure's edges let them.
    const auto titulo = [&](const QString& t, double y, int alineacion) {
        a.texto(centrada(m.center().x(), medir(t, letra_titulos) + 1, y, h_tit, ancho_figura), t,
                Qt::AlignHCenter | alineacion, letra_titulos);
    };
    titulo(e.pantalla_cm ? QStringLiteral("Posición en la pantalla y (mm)")
                         : QStringLiteral("Seno del ángulo de desviación (sen θ)"),
           m.bottom() + marca + h_num + hueco, Qt::AlignTop);

    // The deviation angle on the top edge, at the sines of round angles.
    const double grados = 180 / std::numbers::pi;
    const Marcas angulos = marcas(std::asin(e.s0) * grados, std::asin(e.s1) * grados, cuantas);
    for (const double t : angulos.valores) {
        const double x = e.x(std::sin(t / grados));
        a.linea({x, m.top()}, {x, m.top() - marca}, Qt::black, 0.2);
        a.texto({x - 10, m.top() - marca - hueco / 2 - h_num, 20, h_num},
                texto_marca(t, angulos.decimales, l) + QStringLiteral("°"),
                Qt::AlignHCenter | Qt::AlignBottom, letra_numeros);
    }
    titulo(QStringLiteral("Ángulo de desviación θ"), m.top() - marca - h_num - hueco - h_tit,
           Qt::AlignBottom);

    const Marcas relativas = marcas(0, 1, 5);
    for (const double r : relativas.valores) {
        const double y = e.y(r);
        a.linea({m.left() - marca, y}, {m.left(), y}, Qt::black, 0.2);
        a.texto({m.left() - marca - hueco / 2 - 12, y - h_num / 2, 12, h_num},
                texto_marca(r, relativas.decimales, l), Qt::AlignRight | Qt::AlignVCenter,
                letra_numeros);
    }
    a.texto({1, e.curvas.top(), 2 * h_tit + 0.5, e.curvas.height()},
            QStringLiteral("Intensidad relativa I/N²\n(cada curva en su escala)"), Qt::AlignCenter,
            letra_titulos, Qt::black, true);
}

void grilla(Armado& a, const Ejes& e) {
    const QRectF& m = e.marco;
    for (const double s :
         marcas(e.u(e.s0), e.u(e.s1), std::clamp(static_cast<int>(m.width() / 16), 4, 12))
             .valores) {
        a.linea({e.x_de_u(s), m.top()}, {e.x_de_u(s), m.bottom()}, gris_grilla, 0.1);
    }
    for (const double r : marcas(0, 1, 5).valores) {
        a.linea({m.left(), e.y(r)}, {m.right(), e.y(r)}, gris_grilla, 0.1);
    }
}

} // namespace

QStringList partes_leyenda(int k, const Curva& c, const QLocale& locale) {
    QLocale l = locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    const auto fijo = [&](Fijo x) {
        QString s = l.toString(x.a_double(), 'f', 4);
        while (s.endsWith(QLatin1Char('0'))) {
            s.chop(1);
        }
        if (s.endsWith(l.decimalPoint())) {
            s.chop(l.decimalPoint().size());
        }
        return s;
    };
    return {QStringLiteral("Curva %1:").arg(l.toString(k)),
            QStringLiteral("L = %1 µm").arg(fijo(c.onda)),
            QStringLiteral("a = %1 µm").arg(fijo(c.ancho)),
            QStringLiteral("d = %1 µm").arg(fijo(c.distancia)),
            QStringLiteral("N = %1").arg(l.toString(c.ranuras))};
}

QString leyenda(int k, const Curva& c, const QLocale& locale) {
    return partes_leyenda(k, c, locale).join(separador_leyenda);
}

Composicion componer(const std::vector<Curva>& curvas, const OpcionesFigura& o) {
    Armado a;
    const Medida medir = o.medir ? o.medir : Medida(ancho_estimado);
    const double W = o.ancho_mm;
    const int n = static_cast<int>(curvas.size());
    const double s0 = curvas.empty() ? 0 : curvas.back().seno_min();
    const double s1 = curvas.empty() ? 1 : curvas.back().seno_max();
    // Room above the highest maxima for their orders, more for more curves; a
    // narrow figure keeps the height its intensity title needs.
    const double sobre_maximos = 5.5 + 3 * std::clamp(n - 1, 0, 3);
    const QRectF marco(margen_izquierdo, margen_superior, W - margen_izquierdo - margen_derecho,
                       std::max(0.5 * W, 55.0));
    const std::optional<double> pantalla =
        o.pantalla_cm && std::isfinite(*o.pantalla_cm) && *o.pantalla_cm > 0 ? o.pantalla_cm
                                                                             : std::nullopt;
    const Ejes e{marco, marco.adjusted(0, sobre_maximos, 0, 0), s0, s1, pantalla};

    grilla(a, e);
    for (std::size_t k = 0; k < curvas.size(); ++k) {
        Primitiva p;
        p.tipo = Primitiva::Tipo::curva;
        p.color = a_qcolor(curvas[k].color);
        p.grosor = 0.3;
        p.trazos = trazos_curva(k);
        p.puntos = puntos_curva(curvas[k], e, o.columnas_por_mm);
        a.v.push_back(std::move(p));
    }
    marcar_ordenes(a, curvas, e, o.locale, medir, o.fondo);
    a.rectangulo(marco, QColor(), Qt::black, 0.25);
    ejes(a, e, o.locale, medir, W);

    // The legend: each curve's case in its colour, its line broken where the
    // box is narrow, and what the orders' marks say.
    const double izquierda = margen_izquierdo, ancho = W - izquierda - margen_derecho;
    const double texto_x = izquierda + 12, texto_ancho = ancho - 14;
    std::vector<QStringList> lineas;
    for (int k = 0; k < n; ++k) {
        lineas.push_back(partir(partes_leyenda(k + 1, curvas[std::size_t(k)], o.locale),
                                separador_leyenda, texto_ancho, letra_leyenda, medir));
    }
    bool ausentes = false;
    for (const Curva& c : curvas) {
        for (const Orden& x : ordenes_principales(c)) {
            ausentes = ausentes || x.ausente;
        }
    }
    const auto nota = [&](const QString& t) {
        return partir(t.split(u' '), QStringLiteral(" "), ancho - 4, letra_notas, medir);
    };
    QStringList notas = nota(QStringLiteral("▼ m: máximo principal de orden m"));
    if (pantalla) {
        QLocale l = o.locale;
        l.setNumberOptions(QLocale::OmitGroupSeparator);
        notas << nota(QStringLiteral("y = D·tan θ, con la pantalla a D = %1 cm")
                          .arg(l.toString(*pantalla, 'g', QLocale::FloatingPointShortest)));
    }
    if (ausentes) {
        notas << nota(QStringLiteral("▽ (m): orden ausente, donde cae un cero de la difracción "
                                     "por una ranura (m·a/d entero)"));
    }
    const double h_linea = alto_linea(letra_leyenda), h_nota = alto_linea(letra_notas);
    double alto = 1.5 + 0.5 + double(notas.size()) * h_nota + 1.5;
    for (const QStringList& l : lineas) {
        alto += fila_leyenda + double(l.size() - 1) * h_linea;
    }
    const double arriba =
        marco.bottom() + marca + alto_linea(letra_numeros) + alto_linea(letra_titulos) + 2.5;
    const QRectF caja(izquierda, arriba, ancho, alto);
    a.rectangulo(caja, QColor(), gris_grilla, 0.15);
    double y = caja.top() + 1.5;
    for (int k = 0; k < n; ++k) {
        const QColor color = a_qcolor(curvas[std::size_t(k)].color);
        const double medio = y + fila_leyenda / 2;
        a.linea({caja.left() + 2, medio}, {caja.left() + 10, medio}, color, 0.6);
        a.v.back().trazos = trazos_curva(std::size_t(k));
        const QStringList& l = lineas[std::size_t(k)];
        for (qsizetype i = 0; i < l.size(); ++i) {
            const double alto_fila = i == 0 ? fila_leyenda : h_linea;
            a.texto({texto_x, y, texto_ancho, alto_fila}, l[i], Qt::AlignLeft | Qt::AlignVCenter,
                    letra_leyenda, legible(color, o.fondo));
            y += alto_fila;
        }
    }
    y += 0.5;
    for (const QString& t : notas) {
        a.texto({caja.left() + 2, y, caja.width() - 4, h_nota}, t, Qt::AlignLeft | Qt::AlignVCenter,
                letra_notas);
        y += h_nota;
    }
    const QSizeF tamano(W, caja.bottom() + 3);
    // The ground first, under everything.
    Primitiva suelo;
    suelo.tipo = Primitiva::Tipo::rectangulo;
    suelo.caja = QRectF(QPointF(0, 0), tamano);
    suelo.relleno = o.fondo;
    a.v.insert(a.v.begin(), std::move(suelo));
    return Composicion{tamano, std::move(a.v)};
}
