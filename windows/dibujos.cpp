#include "windows/dibujos.h"

#include "model/color.h"
#include "model/color_onda.h"
#include "model/intens.h"
#include "toolkit/texto.h"
#include "windows/dibujos_comun.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// The colour that light of several wavelengths through one grating makes at the
// sine s, each wavelength weighted by its intensity relative to the centre.
QColor color_en(double s, const Red* redes, const Fijo* ondas, int n, double n2) {
    double r = 0, g = 0, b = 0;
    for (int i = 0; i < n; ++i) {
        const double f = redes[i](s) / n2;
        const ComponentesColor c = color_de_onda(ondas[i]);
        r += f * c.r;
        g += f * c.g;
        b += f * c.b.a_double();
    }
    auto tope = [](double v) { return static_cast<int>(std::clamp(v, 0.0, 255.0)); };
    return QColor(tope(r), tope(g), tope(b));
}

} // namespace

void dibujar_titulo(QPainter& p, QSize tam) {
    const double w = tam.width();
    const double h = tam.height();
    QLinearGradient cielo(0, 0, 0, h);
    cielo.setColorAt(0, QColor(8, 10, 30));
    cielo.setColorAt(1, QColor(0, 0, 0));
    p.fillRect(QRectF(0, 0, w, h), cielo);

    // Five wavelengths across the visible range through a grating of four slits.
    const Fijo ondas[] = {Fijo::desde(0.42), Fijo::desde(0.48), Fijo::desde(0.53),
                          Fijo::desde(0.58), Fijo::desde(0.65)};
    const Fijo N = 4, a = Fijo::desde(1.2), d = Fijo::desde(3.5);
    const Red redes[] = {Red(ondas[0], a, d, N), Red(ondas[1], a, d, N), Red(ondas[2], a, d, N),
                         Red(ondas[3], a, d, N), Red(ondas[4], a, d, N)};
    const double franja_arriba = h * 0.52, franja_abajo = h * 0.80;
    for (int x = 0; x < static_cast<int>(w); ++x) {
        const double s = (x + 0.5 - w / 2) / w * 0.9;
        p.fillRect(QRectF(x, franja_arriba, 1, franja_abajo - franja_arriba),
                   color_en(s, redes, ondas, 5, 16.0 / 2.2));
    }

    // The intensity of the middle wavelength over the bands, as on the graph.
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath curva;
    for (int x = 0; x <= static_cast<int>(w); ++x) {
        const double s = (x - w / 2) / w * 0.9;
        const double y = franja_arriba - 6 - redes[2](s) / 16.0 * h * 0.30;
        x == 0 ? curva.moveTo(x, y) : curva.lineTo(x, y);
    }
    p.setPen(QPen(QColor(230, 230, 230), std::max(1.0, w / 382)));
    p.drawPath(curva);

    QFont f = p.font();
    f.setFamily(QStringLiteral("Liberation Sans"));
    f.setPixelSize(static_cast<int>(h * 0.045));
    p.setFont(f);
    p.setPen(QColor(200, 200, 220));
    p.drawText(QRectF(0, franja_abajo + h * 0.03, w, h * 0.08), Qt::AlignCenter,
               QStringLiteral("Difracción de la luz por N ranuras"));
    f.setPixelSize(static_cast<int>(h * 0.038));
    p.setFont(f);
    p.setPen(QColor(150, 150, 170));
    p.drawText(QRectF(0, franja_abajo + h * 0.10, w, h * 0.08), Qt::AlignCenter,
               QStringLiteral("Grupo Quenor"));
}

