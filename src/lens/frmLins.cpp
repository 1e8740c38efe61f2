#include "lens/frmLins.h"

#include "canvas/BundleActions.h"
#include "canvas/Dialogs.h"
#include "canvas/Hardcopy.h"
#include "canvas/HelpPanel.h"
#include "canvas/PictureBox.h"
#include "canvas/PrinterSurface.h"
#include "canvas/Screen.h"
#include "canvas/SpinButton.h"
#include "canvas/WindowLayout.h"
#include "core/AngleGraph.h"
#include "core/NumRules.h"
#include "shell/Forms.h"
#include "shell/Modules.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <cmath>

namespace varelo {

namespace {
// The graph in its own picture.
const AngleGraphWidths kGraphWidths{2, 2, 1, 3, 5, 1};

QString shown(float length) { return qs(ShownLength(length)); }
// A height as the user reads it: upwards.
QString shownY(float y) { return qs(ShownHeight(y)); }
} // namespace

void frmLins::Form_Load() {
    layoutControls();
    zoom->Load();
    scene = LensScene();
    showLensBars();
    showLensTexts(false);
    showObjectTexts();
    showObjectNumber();
    markers->Load();
    help->Load();
    showGraph(false);
    redraw(Layer::Element | Layer::Bundles);
}

// The layout changes the picture's size and scale: the view and the drawing are set again.
void frmLins::layoutForScreen() {
    layoutControls();
    zoom->setView(scene.zoomFactor, CInt(scene.panX), CInt(scene.panY));
    viewChanged();
}

void frmLins::Form_Unload() { UnloadModule(FormId::Lins); }

void frmLins::Command9_Click() { Forms::closeModule(FormId::Lins); }

void frmLins::Command8_Click() { Forms::show(FormId::LinsInf); }

// ---- Lens parameters ----

void frmLins::showLensBars() {
    const QSignalBlocker b3(HScroll3), b2(HScroll2), b4(HScroll4), b6(HScroll6);
    HScroll3->setValue(scene.lens.k1);
    HScroll2->setValue(-scene.lens.k2);
    HScroll4->setValue(CInt(scene.lens.thickness));
    HScroll6->setValue(CInt(100 * scene.lens.refrIndex));
}

QString frmLins::radiusText(int k, float r, bool fromPreset) const {
    if (k != 0)
        return shown(r);
    return fromPreset ? tr("plan") : tr(" plan");
}

void frmLins::showLensTexts(bool planFromPreset) {
    const LensParams &p = scene.lens;
    Text4->setText(radiusText(p.k1, p.r1, planFromPreset));
    Text3->setText(radiusText(p.k2, p.r2, planFromPreset));
    Text5->setText(shown(p.thickness));
    Text7->setText(qs(NumText(p.refrIndex)));
    showDiameter();
}

void frmLins::showDiameter() {
    const QSignalBlocker b(HScroll5);
    HScroll5->setValue(CInt(scene.lens.semiDiameter));
    Text6->setText(shown(2 * scene.lens.semiDiameter));
}

void frmLins::afterLensChange() {
    showDiameter();
    Redraw();
    setPresetHighlight(0);
}

void frmLins::HScroll3_Change() {
    scene.setRightCurvature(HScroll3->value(), HScroll3->isSliderDown() ? semiDiameterAtPress_ : 0);
    Text4->setText(radiusText(scene.lens.k1, scene.lens.r1, false));
    afterLensChange();
}

void frmLins::HScroll2_Change() {
    scene.setLeftCurvature(-HScroll2->value(), HScroll2->isSliderDown() ? semiDiameterAtPress_ : 0);
    Text3->setText(radiusText(scene.lens.k2, scene.lens.r2, false));
    afterLensChange();
}

void frmLins::HScroll4_Change() {
    const bool moved = scene.setThickness(static_cast<float>(HScroll4->value()),
                                          HScroll4->isSliderDown() ? semiDiameterAtPress_ : 0);
    Text5->setText(shown(scene.lens.thickness));
    if (moved)
        showObjectTexts();
    afterLensChange();
}

void frmLins::HScroll5_Change() {
    scene.setSemiDiameter(static_cast<float>(HScroll5->value()));
    afterLensChange();
}

void frmLins::HScroll6_Change() {
    scene.setRefrIndex(HScroll6->value() / 100.0f);
    Text7->setText(qs(NumText(scene.lens.refrIndex)));
    afterIndexChange();
    setPresetHighlight(0);
}

// The graph symbol and, while shown, the graph follow the index.
void frmLins::afterIndexChange() {
    Picture7->redrawSymbol();
    viewChanged();
}

void frmLins::setPresetHighlight(int i) {
    presetShown = i;
    for (int j = 1; j <= LensScene::kPresets; ++j)
        presetFields[j]->setBorderStyle(j == i ? 1 : 0);
}

void frmLins::Preset_MouseDown(int i, int button) {
    if (button == 2) {
        scene.storePreset(i);
        presetFields[i]->redrawSymbol();
        return;
    }
    if (button != 1)
        return;
    const bool moved = scene.loadPreset(i);
    showLensBars();
    showLensTexts(true);
    if (moved)
        showObjectTexts();
    afterIndexChange();
    setPresetHighlight(i);
    if (i == 4) {
        // Once loaded, the label of field 4 stays red.
        QPalette p = presetLabels[4]->palette();
        p.setColor(QPalette::Window, QColor(255, 0, 0));
        presetLabels[4]->setPalette(p);
    }
}

// ---- Drawing ----

void frmLins::Redraw() { redraw(kFullRedraw); }

void frmLins::redraw(Layers layers) {
    Picture1->setPresentation(scene.view.presentation, [this] { Redraw(); });
    drag.draw(*Picture1, layers, scene.key(), kFullRedraw, Layer::Raster,
              [this](Layers l) { scene.draw(*Picture1, screenStyles(), l); });
}

void frmLins::Check3D_Click() {
    scene.showTransmitted = Check3D1->isChecked();
    scene.extendTransmitted = Check3D4->isChecked();
    scene.showFront = Check3D2->isChecked();
    scene.extendFront = Check3D5->isChecked();
    scene.showBack = Check3D3->isChecked();
    scene.extendBack = Check3D6->isChecked();
    scene.showNormals = Check3D8->isChecked();
    Redraw();
}

// ---- Mouse ----

void frmLins::Picture1_MouseDown(int button, int, float x, float y) {
    markers->computeRasterSteps();
    if (button == 1 && markers->anyMode()) {
        markers->MouseDown(x, y);
    } else if (button == 1 && protractorMode) {
        placeProtractor(x, y);
    } else if (button == 1) {
        scene.aimTrial(x, y);
        redraw(Layer::Live);
    } else if (button == 2) {
        moveObjectTo(x, y);
    }
}

void frmLins::Picture1_MouseMove(int button, int, float x, float y) {
    Text1->setText(tr("x = ") + shown(scene.shownX(x)));
    Text2->setText(tr("y = ") + shownY(y));
    const bool nearP = std::fabs(scene.currentX() - x) < 100 && std::fabs(scene.currentY() - y) < 100;
    Picture1->setMousePointer(button == 2 && nearP ? Screen::kCrossHair : Screen::kArrow);
    if (button == 1 && markers->anyMode()) {
        markers->MouseMove(x, y);
    } else if (button == 1) {
        if (scene.trialActive) {
            scene.aimTrial(x, y);
            redraw(Layer::Live);
        }
    } else if (button == 2) {
        moveObjectTo(x, y);
    }
}

void frmLins::Picture1_MouseUp(int button, int, float x, float) {
    Screen::setMousePointer(Screen::kArrow);
    Picture1->setMousePointer(Screen::kArrow);
    if (button == 1 && markers->anyMode()) {
        markers->MouseUp(x, scene.currentX(), scene.currentY());
    } else if (button == 1 && scene.trialActive) {
        storeTrialRay();
    }
    // One click places one protractor.
    protractorMode = 0;
    Picture6->setBorderStyle(0);
}

void frmLins::Picture1_DropLive() {
    scene.endTrial();
    markers->cancelPlacing();
    Redraw();
}

void frmLins::storeTrialRay() {
    scene.endTrial();
    BundleActions::storeRay(scene, scene.trialHasEntry, scene.entryX, scene.entryY, [this] { Redraw(); });
}

void frmLins::moveObjectTo(float x, float y) {
    if (!scene.moveObject(x, y))
        return;
    Redraw();
    showObjectTexts();
}

// ---- Object points ----

void frmLins::showObjectX() { Text8->setText(tr("x=") + shown(scene.shownX(scene.currentX()))); }
void frmLins::showObjectY() { Text9->setText(tr("y=") + shownY(scene.currentY())); }
void frmLins::showObjectTexts() {
    showObjectX();
    showObjectY();
}

void frmLins::showObjectNumber() { Text11->setText(QStringLiteral("   ") + QString::number(scene.objectCount)); }

// Each spin button rewrites its own coordinate, also when the move is refused.
void frmLins::Spin2_SpinDown() { spun(scene.moveTowardsLens(), &frmLins::showObjectX); }
void frmLins::Spin2_SpinUp() { spun(scene.moveAwayFromElement(), &frmLins::showObjectX); }
void frmLins::Spin3_SpinDown() { spun(scene.moveDown(), &frmLins::showObjectY); }
void frmLins::Spin3_SpinUp() { spun(scene.moveUp(), &frmLins::showObjectY); }

void frmLins::spun(bool moved, void (frmLins::*showCoordinate)()) {
    if (moved)
        Redraw();
    (this->*showCoordinate)();
}

void frmLins::Spin1_SpinDown() { zoom->ZoomOut(); }
void frmLins::Spin1_SpinUp() { zoom->ZoomIn(); }

void frmLins::Command5_Click() {
    const float zf = zoom->zoomFactor;
    if (!BundleActions::newObject(scene, scene.newObjectX(zf), scene.newObjectY(zf), Label6, Text11,
                                  QStringLiteral(" ")))
        return;
    scene.drawObjectPoint(*Picture1, screenStyles(), scene.objectCount);
    Picture1->SetDrawWidth(1);
}

void frmLins::Command7_Click() {
    scene.clearCurrent();
    showObjectNumber();
    Redraw();
}

void frmLins::Undo() { BundleActions::undo(scene, scene.trialActive, [this] { Redraw(); }); }
void frmLins::Redo() { BundleActions::redo(scene, scene.trialActive, [this] { Redraw(); }); }

void frmLins::Command6_Click() {
    scene.startAgain(zoom->zoomFactor);
    showGraph(false);
    showObjectNumber();
    redraw(Layer::Clear | Layer::Element | Layer::Bundles);
}

// ---- Markers ----

void frmLins::Picture2_Click() { markers->PointSymbol_Click(); }
void frmLins::Picture3_Click() { markers->EyeSymbol_Click(); }
void frmLins::Picture4_Click() { markers->RasterSymbol_Click(); }
void frmLins::Picture5_Click() { markers->LineSymbol_Click(); }
void frmLins::Command2_Click() {
    scene.protractorCount = 0;
    showGraph(false);
    markers->ClearMarkers();
}

void frmLins::Picture6_Click() {
    Picture6->flipBorder();
    protractorMode = static_cast<int16_t>(Picture6->borderStyle());
    if (protractorMode)
        Screen::setMousePointer(Screen::kCrossHair);
}

void frmLins::placeProtractor(float x, float y) {
    Picture6->setBorderStyle(0);
    Screen::setMousePointer(Screen::kArrow);
    // An eleventh is not placed; the click only ends the mode.
    if (scene.placeProtractor(x, y))
        scene.drawProtractor(*Picture1, screenStyles(), scene.protractorCount);
}

// ---- Angle graph ----

void frmLins::paintGraph() {
    setFittedText(Label40, tr("Einfalls- und Brechungswinkel für n = ") + qs(NumText(scene.lens.refrIndex)));
    Picture8->drawAngleGraph(scene.lens.refrIndex, kGraphWidths, scene.view.presentation);
}

void frmLins::showGraph(bool shown) {
    scene.graphOn = shown ? 1 : 0;
    Picture7->setBorderStyle(shown ? 1 : 0);
    if (shown)
        paintGraph();
    Picture8->setVisible(shown && help->helpShown == 0);
}

void frmLins::Picture7_Click() {
    showGraph(Picture7->borderStyle() == 0);
    // The bundles are replayed over the present picture.
    redraw(Layer::Bundles | Layer::Markers);
}

void frmLins::Picture8_MouseDown(int button, int, float x, float y) {
    if (button == 1)
        DrawAngleReading(*Picture8, scene.lens.refrIndex, x, y);
}

// ---- Operating notes ----

void frmLins::command1_Click() {
    help->toggle();
    Picture8->setVisible(scene.graphOn && help->helpShown == 0);
}

// ---- Printing and saving ----

void frmLins::Command3_Click() {
    PrintHardcopy(scene, PageOrientation::Landscape, [this] { redraw(Layer::Element | Layer::Bundles); });
}

void frmLins::Command4_Click() {
    // The file holds the lens, the rays with the markers and protractors drawn after them,
    // and the graph while it is shown.
    constexpr Layers kSaved = Layer::Clear | Layer::Element | Layer::Bundles | Layer::Markers;
    SaveSteps steps{tr("Bitte geben Sie den Namen der Bilddatei an; als Extension sollten Sie.bmp verwenden! Falls Sie "
                         "auf Angabe eines Pfades verzichten, wird die Datei in jenem Ordner abgelegt, aus dem heraus Sie "
                         "das Programm gestartet haben."),
                    QStringLiteral("Linsen.bmp"), tr("Fehler beim Speichern!  Disk full?"), false};
    steps.beforeAsking = [this] {
        redraw(kSaved);
        if (scene.graphOn)
            Picture1->paintImage(Picture8->x(), Picture8->y(), Picture8->grab().toImage());
    };
    steps.afterWriting = [this] { redraw(kSaved); };
    steps.drawVector = [this](Surface &s) {
        scene.draw(s, screenStyles(), kSaved);
        if (scene.graphOn) {
            const QRect box = Picture8->geometry();
            DrawAngleGraphInBox(s, scene.lens.refrIndex, kGraphWidths, s.toWorldX(box.left()), s.toWorldY(box.top()),
                                box.width() * s.ScaleWidth() / s.deviceWidth(),
                                box.height() * s.ScaleHeight() / s.deviceHeight());
        }
    };
    if (!SavePictureFile(*Picture1, steps))
        Redraw(); // cancelled: the whole scene comes back
}

} // namespace varelo
