#include "leccion/leccion.h"

#include "model/muestreo.h"
#include "toolkit/lectura.h"
#include "toolkit/texto.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <cmath>

namespace {

const QString marca = QStringLiteral("ondaris-leccion");

// The keys of the quantities, as a curve names its fields too, and what a message calls them.
struct Nombre {
    Magnitud m;
    const char* clave;
    const char* dicho;
};
constexpr std::array<Nombre, 6> nombres{{
    {Magnitud::inferior, "inferior", "el extremo inferior de la pantalla"},
    {Magnitud::superior, "superior", "el extremo superior de la pantalla"},
    {Magnitud::ranuras, "ranuras", "el número de ranuras"},
    {Magnitud::ancho, "ancho", "el ancho de ranura"},
    {Magnitud::distancia, "distancia", "la distancia entre ranuras"},
    {Magnitud::onda, "onda", "la longitud de onda"},
}};

QString clave(const Nombre& n) {
    return QString::fromLatin1(n.clave);
}

QString color_a_texto(Color c) {
    const auto rgb = static_cast<uint>(c.rojo() << 16 | c.verde() << 8 | c.azul());
    return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0'));
}

// A reading that stops at its first fault, which it keeps as the reason.
class Lector {
public:
    QString error;

    bool falla(const QString& por_que) {
        if (error.isEmpty()) {
            error = por_que;
        }
        return false;
    }

    // A number at `donde` (a dotted path for the message) with four decimals.
    bool fijo(const QJsonObject& o, const QString& k, const QString& donde, Fijo& x) {
        const QJsonValue v = o.value(k);
        if (v.isUndefined()) {
            return falla(QStringLiteral("le falta el dato «%1»").arg(donde + k));
        }
        if (!v.isDouble() || !Fijo::representable(v.toDouble())) {
            return falla(QStringLiteral("el dato «%1» no es un número válido").arg(donde + k));
        }
        x = Fijo::desde(v.toDouble());
        return true;
    }

    bool objeto(const QJsonObject& o, const QString& k, QJsonObject& r) {
        const QJsonValue v = o.value(k);
        if (!v.isObject()) {
            return falla(v.isUndefined()
                             ? QStringLiteral("le falta el dato «%1»").arg(k)
                             : QStringLiteral("el dato «%1» no es un grupo de datos").arg(k));
        }
        r = v.toObject();
        return true;
    }

