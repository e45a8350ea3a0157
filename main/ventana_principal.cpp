#include "main/ventana_principal.h"

#include "entry/boton_spin.h"
#include "entry/entrada.h"
#include "grafica/grafica.h"
#include "informe/informe.h"
#include "main/inic.h"
#include "main/lecciones.h"
#include "main/vista_en_vivo.h"
#include "medicion/medicion.h"
#include "model/curva.h"
#include "screen/esquema.h"
#include "screen/sector_ampliado.h"
#include "session/documentacion.h"
#include "toolkit/colores.h"
#include "toolkit/diseno.h"
#include "toolkit/mensaje.h"
#include "toolkit/picture_box.h"
#include "toolkit/portapapeles.h"
#include "toolkit/reloj_arena.h"
#include "toolkit/toque.h"
#include "windows/ayuda.h"
#include "zoom/ventana_zoom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QInputDialog>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>

#include <algorithm>
#include <cmath>

namespace {

// Designed client area in twips: the sketch (9855 x 6105) and the row of
// buttons and band options under it.
constexpr double ancho_diseno = 9855;
constexpr double alto_diseno = 6630;

// A screen from a few centimetres to a lecture hall's hundred metres.
constexpr double distancia_pantalla_max_cm = 10000;
const char* const clave_pantalla = "ver/distancia_pantalla_cm";

// The choices of the "Ver" menu a user finds again at the next start.
QSettings ajustes() {
    return QSettings(QStringLiteral("Ondaris"), QStringLiteral("Ondaris"));
}

} // namespace

VentanaPrincipal::VentanaPrincipal(QWidget* padre) : QMainWindow(padre) {
    setWindowTitle(QStringLiteral("Ondaris por N ranuras  //  Grupo Quenor"));
    crear_controles();
    crear_menus();
    conectar();
}

VentanaPrincipal::~VentanaPrincipal() {
    delete zoom_.data();
}

void VentanaPrincipal::crear_controles() {
    auto* cliente = new QWidget(this);
    pintar_fondo(cliente, fondo_ventana);
    setCentralWidget(cliente);
    diseno_ = new Diseno(cliente, ancho_diseno, alto_diseno);

    esquema_ = new Esquema(cliente, *diseno_, parametros_);
    punto_restaurar_ = new PictureBox(cliente);
    punto_restaurar_->setObjectName(QStringLiteral("punto_restaurar"));
    punto_restaurar_->setAccessibleName(QStringLiteral("Restaurar la vista"));
    punto_restaurar_->set_rol(QAccessible::Button);
    punto_restaurar_->set_fondo(fondo_ventana);
    diseno_->colocar(punto_restaurar_, {0, 0, 135, 135}, 0);
    sector_ = new SectorAmpliado(cliente, *diseno_);
    grafica_ = new Grafica(cliente, *diseno_, parametros_.actuales());
    entrada_ = new EntradaValores(cliente, grafica_->marco(), *diseno_, parametros_);

    const auto boton = [&](const QString& texto, const char* nombre, QRectF lugar) {
        auto* b = new QPushButton(texto, cliente);
        b->setObjectName(QString::fromLatin1(nombre));
        diseno_->colocar(b, lugar);
        return b;
    };
    boton_graficar_ = boton(QStringLiteral("Graficar"), "boton_graficar", {5640, 6120, 1215, 375});
    boton_limpiar_ = boton(QStringLiteral("Limpiar"), "boton_limpiar", {7020, 6120, 1095, 375});
    boton_salir_ = boton(QStringLiteral("Salir"), "boton_salir", {8640, 6120, 855, 375});
    QWidget::setTabOrder(entrada_->ultima_caja(), boton_graficar_);
    QWidget::setTabOrder(boton_graficar_, boton_limpiar_);
    QWidget::setTabOrder(boton_limpiar_, boton_salir_);

    documentacion_ = new Documentacion(this);
    informe_ = new Informe(*grafica_, this);
    medicion_ = new Medicion(parametros_, *grafica_, this);
    vista_en_vivo_ = new VistaEnVivo(parametros_, *grafica_, *sector_, *entrada_, this);
    lecciones_ = new Lecciones(this, {parametros_, *grafica_, *sector_, *entrada_, *informe_,
                                      *vista_en_vivo_, *medicion_});
    ilustraciones_ = new Ilustraciones(cliente, *diseno_); // last: it covers the window
    dar_lugar_a_la_grafica();
    // What a finger must hit: every button, spin button, marker and option, and the magnifier.
    toque_ = new AreaDeToque(this);
    for (QAbstractButton* b : findChildren<QAbstractButton*>()) {
        toque_->agregar(b);
    }
    for (BotonSpin* b : findChildren<BotonSpin*>()) {
        toque_->agregar(b);
    }
    toque_->agregar(findChild<QWidget*>(QStringLiteral("lupa")));
}

