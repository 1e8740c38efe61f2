#include "shell/FormFactory.h"
#include "shell/Forms.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    varelo::initApplication();
    varelo::Forms::setOnAllUnloaded([] { QCoreApplication::exit(0); });
    varelo::Forms::show(varelo::FormId::Varelo);
    return app.exec();
}
