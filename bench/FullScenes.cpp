#include "FullScenes.h"

#include "lens/frmLins.h"
#include "mirror/frmSpieg.h"
#include "refraction/frmBre1.h"
#include "refraction/frmBre2.h"
#include "shell/Forms.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QScrollBar>

namespace varelo {

// 25 point marks, ten eyes, the screen line at lineX and the raster, as a user places them.
namespace {
template <class W> void placeEveryMarker(W *w, float lineX) {
    for (int i = 0; i < 25; ++i) {
        w->Picture2_Click();
        if (!w->markers->markPointMode)
            w->Picture2_Click();
        w->Picture1_MouseDown(1, 0, -1500 + 50 * i, 700);
        w->Picture1_MouseUp(1, 0, -1500 + 50 * i, 700);
    }
    for (int i = 0; i < 10; ++i) {
        w->Picture3_Click();
        if (!w->markers->markEyeMode)
            w->Picture3_Click();
        w->Picture1_MouseDown(1, 0, -1800 + 150 * i, 850);
        w->Picture1_MouseUp(1, 0, -1800 + 150 * i, 850);
    }
    w->Picture5_Click();
    w->Picture1_MouseDown(1, 0, lineX, 0);
    w->Picture1_MouseUp(1, 0, lineX, 0);
    w->Picture4_Click();
}

} // namespace

frmSpieg *fullMirrorScene() {
    auto *w = qobject_cast<frmSpieg *>(Forms::show(FormId::Spieg));
    w->HScroll2->setValue(14); // concave
    for (int k = 1; k <= 10; ++k) {
        if (k > 1)
            w->Command5_Click();
        w->Picture1_MouseDown(2, 0, -1900 + 60 * k, -600 + 110 * k);
        w->Picture1_MouseUp(2, 0, -1900 + 60 * k, -600 + 110 * k);
        for (int j = 0; j < 100; ++j) {
            const float y = -560 + 11.2f * j;
            w->Picture1_MouseDown(1, 0, -200, y);
            w->Picture1_MouseUp(1, 0, -200, y);
        }
    }
    for (QCheckBox *c : {w->Check3D2, w->Check3D5, w->Check3D8})
        c->setChecked(true);
    placeEveryMarker(w, -300);
    return w;
}

frmBre1 *fullRayPathScene() {
    auto *w = qobject_cast<frmBre1 *>(Forms::show(FormId::Bre1));
    for (int i = 0; i < 100; ++i) {
        const float x = -995 + 20 * i;
        w->Picture1_MouseDown(1, 0, x / 2, 250);
        w->Picture1_MouseUp(1, 0, x / 2, 250);
    }
    for (QCheckBox *c : {w->Check3D2, w->Check3D3, w->Check3D4, w->Check3D5})
        c->setChecked(true);
    w->Picture3_Click();
    w->Picture1_MouseDown(1, 0, 200, 0);
    w->Picture1_MouseUp(1, 0, 200, 0);
    w->Picture4_MouseDown();
    return w;
}

frmLins *fullLensScene() {
    auto *w = qobject_cast<frmLins *>(Forms::show(FormId::Lins));
    w->HScroll4->setValue(600); // a thick biconvex lens
    for (int k = 1; k <= 10; ++k) {
        if (k > 1)
            w->Command5_Click();
        w->Picture1_MouseDown(2, 0, -1950 + 60 * k, -500 + 100 * k);
        w->Picture1_MouseUp(2, 0, -1950 + 60 * k, -500 + 100 * k);
        for (int j = 0; j < 100; ++j) {
            const float y = -480 + 9.6f * j;
            w->Picture1_MouseDown(1, 0, -200, y);
            w->Picture1_MouseUp(1, 0, -200, y);
        }
    }
    for (QCheckBox *c : {w->Check3D2, w->Check3D3, w->Check3D4, w->Check3D5, w->Check3D6, w->Check3D8})
        c->setChecked(true);
    placeEveryMarker(w, 1500);
    return w;
}

frmBre2 *fullImagingScene() {
    auto *w = qobject_cast<frmBre2 *>(Forms::show(FormId::Bre2));
    w->Raster->setChecked(true);
    w->Option3D2->setChecked(true);
    for (int i = 0; i < 100; ++i) {
        const float x = -900 + 18 * i, y = 150 + 6 * i;
        w->Picture1_MouseDown(2, 0, x, y);
        w->Picture1_MouseUp(2, 0, x, y);
    }
    return w;
}

} // namespace varelo
