// What the pointer does on the main window.
#include "main/form1.h"

#include "zoom/form_zoom.h"

void Form1::Picture1_MouseDown(double, double) {}
void Form1::Picture1_MouseMove(double, double) {}
void Form1::Picture1_MouseUp() {}
void Form1::Picture2_MouseMove(double, double) {}
void Form1::Picture3_DragDrop(Marcador*, double) {}
void Form1::Form_MouseMove() {}
void Form1::Picture4_Click() {}
void Form1::Image1_Click() {}

FormZoom* Form1::zoom() {
    if (!form_zoom_) {
        form_zoom_ = new FormZoom(*this);
    }
    return form_zoom_;
}
