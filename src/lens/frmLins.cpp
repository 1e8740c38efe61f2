#include "lens/frmLins.h"

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
#include "core/ObjectBundles.h"
#include "shell/Forms.h"
#include "shell/Modules.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace varelo {

void frmLins::Form_Load() {
    layoutControls();
    zoom->Load();
    scene = LensScene();
    markers->Load();
    help->Load();
    LensUpdate u = control.sceneReplaced();
    // The first picture: the lens and the first object point.
    u.layers = Layer::Element | Layer::Bundles;
    showUpdate(u);
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

void frmLins::HScroll3_Change() {
    showUpdate(control.rightRadiusBar(HScroll3->value(), HScroll3->isSliderDown()));
}
void frmLins::HScroll2_Change() {
    showUpdate(control.leftRadiusBar(HScroll2->value(), HScroll2->isSliderDown()));
}
void frmLins::HScroll4_Change() {
    showUpdate(control.thicknessBar(HScroll4->value(), HScroll4->isSliderDown()));
}
void frmLins::HScroll5_Change() { showUpdate(control.diameterBar(HScroll5->value())); }
void frmLins::HScroll6_Change() { showUpdate(control.indexBar(HScroll6->value())); }

void frmLins::Check3D_Click() {
    showUpdate(control.options({Check3D1->isChecked(), Check3D4->isChecked(), Check3D2->isChecked(),
                                Check3D5->isChecked(), Check3D3->isChecked(), Check3D6->isChecked(),
                                Check3D8->isChecked()}));
}

void frmLins::Preset_MouseDown(int i, int button) { showUpdate(control.presetField(i, button)); }

void frmLins::setPresetHighlight(int i) {
    presetShown = i;
    for (int j = 1; j <= LensScene::kPresets; ++j)
        presetFields[j]->setBorderStyle(j == i ? 1 : 0);
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

// ---- What the controller says ----

namespace {
void setBar(QScrollBar *bar, int value) {
    const QSignalBlocker b(bar);
    bar->setValue(value);
}
} // namespace

void frmLins::showDiameter() {
    setBar(HScroll5, CInt(scene.lens.semiDiameter));
    Text6->setText(qs(control.diameterText()));
}

void frmLins::showUpdate(const LensUpdate &u) {
    const LensParams &p = scene.lens;
    if (u.r1Changed) {
        setBar(HScroll3, p.k1);
        Text4->setText(qs(control.rightRadiusText(u.plane)));
    }
    if (u.r2Changed) {
        setBar(HScroll2, -p.k2);
        Text3->setText(qs(control.leftRadiusText(u.plane)));
    }
    if (u.thicknessChanged) {
        setBar(HScroll4, CInt(p.thickness));
        Text5->setText(qs(control.thicknessText()));
    }
    if (u.indexChanged) {
        setBar(HScroll6, CInt(100 * p.refrIndex));
        Text7->setText(qs(control.indexText()));
    }
    if (u.diameterChanged)
        showDiameter();
    if (u.objectXChanged)
        Text8->setText(qs(control.objectXText()));
    if (u.objectYChanged)
        Text9->setText(qs(control.objectYText()));
    if (u.hint)
        Label6->setText(QCoreApplication::translate(kBundleTextContext, u.hint));
    if (u.objectsChanged)
        Text11->setText(qs(control.objectNumberText(u.hint != nullptr)));
    if (u.highlight >= 0)
        setPresetHighlight(u.highlight);
    if (u.storedPreset)
        presetFields[u.storedPreset]->redrawSymbol();
    if (u.protractorDone) {
        protractorMode = 0;
        Picture6->setBorderStyle(0);
    }
    if (u.graphChanged) {
        Picture7->redrawSymbol(); // its face shows the index
        showGraph();
    }
    if (u.newObjectPoint) {
        scene.drawObjectPoint(*Picture1, screenStyles(), scene.objectCount);
        Picture1->SetDrawWidth(1);
    }
    if (u.newProtractor)
        scene.drawProtractor(*Picture1, screenStyles(), scene.protractorCount);
    if (u.layers)
        redraw(u.layers);
    if (u.message)
        Dialogs::instance().messageBox(QCoreApplication::translate(kBundleTextContext, u.message),
                                       true);
}

// ---- Mouse ----

void frmLins::Picture1_MouseDown(int button, int, float x, float y) {
    markers->computeRasterSteps();
    const LensUpdate u = control.mouseDown(button, x, y, markers->anyMode(), protractorMode != 0);
    if (u.pointer != MousePointer::Unchanged)
        Screen::setMousePointer(Screen::pointerFor(u.pointer));
    if (u.toMarkers)
        markers->MouseDown(x, y);
    showUpdate(u);
}

void frmLins::Picture1_MouseMove(int button, int, float x, float y) {
    Text1->setText(qs(control.pointerXText(x)));
    Text2->setText(qs(LensController::pointerYText(y)));
    const LensUpdate u = control.mouseMove(button, x, y, markers->anyMode());
    Picture1->setMousePointer(Screen::pointerFor(u.pointer));
    if (u.toMarkers)
        markers->MouseMove(x, y);
    showUpdate(u);
}

void frmLins::Picture1_MouseUp(int button, int, float x, float y) {
    const LensUpdate u = control.mouseUp(button, x, y, markers->anyMode());
    Screen::setMousePointer(Screen::pointerFor(u.pointer));
    Picture1->setMousePointer(Screen::pointerFor(u.pointer));
    if (u.toMarkers)
        markers->MouseUp(x, scene.currentX(), scene.currentY());
    showUpdate(u);
}

void frmLins::Picture1_DropLive() {
    markers->cancelPlacing();
    showUpdate(control.dropLive());
}

// ---- Object points ----

void frmLins::Spin2_SpinDown() { showUpdate(control.stepObject(ObjectStep::Right)); }
void frmLins::Spin2_SpinUp() { showUpdate(control.stepObject(ObjectStep::Left)); }
void frmLins::Spin3_SpinDown() { showUpdate(control.stepObject(ObjectStep::Down)); }
void frmLins::Spin3_SpinUp() { showUpdate(control.stepObject(ObjectStep::Up)); }
void frmLins::Spin1_SpinDown() { zoom->ZoomOut(); }
void frmLins::Spin1_SpinUp() { zoom->ZoomIn(); }
void frmLins::Command5_Click() { showUpdate(control.newObject()); }
void frmLins::Command7_Click() { showUpdate(control.clearBundle()); }
void frmLins::Undo() { showUpdate(control.undo()); }
void frmLins::Redo() { showUpdate(control.redo()); }
void frmLins::Command6_Click() { showUpdate(control.startAgain()); }

// ---- Markers and protractors ----

void frmLins::Picture2_Click() { markers->PointSymbol_Click(); }
void frmLins::Picture3_Click() { markers->EyeSymbol_Click(); }
void frmLins::Picture4_Click() { markers->RasterSymbol_Click(); }
void frmLins::Picture5_Click() { markers->LineSymbol_Click(); }
void frmLins::Command2_Click() {
    showUpdate(control.clearMarks());
    markers->ClearMarkers();
}

void frmLins::Picture6_Click() {
    Picture6->flipBorder();
    protractorMode = static_cast<int16_t>(Picture6->borderStyle());
    if (protractorMode)
        Screen::setMousePointer(Screen::kCrossHair);
}

// ---- Angle graph ----

void frmLins::paintGraph() {
    setFittedText(Label40, qs(control.graphCaption()));
    Picture8->drawAngleGraph(scene.lens.refrIndex, kLensGraphWidths, scene.view.presentation);
}

void frmLins::showGraph() {
    const bool shown = scene.graphOn != 0;
    Picture7->setBorderStyle(shown ? 1 : 0);
    if (shown)
        paintGraph();
    Picture8->setVisible(shown && help->helpShown == 0);
}

void frmLins::Picture7_Click() { showUpdate(control.angleGraph()); }

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
            DrawAngleGraphInBox(s, scene.lens.refrIndex, kLensGraphWidths, s.toWorldX(box.left()), s.toWorldY(box.top()),
                                box.width() * s.ScaleWidth() / s.deviceWidth(),
                                box.height() * s.ScaleHeight() / s.deviceHeight());
        }
    };
    if (!SavePictureFile(*Picture1, steps))
        Redraw(); // cancelled: the whole scene comes back
}

} // namespace varelo
