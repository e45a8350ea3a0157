#pragma once

#include <QWidget>

class Form1;

// The zoom window: the selected rectangle of the graph, enlarged.
class FormZoom : public QWidget {
    Q_OBJECT
public:
    explicit FormZoom(Form1& principal);

private:
    Form1& principal_;
};
