#include "gl/SceneRenderer.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <utility>

#include <GL/glu.h>

#include "core/resources/ResourceTable.h"
#include "core/runner/FrameRateMeter.h"
#include "core/scene/AquariumScene.h"
#include "core/scene/CameraGeometry.h"
#include "gl/Backdrop.h"
#include "gl/BackgroundSurfaceGl.h"
#include "gl/BubbleEmitterGl.h"
#include "gl/CatchMarkerGl.h"
#include "gl/ClockGl.h"
#include "gl/EmbeddedTexture.h"
#include "gl/FishMeshGl.h"
#include "gl/FrameCamera.h"
#include "gl/FrameLayers.h"
#include "gl/FrameRateReadout.h"
#include "gl/GlSceneState.h"
#include "gl/Overlay.h"
#include "gl/OverlayFont.h"
#include "gl/TextureLoaders.h"
#include "gl/UserPictureTexture.h"
#include "platform/runtime/Translation.h"

namespace {
// Every letter the tank may write: the help text's, the readout's, the clock's.
GlyphLists FontFor(const HelpTextLines& help, const std::string& language) {
    std::string characters = FrameRateCharacters() + std::string(ClockCharacters());
    for (const std::string& line : help) characters += line;
    return BuildFont(characters, language);
}

// fontconfig names languages as "zh-cn", the catalogs as "zh_CN".
std::string FontLanguage() {
    std::string language = TranslationLanguage();
    for (char& c : language) c = c == '_' ? '-' : static_cast<char>(std::tolower(c));
    return language;
}
}  // namespace

SceneRenderer::SceneRenderer(double pixelScale)
    : pixelScale_(pixelScale), help_(HelpText(true)), picker_(pixelScale) {
    font_ = FontFor(help_, FontLanguage());
    if (font_.base == 0 && help_ != HelpText(false)) {
        static bool told = false;
        if (!std::exchange(told, true)) {
            std::fprintf(stderr, "velmar: %s\n",
                         Tr("no font has the letters of the help text in your language, so it "
                            "shows in English")
                             .c_str());
        }
        help_ = HelpText(false);
        font_ = FontFor(help_, "");
    }
    SetUpSceneGlState();
}

SceneRenderer::~SceneRenderer() {
    DeleteFont(font_);
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
}

