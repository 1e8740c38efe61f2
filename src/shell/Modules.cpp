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
        {FormId::Spieg, make<frmSpieg>, "mirror", makeScene<MirrorScene>, QT_TRANSLATE_NOOP("varelo::frmVarelo", "Reflexion"), FormId::SpiegIn,
         {FormId::SpiegIn}, {FormId::Spieg, FormId::SpiegIn}},
        {FormId::Bre1, make<frmBre1>, "ray-path", makeScene<RayPathScene>, QT_TRANSLATE_NOOP("varelo::frmVarelo", "Brechung"), FormId::BreI1,
         {FormId::Bre2, FormId::BreI1, FormId::BreI2}, {FormId::Bre1, FormId::BreI1, FormId::BreI2, FormId::Bre2}},
        {FormId::Bre2, make<frmBre2>, "imaging", makeScene<ImagingScene>, nullptr, FormId::BreI2, {FormId::Bre1},
         {FormId::Bre1, FormId::Bre2, FormId::BreI1, FormId::BreI2}},
        // Closing the lens window leaves its information window open; "Menue" closes both.
        {FormId::Lins, make<frmLins>, "lens", makeScene<LensScene>, QT_TRANSLATE_NOOP("varelo::frmVarelo", "Linsen"), FormId::LinsInf, {},
         {FormId::Lins, FormId::LinsInf}},
    };
    return rows;
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
