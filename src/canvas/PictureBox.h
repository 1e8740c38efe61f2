#pragma once
// The screen picture: a widget that keeps its drawing in a retained image, maps mouse
// events to world coordinates and reports the button (1 left, 2 right).
// Touch and pen act as the left button; held still, they become the right button, so that
// everything the right button does can be done without a mouse.
#include "canvas/ImageSurface.h"

#include <QPointF>
#include <QTimer>
#include <QWidget>
#include <functional>

class QMouseEvent;
class QTouchEvent;

namespace varelo {

struct AngleGraphWidths;

class PictureBox : public QWidget, public ImageSurface {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    using MouseHandler = std::function<void(int button, int shift, float x, float y)>;
    MouseHandler onMouseDown, onMouseMove, onMouseUp;
    std::function<void()> onClick;
    // A touch or pen press held still was recognised: the live part of its left press
    // (a ray being aimed, an eye being dragged) goes unstored before the right press follows.
    std::function<void()> onDropLive;
    // Two fingers on the picture spread (+1) or closed (-1) by one zoom step.
    std::function<void(int step)> onPinch;

    // How long a touch or pen press must stay within kHoldSlop pixels to count as held.
    static int holdInterval();
    static void setHoldInterval(int ms);
    static constexpr double kHoldSlop = 8;
    // The ring that shows a recognised hold is up.
    bool holdShown() const { return holdShown_; }

    void setBorderStyle(int style); // 0 none, 1 a fixed single border
    int borderStyle() const { return borderStyle_; }
    // The picture's own mouse pointer (Screen::Pointer).
    void setMousePointer(int pointer);
    int mousePointer() const { return mousePointer_; }
    // The presentation look is drawn antialiased, except while one of the window's scroll
    // bars is held or the object point is dragged (frames must keep up); `redraw` then runs
    // once when it is let go.
    void setPresentation(bool on, const std::function<void()> &redraw);
    // The angle graph of index n filling this picture; in the presentation look smooth and
    // with every width doubled.
    void drawAngleGraph(float n, const AngleGraphWidths &widths, bool presentation);

signals:
    // The screen's pixel ratio changed (another screen): the picture should be drawn anew.
    void pixelRatioChanged();

protected:
    void changed() override;
    bool event(QEvent *) override;
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void mousePressEvent(QMouseEvent *) override;
    void mouseMoveEvent(QMouseEvent *) override;
    void mouseReleaseEvent(QMouseEvent *) override;
    void mouseDoubleClickEvent(QMouseEvent *) override;
    // Touch and pen press only at the release (or the hold): a button whose left press acts
    // at once would act before a hold could ask for the right one.
    bool pressAtRelease_ = false;

private:
    void dispatch(const MouseHandler &handler, QMouseEvent *e, int button);
    void dispatchAt(const MouseHandler &handler, QPointF pos, Qt::KeyboardModifiers mods, int button);
    void followPixelRatio(bool later);
    void touch(QTouchEvent *e);
    // One finger or the pen: press, move, release, abandon (a second finger came).
    void strokeStart(QPointF pos, Qt::KeyboardModifiers mods);
    void strokeMove(QPointF pos, Qt::KeyboardModifiers mods);
    void strokeEnd(QPointF pos, Qt::KeyboardModifiers mods);
    void strokeAbandon();
    void holdRecognised();

    int borderStyle_ = 0;
    int mousePointer_ = 0;
    bool pressed_ = false;
    bool repaintAsked_ = false;
    bool redrawAtRelease_ = false;
    bool objectDrag_ = false;
    std::function<void()> redrawAfterDrag_;
    QTimer holdTimer_;
    QPointF strokeStartPos_, strokePos_;
    Qt::KeyboardModifiers strokeMods_;
    int strokeButton_ = 0; // 0 none, 1 left, 2 right after a hold; -1 a press still to come
    bool penStroke_ = false;
    bool holdShown_ = false;
    bool pinching_ = false;
    double pinchDistance_ = 0;
};

// A small picture that shows a marker symbol in its own scale (-100,-100)-(100,100);
// a shown border means the symbol is selected.
// It takes the keyboard focus: Space and Enter act as a left click; a screen reader's
// press action does the same.
class SymbolButton : public PictureBox {
    Q_OBJECT
public:
    SymbolButton(std::function<void(Surface &)> drawSymbol, Rgb back, QWidget *parent = nullptr);
    void flipBorder() { setBorderStyle(1 - borderStyle()); }
    void setFace(std::function<void(Surface &)> drawSymbol);
    // Paints the face anew (it may follow the window's state).
    void redrawSymbol();
    // What a left click does: the press handler, then the click handler.
    void activate();

protected:
    void resizeEvent(QResizeEvent *) override;
    void keyPressEvent(QKeyEvent *) override;
    void paintEvent(QPaintEvent *) override;
    // The second press of a double click is not a second click.
    void mousePressEvent(QMouseEvent *) override;
    void mouseReleaseEvent(QMouseEvent *) override;

private:
    std::function<void(Surface &)> drawSymbol_;
    quint64 lastClick_ = 0;
    bool hasClicked_ = false, secondPress_ = false;
};

int mouseButtonCode(Qt::MouseButtons buttons);

// Lets screen readers press the symbol buttons; installed once at start-up.
void installSymbolAccessibility();

} // namespace varelo
