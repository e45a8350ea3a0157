#include "session/trazas.h"

#include "main/texto.h"
#include "session/archivos.h"
#include "session/formato.h"
#include "toolkit/diseno.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

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

Trazas::Trazas(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint) {
    setWindowTitle(QStringLiteral("Archivos de Sesiones Realizadas"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(static_cast<int>(ancho_diseno / 15), static_cast<int>(alto_diseno / 15));
    diseno_ = new Diseno(this, ancho_diseno, alto_diseno);

    File1 = new QListWidget(this);
    File1->setSelectionMode(QAbstractItemView::SingleSelection);
    File1->setAccessibleName(QStringLiteral("Archivos de sesión"));
    File1->addItems(listar_archivos_sesion(QDir::currentPath()).nombres);
    diseno_->colocar(File1, {2280, 240, 2775, 1260});
    Text1 = new QPlainTextEdit(this);
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setAccessibleName(QStringLiteral("Texto del archivo"));
    diseno_->colocar(Text1, {600, 1680, 6375, 2295});
    Command3 = new BotonLineas(QStringLiteral("Copiar  al Portapapeles"), this);
    diseno_->colocar(Command3, {840, 600, 1215, 615});
    Command2 = new QPushButton(QStringLiteral("Aceptar"), this);
    diseno_->colocar(Command2, {5520, 240, 1335, 495});
    Command1 = new QPushButton(QStringLiteral("Cerrar"), this);
    diseno_->colocar(Command1, {5520, 960, 1335, 495});
    diseno_->aplicar();

    connect(File1, &QListWidget::itemDoubleClicked, this, &Trazas::File1_DblClick);
    connect(Command2, &QPushButton::clicked, this, &Trazas::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Trazas::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &Trazas::Command1_Click);
}

void Trazas::mostrar_archivo() {
    Text1->clear();
    const QList<QListWidgetItem*> elegidos = File1->selectedItems();
    if (elegidos.isEmpty()) {
        return;
    }
    // Read through a handle of its own: the documentation file being written
    // stays open, so plots made after viewing are still documented.
    QFile archivo(elegidos.front()->text());
    if (!archivo.open(QIODevice::ReadOnly)) {
        return;
    }
    Text1->setPlainText(texto_con_fin_linea(archivo.readAll()));
}

void Trazas::File1_DblClick() {
    mostrar_archivo();
}
void Trazas::Command2_Click() {
    mostrar_archivo();
}

void Trazas::Command3_Click() {
    QClipboard* portapapeles = QGuiApplication::clipboard();
    portapapeles->clear();
    // The box keeps its lines apart with LF; the text copied has CR LF, as shown.
    QString texto = Text1->toPlainText();
    texto.replace(QLatin1Char('\n'), fin_linea);
    portapapeles->setText(texto);
}

void Trazas::Command1_Click() {
    hide();
}
