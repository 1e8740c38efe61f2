#pragma once
// The refraction imaging window: the controls of the imaging scene. The left button moves
// the eye, the right button the object point or, in the point-row mode, places row points.
// Its handlers read their control, pass it to the controller and show what it says changed.
#include "canvas/ControlTable.h"
#include "canvas/DragLayer.h"
#include "refraction/ImagingController.h"
#include "refraction/ImagingScene.h"
#include "shell/Form.h"

#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace varelo {

class PictureBox;

class frmBre2 : public Form {
    Q_OBJECT
public:
    frmBre2();
    void Form_Load() override;
    void Form_Unload() override;
    Scene *moduleScene() override { return &scene; }
    void resetModuleScene() override { scene = ImagingScene(); }
    void sceneReplaced() override;
    const ControlTable *controlTable() const override { return &ui; }

protected:
    void layoutForScreen() override;

public:

public slots:
    void Picture1_MouseDown(int button, int shift, float x, float y);
    void Picture1_MouseMove(int button, int shift, float x, float y);
    void Picture1_MouseUp(int button, int shift, float x, float y);
    void Picture1_DropLive(); // a touch held still: the eye being dragged stays where it was
    void HScroll1_Change();
    void Raster_Click();
    void Option3D_Click(); // either mode option
    void Command1_Click(); // "Löschen"
    void Undo();           // Ctrl+Z: the last row point goes
    void Redo();           // Ctrl+Shift+Z, Ctrl+Y: it comes back
    void Command2_Click(); // "zum Strahlenverlauf"
    void Command3_Click(); // "drucken"
    void Command4_Click(); // "speichern"
    void Command5_Click(); // "Info" toggle
    void Command6_Click(); // "Menue"

public:

    // The whole picture anew.
    void Redraw() override;
    // The screen's table: the presentation look while it is on.
    const Styles &screenStyles() const { return scene.view.presentation ? kPresentImagingStyles : kScreenImagingStyles; }
    // The chosen layers of the scene on the picture; with Layer::Live, the eye or point
    // being dragged over the kept picture of the rest.
    void redraw(Layers layers);

    ImagingScene scene;
    ImagingController control{scene};
    DragLayer drag;
    int16_t infoOn = 0;

    // Controls.
    PictureBox *Picture1;
    QLineEdit *Text1, *Text2, *Text3, *Text4;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7;
    QScrollBar *HScroll1;
    QRadioButton *Option3D1, *Option3D2;
    QCheckBox *Raster;
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6;

private:
    ControlTable ui;
    void layoutControls();
    void showIndexTexts();
    // The changed texts, the redraw, the raster and the message of an answer.
    void showUpdate(const ImagingUpdate &u);
};

} // namespace varelo
