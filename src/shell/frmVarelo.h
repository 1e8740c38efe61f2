#pragma once
// The main menu: a button for each module of the module table, and "Ende".
#include "shell/Form.h"

#include <vector>

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
    // Opens the module of the i-th button (from 0).
    void openModule(size_t i);

    QLabel *Label1;
    QPushButton *Command1, *Command2, *Command3, *Command4;
    std::vector<QPushButton *> moduleButtons; // Command1, Command2, Command3, ...

private:
    std::vector<FormId> menuModules_;
};

} // namespace varelo
