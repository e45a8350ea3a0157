#include "main/lecciones.h"

#include "entry/entrada.h"
#include "grafica/grafica.h"
#include "informe/archivo.h"
#include "informe/informe.h"
#include "main/vista_en_vivo.h"
#include "medicion/medicion.h"
#include "model/curva.h"
#include "screen/sector_ampliado.h"
#include "toolkit/datos.h"
#include "toolkit/lectura.h"
#include "toolkit/mensaje.h"
#include "toolkit/parametros_observables.h"
#include "toolkit/reloj_arena.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include <cmath>

namespace {

constexpr int recientes_max = 5;
const QString clave_recientes = QStringLiteral("lecciones/recientes");
const QString clave_valores = QStringLiteral("arranque/valores");
const QString clave_inic = QStringLiteral("arranque/inic");
const QString filtro_lecciones = QStringLiteral("Lecciones de Ondaris (*.ondaris)");

QSettings ajustes() {
    return QSettings(QStringLiteral("Ondaris"), QStringLiteral("Ondaris"));
}

// "inic.dat" by its bytes: the same text gives the same values and limits,
// whatever its date says.
QByteArray huella_de_inic() {
    const Lectura inic = leer_archivo(ruta_de_datos(QStringLiteral("inic.dat")), tope_arranque);
    return inic.error.isEmpty()
               ? QCryptographicHash::hash(inic.bytes, QCryptographicHash::Sha256).toHex()
               : QByteArray("ninguno");
}

bool mismos_limites(const Parametros& a, const Parametros& b) {
    for (Magnitud m : magnitudes) {
        if (a.minimo(m) != b.minimo(m) || a.maximo(m) != b.maximo(m)) {
            return false;
        }
    }
    return true;
}

// A question with "Sí" and "No", "No" the default: nothing is lost by Enter.
// Where the dialogs start without a lesson: the documents folder, else home.
QString carpeta_inicial() {
    const QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documentos).isDir() ? documentos : QDir::homePath();
}

// The file chosen in `dialogo`, shown modally; empty when it was cancelled.
QString elegido(QFileDialog& dialogo, const char* nombre, QFileDialog::AcceptMode modo) {
    dialogo.setObjectName(QString::fromLatin1(nombre));
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setAcceptMode(modo);
    dialogo.setFileMode(modo == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                        : QFileDialog::AnyFile);
    mostrar_modal(&dialogo);
    const QStringList elegidos = dialogo.selectedFiles();
    return dialogo.result() == QDialog::Accepted && !elegidos.isEmpty() ? elegidos.front()
                                                                        : QString();
}

bool preguntar(QWidget* ventana, const QString& texto) {
    QMessageBox caja(QMessageBox::NoIcon, QStringLiteral("Ondaris"), texto,
                     QMessageBox::Yes | QMessageBox::No, ventana);
    caja.setObjectName(QStringLiteral("pregunta_reemplazar"));
    caja.button(QMessageBox::Yes)->setText(QStringLiteral("Sí"));
    caja.button(QMessageBox::No)->setText(QStringLiteral("No"));
    caja.setDefaultButton(QMessageBox::No);
    return caja.exec() == QMessageBox::Yes;
}

// The lesson file a drag carries: one local file.
QString leccion_arrastrada(const QMimeData* datos) {
    if (datos == nullptr || datos->urls().size() != 1 || !datos->urls().front().isLocalFile()) {
        return {};
    }
    return datos->urls().front().toLocalFile();
}

// A position on the screen from a deviation angle in degrees.
Fijo tangente_de_angulo(double grados) {
    return Fijo::desde(std::tan(grados * M_PI / 180));
}

} // namespace

Lecciones::Lecciones(QWidget* ventana, const Partes& partes)
    : QObject(ventana), ventana_(ventana), partes_(partes) {
    abrir_ = new QAction(QStringLiteral("Abrir lección…"), this);
    abrir_->setObjectName(QStringLiteral("accion_abrir_leccion"));
    abrir_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    guardar_ = new QAction(QStringLiteral("Guardar lección…"), this);
    guardar_->setObjectName(QStringLiteral("accion_guardar_leccion"));
    guardar_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    guardar_como_ = new QAction(QStringLiteral("Guardar como…"), this);
    guardar_como_->setObjectName(QStringLiteral("accion_guardar_como"));
    guardar_como_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(abrir_, &QAction::triggered, this, &Lecciones::elegir_y_abrir);
    connect(guardar_, &QAction::triggered, this, &Lecciones::guardar);
    connect(guardar_como_, &QAction::triggered, this, &Lecciones::guardar_como);
    connect(&partes_.parametros, &ParametrosObservables::cambiado, this, [this] {
        if (ajuste_) {
            ajuste_ = partes_.parametros.actuales();
        }
    });
    ventana_->setAcceptDrops(true);
    ventana_->installEventFilter(this);
}

