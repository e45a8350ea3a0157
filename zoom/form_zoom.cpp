#include "zoom/form_zoom.h"

#include "main/form1.h"

FormZoom::FormZoom(Form1& principal) : QWidget(&principal, Qt::Window), principal_(principal) {
    setWindowTitle(QStringLiteral("Zoom"));
}
