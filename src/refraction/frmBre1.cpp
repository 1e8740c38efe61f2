#include "refraction/frmBre1.h"

#include "canvas/PictureBox.h"
#include "canvas/Screen.h"
#include "canvas/WindowLayout.h"
#include "shell/Forms.h"

#include <QPushButton>

namespace varelo {

frmBre1::frmBre1() : Form(FormId::Bre1) {
    setWindowTitle(QStringLiteral("Brechung von Bündeln an einer ebenen Grenzfläche - Strahlenverlauf"));
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(192, 192, 192)));
    Picture1 = new PictureBox(this);
    Command5 = new QPushButton(QStringLiteral("zur Abbildung von Punkten"), this);
    Command3 = new QPushButton(QStringLiteral("Info"), this);
    Command7 = new QPushButton(QStringLiteral("Menue"), this);
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
}

void frmBre1::Form_Load() {
    const double W = 0.98 * Screen::widthTwips(), H = 0.95 * Screen::heightTwips() - kWindowFrameTwips;
    setClientTwips(1, 1, W, H);
    placeColumnPicture(Picture1, W, H);
    const double left = 0.75 * W + 0.01 * W;
    Screen::place(Command5, left, 0.70 * H, 0.22 * W, 0.05 * H);
    Screen::place(Command3, left, 0.76 * H, 0.22 * W, 0.05 * H);
    Screen::place(Command7, left, 0.82 * H, 0.22 * W, 0.05 * H);
}

void frmBre1::Command3_Click() {
    if (Forms::isVisible(FormId::BreI1)) {
        Forms::hide(FormId::BreI1);
        Command3->setText(QStringLiteral("Info"));
    } else {
        Forms::show(FormId::BreI1);
        Command3->setText(QStringLiteral("Info off"));
    }
}

void frmBre1::Command5_Click() {
    Forms::unload(FormId::Bre1);
    Forms::show(FormId::Bre2);
}

void frmBre1::Command7_Click() {
    for (FormId id : {FormId::Bre1, FormId::BreI1, FormId::BreI2, FormId::Bre2})
        Forms::unload(id);
    Forms::show(FormId::Varelo);
}

void frmBre1::Form_Unload() {
    for (FormId id : {FormId::Bre1, FormId::Bre2, FormId::BreI1, FormId::BreI2})
        Forms::unload(id);
    Forms::show(FormId::Varelo);
}

} // namespace varelo
