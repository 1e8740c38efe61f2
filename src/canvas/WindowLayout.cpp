#include "canvas/WindowLayout.h"

#include "canvas/PictureBox.h"
#include "canvas/Screen.h"
#include "canvas/SpinButton.h"

#include <QAbstractButton>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <QLineEdit>

namespace varelo {

QString qs(const std::string &s) { return QString::fromStdString(s); }

void named(QWidget *w, const QString &name) {
    w->setAccessibleName(name);
    w->setToolTip(name);
}

void described(QWidget *w, const QString &description) {
    w->setAccessibleDescription(description);
    w->setToolTip(description);
}

void completeToolTips(QWidget *window) {
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
        if (!b->toolTip().isEmpty())
            continue;
        const QString text = b->text().trimmed();
        if (!text.isEmpty())
            b->setToolTip(text);
    }
}

void setTabChain(const std::vector<QWidget *> &chain) {
    std::vector<QWidget *> order;
    for (QWidget *w : chain) {
        if (auto *spin = qobject_cast<SpinButton *>(w)) {
            order.push_back(spin->upButton());
            order.push_back(spin->downButton());
        } else if (w && (w->focusPolicy() & Qt::TabFocus)) {
            order.push_back(w);
        }
    }
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

namespace {
const char kBasePoints[] = "varelo_basePoints";

// From the control's own size (as first fitted), steps the font down (to 6 points at the
// least) until fits() holds; the font is set only when it changes.
void shrinkUntil(QWidget *w, const std::function<bool(const QFont &)> &fits) {
    if (!w->property(kBasePoints).isValid())
        w->setProperty(kBasePoints, w->font().pointSizeF());
    QFont f = w->font();
    double points = w->property(kBasePoints).toDouble();
    f.setPointSizeF(points);
    while (!fits(f) && points > 6) {
        points = std::max(6.0, points - 0.5);
        f.setPointSizeF(points);
    }
    if (f != w->font())
        w->setFont(f);
}

// The room a text box has for its text: inside the frame, two pixels on either side and
// the cursor's pixel after the text.
int textRoom(const QLineEdit *t) {
    const int frame = t->hasFrame() ? t->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, t) : 0;
    const QMargins m = t->textMargins();
    return t->width() - 2 * frame - 5 - m.left() - m.right();
}

void fitTextBox(QLineEdit *t) {
    if (t->width() > 0)
        shrinkUntil(t, [t](const QFont &f) { return QFontMetrics(f).horizontalAdvance(t->text()) <= textRoom(t); });
}

bool buttonFits(const QAbstractButton *b, const QFont &f) {
    // A push button's size hint has a minimum width of its own; its caption needs less.
    if (qobject_cast<const QPushButton *>(b))
        return QFontMetrics(f).horizontalAdvance(b->text()) + 8 <= b->width();
    // A check box or option: its indicator, spacing and caption.
    return b->sizeHint().width() - QFontMetrics(b->font()).horizontalAdvance(b->text()) +
               QFontMetrics(f).horizontalAdvance(b->text()) <=
           b->width();
}

void fitButton(QAbstractButton *b) {
    if (b->width() > 0 && !b->text().trimmed().isEmpty())
        shrinkUntil(b, [b](const QFont &f) { return buttonFits(b, f); });
}

void fitLabel(QLabel *l) {
    if (l->text().isEmpty() || l->width() <= 0)
        return;
    if (!l->wordWrap()) {
        shrinkUntil(l, [l](const QFont &f) { return QFontMetrics(f).horizontalAdvance(l->text()) <= l->width() - 2; });
        return;
    }
    // A hint inside the picture may take more lines; a panel label keeps its box.
    const int room = l->parentWidget()->height() - l->y();
    if (l->parentWidget() != l->window() && l->heightForWidth(l->width()) <= room)
        l->resize(l->width(), std::max(l->height(), l->heightForWidth(l->width())));
    shrinkUntil(l, [l](const QFont &f) {
        l->setFont(f); // the label measures its wrapped height in its own font
        return l->heightForWidth(l->width()) <= l->height();
    });
}
} // namespace

bool textFits(const QLineEdit *t) { return QFontMetrics(t->font()).horizontalAdvance(t->text()) <= textRoom(t); }

void setFittedText(QLabel *l, const QString &text) {
    l->setText(text);
    fitLabel(l);
}

void setFittedText(QAbstractButton *b, const QString &text) {
    b->setText(text);
    fitButton(b);
}

bool textFits(const QAbstractButton *b) { return buttonFits(b, b->font()); }

