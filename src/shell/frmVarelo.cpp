#include "shell/frmVarelo.h"

#include "canvas/Screen.h"
#include "canvas/WindowLayout.h"
#include "shell/Forms.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace varelo {

namespace {
constexpr double kClientWidth = 8700, kClientHeight = 2640;

} // namespace

frmVarelo::frmVarelo() : Form(FormId::Varelo) {
    setWindowTitle(QStringLiteral("Varelo"));
    setFont(classicFont(8.25));
    Label1 = new QLabel(QStringLiteral("Wandlung von Lichtbündeln durch ..."), this);
    Label1->setFont(classicFont(13.5));
    Command1 = new QPushButton(QStringLiteral("Reflexion"), this);
    Command2 = new QPushButton(QStringLiteral("Brechung"), this);
    Command3 = new QPushButton(QStringLiteral("Linsen"), this);
    Command4 = new QPushButton(QStringLiteral("Ende"), this);
    for (QPushButton *b : {Command1, Command2, Command3, Command4})
        b->setFont(classicFont(12));
    Screen::place(Label1, 1440, 120, 5535, 495);
    // The stand-in font may be wider than the original: never cut the heading off.
    Label1->resize(std::max(Label1->width(), Label1->sizeHint().width()), Label1->height());
    Screen::place(Command1, 360, 720, 2295, 615);
    Screen::place(Command2, 3000, 720, 2295, 615);
    Screen::place(Command3, 5640, 720, 2295, 615);
    Screen::place(Command4, 3000, 1680, 2295, 615);
    // Tab order: Reflexion, Brechung, Linsen, (heading), Ende.
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
}

void frmVarelo::Form_Load() {
    // The top edge is at half the screen's width, but the window stays on the screen.
    const double top = std::max(1.0, std::min(Screen::widthTwips() / 2.0,
                                              Screen::heightTwips() - kClientHeight - kWindowFrameTwips));
    setClientTwips(1, top, kClientWidth, kClientHeight);
    setFixedSize(size());
}

void frmVarelo::openModule(FormId id) {
    Forms::load(id);
    Forms::hide(FormId::Varelo);
    Forms::show(id);
}

void frmVarelo::Command1_Click() { openModule(FormId::Spieg); }
void frmVarelo::Command2_Click() { openModule(FormId::Bre1); }
void frmVarelo::Command3_Click() { openModule(FormId::Lins); }

void frmVarelo::Command4_Click() {
    for (FormId id : {FormId::BreI1, FormId::BreI2, FormId::Bre1, FormId::Bre2, FormId::Lins,
                      FormId::LinsInf, FormId::Spieg, FormId::SpiegIn, FormId::Varelo})
        Forms::unload(id);
    Forms::endProgram();
}

void frmVarelo::Form_Unload() {
    for (FormId id : {FormId::Varelo, FormId::LinsInf, FormId::SpiegIn, FormId::BreI1, FormId::BreI2})
        Forms::unload(id);
}

} // namespace varelo
