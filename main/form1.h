#pragma once

#include "entry/reglas_paso.h"
#include "main/globales.h"
#include "model/color.h"
#include "model/fijo.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <array>
#include <chrono>
#include <cstdint>

class BotonSpin;
class CajaValor;
class Diseno;
class Forma;
class FormZoom;
class Marcador;
class Modelo2;
class PictureBox;
class QAbstractButton;
class QAction;
class QFile;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class Trazas;

// The main window: the whole state of a session and every control under its
// designed name. Its members are defined in the folder of the subsystem that
// owns them: start-up, validation and the graph in main/, colour, screen, bands
// and pointer in screen/, spin buttons and value boxes in entry/, documentation
// in session/, help, pictures and clipboard in windows/.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    Globales g;

    // ---- State of the main window ----
    std::array<Fijo, 8> minimo{};
    std::array<Fijo, 8> maximo{};
    std::array<std::int16_t, 2001> rojo{};
    std::array<std::int16_t, 2001> verde{};
    std::array<std::int16_t, 2001> azul{};
    bool graficado = false;
    bool cambio_spin = false;
    double color_r = 0;
    double color_g = 0;
    Fijo color_b;
    bool banda_unica_previa = false;
    bool arrastrando = false;
    std::uint8_t modo_seleccion = 0;
    QString datos;
    Color color_texto = 0;
    Color color_fondo = 0;
    std::uint8_t indice_valor = 0;
    Fijo sup_anterior;
    Fijo inf_anterior;
    int lineas_dibujadas = 0;
    // The hidden file list: the "*.log" files of the working folder at start-up.
    QStringList File1;

    // ---- Controls ----
    PictureBox* superficie = nullptr; // the window's own drawing: emitter, rays, lines
    QLineEdit* Text1 = nullptr;       // "EMISOR"
    Forma* Shape7 = nullptr;          // the grating
    PictureBox* Picture1 = nullptr;   // intensity graph
    PictureBox* Picture2 = nullptr;   // enlarged screen sector
    PictureBox* Picture3 = nullptr;   // screen strip
    PictureBox* Picture4 = nullptr;   // magnifier button
    PictureBox* Picture5 = nullptr;   // overlay picture
    PictureBox* Image1 = nullptr;     // restore spot
    Marcador* sup = nullptr;
    Marcador* inf = nullptr;
    Forma* Shape11 = nullptr; // mask above the sector
    Forma* Shape12 = nullptr; // mask below the sector
    Forma* cajazoom = nullptr;
    std::array<Forma*, 7> Shape1{}; // 1..6, beside List1
    std::array<Forma*, 7> Shape6{}; // 1..6, under Picture2
    QGroupBox* Frame1 = nullptr;
    std::array<CajaValor*, 7> ValorT{}; // 1..6
    std::array<BotonSpin*, 7> SpinUp{}; // 1..6
    std::array<BotonSpin*, 7> SpinDown{};
    BotonSpin* SpinUp1 = nullptr;
    BotonSpin* SpinDown1 = nullptr;
    BotonSpin* SpinUp2 = nullptr;
    BotonSpin* SpinDown2 = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    QPushButton* Command1 = nullptr; // "Graficar"
    QPushButton* Command2 = nullptr; // "Limpiar"
    QPushButton* Command3 = nullptr; // "Salir"
    QListWidget* List1 = nullptr;
    QLabel* Label7 = nullptr;  // "Intensidad :"
    QLabel* Label8 = nullptr;  // sine read-out
    QLabel* Label9 = nullptr;  // intensity read-out
    QLabel* Label15 = nullptr; // "Seleccione "

    QMenu* menu_archivo = nullptr;
    QAction* menu_traza = nullptr;
    QAction* menu_abrir = nullptr;
    QAction* menu_salir = nullptr;
    QMenu* menu_edicion = nullptr;
    QAction* menu_copiar_patron = nullptr;
    QAction* menu_copiar_grafica = nullptr;
    QAction* menu_copiar_datos = nullptr;
    QMenu* menu_separacion = nullptr; // "Ver"
    QAction* menu_paleta = nullptr;
    QAction* menu_imagen1 = nullptr;
    QAction* menu_imagen2 = nullptr;
    QAction* menu_modelo = nullptr;
    QMenu* menu_ayuda = nullptr;
    QAction* menu_general = nullptr;
    QAction* menu_unidades = nullptr;
    QAction* separador = nullptr;
    QAction* menu_acerca = nullptr;

    Diseno* diseno = nullptr;
    // Rows of List1 are as tall as the pitch of the colour squares beside them (twips).
    static constexpr double alto_fila_intensidad = 240;

    // ---- Start-up, validation, graph (main/) ----
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void grafic2();
    void lineas(Color c);
    static double lininf(double Y);
    static double linsup(double Y);
    // Marker tops and masks are placed in the strip's own coordinates.
    void mover_marcador(Marcador* m, float top);

    // ---- Colour, screen, bands, clearing, pointer (screen/) ----
    void obtener_rgb();
    void rayos(Color c);
    void pantalla(Fijo arriba, Fijo abajo);
    void pintar_bandas(const std::array<double, 1001>& tabla_max);
    void colorear_cuadros();
    void borrar();
    void Option1_Click(int Index);
    void Picture1_MouseDown(double X, double Y);
    void Picture1_MouseMove(double X, double Y);
    void Picture1_MouseUp();
    void Picture2_MouseMove(double X, double Y);
    void Picture3_DragDrop(Marcador* fuente, double Y);
    void Form_MouseMove();
    void Picture4_Click();
    void Image1_Click();
    FormZoom* zoom();
    // `cajazoom` over the selection (`x_ini`..`y_fin`) in the graph's coordinates.
    void colocar_cajazoom();
    // `Label9`: the intensity at `seno` for the current parameter set, times a².
    void mostrar_intensidad(double seno);

    // ---- Spin buttons and value boxes (entry/) ----
    void SpinUp_Click(int Index);
    void SpinDown_Click(int Index);
    void SpinUp1_Click();
    void SpinDown1_Click();
    void SpinUp2_Click();
    void SpinDown2_Click();
    void ValorT_MouseDown(int Index);
    void ValorT_KeyPress(int Index);
    void ValorT_KeyUp(int Index);
    void ValorT_LostFocus(int Index);
    void ValorT_Change(int Index);
    // How long a spin click keeps its press mark and holds the window; tests shorten it.
    std::chrono::milliseconds pausa_spin{100};

