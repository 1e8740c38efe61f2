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
        QFileDialog dialog(QApplication::activeWindow(), title, suggested,
                           QCoreApplication::translate("varelo::Canvas", "Varelo-Lektionen (*.varelo)"));
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        // The dialog adds the extension before it asks whether to replace a file.
        dialog.setDefaultSuffix(QStringLiteral("varelo"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        *fileName = dialog.selectedFiles().constFirst();
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
