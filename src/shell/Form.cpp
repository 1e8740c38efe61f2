#include "shell/Form.h"

#include "canvas/Screen.h"
#include "canvas/WindowLayout.h"
#include "shell/Forms.h"

#include <QCloseEvent>

namespace varelo {

Form::Form(FormId id) : QWidget(nullptr), id_(id) {}

void Form::setModuleLook(const QString &title) {
    setWindowTitle(title);
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(192, 192, 192)));
    setFont(classicFont(8.25));
}

void Form::setClientTwips(double left, double top, double width, double height) {
    resize(Screen::px(width), Screen::px(height));
    move(Screen::px(left), Screen::px(top));
}

void Form::closeEvent(QCloseEvent *e) {
    e->accept();
    Forms::unload(id_);
}

} // namespace varelo
