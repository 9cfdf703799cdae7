#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include <GL/gl.h>

#include "core/fish/FishPainter.h"
#include "core/scene/ScenePainter.h"
#include "core/tank/SchoolLayout.h"
#include "gl/BubbleEmitterGl.h"
#include "gl/CatchMarkerGl.h"
#include "gl/DisplayListCache.h"
#include "gl/FoodPelletGl.h"

// Every GL object of the tank (the glyph lists, the textures, the flake and the
// cached wire shapes) and the drawing of a scene with them. Made once a context
// is current and freed, with that context still current, when it goes.
class SceneRenderer : public ScenePainter {
  public:
    // Builds the glyph lists and the flake and sets the fixed GL state. The
    // frame's viewport is the screen size times `pixelScale` (HiDPI screens).
    explicit SceneRenderer(double pixelScale);
    ~SceneRenderer() override;
    SceneRenderer(const SceneRenderer&) = delete;
    SceneRenderer& operator=(const SceneRenderer&) = delete;

    // The background picture, the ten fish skins and the bubble, unpacked
    // through `unpackDir` (a private temporary folder).
    void LoadTextures(const std::string& unpackDir);
    // A texture of the user's picture, kept until it is released or the
    // renderer goes; 0 when the file is no picture or too large.
    GLuint LoadUserPicture(const std::string& path);
    // Frees a texture LoadUserPicture gave; any other name is left alone.
    void ReleaseUserPicture(GLuint texture);
    // Exponential white fog; the first bubble pass turns it off for good.
    void SetUpFog();

    void BeginFrame(int screenWidthPx, int screenHeightPx, float cameraOffset) override;
    void DrawOverlay() override;
    void ApplyLight(float level) override;
    void DrawBackdrop(const AquariumSettings& settings, const TankBounds& tank) override;
    void BeginSchoolSlot(const std::array<float, 3>& position, int species) override;
    void DrawCaughtSphere(float radius) override;
    void EndSchoolSlot() override;
    void SkipBackdrop() override;
    std::array<int, 2> WallPictureSize(const CustomBackground& picture) override;
    void DrawBackgroundSurface(const BackgroundSurface& surface, const CustomBackground& picture,
                               bool magnified) override;
    void BeginWallFirst() override;
    void EndWallFirst() override;
    void ResumeAfterWall() override;
    void BeginBubbles() override;
    void BeginBubbleColumn(const std::array<float, 3>& origin) override;
    void EndBubbleColumn() override;
    void EndBubbles() override;
    void EndFrame() override;
    void SetPickColour() override;
    int PickStrip(const PickGrid& grid, StripShape shape, PointerPos pointer) override;
    void BeginFishPick(PointerPos pointer, const std::array<float, 3>& position) override;
    bool EndFishPick() override;

    FishPainter& Fish() override { return fishPainter_; }
    BubblePainter& Bubbles() override { return bubblePainter_; }
    CatchMarkerPainter& CatchNet() override { return catchNetPainter_; }
    PelletPainter& Pellets() override { return pelletPainter_; }

  private:
    class GlFishPainter : public FishPainter {
      public:
        void DrawMesh(float shownPitch, float heading, const FishVertexBatch& batch) override;
    };

    // `texture` when it is one of the user's pictures, else 0.
    GLuint UserPicture(GLuint texture) const;
    GLuint WallPicture(const CustomBackground& picture) const;
    void NoteWallPictureSize(GLuint texture);
    // Enters selection mode with a pick matrix of the given size in pixels
    // around the pointer; EndPick leaves it and returns the hit records.
    void BeginPick(PointerPos pointer, double sizePx);
    int EndPick();

    double pixelScale_;
    // The texture the wall drawn first left bound, for ResumeAfterWall.
    GLint wallTexture_ = 0;
    std::array<GLuint, 512> selection_{};
    GLuint fontBase_ = 0;
    GLuint backgroundTexture_ = 0;
    std::array<GLuint, kSpeciesCount> speciesSkins_{};
    GLuint bubbleTexture_ = 0;
    std::vector<GLuint> userPictures_;
    std::map<GLuint, std::array<int, 2>> wallPictureSizes_;
    DisplayListCache shapes_;
    GlFoodFlake flake_;
    GlFishPainter fishPainter_;
    GlBubblePainter bubblePainter_;
    GlCatchMarkerPainter catchNetPainter_{shapes_};
    GlPelletPainter pelletPainter_{flake_};
};
