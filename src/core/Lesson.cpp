#include "core/Lesson.h"

#include "core/Scene.h"

namespace varelo {

bool ReadLessonFields(Scene &scene, const FieldMap &fields, std::string &faults) {
    FieldReader reader(fields);
    scene.visit(reader);
    faults = reader.faults + reader.unusedPaths();
    return faults.empty();
}

FieldMap LessonFields(Scene &scene) {
    FieldWriter writer;
    scene.visit(writer);
    return writer.values;
}

} // namespace varelo
