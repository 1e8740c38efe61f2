#pragma once
// The refraction imaging window. For now: its caption, size and the buttons that
// switch windows (the imaging arrives with its own module).
#include "shell/Form.h"

class QPushButton;

namespace varelo {

class PictureBox;

class frmBre2 : public Form {
    Q_OBJECT
public:
    frmBre2();
    void Form_Load() override;
    void Form_Unload() override;
    void Command2_Click(); // "zum Strahlenverlauf"
    void Command5_Click(); // "Info" toggle
    void Command6_Click(); // "Menue"

    PictureBox *Picture1;
    QPushButton *Command2, *Command5, *Command6;
};

} // namespace varelo
