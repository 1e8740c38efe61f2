#include "shell/Modules.h"

#include "canvas/Screen.h"
#include "lens/frmLins.h"
#include "mirror/frmSpieg.h"
#include "refraction/frmBre1.h"
#include "refraction/frmBre2.h"
#include "shell/Forms.h"

#include <QtGlobal>

namespace varelo {

namespace {
template <typename W> Form *make() { return new W; }
template <typename S> std::unique_ptr<Scene> makeScene() { return std::make_unique<S>(); }
} // namespace

const std::vector<ModuleRow> &Modules() {
    static const std::vector<ModuleRow> rows{
        {FormId::Spieg, make<frmSpieg>, "mirror", makeScene<MirrorScene>, QT_TRANSLATE_NOOP("varelo::frmVarelo", "Reflexion"), {FormId::SpiegIn,
          QT_TRANSLATE_NOOP("varelo::InfoWindow", "Didaktische Hinweise zum Programm \" ebene und sphärische Spiegel\""),
          7365, 7860, 7335, 7815, 2, kMirrorInfoText},
         {FormId::SpiegIn}, {FormId::Spieg, FormId::SpiegIn}},
        {FormId::Bre1, make<frmBre1>, "ray-path", makeScene<RayPathScene>, QT_TRANSLATE_NOOP("varelo::frmVarelo", "Brechung"), {FormId::BreI1,
          QT_TRANSLATE_NOOP("varelo::InfoWindow", "Info zum Programm Brechung  an einer ebenen Fläche - Strahlenverlauf"),
          12885, 8775, 7335, 8295, 1, kRayPathInfoText},
         {FormId::Bre2, FormId::BreI1, FormId::BreI2}, {FormId::Bre1, FormId::BreI1, FormId::BreI2, FormId::Bre2}},
        {FormId::Bre2, make<frmBre2>, "imaging", makeScene<ImagingScene>, nullptr,
         {FormId::BreI2,
          QT_TRANSLATE_NOOP("varelo::InfoWindow", "Info zum Programm Brechung an einer ebenen Fläche - Abbildung von Punkten"),
          14055, 8595, 7335, 8295, 1, kImagingInfoText},
         {FormId::Bre1},
         {FormId::Bre1, FormId::Bre2, FormId::BreI1, FormId::BreI2}},
        // Closing the lens window leaves its information window open; "Menue" closes both.
        {FormId::Lins, make<frmLins>, "lens", makeScene<LensScene>, QT_TRANSLATE_NOOP("varelo::frmVarelo", "Linsen"), {FormId::LinsInf, QT_TRANSLATE_NOOP("varelo::InfoWindow", "Informationen zum Programm SPHÄRISCHE LINSEN"),
          7605, 8340, 7335, 7815, 2, kLensInfoText},
         {},
         {FormId::Lins, FormId::LinsInf}},
    };
    return rows;
}

const ModuleRow *ModuleOfInfo(FormId info) {
    for (const ModuleRow &row : Modules())
        if (row.info.id == info)
            return &row;
    return nullptr;
}

const ModuleRow *ModuleOf(FormId window) {
    for (const ModuleRow &row : Modules())
        if (row.window == window)
            return &row;
    return nullptr;
}

const ModuleRow *ModuleOfLesson(const std::string &lessonName) {
    for (const ModuleRow &row : Modules())
        if (lessonName == row.lessonName)
            return &row;
    return nullptr;
}

void UnloadModule(FormId window) {
    Screen::setMousePointer(Screen::kArrow); // an armed tool must not leave its cross-hair behind
    if (const ModuleRow *row = ModuleOf(window))
        for (FormId id : row->unloadedWith)
            Forms::unload(id);
    Forms::show(FormId::Varelo);
}

} // namespace varelo
