#include "gl/SceneRenderer.h"

#include <algorithm>
#include <cmath>

#include <GL/glu.h>

#include "core/fish/FishVertexBatch.h"
#include "core/resources/ResourceTable.h"
#include "gl/Backdrop.h"
#include "gl/BackgroundSurfaceGl.h"
#include "gl/EmbeddedTexture.h"
#include "gl/FrameCamera.h"
#include "gl/GlSceneState.h"
#include "gl/Overlay.h"
#include "gl/OverlayFont.h"
#include "gl/TextureLoaders.h"
#include "gl/UserPictureTexture.h"

namespace {
constexpr int kGlyphListCount = 256;
constexpr double kStripPickSizePx = 15.0;
constexpr double kFishPickSizePx = 30.0;
}  // namespace

SceneRenderer::SceneRenderer(double pixelScale) : pixelScale_(pixelScale) {
    fontBase_ = BuildFont(OverlayCharacters());
    SetUpSceneGlState();
}

SceneRenderer::~SceneRenderer() {
    if (fontBase_ != 0) glDeleteLists(fontBase_, kGlyphListCount);
    glDeleteTextures(1, &backgroundTexture_);
    glDeleteTextures(static_cast<GLsizei>(speciesSkins_.size()), speciesSkins_.data());
    glDeleteTextures(1, &bubbleTexture_);
    glDeleteTextures(static_cast<GLsizei>(userPictures_.size()), userPictures_.data());
}

void SceneRenderer::LoadTextures(const std::string& unpackDir) {
    LoadEmbeddedTexture(kBackgroundPicture, unpackDir, &backgroundTexture_);
    NoteWallPictureSize(backgroundTexture_);
    for (int species = 0; species < static_cast<int>(speciesSkins_.size()); ++species) {
        LoadEmbeddedTexture(kFishSkinPictures[species], unpackDir, &speciesSkins_[species]);
    }
    // The three columns share one bubble picture.
    LoadEmbeddedTexture(kBubblePicture, unpackDir, &bubbleTexture_);
    bubblePainter_.SetTexture(bubbleTexture_);
}

GLuint SceneRenderer::LoadUserPicture(const std::string& path) {
    const GLuint texture = CreateUserPictureTexture(path);
    if (texture != 0) {
        userPictures_.push_back(texture);
        NoteWallPictureSize(texture);
    }
    return texture;
}

void SceneRenderer::NoteWallPictureSize(GLuint texture) {
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint width = 0;
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    wallPictureSizes_[texture] = {width, height};
    glBindTexture(GL_TEXTURE_2D, 0);
}

void SceneRenderer::ReleaseUserPicture(GLuint texture) {
    const auto found = std::find(userPictures_.begin(), userPictures_.end(), texture);
    if (found == userPictures_.end()) return;
    glDeleteTextures(1, &texture);
    userPictures_.erase(found);
    wallPictureSizes_.erase(texture);
}

// Binding a name that is not ours would make GL create an object for it; the
// default texture holds no picture just the same.
GLuint SceneRenderer::UserPicture(GLuint texture) const {
    const bool ours =
        std::find(userPictures_.begin(), userPictures_.end(), texture) != userPictures_.end();
    return ours ? texture : 0;
}

void SceneRenderer::SetUpFog() {
    SetUpSceneFog();
}

