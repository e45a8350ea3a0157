"""The worst case drawn by numpy + matplotlib, timed against Ondaris's figure.

Usage: comparar.py <ondaris_bench JSON> <PNG to write>
"""
import json
import statistics
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


def main():
    with open(sys.argv[1]) as f:
        corridas = [b for b in json.load(f)["benchmarks"] if b.get("run_type") == "iteration"]
    ondaris_ms = statistics.median(b["real_time"] for b in corridas)
    cpu_ms = statistics.median(b["cpu_time"] for b in corridas)
    muestras = int(corridas[0]["muestras"])
    ancho, alto = int(corridas[0]["ancho_px"]), int(corridas[0]["alto_px"])

    graficar(muestras, ancho, alto, sys.argv[2])  # warm-up: imports, fonts, caches
    tiempos = []
    for _ in range(REPETICIONES):
        inicio = time.perf_counter()
        graficar(muestras, ancho, alto, sys.argv[2])
        tiempos.append((time.perf_counter() - inicio) * 1000)
    python_ms = statistics.median(tiempos)

    print(f"Worst case: {muestras} samples on a {ancho} x {alto} graph")
    print(f"Ondaris, Graficar to painted:   {ondaris_ms:7.2f} ms wall, {cpu_ms:.2f} ms CPU")
    print(f"numpy + matplotlib to PNG:      {python_ms:7.2f} ms wall")
    print(f"Ondaris is {python_ms / ondaris_ms:.1f} times faster")


if __name__ == "__main__":
    main()
