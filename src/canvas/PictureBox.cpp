#include "canvas/PictureBox.h"

#include "canvas/Screen.h"
#include "core/AngleGraph.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointingDevice>
#include <QStyleHints>
#include <QTouchEvent>

#include <cmath>

namespace varelo {

int mouseButtonCode(Qt::MouseButtons buttons) {
    int code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    return code;
}

namespace {
int g_holdInterval = 600;

bool isPen(const QMouseEvent *e) {
    const QPointingDevice *d = e->pointingDevice();
    return d && (d->type() == QInputDevice::DeviceType::Stylus || d->type() == QInputDevice::DeviceType::Airbrush ||
                 d->pointerType() == QPointingDevice::PointerType::Pen);
}

// Mouse events Qt makes from a touch we did not take; the touch itself is handled.
bool fromTouch(const QMouseEvent *e) {
    const QPointingDevice *d = e->pointingDevice();
    return e->source() == Qt::MouseEventSynthesizedByQt && d && d->type() == QInputDevice::DeviceType::TouchScreen;
}

double distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

// One zoom step of the windows is 1.25: the fingers spread or close by as much.
constexpr double kPinchStep = 1.25;
} // namespace

int PictureBox::holdInterval() { return g_holdInterval; }
void PictureBox::setHoldInterval(int ms) { g_holdInterval = std::clamp(ms, 1, 10000); }

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents);
    setMouseTracking(true);
    setPixelRatio(devicePixelRatioF());
    holdTimer_.setSingleShot(true);
    connect(&holdTimer_, &QTimer::timeout, this, [this] { holdRecognised(); });
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
    setAntialiased(on && !held && !objectDrag_);
    setQuickWideLines(on && (held || objectDrag_));
    if (on && objectDrag_ && !held && redraw) {
        redrawAtRelease_ = true;
        redrawAfterDrag_ = redraw;
    }
    if (held && !redrawAtRelease_ && redraw) {
        redrawAtRelease_ = true;
        connect(held, &QAbstractSlider::sliderReleased, this, [this, redraw] {
            redrawAtRelease_ = false;
            redraw();
        }, Qt::SingleShotConnection);
    }
}

void PictureBox::drawAngleGraph(float n, const AngleGraphWidths &widths, bool presentation) {
    setAntialiased(presentation);
    DrawAngleGraph(*this, n, presentation ? Doubled(widths) : widths);
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
    followPixelRatio(true);
    QPainter p(this);
    p.drawImage(0, 0, image());
    if (borderStyle_) {
        p.setPen(Qt::black);
        p.drawRect(0, 0, width() - 1, height() - 1);
    }
    if (holdShown_) {
        // Over the picture, not in it: the ring goes with the release and is never saved.
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 5));
        p.drawEllipse(strokePos_, 20, 20);
        p.setPen(QPen(QColor(0, 90, 220), 3));
        p.drawEllipse(strokePos_, 20, 20);
    }
}

void PictureBox::resizeEvent(QResizeEvent *) {
    followPixelRatio(false);
    // A hidden widget gets its resize event only when shown; keep what was drawn then.
    if (deviceWidth() != width() || deviceHeight() != height())
        resizeImage(width(), height());
}

// The image follows the screen's pixel ratio; during a paint the window redraws after it.
void PictureBox::followPixelRatio(bool later) {
    const qreal ratio = devicePixelRatioF();
    if (ratio == pixelRatio())
        return;
    setPixelRatio(ratio);
    if (later)
        QMetaObject::invokeMethod(this, &PictureBox::pixelRatioChanged, Qt::QueuedConnection);
    else
        emit pixelRatioChanged();
}

bool PictureBox::event(QEvent *e) {
    switch (e->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        touch(static_cast<QTouchEvent *>(e));
        return true;
    case QEvent::ScreenChangeInternal:
        followPixelRatio(false);
        break;
    default:
        break;
    }
    return QWidget::event(e);
}

void PictureBox::dispatch(const MouseHandler &handler, QMouseEvent *e, int button) {
    dispatchAt(handler, e->position(), e->modifiers(), button);
}

void PictureBox::dispatchAt(const MouseHandler &handler, QPointF pos, Qt::KeyboardModifiers mods, int button) {
    // The right button (or a hold) drags the object point: every frame a whole picture.
    const bool press = &handler == &onMouseDown, release = &handler == &onMouseUp;
    if (press && button == 2)
        objectDrag_ = true;
    if (handler) {
        const int shift = (mods & Qt::ShiftModifier ? 1 : 0) | (mods & Qt::ControlModifier ? 2 : 0) |
                          (mods & Qt::AltModifier ? 4 : 0);
        handler(button, shift, static_cast<float>(toWorldX(pos.x())), static_cast<float>(toWorldY(pos.y())));
    }
    if (release && button == 2) {
        objectDrag_ = false;
        if (redrawAtRelease_ && redrawAfterDrag_) {
            redrawAtRelease_ = false;
            redrawAfterDrag_();
        }
    }
}

