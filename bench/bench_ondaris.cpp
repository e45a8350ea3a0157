// Timings of the program's hot paths, each as wall time and as the CPU time of
// the whole process (every thread). Run headless:
//   QT_QPA_PLATFORM=offscreen ./build-test/bin/ondaris_bench
#include "entry/entrada.h"
#include "main/ventana_principal.h"
#include "main/vista_en_vivo.h"
#include "model/curva.h"
#include "model/intens.h"
#include "model/muestreo.h"
#include "toolkit/mensaje.h"
#include "toolkit/picture_box.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <QAction>

#include <algorithm>
#include <array>
#include <chrono>
#include <vector>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>

namespace {

// The model over a million sines of the worst case, as the plot evaluates it:
// 256 at a time, on one core; vector-wide where the processor allows, or not.
void evaluar_millon(benchmark::State& estado, bool vectorial) {
    const bool antes = calculo_vectorial();
    set_calculo_vectorial(vectorial);
    const Red red(Fijo::desde(0.38), Fijo::desde(100), Fijo::desde(100), 500);
    std::array<double, 256> s{}, I{};
    for (auto _ : estado) {
        double suma = 0;
        for (int i = 0; i < 1000000; i += 256) {
            for (int j = 0; j < 256; ++j) {
                s[j] = -0.89 + 1.78 * (i + j) / 1e6;
            }
            red.evaluar(s.data(), I.data(), s.size());
            suma += I[0];
        }
        benchmark::DoNotOptimize(suma);
    }
    set_calculo_vectorial(antes);
}
void BM_modelo_millon(benchmark::State& estado) {
    evaluar_millon(estado, true);
}
void BM_modelo_millon_escalar(benchmark::State& estado) {
    evaluar_millon(estado, false);
}
BENCHMARK(BM_modelo_millon)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(BM_modelo_millon_escalar)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

// The one pass over the worst case's samples on every core (model, bins, band
// rows), without the painting: what "Graficar" spends before it draws.
void BM_muestrear_peor_caso(benchmark::State& estado) {
    Curva c;
    c.onda = Fijo::desde(0.38);
    c.ancho = Fijo::desde(100);
    c.distancia = Fijo::desde(100);
    c.ranuras = 500;
    c.inferior = Fijo::desde(-1.9519);
    c.superior = Fijo::desde(1.9519);
    const double s0 = c.seno_min(), s1 = c.seno_max();
    for (auto _ : estado) {
        benchmark::DoNotOptimize(muestrear(c, {s0, s1 - s0, 584}).curva.size());
    }
}
BENCHMARK(BM_muestrear_peor_caso)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

// The resident memory of the process, in megabytes.
double residente_mb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QList<QByteArray> campos = statm.readAll().split(' ');
    return campos.size() > 1 ? campos[1].toDouble() * 4096 / (1024 * 1024) : 0;
}

// A working folder with the start-up files of a case.
struct Carpeta {
    QTemporaryDir dir;
    explicit Carpeta(const char* inic) {
        QDir::setCurrent(dir.path());
        // The "Ver" choices of a fresh user, whatever this machine's user chose.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath("config"));
        QFile archivo(QStringLiteral("inic.dat"));
        archivo.open(QIODevice::WriteOnly);
        archivo.write(inic);
    }
};

const char* const caso_inicial = "-0.6, -2, 2\n0.6, -2, 2\n5, 1, 500\n2, 0.1, 100\n10, 1, 100\n"
                                 "0.55, 0.38, 0.78\n";
// N = 500, d = 100, L = 0.38 over the sines -0.89..0.89 (tangents 1.9519): about a
// million samples.
const char* const peor_caso = "-1.9519, -2, 2\n1.9519, -2, 2\n500, 1, 500\n100, 0.1, 100\n"
                              "100, 1, 100\n0.38, 0.38, 0.78\n";

void BM_carga_ventana_principal(benchmark::State& estado) {
    Carpeta carpeta(caso_inicial);
    for (auto _ : estado) {
        VentanaPrincipal v;
        v.cargar();
        benchmark::DoNotOptimize(v.parametros());
    }
}
BENCHMARK(BM_carga_ventana_principal)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

