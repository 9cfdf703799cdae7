#pragma once

#include <string>

class AquariumScene;
class ScenePicker;

// What draws a tank's scene on its surface and picks in it: the GL renderer
// in the program, fakes in tests. Its calls come with the surface current.
class SceneDrawer {
  public:
    virtual ~SceneDrawer() = default;
    // Draws what the scene's last step showed.
    virtual void Draw(const AquariumScene& scene) = 0;
    virtual ScenePicker& Picker() = 0;
    // Draws `text` (lines apart at '\n'; empty: nothing) over the frame just
    // drawn, in its bottom-left corner.
    virtual void DrawReadout(const std::string& text) = 0;
    // A texture of the user's picture; 0 when the file is no picture or too
    // large. A name it did not give is released as nothing.
    virtual unsigned LoadPicture(const std::string& path) = 0;
    virtual void ReleasePicture(unsigned texture) = 0;
};