void SceneRenderer::BeginFrame(int screenWidthPx, int screenHeightPx, float cameraOffset) {
    ApplyFrameCamera(screenWidthPx, screenHeightPx, cameraOffset);
    glViewport(0, 0, static_cast<int>(screenWidthPx * pixelScale_),
               static_cast<int>(screenHeightPx * pixelScale_));
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void SceneRenderer::DrawOverlay() {
    ::DrawOverlay(fontBase_);
}

void SceneRenderer::ApplyLight(float level) {
    ApplyLightLevel(level);
}

void SceneRenderer::DrawBackdrop(const AquariumSettings& settings, const TankBounds& tank) {
    ::DrawBackdrop(settings, tank);
}

void SceneRenderer::SkipBackdrop() {
    ::SkipBackdrop();
}

void SceneRenderer::BeginSchoolSlot(const std::array<float, 3>& position, int species) {
    glPushMatrix();
    glTranslatef(position[0], position[1], position[2]);
    const bool known = species >= 0 && species < static_cast<int>(speciesSkins_.size());
    glBindTexture(GL_TEXTURE_2D, known ? speciesSkins_[species] : 0);
}

void SceneRenderer::DrawCaughtSphere(float radius) {
    glPushMatrix();
    shapes_.CallSphere(radius);
    glPopMatrix();
}

void SceneRenderer::EndSchoolSlot() {
    glPopMatrix();
}

GLuint SceneRenderer::WallPicture(const CustomBackground& picture) const {
    return picture.on ? UserPicture(picture.texture) : backgroundTexture_;
}

std::array<int, 2> SceneRenderer::WallPictureSize(const CustomBackground& picture) {
    const auto known = wallPictureSizes_.find(WallPicture(picture));
    return known == wallPictureSizes_.end() ? std::array<int, 2>{0, 0} : known->second;
}

// Sampled at one level, llvmpipe skips working out a level for every pixel.
void SceneRenderer::DrawBackgroundSurface(const BackgroundSurface& surface,
                                          const CustomBackground& picture, bool magnified) {
    glBindTexture(GL_TEXTURE_2D, WallPicture(picture));
    GLint ownFilter = GL_LINEAR;
    if (magnified) {
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &ownFilter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    }
    glPushMatrix();
    DrawBackgroundSurfaceGl(surface);
    glPopMatrix();
    if (magnified) glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, ownFilter);
}

// Lit, the wall would come out white times its picture: the picture alone.
// Drawn first it needs no depth test, and what stands in front of it is drawn
// over it later. The depth test and the lighting go back to what they were:
// the help text after it is drawn unlit.
void SceneRenderer::BeginWallFirst() {
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
}

void SceneRenderer::EndWallFirst() {
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &wallTexture_);
    glPopAttrib();
}

// The catch net after it takes its colour from a texel of the texture left bound.
void SceneRenderer::ResumeAfterWall() {
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(wallTexture_));
}

void SceneRenderer::BeginBubbles() {
    glPushMatrix();
    glDisable(GL_FOG);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
}

void SceneRenderer::BeginBubbleColumn(const std::array<float, 3>& origin) {
    glPushMatrix();
    glTranslatef(origin[0], origin[1], origin[2]);
}

void SceneRenderer::EndBubbleColumn() {
    glPopMatrix();
}

void SceneRenderer::EndBubbles() {
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glPopMatrix();
    glDisable(GL_LIGHTING);
}

void SceneRenderer::EndFrame() {
    glFinish();
}

void SceneRenderer::SetPickColour() {
    glColor4f(1.0f, 1.0f, 1.0f, 0.0f);
}

void SceneRenderer::BeginPick(PointerPos pointer, double sizePx) {
    glPushMatrix();
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
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

int SceneRenderer::EndPick() {
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
int SceneRenderer::PickStrip(const PickGrid& grid, StripShape shape, PointerPos pointer) {
    const float halfWidth = shape == StripShape::kVertical ? 0.5f : 90.0f;
    const float halfHeight = shape == StripShape::kVertical ? 30.0f : 0.5f;
    const GLfloat quad[] = {-halfWidth, -halfHeight, 1.0f, halfWidth,  -halfHeight, 1.0f,
                            halfWidth,  halfHeight,  1.0f, -halfWidth, halfHeight,  1.0f};
    BeginPick(pointer, kStripPickSizePx);
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

void SceneRenderer::BeginFishPick(PointerPos pointer, const std::array<float, 3>& position) {
    BeginPick(pointer, kFishPickSizePx);
    glTranslatef(position[0], position[1], position[2]);
}

bool SceneRenderer::EndFishPick() {
    return EndPick() > 0;
}

// The mesh is modelled with z up.
void SceneRenderer::GlFishPainter::DrawMesh(float shownPitch, float heading,
                                            const FishVertexBatch& batch) {
    glPushMatrix();
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
    const float h = heading * 0.017453292f;
    glRotatef(-shownPitch, std::sin(h), -std::cos(h), 0.0f);
    // The vertices go to GL as the strips' quads from one interleaved array in a
    // single GL 1.1 call per fish rather than one call per vertex attribute.
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glInterleavedArrays(GL_T2F_N3F_V3F, 0, batch.vertices.data());
    glDrawElements(GL_QUADS, static_cast<GLsizei>(batch.quadIndices.size()), GL_UNSIGNED_SHORT,
                   batch.quadIndices.data());
    glPopClientAttrib();
    glPopMatrix();
}