void VentanaPrincipal::dar_lugar_a_la_grafica() {
    // The sketch keeps its designed proportions: its drawing meets the strip, the
    // enlarged sector and their connector lines at fixed coordinates. The room a
    // window has beyond the design goes to the data frame, and in it to the graph;
    // what stands beside the graph keeps its side, what stands under it moves down.
    QWidget* marco = grafica_->marco();
    const auto* grafica = marco->findChild<QWidget*>(QStringLiteral("grafica"));
    const QRectF g = diseno_->twips(grafica);
    const double ancho = diseno_->twips(marco).width();
    for (QWidget* w : marco->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QRectF t = diseno_->twips(w);
        if (t.isNull()) {
            continue;
        }
        if (w == grafica) {
            diseno_->anclar(w, {0, 0, 1, 1});
        } else if (t.top() >= g.bottom()) {
            const double lado = t.center().x() / ancho;
            diseno_->anclar(w, {lado < 1.0 / 3 ? 0 : lado > 2.0 / 3 ? 1 : 0.5, 1, 0, 0});
        } else if (t.left() > 0.7 * ancho) {
            diseno_->anclar(w, {1, 0, 0, 0}); // the read-out and the magnifier, at the right
        }
    }
    diseno_->anclar(marco, {0, 0, 1, 1});
    diseno_->anclar(boton_graficar_, {0, 1, 0, 0});
    diseno_->anclar(boton_limpiar_, {0.5, 1, 0, 0});
    diseno_->anclar(boton_salir_, {1, 1, 0, 0});
    // On a wide screen the graph takes over half the width; the rest of the
    // design scales a little less for it.
    diseno_->reservar_parte(g.width(), 0.52);
    diseno_->aplicar();
}

