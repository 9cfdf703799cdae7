#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include <GL/gl.h>

#include "core/fish/FishVertexBatch.h"
#include "core/runner/SceneDrawer.h"
#include "core/tank/SchoolLayout.h"
#include "gl/DisplayListCache.h"
#include "gl/DrawShortcuts.h"
#include "gl/FoodPelletGl.h"
#include "gl/GlScenePicker.h"
#include "gl/Overlay.h"
#include "gl/OverlayFont.h"

class AquariumScene;
struct CustomBackground;

// Every GL object of the tank (the glyph lists, the textures, the flake and the
// cached wire shapes), the drawing of a scene's last step with them, and the
// picks. Made once a context is current and freed, with that context still
// current, when it goes.
class SceneRenderer : public SceneDrawer {
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
    unsigned LoadPicture(const std::string& path) override;
    // Frees a texture LoadPicture gave; any other name is left alone.
    void ReleasePicture(unsigned texture) override;
    // Exponential white fog; the first bubbles drawn turn it off for good.
    void SetUpFog();

    void SetDrawShortcuts(const DrawShortcuts& shortcuts) { shortcuts_ = shortcuts; }
    // Draws what the scene's last step showed and waits until it is drawn.
    void Draw(const AquariumScene& scene) override;
    // Every GL call of that frame (see FrameLayers for the wall and the
    // backdrop); the driver may still be drawing when it returns.
    void Submit(const AquariumScene& scene);
    ScenePicker& Picker() override { return picker_; }
    void DrawReadout(const std::string& text) override;

    // The width and height in texels of the picture the wall wears.
    std::array<int, 2> WallPictureSize(const CustomBackground& picture) const;

  private:
    void BeginFrame(const AquariumScene& scene);
    void DrawHelpText();
    void DrawBackdrop(const AquariumScene& scene, bool hidden);
    void DrawSchool(const AquariumScene& scene);
    void DrawWall(const AquariumScene& scene, bool magnified);
    void DrawWallFirst(const AquariumScene& scene, bool magnified);
    void DrawNet(const AquariumScene& scene);
    void DrawBubbles(const AquariumScene& scene);
    void DrawPellets(const AquariumScene& scene);
    // `texture` when it is one of the user's pictures, else 0.
    GLuint UserPicture(GLuint texture) const;
    GLuint WallPicture(const CustomBackground& picture) const;
    void NoteWallPictureSize(GLuint texture);

    double pixelScale_;
    DrawShortcuts shortcuts_;
    // The texture the wall drawn first left bound: what the catch net after
    // the school takes its colour from.
    GLint wallTexture_ = 0;
    HelpTextLines help_;
    GlyphLists font_;
    GLuint backgroundTexture_ = 0;
    std::array<GLuint, kSpeciesCount> speciesSkins_{};
    GLuint bubbleTexture_ = 0;
    std::vector<GLuint> userPictures_;
    std::map<GLuint, std::array<int, 2>> wallPictureSizes_;
    DisplayListCache shapes_;
    GlFoodFlake flake_;
    // Lent to each fish in turn for the vertices of its mesh.
    FishVertexBatch fishMesh_;
    GlScenePicker picker_;
};
