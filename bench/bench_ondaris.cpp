// Timings of the program's hot paths. Run headless:
//   QT_QPA_PLATFORM=offscreen ./build/bin/ondaris_bench
#include "main/form1.h"
#include "model/intens.h"
#include "toolkit/mensaje.h"
#include "toolkit/picture_box.h"
#include "zoom/form_zoom.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>

namespace {

void BM_Intens_millon(benchmark::State& estado) {
    const Fijo L = Fijo::desde(0.38), a = Fijo::desde(100), d = Fijo::desde(100), N = 500;
    for (auto _ : estado) {
        double suma = 0;
        for (int i = 0; i < 1000000; ++i) {
            suma += Intens(L, a, d, N, -0.89 + 1.78 * i / 1e6);
        }
        benchmark::DoNotOptimize(suma);
    }
}
BENCHMARK(BM_Intens_millon)->Unit(benchmark::kMillisecond);

// A working folder with the shipped start-up files.
struct Carpeta {
    QTemporaryDir dir;
    Carpeta() {
        QDir::setCurrent(dir.path());
        QFile inic(QStringLiteral("inic.dat"));
        inic.open(QIODevice::WriteOnly);
        inic.write("-0.6, -2, 2\n0.6, -2, 2\n5, 1, 500\n2, 0.1, 100\n10, 1, 100\n"
                   "0.55, 0.38, 0.78\n");
    }
};

void BM_carga_ventana_principal(benchmark::State& estado) {
    Carpeta carpeta;
    for (auto _ : estado) {
        Form1 f;
        f.Form_Load();
        benchmark::DoNotOptimize(f.g.valor[6]);
    }
}
BENCHMARK(BM_carga_ventana_principal)->Unit(benchmark::kMillisecond);

// The main window maximised at 1920 x 1080, after its load step.
struct Ventana {
    Carpeta carpeta;
    Form1 f;
    Ventana() {
        f.Form_Load();
        f.setWindowState(Qt::WindowNoState);
        f.resize(1920, 1050);
        f.show();
        QCoreApplication::processEvents();
    }
    // N = 500, d = 100, L = 0.38 over the sine range -0.89..0.89: about a million samples.
    void peor_caso() {
        const double t = 0.89 / std::sqrt(1 - 0.89 * 0.89);
        f.g.valor[1] = Fijo::desde(-t);
        f.g.valor[2] = Fijo::desde(t);
        f.g.valor[3] = 500;
        f.g.valor[4] = Fijo::desde(100);
        f.g.valor[5] = Fijo::desde(100);
        f.g.valor[6] = Fijo::desde(0.38);
    }
    // Brings both persistent pictures up to date, as the next paint does (the
    // copy to the screen is left out: offscreen, it copies the whole window).
    void pintar() {
        benchmark::DoNotOptimize(f.Picture1->imagen().constBits());
        benchmark::DoNotOptimize(f.Picture2->imagen().constBits());
    }
};

void BM_graficar_caso_inicial(benchmark::State& estado) {
    Ventana v;
    for (auto _ : estado) {
        v.f.grafic2();
        v.pintar();
        if (v.f.g.ncurvas == 6) {
            v.f.borrar();
        }
    }
}
BENCHMARK(BM_graficar_caso_inicial)->Unit(benchmark::kMillisecond);

void BM_graficar_peor_caso(benchmark::State& estado) {
    Ventana v;
    v.peor_caso();
    for (auto _ : estado) {
        v.f.grafic2();
        v.pintar();
        if (v.f.g.ncurvas == 6) {
            v.f.borrar();
        }
    }
}
BENCHMARK(BM_graficar_peor_caso)->Unit(benchmark::kMillisecond);

// A resize with six worst-case curves on the graph repaints the whole picture.
void BM_redimensionar_seis_peores_curvas(benchmark::State& estado) {
    Ventana v;
    v.peor_caso();
    for (int k = 0; k < 6; ++k) {
        v.f.grafic2();
    }
    v.pintar();
    bool grande = false;
    for (auto _ : estado) {
        grande = !grande;
        v.f.resize(grande ? 1900 : 1920, grande ? 1040 : 1050);
        QCoreApplication::sendPostedEvents();
        v.f.repaint();
    }
}
BENCHMARK(BM_redimensionar_seis_peores_curvas)->Unit(benchmark::kMillisecond);

// A pointer move over the graph with six worst-case curves on it: the read-outs
// and the repaint of the graph and of both labels, without and with a rubber
// band being dragged (the band is painted over the cached picture).
void mover_sobre_grafica(benchmark::State& estado, bool con_banda) {
    Ventana v;
    v.peor_caso();
    for (int k = 0; k < 6; ++k) {
        v.f.grafic2();
    }
    v.pintar();
    PictureBox* p = v.f.Picture1;
    const QPointF a(p->width() * 0.3, p->height() * 0.3);
    if (con_banda) {
        QMouseEvent presion(QEvent::MouseButtonPress, a, p->mapToGlobal(a), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(p, &presion);
    }
    const Qt::MouseButtons botones = con_banda ? Qt::LeftButton : Qt::NoButton;
    int i = 0;
    for (auto _ : estado) {
        const QPointF b(p->width() * (0.5 + 0.001 * (i % 100)), p->height() * 0.6);
        ++i;
        QMouseEvent e(QEvent::MouseMove, b, p->mapToGlobal(b), Qt::NoButton, botones,
                      Qt::NoModifier);
        QApplication::sendEvent(p, &e);
        p->repaint();
        v.f.Label8->repaint();
        v.f.Label9->repaint();
    }
    set_manejador_modal([](QWidget*) {});
    v.f.Picture1_MouseUp();
    set_manejador_modal(nullptr);
}

void BM_puntero_sobre_seis_peores_curvas(benchmark::State& estado) {
    mover_sobre_grafica(estado, false);
}
BENCHMARK(BM_puntero_sobre_seis_peores_curvas)->Unit(benchmark::kMicrosecond);

void BM_banda_sobre_seis_peores_curvas(benchmark::State& estado) {
    mover_sobre_grafica(estado, true);
}
BENCHMARK(BM_banda_sobre_seis_peores_curvas)->Unit(benchmark::kMicrosecond);

// The zoom window's drawing of six worst-case curves over a selection, painted.
void BM_zoom_seis_peores_curvas(benchmark::State& estado) {
    Ventana v;
    v.peor_caso();
    for (int k = 0; k < 6; ++k) {
        v.f.grafic2();
    }
    v.f.g.valor[6] = Fijo::desde(0.38);
    set_manejador_modal([&](QWidget* w) {
        auto* z = qobject_cast<FormZoom*>(w);
        QCoreApplication::processEvents();
        for (auto _ : estado) {
            z->Picture1->limpiar();
            z->Form_Activate();
            z->Picture1->repaint();
        }
    });
    v.f.Picture1_MouseDown(-0.01, 10000);
    v.f.Picture1_MouseMove(0.01, 200000);
    v.f.Picture1_MouseUp();
    set_manejador_modal(nullptr);
}
BENCHMARK(BM_zoom_seis_peores_curvas)->Unit(benchmark::kMicrosecond);

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
