#include "canvas/WindowLayout.h"

#include "canvas/PictureBox.h"
#include "canvas/Screen.h"
#include "canvas/SpinButton.h"

#include <QAbstractButton>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QToolButton>
#include <QLineEdit>

namespace varelo {

QString qs(const std::string &s) { return QString::fromStdString(s); }

void named(QWidget *w, const QString &name) {
    w->setAccessibleName(name);
    w->setToolTip(name);
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

void fitLabels(QWidget *window) {
    for (QLabel *l : window->findChildren<QLabel *>()) {
        if (!l->isVisibleTo(window) || l->text().isEmpty() || l->width() <= 0)
            continue;
        const int room = l->parentWidget() ? l->parentWidget()->height() - l->y() : l->height();
        for (double points = l->font().pointSizeF(); points >= 6; points -= 0.5) {
            QFont f = l->font();
            f.setPointSizeF(points);
            const QFontMetrics fm(f);
            if (!l->wordWrap()) {
                if (fm.horizontalAdvance(l->text()) <= l->width() - 2) {
                    l->setFont(f);
                    break;
                }
            } else {
                l->setFont(f);
                const int needed = l->heightForWidth(l->width());
                if (needed <= l->height())
                    break;
                if (needed <= room) {
                    l->resize(l->width(), needed);
                    break;
                }
            }
            if (points - 0.5 < 6)
                l->setFont(f);
        }
    }
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