namespace {

using namespace dibujo;

constexpr double ancho_diseno = 1600;
constexpr double alto_diseno = 990;
const QRectF franja_diseno(120, 200, 1360, 190);
const QRectF patron_diseno(120, 650, 1360, 130);
// White light through the grating of the lower half: its orders are wide
// apart and narrow enough to show every colour.
const Fijo red_N = 40, red_a = Fijo::desde(0.5), red_d = 2;

QString decimal(double x, int decimales) {
    return QString::number(x, 'f', decimales).replace(QLatin1Char('.'), QLatin1Char(','));
}

// The light of 81 wavelengths across the visible range that the grating sends
// to the sine s, balanced so that all of them together make white, then
// brightened as an eye or a camera would: the spectra of the orders hold little
// energy per point beside the centre, where every wavelength meets.
QColor luz_blanca(double s, const std::vector<Red>& redes, const std::vector<ComponentesColor>& c,
                  const double total[3]) {
    double v[3] = {0, 0, 0};
    for (std::size_t i = 0; i < redes.size(); ++i) {
        const double f = redes[i](s);
        v[0] += f * c[i].r;
        v[1] += f * c[i].g;
        v[2] += f * c[i].b.a_double();
    }
    const double n2 = red_N.a_double() * red_N.a_double();
    double m = 0;
    for (int k = 0; k < 3; ++k) {
        v[k] /= total[k] * n2;
        m = std::max(m, v[k]);
    }
    if (m <= 0) {
        return Qt::black;
    }
    const double brillo = (1 - std::exp(-m * 40)) / (1 - std::exp(-40.0));
    auto canal = [&](double x) { return static_cast<int>(std::lround(255 * x / m * brillo)); };
    return QColor(canal(v[0]), canal(v[1]), canal(v[2]));
}

void pintar_luz_blanca(QPainter& p, const QRectF& zona, double seno_max) {
    std::vector<Red> redes;
    std::vector<ComponentesColor> componentes;
    double total[3] = {0, 0, 0};
    for (int i = 0; i <= 80; ++i) {
        const Fijo L = Fijo::crudo(3800 + 50 * i);
        redes.emplace_back(L, red_a, red_d, red_N);
        componentes.push_back(color_de_onda(L));
        total[0] += componentes.back().r;
        total[1] += componentes.back().g;
        total[2] += componentes.back().b.a_double();
    }
    const int izquierda = static_cast<int>(std::lround(zona.left()));
    const int derecha = static_cast<int>(std::lround(zona.right()));
    constexpr int sub = 4;
    for (int x = izquierda; x < derecha; ++x) {
        double r = 0, g = 0, b = 0;
        for (int k = 0; k < sub; ++k) {
            const double s =
                ((x + (k + 0.5) / sub - zona.left()) / zona.width() * 2 - 1) * seno_max;
            const QColor c = luz_blanca(s, redes, componentes, total);
            r += c.red();
            g += c.green();
            b += c.blue();
        }
        p.fillRect(QRectF(x, zona.top(), 1, zona.height()),
                   QColor(static_cast<int>(r / sub), static_cast<int>(g / sub),
                          static_cast<int>(b / sub)));
    }
}

} // namespace

QRectF franja_espectro(QSize tam) {
    const double kx = tam.width() / ancho_diseno;
    const double ky = tam.height() / alto_diseno;
    return QRectF(franja_diseno.left() * kx, franja_diseno.top() * ky, franja_diseno.width() * kx,
                  franja_diseno.height() * ky);
}

