#pragma once
// Modal dialogs go through this interface so that tests can script the answers.
#include <QString>

class QPrinter;

namespace varelo {

class Dialogs {
public:
    virtual ~Dialogs();
    virtual void messageBox(const QString &text, bool critical) = 0;
    // Returns false when the user cancels; *answer holds the text otherwise.
    virtual bool inputBox(const QString &prompt, const QString &title, const QString &defaultText,
                          QString *answer) = 0;
    // Returns false when the user cancels the printer dialog.
    virtual bool printerDialog(QPrinter *printer) = 0;
    // A lesson file to open or to save as: false when the user cancels.
    virtual bool lessonFileDialog(bool save, const QString &title, const QString &suggested, QString *fileName) {
        (void)save, (void)title, (void)suggested, (void)fileName;
        return false;
    }

    static Dialogs &instance();
    // Installs a replacement (not owned); nullptr restores the Qt dialogs.
    static void install(Dialogs *dialogs);
};

} // namespace varelo
