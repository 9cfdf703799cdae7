#include "gl/GlScenePicker.h"

#include <algorithm>

#include <GL/glu.h>

#include "gl/FishMeshGl.h"
#include "gl/FrameCamera.h"

namespace {
constexpr double kStripPickSizePx = 15.0;
constexpr double kFishPickSizePx = 30.0;
}  // namespace

void GlScenePicker::BeginPick(const PickView& view, PointerPos pointer, double sizePx) {
    // Selection needs no viewport of GL's: what is hit is what the pick
    // matrix's frustum leaves unclipped.
    ApplyCamera(view.cameraOffset);
    GLint viewport[4] = {0, 0, static_cast<GLint>(view.screenWidthPx * pixelScale_),
                         static_cast<GLint>(view.screenHeightPx * pixelScale_)};
    glPushMatrix();
    glSelectBuffer(static_cast<GLsizei>(selection_.size()), selection_.data());
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    // The pointer is in window units, the viewport in pixels.
    gluPickMatrix(pointer.x * pixelScale_, viewport[3] - pointer.y * pixelScale_, sizePx, sizePx,
                  viewport);
    gluPerspective(45.0, static_cast<double>(viewport[2]) / std::max(viewport[3], 1),
                   static_cast<double>(0.1f), 1000.0);
    glMatrixMode(GL_MODELVIEW);
}

int GlScenePicker::EndPick() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    const int hits = glRenderMode(GL_RENDER);
    glPopMatrix();
    return hits;
}

// All strips go through one selection pass, each under its index as its name;
// the lowest name among the hit records is the strip a pass per strip, in
// index order, would have stopped at.
int GlScenePicker::StripUnderPointer(const PickView& view, PointerPos pointer, const PickGrid& grid,
                                     StripShape shape) {
    const float halfWidth = shape == StripShape::kVertical ? 0.5f : 90.0f;
    const float halfHeight = shape == StripShape::kVertical ? 30.0f : 0.5f;
    const GLfloat quad[] = {-halfWidth, -halfHeight, 1.0f, halfWidth,  -halfHeight, 1.0f,
                            halfWidth,  halfHeight,  1.0f, -halfWidth, halfHeight,  1.0f};
    BeginPick(view, pointer, kStripPickSizePx);
    // From an array, not between glBegin and glEnd: Mesa's selection mode keeps
    // every buffer of immediate-mode vertices it fills, some 10 KB a frame.
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, quad);
    for (std::size_t k = 0; k < grid.points.size(); ++k) {
        const std::array<float, 3>& point = grid.points[k];
        glLoadName(static_cast<GLuint>(k));
        glPushMatrix();
        glTranslatef(point[0], point[1], point[2]);
        glDrawArrays(GL_QUADS, 0, 4);
        glPopMatrix();
    }
    glPopClientAttrib();
    const int hits = EndPick();
    // Each record: the name count (always 1 here), two depths, the name.
    int lowest = -1;
    for (int hit = 0; hit < hits && 4 * hit + 3 < static_cast<int>(selection_.size()); ++hit) {
        const int name = static_cast<int>(selection_[4 * hit + 3]);
        if (lowest < 0 || name < lowest) lowest = name;
    }
    return lowest;
}

bool GlScenePicker::FishUnderPointer(const PickView& view, PointerPos pointer,
                                     const FishPose& fish) {
    BeginPick(view, pointer, kFishPickSizePx);
    glTranslatef(fish.position[0], fish.position[1], fish.position[2]);
    DrawFishMesh(fish, MeshDetail::kFull, mesh_);
    return EndPick() > 0;
}
