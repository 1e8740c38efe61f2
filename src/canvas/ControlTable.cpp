#include "canvas/ControlTable.h"

#include "canvas/PictureBox.h"
#include "canvas/SpinButton.h"
#include "canvas/WindowLayout.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <vector>

namespace varelo {

void ControlTable::build(QWidget *window, QWidget *area, const char *context, std::initializer_list<ControlRow> rows) {
    window_ = window;
    area_ = area;
    context_ = context;
    for (const ControlRow &row : rows) {
        QWidget *w = create(row);
        w->setObjectName(QString::fromLatin1(row.slot.name));
        controls_[row.slot.name] = w;
        order_.push_back(w);
        row.slot.set(w);
        if (row.name)
            w->setAccessibleName(tr(row.name));
        if (row.description)
            described(w, tr(row.description));
        else if (row.name)
            w->setToolTip(tr(row.name));
        else if (row.caption)
            w->setToolTip(tr(row.caption).trimmed());
        connectHandler(row, w);
        entries_.push_back({row.slot.name, row.kind, handlerName(row), row.parent ? row.parent : "", w});
    }
}

std::string ControlTable::handlerName(const ControlRow &row) {
    if (row.handler)
        return row.handler;
    switch (row.kind) {
    case ControlKind::Button:
    case ControlKind::Check:
    case ControlKind::Option:
    case ControlKind::Symbol:
        return std::string(row.slot.name) + "_Click";
    case ControlKind::HScroll:
    case ControlKind::VScroll:
        return std::string(row.slot.name) + "_Change";
    case ControlKind::Spin:
    case ControlKind::Picture:
        return row.slot.name;
    default:
        return "";
    }
}

QString ControlTable::tr(const char *source) const { return QCoreApplication::translate(context_, source); }

QWidget *ControlTable::create(const ControlRow &row) {
    QWidget *parent = row.parent ? (*this)[row.parent] : area_;
    const QString caption = row.caption ? tr(row.caption) : QString();
    switch (row.kind) {
    case ControlKind::Label:
    case ControlKind::WrapLabel: {
        auto *l = new QLabel(caption, parent);
        l->setWordWrap(row.kind == ControlKind::WrapLabel);
        return l;
    }
    case ControlKind::Button:
        return new QPushButton(caption, parent);
    case ControlKind::Check:
        return new QCheckBox(caption, parent);
    case ControlKind::Option:
        return new QRadioButton(caption, parent);
    case ControlKind::HScroll:
    case ControlKind::VScroll: {
        auto *s = new QScrollBar(row.kind == ControlKind::HScroll ? Qt::Horizontal : Qt::Vertical, parent);
        s->setRange(row.range.min, row.range.max);
        s->setSingleStep(row.range.small);
        s->setPageStep(row.range.large);
        s->setValue(row.range.value);
        s->setFocusPolicy(Qt::StrongFocus); // arrow keys move it
        return s;
    }
    case ControlKind::TextBox:
        return displayBox(parent, caption);
    case ControlKind::Picture:
        return new PictureBox(parent);
    case ControlKind::Symbol:
        return new SymbolButton(nullptr, kWhite, parent);
    case ControlKind::Spin:
        return new SpinButton(parent);
    }
    return new QWidget(parent);
}

namespace {
// The window's method of that name, or an invalid one.
QMetaMethod findMethod(const QObject *o, const QByteArray &name) {
    const QMetaObject *m = o->metaObject();
    for (int i = 0; i < m->methodCount(); ++i)
        if (m->method(i).name() == name)
            return m->method(i);
    return {};
}
} // namespace

void ControlTable::connectHandler(const ControlRow &row, QWidget *w) {
    if (row.handler && !*row.handler)
        return;
    const QByteArray member(row.slot.name);
    auto method = [&](const char *event) {
        const QByteArray name = row.handler ? QByteArray(row.handler) : member + event;
        const QMetaMethod m = findMethod(window_, name);
        // A missing handler is a fault of the table, found by any test that opens the window.
        if (!m.isValid() && row.handler)
            qFatal("ControlTable: %s has no handler %s", context_, name.constData());
        return m;
    };
    QObject *win = window_;
    switch (row.kind) {
    case ControlKind::Button:
        if (const QMetaMethod m = method("_Click"); m.isValid())
            QObject::connect(static_cast<QPushButton *>(w), &QPushButton::clicked, win, [win, m] { m.invoke(win); });
        break;
    case ControlKind::Check:
    case ControlKind::Option:
        // An option reacts to every change of its value: mouse, keyboard or screen reader;
        // an option button only when it becomes the chosen one.
        if (const QMetaMethod m = method("_Click"); m.isValid()) {
            const bool option = row.kind == ControlKind::Option;
            QObject::connect(static_cast<QAbstractButton *>(w), &QAbstractButton::toggled, win, [win, m, option](bool on) {
                if (on || !option)
                    m.invoke(win);
            });
        }
        break;
    case ControlKind::HScroll:
    case ControlKind::VScroll:
        if (const QMetaMethod m = method("_Change"); m.isValid())
            QObject::connect(static_cast<QScrollBar *>(w), &QScrollBar::valueChanged, win, [win, m] { m.invoke(win); });
        break;
    case ControlKind::Spin: {
        auto *spin = static_cast<SpinButton *>(w);
        if (const QMetaMethod up = findMethod(win, member + "_SpinUp"); up.isValid())
            QObject::connect(spin, &SpinButton::SpinUp, win, [win, up] { up.invoke(win); });
        if (const QMetaMethod down = findMethod(win, member + "_SpinDown"); down.isValid())
            QObject::connect(spin, &SpinButton::SpinDown, win, [win, down] { down.invoke(win); });
        break;
    }
    case ControlKind::Symbol:
        if (const QMetaMethod m = method("_Click"); m.isValid())
            static_cast<SymbolButton *>(w)->onClick = [win, m] { m.invoke(win); };
        break;
    case ControlKind::Picture: {
        auto *p = static_cast<PictureBox *>(w);
        auto bind = [win](const QMetaMethod &m) -> PictureBox::MouseHandler {
            if (!m.isValid())
                return nullptr;
            return [win, m](int b, int s, float x, float y) {
                m.invoke(win, Q_ARG(int, b), Q_ARG(int, s), Q_ARG(float, x), Q_ARG(float, y));
            };
        };
        p->onMouseDown = bind(findMethod(win, member + "_MouseDown"));
        p->onMouseMove = bind(findMethod(win, member + "_MouseMove"));
        p->onMouseUp = bind(findMethod(win, member + "_MouseUp"));
        if (const QMetaMethod m = findMethod(win, member + "_DropLive"); m.isValid())
            p->onDropLive = [win, m] { m.invoke(win); };
        break;
    }
    default:
        break;
    }
}

QWidget *ControlTable::operator[](const char *member) const {
    const auto it = controls_.find(member);
    if (it == controls_.end())
        qFatal("ControlTable: %s has no control %s", context_, member);
    return it->second;
}

void ControlTable::setTabChain() const { varelo::setTabChain(order_); }

} // namespace varelo
