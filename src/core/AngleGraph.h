#pragma once
// The graph of the angle of refraction against the angle of incidence for light from the
// upper into the lower medium (index n), in degrees: its small face on a symbol button,
// the graph in its own picture, the reading lines of a click, and the larger copy drawn
// into a module's picture for saving and printing.
#include "core/Surface.h"

namespace varelo {

// Snell's law for light from the upper into the lower medium, in degrees: the angle of
// refraction for the angle of incidence a, or false beyond the critical angle.
bool RefractionAngleDeg(float a, float relIndex, float &beta);
// The angle of incidence that belongs to the angle of refraction b, or false.
bool IncidenceAngleDeg(float b, float relIndex, float &alpha);

class Styles;

struct AngleGraphWidths {
    int axis = 3;
    int curve = 3;
    int tick5 = 1, tick10 = 3, tick30 = 5;
    int smallAngle = 1;
};
// The widths from a style table whose graph kinds follow each other from `firstKind`:
// axis, curve, ticks every 5, 10 and 30 degrees, the small-angle line.
AngleGraphWidths GraphWidths(const Styles &st, int firstKind);
// The widths of the presentation look: every one doubled.
AngleGraphWidths Doubled(AngleGraphWidths w);

// Sets the graph's scale: x -10 .. 100 (incidence), y 100 .. -10 (refraction, upwards).
void SetAngleGraphScale(Surface &s);
// The symbol face: axes, exact curve every 0.5 degrees and the small-angle line.
void DrawAngleGraphFace(Surface &s, float n);
// The graph: clears, axes, exact curve every 0.5 degrees, axis ticks every 5, 10 and 30
// degrees, the small-angle line every degree.
void DrawAngleGraph(Surface &s, float n, const AngleGraphWidths &w);
// The same graph, without clearing, into the box (left, top)-(left + width, top + height)
// of the surface's present scale, which is restored afterwards.
void DrawAngleGraphInBox(Surface &s, float n, const AngleGraphWidths &w, double left, double top, double width,
                         double height);
// Reading lines for a click at (x, y) degrees: below the diagonal from the angle of
// incidence up to the curve and across; on or above it from the angle of refraction.
void DrawAngleReading(Surface &s, float n, float x, float y);
// The graph in the scale (-900, -1100)-(900, 1100) with a dotted grid, drawn into another
// picture; that picture's scale is restored afterwards.
void DrawAngleGraphInPicture(Surface &s, float n, const AngleGraphWidths &w);

} // namespace varelo
