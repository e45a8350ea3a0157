#include "session/documentacion.h"

#include "session/dialogo_limpieza.h"
#include "session/formato.h"
#include "session/reloj.h"
#include "session/visor_sesiones.h"
#include "toolkit/datos.h"
#include "toolkit/lectura.h"
#include "toolkit/mensaje.h"
#include "toolkit/razones.h"
#include "toolkit/texto.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <utility>
#include <vector>

namespace {

// Past this many bytes of "*.log" the start-up offers to delete them.
constexpr std::int64_t bytes_limpieza = 10000;

const QString desactivada = QStringLiteral("La documentación de la sesión queda desactivada.");

QString absoluto(const QString& nombre) {
    return QFileInfo(nombre).absoluteFilePath();
}

// "a.log, b.log y c.log", or the first six names "y 12 más".
QString lista_corta(const QStringList& nombres) {
    constexpr qsizetype mostrados = 6;
    if (nombres.size() == 1) {
        return nombres.front();
    }
    if (nombres.size() <= mostrados) {
        return nombres.first(nombres.size() - 1).join(QStringLiteral(", ")) +
               QStringLiteral(" y ") + nombres.back();
    }
    return nombres.first(mostrados).join(QStringLiteral(", ")) +
           QStringLiteral(" y %1 más").arg(nombres.size() - mostrados);
}

// The switch as "trazo.txt" holds it, 0 when it holds none; `aviso` gets why
// a file that is there could not be read.
std::uint8_t leer_interruptor(QString* aviso = nullptr) {
    const QString nombre = QStringLiteral("trazo.txt");
    const Lectura l = leer_archivo(nombre, tope_arranque);
    QString no_texto;
    const QString texto = l.error.isEmpty() ? texto_de(l.bytes, &no_texto) : QString();
    if (aviso != nullptr && l.existe && !l.error.isEmpty()) {
        *aviso = QStringLiteral("No se puede leer el archivo \"%1\" (%2).")
                     .arg(absoluto(nombre), l.error);
    } else if (aviso != nullptr && l.error.isEmpty() && texto.isNull()) {
        *aviso = QStringLiteral("El archivo \"%1\" no es válido: no es un archivo de texto (%2).")
                     .arg(absoluto(nombre), no_texto);
    }
    return texto.isNull() ? 0 : leer_traza(texto);
}

} // namespace

Documentacion::Documentacion(QWidget* ventana) : QObject(ventana), ventana_(ventana) {
    accion_documentar_ = new QAction(QStringLiteral("Documentar Sesión"), this);
    accion_documentar_->setObjectName(QStringLiteral("accion_documentar"));
    accion_documentar_->setCheckable(true);
    accion_abrir_ = new QAction(QStringLiteral("Abrir Documento de Sesión"), this);
    accion_abrir_->setObjectName(QStringLiteral("accion_abrir"));
    connect(accion_documentar_, &QAction::triggered, this, &Documentacion::alternar);
    connect(accion_abrir_, &QAction::triggered, this, &Documentacion::abrir_visor);
}

void Documentacion::arrancar() {
    if (const QString aviso = carpeta_impedida(); !aviso.isEmpty()) {
        // No folder of its own: it writes nothing, and says so once.
        traza_ = 0;
        accion_documentar_->setEnabled(false);
        avisos_ << aviso + fin_linea + desactivada;
        informar();
        return;
    }
    const ArchivosSesion archivos = listar_archivos_sesion(QDir::currentPath());
    QString aviso;
    traza_ = leer_interruptor(&aviso);
    if (!aviso.isEmpty()) {
        avisos_ << aviso + fin_linea + desactivada;
    }
    if (traza_ == 1 && archivos.bytes > bytes_limpieza) {
        DialogoLimpieza dialogo(ventana_, archivos.num, archivos.bytes);
        mostrar_modal(&dialogo);
        if (dialogo.result() == QDialog::Accepted) {
            limpiar(archivos);
        }
    }
    if (traza_ == 1) {
        inicializar();
    }
    informar();
}

