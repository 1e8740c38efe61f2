#include "canvas/Dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace varelo {

namespace {
class QtDialogs : public Dialogs {
public:
    void messageBox(const QString &text, bool critical) override {
        QMessageBox box(critical ? QMessageBox::Critical : QMessageBox::NoIcon, QStringLiteral("Varelo"),
                        text, QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    }
    bool inputBox(const QString &prompt, const QString &title, const QString &defaultText,
                  QString *answer) override {
        bool ok = false;
        const QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                                   QLineEdit::Normal, defaultText, &ok);
        if (ok && answer)
            *answer = text;
        return ok;
    }
    bool printerDialog(QPrinter *printer) override {
        QPrintDialog dialog(printer, QApplication::activeWindow());
        return dialog.exec() == QDialog::Accepted;
    }
};

QtDialogs g_qtDialogs;
Dialogs *g_current = nullptr;
} // namespace

Dialogs::~Dialogs() = default;

Dialogs &Dialogs::instance() { return g_current ? *g_current : g_qtDialogs; }
void Dialogs::install(Dialogs *dialogs) { g_current = dialogs; }

} // namespace varelo
