#include "medicion/medicion.h"

#include "grafica/grafica.h"
#include "medicion/dialogo_columnas.h"
#include "medicion/dialogo_foto.h"
#include "medicion/tabla.h"
#include "toolkit/lectura.h"
#include "toolkit/mensaje.h"
#include "toolkit/parametros_observables.h"
#include "toolkit/reloj_arena.h"
#include "toolkit/texto.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPoint>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// A sensor's export is some megabytes at the most; a photo, some tens.
constexpr qint64 tope_medicion = 32 * 1024 * 1024;
} // namespace

Medicion::Medicion(ParametrosObservables& parametros, Grafica& grafica, QWidget* ventana)
    : QObject(ventana), parametros_(parametros), grafica_(grafica), ventana_(ventana) {
    setObjectName(QStringLiteral("medicion"));
    abrir_ = new QAction(QStringLiteral("Abrir &medición…"), this);
    abrir_->setObjectName(QStringLiteral("accion_abrir_medicion"));
    connect(abrir_, &QAction::triggered, this, &Medicion::abrir);
}

void Medicion::abrir() {
    QFileDialog dialogo(ventana_, QStringLiteral("Abrir medición"));
    dialogo.setObjectName(QStringLiteral("dialogo_abrir_medicion"));
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    dialogo.setNameFilters({QStringLiteral("Mediciones (*.csv *.tsv *.txt *.png *.jpg *.jpeg)"),
                            QStringLiteral("Todos los archivos (*)")});
    if (!carpeta_.isEmpty()) {
        dialogo.setDirectory(carpeta_);
    }
    mostrar_modal(&dialogo);
    const QStringList elegidos = dialogo.selectedFiles();
    if (dialogo.result() != QDialog::Accepted || elegidos.isEmpty()) {
        return;
    }
    carpeta_ = QFileInfo(elegidos.first()).absolutePath();
    abrir_archivo(elegidos.first());
}

bool Medicion::abrir_archivo(const QString& ruta) {
    const QString nombre = QFileInfo(ruta).fileName();
    const auto no_se_puede = [&](const QString& por_que) {
        mensaje(QStringLiteral("No se puede abrir la medición \"%1\": %2.").arg(ruta, por_que));
        return false;
    };
    const Lectura l = leer_archivo(ruta, tope_medicion);
    if (!l.error.isEmpty()) {
        return no_se_puede(l.error);
    }
    const QString sufijo = QFileInfo(ruta).suffix().toLower();
    std::optional<Perfil> perfil;
    if (sufijo == QStringLiteral("png") || sufijo == QStringLiteral("jpg") ||
        sufijo == QStringLiteral("jpeg")) {
        const QImage imagen = QImage::fromData(l.bytes);
        if (imagen.isNull()) {
            return no_se_puede(QStringLiteral("no es una imagen que se pueda leer"));
        }
        perfil = pedir_perfil_de_foto(ventana_, imagen, nombre);
    } else {
        QString no_texto;
        const QString texto = texto_de(l.bytes, &no_texto);
        if (texto.isNull()) {
            return no_se_puede(QStringLiteral("no es un archivo de texto (%1)").arg(no_texto));
        }
        const Tabla t = leer_tabla(texto);
        if (!t.error.isEmpty()) {
            return no_se_puede(t.error);
        }
        perfil = pedir_columnas(ventana_, t, nombre);
    }
    if (!perfil) {
        return false;
    }
    DatosMedicion m;
    m.origen = nombre;
    m.perfil = std::move(*perfil);
    if (medida_) {
        m.libre = medida_->libre;
        m.ancho_libre = medida_->ancho_libre;
    }
    cargar(m);
    return true;
}

void Medicion::cargar(const DatosMedicion& m) {
    medida_ = m;
    ajuste_.reset();
    crear_panel();
    origen_->setText(
        QStringLiteral("Medición: %1 (%2 puntos)").arg(m.origen).arg(m.perfil.senos.size()));
    (m.libre == Libre::distancia ? buscar_d_ : buscar_L_)->setChecked(true);
    buscar_a_->setChecked(m.ancho_libre);
    resultado_->setText(grafica_.hay_curvas() || grafica_.previa()
                            ? QString()
                            : QStringLiteral("Grafique un caso para comparar la medición."));
    mostrar_puntos();
    if (!panel_->isVisible()) {
        // Over the sketch, which a measurement does not need, clear of the menus and the graph.
        panel_->adjustSize();
        panel_->move(ventana_->mapToGlobal(QPoint(10, ventana_->height() / 5)));
    }
    panel_->show();
    panel_->raise();
}

