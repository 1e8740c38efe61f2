#include "shell/FormFactory.h"
#include "shell/Forms.h"
#include "shell/Lessons.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    varelo::initApplication();
    varelo::Forms::setOnAllUnloaded([] { QCoreApplication::exit(0); });
    varelo::Forms::show(varelo::FormId::Varelo);
    // "varelo FILE.varelo" (a double click in the file manager): a bad file gives its message
    // and leaves the main menu open.
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1)
        varelo::OpenLesson(args.at(1), varelo::FormId::Varelo);
    return app.exec();
}
