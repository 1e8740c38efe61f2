#include "shell/FormFactory.h"

#include "canvas/PictureBox.h"
#include "core/NumRules.h"
#include "lens/frmLins.h"
#include "mirror/frmSpieg.h"
#include "refraction/frmBre1.h"
#include "refraction/frmBre2.h"
#include "shell/Forms.h"
#include "shell/InfoWindow.h"
#include "shell/frmVarelo.h"

#include <QApplication>
#include <QFont>
#include <QLocale>

namespace varelo {

Form *createForm(FormId id) {
    switch (id) {
    case FormId::Varelo:
        return new frmVarelo;
    case FormId::Spieg:
        return new frmSpieg;
    case FormId::Bre1:
        return new frmBre1;
    case FormId::Bre2:
        return new frmBre2;
    case FormId::Lins:
        return new frmLins;
    default:
        return createInfoWindow(id);
    }
}

void initApplication() {
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