// The main window at 1920 x 1050 after its load step.
struct Ventana {
    Carpeta carpeta;
    VentanaPrincipal v;
    PictureBox* grafica;
    PictureBox* sector;
    QPushButton* graficar;
    QPushButton* limpiar;
    explicit Ventana(const char* inic) : carpeta(inic) {
        v.cargar();
        v.setWindowState(Qt::WindowNoState);
        v.resize(1920, 1050);
        v.show();
        QCoreApplication::processEvents();
        grafica = v.findChild<PictureBox*>(QStringLiteral("grafica"));
        sector = v.findChild<PictureBox*>(QStringLiteral("sector_ampliado"));
        graficar = v.findChild<QPushButton*>(QStringLiteral("boton_graficar"));
        limpiar = v.findChild<QPushButton*>(QStringLiteral("boton_limpiar"));
    }
    // Brings both persistent pictures up to date, as the next paint does (the
    // copy to the screen is left out: offscreen, it copies the whole window).
    void pintar() {
        benchmark::DoNotOptimize(grafica->imagen().constBits());
        benchmark::DoNotOptimize(sector->imagen().constBits());
    }
    // "Graficar", and a clearing every sixth curve outside the timing.
    void una_curva(benchmark::State& estado, int& curvas) {
        graficar->click();
        pintar();
        if (++curvas == 6) {
            estado.PauseTiming();
            limpiar->click();
            curvas = 0;
            estado.ResumeTiming();
        }
    }
    // "Ver → Vista en vivo" on.
    void en_vivo() {
        v.findChild<QAction*>(QStringLiteral("accion_vista_en_vivo"))->setChecked(true);
        QCoreApplication::processEvents();
    }
    long long previas() const { return v.findChild<VistaEnVivo*>()->dibujadas(); }
    void seis_curvas() {
        for (int k = 0; k < 6; ++k) {
            graficar->click();
        }
        pintar();
    }
};

void BM_graficar_caso_inicial(benchmark::State& estado) {
    Ventana v(caso_inicial);
    int curvas = 0;
    for (auto _ : estado) {
        v.una_curva(estado, curvas);
    }
}
BENCHMARK(BM_graficar_caso_inicial)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

void BM_graficar_peor_caso(benchmark::State& estado) {
    Ventana v(peor_caso);
    int curvas = 0;
    for (auto _ : estado) {
        v.una_curva(estado, curvas);
    }
    // What bench/comparar draws the same curve with.
    const Curva c = curva_de(v.v.parametros());
    estado.counters["muestras"] = double(Rejilla(c, c.seno_min(), c.seno_max()).muestras());
    estado.counters["ancho_px"] = v.grafica->tamano_pixeles().width();
    estado.counters["alto_px"] = v.grafica->tamano_pixeles().height();
}
BENCHMARK(BM_graficar_peor_caso)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

void enviar_a(QWidget* w, QEvent::Type tipo, QPointF en, Qt::MouseButtons botones) {
    const Qt::MouseButton boton = tipo == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(tipo, en, w->mapToGlobal(en), boton, botones, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Milliseconds from `desde`, and the 99th percentile of a list of them.
double ms_desde(std::chrono::steady_clock::time_point desde) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - desde)
        .count();
}
double percentil_99(std::vector<double> t) {
    if (t.empty()) {
        return 0;
    }
    const auto k = static_cast<std::ptrdiff_t>(0.99 * double(t.size() - 1));
    std::nth_element(t.begin(), t.begin() + k, t.end());
    return t[static_cast<std::size_t>(k)];
}

// The live view of the worst case: a step of N (500 and 499 by turns) to the
// preview painted over the graph and the sector.
void BM_vista_previa_peor_caso(benchmark::State& estado) {
    Ventana v(peor_caso);
    v.en_vivo();
    // The pause a step makes for the eye is not the program's work.
    v.v.findChild<EntradaValores*>()->set_pausa(std::chrono::milliseconds(0));
    const long long antes = v.previas();
    QWidget* bajar = v.v.findChild<QWidget*>(QStringLiteral("bajar_ranuras"));
    QWidget* subir = v.v.findChild<QWidget*>(QStringLiteral("subir_ranuras"));
    const QPointF centro = QRectF(bajar->rect()).center();
    std::vector<double> tiempos;
    bool abajo = true;
    for (auto _ : estado) {
        const auto inicio = std::chrono::steady_clock::now();
        QWidget* boton = abajo ? bajar : subir;
        abajo = !abajo;
        enviar_a(boton, QEvent::MouseButtonPress, centro, Qt::LeftButton);
        enviar_a(boton, QEvent::MouseButtonRelease, centro, Qt::NoButton);
        QCoreApplication::processEvents(); // the preview's turn
        v.grafica->repaint();
        v.sector->repaint();
        tiempos.push_back(ms_desde(inicio));
    }
    estado.counters["p99_ms"] = percentil_99(tiempos);
    estado.counters["previas"] = double(v.previas() - antes);
}
BENCHMARK(BM_vista_previa_peor_caso)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

