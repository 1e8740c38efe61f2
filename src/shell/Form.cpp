#include "shell/Form.h"

#include "canvas/Screen.h"
#include "canvas/WindowLayout.h"
#include "core/Texts.h"
#include "shell/Forms.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>

namespace varelo {

namespace {
std::string QtTranslation(const char *context, const char *source) {
    return QCoreApplication::translate(context, source).toStdString();
}
} // namespace

Form::Form(FormId id) : QWidget(nullptr), id_(id) {
    // The core's texts through Qt's translation.
    SetTranslator(QtTranslation);
}

void Form::setModuleLook(const QString &title) {
    setWindowTitle(title);
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(192, 192, 192)));
    setFont(classicFont(8.25));
}

void Form::setClientTwips(double left, double top, double width, double height) {
    QWidget *area = clientArea();
    area->resize(Screen::px(width), Screen::px(height));
    resize(area->width(), area->y() + area->height());
    move(Screen::px(left), Screen::px(top));
}

QMenuBar *Form::createMenuBar() {
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        client_ = new QWidget(this);
    }
    return menuBar_;
}

QWidget *Form::clientArea() {
    if (!client_)
        return this;
    // Under the bar as high as its menus make it.
    client_->move(0, menuBar_->sizeHint().height());
    return client_;
}

void Form::resizeEvent(QResizeEvent *e) {
    if (menuBar_)
        menuBar_->setGeometry(0, 0, width(), client_->y());
    QWidget::resizeEvent(e);
}

void Form::setFullScreenLayout(bool on) {
    if (on == isFullScreen())
        return;
    if (on)
        showFullScreen();
    else
        showNormal();
}

// The window manager may change the state too: the layout follows whoever changed it.
void Form::changeEvent(QEvent *e) {
    QWidget::changeEvent(e);
    if (e->type() != QEvent::WindowStateChange || isFullScreen() == laidOutFullScreen_)
        return;
    laidOutFullScreen_ = isFullScreen();
    layoutForScreen();
    emit fullScreenChanged(laidOutFullScreen_);
}

void Form::closeEvent(QCloseEvent *e) {
    e->accept();
    Forms::unload(id_);
}

} // namespace varelo
