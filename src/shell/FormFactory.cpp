#include "shell/FormFactory.h"

#include "canvas/PictureBox.h"
#include "core/NumRules.h"
#include "shell/Forms.h"
#include "shell/InfoWindow.h"
#include "shell/Modules.h"
#include "shell/frmVarelo.h"

#include <QApplication>
#include <QFont>
#include <QLocale>

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

void initApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Varelo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VARELO_VERSION));
    // The windows keep asking for the classic font; a Debian sans-serif stands in.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    const QString point = QLocale().decimalPoint();
    const char sep = point.isEmpty() ? '.' : point.at(0).toLatin1();
    SetDecimalSeparator(sep ? sep : '.');
    QApplication::setQuitOnLastWindowClosed(false);
    Forms::setFactory(createForm);
    installSymbolAccessibility();
}

} // namespace varelo
