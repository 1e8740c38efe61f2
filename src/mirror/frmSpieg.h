#pragma once
// The mirror window: the controls of the mirror scene. Its handlers read their control,
// pass it to the controller and show what the controller says changed.
#include "canvas/ControlTable.h"
#include "canvas/DragLayer.h"
#include "canvas/MarkerOverlay.h"
#include "canvas/ZoomPan.h"
#include "mirror/MirrorController.h"
#include "mirror/MirrorScene.h"
#include "shell/Form.h"

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace varelo {

class HelpPanel;
class PictureBox;
class SpinButton;
class SymbolButton;

class frmSpieg : public Form {
    Q_OBJECT
public:
    frmSpieg();
    ~frmSpieg() override;
    void Form_Load() override;
    void Form_Unload() override;
    Scene *moduleScene() override { return &scene; }
    void resetModuleScene() override { scene = MirrorScene(); }
    void sceneReplaced() override;
    const ControlTable *controlTable() const override { return &ui; }

protected:
    void layoutForScreen() override;

public:

public slots:
    void Picture1_MouseDown(int button, int shift, float x, float y);
    void Picture1_MouseMove(int button, int shift, float x, float y);
    void Picture1_MouseUp(int button, int shift, float x, float y);
    void Picture1_DropLive(); // a touch held still: the ray being aimed goes unstored
    void HScroll2_Change();
    void HScroll5_Change();
    void Check3D_Click(); // any of the three ray options
    void Spin1_SpinDown();
    void Spin1_SpinUp();
    void Spin2_SpinDown();
    void Spin2_SpinUp();
    void Spin3_SpinDown();
    void Spin3_SpinUp();
    void Command5_Click(); // "Neues Objekt"
    void command1_Click(); // "Aktuelles Bündel löschen"
    void Command6_Click(); // "Neu beginnen"
    void Undo();           // Ctrl+Z: the last ray of the current bundle goes
    void Redo();           // Ctrl+Shift+Z, Ctrl+Y: it comes back
    void Command2_Click(); // "Markierungen löschen"
    void Command7_Click(); // help panel
    void Command8_Click(); // "Didaktische Bemerkung"
    void Command9_Click(); // "Menu"
    void Command3_Click(); // "Bild drucken"
    void Command4_Click(); // "Bild speichern"
    void Picture2_Click();
    void Picture3_Click();
    void Picture4_Click();
    void Picture5_Click();

public:
    // The whole picture anew.
    void Redraw() override;
    // The screen's table: the presentation look while it is on.
    const Styles &screenStyles() const { return scene.view.presentation ? kPresentMirrorStyles : kScreenMirrorStyles; }
    // The chosen layers of the scene on the picture; with Layer::Live, the live ray and
    // mark over the kept picture of the rest.
    void redraw(Layers layers);

    MirrorScene scene;
    MirrorController control{scene};
    std::unique_ptr<ZoomPan> zoom;
    std::unique_ptr<MarkerOverlay> markers;
    std::unique_ptr<HelpPanel> help;
    DragLayer drag;

    // Controls.
    PictureBox *Picture1;
    QLabel *Label10, *Label8, *label1, *Label5, *Label11, *Label12, *Label7, *Label2;
    QScrollBar *HScroll2, *HScroll5, *HScroll1, *VScroll1;
    QLineEdit *Text3, *Text6, *Text8, *Text9, *Text11, *Text10, *Text1, *Text2;
    QCheckBox *Check3D5, *Check3D2, *Check3D8;
    SpinButton *Spin1, *Spin2, *Spin3;
    SymbolButton *Picture2, *Picture3, *Picture4, *Picture5;
    QPushButton *Command2, *command1, *Command5, *Command6, *Command3, *Command4, *Command7,
        *Command8, *Command9;
    QLabel *Label6, *Label9;

private:
    ControlTable ui;
    void showDiameter();
    void layoutControls();
    // The changed texts, the redraw and the message of a controller's answer.
    void showUpdate(const MirrorUpdate &u);
};

} // namespace varelo
