#include "canvas/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace varelo {

int mouseButtonCode(Qt::MouseButtons buttons) {
    int code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    return code;
}

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PictureBox::setBorderStyle(int style) {
    borderStyle_ = style ? 1 : 0;
    update();
}

void PictureBox::setMousePointer(int pointer) {
    mousePointer_ = pointer;
    if (pointer == 2)
        setCursor(Qt::CrossCursor);
    else if (pointer == 12)
        setCursor(Qt::ForbiddenCursor);
    else
        unsetCursor();
}

// One repaint request per batch of drawing: asking for every line costs more than the line.
void PictureBox::changed() {
    if (!repaintAsked_) {
        repaintAsked_ = true;
        update();
    }
}

void PictureBox::paintEvent(QPaintEvent *) {
    repaintAsked_ = false;
    QPainter p(this);
    p.drawImage(0, 0, image());
    if (borderStyle_) {
        p.setPen(Qt::black);
        p.drawRect(0, 0, width() - 1, height() - 1);
    }
}

void PictureBox::resizeEvent(QResizeEvent *) {
    // A hidden widget gets its resize event only when shown; keep what was drawn then.
    if (deviceWidth() != width() || deviceHeight() != height())
        resizeImage(width(), height());
}

void PictureBox::dispatch(const MouseHandler &handler, QMouseEvent *e, int button) {
    if (!handler)
        return;
    const QPointF pos = e->position();
    const int shift = (e->modifiers() & Qt::ShiftModifier ? 1 : 0) |
                      (e->modifiers() & Qt::ControlModifier ? 2 : 0) |
                      (e->modifiers() & Qt::AltModifier ? 4 : 0);
    handler(button, shift, static_cast<float>(toWorldX(pos.x())),
            static_cast<float>(toWorldY(pos.y())));
}

void PictureBox::mousePressEvent(QMouseEvent *e) {
    pressed_ = true;
    dispatch(onMouseDown, e, mouseButtonCode(e->button()));
}

void PictureBox::mouseMoveEvent(QMouseEvent *e) { dispatch(onMouseMove, e, mouseButtonCode(e->buttons())); }

void PictureBox::mouseReleaseEvent(QMouseEvent *e) {
    dispatch(onMouseUp, e, mouseButtonCode(e->button()));
    if (pressed_ && onClick && rect().contains(e->position().toPoint()))
        onClick();
    pressed_ = false;
}

SymbolButton::SymbolButton(std::function<void(Surface &)> drawSymbol, Rgb back, QWidget *parent)
    : PictureBox(parent), drawSymbol_(std::move(drawSymbol)) {
    setBackColor(back);
    Scale(-100, -100, 100, 100);
    setMouseTracking(false);
}

void SymbolButton::resizeEvent(QResizeEvent *e) {
    PictureBox::resizeEvent(e);
    redrawSymbol();
}

void SymbolButton::redrawSymbol() {
    Cls();
    Scale(-100, -100, 100, 100);
    const int width = DrawWidth();
    if (drawSymbol_)
        drawSymbol_(*this);
    SetDrawWidth(width);
}

} // namespace varelo