Lecciones::~Lecciones() {
    if (ajuste_) {
        QSettings s = ajustes();
        s.setValue(clave_valores, escribir_leccion({*ajuste_, true, {}, {}}));
        s.setValue(clave_inic, huella_inic_);
    }
}

void Lecciones::agregar_a(QMenu* archivo) {
    archivo->addAction(abrir_);
    recientes_ = archivo->addMenu(QStringLiteral("Lecciones recientes"));
    recientes_->setObjectName(QStringLiteral("menu_recientes"));
    archivo->addAction(guardar_);
    archivo->addAction(guardar_como_);
    rehacer_recientes();
}

void Lecciones::al_trazar(bool banda_sola) {
    const std::size_t k = partes_.grafica.curvas().size();
    solas_.resize(k - 1); // a graph cleared since drops its flags
    solas_.push_back(banda_sola);
    zoom_.reset();
}

void Lecciones::al_ampliar(const Seleccion& s) {
    zoom_ = s;
}

Leccion Lecciones::actual() const {
    Leccion l{partes_.parametros.actuales(), partes_.sector.banda_unica(), {}, {}};
    const std::vector<Curva>& curvas = partes_.grafica.curvas();
    for (std::size_t k = 0; k < curvas.size(); ++k) {
        l.curvas.push_back({curvas[k], k < solas_.size() && solas_[k]});
    }
    if (!curvas.empty()) {
        l.zoom = zoom_;
    }
    l.medicion = partes_.medicion.medida();
    return l;
}

bool Lecciones::sin_guardar() const {
    return partes_.grafica.hay_curvas() && actual().curvas != guardada_.curvas;
}

void Lecciones::elegir_y_abrir() {
    QFileDialog dialogo(ventana_, QStringLiteral("Abrir lección"));
    dialogo.setNameFilters({filtro_lecciones, QStringLiteral("Todos los archivos (*)")});
    const QStringList recientes = ajustes().value(clave_recientes).toStringList();
    dialogo.setDirectory(!ruta_.isEmpty()       ? QFileInfo(ruta_).absolutePath()
                         : !recientes.isEmpty() ? QFileInfo(recientes.front()).absolutePath()
                                                : carpeta_inicial());
    if (const QString ruta = elegido(dialogo, "dialogo_abrir_leccion", QFileDialog::AcceptOpen);
        !ruta.isEmpty()) {
        abrir(ruta);
    }
}

bool Lecciones::abrir(const QString& ruta) {
    const LecturaLeccion r = abrir_leccion(ruta);
    if (!r.error.isEmpty()) {
        mensaje(r.error);
        olvidar(ruta);
        return false;
    }
    if (!aplicar(r.leccion, QFileInfo(ruta).fileName())) {
        return false;
    }
    ruta_ = QFileInfo(ruta).absoluteFilePath();
    guardada_ = r.leccion;
    recordar(ruta_);
    return true;
}

bool Lecciones::aplicar(const Leccion& l, const QString& origen) {
    if (sin_guardar() &&
        !preguntar(ventana_, QStringLiteral("Las curvas de la gráfica no se guardaron.\n"
                                            "¿Se reemplazan por las de \"%1\"?")
                                 .arg(origen))) {
        return false;
    }
    RelojArena reloj;
    partes_.vista.quitar();
    partes_.grafica.borrar();
    partes_.sector.borrar();
    partes_.sector.elegir_modo(l.banda_unica);
    partes_.parametros.reemplazar(l.parametros);
    partes_.entrada.mostrar_parametros();
    solas_.clear();
    for (std::size_t k = 0; k < l.curvas.size(); ++k) {
        const Muestreo m = partes_.grafica.agregar(l.curvas[k].curva);
        partes_.sector.pintar(l.curvas[k].curva, static_cast<int>(k + 1), m.filas,
                              l.curvas[k].banda_sola);
        solas_.push_back(l.curvas[k].banda_sola);
    }
    partes_.entrada.set_hay_curvas(false); // no comparison under way
    partes_.entrada.set_hay_curvas(!l.curvas.empty());
    partes_.informe.set_hay_curvas(!l.curvas.empty());
    partes_.vista.quitar(); // the values just set are curves, not a case explored
    if (l.medicion) {
        partes_.medicion.cargar(*l.medicion);
    } else {
        partes_.medicion.quitar();
    }
    zoom_ = l.zoom;
    if (l.zoom) {
        // Once the lesson is whole and its opening has returned.
        QMetaObject::invokeMethod(
            this, [this, s = *l.zoom] { emit ampliar(s); }, Qt::QueuedConnection);
    }
    return true;
}