    bool parametros(const QJsonObject& raiz, Parametros& p);
    bool limites(const Parametros& p);
    bool curva(const QJsonObject& o, int k, const Parametros& p, CurvaLeccion& c);
    bool zoom(const QJsonObject& o, const std::vector<CurvaLeccion>& curvas, Seleccion& s);
};

bool Lector::parametros(const QJsonObject& raiz, Parametros& p) {
    QJsonObject o;
    if (!objeto(raiz, QStringLiteral("parametros"), o)) {
        return false;
    }
    for (const Nombre& n : nombres) {
        QJsonObject q;
        const QString donde = QStringLiteral("parametros.%1.").arg(clave(n));
        if (!objeto(o, clave(n), q)) {
            return falla(QStringLiteral("le falta el dato «%1»").arg(donde.chopped(1)));
        }
        Fijo v, lo, hi;
        if (!fijo(q, QStringLiteral("valor"), donde, v) ||
            !fijo(q, QStringLiteral("minimo"), donde, lo) ||
            !fijo(q, QStringLiteral("maximo"), donde, hi)) {
            return false;
        }
        p.fijar(n.m, v);
        p.fijar_limites(n.m, lo, hi);
    }
    return limites(p);
}

// The limits a start-up file must keep, and every value within its own.
bool Lector::limites(const Parametros& p) {
    for (const Nombre& n : nombres) {
        const Fijo v = p.valor(n.m), lo = p.minimo(n.m), hi = p.maximo(n.m);
        const bool longitud = !es_extremo(n.m);
        const Fijo piso = n.m == Magnitud::ranuras ? Fijo(1) : longitud ? Fijo::crudo(1) : Fijo(-2);
        const Fijo techo = longitud ? Fijo(limite_mayor) : Fijo(2);
        if (lo > hi || lo < piso || hi > techo) {
            return falla(QStringLiteral("los límites de %1 (%2 a %3) no son posibles")
                             .arg(QString::fromUtf8(n.dicho), texto_fijo(lo), texto_fijo(hi)));
        }
        if (v < lo || v > hi) {
            return falla(QStringLiteral("%1 vale %2, fuera de sus límites (%3 a %4)")
                             .arg(QString::fromUtf8(n.dicho), texto_fijo(v), texto_fijo(lo),
                                  texto_fijo(hi)));
        }
    }
    if (p.valor(Magnitud::ranuras).diezmilesimas() % Fijo::escala != 0) {
        return falla(QStringLiteral("el número de ranuras debe ser entero"));
    }
    const long long muestras = muestras_del_peor_caso(
        p.maximo(Magnitud::ranuras).a_double(), p.maximo(Magnitud::ancho).a_double(),
        p.maximo(Magnitud::distancia).a_double(), seno_de_tangente(p.minimo(Magnitud::inferior)),
        seno_de_tangente(p.maximo(Magnitud::superior)), p.minimo(Magnitud::onda).a_double());
    if (muestras > muestras_maximas) {
        return falla(QStringLiteral("con sus límites una curva necesitaría %1 muestras y el "
                                    "programa dibuja hasta %2")
                         .arg(muestras)
                         .arg(muestras_maximas));
    }
    return true;
}

bool Lector::curva(const QJsonObject& o, int k, const Parametros& p, CurvaLeccion& c) {
    const QString donde = QStringLiteral("curvas.%1.").arg(k);
    std::array<Fijo, 7> x{};
    for (const Nombre& n : nombres) {
        if (!fijo(o, clave(n), donde, x[indice(n.m)])) {
            return false;
        }
        const Fijo v = x[indice(n.m)];
        if (v < p.minimo(n.m) || v > p.maximo(n.m)) {
            return falla(QStringLiteral("en la curva %1 %2 vale %3, fuera de sus límites (%4 a %5)")
                             .arg(k)
                             .arg(QString::fromUtf8(n.dicho), texto_fijo(v),
                                  texto_fijo(p.minimo(n.m)), texto_fijo(p.maximo(n.m))));
        }
    }
    Curva& r = c.curva;
    r.inferior = x[indice(Magnitud::inferior)];
    r.superior = x[indice(Magnitud::superior)];
    r.ancho = x[indice(Magnitud::ancho)];
    r.distancia = x[indice(Magnitud::distancia)];
    r.onda = x[indice(Magnitud::onda)];
    const Fijo N = x[indice(Magnitud::ranuras)];
    if (N.diezmilesimas() % Fijo::escala != 0) {
        return falla(QStringLiteral("en la curva %1 el número de ranuras no es entero").arg(k));
    }
    r.ranuras = static_cast<int>(N.diezmilesimas() / Fijo::escala);
    if (r.inferior >= r.superior) {
        return falla(QStringLiteral("en la curva %1 el extremo inferior de la pantalla no es "
                                    "menor que el superior")
                         .arg(k));
    }
    const QString color = o.value(QStringLiteral("color")).toString();
    bool bien = false;
    const uint rgb = color.mid(1).toUInt(&bien, 16);
    if (color.size() != 7 || !color.startsWith(QLatin1Char('#')) || !bien) {
        return falla(QStringLiteral("el dato «%1color» no es un color (#rrggbb)").arg(donde));
    }
    r.color = Color::rgb(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
    const QJsonValue sola = o.value(QStringLiteral("banda_sola"));
    if (!sola.isUndefined() && !sola.isBool()) {
        return falla(QStringLiteral("el dato «%1banda_sola» no es true ni false").arg(donde));
    }
    c.banda_sola = sola.toBool();
    return true;
}

// Within the graph of the last curve: its sines across, 0 to N² down.
bool Lector::zoom(const QJsonObject& o, const std::vector<CurvaLeccion>& curvas, Seleccion& s) {
    std::array<double, 4> x{};
    const char* claves[] = {"x_ini", "y_ini", "x_fin", "y_fin"};
    for (int i = 0; i < 4; ++i) {
        const QJsonValue v = o.value(QLatin1String(claves[i]));
        if (!v.isDouble()) {
            return falla(QStringLiteral("el dato «zoom.%1» no es un número válido")
                             .arg(QLatin1String(claves[i])));
        }
        x[i] = v.toDouble();
    }
    const Curva* c = curvas.empty() ? nullptr : &curvas.back().curva;
    if (c == nullptr || !(x[0] < x[2] && x[1] < x[3]) || x[0] < c->seno_min() ||
        x[2] > c->seno_max() || x[1] < 0 || x[3] > c->alto()) {
        return falla(QStringLiteral("el rango ampliado («zoom») no cae dentro de la gráfica"));
    }
    s = {float(x[0]), float(x[1]), float(x[2]), float(x[3])};
    return true;
}

// Cut short: the parser ran out of text where more was due.
bool cortada(const QByteArray& bytes, const QJsonParseError& e) {
    return !bytes.trimmed().isEmpty() && bytes.trimmed().startsWith('{') &&
           e.offset >= bytes.trimmed().size() - 1;
}

} // namespace

bool CurvaLeccion::operator==(const CurvaLeccion& o) const {
    const Curva &a = curva, &b = o.curva;
    return a.onda == b.onda && a.ancho == b.ancho && a.distancia == b.distancia &&
           a.ranuras == b.ranuras && a.color == b.color && a.inferior == b.inferior &&
           a.superior == b.superior && banda_sola == o.banda_sola;
}

bool Leccion::operator==(const Leccion& o) const {
    const auto misma = [](const std::optional<Seleccion>& a, const std::optional<Seleccion>& b) {
        return a.has_value() == b.has_value() &&
               (!a || (a->x_ini == b->x_ini && a->y_ini == b->y_ini && a->x_fin == b->x_fin &&
                       a->y_fin == b->y_fin));
    };
    const bool misma_medicion = medicion.has_value() == o.medicion.has_value() &&
                                (!medicion || a_json(*medicion) == a_json(*o.medicion));
    return parametros == o.parametros && banda_unica == o.banda_unica && curvas == o.curvas &&
           misma(zoom, o.zoom) && misma_medicion;
}

QByteArray escribir_leccion(const Leccion& l) {
    QJsonObject parametros;
    for (const Nombre& n : nombres) {
        parametros.insert(
            clave(n), QJsonObject{{QStringLiteral("valor"), l.parametros.valor(n.m).a_double()},
                                  {QStringLiteral("minimo"), l.parametros.minimo(n.m).a_double()},
                                  {QStringLiteral("maximo"), l.parametros.maximo(n.m).a_double()}});
    }
    QJsonArray curvas;
    for (const CurvaLeccion& cl : l.curvas) {
        const Curva& c = cl.curva;
        curvas.append(QJsonObject{{QStringLiteral("onda"), c.onda.a_double()},
                                  {QStringLiteral("ancho"), c.ancho.a_double()},
                                  {QStringLiteral("distancia"), c.distancia.a_double()},
                                  {QStringLiteral("ranuras"), c.ranuras},
                                  {QStringLiteral("color"), color_a_texto(c.color)},
                                  {QStringLiteral("inferior"), c.inferior.a_double()},
                                  {QStringLiteral("superior"), c.superior.a_double()},
                                  {QStringLiteral("banda_sola"), cl.banda_sola}});
    }
    QJsonObject raiz{{QStringLiteral("formato"), marca},
                     {QStringLiteral("version"), version_leccion},
                     {QStringLiteral("parametros"), parametros},
                     {QStringLiteral("bandas"),
                      l.banda_unica ? QStringLiteral("unica") : QStringLiteral("separadas")},
                     {QStringLiteral("curvas"), curvas}};
    if (l.medicion) {
        raiz.insert(QStringLiteral("medicion"), a_json(*l.medicion));
    }
    if (l.zoom) {
        const Seleccion& s = *l.zoom;
        raiz.insert(QStringLiteral("zoom"),
                    QJsonObject{{QStringLiteral("x_ini"), double(s.x_ini)},
                                {QStringLiteral("y_ini"), double(s.y_ini)},
                                {QStringLiteral("x_fin"), double(s.x_fin)},
                                {QStringLiteral("y_fin"), double(s.y_fin)}});
    }
    return QJsonDocument(raiz).toJson(QJsonDocument::Indented);
}

namespace {

LecturaLeccion leer(const QByteArray& bytes) {
    LecturaLeccion r;
    QString no_texto;
    if (texto_de(bytes, &no_texto).isNull()) {
        r.error = QStringLiteral("no es una lección de Ondaris: %1").arg(no_texto);
        return r;
    }
    QJsonParseError e;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &e);
    if (e.error != QJsonParseError::NoError) {
        r.error = cortada(bytes, e)
                      ? QStringLiteral("está cortada: termina antes de cerrar sus datos")
                      : QStringLiteral("no es una lección de Ondaris");
        return r;
    }
    const QJsonObject raiz = doc.object();
    if (!doc.isObject() || raiz.value(QStringLiteral("formato")).toString() != marca) {
        r.error = QStringLiteral("no es una lección de Ondaris");
        return r;
    }
    const QJsonValue version = raiz.value(QStringLiteral("version"));
    const double v = version.toDouble(-1);
    if (!version.isDouble() || v < 1 || v != std::floor(v)) {
        r.error = QStringLiteral("no dice la versión de su formato");
        return r;
    }
    if (v > version_leccion) {
        r.error = QStringLiteral("es de una versión más nueva del programa (formato %1; esta "
                                 "versión abre hasta el %2)")
                      .arg(v)
                      .arg(version_leccion);
        return r;
    }
    Lector lector;
    Leccion& l = r.leccion;
    const QString bandas = raiz.value(QStringLiteral("bandas")).toString();
    const QJsonValue curvas = raiz.value(QStringLiteral("curvas"));
    if (!lector.parametros(raiz, l.parametros)) {
        r.error = lector.error;
    } else if (bandas != QStringLiteral("unica") && bandas != QStringLiteral("separadas")) {
        r.error = QStringLiteral("el dato «bandas» no es \"unica\" ni \"separadas\"");
    } else if (!curvas.isArray() && !curvas.isUndefined()) {
        r.error = QStringLiteral("el dato «curvas» no es una lista");
    } else if (curvas.toArray().size() > curvas_por_leccion) {
        r.error = QStringLiteral("tiene %1 curvas y la gráfica muestra hasta seis")
                      .arg(curvas.toArray().size());
    }
    if (!r.error.isEmpty()) {
        return r;
    }
    l.banda_unica = bandas == QStringLiteral("unica");
    const QJsonArray lista = curvas.toArray();
    for (qsizetype k = 0; k < lista.size(); ++k) {
        CurvaLeccion c;
        if (!lista[k].isObject()) {
            r.error = QStringLiteral("la curva %1 no es un grupo de datos").arg(k + 1);
            return r;
        }
        if (!lector.curva(lista[k].toObject(), int(k + 1), l.parametros, c)) {
            r.error = lector.error;
            return r;
        }
        l.curvas.push_back(c);
    }
    if (const QJsonValue z = raiz.value(QStringLiteral("zoom")); !z.isUndefined()) {
        Seleccion s;
        if (!z.isObject() || !lector.zoom(z.toObject(), l.curvas, s)) {
            r.error = lector.error.isEmpty()
                          ? QStringLiteral("el dato «zoom» no es un grupo de datos")
                          : lector.error;
            return r;
        }
        l.zoom = s;
    }
    if (const QJsonValue m = raiz.value(QStringLiteral("medicion")); !m.isUndefined()) {
        QString por_que;
        std::optional<DatosMedicion> d =
            m.isObject() ? de_json(m.toObject(), &por_que) : std::nullopt;
        if (!d) {
            r.error =
                QStringLiteral("su medición no vale: %1")
                    .arg(por_que.isEmpty() ? QStringLiteral("no es un grupo de datos") : por_que);
            return r;
        }
        l.medicion = std::move(d);
    }
    return r;
}

} // namespace

LecturaLeccion leer_leccion(const QByteArray& bytes) {
    LecturaLeccion r = leer(bytes);
    if (!r.error.isEmpty()) {
        r.leccion = {}; // nothing of a bad file is used
    }
    return r;
}

LecturaLeccion abrir_leccion(const QString& ruta) {
    const Lectura archivo = leer_archivo(ruta, tope_leccion);
    LecturaLeccion r;
    if (archivo.error.isEmpty()) {
        r = leer_leccion(archivo.bytes);
    }
    const QString por_que = archivo.error.isEmpty() ? r.error : archivo.error;
    if (!por_que.isEmpty()) {
        r.leccion = {};
        r.error = QStringLiteral("No se puede abrir la lección \"%1\": %2.")
                      .arg(a_la_vista(QFileInfo(ruta).fileName()), por_que);
    }
    return r;
}