void VentanaPrincipal::crear_menus() {
    const auto entrada = [](QMenu* menu, const QString& texto, const char* nombre) {
        QAction* a = menu->addAction(texto);
        a->setObjectName(QString::fromLatin1(nombre));
        return a;
    };
    QMenuBar* barra = menuBar();
    QMenu* archivo = barra->addMenu(QStringLiteral("&Archivo"));
    archivo->setObjectName(QStringLiteral("menu_archivo"));
    lecciones_->agregar_a(archivo);
    archivo->addSeparator();
    archivo->addAction(documentacion_->accion_documentar());
    archivo->addAction(documentacion_->accion_abrir());
    archivo->addSeparator();
    archivo->addAction(informe_->accion_exportar_grafica());
    archivo->addAction(informe_->accion_exportar_datos());
    archivo->addSeparator();
    archivo->addAction(medicion_->accion_abrir());
    archivo->addSeparator();
    QAction* salir = entrada(archivo, QStringLiteral("&Salir"), "accion_salir");
    salir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q)); // every platform, as the menu says
    connect(salir, &QAction::triggered, this, &VentanaPrincipal::salir);

    QMenu* copiar = barra->addMenu(QStringLiteral("&Copiar al Portapapeles"));
    copiar->setObjectName(QStringLiteral("menu_copiar"));
    connect(entrada(copiar, QStringLiteral("Espectro de pantalla"), "accion_copiar_patron"),
            &QAction::triggered, this, [this] { copiar_imagen(sector_->imagen()); });
    connect(entrada(copiar, QStringLiteral("Gráfica de Intensidades"), "accion_copiar_grafica"),
            &QAction::triggered, this, [this] { copiar_imagen(grafica_->imagen()); });
    connect(entrada(copiar, QStringLiteral("Datos de Red y Luz incidente"), "accion_copiar_datos"),
            &QAction::triggered, this, [this] { copiar_texto(grafica_->datos()); });
    copiar->addAction(informe_->accion_copiar_grafica());

    QMenu* ver = barra->addMenu(QStringLiteral("&Ver"));
    ver->setObjectName(QStringLiteral("menu_ver"));
    using Cual = Ilustraciones::Cual;
    const std::pair<Cual, const char*> ilustraciones[] = {
        {Cual::espectro, "Espectro de Luz Blanca"},
        {Cual::laboratorio, "Laboratorio"},
        {Cual::red_y_pantalla, "Red y Pantalla"}};
    for (const auto& [cual, texto] : ilustraciones) {
        connect(ver->addAction(QString::fromUtf8(texto)), &QAction::triggered, this,
                [this, cual = cual] { abrir_ilustracion(cual); });
    }
    connect(ver->addAction(QStringLiteral("Modelo utilizado")), &QAction::triggered, ilustraciones_,
            &Ilustraciones::mostrar_modelo);
    ver->addSeparator();
    // Remembered from one start to the next; off at the first, so the window
    // behaves as it always did until a user turns them on.
    const auto opcion = [&](const QString& texto, const char* nombre, const char* clave,
                            auto aplicar) {
        QAction* a = entrada(ver, texto, nombre);
        a->setCheckable(true);
        a->setChecked(ajustes().value(QLatin1String(clave), false).toBool());
        aplicar(a->isChecked());
        connect(a, &QAction::toggled, this, [clave, aplicar](bool si) {
            ajustes().setValue(QLatin1String(clave), si);
            aplicar(si);
        });
    };
    opcion(QStringLiteral("Vista en &vivo"), "accion_vista_en_vivo", "ver/vista_en_vivo",
           [this](bool si) { vista_en_vivo_->set_activa(si); });
    opcion(QStringLiteral("Ó&rdenes"), "accion_ordenes", "ver/ordenes",
           [this](bool si) { grafica_->set_ordenes(si); });
    opcion(QStringLiteral("&Escala de la gráfica"), "accion_escala", "ver/escala_en_grados",
           [this](bool si) {
               escala_en_grados_ = si;
               grafica_->set_escala_en_grados(si);
               if (zoom_) {
                   zoom_->set_escala_en_grados(si);
               }
           });
    opcion(QStringLiteral("Controles &grandes"), "accion_controles_grandes",
           "ver/controles_grandes", [this](bool si) {
               entrada_->set_controles_grandes(si);
               toque_->set_activa(si);
           });
    connect(entrada(ver, QStringLiteral("&Pantalla a distancia…"), "accion_pantalla"),
            &QAction::triggered, this, &VentanaPrincipal::elegir_distancia_pantalla);
    poner_distancia_pantalla(ajustes().value(QLatin1String(clave_pantalla), 0.0).toDouble());

    QMenu* ayuda = barra->addMenu(QStringLiteral("A&yuda"));
    ayuda->setObjectName(QStringLiteral("menu_ayuda"));
    QAction* general = entrada(ayuda, QStringLiteral("&General"), "accion_general");
    general->setShortcut(QKeySequence::HelpContents);
    connect(general, &QAction::triggered, this, [] { mensaje(texto_general()); });
    connect(ayuda->addAction(QStringLiteral("&Unidades")), &QAction::triggered, this,
            [] { mensaje(texto_unidades()); });
    ayuda->addSeparator();
    connect(ayuda->addAction(QStringLiteral("&Acerca de ...")), &QAction::triggered, this,
            [] { mensaje(texto_acerca()); });
}

void VentanaPrincipal::elegir_distancia_pantalla() {
    QInputDialog dialogo(this);
    dialogo.setObjectName(QStringLiteral("dialogo_pantalla"));
    dialogo.setWindowTitle(QStringLiteral("Pantalla a distancia"));
    dialogo.setLabelText(QStringLiteral("Distancia D de la red a la pantalla (cm):\n"
                                        "0 para no dar la posición en la pantalla."));
    dialogo.setInputMode(QInputDialog::DoubleInput);
    dialogo.setDoubleRange(0, distancia_pantalla_max_cm);
    dialogo.setDoubleDecimals(1);
    dialogo.setDoubleValue(distancia_pantalla_cm_.value_or(0));
    mostrar_modal(&dialogo);
    if (dialogo.result() == QDialog::Accepted) {
        poner_distancia_pantalla(dialogo.doubleValue());
        ajustes().setValue(QLatin1String(clave_pantalla), distancia_pantalla_cm_.value_or(0));
    }
}

