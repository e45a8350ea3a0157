// Timings of the program's hot paths. Run headless:
//   QT_QPA_PLATFORM=offscreen ./build/bin/ondaris_bench
#include "main/form1.h"
#include "model/intens.h"
#include "toolkit/mensaje.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

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