void Documentacion::limpiar(const ArchivosSesion& archivos) {
    // Exactly the files counted; one that cannot be deleted stays, the others
    // go, and the survivors are listed by reason.
    std::vector<std::pair<QString, QStringList>> por_razon;
    qsizetype fallidos = 0;
    std::int64_t bytes_restantes = 0;
    for (qsizetype i = 0; i < archivos.nombres.size(); ++i) {
        const int e = borrar_archivo(archivos.nombres[i]);
        if (e == 0) {
            continue;
        }
        ++fallidos;
        bytes_restantes += archivos.tamanos[i];
        const QString nombre = nombre_legible(archivos.nombres[i]);
        const QString r = razon(e, Operacion::escribir);
        auto grupo = std::find_if(por_razon.begin(), por_razon.end(),
                                  [&](const auto& g) { return g.first == r; });
        if (grupo == por_razon.end()) {
            grupo = por_razon.insert(por_razon.end(), {r, {}});
        }
        grupo->second << nombre;
    }
    QStringList aviso;
    if (fallidos == 1) {
        aviso << QStringLiteral("No se pudo borrar \"%1\": %2.")
                     .arg(absoluto(por_razon.front().second.front()), por_razon.front().first);
    } else if (fallidos > 1) {
        aviso << QStringLiteral("No se pudieron borrar %1 de los %2 archivos .log de \"%3\":")
                     .arg(fallidos)
                     .arg(archivos.num)
                     .arg(QDir::currentPath());
        for (const auto& [r, nombres] : por_razon) {
            aviso << QStringLiteral("   %1: %2").arg(r, lista_corta(nombres));
        }
    }
    // The switch goes off only once "trazo.txt" says so, or the next start would
    // switch it on again without a word.
    const QString trazo = QStringLiteral("trazo.txt");
    const int e = escribir_archivo(trazo, texto_traza(0));
    if (e == 0) {
        traza_ = 0;
        marcar(false);
        if (!aviso.isEmpty()) {
            aviso << desactivada;
        }
    } else {
        aviso << QStringLiteral("No se pudo escribir \"%1\": %2.")
                     .arg(absoluto(trazo), razon(e, Operacion::crear));
        aviso << (bytes_restantes > bytes_limpieza
                      ? QStringLiteral("Por eso la opción de DOCUMENTAR SESIÓN sigue activada y "
                                       "al próximo inicio se volverá a preguntar si se borran "
                                       "los archivos.")
                      : QStringLiteral("Por eso la opción de DOCUMENTAR SESIÓN sigue activada, "
                                       "también al próximo inicio."));
    }
    if (!aviso.isEmpty()) {
        avisos_ << aviso.join(fin_linea);
    }
}

void Documentacion::marcar(bool marcado) {
    marcada_ = marcado;
    accion_documentar_->setChecked(marcado);
}

void Documentacion::apagar(const QString& aviso) {
    traza_ = 0;
    marcar(false);
    documento_.cerrar();
    avisos_ << aviso + fin_linea + desactivada;
}

void Documentacion::informar() {
    if (avisos_.isEmpty()) {
        return;
    }
    const QString texto = avisos_.join(fin_linea + fin_linea);
    avisos_.clear();
    mensaje(texto);
}

bool Documentacion::escribir(const QString& texto, bool caso) {
    const DocumentoAbierto::Escritura r = documento_.agregar(texto.toLocal8Bit());
    if (r.error == 0) {
        return true;
    }
    QString aviso = QStringLiteral("No se puede escribir en el documento de sesión \"%1\": %2.")
                        .arg(documento_.nombre(), razon(r.error, Operacion::escribir));
    if (r.a_medias) {
        aviso += fin_linea + QStringLiteral("Al final del archivo quedó una línea incompleta.");
    } else if (caso) {
        aviso += fin_linea + QStringLiteral("El caso recién graficado no quedó registrado; "
                                            "las líneas anteriores siguen completas.");
    }
    apagar(aviso);
    return false;
}

