#include "informe/informe.h"

#include "grafica/grafica.h"
#include "informe/archivo.h"
#include "informe/csv.h"
#include "toolkit/colores.h"
#include "toolkit/mensaje.h"
#include "toolkit/reloj_arena.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QSpinBox>
#include <QStandardPaths>

#include <cmath>

namespace {

const Formato formatos[] = {Formato::svg, Formato::pdf, Formato::png};

QString filtro(Formato f) {
    switch (f) {
    case Formato::svg:
        return QStringLiteral("Dibujo vectorial SVG (*.svg)");
    case Formato::pdf:
        return QStringLiteral("Documento PDF (*.pdf)");
    case Formato::png:
        return QStringLiteral("Imagen PNG (*.png)");
    }
    return {};
}

QString nombre_propuesto(const QString& prefijo, const QString& ext) {
    return prefijo + QLatin1Char('_') +
           QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HHmmss")) +
           QLatin1Char('.') + ext;
}

QString carpeta_documentos() {
    const QString d = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !d.isEmpty() && QDir(d).exists() ? d : QDir::homePath();
}

// A row more under Qt's own dialog: a caption and its control.
void agregar_fila(QFileDialog& dialogo, const QString& rotulo, QWidget* control) {
    auto* grilla = qobject_cast<QGridLayout*>(dialogo.layout());
    if (grilla == nullptr) {
        return;
    }
    const int fila = grilla->rowCount();
    auto* etiqueta = new QLabel(rotulo, &dialogo);
    etiqueta->setBuddy(control);
    grilla->addWidget(etiqueta, fila, 0);
    grilla->addWidget(control, fila, 1);
}

// The file as typed, its extension changed to `ext`.
void cambiar_extension(QFileDialog& dialogo, const QString& ext) {
    const QStringList elegidos = dialogo.selectedFiles();
    if (!elegidos.isEmpty()) {
        dialogo.selectFile(QFileInfo(elegidos.first()).completeBaseName() + QLatin1Char('.') + ext);
    }
}

} // namespace

Informe::Informe(const Grafica& grafica, QWidget* ventana)
    : QObject(ventana), grafica_(grafica), ventana_(ventana), carpeta_(carpeta_documentos()) {
    exportar_grafica_ = new QAction(QStringLiteral("Exportar &gráfica…"), this);
    exportar_grafica_->setObjectName(QStringLiteral("accion_exportar_grafica"));
    exportar_datos_ = new QAction(QStringLiteral("Exportar &datos…"), this);
    exportar_datos_->setObjectName(QStringLiteral("accion_exportar_datos"));
    copiar_grafica_ = new QAction(QStringLiteral("Gráfica con ejes"), this);
    copiar_grafica_->setObjectName(QStringLiteral("accion_copiar_grafica_con_ejes"));
    connect(exportar_grafica_, &QAction::triggered, this, &Informe::exportar_grafica);
    connect(exportar_datos_, &QAction::triggered, this, &Informe::exportar_datos);
    connect(copiar_grafica_, &QAction::triggered, this, &Informe::copiar_grafica);
    set_hay_curvas(false);
}

void Informe::set_hay_curvas(bool hay) {
    for (QAction* a : {exportar_grafica_, exportar_datos_, copiar_grafica_}) {
        a->setEnabled(hay);
    }
}

void Informe::set_distancia_pantalla(std::optional<double> cm) {
    distancia_cm_ = cm && std::isfinite(*cm) && *cm > 0 ? cm : std::nullopt;
}

QComboBox* Informe::fila_eje(QFileDialog& dialogo, const QString& nombre) {
    if (!distancia_cm_) {
        return nullptr;
    }
    auto* eje = new QComboBox(&dialogo);
    eje->setObjectName(nombre);
    eje->addItems({QStringLiteral("Seno del ángulo de desviación"),
                   QStringLiteral("Posición en la pantalla y (mm)")});
    eje->setCurrentIndex(en_pantalla_);
    agregar_fila(dialogo, QStringLiteral("&Eje horizontal:"), eje);
    return eje;
}

QString Informe::elegir(QFileDialog& dialogo) {
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setDirectory(carpeta_);
    mostrar_modal(&dialogo);
    const QStringList elegidos = dialogo.selectedFiles();
    if (dialogo.result() != QDialog::Accepted || elegidos.isEmpty()) {
        return {};
    }
    carpeta_ = QFileInfo(elegidos.first()).absolutePath();
    return elegidos.first();
}

