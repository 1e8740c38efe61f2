#include "canvas/PictureBox.h"

#include "canvas/Screen.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QStyleHints>
#include <QKeyEvent>
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
    if (pointer == Screen::kCrossHair)
        setCursor(Qt::CrossCursor);
    else if (pointer == Screen::kNoDrop)
        setCursor(Qt::ForbiddenCursor);
    else
        unsetCursor();
}

void PictureBox::setPresentation(bool on, const std::function<void()> &redraw) {
    QAbstractSlider *held = nullptr;
    if (on)
        for (QAbstractSlider *s : window()->findChildren<QAbstractSlider *>())
            if (s->isSliderDown())
                held = s;
    setAntialiased(on && !held);
    if (held && !redrawAtRelease_ && redraw) {
        redrawAtRelease_ = true;
        connect(held, &QAbstractSlider::sliderReleased, this, [this, redraw] {
            redrawAtRelease_ = false;
            redraw();
        }, Qt::SingleShotConnection);
    }
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
    // Only the left button clicks.
    if (pressed_ && onClick && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        onClick();
    pressed_ = false;
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent *e) { e->accept(); }

SymbolButton::SymbolButton(std::function<void(Surface &)> drawSymbol, Rgb back, QWidget *parent)
    : PictureBox(parent), drawSymbol_(std::move(drawSymbol)) {
    setBackColor(back);
    Scale(-100, -100, 100, 100);
    setMouseTracking(false);
    setFocusPolicy(Qt::StrongFocus);
}

void SymbolButton::setFace(std::function<void(Surface &)> drawSymbol) {
    drawSymbol_ = std::move(drawSymbol);
    redrawSymbol();
}

void SymbolButton::activate() {
    if (onMouseDown)
        onMouseDown(1, 0, 0, 0);
    if (onClick)
        onClick();
}

void SymbolButton::mousePressEvent(QMouseEvent *e) {
    const quint64 interval = static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    if (e->button() == Qt::LeftButton && hasClicked_ && e->timestamp() - lastClick_ < interval) {
        secondPress_ = true;
        e->accept();
        return;
    }
    PictureBox::mousePressEvent(e);
}

void SymbolButton::mouseReleaseEvent(QMouseEvent *e) {
    if (secondPress_) {
        secondPress_ = false;
        hasClicked_ = false;
        e->accept();
        return;
    }
    if (e->button() == Qt::LeftButton) {
        hasClicked_ = true;
        lastClick_ = e->timestamp();
    }
    PictureBox::mouseReleaseEvent(e);
}

void SymbolButton::keyPressEvent(QKeyEvent *e) {
    if (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        activate();
        return;
    }
    PictureBox::keyPressEvent(e);
}

void SymbolButton::paintEvent(QPaintEvent *e) {
    PictureBox::paintEvent(e);
    if (hasFocus()) {
        QPainter p(this);
        QPen pen(Qt::black);
        pen.setStyle(Qt::DotLine);
        p.setPen(pen);
        p.drawRect(2, 2, width() - 5, height() - 5);
    }
}

namespace {
class SymbolAccessible : public QAccessibleWidget {
public:
    explicit SymbolAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::Button) {}
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override {
        if (name == pressAction())
            static_cast<SymbolButton *>(widget())->activate();
    }
};

QAccessibleInterface *symbolFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("varelo::SymbolButton") && object && object->isWidgetType())
        return new SymbolAccessible(static_cast<QWidget *>(object));
    return nullptr;
}
} // namespace

void installSymbolAccessibility() {
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(symbolFactory);
    installed = true;
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
