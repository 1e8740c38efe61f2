#include "core/Aids.h"
#include "shell/FormFactory.h"

#include "canvas/PictureBox.h"
#include "core/NumRules.h"
#include "shell/Forms.h"
#include "shell/InfoWindow.h"
#include "shell/Modules.h"
#include "shell/frmVarelo.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace varelo {

Form *createForm(FormId id) {
    if (id == FormId::Varelo)
        return new frmVarelo;
    if (const ModuleRow *row = ModuleOf(id))
        return row->create();
    if (const ModuleRow *row = ModuleOfInfo(id))
        return new InfoWindow(row->info);
    return nullptr;
}

bool germanInterface(const QStringList &uiLanguages) {
    return !uiLanguages.isEmpty() && uiLanguages.first().startsWith(QLatin1String("de"));
}

void setInterfaceLanguage(bool german) {
    // One translator of each kind for the program's life: a second call replaces the first's.
    static QTranslator program, qt;
    QCoreApplication::removeTranslator(&program);
    QCoreApplication::removeTranslator(&qt);
    // Qt's own dialogs (printing, input, files) speak the same language as the program.
    const QString language = german ? QStringLiteral("de") : QStringLiteral("en");
    if (qt.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    // German is the source language: it needs no translator of the program's own.
    if (!german && program.load(QStringLiteral(":/i18n/varelo_en.qm")))
        QCoreApplication::installTranslator(&program);
}

void initApplication() {
    // Before any window: every text is translated when its window is made.
    setInterfaceLanguage(germanInterface(QLocale::system().uiLanguages()));
    QCoreApplication::setApplicationName(QStringLiteral("Varelo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VARELO_VERSION));
    // The windows keep asking for the classic font; a Debian sans-serif stands in.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    const QString point = QLocale().decimalPoint();
    const char sep = point.isEmpty() ? '.' : point.at(0).toLatin1();
    SetDecimalSeparator(sep ? sep : '.');
    for (const char *word : {kTotalReflectionWord})
        PictureWords().set(word, QCoreApplication::translate("varelo::PictureWords", word).toStdString());
    QApplication::setQuitOnLastWindowClosed(false);
    Forms::setFactory(createForm);
    installSymbolAccessibility();
}

} // namespace varelo