void PictureBox::touch(QTouchEvent *e) {
    e->accept();
    const QList<QEventPoint> &points = e->points();
    const bool over = e->type() == QEvent::TouchEnd || e->type() == QEvent::TouchCancel;
    QList<QPointF> down;
    for (const QEventPoint &p : points)
        if (p.state() != QEventPoint::Released)
            down.append(p.position());
    if (!over && down.size() >= 2) {
        const double d = distance(down[0], down[1]);
        if (!pinching_) {
            // A second finger: what the first began ends, and the two pinch.
            strokeAbandon();
            pinching_ = true;
            pinchDistance_ = d;
            return;
        }
        while (pinchDistance_ > 0 && d >= pinchDistance_ * kPinchStep) {
            pinchDistance_ *= kPinchStep;
            if (onPinch)
                onPinch(1);
        }
        while (d > 0 && d <= pinchDistance_ / kPinchStep) {
            pinchDistance_ /= kPinchStep;
            if (onPinch)
                onPinch(-1);
        }
        return;
    }
    if (pinching_) {
        // The fingers of a pinch lift one by one: nothing more until all are off.
        if (over)
            pinching_ = false;
        return;
    }
    if (e->type() == QEvent::TouchCancel) {
        // The system took the touch back (it may name no point).
        strokeAbandon();
        return;
    }
    if (points.isEmpty())
        return;
    const QPointF pos = points.first().position();
    if (e->type() == QEvent::TouchBegin)
        strokeStart(pos, e->modifiers());
    else if (e->type() == QEvent::TouchUpdate)
        strokeMove(pos, e->modifiers());
    else
        strokeEnd(pos, e->modifiers());
}

void PictureBox::strokeStart(QPointF pos, Qt::KeyboardModifiers mods) {
    strokeAbandon(); // a stroke that never ended (a lost release)
    strokeStartPos_ = strokePos_ = pos;
    strokeMods_ = mods;
    pressed_ = true;
    holdTimer_.start(holdInterval());
    if (pressAtRelease_) {
        strokeButton_ = -1;
        return;
    }
    strokeButton_ = 1;
    dispatchAt(onMouseDown, pos, mods, 1);
}

void PictureBox::strokeMove(QPointF pos, Qt::KeyboardModifiers mods) {
    if (strokeButton_ == 0)
        return;
    strokePos_ = pos;
    if (holdTimer_.isActive() && distance(pos, strokeStartPos_) > kHoldSlop)
        holdTimer_.stop();
    if (holdShown_)
        update();
    if (strokeButton_ > 0)
        dispatchAt(onMouseMove, pos, mods, strokeButton_);
}

void PictureBox::strokeEnd(QPointF pos, Qt::KeyboardModifiers mods) {
    holdTimer_.stop();
    const int button = strokeButton_;
    strokeButton_ = 0;
    if (button == 0)
        return;
    if (holdShown_) {
        holdShown_ = false;
        update();
    }
    if (button == -1)
        dispatchAt(onMouseDown, pos, mods, 1);
    dispatchAt(onMouseUp, pos, mods, button == 2 ? 2 : 1);
    if (pressed_ && button != 2 && onClick && rect().contains(pos.toPoint()))
        onClick();
    pressed_ = false;
}

void PictureBox::strokeAbandon() {
    holdTimer_.stop();
    const int button = strokeButton_;
    strokeButton_ = 0;
    pressed_ = false;
    if (holdShown_) {
        holdShown_ = false;
        update();
    }
    if (button == 1 && onDropLive)
        onDropLive();
    else if (button == 2)
        dispatchAt(onMouseUp, strokePos_, strokeMods_, 2); // the object stays where it was moved
}

void PictureBox::holdRecognised() {
    if (strokeButton_ == 0)
        return;
    if (strokeButton_ == 1 && onDropLive)
        onDropLive();
    strokeButton_ = 2;
    holdShown_ = true;
    update();
    dispatchAt(onMouseDown, strokePos_, strokeMods_, 2);
}

void PictureBox::mousePressEvent(QMouseEvent *e) {
    if (fromTouch(e))
        return;
    if (isPen(e) && e->button() == Qt::LeftButton) {
        penStroke_ = true;
        strokeStart(e->position(), e->modifiers());
        return;
    }
    pressed_ = true;
    dispatch(onMouseDown, e, mouseButtonCode(e->button()));
}

void PictureBox::mouseMoveEvent(QMouseEvent *e) {
    if (fromTouch(e))
        return;
    if (penStroke_) {
        strokeMove(e->position(), e->modifiers());
        return;
    }
    dispatch(onMouseMove, e, mouseButtonCode(e->buttons()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent *e) {
    if (fromTouch(e))
        return;
    if (penStroke_ && e->button() == Qt::LeftButton) {
        penStroke_ = false;
        strokeEnd(e->position(), e->modifiers());
        return;
    }
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
    pressAtRelease_ = true;
    connect(this, &PictureBox::pixelRatioChanged, this, &SymbolButton::redrawSymbol);
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
