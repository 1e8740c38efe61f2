#pragma once
// The mirror window: a plane, concave or convex mirror, up to ten object points with
// their bundles, the marker overlay, zoom and pan, and the help panel.
#include "canvas/MarkerOverlay.h"
#include "canvas/ZoomPan.h"
#include "mirror/MirrorOptics.h"
#include "shell/Form.h"

#include <QImage>
#include <QMap>
#include <cstdint>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace varelo {

class PictureBox;
class SpinButton;
class SymbolButton;

// Line widths of the mirror scene: one table for the screen, one for the printer.
struct MirrorWidths {
    int objectDot;
    int ray;
    int mirror;
};
extern const MirrorWidths kScreenMirrorWidths;
extern const MirrorWidths kPrinterMirrorWidths;

class frmSpieg : public Form, private MarkerHost {
    Q_OBJECT
public:
    static constexpr int kMaxObjects = 10;
    static constexpr int kMaxRays = 100;

    frmSpieg();
    ~frmSpieg() override;
    void Form_Load() override;
    void Form_Unload() override;

    // Event handlers.
    void Picture1_MouseDown(int button, int shift, float x, float y);
    void Picture1_MouseMove(int button, int shift, float x, float y);
    void Picture1_MouseUp(int button, int shift, float x, float y);
    void HScroll2_Change();
    void HScroll5_Change();
    void Check3D2_Click();
    void Check3D5_Click();
    void Check3D8_Click();
    void Spin1_SpinDown();
    void Spin1_SpinUp();
    void Spin2_SpinDown();
    void Spin2_SpinUp();
    void Spin3_SpinDown();
    void Spin3_SpinUp();
    void Command5_Click(); // "Neues Objekt"
    void command1_Click(); // "Aktuelles Bündel löschen"
    void Command6_Click(); // "Neu beginnen"
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

    // Drawing, one routine per element for screen and printer.
    void Redraw();
    void DrawMirror(Surface &s, const MirrorWidths &w);
    // Draws the object points and rays, then the markers unless mw is null.
    void DrawBundles(Surface &s, const MirrorWidths &w, const MarkerWidths *mw);
    void DrawTrialRay();

    // State.
    float pi = 0;
    MirrorParams mirror;
    float arcHalfAngle = 0;
    int16_t objectCount = 1;
    float objX[kMaxObjects + 1] = {}, objY[kMaxObjects + 1] = {};
    int16_t rayCount[kMaxObjects + 1] = {};
    float rayX[kMaxObjects + 1][kMaxRays + 1] = {}, rayY[kMaxObjects + 1][kMaxRays + 1] = {};
    float rayLength = 4000;
    float hitX = 0, hitY = 0, trialEndX = 0, trialEndY = 0, trialBackX = 0, trialBackY = 0;
    int16_t helpShown = 0;
    std::unique_ptr<ZoomPan> zoom;
    std::unique_ptr<MarkerOverlay> markers;
    // The live ray is drawn over a cached layer of the rest of the scene; off, every
    // drag frame re-traces and re-draws all stored rays (kept for comparison).
    bool dragCacheEnabled = true;

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
    QMap<QString, QLabel *> helpLabels; // "Label22", "Label19", ...

private:
    // MarkerHost
    void currentObjectPoint(float &x, float &y) const override;
    float currentZoomFactor() const override;
    void redrawWithoutRaster() override;
    void repairScene() override;
    void redrawAfterClear() override;
    void refuse(const char *message) override;

    void createControls();
    void createHelpLabels();
    void layoutControls();
    void layoutHelpLabels();
    void setHelpVisible(bool shown);
    void showObjectTexts();
    void moveObjectTo(float x, float y, bool press);
    void followTrialRay(float x, float y);
    void storeTrialRay(float x, float y);
    void eraseTrialRay(float mouseX, float mouseY);
    void redrawAfterObjectChange();
    void drawObjectPoints(Surface &s, int width);

    bool trialActive_ = false;  // a left press without a marker tool is being dragged
    bool trialHasHit_ = false;  // the live ray met the mirror's line or circle
    QImage dragLayer_;
    bool dragLayerValid_ = false;
};

} // namespace varelo
