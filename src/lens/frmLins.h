#pragma once
// The lens window: the controls of the lens scene, the preset palette, the object points
// and the marker tools. Its handlers (frmLins.cpp) read their control, pass it to the
// controller and show what the controller says changed; its controls are made, finished
// and placed in LensControls.cpp.
#include "canvas/ControlTable.h"
#include "canvas/DragLayer.h"
#include "canvas/MarkerOverlay.h"
#include "canvas/ZoomPan.h"
#include "lens/LensController.h"
#include "lens/LensScene.h"
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

class frmLins : public Form {
    Q_OBJECT
public:
    frmLins();
    ~frmLins() override;
    void Form_Load() override;
    void Form_Unload() override;
    Scene *moduleScene() override { return &scene; }
    void resetModuleScene() override { scene = LensScene(); }
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
    void HScroll3_Change(); // R1 (right)
    void HScroll2_Change(); // R2 (left)
    void HScroll4_Change(); // thickness
    void HScroll5_Change(); // diameter
    void HScroll6_Change(); // index
    void Check3D_Click();   // any of the seven ray options
    // Preset field i (1 .. 10): the left button loads it, the right one stores the lens.
    void Preset_MouseDown(int i, int button);
    void Spin1_SpinDown();
    void Spin1_SpinUp();
    void Spin2_SpinDown();
    void Spin2_SpinUp();
    void Spin3_SpinDown();
    void Spin3_SpinUp();
    void Command5_Click(); // "Neues Objekt"
    void Command7_Click(); // "Aktuelles Bündel löschen"
    void Command6_Click(); // "Neu beginnen"
    void Undo();           // Ctrl+Z: the last ray of the current bundle goes
    void Redo();           // Ctrl+Shift+Z, Ctrl+Y: it comes back
    void Command2_Click(); // "Markierungen löschen"
    void Command8_Click(); // "Didaktische Bemerkungen"
    void Command9_Click(); // "Menue"
    void Picture2_Click();
    void Picture3_Click();
    void Picture4_Click();
    void Picture5_Click();
    void Picture6_Click(); // protractor symbol
    void Picture7_Click(); // angle graph symbol
    void Picture8_MouseDown(int button, int shift, float x, float y); // reading the graph
    void command1_Click(); // "Info": the operating notes
    void Command3_Click(); // "Bild drucken"
    void Command4_Click(); // "Bild speichern"

public:
    // The graph and its caption for the present index; earlier reading lines vanish.
    void paintGraph();
    // The whole picture anew.
    void Redraw() override;
    void viewChanged() override;
    // The screen's table: the presentation look while it is on.
    const Styles &screenStyles() const { return scene.view.presentation ? kPresentLensStyles : kScreenLensStyles; }
    // The chosen layers of the scene on the picture; with Layer::Live, the live ray and
    // mark over the kept picture of the rest.
    void redraw(Layers layers);

    LensScene scene;
    LensController control{scene};
    std::unique_ptr<ZoomPan> zoom;
    std::unique_ptr<MarkerOverlay> markers;
    std::unique_ptr<HelpPanel> help;
    DragLayer drag;
    int16_t protractorMode = 0;
    int presetShown = 0; // the highlighted preset field, 0 none

    // Controls.
    PictureBox *Picture1, *Picture8;
    QLabel *Label40;
    QScrollBar *HScroll1, *VScroll1, *HScroll2, *HScroll3, *HScroll4, *HScroll5, *HScroll6;
    QLabel *Label10, *Label2, *label1, *Label3, *Label5, *Label8, *Label25, *Label11, *Label12, *Label7,
        *Label35, *Label6, *Label9;
    QLabel *presetLabels[LensScene::kPresets + 1] = {}; // Label13 .. Label18, Label45 .. Label48
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text7, *Text8, *Text9, *Text10, *Text11;
    QCheckBox *Check3D1, *Check3D2, *Check3D3, *Check3D4, *Check3D5, *Check3D6, *Check3D8;
    SpinButton *Spin1, *Spin2, *Spin3;
    SymbolButton *Picture2, *Picture3, *Picture4, *Picture5, *Picture6, *Picture7;
    SymbolButton *presetFields[LensScene::kPresets + 1] = {}; // Picture9 .. Picture18
    QPushButton *Command2, *Command3, *Command4, *Command5, *Command6, *Command7, *Command8, *Command9,
        *command1;

private:
    ControlTable ui;

    void finishControls();
    void layoutControls();
    void showDiameter();
    void setPresetHighlight(int i);
    // The graph and its symbol's border as the scene's graphOn says.
    void showGraph();
    // The changed bars and boxes, the redraw and the message of a controller's answer.
    void showUpdate(const LensUpdate &u);
};

} // namespace varelo