void Documentacion::rescatar(DocumentoAbierto::Lugar lugar) {
    const QString nombre = documento_.nombre();
    QString aviso =
        lugar == DocumentoAbierto::Lugar::borrado
            ? QStringLiteral("El documento de sesión \"%1\" fue borrado por otro programa, u "
                             "otra copia de este, mientras se usaba.")
            : QStringLiteral("El documento de sesión \"%1\" fue reemplazado por otro archivo "
                             "del mismo nombre mientras se usaba.");
    aviso = aviso.arg(nombre);
    // What it held goes back under its name when that is free, else beside it;
    // never over another file.
    const QByteArray contenido = documento_.contenido();
    QString destino = lugar == DocumentoAbierto::Lugar::borrado ? nombre : nombre_libre(nombre);
    int e = escribir_archivo(destino, contenido, true);
    if (e == EEXIST) {
        destino = nombre_libre(nombre);
        e = escribir_archivo(destino, contenido, true);
    }
    aviso += fin_linea +
             (e == 0 ? QStringLiteral("Lo que tenía escrito se guardó en \"%1\".").arg(destino)
                     : QStringLiteral("Lo que tenía escrito no se pudo guardar en "
                                      "\"%1\": %2.")
                           .arg(destino, razon(e, Operacion::crear)));
    aviso += fin_linea + QStringLiteral("El caso recién graficado no quedó registrado.");
    apagar(aviso);
}

void Documentacion::inicializar() {
    const QDateTime ahora = hora_actual();
    const QString nombre = nombre_documento(ahora.time(), QLocale());
    if (const int e = documento_.abrir(nombre); e != 0) {
        apagar(QStringLiteral("No se puede abrir el documento de sesión \"%1\": %2.")
                   .arg(absoluto(nombre), razon(e, Operacion::crear)));
        return;
    }
    if (documento_.nombre() != absoluto(nombre)) {
        avisos_ << QStringLiteral("Con el nombre \"%1\" ya había un enlace, o algo que no es un "
                                  "archivo común de la carpeta, y no se escribe a través de él.")
                           .arg(absoluto(nombre)) +
                       fin_linea +
                       QStringLiteral("La documentación de la sesión se guarda en \"%1\".")
                           .arg(documento_.nombre());
    }
    if (escribir(cabecera_documento(ahora.date(), QLocale()), false)) {
        marcar(true);
    }
}

void Documentacion::documentar(const Curva& c) {
    if (traza_ != 1) {
        return;
    }
    // Another program may have deleted or replaced the file since the last line.
    if (const auto lugar = documento_.lugar(); lugar != DocumentoAbierto::Lugar::en_su_lugar) {
        rescatar(lugar);
        return;
    }
    const CasoDocumentado caso{c.ang_min(), c.ang_max(), Fijo(c.ranuras),
                               c.ancho,     c.distancia, c.onda};
    escribir(linea_documento(caso, QLocale()) + fin_linea, true);
}

void Documentacion::alternar() {
    if (marcada_) {
        // The file stays open; it just receives no more lines.
        marcar(false);
        traza_ = 0;
        return;
    }
    traza_ = 1;
    inicializar();
    if (traza_ == 1) {
        mensaje(fin_linea + QStringLiteral("La documentación de la sesión queda grabada en") +
                fin_linea + QStringLiteral("archivos .log con la hora por nombre,") + fin_linea +
                QStringLiteral("en la carpeta de la aplicacion"));
    }
    informar();
}

void Documentacion::abrir_visor() {
    if (!visor_) {
        visor_ = new VisorSesiones(ventana_);
        connect(visor_, &VisorSesiones::casos_elegidos, this, &Documentacion::graficar_casos);
    }
    mostrar_modal(visor_);
}

void Documentacion::guardar_interruptor() {
    documento_.cerrar();
    if (!carpeta_impedida().isEmpty()) {
        return;
    }
    const QString trazo = QStringLiteral("trazo.txt");
    const int e = escribir_archivo(trazo, texto_traza(traza_));
    if (e == 0) {
        return;
    }
    // Told only when the next start would differ: a folder that cannot be
    // written costs no message while the switch stays as the file says.
    const std::uint8_t guardada = leer_interruptor();
    if (guardada == traza_) {
        return;
    }
    mensaje(QStringLiteral("No se pudo escribir \"%1\": %2.")
                .arg(absoluto(trazo), razon(e, Operacion::crear)) +
            fin_linea +
            (guardada == 1 ? QStringLiteral("Por eso la opción de DOCUMENTAR SESIÓN volverá a "
                                            "estar activada al próximo inicio.")
                           : QStringLiteral("Por eso la opción de DOCUMENTAR SESIÓN no estará "
                                            "activada al próximo inicio.")));
}
