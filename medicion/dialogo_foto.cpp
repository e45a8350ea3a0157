#include "medicion/dialogo_foto.h"

#include "medicion/foto.h"
#include "toolkit/mensaje.h"
#include "toolkit/texto.h"

#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

LineaSobreFoto::LineaSobreFoto(const QImage& foto, QWidget* padre) : QWidget(padre), foto_(foto) {
    setObjectName(QStringLiteral("linea_sobre_foto"));
    setAccessibleName(QStringLiteral("Foto de la medición"));
    setMinimumSize(320, 200);
    // Across the middle, where a photo of the pattern usually has its bands.
    const double y = foto.height() / 2.0;
    linea_ = QLineF(0, y, foto.width() - 1, y);
}

void LineaSobreFoto::set_linea(QLineF l) {
    linea_ = l;
    update();
}

QRectF LineaSobreFoto::destino() const {
    const QSizeF s = QSizeF(foto_.size()).scaled(QSizeF(size()), Qt::KeepAspectRatio);
    return {QPointF((width() - s.width()) / 2, (height() - s.height()) / 2), s};
}

QPointF LineaSobreFoto::en_foto(QPointF pixel) const {
    const QRectF d = destino();
    return {(pixel.x() - d.left()) * foto_.width() / d.width(),
            (pixel.y() - d.top()) * foto_.height() / d.height()};
}

void LineaSobreFoto::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    const QRectF d = destino();
    p.drawImage(d, foto_);
    const auto a_pantalla = [&](QPointF q) {
        return QPointF(d.left() + q.x() * d.width() / foto_.width(),
                       d.top() + q.y() * d.height() / foto_.height());
    };
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2, Qt::DashLine));
    p.drawLine(a_pantalla(linea_.p1()), a_pantalla(linea_.p2()));
    p.setBrush(Qt::white);
    p.drawEllipse(a_pantalla(linea_.p1()), 4, 4);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(a_pantalla(linea_.p2()), 4, 4);
}

void LineaSobreFoto::mousePressEvent(QMouseEvent* e) {
    const QPointF q = en_foto(e->position());
    set_linea(QLineF(q, q));
}

void LineaSobreFoto::mouseMoveEvent(QMouseEvent* e) {
    if (e->buttons() & Qt::LeftButton) {
        set_linea(QLineF(linea_.p1(), en_foto(e->position())));
    }
}

std::optional<Perfil> pedir_perfil_de_foto(QWidget* padre, const QImage& foto,
                                           const QString& nombre) {
    QDialog dialogo(padre);
    dialogo.setObjectName(QStringLiteral("dialogo_foto"));
    dialogo.setWindowTitle(QStringLiteral("Abrir medición: %1").arg(nombre));
    auto* forma = new QFormLayout(&dialogo);
    auto* ayuda = new QLabel(QStringLiteral(
        "Trace una línea a través de las franjas (del extremo lleno al vacío) y diga "
        "dónde caen sus extremos en la pantalla, medidos desde el máximo central, o "
        "cuánto mide en la pantalla (su punto más brillante se toma por el máximo central)."));
    ayuda->setWordWrap(true);
    forma->addRow(ayuda);
    auto* linea = new LineaSobreFoto(foto);
    forma->addRow(linea);
    const auto caja = [&](const char* nombre_objeto, const QString& rotulo, const QString& texto) {
        auto* c = new QLineEdit(texto);
        c->setObjectName(QString::fromLatin1(nombre_objeto));
        forma->addRow(rotulo, c);
        return c;
    };
    QLineEdit* pos_a =
        caja("posicion_inicio", QStringLiteral("Posición del extremo lleno (mm):"), {});
    QLineEdit* pos_b = caja("posicion_fin", QStringLiteral("Posición del extremo vacío (mm):"), {});
    QLineEdit* largo = caja("largo", QStringLiteral("O bien, largo de la línea (mm):"), {});
    QLineEdit* distancia =
        caja("distancia", QStringLiteral("Distancia de la red a la pantalla (mm):"),
             QStringLiteral("1000"));
    if (!aceptado(dialogo, *forma)) {
        return std::nullopt;
    }
    const double a = leer_numero(convertir(pos_a->text())),
                 b = leer_numero(convertir(pos_b->text()));
    const double D = leer_numero(convertir(distancia->text()));
    QString error;
    const bool por_largo = pos_a->text().trimmed().isEmpty() && pos_b->text().trimmed().isEmpty() &&
                           !largo->text().trimmed().isEmpty();
    const double l = leer_numero(convertir(largo->text()));
    if (!por_largo && (pos_a->text().trimmed().isEmpty() || pos_b->text().trimmed().isEmpty())) {
        error = QStringLiteral(
            "Escriba la posición en la pantalla de cada extremo de la línea, o su largo.");
    } else if (linea->linea().length() < 8) {
        error = QStringLiteral("La línea es demasiado corta: trácela a través de las franjas.");
    } else if (!(D > 0) || !std::isfinite(D)) {
        error = QStringLiteral("La distancia de la red a la pantalla debe ser mayor que 0 mm.");
    } else if (por_largo ? !(l > 0) || !std::isfinite(l)
                         : a == b || !std::isfinite(a) || !std::isfinite(b)) {
        error =
            por_largo
                ? QStringLiteral("El largo de la línea debe ser mayor que 0 mm.")
                : QStringLiteral("Los extremos de la línea deben estar en posiciones distintas.");
    }
    if (!error.isEmpty()) {
        mensaje(error);
        return std::nullopt;
    }
    const QLineF s = linea->linea();
    return por_largo ? perfil_desde_el_centro(foto, s.p1(), s.p2(), l, D)
                     : perfil_de_foto(foto, s.p1(), s.p2(), a, b, D);
}