private:
    // One spin click on `b` for quantity `Index`; `fino` is the fixed step of the
    // fine wavelength buttons, otherwise the step rule of the quantity applies.
    void pulsar(BotonSpin* b, int Index, Sentido sentido, std::optional<Fijo> fino);
    void aplicar_paso(int Index, Fijo n);
    void bloquear_onda();
    void bloquear_geometria(bool mayuscula);
    void colores_caja(int Index, Color fondo, Color texto);
    bool caja_seleccionada(int Index) const;
    void seguir_limites();
    // A rejected exit is under way: the focus moves it makes are not exits.
    bool rechazando_ = false;

public:
    // ---- Session documentation (session/) ----
    void contar_archivos();
    void restaurar_traza();
    void inicializar();
    void documentar();
    void menu_traza_Click();
    void menu_abrir_Click();
    void menu_salir_Click();

private:
    // Appends `texto` to the open documentation file and hands it to the system
    // at once; on failure tells the user and switches documentation off.
    bool escribir_documento(const QString& texto);
    void documento_fallido(const QString& nombre, const QString& accion, const QString& motivo);
    void marcar_traza(bool marcado);
    QPointer<QFile> documento_;
    QPointer<Trazas> trazas_;
    // The check mark as this program last set it: Qt toggles the action itself
    // before its handler runs.
    bool traza_marcada_ = false;

public:
    // ---- Help, pictures, clipboard (windows/) ----
    void menu_general_Click();
    void menu_unidades_Click();
    void menu_acerca_Click();
    void menu_paleta_Click();
    void menu_imagen1_Click();
    void menu_imagen2_Click();
    void menu_modelo_Click();
    void paleta();
    void foto_numero(int i);
    void Picture5_Click();
    void menu_copiar_patron_Click();
    void menu_copiar_grafica_Click();
    void menu_copiar_datos_Click();
    // The model window, made on its first showing (null until then).
    Modelo2* modelo2() const;

    // Caption colour of a button, as a classic colour number (255 pure red, 1 near black).
    static void set_color_texto(QAbstractButton* b, Color c);
    static Color color_texto_de(const QAbstractButton* b);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void crear_controles();
    void crear_menus();
    void conectar();
    void conectar_puntero();

    QPointer<FormZoom> form_zoom_;

    // windows/: the overlay pictures and the model window.
    void abrir_ilustracion(int cual);
    bool cargar_ilustracion(const QString& archivo);
    QString ilustracion_fallida_;
    QPointer<Modelo2> modelo2_;
};
