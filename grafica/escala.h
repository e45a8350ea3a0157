#pragma once

#include <QString>

#include <vector>

class PictureBox;

// A number of an axis and where it stands, as a sine of the deviation angle.
struct MarcaEje {
    double seno;
    QString texto;
};

// Round sines of [s0, s1] and their texts, about one for every 80 pixels of a
// graph `ancho` pixels wide; the user's decimal mark, ASCII digits.
std::vector<MarcaEje> marcas_de_senos(double s0, double s1, int ancho);
// Round deviation angles of the same range, in degrees ("15°"), at their sines.
std::vector<MarcaEje> marcas_de_grados(double s0, double s1, int ancho);

// The sine numbers along the box's lower edge, and the angles along its top if
// `grados`, over the sine range [s0, s1] that spans the box. Drawn into the box
// now (in its layer, between `empezar_capa` and `terminar_capa`, as the graph
// and the zoom do, so that no picture copied takes them); the box's scale is
// left as it was.
void dibujar_escala(PictureBox& caja, double s0, double s1, bool grados);
// The height of the row of numbers along an edge, in pixels of the box.
int alto_fila_escala(const PictureBox& caja);
