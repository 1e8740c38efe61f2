#pragma once
// The screen picture: a widget that keeps its drawing in a retained image, maps mouse
// events to world coordinates and reports the button (1 left, 2 right).
#include "canvas/ImageSurface.h"

#include <QWidget>
#include <functional>

namespace varelo {

class PictureBox : public QWidget, public ImageSurface {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    using MouseHandler = std::function<void(int button, int shift, float x, float y)>;
    MouseHandler onMouseDown, onMouseMove, onMouseUp;
    std::function<void()> onClick;

    void setBorderStyle(int style); // 0 none, 1 a fixed single border
    int borderStyle() const { return borderStyle_; }
    // The picture's own mouse pointer (Screen::Pointer).
    void setMousePointer(int pointer);
    int mousePointer() const { return mousePointer_; }
    // The presentation look is drawn antialiased, except while one of the window's scroll
    // bars is held (frames must keep up); `redraw` then runs once when it is let go.
    void setPresentation(bool on, const std::function<void()> &redraw);

protected:
    void changed() override;
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void mousePressEvent(QMouseEvent *) override;
    void mouseMoveEvent(QMouseEvent *) override;
    void mouseReleaseEvent(QMouseEvent *) override;
    void mouseDoubleClickEvent(QMouseEvent *) override;

private:
    void dispatch(const MouseHandler &handler, QMouseEvent *e, int button);
    int borderStyle_ = 0;
    int mousePointer_ = 0;
    bool pressed_ = false;
    bool repaintAsked_ = false;
    bool redrawAtRelease_ = false;
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
