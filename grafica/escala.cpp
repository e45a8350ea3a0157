#include "grafica/escala.h"

#include "toolkit/marcas.h"
#include "toolkit/picture_box.h"

#include <QFontMetrics>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double pixeles_por_marca = 80;
constexpr int largo_marca = 5; // pixels
const QColor tinta_escala(0x30, 0x30, 0x30);

int cuantas_para(int ancho) {
    return std::clamp(static_cast<int>(ancho / pixeles_por_marca), 2, 12);
}

// The C locale's digits with the user's decimal mark, as the boxes show numbers.
QString texto_de_marca(double x, int decimales) {
    QString t = texto_marca(x, decimales, QLocale::c());
    t.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return t;
}

} // namespace

std::vector<MarcaEje> marcas_de_senos(double s0, double s1, int ancho) {
    std::vector<MarcaEje> r;
    const Marcas m = marcas(std::min(s0, s1), std::max(s0, s1), cuantas_para(ancho));
    for (const double s : m.valores) {
        r.push_back({s, texto_de_marca(s, m.decimales)});
    }
    return r;
}

std::vector<MarcaEje> marcas_de_grados(double s0, double s1, int ancho) {
    std::vector<MarcaEje> r;
    const double grados = 180 / std::numbers::pi;
    const auto angulo = [&](double s) { return std::asin(std::clamp(s, -1.0, 1.0)) * grados; };
    const Marcas m =
        marcas(angulo(std::min(s0, s1)), angulo(std::max(s0, s1)), cuantas_para(ancho));
    for (const double t : m.valores) {
        r.push_back({std::sin(t / grados), texto_de_marca(t, m.decimales) + QChar(0x00B0)});
    }
    return r;
}

int alto_fila_escala(const PictureBox& caja) {
    return QFontMetrics(caja.font()).height() + largo_marca;
}

void dibujar_escala(PictureBox& caja, double s0, double s1, bool grados) {
    const Escala antes = caja.escala();
    const int alto = std::max(1, caja.height());
    const int ancho = caja.width();
    // On a scale of the sine across and (logical) pixels down, whatever the box's own.
    caja.set_escala({s0, 0, s1 - s0, static_cast<double>(alto)});
    for (const MarcaEje& m : marcas_de_senos(s0, s1, ancho)) {
        caja.linea({m.seno, double(alto)}, {m.seno, double(alto - largo_marca)}, tinta_escala);
        caja.texto({m.seno, double(alto - largo_marca)}, m.texto,
                   Qt::AlignHCenter | Qt::AlignBottom, tinta_escala);
    }
    if (grados) {
        for (const MarcaEje& m : marcas_de_grados(s0, s1, ancho)) {
            caja.linea({m.seno, 0}, {m.seno, double(largo_marca)}, tinta_escala);
            caja.texto({m.seno, double(largo_marca)}, m.texto, Qt::AlignHCenter | Qt::AlignTop,
                       tinta_escala);
        }
    }
    caja.set_escala(antes);
}