// The upper marker dragged up and down the strip over six worst-case curves
// with the live view on: each pointer event to its preview painted.
void BM_arrastre_con_vista_previa(benchmark::State& estado) {
    Ventana v(peor_caso);
    v.seis_curvas();
    v.en_vivo();
    QWidget* marcador = v.v.findChild<QWidget*>(QStringLiteral("marcador_superior"));
    // Held over the strip, where a drop sets the end.
    const QPointF agarre(marcador->width() * 0.25, marcador->height() * 0.5);
    enviar_a(marcador, QEvent::MouseButtonPress, agarre, Qt::LeftButton);
    const long long antes = v.previas();
    std::vector<double> tiempos;
    int i = 0;
    for (auto _ : estado) {
        const auto inicio = std::chrono::steady_clock::now();
        // Down the strip by a few pixels at a time, back up, again.
        const int paso = i % 80 < 40 ? i % 40 : 40 - i % 40;
        ++i;
        enviar_a(marcador, QEvent::MouseMove, agarre + QPointF(0, 6 + 3 * paso), Qt::LeftButton);
        QCoreApplication::processEvents();
        v.grafica->repaint();
        v.sector->repaint();
        tiempos.push_back(ms_desde(inicio));
    }
    estado.counters["p99_ms"] = percentil_99(tiempos);
    estado.counters["previas"] = double(v.previas() - antes);
    enviar_a(marcador, QEvent::MouseButtonRelease, agarre, Qt::NoButton);
}
BENCHMARK(BM_arrastre_con_vista_previa)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

// A resize with six worst-case curves on the graph repaints the whole picture.
void redimensionar(benchmark::State& estado, bool con_curvas) {
    Ventana v(peor_caso);
    if (con_curvas) {
        v.seis_curvas();
    }
    bool grande = false;
    for (auto _ : estado) {
        grande = !grande;
        v.v.resize(grande ? 1900 : 1920, grande ? 1040 : 1050);
        QCoreApplication::sendPostedEvents();
        v.v.repaint();
    }
    estado.counters["residente_MB"] = residente_mb();
}
void BM_redimensionar_seis_peores_curvas(benchmark::State& estado) {
    redimensionar(estado, true);
}
// The same resize of the empty window: what the widgets and the copy to the
// screen cost by themselves.
void BM_redimensionar_sin_curvas(benchmark::State& estado) {
    redimensionar(estado, false);
}
BENCHMARK(BM_redimensionar_sin_curvas)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
BENCHMARK(BM_redimensionar_seis_peores_curvas)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

// A pointer move over the graph with six worst-case curves on it: the read-outs
// and the repaint of the graph and of both labels, without and with a rubber
// band being dragged (the band is painted over the cached picture).
void mover_sobre_grafica(benchmark::State& estado, bool con_banda) {
    Ventana v(peor_caso);
    v.seis_curvas();
    PictureBox* p = v.grafica;
    auto* seno = v.v.findChild<QLabel*>(QStringLiteral("lectura_seno"));
    auto* intensidad = v.v.findChild<QLabel*>(QStringLiteral("lectura_intensidad"));
    const QPointF a(p->width() * 0.3, p->height() * 0.3);
    if (con_banda) {
        enviar_a(p, QEvent::MouseButtonPress, a, Qt::LeftButton);
    }
    int i = 0;
    for (auto _ : estado) {
        const QPointF b(p->width() * (0.5 + 0.001 * (i % 100)), p->height() * 0.6);
        ++i;
        enviar_a(p, QEvent::MouseMove, b, con_banda ? Qt::LeftButton : Qt::NoButton);
        p->repaint();
        seno->repaint();
        intensidad->repaint();
    }
    set_manejador_modal([](QWidget*) {});
    enviar_a(p, QEvent::MouseButtonRelease, a, Qt::NoButton);
    set_manejador_modal(nullptr);
}

void BM_puntero_sobre_seis_peores_curvas(benchmark::State& estado) {
    mover_sobre_grafica(estado, false);
}
BENCHMARK(BM_puntero_sobre_seis_peores_curvas)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

void BM_banda_sobre_seis_peores_curvas(benchmark::State& estado) {
    mover_sobre_grafica(estado, true);
}
BENCHMARK(BM_banda_sobre_seis_peores_curvas)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

// The zoom window's drawing of six worst-case curves over a selection, painted:
// the magnifier that brings the selection's range back draws it all again.
void BM_zoom_seis_peores_curvas(benchmark::State& estado) {
    Ventana v(peor_caso);
    v.seis_curvas();
    set_manejador_modal([&](QWidget* w) {
        auto* dibujo = w->findChild<PictureBox*>(QStringLiteral("dibujo"));
        auto* acercar = w->findChild<PictureBox*>(QStringLiteral("lupa_acercar"));
        QCoreApplication::processEvents();
        const QPointF centro = QRectF(acercar->rect()).center();
        for (auto _ : estado) {
            enviar_a(acercar, QEvent::MouseButtonPress, centro, Qt::LeftButton);
            enviar_a(acercar, QEvent::MouseButtonRelease, centro, Qt::NoButton);
            dibujo->repaint();
        }
    });
    PictureBox* p = v.grafica;
    const QPointF desde = p->a_pixel({-0.01, 10000}), hasta = p->a_pixel({0.01, 200000});
    enviar_a(p, QEvent::MouseButtonPress, desde, Qt::LeftButton);
    enviar_a(p, QEvent::MouseMove, hasta, Qt::LeftButton);
    enviar_a(p, QEvent::MouseButtonRelease, hasta, Qt::NoButton);
    set_manejador_modal(nullptr);
}
BENCHMARK(BM_zoom_seis_peores_curvas)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    set_contestador([](const QString&) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
