#include "canvas/HelpPanel.h"

#include "canvas/PictureBox.h"
#include "canvas/WindowLayout.h"
#include "canvas/ZoomPan.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace varelo {

HelpPanel::HelpPanel(PictureBox *picture, ZoomPan *zoom, QPushButton *toggle, QWidget *didacticButton,
                     const HelpNote *notes, int count, std::vector<QWidget *> others,
                     std::function<void()> redraw)
    : pic_(picture), zoom_(zoom), toggle_(toggle), didactic_(didacticButton), others_(std::move(others)),
      redraw_(std::move(redraw)) {
    for (int i = 0; i < count; ++i) {
        const HelpNote &h = notes[i];
        auto *l = new QLabel(QCoreApplication::translate("varelo::HelpPanel", h.text), picture);
        l->setWordWrap(h.kind != 0);
        l->setAutoFillBackground(true);
        // Headings red, some notes on white, the others in the window's colours.
        QPalette p = l->palette();
        if (h.kind == 0)
            p.setColor(QPalette::Window, QColor(128, 255, 255));
        else if (h.kind == 1)
            p.setColor(QPalette::WindowText, QColor(255, 0, 0));
        else if (h.kind == 2)
            p.setColor(QPalette::Window, QColor(255, 255, 255));
        l->setPalette(p);
        l->setFont(classicFont(h.kind == 0 ? 11 : 8.25));
        l->hide();
        labels.insert(QString::fromLatin1(h.name), l);
    }
}

void HelpPanel::layout(const std::vector<const char *> &left, const std::vector<const char *> &right) {
    const int margin = 8, gap = 4;
    const int colW = (pic_->width() - 3 * margin) / 2;
    QLabel *title = nullptr;
    for (QLabel *l : std::as_const(labels))
        if (!l->wordWrap())
            title = l;
    int top = margin;
    if (title) {
        title->setGeometry(margin, margin, pic_->width() - 2 * margin, title->sizeHint().height() + 6);
        top = title->geometry().bottom() + 2 * gap;
        // The leading blanks of the title do not centre it in this font: an indent does.
        const QString text = title->text(), word = text.trimmed();
        const QFontMetrics fm(title->font());
        const int blanks = fm.horizontalAdvance(text.left(text.indexOf(word)));
        title->setIndent(std::max(0, (title->width() - fm.horizontalAdvance(word)) / 2 - blanks));
    }
    auto stack = [&](const std::vector<const char *> &names, int x) {
        int y = top;
        for (const char *name : names) {
            QLabel *l = labels.value(QString::fromLatin1(name));
            if (!l)
                continue;
            const int h = l->heightForWidth(colW) > 0 ? l->heightForWidth(colW) : l->sizeHint().height();
            l->setGeometry(x, y, colW, h);
            y += h + gap;
        }
        return y;
    };
    // Long notes on a small screen: a smaller font until both columns fit the picture.
    for (double points = 8.25;; points -= 0.75) {
        for (QLabel *l : std::as_const(labels))
            if (l != title)
                l->setFont(classicFont(points));
        const int bottom = std::max(stack(left, margin), stack(right, 2 * margin + colW));
        if (bottom <= pic_->height() || points <= 5.5)
            break;
    }
}

void HelpPanel::setShown(bool shown) {
    for (QLabel *l : std::as_const(labels))
        l->setVisible(shown);
    for (QWidget *w : others_)
        w->setVisible(!shown);
    didactic_->setVisible(shown);
}

void HelpPanel::Load() {
    helpShown = 0;
    pic_->SetSuspended(false);
    zoom_->unpark();
    setShown(false);
    setFittedText(toggle_, QCoreApplication::translate("varelo::Canvas", "Info "));
}

void HelpPanel::hideNotes() {
    pic_->SetSuspended(false);
    zoom_->unpark();
    setShown(false);
    redraw_();
}

void HelpPanel::toggle() {
    helpShown = static_cast<int16_t>(1 - helpShown);
    if (helpShown == 1) {
        setShown(true);
        setFittedText(toggle_, QCoreApplication::translate("varelo::Canvas", "Info off"));
        zoom_->park();
        pic_->Cls();
        // Long rays could still reach the parked view: nothing is drawn under the notes.
        pic_->SetSuspended(true);
    } else {
        setFittedText(toggle_, QCoreApplication::translate("varelo::Canvas", "Info"));
        hideNotes();
    }
}

void HelpPanel::leaveForDidacticNotes() {
    helpShown = 0;
    setFittedText(toggle_, QCoreApplication::translate("varelo::Canvas", "Info einblenden"));
    hideNotes();
}

} // namespace varelo