void dibujar_espectro(QPainter& p, QSize tam) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.fillRect(QRect(QPoint(0, 0), tam), QColor(18, 20, 28));

    // The bands are painted column by column in device pixels, so a picture of
    // any size has every column in its own wavelength.
    const QRectF franja = franja_espectro(tam);
    for (int x = static_cast<int>(std::lround(franja.left()));
         x < static_cast<int>(std::lround(franja.right())); ++x) {
        const double L = 0.38 + (x + 0.5 - franja.left()) / franja.width() * 0.4;
        p.fillRect(QRectF(x, franja.top(), 1, franja.height()), color_luz(Fijo::desde(L), 1));
    }
    const double kx = tam.width() / ancho_diseno;
    const double ky = tam.height() / alto_diseno;
    pintar_luz_blanca(p,
                      QRectF(patron_diseno.left() * kx, patron_diseno.top() * ky,
                             patron_diseno.width() * kx, patron_diseno.height() * ky),
                      0.9);
    p.scale(kx, ky);

    const QColor tinta(225, 228, 235);
    const QColor tenue(150, 156, 170);
    p.setPen(tinta);
    p.setFont(letra(46, true));
    texto(p, {800, 34}, QStringLiteral("Espectro de la luz blanca"),
          Qt::AlignHCenter | Qt::AlignTop);
    p.setPen(tenue);
    p.setFont(letra(24));
    texto(p, {800, 100},
          QStringLiteral("Cada longitud de onda tiene su color. La luz blanca es la mezcla de "
                         "todas ellas."),
          Qt::AlignHCenter | Qt::AlignTop);

    // Colour names over the band, each pointing at a wavelength of its colour.
    struct Nombre {
        double L;
        const char* texto;
    };
    const Nombre nombres[] = {{0.405, "violeta"},  {0.465, "azul"},    {0.525, "verde"},
                              {0.572, "amarillo"}, {0.607, "naranja"}, {0.69, "rojo"}};
    p.setFont(letra(25));
    for (const Nombre& n : nombres) {
        const double x = franja_diseno.left() + (n.L - 0.38) / 0.4 * franja_diseno.width();
        const double y = 158;
        p.setPen(QPen(tenue, 1.5));
        p.drawLine(QPointF(x, y + 8), QPointF(x, franja_diseno.top() - 4));
        p.setPen(tinta);
        texto(p, {x, y + 6}, QString::fromUtf8(n.texto), Qt::AlignHCenter | Qt::AlignBottom);
    }

    // Wavelength axis: a tick every 0.01 micrometres, a number every 0.05.
    const double y_eje = franja_diseno.bottom() + 6;
    p.setFont(letra(22));
    for (int i = 0; i <= 40; ++i) {
        const double x = franja_diseno.left() + i / 40.0 * franja_diseno.width();
        const bool mayor = (38 + i) % 5 == 0;
        p.setPen(QPen(mayor ? tinta : tenue, mayor ? 2 : 1.2));
        p.drawLine(QPointF(x, y_eje), QPointF(x, y_eje + (mayor ? 16 : 9)));
        if (mayor || i == 0 || i == 40) {
            p.setPen(tinta);
            texto(p, {x, y_eje + 20}, decimal(0.38 + i * 0.01, 2), Qt::AlignHCenter | Qt::AlignTop);
        }
    }
    p.setFont(letra(24));
    p.setPen(tenue);
    texto(p, {800, y_eje + 56}, QStringLiteral("Longitud de onda L (micrones)"),
          Qt::AlignHCenter | Qt::AlignTop);

    // The lower half: the same light spread by a grating.
    p.setPen(tinta);
    p.setFont(letra(30, true));
    texto(p, {800, 520}, QStringLiteral("Luz blanca a través de una red de difracción"),
          Qt::AlignHCenter | Qt::AlignTop);
    p.setPen(tenue);
    p.setFont(letra(22));
    texto(p, {800, 562},
          QStringLiteral("N = 40 ranuras de ancho a = %1 micrones, a una distancia d = 2 micrones")
              .arg(texto_numero(0.5)),
          Qt::AlignHCenter | Qt::AlignTop);

    // Each order m spreads the colours from m·0.38/d to m·0.78/d in sine.
    const double seno_max = 0.9;
    auto x_de = [&](double s) {
        return patron_diseno.left() + (s / seno_max + 1) / 2 * patron_diseno.width();
    };
    p.setFont(letra(22));
    for (int m = -2; m <= 2; ++m) {
        const double centro = m == 0 ? 0 : m * (0.38 + 0.78) / 2 / red_d.a_double();
        const QString nombre =
            m == 0 ? QStringLiteral("orden 0: blanco")
                   : QStringLiteral("orden %1").arg(m).replace(QLatin1Char('-'), QChar(0x2212));
        p.setPen(tinta);
        texto(p, {x_de(centro), patron_diseno.top() - 12}, nombre,
              Qt::AlignHCenter | Qt::AlignBottom);
    }
    const double y_senos = patron_diseno.bottom() + 6;
    for (int i = -8; i <= 8; ++i) {
        const double x = x_de(i / 10.0);
        p.setPen(QPen(i % 2 == 0 ? tinta : tenue, i % 2 == 0 ? 2 : 1.2));
        p.drawLine(QPointF(x, y_senos), QPointF(x, y_senos + (i % 2 == 0 ? 14 : 8)));
        if (i % 2 == 0) {
            p.setPen(tinta);
            texto(p, {x, y_senos + 18},
                  decimal(i / 10.0, 1).replace(QLatin1Char('-'), QChar(0x2212)),
                  Qt::AlignHCenter | Qt::AlignTop);
        }
    }
    p.setPen(tenue);
    p.setFont(letra(24));
    texto(p, {800, y_senos + 52}, QStringLiteral("Seno (Angulo de Desviación)"),
          Qt::AlignHCenter | Qt::AlignTop);
    p.setFont(letra(23));
    p.setPen(tinta);
    texto(p, {800, 920},
          QStringLiteral("En el centro llegan todas las longitudes de onda: se ve blanco. En cada "
                         "orden m los colores se separan,"),
          Qt::AlignHCenter | Qt::AlignTop);
    texto(p, {800, 950},
          QStringLiteral("porque el máximo de cada uno está donde d · sen θ = m · L: el violeta se "
                         "desvía menos y el rojo más."),
          Qt::AlignHCenter | Qt::AlignTop);
    p.restore();
}

