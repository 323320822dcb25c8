#pragma once
// Where a gauge's pie wedge and needle end, shared by its plain and its
// skinned look; and the canvas tools both select before drawing with the
// platform's shape calls.
#include "platform/Geometry.h"

class TCanvas;

// The point on the ellipse of half-axes (mx, my) where the filled wedge of
// `percent` begins: the wedge runs counter-clockwise from there to twelve
// o'clock, so the filled part grows clockwise from the top.
TPoint PieWedgeStart(int percent, int mx, int my);
// The tip of the needle at `percent` of a half ellipse with half-width mx
// over a base line at height baseY.
TPoint NeedleTip(int percent, int mx, int baseY);
// Selects the canvas's pen and brush into its drawing context.
void SelectCanvasTools(TCanvas& canvas);
