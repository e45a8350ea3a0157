"""The worst case drawn by numpy + matplotlib and by gnuplot, timed against Ondaris.

Usage: comparar.py <ondaris_bench JSON> <folder for the PNGs and the samples>
"""
import json
import os
import statistics
import subprocess
import sys
import time

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402

N, A, D, L = 500, 100.0, 100.0, 0.38
SENO = 0.89
REPETICIONES = 7


def intensidad(s):
    """Relative intensity of N slits of width A, D apart, at the sines s."""
    beta = np.pi * A * s / L
    gamma = np.pi * D * s / L
    with np.errstate(divide="ignore", invalid="ignore"):
        difraccion = np.where(beta == 0, 1.0, np.sin(beta) / beta) ** 2
        seno_gamma = np.sin(gamma)
        red = np.where(np.abs(seno_gamma) < 1e-12, float(N), np.sin(N * gamma) / seno_gamma) ** 2
    return difraccion * red


def graficar(muestras, ancho, alto, png):
    """Samples, model and a one-pixel curve on a white picture of the graph's size."""
    s = np.linspace(-SENO, SENO, muestras)
    y = intensidad(s)
    fig = plt.figure(figsize=(ancho / 100, alto / 100), dpi=100)
    ejes = fig.add_axes([0, 0, 1, 1])
    ejes.set_axis_off()
    ejes.set_xlim(-SENO, SENO)
    ejes.set_ylim(0, N * N / 0.98)
    ejes.plot(s, y, linewidth=0.72, color="#7000ff", antialiased=False)
    fig.savefig(png, dpi=100)
    plt.close(fig)


def gnuplot(datos, ancho, alto, png):
    """The same samples, read from a binary file, drawn by gnuplot to a PNG."""
    orden = (
        f"set terminal pngcairo size {ancho},{alto}; set output '{png}'; "
        "unset border; unset tics; unset key; set margins 0,0,0,0; "
        f"set xrange [{-SENO}:{SENO}]; set yrange [0:{N * N / 0.98}]; "
        f"plot '{datos}' binary format='%float64%float64' with lines lc rgb '#7000ff' notitle"
    )
    subprocess.run(["gnuplot", "-e", orden], check=True)


def mediana_ms(accion):
    accion()  # warm-up: imports, fonts, caches
    tiempos = []
    for _ in range(REPETICIONES):
        inicio = time.perf_counter()
        accion()
        tiempos.append((time.perf_counter() - inicio) * 1000)
    return statistics.median(tiempos)


def main():
    with open(sys.argv[1]) as f:
        corridas = [b for b in json.load(f)["benchmarks"] if b.get("run_type") == "iteration"]

    def de(nombre):
        return [b for b in corridas if b["name"].startswith(nombre + "/")]

    plot = de("BM_graficar_peor_caso")
    ondaris_ms = statistics.median(b["real_time"] for b in plot)
    cpu_ms = statistics.median(b["cpu_time"] for b in plot)
    muestras = int(plot[0]["muestras"])
    ancho, alto = int(plot[0]["ancho_px"]), int(plot[0]["alto_px"])
    carpeta = sys.argv[2]

    python_ms = mediana_ms(
        lambda: graficar(muestras, ancho, alto, os.path.join(carpeta, "matplotlib.png")))
    s = np.linspace(-SENO, SENO, muestras)
    datos = os.path.join(carpeta, "muestras.bin")
    np.column_stack((s, intensidad(s))).astype(np.float64).tofile(datos)
    gnuplot_ms = mediana_ms(
        lambda: gnuplot(datos, ancho, alto, os.path.join(carpeta, "gnuplot.png")))

    print(f"Worst case: {muestras} samples on a {ancho} x {alto} graph")
    print(f"Ondaris, Graficar to painted:     {ondaris_ms:7.2f} ms wall, {cpu_ms:.2f} ms CPU")
    for nombre, texto in (("BM_vista_previa_peor_caso", "Ondaris, live preview of a step:"),
                          ("BM_arrastre_con_vista_previa", "Ondaris, marker drag, 6 curves: ")):
        if de(nombre):
            medio = statistics.median(b["real_time"] for b in de(nombre))
            p99 = max(b["p99_ms"] for b in de(nombre))
            print(f"{texto} {medio:7.2f} ms wall, 99th percentile {p99:.2f} ms")
    print(f"numpy + matplotlib to PNG:        {python_ms:7.2f} ms wall")
    print(f"gnuplot (pngcairo) to PNG:        {gnuplot_ms:7.2f} ms wall, samples already on disk")
    print(f"Ondaris is {python_ms / ondaris_ms:.1f} times faster than numpy + matplotlib "
          f"and {gnuplot_ms / ondaris_ms:.1f} times faster than gnuplot")


if __name__ == "__main__":
    main()
