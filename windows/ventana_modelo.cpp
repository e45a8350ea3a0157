#include "windows/ventana_modelo.h"

#include "toolkit/mensaje.h"
#include "toolkit/picture_box.h"
#include "toolkit/texto.h"
#include "windows/dibujos.h"

#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextStream>
#include <QVBoxLayout>

namespace {

const QString archivo_modelo = QStringLiteral("Modelo2.txt");

} // namespace

QString leer_modelo(const QString& archivo) {
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly)) {
        return QString();
    }
    QTextStream entrada(&f);
    QString texto(QLatin1String(""));
    while (!entrada.atEnd()) {
        texto += entrada.readLine() + fin_linea;
    }
    return texto;
}

VentanaModelo::VentanaModelo(QWidget* padre) : QWidget(padre, Qt::Window) {
    setWindowTitle(QStringLiteral("Modelo"));

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

    const QImage ilustracion = imagen_modelo();
    auto* dibujo = new PictureBox(this);
    dibujo->setAccessibleName(QStringLiteral("Ilustración del modelo"));
    dibujo->set_fondo(0xFFFFFF);
    dibujo->set_imagen(ilustracion);
    dibujo->setFixedSize(ilustracion.size());

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
        // The first time over the middle of the main window; later where the user left it.
        adjustSize();
        if (QWidget* principal = parentWidget()) {
            const QRect area = principal->frameGeometry();
            move(area.center() - rect().center());
        }
        ubicada_ = true;
    }
    show();
    raise();
    activateWindow();
}

bool VentanaModelo::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        cargar_texto();
    }
    return QWidget::event(e);
}

bool VentanaModelo::cargar_texto() {
    const QString texto = leer_modelo(archivo_modelo);
    if (texto.isNull()) {
        // Hidden first: the message box takes the focus, and giving it back
        // would activate this window and report the file again.
        hide();
        mensaje(QStringLiteral("No se puede leer el archivo \"%1\".").arg(archivo_modelo));
        return false;
    }
    texto_->setPlainText(texto);
    return true;
}
