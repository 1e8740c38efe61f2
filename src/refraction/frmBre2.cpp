#include "refraction/frmBre2.h"

#include "canvas/PictureBox.h"
#include "canvas/Screen.h"
#include "canvas/WindowLayout.h"
#include "shell/Forms.h"

#include <QPushButton>

namespace varelo {

frmBre2::frmBre2() : Form(FormId::Bre2) {
    setWindowTitle(QStringLiteral(
        "Brechung von schlanken Bündeln an einer ebenen Grenzfläche - Abbildung von Punkten"));
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(192, 192, 192)));
    Picture1 = new PictureBox(this);
    Command2 = new QPushButton(QStringLiteral("zum Strahlenverlauf"), this);
    Command5 = new QPushButton(QStringLiteral("Info"), this);
    Command6 = new QPushButton(QStringLiteral("Menue"), this);
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
}

void frmBre2::Form_Load() {
    const double W = 0.98 * Screen::widthTwips(), H = 0.95 * Screen::heightTwips() - kWindowFrameTwips;
    setClientTwips(1, 1, W, H);
    placeColumnPicture(Picture1, W, H);
    const double left = 0.75 * W + 0.01 * W;
    Screen::place(Command2, left, 0.70 * H, 0.22 * W, 0.05 * H);
    Screen::place(Command5, left, 0.76 * H, 0.22 * W, 0.05 * H);
    Screen::place(Command6, left, 0.82 * H, 0.22 * W, 0.05 * H);
}

void frmBre2::Command2_Click() {
    Forms::unload(FormId::Bre2);
    Forms::unload(FormId::BreI2);
    Forms::show(FormId::Bre1);
}

void frmBre2::Command5_Click() {
    if (Forms::isVisible(FormId::BreI2)) {
        Forms::hide(FormId::BreI2);
        Command5->setText(QStringLiteral("Info"));
    } else {
        Forms::show(FormId::BreI2);
        Command5->setText(QStringLiteral("Info off"));
    }
}

void frmBre2::Command6_Click() { Forms::closeModule(FormId::Bre2); }

void frmBre2::Form_Unload() {
    Forms::unload(FormId::Bre2);
    Forms::unload(FormId::Bre1);
    Forms::show(FormId::Varelo);
}

} // namespace varelo