void Lecciones::graficar_casos(const std::vector<CasoDocumentado>& casos) {
    Leccion l{partes_.parametros.actuales(), partes_.sector.banda_unica(), {}, {}};
    Parametros& p = l.parametros;
    for (std::size_t k = 0; k < casos.size(); ++k) {
        const CasoDocumentado& c = casos[k];
        const std::pair<Magnitud, Fijo> valores[] = {
            {Magnitud::inferior, tangente_de_angulo(c.ang_min)},
            {Magnitud::superior, tangente_de_angulo(c.ang_max)},
            {Magnitud::ranuras, c.n},
            {Magnitud::ancho, c.a},
            {Magnitud::distancia, c.d},
            {Magnitud::onda, c.l}};
        for (const auto& [m, v] : valores) {
            if (v < p.minimo(m) || v > p.maximo(m)) {
                mensaje(QStringLiteral("El caso %1 elegido no se puede graficar: sus valores "
                                       "están fuera de los límites de \"inic.dat\".")
                            .arg(k + 1));
                return;
            }
            p.fijar(m, v);
        }
        if (p.valor(Magnitud::inferior) >= p.valor(Magnitud::superior)) {
            mensaje(QStringLiteral("El caso %1 elegido no se puede graficar: su sector está "
                                   "vacío.")
                        .arg(k + 1));
            return;
        }
        l.curvas.push_back({curva_de(p), false});
    }
    if (aplicar(l, QStringLiteral("la sesión"))) {
        ruta_.clear(); // cases of a session, not a lesson: saving asks for a name
    }
}

bool Lecciones::guardar() {
    return ruta_.isEmpty() ? guardar_como() : escribir(ruta_);
}

bool Lecciones::guardar_como() {
    QFileDialog dialogo(ventana_, QStringLiteral("Guardar lección"));
    dialogo.setNameFilter(filtro_lecciones);
    dialogo.setDefaultSuffix(extension_leccion);
    if (ruta_.isEmpty()) {
        dialogo.setDirectory(carpeta_inicial());
        dialogo.selectFile(QStringLiteral("leccion.ondaris"));
    } else {
        dialogo.selectFile(ruta_);
    }
    const QString ruta = elegido(dialogo, "dialogo_guardar_leccion", QFileDialog::AcceptSave);
    return !ruta.isEmpty() && escribir(ruta);
}

bool Lecciones::escribir(const QString& ruta) {
    const Leccion l = actual();
    if (const auto error = escribir_archivo(ruta, escribir_leccion(l))) {
        mensaje(mensaje_de_fallo(ruta, *error));
        return false;
    }
    ruta_ = QFileInfo(ruta).absoluteFilePath();
    guardada_ = l;
    recordar(ruta_);
    return true;
}

void Lecciones::recordar(const QString& ruta) {
    QStringList lista = ajustes().value(clave_recientes).toStringList();
    lista.removeAll(ruta);
    lista.prepend(ruta);
    ajustes().setValue(clave_recientes, lista.mid(0, recientes_max));
    rehacer_recientes();
}

void Lecciones::olvidar(const QString& ruta) {
    QStringList lista = ajustes().value(clave_recientes).toStringList();
    if (lista.removeAll(QFileInfo(ruta).absoluteFilePath()) > 0) {
        ajustes().setValue(clave_recientes, lista);
        rehacer_recientes();
    }
}

void Lecciones::rehacer_recientes() {
    if (recientes_ == nullptr) {
        return;
    }
    recientes_->clear();
    const QStringList lista = ajustes().value(clave_recientes).toStringList();
    for (qsizetype i = 0; i < lista.size() && i < recientes_max; ++i) {
        const QString ruta = lista[i];
        QAction* a = recientes_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QFileInfo(ruta).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"))));
        a->setToolTip(QDir::toNativeSeparators(ruta));
        a->setStatusTip(QDir::toNativeSeparators(ruta));
        connect(a, &QAction::triggered, this, [this, ruta] { abrir(ruta); });
    }
    recientes_->setEnabled(!lista.isEmpty());
}

Parametros Lecciones::ajuste_de_inicio(const Parametros& de_inic) {
    huella_inic_ = huella_de_inic();
    Parametros p = de_inic;
    QSettings s = ajustes();
    if (s.value(clave_inic).toByteArray() == huella_inic_) {
        const LecturaLeccion r = leer_leccion(s.value(clave_valores).toByteArray());
        if (r.error.isEmpty() && mismos_limites(r.leccion.parametros, de_inic)) {
            p = r.leccion.parametros;
        }
    }
    ajuste_ = p;
    return p;
}

bool Lecciones::eventFilter(QObject* o, QEvent* e) {
    if (o == ventana_ && e->type() == QEvent::DragEnter) {
        auto* d = static_cast<QDragEnterEvent*>(e);
        if (!leccion_arrastrada(d->mimeData()).isEmpty()) {
            d->acceptProposedAction();
            return true;
        }
    } else if (o == ventana_ && e->type() == QEvent::Drop) {
        auto* d = static_cast<QDropEvent*>(e);
        const QString ruta = leccion_arrastrada(d->mimeData());
        if (!ruta.isEmpty()) {
            d->acceptProposedAction();
            // Opened once the drop is over: the source is not kept waiting on a question.
            QMetaObject::invokeMethod(
                this, [this, ruta] { abrir(ruta); }, Qt::QueuedConnection);
            return true;
        }
    }
    return QObject::eventFilter(o, e);
}
