#include "session/visor_sesiones.h"

#include "session/archivos.h"
#include "session/formato.h"
#include "toolkit/diseno.h"
#include "toolkit/lectura.h"
#include "toolkit/mensaje.h"
#include "toolkit/portapapeles.h"
#include "toolkit/texto.h"

#include <QDir>
#include <QFontDatabase>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextBlock>
#include <QTextDocument>

#include <cmath>

namespace {
// Designed client area in twips.
constexpr double ancho_diseno = 7290;
constexpr double alto_diseno = 3960;

// A button whose caption wraps onto a second line when it does not fit, as
// "Copiar  al Portapapeles" must in its designed size.
class BotonLineas : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter p(this);
        QStyleOptionButton o;
        initStyleOption(&o);
        o.text.clear();
        p.drawControl(QStyle::CE_PushButton, o);
        p.setPen(palette().color(QPalette::ButtonText));
        p.drawText(rect().adjusted(3, 2, -3, -2), Qt::AlignCenter | Qt::TextWordWrap, text());
    }
};
} // namespace

VisorSesiones::VisorSesiones(QWidget* padre)
    : QDialog(padre, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::CustomizeWindowHint) {
    setWindowTitle(QStringLiteral("Archivos de Sesiones Realizadas"));
    setAttribute(Qt::WA_DeleteOnClose);
    const double factor = factor_de_ventana(padre);
    resize(static_cast<int>(std::lround(ancho_diseno / 15 * factor)),
           static_cast<int>(std::lround(alto_diseno / 15 * factor)));
    auto* d = new Diseno(this, ancho_diseno, alto_diseno);

    archivos_ = new QListWidget(this);
    archivos_->setObjectName(QStringLiteral("archivos"));
    archivos_->setSelectionMode(QAbstractItemView::SingleSelection);
    archivos_->setAccessibleName(QStringLiteral("Archivos de sesión"));
    for (const QByteArray& nombre : listar_archivos_sesion(QDir::currentPath()).nombres) {
        auto* fila = new QListWidgetItem(nombre_legible(nombre), archivos_);
        fila->setData(Qt::UserRole, nombre); // the name as the folder holds it
    }
    d->colocar(archivos_, {2280, 240, 2775, 1260});
    texto_ = new QPlainTextEdit(this);
    texto_->setObjectName(QStringLiteral("texto"));
    texto_->setReadOnly(true);
    // Lines of cases are chosen by keyboard too.
    texto_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    texto_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    texto_->setAccessibleName(QStringLiteral("Texto del archivo"));
    // The layout sets the size; the family stays.
    texto_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    d->colocar(texto_, {600, 1680, 6375, 2295});
    auto* copiar = new BotonLineas(QStringLiteral("Copiar  al Portapapeles"), this);
    copiar->setObjectName(QStringLiteral("boton_copiar"));
    copiar->setAccessibleName(QStringLiteral("Copiar al Portapapeles"));
    d->colocar(copiar, {840, 600, 1215, 615});
    auto* aceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    aceptar->setObjectName(QStringLiteral("boton_aceptar"));
    aceptar->setAccessibleDescription(QStringLiteral("Muestra el archivo elegido"));
    aceptar->setDefault(true);
    d->colocar(aceptar, {5520, 240, 1335, 495});
    auto* cerrar = new QPushButton(QStringLiteral("Cerrar"), this);
    cerrar->setObjectName(QStringLiteral("boton_cerrar"));
    d->colocar(cerrar, {5520, 960, 1335, 495});
    auto* graficar = new QPushButton(QStringLiteral("Graficar estos casos"), this);
    graficar->setObjectName(QStringLiteral("boton_graficar_casos"));
    graficar->setAccessibleDescription(
        QStringLiteral("Grafica las líneas de casos seleccionadas en el texto"));
    d->colocar(graficar, {240, 1260, 1980, 375});
    d->aplicar();

    connect(archivos_, &QListWidget::itemDoubleClicked, this, &VisorSesiones::mostrar_archivo);
    connect(aceptar, &QPushButton::clicked, this, &VisorSesiones::mostrar_archivo);
    connect(copiar, &QPushButton::clicked, this, &VisorSesiones::copiar);
    connect(cerrar, &QPushButton::clicked, this, &QWidget::hide);
    connect(graficar, &QPushButton::clicked, this, &VisorSesiones::graficar_casos);
}

void VisorSesiones::mostrar_archivo() {
    texto_->clear();
    const QList<QListWidgetItem*> elegidos = archivos_->selectedItems();
    if (elegidos.isEmpty()) {
        return;
    }
    // Read through a handle of its own: the documentation file being written
    // stays open, so plots made after viewing are still documented.
    // A head of a file too long to read whole, with a word that it goes on.
    const Lectura archivo = leer_archivo(elegidos.front()->data(Qt::UserRole).toByteArray(),
                                         tope_texto, Exceso::cortar);
    if (!archivo.error.isEmpty()) {
        return;
    }
    QString texto = texto_con_fin_linea(archivo.bytes);
    if (archivo.cortado) {
        texto += QStringLiteral("[El archivo sigue; se muestran sus primeros %1.]")
                     .arg(tamano_legible(tope_texto)) +
                 fin_linea;
    }
    texto_->setPlainText(texto);
}

void VisorSesiones::copiar() {
    // The box keeps its lines apart with LF; the text copied has CR LF, as shown.
    QString texto = texto_->toPlainText();
    texto.replace(QLatin1Char('\n'), fin_linea);
    copiar_texto(texto);
}

void VisorSesiones::graficar_casos() {
    const QTextCursor c = texto_->textCursor();
    const QTextDocument* doc = texto_->document();
    const QTextBlock primera = doc->findBlock(c.selectionStart());
    QTextBlock ultima = doc->findBlock(c.selectionEnd());
    // A selection that ends at the start of a line leaves that line out.
    if (c.hasSelection() && c.selectionEnd() == ultima.position() && ultima != primera) {
        ultima = ultima.previous();
    }
    std::vector<CasoDocumentado> casos;
    for (QTextBlock b = primera; b.isValid(); b = b.next()) {
        if (const auto caso = leer_linea_documento(b.text())) {
            casos.push_back(*caso);
        }
        if (b == ultima) {
            break;
        }
    }
    if (casos.empty() || casos.size() > 6) {
        mensaje(QStringLiteral("Seleccione en el texto de una a seis líneas de casos."));
        return;
    }
    hide();
    emit casos_elegidos(casos);
}