QImage imagen_lupa(bool acercar, bool activa, int lado) {
    QImage img(lado, lado, QImage::Format_RGB32);
    img.fill(QColor(192, 192, 192));
    QPainter p(&img);
    p.scale(lado / 16.0, lado / 16.0);
    // A raised face, as the buttons around it.
    p.fillRect(QRectF(0, 0, 15, 1), Qt::white);
    p.fillRect(QRectF(0, 0, 1, 15), Qt::white);
    p.fillRect(QRectF(1, 15, 15, 1), QColor(128, 128, 128));
    p.fillRect(QRectF(15, 1, 1, 15), QColor(128, 128, 128));

    const QColor borde = activa ? QColor(24, 24, 24) : QColor(128, 128, 128);
    const QColor mango = activa ? QColor(96, 56, 24) : QColor(128, 128, 128);
    const QColor lente = activa ? QColor(200, 228, 255) : QColor(192, 192, 192);
    const QColor signo = activa ? QColor(0, 0, 0) : QColor(128, 128, 128);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(mango, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.6, 9.6), QPointF(13.2, 13.2));
    p.setPen(QPen(borde, 1.4));
    p.setBrush(lente);
    p.drawEllipse(QPointF(6.5, 6.5), 4.6, 4.6);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(signo);
    p.drawRect(4, 6, 5, 1);
    if (acercar) {
        p.drawRect(6, 4, 1, 5);
    }
    if (!activa) {
        // A greyed picture has only greys: the antialiased edges keep their tone.
        p.end();
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                const int gris = qGray(img.pixel(x, y));
                img.setPixel(x, y, qRgb(gris, gris, gris));
            }
        }
    }
    return img;
}

namespace {

// An overlay picture as its file holds it: the designed size, on white.
QImage pintada(Pintor pintor) {
    QImage img(tamano_ilustracion, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    pintor(p, tamano_ilustracion);
    p.end();
    return img;
}

} // namespace

bool es_dibujo_de(const QImage& imagen, Pintor pintor) {
    if (imagen.size() != tamano_ilustracion) {
        return false;
    }
    const QSize bloques = tamano_ilustracion / 16;
    const auto reducida = [&](const QImage& img) {
        return img.convertToFormat(QImage::Format_RGB32)
            .scaled(bloques, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QImage a = reducida(imagen);
    const QImage b = reducida(pintada(pintor));
    // Hinting moves a block by 10 levels at most; another picture by hundreds.
    constexpr int tolerancia = 24;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb u = a.pixel(x, y);
            const QRgb v = b.pixel(x, y);
            if (std::abs(qRed(u) - qRed(v)) > tolerancia ||
                std::abs(qGreen(u) - qGreen(v)) > tolerancia ||
                std::abs(qBlue(u) - qBlue(v)) > tolerancia) {
                return false;
            }
        }
    }
    return true;
}

QStringList guardar_dibujos(const QString& carpeta) {
    QStringList fallidos;
    const QDir dir(carpeta);
    auto guardar = [&](const QImage& img, const QString& nombre) {
        if (!img.save(dir.filePath(nombre), "BMP")) {
            fallidos << nombre;
        }
    };
    guardar(pintada(dibujar_espectro), QStringLiteral("espectro.bmp"));
    guardar(pintada(dibujar_laboratorio), QStringLiteral("lab.bmp"));
    guardar(pintada(dibujar_red_pantalla), QStringLiteral("pantalla.bmp"));
    guardar(imagen_lupa(false, true), QStringLiteral("LupaOuSi.bmp"));
    guardar(imagen_lupa(false, false), QStringLiteral("LupaOuNo.bmp"));
    guardar(imagen_lupa(true, true), QStringLiteral("LupaInSi.bmp"));
    guardar(imagen_lupa(true, false), QStringLiteral("LupaInNo.bmp"));
    return fallidos;
}
