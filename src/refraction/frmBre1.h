#pragma once
// The refraction ray-path window: one object point P on either side of a plane
// interface, rays traced by Snell's law with partial and total reflection, points,
// eyes, a protractor and the angle diagram.
#include "refraction/RefractionOptics.h"
#include "shell/Form.h"

#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace varelo {

class PictureBox;
class Surface;
class SymbolButton;

// Line widths of the ray-path scene for one surface (screen or printer).
struct RayPathWidths {
    int objectDot;
    int interface;
    int markDot;
};
extern const RayPathWidths kScreenRayPathWidths;
extern const RayPathWidths kPrinterRayPathWidths;

class frmBre1 : public Form {
    Q_OBJECT
public:
    static constexpr int kMaxRays = 100;
    static constexpr int kMaxPoints = 20;
    static constexpr int kMaxEyes = 20;

    frmBre1();
    void Form_Load() override;
    void Form_Unload() override;

    void Picture1_MouseDown(int button, int shift, float x, float y);
    void Picture1_MouseMove(int button, int shift, float x, float y);
    void Picture1_MouseUp(int button, int shift, float x, float y);
    void Picture6_MouseDown(int button, int shift, float x, float y);
    void Check3D_Click(); // any of the five options
    void HScroll1_Change();
    void Command1_Click(); // "Strahlen löschen"
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

    // Drawing, one routine per element for screen and printer.
    void DrawAllRays();
    void DrawAllRaysOn(Surface &s, const RayPathWidths &w, float interfaceHalfLength);
    void DrawMarkersOn(Surface &s, const RayPathWidths &w);
    void DrawMarkers();
    bool DrawPreviewRay(float mouseX, float mouseY);
    void DrawEye(Surface &s, int i);
    static void DrawProtractor(Surface &s, float xc);
    void UpdateIndexRatio();
    void DrawAngleDiagram();
    void DiagramClick(float x, float y);
    void DrawDiagramIcon();
    void DrawDiagramIntoPicture(Surface &s);

    // State.
    float piVal = 0;
    float objX = 0, objY = 500;
    float relIndex = 1.33f, indexRatio = 1.33f;
    int16_t rayCount = 0;
    float rayHitX[kMaxRays + 1] = {};
    float hitX = 0;
    int16_t reflGrey = 200;
    RefractionTrace last; // the ray traced last, for erasing the preview
    float mouseX = 0, mouseY = 0;
    int16_t pointCount = 0;
    float pointX[kMaxPoints + 1] = {}, pointY[kMaxPoints + 1] = {};
    int16_t eyeCount = 0;
    float eyeX[kMaxEyes + 1] = {}, eyeY[kMaxEyes + 1] = {};
    float eyeDirX[kMaxEyes + 1] = {}, eyeDirY[kMaxEyes + 1] = {};
    int16_t pointMode = 0, eyeMode = 0, protractorMode = 0, protractorOn = 0;
    float protractorX = 0;
    int16_t diagramOn = 0, infoOn = 0;

    // Controls.
    PictureBox *Picture1, *Picture6;
    SymbolButton *Picture5, *Picture2, *Picture3, *Picture4;
    QLineEdit *Text1, *Text4, *Text3, *Text2;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9;
    QScrollBar *HScroll1;
    QCheckBox *Check3D1, *Check3D2, *Check3D3, *Check3D4, *Check3D5;
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6, *Command7;

private:
    void createControls();
    void layoutControls();
    void traceAndDraw(Surface &s, const RefractionTrace &t, int grey);
    void eraseLastPreview();
    void eraseEye(float x, float y);
    void showIndexTexts();
    void releaseSymbol(SymbolButton *symbol, int16_t &mode);
    void showDiagram(bool shown);
    void refuse(const QString &message);

    bool rayDrag_ = false;      // a left press without a marker tool started a ray
    bool previewValid_ = false; // the last preview found a hit point
    bool markPress_ = false;    // a left press placed or is placing a mark
};

} // namespace varelo
