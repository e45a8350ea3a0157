#include "windows/ventana_modelo.h"

#include "toolkit/datos.h"
#include "toolkit/lectura.h"
#include "toolkit/mensaje.h"
#include "toolkit/picture_box.h"
#include "toolkit/texto.h"
#include "windows/dibujos.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextStream>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString archivo_modelo = QStringLiteral("Modelo2.txt");

// The illustration drawn at the pixels it is shown at, crisp at any screen scale.
class DibujoModelo : public PictureBox {
public:
    using PictureBox::PictureBox;

protected:
    void pintar_imagen(QPainter& p, const QRect& destino) override {
        const QImage img = imagen_modelo(devicePixelRatioF());
        p.drawImage(QRect(destino.topLeft(), img.size()), img);
    }
};

// A window of its own for a screen reader, as the main window is, rather than a
// plain widget's filler.
QAccessibleInterface* accesible_como_ventana(const QString& clase, QObject* objeto) {
    if (clase == QLatin1String("VentanaModelo") && objeto != nullptr && objeto->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(objeto), QAccessible::Window);
    }
    return nullptr;
}

} // namespace

QString leer_modelo(const QString& archivo, QString* por_que) {
    const Lectura l = leer_archivo(archivo, tope_texto);
    if (!l.error.isEmpty()) {
        if (por_que != nullptr) {
            *por_que = l.error;
        }
        return QString();
    }
    // A description is shown past bytes that are no UTF-8, as they come.
    QString todo = QString::fromUtf8(l.bytes);
    QTextStream entrada(&todo, QIODevice::ReadOnly);
    QString texto(QLatin1String(""));
    while (!entrada.atEnd()) {
        texto += entrada.readLine() + fin_linea;
    }
    return texto;
}

VentanaModelo::VentanaModelo(QWidget* padre) : QWidget(padre, Qt::Window) {
    setWindowTitle(QStringLiteral("Modelo"));
    static const bool accesible = (QAccessible::installFactory(accesible_como_ventana), true);
    Q_UNUSED(accesible);

    texto_ = new QPlainTextEdit(this);
    texto_->setObjectName(QStringLiteral("texto"));
    texto_->setReadOnly(true);
    texto_->setLineWrapMode(QPlainTextEdit::NoWrap);
    texto_->setAccessibleName(QStringLiteral("Descripción del modelo"));
    QFont letra(QStringLiteral("Courier New"), 9);
    // Liberation Mono has the same metrics where Courier New is not installed.
    letra.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    letra.setStyleHint(QFont::TypeWriter);
    texto_->setFont(letra);
    const QFontMetrics medida(letra);
    texto_->setMinimumSize(medida.horizontalAdvance(QLatin1Char('M')) * 80 + 30,
                           medida.lineSpacing() * 32);

    auto* dibujo = new DibujoModelo(this);
    dibujo->setObjectName(QStringLiteral("dibujo"));
    dibujo->setAccessibleName(QStringLiteral("Ilustración del modelo"));
    dibujo->set_fondo(blanco);
    dibujo->setFixedSize(tamano_modelo);

    auto* salir = new QPushButton(QStringLiteral("Salir"), this);
    salir->setObjectName(QStringLiteral("boton_salir"));
    connect(salir, &QPushButton::clicked, this, &QWidget::hide);

    auto* abajo = new QHBoxLayout;
    abajo->addWidget(dibujo);
    abajo->addStretch();
    abajo->addWidget(salir, 0, Qt::AlignBottom);
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(texto_, 1);
    columna->addLayout(abajo);
}

void VentanaModelo::mostrar() {
    if (!cargar_texto()) {
        return;
    }
    if (!ubicada_) {
        // The first time over the middle of the main window, inside its screen;
        // later where the user left it.
        adjustSize();
        if (QWidget* principal = parentWidget()) {
            const QRect pantalla = principal->screen()->availableGeometry();
            // A screen too low for the text's lines (a large scale) leaves fewer
            // in view, over the scroll bar. The frame is not known before the
            // window is shown: twice a title bar's height is room for it.
            const int marco = 2 * style()->pixelMetric(QStyle::PM_TitleBarHeight);
            const int exceso = height() + marco - pantalla.height();
            if (exceso > 0) {
                texto_->setMinimumHeight(
                    std::max(texto_->minimumHeight() / 4, texto_->minimumHeight() - exceso));
                adjustSize();
            }
            const QRect area = principal->frameGeometry();
            const QPoint esquina = area.center() - rect().center();
            move(std::clamp(esquina.x(), pantalla.left(),
                            std::max(pantalla.left(), pantalla.right() + 1 - width())),
                 std::clamp(esquina.y(), pantalla.top(),
                            std::max(pantalla.top(), pantalla.bottom() + 1 - height() - marco)));
        }
        ubicada_ = true;
    }
    show();
    raise();
    activateWindow();
}

void VentanaModelo::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        hide(); // as "Salir"
        return;
    }
    QWidget::keyPressEvent(e);
}

bool VentanaModelo::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        cargar_texto();
    }
    return QWidget::event(e);
}

bool VentanaModelo::cargar_texto() {
    QString por_que;
    const QString texto = leer_modelo(ruta_de_datos(archivo_modelo), &por_que);
    if (texto.isNull()) {
        // Hidden first: the message box takes the focus, and giving it back
        // would activate this window and report the file again.
        hide();
        mensaje(
            QStringLiteral("No se puede leer el archivo \"%1\": %2.").arg(archivo_modelo, por_que));
        return false;
    }
    texto_->setPlainText(texto);
    return true;
}
