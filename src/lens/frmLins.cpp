#include "lens/frmLins.h"

#include "canvas/PictureBox.h"
#include "canvas/Screen.h"
#include "canvas/WindowLayout.h"
#include "shell/Forms.h"

#include <QPushButton>

namespace varelo {

frmLins::frmLins() : Form(FormId::Lins) {
    setWindowTitle(QStringLiteral("Sphärische Linsen  als Bündel-Wandler"));
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(192, 192, 192)));
    Picture1 = new PictureBox(this);
    Command8 = new QPushButton(QStringLiteral("Didaktische Bemerkungen"), this);
    Command9 = new QPushButton(QStringLiteral("Menue"), this);
    connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });
    connect(Command9, &QPushButton::clicked, this, [this] { Command9_Click(); });
}

void frmLins::Form_Load() {
    const double W = 0.98 * Screen::widthTwips(), H = 0.96 * Screen::heightTwips() - kWindowFrameTwips;
    setClientTwips(1, 1, W, H);
    placeWidePicture(Picture1, W, H);
    Screen::place(Command8, 0.85 * W, 0.80 * H, 0.14 * W, 0.05 * H);
    Screen::place(Command9, 0.85 * W, 0.86 * H, 0.14 * W, 0.05 * H);
}

void frmLins::Command8_Click() { Forms::show(FormId::LinsInf); }

void frmLins::Command9_Click() { Forms::closeModule(FormId::Lins); }

void frmLins::Form_Unload() { Forms::show(FormId::Varelo); }

} // namespace varelo
