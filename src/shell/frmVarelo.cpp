#include "shell/frmVarelo.h"

#include "canvas/Screen.h"
#include "canvas/WindowLayout.h"
#include "shell/Forms.h"
#include "shell/ModuleMenu.h"
#include "shell/Modules.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace varelo {

namespace {
constexpr double kClientHeight = 2640;
// The module buttons side by side, "Ende" under the middle one (twips).
constexpr double kButtonLeft = 360, kButtonStep = 2640, kButtonTop = 720, kButtonWidth = 2295, kButtonHeight = 615;
constexpr double kEndLeft = 3000, kEndTop = 1680, kRightMargin = 765;
} // namespace

frmVarelo::frmVarelo() : Form(FormId::Varelo) {
    setWindowTitle(QStringLiteral("Varelo"));
    setFont(classicFont(8.25));
    InstallMainMenu(this);
    QWidget *area = clientArea();
    Label1 = new QLabel(tr("Wandlung von Lichtbündeln durch ..."), area);
    Label1->setFont(classicFont(13.5));
    for (const ModuleRow &row : Modules()) {
        if (!row.menuCaption)
            continue;
        const double left = kButtonLeft + kButtonStep * double(moduleButtons.size());
        auto *b = new QPushButton(tr(row.menuCaption), area);
        b->setFont(classicFont(12));
        Screen::place(b, left, kButtonTop, kButtonWidth, kButtonHeight);
        const size_t i = moduleButtons.size();
        connect(b, &QPushButton::clicked, this, [this, i] { openModule(i); });
        moduleButtons.push_back(b);
        menuModules_.push_back(row.window);
    }
    Command1 = moduleButtons.at(0);
    Command2 = moduleButtons.at(1);
    Command3 = moduleButtons.at(2);
    Command4 = new QPushButton(tr("Ende"), area);
    Command4->setFont(classicFont(12));
    Screen::place(Label1, 1440, 120, 5535, 495);
    // The stand-in font may be wider than the original: never cut the heading off.
    Label1->resize(std::max(Label1->width(), Label1->sizeHint().width()), Label1->height());
    Screen::place(Command4, kEndLeft, kEndTop, kButtonWidth, kButtonHeight);
    // Tab order: the modules, (heading), Ende.
    std::vector<QWidget *> chain(moduleButtons.begin(), moduleButtons.end());
    chain.push_back(Command4);
    setTabChain(chain);
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
}

void frmVarelo::Form_Load() {
    const double width = kButtonLeft + kButtonStep * double(moduleButtons.size() - 1) + kButtonWidth + kRightMargin;
    // The top edge is at half the screen's width, but the window stays on the screen.
    const double bar = (clientArea()->y()) * Screen::twipsPerPixel();
    const double top = std::max(1.0, std::min(Screen::widthTwips() / 2.0,
                                              Screen::heightTwips() - kClientHeight - bar - kWindowFrameTwips));
    setClientTwips(1, top, width, kClientHeight);
    setFixedSize(size());
}

void frmVarelo::openModule(size_t i) {
    const FormId id = menuModules_.at(i);
    Forms::load(id);
    Forms::hide(FormId::Varelo);
    Forms::show(id);
}

void frmVarelo::Command1_Click() { openModule(0); }
void frmVarelo::Command2_Click() { openModule(1); }
void frmVarelo::Command3_Click() { openModule(2); }

void frmVarelo::Command4_Click() {
    for (const ModuleRow &row : Modules()) {
        Forms::unload(row.info.id);
        Forms::unload(row.window);
    }
    Forms::unload(FormId::Varelo);
    Forms::endProgram();
}

void frmVarelo::Form_Unload() {
    // Information windows do not outlive the menu; open modules keep the program running.
    Forms::unload(FormId::Varelo);
    for (const ModuleRow &row : Modules())
        Forms::unload(row.info.id);
}

} // namespace varelo
