#include "session/dialog.h"

#include "main/form1.h"
#include "toolkit/diseno.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
// Designed client area in twips.
constexpr double ancho_diseno = 6030;
constexpr double alto_diseno = 3195;
} // namespace

Dialog::Dialog(Form1& principal)
    : QDialog(&principal, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      principal_(principal) {
    setWindowTitle(QStringLiteral("Dialog Caption"));
    setFixedSize(static_cast<int>(ancho_diseno / 15), static_cast<int>(alto_diseno / 15));
    diseno_ = new Diseno(this, ancho_diseno, alto_diseno);

    Text1 = new QPlainTextEdit(this);
    Text1->setReadOnly(true);
    Text1->setAccessibleName(QStringLiteral("Archivos de sesión"));
    diseno_->colocar(Text1, {1200, 360, 3735, 1095});
    Label3 =
        new QLabel(QStringLiteral(" ¿ Desea Desactivar la opción de DOCUMENTAR SESIÓN y borrar "
                                  "todos los archivos  .log  ?"),
                   this);
    Label3->setWordWrap(true);
    diseno_->colocar(Label3, {1200, 1800, 3735, 495});
    OKButton = new QPushButton(QStringLiteral("Aceptar"), this);
    diseno_->colocar(OKButton, {1320, 2640, 1215, 375});
    CancelButton = new QPushButton(QStringLiteral("Cancelar"), this);
    diseno_->colocar(CancelButton, {3720, 2640, 1215, 375});
    // Enter must not delete the files by accident: neither button is the default.
    OKButton->setAutoDefault(false);
    CancelButton->setAutoDefault(false);
    diseno_->aplicar();

    connect(OKButton, &QPushButton::clicked, this, &Dialog::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &Dialog::CancelButton_Click);
    Dialog_Form_Load();
}

QString Dialog::mensaje_cuenta(std::int64_t archivos, std::int64_t bytes) {
    return QStringLiteral("La aplicación tiene activada la opción de DOCUMENTAR SESIÓN, con  ") +
           QStringLiteral(" %1 archivos y  %2 bytes").arg(archivos).arg(bytes);
}

void Dialog::Dialog_Form_Load() {
    Text1->setPlainText(mensaje_cuenta(principal_.g.num_archivos, principal_.g.bytes_archivos));
}

void Dialog::OKButton_Click() {
    // A file that cannot be deleted is left where it is; the others still go.
    for (const QString& nombre : std::as_const(principal_.File1)) {
        QFile::remove(nombre);
    }
    principal_.g.traza = 0;
    principal_.menu_traza->setChecked(false);
    hide();
}

void Dialog::CancelButton_Click() {
    hide();
}
