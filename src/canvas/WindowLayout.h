#pragma once
#include <QString>
#include <functional>
#include <string>
#include <vector>

// Sizing of a module window's picture from the window's client size (twips).
class QAbstractButton;
class QFont;
class QLabel;
class QLineEdit;
class QWidget;

namespace varelo {

class PictureBox;

// A text of the core (UTF-8) as a QString.
QString qs(const std::string &s);
// An accessible name that is also the tooltip (for controls without a caption of their own,
// or whose caption is a ditto mark or repeats another's).
void named(QWidget *w, const QString &name);
// A control that keeps its caption as its name: what it does and its keys go to the tooltip
// and the accessible description.
void described(QWidget *w, const QString &description);
// Every button and check box of the window without a tooltip gets its caption as one.
void completeToolTips(QWidget *window);
// The keyboard goes through these controls in this order (a spin button's two arrows in
// turn); a control that takes no focus is passed over.
void setTabChain(const std::vector<QWidget *> &chain);
// A label, button or text box whose text does not fit its box on a small screen gets a
// smaller font (down to 6 points); word-wrapped labels may also grow downwards while there
// is room in the parent.
void fitLabels(QWidget *window);
// The caption of a button or check box shows whole.
bool textFits(const QAbstractButton *b);
// The text of a text box shows whole (display boxes fit their font to every new text).
bool textFits(const QLineEdit *t);
// A caption that changes while the window is open, fitted to its box again.
void setFittedText(QLabel *l, const QString &text);
void setFittedText(QAbstractButton *b, const QString &text);
// The classic bold sans-serif of the windows (a Debian font stands in for it).
QFont classicFont(double points);
// A read-only text box for displayed values, on the grey of the control panel.
QLineEdit *displayBox(QWidget *parent, const QString &text = QString());
// Places a control inside the picture at world coordinates of the present scale.
void placeInWorld(PictureBox *picture, QWidget *control, double x, double y, double width, double height);

// The frame of a module window's layout, in twips: its width and height, and for the mirror
// and lens windows the top of the control panel under the picture (T0), for the refraction
// windows the left edge of the control column beside it (x).
struct WindowFrame {
    double W, H, T0, x;
};
// Mirror and lens windows: the window sized from the screen (0.98 of its width,
// `heightShare` of its height), the 2:1 picture with the pan bars right of it and under it.
WindowFrame LayoutWideWindow(QWidget *window, PictureBox *picture, QWidget *vScroll, QWidget *hScroll,
                             double heightShare);
// Refraction windows: the window sized from the screen, the picture on its left.
WindowFrame LayoutColumnWindow(QWidget *window, PictureBox *picture);

// Mirror and lens windows: 0.98 W wide, half as high, scale (-2000,-1000)-(2000,1000).
// Where that would push the control panel (a quarter of the height) out of the window,
// the picture is made smaller with the same shape.
void placeWidePicture(PictureBox *picture, double W, double H);

// Refraction windows: the width W to lay the window out for, from the screen and the
// window's height H. On a screen wider than 4:3 whose height limits the picture, the window
// is made as wide as the picture at 0.75 W allows, so that no band stays empty beside the
// panel; otherwise 0.98 of the screen's width.
double columnWindowWidth(double H);

// Refraction windows: 0.75 W wide, 0.98 times as high as wide (kept inside the window),
// scale (-1000, -1000 h/w)-(1000, 1000 h/w) for the picture's real proportions.
void placeColumnPicture(PictureBox *picture, double W, double H);

} // namespace varelo
