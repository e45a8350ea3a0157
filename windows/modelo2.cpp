#include "windows/modelo2.h"

#include "main/texto.h"
#include "toolkit/mensaje.h"
#include "toolkit/picture_box.h"
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

Modelo2::Modelo2(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Modelo"));

    Text1 = new QPlainTextEdit(this);
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setAccessibleName(QStringLiteral("Descripción del modelo"));
    QFont letra(QStringLiteral("Courier New"), 9);
    // Liberation Mono has the same metrics where Courier New is not installed.
    letra.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    letra.setStyleHint(QFont::TypeWriter);
    Text1->setFont(letra);
    const QFontMetrics medida(letra);
    Text1->setMinimumSize(medida.horizontalAdvance(QLatin1Char('M')) * 80 + 30,
                          medida.lineSpacing() * 32);

    const QImage ilustracion = imagen_modelo();
    Picture1 = new PictureBox(this);
    Picture1->setAccessibleName(QStringLiteral("Ilustración del modelo"));
    Picture1->set_fondo(0xFFFFFF);
    Picture1->set_imagen(ilustracion);
    Picture1->setFixedSize(ilustracion.size());

    Command1 = new QPushButton(QStringLiteral("Salir"), this);
    connect(Command1, &QPushButton::clicked, this, &Modelo2::Command1_Click);

    auto* abajo = new QHBoxLayout;
    abajo->addWidget(Picture1);
    abajo->addStretch();
    abajo->addWidget(Command1, 0, Qt::AlignBottom);
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(Text1, 1);
    columna->addLayout(abajo);
}

void Modelo2::mostrar() {
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

void Modelo2::Form_Activate() {
    cargar_texto();
}

void Modelo2::Command1_Click() {
    hide();
}

bool Modelo2::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        Form_Activate();
    }
    return QWidget::event(e);
}

bool Modelo2::cargar_texto() {
    const QString texto = leer_modelo(archivo_modelo);
    if (texto.isNull()) {
        // Hidden first: the message box takes the focus, and giving it back
        // would activate this window and report the file again.
        hide();
        mensaje(QStringLiteral("No se puede leer el archivo \"%1\".").arg(archivo_modelo));
        return false;
    }
    Text1->setPlainText(texto);
    return true;
}
