#include "shell/InfoWindow.h"

#include "canvas/Screen.h"
#include "canvas/WindowLayout.h"
#include "shell/Forms.h"

#include <QPlainTextEdit>

namespace varelo {

InfoWindow::InfoWindow(const InfoLayout &row)
    : Form(row.id), clientWidth_(row.clientWidth), clientHeight_(row.clientHeight),
      leadingEmptyLines_(row.leadingEmptyLines), lines_(tr(row.text).split(QLatin1Char('\n'))) {
    setWindowTitle(tr(row.caption));
    Text1 = new QPlainTextEdit(this);
    Text1->setFont(classicFont(12));
    // Lines wrap like a multi-line text box's: a wider font needs no horizontal scrolling.
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Screen::place(Text1, 0, 0, row.textWidth, row.textHeight);
}

void InfoWindow::Form_Load() {
    setClientTwips(1, 1, clientWidth_, clientHeight_);
    composed_.clear();
    for (int i = 0; i < leadingEmptyLines_; ++i)
        composed_ += QStringLiteral("\r\n");
    for (const QString &line : lines_)
        composed_ += line + QStringLiteral("\r\n");
    // The text box shows line breaks; the stored text keeps CR LF.
    Text1->setPlainText(QString(composed_).remove(QLatin1Char('\r')));
}

void InfoWindow::Form_Unload() {}

} // namespace varelo
