#pragma once
// What the module windows' controllers share: the pointer they ask for and the steps of
// the object point's spin arrows.
namespace varelo {

// NoDrop: where nothing can be put down (the refraction windows).
enum class MousePointer { Unchanged, Arrow, CrossHair, NoDrop };

enum class ObjectStep { Left, Right, Up, Down };

} // namespace varelo