void VentanaPrincipal::poner_distancia_pantalla(double cm) {
    // A remembered value from a hand-edited settings file is held to the dialog's range.
    distancia_pantalla_cm_ = std::isfinite(cm) && cm > 0 && cm <= distancia_pantalla_max_cm
                                 ? std::optional<double>(cm)
                                 : std::nullopt;
    grafica_->set_distancia_pantalla(distancia_pantalla_cm_);
    informe_->set_distancia_pantalla(distancia_pantalla_cm_);
}

void VentanaPrincipal::conectar() {
    connect(medicion_, &Medicion::caso_ajustado, entrada_, &EntradaValores::mostrar_parametros);
    connect(boton_graficar_, &QPushButton::clicked, this, &VentanaPrincipal::graficar);
    connect(boton_limpiar_, &QPushButton::clicked, this, [this] {
        vista_en_vivo_->quitar();
        borrar();
    });
    connect(boton_salir_, &QPushButton::clicked, this, &VentanaPrincipal::salir);
    connect(punto_restaurar_, &PictureBox::pulsado, this, &VentanaPrincipal::restaurar_vista);
    connect(diseno_, &Diseno::escalado, this, &VentanaPrincipal::al_escalar);

    // The sketch follows the parameter set at once; the graph waits for "Graficar".
    connect(esquema_, &Esquema::extremo_en_arrastre, vista_en_vivo_,
            &VistaEnVivo::extremo_provisional);
    connect(esquema_, &Esquema::arrastre_terminado, vista_en_vivo_, &VistaEnVivo::sin_provisional);
    connect(esquema_, &Esquema::extremo_movido, this, [this](Magnitud m, Fijo valor) {
        entrada_->poner_extremo(m, valor);
        borrar();
    });

    // A new sector, or a new band mode chosen, starts the graph over; comparing
    // curves, a step of the geometry or of the wavelength is told in the band's caption.
    connect(entrada_, &EntradaValores::paso_de_extremo, this, &VentanaPrincipal::borrar);
    connect(sector_, &SectorAmpliado::modo_cambiado, this, &VentanaPrincipal::borrar);
    connect(entrada_, &EntradaValores::comparando_geometria_por_paso, sector_,
            &SectorAmpliado::rotular_ultimo_ensayo);
    connect(entrada_, &EntradaValores::comparando_onda_por_paso, sector_,
            &SectorAmpliado::elegir_banda_unica_por_paso);

    // The read-outs of the data frame serve the pointer over the whole window.
    connect(sector_, &SectorAmpliado::puntero_en, grafica_, &Grafica::lectura_del_sector);
    connect(esquema_, &Esquema::puntero_fuera, grafica_, &Grafica::borrar_lecturas);
    connect(grafica_, &Grafica::seleccionado, this, &VentanaPrincipal::abrir_zoom);
    connect(ilustraciones_, &Ilustraciones::cerrada, this, [this] { habilitar_botones(true); });
    connect(lecciones_, &Lecciones::ampliar, this, &VentanaPrincipal::abrir_zoom);
    connect(documentacion_, &Documentacion::graficar_casos, lecciones_, &Lecciones::graficar_casos);
}

void VentanaPrincipal::cargar() {
    // The screen's free area first, for where nothing honours maximising (a
    // bare X server, some tiling managers).
    if (const QScreen* pantalla = screen()) {
        setGeometry(pantalla->availableGeometry());
    }
    setWindowState(windowState() | Qt::WindowMaximized);
    documentacion_->arrancar();
    parametros_.reemplazar(lecciones_->ajuste_de_inicio(parametros_de_inicio()));
    entrada_->mostrar_parametros();
    // A keyboard user starts typing at once, in the first box.
    entrada_->primera_caja()->setFocus(Qt::OtherFocusReason);
}

