#pragma once
// The lens window. For now: its caption, size and the buttons to its information
// window and back to the menu (the lens arrives with the lens module).
#include "shell/Form.h"

class QPushButton;

namespace varelo {

class PictureBox;

class frmLins : public Form {
    Q_OBJECT
public:
    frmLins();
    void Form_Load() override;
    void Form_Unload() override;
    void Command8_Click(); // "Didaktische Bemerkungen"
    void Command9_Click(); // "Menue"

    PictureBox *Picture1;
    QPushButton *Command8, *Command9;
};

} // namespace varelo