unsigned SceneRenderer::LoadPicture(const std::string& path) {
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

void SceneRenderer::ReleasePicture(unsigned texture) {
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

void SceneRenderer::Draw(const AquariumScene& scene) {
    Submit(scene);
    glFinish();
}

void SceneRenderer::Submit(const AquariumScene& scene) {
    BeginFrame(scene);
    if (!scene.Placed()) {
        if (scene.HelpTextShown()) DrawHelpText();
        return;
    }
    const FrameLayers layers =
        ChooseFrameLayers(scene, shortcuts_, WallPictureSize(scene.CustomBackgroundPicture()));
    if (layers.wallFirst) DrawWallFirst(scene, layers.wallMagnified);
    if (scene.HelpTextShown()) DrawHelpText();
    ApplyLight(layers.light);
    DrawBackdrop(scene, !layers.backdrop);
    DrawSchool(scene);
    if (layers.wallFirst) {
        // The catch net after the school takes its colour from a texel of the
        // texture left bound, as if the wall had been drawn here.
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(wallTexture_));
    } else if (layers.wall) {
        DrawWall(scene, layers.wallMagnified);
    }
    DrawNet(scene);
    DrawBubbles(scene);
    DrawPellets(scene);
    DrawClock(font_, scene.Clock());
}

void SceneRenderer::BeginFrame(const AquariumScene& scene) {
    const int width = scene.ScreenWidth();
    const int height = scene.ScreenHeight();
    ApplyFrameCamera(width, height, AquariumScene::kCameraOffset);
    glViewport(0, 0, static_cast<int>(width * pixelScale_), static_cast<int>(height * pixelScale_));
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void SceneRenderer::DrawHelpText() {
    DrawOverlay(font_, help_);
}

void SceneRenderer::DrawReadout(const std::string& text) {
    DrawFrameRateReadout(font_, text);
}

// In place of a backdrop the wall hides, the state is left as drawing it would.
void SceneRenderer::DrawBackdrop(const AquariumScene& scene, bool hidden) {
    if (hidden) {
        SkipBackdrop();
    } else {
        ::DrawBackdrop(scene.Settings(), scene.Tank());
    }
}

void SceneRenderer::DrawSchool(const AquariumScene& scene) {
    const int width = scene.ScreenWidth();
    const int height = scene.ScreenHeight();
    const double eyeZ = EyeZ(AquariumScene::kCameraOffset);
    for (int i = 0; i < scene.ShownFishCount(); ++i) {
        const ShownFish& fish = scene.ShownSchoolFish(i);
        const FishPose& pose = fish.pose;
        const MeshDetail detail =
            shortcuts_.lightMeshes
                ? FishMeshDetail(pose.size, pose.position[2], width, height, eyeZ)
                : MeshDetail::kFull;
        glPushMatrix();
        glTranslatef(pose.position[0], pose.position[1], pose.position[2]);
        const bool known = fish.species >= 0 && fish.species < kSpeciesCount;
        glBindTexture(GL_TEXTURE_2D, known ? speciesSkins_[fish.species] : 0);
        DrawFishMesh(pose, detail, fishMesh_);
        if (fish.caughtRadius > 0.0f) {
            glPushMatrix();
            shapes_.CallSphere(fish.caughtRadius);
            glPopMatrix();
        }
        glPopMatrix();
    }
}

GLuint SceneRenderer::WallPicture(const CustomBackground& picture) const {
    return picture.on ? UserPicture(picture.texture) : backgroundTexture_;
}

std::array<int, 2> SceneRenderer::WallPictureSize(const CustomBackground& picture) const {
    const auto known = wallPictureSizes_.find(WallPicture(picture));
    return known == wallPictureSizes_.end() ? std::array<int, 2>{0, 0} : known->second;
}

// Sampled at one level, llvmpipe skips working out a level for every pixel.
void SceneRenderer::DrawWall(const AquariumScene& scene, bool magnified) {
    glBindTexture(GL_TEXTURE_2D, WallPicture(scene.CustomBackgroundPicture()));
    GLint ownFilter = GL_LINEAR;
    if (magnified) {
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &ownFilter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    }
    glPushMatrix();
    DrawBackgroundSurfaceGl(scene.Surface());
    glPopMatrix();
    if (magnified) glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, ownFilter);
}

// The depth test and the lighting go back to what they were: the help text
// after it is drawn unlit.
void SceneRenderer::DrawWallFirst(const AquariumScene& scene, bool magnified) {
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    DrawWall(scene, magnified);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &wallTexture_);
    glPopAttrib();
}

void SceneRenderer::DrawNet(const AquariumScene& scene) {
    if (!scene.NetShown()) return;
    for (const NetPose& pose : scene.Marker().Shown()) DrawNetCone(shapes_, pose);
}

// Bubbles add their light over everything drawn so far: no depth test, no
// fog. Lighting is off after them.
void SceneRenderer::DrawBubbles(const AquariumScene& scene) {
    glPushMatrix();
    glDisable(GL_FOG);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    const auto& emitters = scene.BubbleEmitters();
    for (int e = 0; e < kBubbleEmitterCount; ++e) {
        const std::array<float, 3> origin = scene.BubbleOrigin(e);
        glPushMatrix();
        glTranslatef(origin[0], origin[1], origin[2]);
        DrawBubbleSquares(bubbleTexture_, emitters[e].Shown());
        glPopMatrix();
    }
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glPopMatrix();
    glDisable(GL_LIGHTING);
}

void SceneRenderer::DrawPellets(const AquariumScene& scene) {
    for (const FoodPellet& pellet : scene.FoodPellets()) {
        if (pellet.Shown()) DrawFlake(flake_, pellet.ShownFlake());
    }
}
