#pragma once

#include <functional>

#include "art/Canvas.h"

// The things the menu icons and the cursors show, each drawn in a 32 x 32
// design space and laid onto a picture in a pose, so a cursor can reuse an
// icon's subject moved, shrunk or tilted.

// Where the design space lands: turned by `degrees` (clockwise on screen) and
// scaled about (pivotX, pivotY), then moved by (dx, dy).
struct Pose {
    float dx = 0.0f, dy = 0.0f;
    float degrees = 0.0f;
    float scale = 1.0f;
    float pivotX = 16.0f, pivotY = 16.0f;
};

// Fills shapes given in design units onto a picture in a pose.
class Pen {
  public:
    using Distance = std::function<float(float x, float y)>;
    using Colour = std::function<Rgb(float x, float y)>;

    Pen(RgbaCanvas& canvas, const Pose& pose);

    // Anti-aliased fill where `distance` (design units, negative inside) is
    // below zero; `colour` is asked at design points.
    void Fill(const Distance& distance, const Colour& colour, float opacity = 1.0f);
    void Fill(const Distance& distance, const Rgb& colour, float opacity = 1.0f);
    // The shape in `colour` with a rim of `edge`, `width` units wide, around it.
    void FillOutlined(const Distance& distance, const Rgb& colour, const Rgb& edge, float width);
    void FillOutlined(const Distance& distance, const Colour& colour, const Rgb& edge, float width);

  private:
    RgbaCanvas& canvas_;
    Pose pose_;
    float cos_;
    float sin_;
};

// A round landing net: red hoop, mesh, wooden handle towards the bottom right.
// `scooping` darkens the pocket, as when it is pushed through the water.
void DrawNet(Pen& pen, bool scooping);

// A blue packet of fish food with a fish on its label, opening at the top.
void DrawFoodPacket(Pen& pen);

// Pellets falling from a packet's opening at (x, y) in design units.
void DrawFallingFood(Pen& pen, float x, float y);

// A purple octopus; `wave` (0..1) moves its arms through one stroke.
void DrawOctopus(Pen& pen, float wave);

// A magnifying glass, lens at the top left, with a red plus or a green minus.
void DrawMagnifier(Pen& pen, bool plus);

// A grey fish swimming to the left.
void DrawFish(Pen& pen);

// An orange eighth note.
void DrawNote(Pen& pen);

// A small framed aquarium: water, sand, a weed, a fish and bubbles.
void DrawAquarium(Pen& pen);

// A green button reading EXIT in white letters drawn from strokes.
void DrawExitButton(Pen& pen);

// Three mixing-desk sliders on a panel, their knobs at different heights: the
// settings.
void DrawSliders(Pen& pen);