void Medicion::crear_panel() {
    if (panel_) {
        return;
    }
    panel_ = new QWidget(ventana_, Qt::Tool);
    panel_->setObjectName(QStringLiteral("ventana_medicion"));
    panel_->setWindowTitle(QStringLiteral("Medición"));
    auto* capas = new QVBoxLayout(panel_);
    origen_ = new QLabel;
    buscar_L_ = new QRadioButton(QStringLiteral("Buscar L (d conocida)"));
    buscar_L_->setObjectName(QStringLiteral("buscar_L"));
    buscar_d_ = new QRadioButton(QStringLiteral("Buscar d (L conocida)"));
    buscar_d_->setObjectName(QStringLiteral("buscar_d"));
    buscar_a_ = new QCheckBox(QStringLiteral("Buscar también a"));
    buscar_a_->setObjectName(QStringLiteral("buscar_a"));
    boton_ajustar_ = new QPushButton(QStringLiteral("Ajustar"));
    boton_ajustar_->setObjectName(QStringLiteral("boton_ajustar"));
    resultado_ = new QLabel;
    resultado_->setObjectName(QStringLiteral("resultado_ajuste"));
    resultado_->setWordWrap(true);
    resultado_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    resultado_->setMinimumWidth(280);
    for (QWidget* w : std::initializer_list<QWidget*>{origen_, buscar_L_, buscar_d_, buscar_a_,
                                                      boton_ajustar_, resultado_}) {
        capas->addWidget(w);
    }
    connect(boton_ajustar_, &QPushButton::clicked, this, &Medicion::ajustar);
    const auto recordar = [this] {
        if (medida_) {
            medida_->libre = buscar_d_->isChecked() ? Libre::distancia : Libre::onda;
            medida_->ancho_libre = buscar_a_->isChecked();
        }
    };
    connect(buscar_d_, &QRadioButton::toggled, this, recordar);
    connect(buscar_a_, &QCheckBox::toggled, this, recordar);
}

void Medicion::ajustar() {
    if (!medida_) {
        return;
    }
    const Parametros& p = parametros_.actuales();
    Planteo q;
    q.ranuras = int(p.valor(Magnitud::ranuras).a_double());
    q.conocidos.onda = p.valor(Magnitud::onda).a_double();
    q.conocidos.ancho = p.valor(Magnitud::ancho).a_double();
    q.conocidos.distancia = p.valor(Magnitud::distancia).a_double();
    q.libre = medida_->libre;
    q.ancho_libre = medida_->ancho_libre;
    Ajuste r;
    {
        RelojArena reloj;
        r = ::ajustar(medida_->perfil, q);
    }
    if (r.estado != EstadoAjuste::ajustado) {
        ajuste_.reset();
        resultado_->setText(motivo(r.estado));
        mostrar_puntos();
        return;
    }
    const bool busca_d = q.libre == Libre::distancia;
    const Magnitud libre = busca_d ? Magnitud::distancia : Magnitud::onda;
    const double hallado = busca_d ? r.valores.distancia : r.valores.onda;
    QStringList lineas{texto_con_error(busca_d ? QStringLiteral("d") : QStringLiteral("L"), hallado,
                                       r.error_libre, QStringLiteral("µm"))};
    if (q.ancho_libre) {
        lineas << texto_con_error(QStringLiteral("a"), r.valores.ancho, r.error_ancho,
                                  QStringLiteral("µm"));
    }
    lineas << QStringLiteral("Residuo: %1 % de la escala")
                  .arg(QString::number(100 * r.residuo, 'f', 1)
                           .replace(u'.', QLocale().decimalPoint()));
    // The values found become the case, for "Graficar"; one the limits refuse stays out.
    QStringList fuera;
    const auto fijar = [&](Magnitud m, double x, const QString& nombre) {
        if (p.admite(m, x) && Fijo::representable(x) && Fijo::desde(x) > Fijo()) {
            parametros_.fijar(m, Fijo::desde(x));
        } else {
            fuera << nombre;
        }
    };
    fijar(libre, hallado, busca_d ? QStringLiteral("d") : QStringLiteral("L"));
    if (q.ancho_libre) {
        fijar(Magnitud::ancho, r.valores.ancho, QStringLiteral("a"));
    }
    lineas << (fuera.isEmpty() ? QStringLiteral("\"Graficar\" traza el caso ajustado.")
                               : QStringLiteral("%1 queda fuera de los límites y no se cambió.")
                                     .arg(fuera.join(QStringLiteral(" y "))));
    ajuste_ = r;
    resultado_->setText(lineas.join(u'\n'));
    mostrar_puntos();
    emit caso_ajustado();
}

void Medicion::quitar() {
    medida_.reset();
    ajuste_.reset();
    if (panel_) {
        panel_->hide();
    }
    mostrar_puntos();
}

void Medicion::mostrar_puntos() {
    if (!medida_) {
        grafica_.mostrar_medicion({});
        return;
    }
    const Perfil& p = medida_->perfil;
    double fondo = *std::min_element(p.intensidades.begin(), p.intensidades.end());
    double escala = *std::max_element(p.intensidades.begin(), p.intensidades.end()) - fondo;
    double centro = 0;
    if (ajuste_) {
        fondo = ajuste_->valores.fondo;
        escala = ajuste_->valores.escala;
        centro = ajuste_->valores.centro;
    }
    std::vector<QPointF> puntos;
    puntos.reserve(p.senos.size());
    for (std::size_t i = 0; i < p.senos.size(); ++i) {
        puntos.emplace_back(p.senos[i] - centro,
                            escala > 0 ? (p.intensidades[i] - fondo) / escala : 0.0);
    }
    grafica_.mostrar_medicion(std::move(puntos));
}
