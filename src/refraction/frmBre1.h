#pragma once
// The refraction ray-path window. For now: its caption, size and the buttons that
// switch windows (the optics arrive with the ray-path module).
#include "shell/Form.h"

class QPushButton;

namespace varelo {

class PictureBox;

class frmBre1 : public Form {
    Q_OBJECT
public:
    frmBre1();
    void Form_Load() override;
    void Form_Unload() override;
    void Command3_Click(); // "Info" toggle
    void Command5_Click(); // "zur Abbildung von Punkten"
    void Command7_Click(); // "Menue"

    PictureBox *Picture1;
    QPushButton *Command3, *Command5, *Command7;
};

} // namespace varelo
