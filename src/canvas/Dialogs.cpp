#include "canvas/Dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
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
    bool lessonFileDialog(bool save, const QString &title, const QString &suggested, QString *fileName) override {
        const QString filter = QCoreApplication::translate("varelo::Canvas", "Varelo-Lektionen (*.varelo)");
        QWidget *parent = QApplication::activeWindow();
        QString name = save ? QFileDialog::getSaveFileName(parent, title, suggested, filter)
                            : QFileDialog::getOpenFileName(parent, title, suggested, filter);
        if (name.isEmpty())
            return false;
        if (save && !name.endsWith(QLatin1String(".varelo"), Qt::CaseInsensitive))
            name += QLatin1String(".varelo");
        *fileName = name;
        return true;
    }
};

QtDialogs g_qtDialogs;
Dialogs *g_current = nullptr;
} // namespace

Dialogs::~Dialogs() = default;

Dialogs &Dialogs::instance() { return g_current ? *g_current : g_qtDialogs; }
void Dialogs::install(Dialogs *dialogs) { g_current = dialogs; }

} // namespace varelo