bool VentanaPrincipal::abrir_leccion(const QString& ruta) {
    return lecciones_->abrir(ruta);
}

void VentanaPrincipal::graficar() {
    const auto [seno_1, seno_2] = entrada_->senos();
    switch (objecion_al_graficar(seno_1, seno_2, parametros_.actuales())) {
    case Objecion::senos:
        mensaje(QStringLiteral("El valor mínimo del seno del ángulo debe ser menor que el máximo"));
        entrada_->restablecer_sector();
        return;
    case Objecion::distancia:
        mensaje(QStringLiteral("La distancia entre ranuras debe ser mayor que el ancho"));
        return;
    case Objecion::ninguna:
        trazar_curva();
        return;
    }
}

void VentanaPrincipal::trazar_curva() {
    const Curva c = curva_de(parametros_.actuales());
    if (lugar_de_curva(grafica_->curvas(), c) == 1) {
        borrar();
    }
    vista_en_vivo_->quitar(); // the case it showed is a curve now
    {
        RelojArena reloj;
        const Muestreo m = grafica_->agregar(c);
        const int k = static_cast<int>(grafica_->curvas().size());
        const bool solo_esta = entrada_->comparando_geometria();
        sector_->pintar(c, k, m.filas, solo_esta);
        lecciones_->al_trazar(solo_esta);
        documentacion_->documentar(c);
        entrada_->set_hay_curvas(true);
        informe_->set_hay_curvas(true);
    }
    // A failed log line is told once the plot is whole and the pointer is back.
    documentacion_->informar();
}

void VentanaPrincipal::borrar() {
    grafica_->borrar();
    sector_->borrar();
    entrada_->set_hay_curvas(false);
    informe_->set_hay_curvas(false);
}

void VentanaPrincipal::salir() {
    documentacion_->guardar_interruptor();
    QApplication::quit();
}

void VentanaPrincipal::abrir_zoom(const Seleccion& s) {
    if (!zoom_) {
        zoom_ = new VentanaZoom(this, diseno_->factor());
        zoom_->set_escala_en_grados(escala_en_grados_);
        connect(zoom_, &VentanaZoom::seleccion_movida, grafica_, &Grafica::mostrar_marco);
        connect(zoom_, &VentanaZoom::seleccion_movida, lecciones_, &Lecciones::al_ampliar);
        connect(zoom_, &VentanaZoom::puntero_en, grafica_, &Grafica::lectura_del_zoom);
        connect(zoom_, &VentanaZoom::desactivada, grafica_, [this] {
            grafica_->ocultar_marco();
            grafica_->borrar_lectura_seno();
        });
    }
    zoom_->abrir(grafica_->curvas(), grafica_->seno_min(), grafica_->seno_max(), s,
                 grafica_->zona_de_lectura());
}

void VentanaPrincipal::abrir_ilustracion(Ilustraciones::Cual cual) {
    banda_unica_previa_ = sector_->banda_unica();
    habilitar_botones(false);
    ilustraciones_->mostrar(cual);
}

void VentanaPrincipal::habilitar_botones(bool habilitados) {
    for (QPushButton* b : {boton_graficar_, boton_limpiar_, boton_salir_}) {
        b->setEnabled(habilitados);
    }
}

void VentanaPrincipal::restaurar_vista() {
    punto_restaurar_->hide();
    habilitar_botones(true);
    grafica_->restaurar();
    // The band mode held when a picture was last opened; a change clears the graph.
    sector_->elegir_modo(banda_unica_previa_);
}

void VentanaPrincipal::al_escalar(double factor) {
    for (PictureBox* p : findChildren<PictureBox*>()) {
        p->set_grosor(factor);
    }
    // Menus and message boxes grow with the window, like its own captions.
    const int pixeles = std::max(12, static_cast<int>(std::lround(11 * factor)));
    QFont letra = QApplication::font();
    if (letra.pixelSize() != pixeles) {
        letra.setPixelSize(pixeles);
        QApplication::setFont(letra);
    }
}

void VentanaPrincipal::closeEvent(QCloseEvent* e) {
    // Closing the window ends the program without saving the documentation switch.
    e->accept();
    QApplication::quit();
}
