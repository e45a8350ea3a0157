#include "medicion/foto.h"

#include <algorithm>
#include <cmath>

namespace {

double lineal(int c) {
    const double x = c / 255.0;
    return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
}

// Linear luminance of the pixel (x, y), the edge repeated outside.
double luminancia(const QImage& f, int x, int y) {
    const QRgb c = f.pixel(std::clamp(x, 0, f.width() - 1), std::clamp(y, 0, f.height() - 1));
    return 0.2126 * lineal(qRed(c)) + 0.7152 * lineal(qGreen(c)) + 0.0722 * lineal(qBlue(c));
}

double entre_pixeles(const QImage& f, double x, double y) {
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const double tx = x - x0, ty = y - y0;
    return (1 - ty) * ((1 - tx) * luminancia(f, x0, y0) + tx * luminancia(f, x0 + 1, y0)) +
           ty * ((1 - tx) * luminancia(f, x0, y0 + 1) + tx * luminancia(f, x0 + 1, y0 + 1));
}

} // namespace

std::vector<double> luz_a_lo_largo(const QImage& foto, QPointF a, QPointF b, int ancho) {
    const QPointF d = b - a;
    const double largo = std::hypot(d.x(), d.y());
    if (foto.isNull() || largo < 1) {
        return {};
    }
    const QImage f = foto.convertToFormat(QImage::Format_RGB32);
    const QPointF normal(-d.y() / largo, d.x() / largo);
    const int n = int(largo) + 1;
    std::vector<double> luz(std::size_t(n), 0.0);
    for (int i = 0; i < n; ++i) {
        const QPointF p = a + d * (double(i) / (n - 1));
        double suma = 0;
        for (int k = 0; k < ancho; ++k) {
            const QPointF q = p + normal * (k - (ancho - 1) / 2.0);
            suma += entre_pixeles(f, q.x(), q.y());
        }
        luz[std::size_t(i)] = suma / ancho;
    }
    return luz;
}

namespace {
Perfil perfil_de_luz(const std::vector<double>& luz, double pos_a, double pos_b, double distancia) {
    Perfil p;
    for (std::size_t i = 0; i < luz.size(); ++i) {
        const double x = pos_a + (pos_b - pos_a) * double(i) / double(luz.size() - 1);
        const double t = x / distancia;
        p.senos.push_back(t / std::sqrt(1 + t * t));
        p.intensidades.push_back(luz[i]);
    }
    return p;
}
} // namespace

Perfil perfil_de_foto(const QImage& foto, QPointF a, QPointF b, double pos_a, double pos_b,
                      double distancia) {
    return perfil_de_luz(luz_a_lo_largo(foto, a, b), pos_a, pos_b, distancia);
}

Perfil perfil_desde_el_centro(const QImage& foto, QPointF a, QPointF b, double largo,
                              double distancia) {
    const std::vector<double> luz = luz_a_lo_largo(foto, a, b);
    if (luz.size() < 2) {
        return {};
    }
    const double c =
        double(std::max_element(luz.begin(), luz.end()) - luz.begin()) / double(luz.size() - 1);
    return perfil_de_luz(luz, -c * largo, (1 - c) * largo, distancia);
}