void fitLabels(QWidget *window) {
    // Hidden notes keep their designed fonts; captions that change are fitted when set.
    for (QLabel *l : window->findChildren<QLabel *>())
        if (l->isVisibleTo(window))
            fitLabel(l);
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
        if (b->isVisibleTo(window))
            fitButton(b);
    for (QLineEdit *t : window->findChildren<QLineEdit *>())
        fitTextBox(t);
}

QFont classicFont(double points) {
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(points);
    f.setBold(true);
    return f;
}

QLineEdit *displayBox(QWidget *parent, const QString &text) {
    auto *t = new QLineEdit(text, parent);
    t->setReadOnly(true);
    t->setFocusPolicy(Qt::NoFocus);
    QPalette p = t->palette();
    p.setColor(QPalette::Base, QColor(192, 192, 192));
    t->setPalette(p);
    // Values change: each new text is fitted to the box again.
    QObject::connect(t, &QLineEdit::textChanged, t, [t] { fitTextBox(t); });
    return t;
}

void placeInWorld(PictureBox *picture, QWidget *control, double x, double y, double width, double height) {
    control->setGeometry(static_cast<int>(picture->toDeviceX(x)), static_cast<int>(picture->toDeviceY(y)),
                         static_cast<int>(picture->toDeviceLength(width)),
                         static_cast<int>(picture->toDeviceLength(height)));
}

void placeWidePicture(PictureBox *picture, double W, double H) {
    double picW = 0.98 * W, picH = 0.5 * picW;
    const double panel = 0.26 * H, scrollH = H / 40;
    if (picH + scrollH + panel > H) {
        picH = H - scrollH - panel;
        picW = 2 * picH;
    }
    Screen::place(picture, 1, 1, picW, picH);
    // Exactly 2:1 in pixels, so that the scale stays isotropic.
    picture->resize(picture->width() & ~1, picture->width() / 2);
    picture->resizeImage(picture->width(), picture->height());
    picture->Scale(-2000, -1000, 2000, 1000);
}

namespace {
// The area may lie under a menu bar: the window around it is sized to fit. A full-screen
// window keeps the screen's size and has no frame.
void setClient(QWidget *area, double width, double height) {
    area->resize(Screen::px(width), Screen::px(height));
    if (area->window()->isFullScreen())
        return;
    area->window()->resize(area->width(), area->y() + area->height());
    area->window()->move(Screen::px(1), Screen::px(1));
}

double frameTwips(const QWidget *area) { return area->window()->isFullScreen() ? 0 : kWindowFrameTwips; }

// The height the window keeps above its client area (a menu bar), in twips.
double reservedAbove(const QWidget *area) { return area == area->window() ? 0 : area->y() * Screen::twipsPerPixel(); }
} // namespace

WindowFrame LayoutWideWindow(QWidget *window, PictureBox *picture, QWidget *vScroll, QWidget *hScroll,
                             double heightShare) {
    const double W = 0.98 * Screen::widthTwips();
    const double H = heightShare * Screen::heightTwips() - frameTwips(window) - reservedAbove(window);
    setClient(window, W, H);
    placeWidePicture(picture, W, H);
    const double picW = picture->width() * Screen::twipsPerPixel();
    const double picH = picture->height() * Screen::twipsPerPixel();
    const double scrollH = H / 40;
    Screen::place(vScroll, picW, 1, W / 60, picH);
    Screen::place(hScroll, 0, picH, picW, scrollH);
    return {W, H, picH + scrollH, 0};
}

WindowFrame LayoutColumnWindow(QWidget *window, PictureBox *picture) {
    const double H = 0.95 * Screen::heightTwips() - frameTwips(window) - reservedAbove(window);
    const double W = columnWindowWidth(H);
    setClient(window, W, H);
    placeColumnPicture(picture, W, H);
    const double x = (picture->x() + picture->width()) * Screen::twipsPerPixel() + 0.01 * W;
    return {W, H, 0, x};
}

double columnWindowWidth(double H) {
    const double screenW = Screen::widthTwips(), screenH = Screen::heightTwips();
    const double W = 0.98 * screenW;
    // The picture is 0.98 times as high as wide and at most 0.98 H high: at most H wide.
    if (screenW * 3 > screenH * 4 && 0.75 * W > H)
        return H / 0.75;
    return W;
}

void placeColumnPicture(PictureBox *picture, double W, double H) {
    double picW = 0.75 * W, picH = 0.98 * picW;
    if (picH > 0.98 * H) {
        picH = 0.98 * H;
        picW = picH / 0.98;
    }
    Screen::place(picture, 1, 1, picW, picH);
    picture->resizeImage(picture->width(), picture->height());
    const double ratio = double(picture->height()) / picture->width();
    picture->Scale(-1000, -1000 * ratio, 1000, 1000 * ratio);
}

} // namespace varelo