void Informe::exportar_grafica() {
    QFileDialog dialogo(ventana_, QStringLiteral("Exportar gráfica"));
    dialogo.setObjectName(QStringLiteral("dialogo_exportar_grafica"));
    QStringList filtros;
    for (const Formato f : formatos) {
        filtros << filtro(f);
    }
    dialogo.setNameFilters(filtros);
    dialogo.selectNameFilter(filtro(formato_));
    dialogo.setDefaultSuffix(extension(formato_));
    dialogo.selectFile(nombre_propuesto(QStringLiteral("grafica"), extension(formato_)));
    connect(&dialogo, &QFileDialog::filterSelected, &dialogo, [&dialogo](const QString& elegido) {
        for (const Formato f : formatos) {
            if (filtro(f) == elegido) {
                dialogo.setDefaultSuffix(extension(f));
                cambiar_extension(dialogo, extension(f));
            }
        }
    });
    auto* ancho = new QDoubleSpinBox(&dialogo);
    ancho->setObjectName(QStringLiteral("ancho_figura"));
    ancho->setRange(8, 40);
    ancho->setDecimals(1);
    ancho->setSuffix(QStringLiteral(" cm"));
    ancho->setValue(exportacion_.ancho_mm / 10);
    agregar_fila(dialogo, QStringLiteral("&Ancho de la figura:"), ancho);
    auto* ppp = new QSpinBox(&dialogo);
    ppp->setObjectName(QStringLiteral("resolucion_figura"));
    ppp->setRange(72, 1200);
    ppp->setSuffix(QStringLiteral(" ppp"));
    ppp->setValue(exportacion_.ppp);
    agregar_fila(dialogo, QStringLiteral("&Resolución (PNG):"), ppp);
    auto* fondo = new QComboBox(&dialogo);
    fondo->setObjectName(QStringLiteral("fondo_figura"));
    fondo->addItems({QStringLiteral("Blanco"), QStringLiteral("Gris de la ventana")});
    fondo->setCurrentIndex(exportacion_.fondo != QColor(Qt::white));
    agregar_fila(dialogo, QStringLiteral("&Fondo:"), fondo);
    QComboBox* eje = fila_eje(dialogo, QStringLiteral("eje_figura"));

    QString ruta = elegir(dialogo);
    if (ruta.isEmpty()) {
        return;
    }
    // A name without one of the three extensions takes that of the chosen type.
    std::optional<Formato> formato = formato_de(ruta);
    if (!formato) {
        formato = Formato::png;
        for (const Formato f : formatos) {
            if (filtro(f) == dialogo.selectedNameFilter()) {
                formato = f;
            }
        }
        ruta += QLatin1Char('.') + extension(*formato);
    }
    formato_ = *formato;
    exportacion_.ancho_mm = ancho->value() * 10;
    exportacion_.ppp = ppp->value();
    exportacion_.locale = QLocale();
    exportacion_.fondo = fondo->currentIndex() == 1 ? fondo_dibujo : QColor(Qt::white);
    if (eje != nullptr) {
        en_pantalla_ = eje->currentIndex() == 1;
    }
    exportacion_.pantalla_cm = en_pantalla_ ? distancia_cm_ : std::nullopt;
    RelojArena reloj;
    guardar(ruta, bytes_figura(grafica_.curvas(), *formato, exportacion_));
}

void Informe::exportar_datos() {
    QFileDialog dialogo(ventana_, QStringLiteral("Exportar datos"));
    dialogo.setObjectName(QStringLiteral("dialogo_exportar_datos"));
    dialogo.setNameFilter(QStringLiteral("Valores separados por comas (*.csv)"));
    dialogo.setDefaultSuffix(QStringLiteral("csv"));
    const QString prefijos[] = {QStringLiteral("datos"), QStringLiteral("resumen")};
    dialogo.selectFile(nombre_propuesto(prefijos[resumen_], QStringLiteral("csv")));
    auto* contenido = new QComboBox(&dialogo);
    contenido->setObjectName(QStringLiteral("contenido_datos"));
    contenido->addItems(
        {QStringLiteral("Muestras de cada curva"), QStringLiteral("Resumen de la sesión")});
    contenido->setCurrentIndex(resumen_);
    agregar_fila(dialogo, QStringLiteral("&Contenido:"), contenido);
    // The summary has no horizontal quantity to choose.
    QComboBox* eje = fila_eje(dialogo, QStringLiteral("eje_datos"));
    if (eje != nullptr) {
        eje->setEnabled(!resumen_);
        connect(contenido, &QComboBox::currentIndexChanged, eje,
                [eje](int i) { eje->setEnabled(i == 0); });
    }
    // The proposed name follows the content while the user has not changed it.
    connect(contenido, &QComboBox::currentIndexChanged, &dialogo, [&](int i) {
        const QStringList elegidos = dialogo.selectedFiles();
        const QString nombre = elegidos.isEmpty() ? QString() : QFileInfo(elegidos[0]).fileName();
        if (nombre.startsWith(prefijos[1 - i] + QLatin1Char('_'))) {
            dialogo.selectFile(prefijos[i] + nombre.mid(prefijos[1 - i].size()));
        }
    });

    const QString ruta = elegir(dialogo);
    if (ruta.isEmpty()) {
        return;
    }
    resumen_ = contenido->currentIndex() == 1;
    if (eje != nullptr && !resumen_) {
        en_pantalla_ = eje->currentIndex() == 1;
    }
    RelojArena reloj;
    const QLocale l;
    const QString texto =
        resumen_ ? csv_resumen(grafica_.curvas(), l)
                 : csv_muestras(grafica_.curvas(), l, en_pantalla_ ? distancia_cm_ : std::nullopt);
    // The byte order mark tells spreadsheets the text is UTF-8.
    guardar(ruta, QByteArrayLiteral("\xEF\xBB\xBF") + texto.toUtf8());
}

void Informe::guardar(const QString& ruta, const QByteArray& bytes) {
    if (const std::optional<QString> razon = escribir_archivo(ruta, bytes)) {
        mensaje(mensaje_de_fallo(ruta, *razon));
    }
}

void Informe::copiar_grafica() {
    RelojArena reloj;
    // The copy stands on the ground and scale chosen last for the files.
    Exportacion e;
    e.locale = QLocale();
    e.fondo = exportacion_.fondo;
    e.pantalla_cm = en_pantalla_ ? distancia_cm_ : std::nullopt;
    auto* datos = new QMimeData;
    datos->setData(QStringLiteral("image/svg+xml"),
                   bytes_figura(grafica_.curvas(), Formato::svg, e));
    datos->setImageData(imagen_figura(grafica_.curvas(), e));
    QClipboard* portapapeles = QGuiApplication::clipboard();
    portapapeles->clear();
    portapapeles->setMimeData(datos);
}
