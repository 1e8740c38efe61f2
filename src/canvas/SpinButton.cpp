#include "canvas/SpinButton.h"

#include <QToolButton>

namespace varelo {

SpinButton::SpinButton(QWidget *parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    for (QToolButton *b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setAutoRepeatDelay(400);
        b->setAutoRepeatInterval(80);
        b->setFocusPolicy(Qt::StrongFocus);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, &SpinButton::SpinUp);
    connect(down_, &QToolButton::clicked, this, &SpinButton::SpinDown);
}

void SpinButton::setNames(const QString &up, const QString &down) {
    up_->setAccessibleName(up);
    up_->setToolTip(up);
    down_->setAccessibleName(down);
    down_->setToolTip(down);
}

void SpinButton::resizeEvent(QResizeEvent *) {
    const int h = height() / 2;
    up_->setGeometry(0, 0, width(), h);
    down_->setGeometry(0, h, width(), height() - h);
}

} // namespace varelo
