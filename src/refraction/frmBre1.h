#pragma once
// The refraction ray-path window: the controls of the ray-path scene, its own markers and
// the angle diagram in a picture of its own. Its handlers read their control, pass it to
// the controller and show what the controller says changed.
#include "canvas/ControlTable.h"
#include "canvas/DragLayer.h"
#include "refraction/RayPathController.h"
#include "refraction/RayPathScene.h"
#include "shell/Form.h"

#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace varelo {

class PictureBox;
class SymbolButton;

class frmBre1 : public Form {
    Q_OBJECT
public:
    frmBre1();
    void Form_Load() override;
    void Form_Unload() override;
    Scene *moduleScene() override { return &scene; }
    void resetModuleScene() override { scene = RayPathScene(); }
    void sceneReplaced() override;
    const ControlTable *controlTable() const override { return &ui; }

protected:
    void layoutForScreen() override;

public:

public slots:
    void Picture1_MouseDown(int button, int shift, float x, float y);
    void Picture1_MouseMove(int button, int shift, float x, float y);
    void Picture1_MouseUp(int button, int shift, float x, float y);
    void Picture1_DropLive(); // a touch held still: the previewed ray or mark goes unstored
    void Picture6_MouseDown(int button, int shift, float x, float y);
    void Check3D_Click(); // any of the five options
    void HScroll1_Change();
    void Command1_Click(); // "Strahlen löschen"
    void Undo();           // Ctrl+Z: the last ray goes
    void Redo();           // Ctrl+Shift+Z, Ctrl+Y: it comes back
    void Command3_Click(); // "Info"
    void Command4_Click(); // "Markierungen löschen"
    void Command5_Click(); // "zur Abbildung von Punkten"
    void Command7_Click(); // "Menue"
    void Command2_Click(); // "drucken"
    void Command6_Click(); // "speichern"
    void Picture5_Click(); // point symbol
    void Picture2_Click(); // eye symbol
    void Picture3_Click(); // protractor symbol
    void Picture4_MouseDown(); // diagram symbol

public:
    // The whole picture anew.
    void Redraw() override;
    void viewChanged() override;
    // The screen's table: the presentation look while it is on.
    const Styles &screenStyles() const { return scene.view.presentation ? kPresentRayPathStyles : kScreenRayPathStyles; }
    // The chosen layers of the scene on the picture; with Layer::Live, the live ray or
    // mark over the kept picture of the rest.
    void redraw(Layers layers);
    void DrawAngleDiagram();

    RayPathScene scene;
    RayPathController control{scene};
    DragLayer drag;
    // The armed tools, as the controller keeps them.
    const int16_t &pointMode = control.armed(PathTool::Point);
    const int16_t &eyeMode = control.armed(PathTool::Eye);
    const int16_t &protractorMode = control.armed(PathTool::Protractor);
    int16_t infoOn = 0;

    // Controls.
    PictureBox *Picture1, *Picture6;
    SymbolButton *Picture5, *Picture2, *Picture3, *Picture4;
    QLineEdit *Text1, *Text4, *Text3, *Text2;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9;
    QScrollBar *HScroll1;
    QCheckBox *Check3D1, *Check3D2, *Check3D3, *Check3D4, *Check3D5;
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6, *Command7;

private:
    ControlTable ui;
    void layoutControls();
    void showIndexTexts();
    QString diagramCaption() const;
    // The changed texts and symbols, the diagram, the redraw and the message of an answer.
    void showUpdate(const RayPathUpdate &u);
};

} // namespace varelo
