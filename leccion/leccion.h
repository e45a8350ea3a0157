#pragma once

// leccion/: a lesson file (".ondaris"): the values of the window, its limits,
// the sector, the band mode, the curves in order, the zoomed range and a
// measured pattern, saved and read back.
//
// The file is UTF-8 JSON a person can read and edit; lengths in micrometres,
// the sector's ends as positions on the screen (tangents), every number with
// "." as decimal mark:
//
//   {
//     "formato": "ondaris-leccion",
//     "version": 1,
//     "parametros": {                       every quantity, each as
//       "inferior": {"valor": -0.6, "minimo": -2, "maximo": 2},
//       "superior": ..., "ranuras": ..., "ancho": ..., "distancia": ..., "onda": ...
//     },
//     "bandas": "unica",                    or "separadas"
//     "curvas": [                           0 to 6, in the order they were plotted
//       {"onda": 0.55, "ancho": 2, "distancia": 10, "ranuras": 5,
//        "color": "#00ff00", "inferior": -0.6, "superior": 0.6,
//        "banda_sola": false}               its bands replaced the single band
//     ],
//     "zoom": {"x_ini": -0.1, "y_ini": 0, "x_fin": 0.1, "y_fin": 25},  optional
//     "medicion": {"origen": "sensor.csv", "senos": [...],           optional: a
//                  "intensidades": [...], "libre": "L",              measured profile
//                  "ancho_libre": true}                              (medicion/medida.h)
//   }
//
// Keys the reader does not know are left alone, so that a later version may
// add one that this one skips; a version number above `version_leccion` is
// refused, since its meaning may have changed.

#include "grafica/seleccion.h"
#include "medicion/medida.h"
#include "model/curva.h"
#include "model/parametros.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

inline constexpr int version_leccion = 1;
inline constexpr int curvas_por_leccion = 6;
// A lesson holds some hundred lines; a measured profile may add a few thousand.
inline constexpr qint64 tope_leccion = 8 * 1024 * 1024;
inline const QString extension_leccion = QStringLiteral("ondaris");

struct CurvaLeccion {
    Curva curva;
    // Painted while the geometry was compared: its bands started from black.
    bool banda_sola = false;
    bool operator==(const CurvaLeccion& o) const;
};

struct Leccion {
    Parametros parametros;
    bool banda_unica = true;
    std::vector<CurvaLeccion> curvas;
    std::optional<Seleccion> zoom; // the zoomed range of the graph, when open
    std::optional<DatosMedicion> medicion = std::nullopt; // a measured pattern held against them
    bool operator==(const Leccion& o) const;
};

QByteArray escribir_leccion(const Leccion& l);

// On success `error` is empty; otherwise it says in Spanish why the bytes are
// no lesson this program can open ("está cortada...", "tiene 7 curvas...").
struct LecturaLeccion {
    Leccion leccion;
    QString error;
};
LecturaLeccion leer_leccion(const QByteArray& bytes);
// The lesson in file `ruta`; an error is the whole message, with the file's name.
LecturaLeccion abrir_leccion(const QString& ruta);
