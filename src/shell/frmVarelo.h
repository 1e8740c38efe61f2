#pragma once
// The main menu: opens the three modules and ends the program.
#include "shell/Form.h"

class QLabel;
class QPushButton;

namespace varelo {

class frmVarelo : public Form {
    Q_OBJECT
public:
    frmVarelo();
    void Form_Load() override;
    void Form_Unload() override;
    void Command1_Click(); // "Reflexion"
    void Command2_Click(); // "Brechung"
    void Command3_Click(); // "Linsen"
    void Command4_Click(); // "Ende"

    QLabel *Label1;
    QPushButton *Command1, *Command2, *Command3, *Command4;

private:
    void openModule(FormId id);
};

} // namespace varelo
